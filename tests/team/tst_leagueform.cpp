#include "calculators/team/league/form.h"
#include "calculators/team/league/pastedtable.h"
#include "calculators/team/league/saved.h"
#include "leaguetext.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using testing::changed;

// The form as data: carried over a paste team by team, and kept between runs.
class tst_LeagueForm : public QObject
{
    Q_OBJECT

private slots:
    void saved_data();
    void saved();
    void carriedOver_data();
    void carriedOver();
};

// A settings file as a user may have edited it, or a newer version written: every value that is
// there and fits is read, every other one is the default.
void tst_LeagueForm::saved_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("read");

    QTest::newRow("as written") << "[leagueTable]\nleague=1\ncentral\\games=143\n"
                                   "central\\pairGames=25\ncentral\\team1\\name=巨人\n"
                                   "central\\team1\\wins=63\ncentral\\team1\\lastRank=1\n"
                                   "central\\pair1\\draws=0\npacific\\teamCount=2\n"
                                << QStringList { "league=1", "セ.games=143", "セ.pairGames=25",
                                       "セ.team1=巨人 63 0 0 1", "セ.pair1=? ? 0 ?",
                                       "パ.teamCount=2" };
    QTest::newRow("out of range")
        << "[leagueTable]\nleague=2\ncentral\\teamCount=7\ncentral\\games=1000\n"
           "central\\pairGames=-1\ncentral\\team1\\wins=99999999999\ncentral\\team1\\lastRank=7\n"
           "central\\pair1\\firstWins=100\npacific\\teamCount=1\n"
        << QStringList();
    QTest::newRow("not numbers") << "[leagueTable]\nleague=パ\ncentral\\games=1e2\n"
                                    "central\\team1\\wins=12abc\ncentral\\pair1\\remaining=\n"
                                    "central\\pair2\\remaining=\"3, 4\"\n"
                                 << QStringList();
    QTest::newRow("a name of many lines")
        << "[leagueTable]\ncentral\\team1\\name=\"巨\\n人\\t\\x1b ジャイアンツ ジャイアンツ "
           "ジャイアンツ\"\n"
        << QStringList { "セ.team1=巨人 ジャイアンツ ジャイアンツ ジャイ 0 0 0 0" };
    // Cut first, then trimmed: a space at the cut would otherwise stay, and go at the next load.
    QTest::newRow("a space where the name is cut")
        << "[leagueTable]\ncentral\\team1\\name=ジャイアンツジャイアンツジャイアンツ巨 人\n"
        << QStringList { "セ.team1=ジャイアンツジャイアンツジャイアンツ巨 0 0 0 0" };
    QTest::newRow("garbage") << "\x01\x02[[[\nleagueTable\\league\n=\n[leagueTable]\ncentral=3\n"
                             << QStringList();
}

void tst_LeagueForm::saved()
{
    QFETCH(QString, file);
    QFETCH(QStringList, read);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("saved.ini"));
    QFile ini(path);
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(file.toUtf8());
    ini.close();

    const calc::SavedLeagues loaded = calc::loadLeagues(QSettings(path, QSettings::IniFormat));
    QCOMPARE(changed(loaded), read);
    // What is read back is written and read again unchanged.
    {
        QSettings settings(path, QSettings::IniFormat);
        calc::saveLeagues(settings, loaded);
    }
    QCOMPARE(changed(calc::loadLeagues(QSettings(path, QSettings::IniFormat))), read);
}

// A pasted day carries each team's 前年順位 and its head-to-head with each other team along,
// by name, whatever row it lands in.
void tst_LeagueForm::carriedOver_data()
{
    QTest::addColumn<QString>("teams");
    QTest::addColumn<QString>("pairs"); // A–B, A–C, B–C
    QTest::addColumn<QString>("pastedTeams"); // as teams, 前年順位 unused
    QTest::addColumn<QString>("pastedPairs"); // "阪神 巨人 5 12 1"
    QTest::addColumn<QStringList>("form"); // in a season of 143 games
    QTest::addColumn<QString>("note"); // what the summary adds to the table's

    const QString three = QStringLiteral("巨人 60 40 2 1, 阪神 58 42 1 3, 中日 50 50 0 2");
    QTest::newRow("reordered") << three << "12 5 0 2, 10 10 1 ?"
                               << "阪神 60 42 1 0, 巨人 60 43 2 0, 中日 51 52 0 0"
                               << ""
                               << QStringList { "セ.teamCount=3", "セ.team1=阪神 60 42 1 3",
                                      "セ.team2=巨人 60 43 2 1", "セ.team3=中日 51 52 0 2",
                                      "セ.pair1=5 12 0 2", "セ.pair2=10 10 1 ?" }
                               << "";
    QTest::newRow("a new team, two gone")
        << three << "12 5 0 2, 10 10 1 ?"
        << "ＤｅＮＡ 50 50 0 0, 阪神 49 51 1 0"
        << ""
        << QStringList { "セ.teamCount=2", "セ.team1=ＤｅＮＡ 50 50 0 0", "セ.team2=阪神 49 51 1 3",
               "セ.team3=巨人 60 40 2 1", "セ.team4=中日 50 50 0 2", "セ.pair6=5 12 0 2",
               "セ.pair7=10 10 1 ?" }
        << "";
    QTest::newRow("head-to-head alone")
        << three << "12 5 0 2, 10 10 1 ?"
        << ""
        << "阪神 巨人 6 13 1, 中日 巨人 3 2 0, 中日 広島 1 1 1"
        << QStringList { "セ.teamCount=3", "セ.team1=巨人 60 40 2 1", "セ.team2=阪神 58 42 1 3",
               "セ.team3=中日 50 50 0 2", "セ.pair1=13 6 1 ?", "セ.pair2=2 3 0 ?",
               "セ.pair6=10 10 1 ?" }
        << "";
    // 巨人 has 8 games left today: yesterday's 9 against 阪神 cannot be, nor 5 and 5.
    QTest::newRow("yesterday's games left beyond today's")
        << three << "12 5 0 9, 10 10 1 ?"
        << "巨人 70 65 0 0, 阪神 60 43 1 0, 中日 51 52 0 0"
        << ""
        << QStringList { "セ.teamCount=3", "セ.team1=巨人 70 65 0 1", "セ.team2=阪神 60 43 1 3",
               "セ.team3=中日 51 52 0 2", "セ.pair1=12 5 0 ?", "セ.pair6=10 10 1 ?" }
        << "（合わない残りを戻しました: 巨人–阪神 9→未入力（巨人の残り8試合を超えます））";
    QTest::newRow("a team's games left together beyond today's")
        << "中日 50 50 0 2, 巨人 60 40 2 1, 阪神 58 42 1 3" << "12 5 0 5, 10 10 1 5"
        << "巨人 70 65 0 0, 中日 51 52 0 0, 阪神 60 43 1 0"
        << ""
        << QStringList { "セ.teamCount=3", "セ.team1=巨人 70 65 0 1", "セ.team2=中日 51 52 0 2",
               "セ.team3=阪神 60 43 1 3", "セ.pair1=5 12 0 ?", "セ.pair2=10 10 1 ?" }
        << "（合わない残りを戻しました: 巨人–中日 5→未入力（巨人の残り8試合を超えます）、"
           "巨人–阪神 5→未入力（巨人の残り8試合を超えます））";
    // A table that names a team twice is refused by the reader; the merge alone never pairs a
    // row with itself, whatever it is given.
    QTest::newRow("a team named twice")
        << three << "12 5 0 2, 10 10 1 ?"
        << "巨人 70 50 3 0, 阪神 65 55 3 0, 巨人 70 50 3 0"
        << "巨人 巨人 12 10 1"
        << QStringList { "セ.teamCount=3", "セ.team1=巨人 70 50 3 1", "セ.team2=阪神 65 55 3 3",
               "セ.team3=巨人 70 50 3 0", "セ.team4=中日 50 50 0 2", "セ.pair1=12 5 0 2",
               "セ.pair7=10 10 1 ?" }
        << "";
}

void tst_LeagueForm::carriedOver()
{
    QFETCH(QString, teams);
    QFETCH(QString, pairs);
    QFETCH(QString, pastedTeams);
    QFETCH(QString, pastedPairs);
    QFETCH(QStringList, form);
    QFETCH(QString, note);

    calc::LeagueForm before;
    before.games = 143;
    const QList<calc::LeagueTeam> rows = testing::teams(teams);
    before.teamCount = int(rows.size());
    std::copy(rows.cbegin(), rows.cend(), before.teams.begin());
    const QList<calc::PairRecord> records = testing::pairs(pairs);
    before.pairs.at(calc::pairIndex(0, 1)) = records.at(0);
    before.pairs.at(calc::pairIndex(1, 2)) = records.at(1);
    calc::PastedTable table;
    for (const calc::LeagueTeam &t : testing::teams(pastedTeams))
        table.teams.append({ t.name, t.wins, t.losses, t.draws });
    for (const QString &pair : pastedPairs.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QStringList f = pair.split(u' ');
        table.pairs.append({ f.at(0), f.at(1), f.at(2).toInt(), f.at(3).toInt(), f.at(4).toInt() });
    }
    const calc::PastedForm pasted = calc::withPasted(before, table);
    form.insert(1, QStringLiteral("セ.games=143"));
    QCOMPARE(changed({ 0, { pasted.form, {} } }), form);
    QCOMPARE(pasted.summary, note);
}

QTEST_GUILESS_MAIN(tst_LeagueForm)
#include "tst_leagueform.moc"

#include "calculators/team/league/copytext.h"
#include "calculators/team/league/rules.h"
#include "leaguetext.h"

#include <QTest>

// The rules through their typed rows, written as the table shows them.
class tst_Rules : public QObject
{
    Q_OBJECT

private slots:
    void table_data();
    void table();
};

void tst_Rules::table_data()
{
    QTest::addColumn<QString>("league");
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("pairGames");
    QTest::addColumn<QString>("teams");
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QStringList>("rows"); // cells separated by |
    QTest::addColumn<QString>("summary");

    const QString sb = QStringLiteral("ソフトバンク 80 45 3 0, ロッテ 74 52 3 0, 西武 70 58 2 0, "
                                      "楽天 66 62 3 0");
    QStringList pacific
        = { "1|ソフトバンク|80|45|3|15|0.640|-|-|有|9", "2|ロッテ|74|52|3|14|0.587|6.5|6.5|無|",
              "3|西武|70|58|2|13|0.547|5.0|11.5|無|", "4|楽天|66|62|3|12|0.516|4.0|15.5|無|" };
    const QString giants = QStringLiteral("巨人 47 22 4 1, 阪神 36 34 4 3");
    const QStringList giantsRows
        = { "1|巨人|47|22|4|47|0.681|-|-|有|35", "2|阪神|36|34|4|46|0.514|11.5|11.5|無|" };

    // 阪神 can reach 82-34-4; so does 巨人 with 35 more wins, and stays above on 前年順位 only.
    QTest::newRow("120 games, 前年順位 decides") << "セ" << 120 << 0 << giants << "12 3 0 9"
                                                 << giantsRows << "マジック 35 巨人（対象: 阪神）";
    QTest::newRow("games left from カード試合数") << "セ" << 120 << 25 << giants << "12 3 1 ?"
                                                  << giantsRows << "マジック 35 巨人（対象: 阪神）";
    // 0 to 10 games left: with 10 阪神 would win the head-to-head 13-12, so 36 wins are needed.
    QTest::newRow("games left up to カード試合数")
        << "セ" << 120 << 25 << giants << "12 3 ? ?"
        << QStringList { "1|巨人|47|22|4|47|0.681|-|-|有|36",
               "2|阪神|36|34|4|46|0.514|11.5|11.5|無|" }
        << "マジック 36 巨人（対象: 阪神）（未入力のカード 1）";
    // Up to 46 games between them: 阪神 wins it on its own from 12 of them on, not below.
    QTest::newRow("games left unknown") << "セ" << 120 << 0 << giants << "12 3 ? ?"
                                        << QStringList { "1|巨人|47|22|4|47|0.681|-|-|有|",
                                               "2|阪神|36|34|4|46|0.514|11.5|11.5|不明|" }
                                        << "マジック点灯なし（決め手のカード: 巨人–阪神）（未入力のカード 1）";
    QTest::newRow("120 games, no 前年順位: a tie is not enough")
        << "セ" << 120 << 0 << "巨人 47 22 4 0, 阪神 36 34 4 0"
        << "12 3 0 9"
        << QStringList { "1|巨人|47|22|4|47|0.681|-|-|有|36",
               "2|阪神|36|34|4|46|0.514|11.5|11.5|無|" }
        << "マジック 36 巨人（対象: 阪神）";
    // 阪神's best is 98 / 142 = .6901; 97 / 140 = .6928 is above it, 96 / 140 = .6857 is not.
    const QString august = QStringLiteral(
        "巨人 63 35 4 0, 阪神 54 44 2 0, 広島 45 56 2 0, 中日 44 58 1 0, DeNA 43 59 0 0, "
        "ヤクルト 41 58 1 0");
    QStringList augustRows
        = { "1|巨人|63|35|4|42|0.643|-|-|有|34", "2|阪神|54|44|2|44|0.551|9.0|9.0|無|",
              "3|広島|45|56|2|41|0.446|10.5|19.5|無|", "4|中日|44|58|1|41|0.431|1.5|21.0|無|",
              "5|DeNA|43|59|0|42|0.422|1.0|22.0|無|", "6|ヤクルト|41|58|1|44|0.414|0.5|22.5|無|" };
    QTest::newRow("August 15, no game left between them")
        << "セ" << 144 << 0 << august << QStringList(15, QStringLiteral("0 0 0 0")).join(", ")
        << augustRows << "マジック 34 巨人（対象: 阪神） / CSマジック 巨人 21、阪神 31、広島 40";
    // Nothing entered between them: any of them might still play the others often enough.
    augustRows[0].chop(2);
    for (int row = 1; row < 6; ++row)
        augustRows[row].replace(QStringLiteral("|無|"), QStringLiteral("|不明|"));
    // Games between them only make it harder for the others to pass; the leader's cards first.
    QTest::newRow("August 15, every pair 未入力")
        << "セ" << 144 << 0 << august << "" << augustRows
        << "マジック点灯なし / CSマジック 巨人 21、阪神 31、広島 40"
           "（決め手のカード: 巨人–阪神、巨人–広島、巨人–中日ほか12件）（未入力のカード 15）";
    // With 8 more wins ソフトバンク ties ロッテ's best 88 / 140, but loses the head-to-head 12-13.
    QTest::newRow("パ, head-to-head costs a win")
        << "パ" << 143 << 0 << sb << "12 9 0 4, 13 8 0 3, 11 10 0 4, 11 10 0 4, 12 9 0 4, 10 11 0 4"
        << pacific << "マジック 9 ソフトバンク（対象: ロッテ） / CSマジック ロッテ 5、西武 9 / CS確定 ソフトバンク";
    // 8 games left against ソフトバンク: ロッテ can still win it on its own, so nobody has a magic.
    pacific[1].replace(QStringLiteral("無"), QStringLiteral("有"));
    pacific[0].chop(1);
    QTest::newRow("パ, two own-strength chances")
        << "パ" << 143 << 0 << sb << "12 9 0 8, 13 8 0 3, 11 10 0 4, 11 10 0 2, 12 9 0 2, 10 11 0 4"
        << pacific << "マジック点灯なし / CSマジック ロッテ 4、西武 9 / CS確定 ソフトバンク";
    // .667 both; B has played fewer games and, winning out, reaches .800.
    QTest::newRow("セ, a tie of percentage goes to more wins")
        << "セ" << 40 << 0 << "_ 20 10 0 0, _ 10 5 15 0"
        << "0 0 0 0"
        << QStringList { "1|A|20|10|0|10|0.667|-|-|無|", "2|B|10|5|15|10|0.667|2.5|2.5|有|9" }
        << "マジック 9 B（対象: A）";
    QTest::newRow("パ, the same tie unknown")
        << "パ" << 40 << 0 << "_ 20 10 0 0, _ 10 5 15 0"
        << "0 0 0 0"
        << QStringList { "1|A|20|10|0|10|0.667|-|-|無|", "1|B|10|5|15|10|0.667|2.5|2.5|有|9" }
        << "マジック 9 B（対象: A）";
    QTest::newRow("パ, the same tie to the head-to-head")
        << "パ" << 40 << 0 << "_ 20 10 0 0, _ 10 5 15 0"
        << "2 3 0 0"
        << QStringList { "1|B|10|5|15|10|0.667|-|-|有|9", "2|A|20|10|0|10|0.667|-2.5|-2.5|無|" }
        << "マジック 9 B（対象: A）";
    // Level at 7-3 each at the end: the head-to-head decides, or nobody can say.
    QTest::newRow("パ, a final tie to the head-to-head")
        << "パ" << 10 << 0 << "_ 5 3 0 0, _ 5 3 0 0"
        << "2 1 0 0"
        << QStringList { "1|A|5|3|0|2|0.625|-|-|有|2", "2|B|5|3|0|2|0.625|0.0|0.0|無|" }
        << "マジック 2 A（対象: B）";
    QTest::newRow("パ, a final tie, head-to-head 未入力")
        << "パ" << 10 << 0 << "_ 5 3 0 0, _ 5 3 0 0"
        << "? ? ? 0"
        << QStringList { "1|A|5|3|0|2|0.625|-|-|不明|", "1|B|5|3|0|2|0.625|0.0|0.0|不明|" }
        << "マジック点灯なし（決め手のカード: A–B）（未入力のカード 1）";
    // B has no win, so none against A: winning the last game it ties A's record and loses the tie.
    QTest::newRow("パ, a head-to-head figure the totals fix")
        << "パ" << 2 << 2 << "_ 1 0 0 0, _ 0 1 0 0"
        << "1 ? 0 1"
        << QStringList { "1|A|1|0|0|1|1.000|-|-|有|", "2|B|0|1|0|1|0.000|1.0|1.0|無|" }
        << "マジック点灯なし";
    QTest::newRow("パ, head-to-head in a circle")
        << "パ" << 30 << 0 << "_ 10 10 0 0, _ 10 10 0 0, _ 10 10 0 0"
        << "3 2 0 0, 2 3 0 0, 3 2 0 0"
        << QStringList { "1|A|10|10|0|10|0.500|-|-|無|", "1|B|10|10|0|10|0.500|0.0|0.0|無|",
               "1|C|10|10|0|10|0.500|0.0|0.0|無|" }
        << "マジック点灯なし";
    QTest::newRow("two targets") << "セ" << 20 << 0 << "_ 10 2 0 0, _ 6 6 0 0, _ 6 6 0 0"
                                 << "0 0 0 0, 0 0 0 0, 0 0 0 0"
                                 << QStringList { "1|A|10|2|0|8|0.833|-|-|有|5",
                                        "2|B|6|6|0|8|0.500|4.0|4.0|無|",
                                        "2|C|6|6|0|8|0.500|0.0|4.0|無|" }
                                 << "マジック 5 A（対象: B、C）";
    QTest::newRow("pennant decided")
        << "セ" << 10 << 0 << "_ 9 0 0 0, _ 0 9 0 0"
        << "0 0 0 0"
        << QStringList { "1|A|9|0|0|1|1.000|-|-|有|0", "2|B|0|9|0|1|0.000|9.0|9.0|無|" }
        << "優勝 A";
}

void tst_Rules::table()
{
    QFETCH(QString, league);
    QFETCH(int, games);
    QFETCH(int, pairGames);
    QFETCH(QString, teams);
    QFETCH(QString, pairs);
    QFETCH(QStringList, rows);
    QFETCH(QString, summary);

    const calc::Standings result = calc::standings(
        testing::league(league), testing::leagueForm(games, pairGames, teams, pairs));
    QStringList shown;
    for (const calc::StandingRow &row : result.rows)
        shown.append(calc::cells(row).mid(0, 11).join(u'|'));
    QCOMPARE(shown, rows);
    QCOMPARE(calc::summaryText(result), summary);
}

QTEST_GUILESS_MAIN(tst_Rules)
#include "tst_rules.moc"

#include "calculators/team/league/race.h"
#include "calculators/team/league/copytext.h"
#include "calculators/team/league/season.h"
#include "leaguetext.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <vector>

// The race for the top three: real and built situations through the table's rows, and every
// outcome of small random leagues tried one by one against the rows.
class tst_Race : public QObject
{
    Q_OBJECT

private slots:
    void table_data();
    void table();
    void everyOutcome();
};

void tst_Race::table_data()
{
    QTest::addColumn<QString>("league");
    QTest::addColumn<int>("games");
    QTest::addColumn<QString>("teams");
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QStringList>("rows"); // name|順位の範囲|自力CS|CSマジック, in rank order

    const auto row = [](const char *name, const char *league, int games, const char *teams,
                         const char *pairs, const char *rows) {
        QTest::newRow(name) << league << games << QString::fromUtf8(teams)
                            << QString::fromUtf8(pairs) << QString::fromUtf8(rows).split(u' ');
    };
    // 2019-09-22, games left as scheduled, records not entered. 中日 plays 広島 twice and 阪神
    // twice: losing one it still stays above both (5, not 6); 広島's two games are with 中日.
    row("2019-09-22", "セ", 143,
        "巨人 75 62 2 3, DeNA 70 67 3 4, 広島 69 69 3 1, 中日 66 69 2 5, 阪神 65 68 6 6, "
        "ヤクルト 58 80 2 2",
        "? ? ? 2, ? ? ? 0, ? ? ? 0, ? ? ? 1, ? ? ? 1, ? ? ? 0, ? ? ? 1, ? ? ? 0, ? ? ? 0, "
        "? ? ? 2, ? ? ? 0, ? ? ? 0, ? ? ? 2, ? ? ? 1, ? ? ? 1",
        "巨人|1|確定| DeNA|2–4|有|1 広島|2–5|有|2 中日|2–5|有|5 阪神|2–5|無| ヤクルト|6|消滅|");
    // 2022-09-26: 阪神 beats 巨人 on their record, 広島 beats 阪神, 巨人 beats 広島; each winning
    // out ties the one that beats it.
    const char *y2022 = "? ? ? 0, ? ? ? 0, ? ? ? 3, ? ? ? 2, ? ? ? 0, ? ? ? 2, ? ? ? 0, ? ? ? 0, "
                        "? ? ? 4, 10 14 1 0, 13 12 0 0, ? ? ? 0, 9 14 2 0, ? ? ? 0, ? ? ? 1";
    row("2022-09-26, a circle of records", "セ", 143,
        "ヤクルト 78 57 3 1, DeNA 70 65 2 6, 巨人 67 71 3 3, 阪神 66 71 3 2, 広島 66 71 3 4, "
        "中日 63 73 2 5",
        y2022, "ヤクルト|1|確定| DeNA|2|確定| 巨人|3–6|無| 広島|3–6|無| 阪神|3–6|無| 中日|3–6|無|");
    // 2022-09-29: 広島 lost, and 阪神, tied by 巨人 winning out, wins their record.
    row("2022-09-29, 自力CS back with 1", "セ", 143,
        "ヤクルト 79 58 3 1, DeNA 71 66 2 6, 巨人 67 71 3 3, 阪神 68 71 3 2, 広島 66 72 3 4, "
        "中日 63 75 2 5",
        "? ? ? 0, ? ? ? 0, ? ? ? 1, ? ? ? 1, ? ? ? 0, ? ? ? 2, ? ? ? 0, ? ? ? 0, ? ? ? 2, "
        "10 14 1 0, 13 12 0 0, ? ? ? 0, 9 14 2 0, ? ? ? 0, ? ? ? 1",
        "ヤクルト|1|確定| DeNA|2|確定| 阪神|3–5|有|1 巨人|3–5|無| 広島|3–5|無| 中日|6|消滅|");
    // D beats C in their three games, but E, fifth, reaches D's 23-17 and takes the tie.
    row("blocked by the fifth, not the third", "セ", 40,
        "A 30 5 0 0, B 25 10 0 0, C 18 16 0 0, D 17 17 0 0, E 15 17 0 0, F 5 30 0 0",
        "0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, "
        "0 0 0 3, 0 0 0 0, 0 0 0 0, 3 3 0 0, 0 0 0 0, 0 0 0 0",
        "A|1–2|確定| B|2|確定| C|3–5|有|6 D|3–5|無| E|3–5|無| F|6|消滅|");
    // B at 12-8 leaves C and D eight wins to share out of five: the three between them and two
    // from B. Taken one by one, either could reach 13.
    row("three pursuers that play each other", "パ", 20, "A 15 0 0 0, B 9 6 0 0, C 8 7 0 0, D 8 7 0 0",
        "0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 2, 0 0 0 2, 0 0 0 3",
        "A|1|確定| B|2–4|有|3 C|2–4|有|3 D|2–4|有|3");
    // C at 11-11 ties D's best 12-12 at .500: セ gives it to D's more wins, パ to C's record.
    const char *tie = "A 20 2 0 0, B 18 4 0 0, C 10 10 2 0, D 11 12 0 0";
    const char *tiePairs = "0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 3 1 0 0";
    row("a tie for third, セ: more wins", "セ", 24, tie, tiePairs, "A|1–2|確定| B|2|確定| C|3–4|有|2 D|3–4|無|");
    row("a tie for third, パ: the record", "パ", 24, tie, tiePairs, "A|1–2|確定| B|2|確定| C|3–4|有|1 D|3–4|無|");
    // C winning out ties D at 13-7; their record is not entered.
    row("an unknown card", "パ", 20, "A 18 2 0 0, B 15 5 0 0, C 8 7 0 0, D 13 7 0 0",
        "0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, ? ? 0 0",
        "A|1|確定| B|2|確定| D|3–4|不明| C|3–4|不明|");
    row("three teams: no 自力CS", "セ", 10, "A 5 2 0 0, B 4 3 0 2, C 3 3 1 1", "1 1 0 1, 2 1 0 1, 0 1 0 1",
        "A|1–3|| B|1–3|| C|1–3||");
}

void tst_Race::table()
{
    QFETCH(QString, league);
    QFETCH(int, games);
    QFETCH(QString, teams);
    QFETCH(QString, pairs);
    QFETCH(QStringList, rows);

    const calc::Standings result
        = calc::standings(testing::league(league), testing::leagueForm(games, 0, teams, pairs));
    QStringList shown;
    for (const calc::StandingRow &row : result.rows)
        shown.append((QStringList { row.name } + calc::cells(row).mid(11)).join(u'|'));
    QCOMPARE(shown, rows);
}

namespace {

// A small league with every figure entered, played part way: at most 11 games left in all.
calc::LeagueForm randomLeague(QRandomGenerator &random)
{
    calc::LeagueForm form;
    form.teamCount = 4 + random.bounded(2);
    std::vector<int> used(form.teamCount, 0); // games played with the others and left
    int outcomes = 0;
    for (int i = 0; i < form.teamCount; ++i) {
        form.teams.at(i) = { QString(QChar(u'A' + i)), 0, 0, 0, 0 };
        for (int j = i + 1; j < form.teamCount; ++j) {
            const int left = outcomes < 8 ? random.bounded(3) : 0;
            calc::PairRecord p { 0, 0, 0, left };
            for (int game = random.bounded(3); game > 0; --game)
                ++*(random.bounded(6) == 0 ? p.draws : random.bounded(2) ? p.firstWins : p.secondWins);
            form.pairs.at(calc::pairIndex(i, j)) = p;
            outcomes += left;
            for (int k : { i, j })
                used[k] += left + *p.firstWins + *p.secondWins + *p.draws;
        }
    }
    form.games = *std::max_element(used.begin(), used.end()) + 1 + random.bounded(3);
    const int shift = random.bounded(form.teamCount); // last season's ranks, each at most once
    for (int i = 0; i < form.teamCount; ++i) {
        calc::LeagueTeam &t = form.teams.at(i);
        t.lastRank = random.bounded(2) ? 1 + (i + shift) % form.teamCount : 0;
        for (int j = 0; j < form.teamCount; ++j) {
            if (j != i) {
                const calc::PairRecord p = form.pair(i, j);
                t.wins += *p.firstWins;
                t.losses += *p.secondWins;
                t.draws += *p.draws;
            }
        }
        // Games with no team of the form: some played, one or none left.
        const int free = outcomes < 11 && used[i] < form.games ? random.bounded(2) : 0;
        outcomes += free;
        for (int played = form.games - used[i] - free; played > 0; --played)
            ++(random.bounded(2) ? t.wins : t.losses);
    }
    return form;
}

// Every outcome of the games left, one bit a game: the final rank of each team (1 + the teams
// it does not finish surely above) and its further wins.
struct Outcome
{
    std::vector<int> rank;
    std::vector<int> wins;
};

std::vector<Outcome> outcomes(calc::League league, const calc::LeagueForm &form)
{
    const calc::Season s(league, form);
    std::vector<std::pair<int, int>> games; // the teams of each game left; -1: no team of the form
    for (int i = 0; i < s.size(); ++i) {
        qint64 own = s.remaining.at(i);
        for (int j = 0; j < s.size(); ++j) {
            const qint64 left = j == i ? 0 : *s.typedLeft[i][j];
            own -= left;
            for (int g = 0; g < left && i < j; ++g)
                games.push_back({ i, j });
        }
        for (; own > 0; --own)
            games.push_back({ i, -1 });
    }
    std::vector<Outcome> all;
    for (quint32 bits = 0; bits < (1u << games.size()); ++bits) {
        Outcome o { std::vector<int>(s.size(), 1), std::vector<int>(s.size(), 0) };
        calc::Season::Grid<qint64> record {};
        for (std::size_t g = 0; g < games.size(); ++g) {
            const auto [i, j] = games[g];
            const bool first = bits >> g & 1;
            const int winner = first ? i : j;
            if (winner >= 0)
                ++o.wins[winner];
            if (j >= 0)
                ++record[winner][winner == i ? j : i];
        }
        for (int i = 0; i < s.size(); ++i) {
            for (int j = 0; j < s.size(); ++j) {
                const calc::Side a = s.atEnd(i, s.teams.at(i).wins + o.wins[i], *s.won[i][j] + record[i][j]);
                const calc::Side b = s.atEnd(j, s.teams.at(j).wins + o.wins[j], *s.won[j][i] + record[j][i]);
                o.rank[i] += j != i && !calc::surelyAbove(a, b, league);
            }
        }
        all.push_back(o);
    }
    return all;
}

} // namespace

void tst_Race::everyOutcome()
{
#if defined(__SANITIZE_ADDRESS__)
    const int leagues = 200;
#else
    const int leagues = 1000;
#endif
    QRandomGenerator random(20190922);
    for (int n = 0; n < leagues; ++n) {
        const calc::LeagueForm form = randomLeague(random);
        const calc::League league = random.bounded(2) ? calc::League::Pacific : calc::League::Central;
        const calc::Standings result = calc::standings(league, form);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        const std::vector<Outcome> all = outcomes(league, form);
        for (const calc::StandingRow &row : result.rows) {
            const int t = row.team;
            int best = form.teamCount, worst = 1, winningOut = 1, magic = 0;
            for (const Outcome &o : all) {
                best = std::min(best, o.rank[t]);
                worst = std::max(worst, o.rank[t]);
                if (o.wins[t] == row.remaining)
                    winningOut = std::max(winningOut, o.rank[t]);
                if (o.rank[t] > 3)
                    magic = std::max(magic, o.wins[t] + 1);
            }
            const calc::CsChance cs = worst <= 3 ? calc::CsChance::Clinched
                : winningOut <= 3                ? calc::CsChance::Yes
                : best > 3                       ? calc::CsChance::Gone
                                                 : calc::CsChance::No;
            const QString where = QStringLiteral("league %1, %2: %3").arg(n).arg(row.name, calc::copyText(league, form, result));
            QVERIFY2(row.bestRank == best && row.worstRank == worst, qPrintable(where));
            QVERIFY2(row.cs == cs, qPrintable(where));
            QVERIFY2(row.csMagic == (cs == calc::CsChance::Yes ? std::optional<int>(magic) : std::nullopt),
                qPrintable(where));
        }
    }
}

QTEST_GUILESS_MAIN(tst_Race)
#include "tst_race.moc"

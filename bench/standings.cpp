// The league table's whole computation (checks, pennant, race) at the form's worst: six teams,
// 99 games left between every two, with every figure entered and with figures not entered.
// Prints the median and the slowest of many runs of calc::standings() for each.

#include "calculators/team/league/rules.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Case
{
    const char *name;
    calc::LeagueForm form;
};

// Six teams with 500 games left, 99 of them with each other team: level on 250-249, or spread
// from a runaway leader down, so that magic numbers light and every claim is searched.
calc::LeagueForm league(bool spread, std::optional<int> pairGames)
{
    calc::LeagueForm form;
    form.games = 999;
    form.pairGames = pairGames;
    for (int i = 0; i < calc::maxLeagueTeams; ++i) {
        const int wins = spread ? 470 - 40 * i - (i > 1 ? 150 : 0) : 250 - i % 2;
        form.teams.at(i) = { QString(QChar(u'A' + i)), wins, 499 - wins, 0, 1 + i };
    }
    return form;
}

std::vector<Case> cases()
{
    std::vector<Case> all;
    for (bool spread : { false, true }) {
        calc::LeagueForm known = league(spread, 99);
        calc::LeagueForm records = league(spread, std::nullopt);
        calc::LeagueForm nothing = league(spread, 99);
        for (int index = 0; index < calc::pairCount; ++index) {
            known.pairs.at(index) = { 0, 0, 0, 99 };
            records.pairs.at(index) = { std::nullopt, std::nullopt, std::nullopt, 99 };
            nothing.pairs.at(index) = {};
        }
        const char *names[2][3] = { { "level, every figure entered", "level, records not entered",
                                        "level, nothing between them" },
            { "spread, every figure entered", "spread, records not entered",
                "spread, nothing between them" } };
        all.push_back({ names[spread][0], known });
        all.push_back({ names[spread][1], records });
        all.push_back({ names[spread][2], nothing });
    }
    return all;
}

} // namespace

int main()
{
    constexpr int runs = 200;
    std::printf("calc::standings(), six teams, 99 games left a pair, %d runs each (ms)\n", runs);
    for (const Case &c : cases()) {
        std::vector<double> times;
        int rows = 0;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            const calc::Standings s = calc::standings(calc::League::Central, c.form);
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
            rows = 0;
            for (const calc::StandingRow &row : s.rows)
                rows += row.csMagic.has_value() + row.magic.has_value();
            if (!s.error.isEmpty()) {
                std::printf("%s: %s\n", c.name, qPrintable(s.error));
                return 1;
            }
        }
        std::sort(times.begin(), times.end());
        std::printf("  %-32s median %7.3f  slowest %7.3f  (%d magic numbers lit)\n", c.name, times[runs / 2],
            times.back(), rows);
    }
    return 0;
}

#pragma once

#include "calculators/team/league/league.h"

#include <cstdio>
#include <cstdlib>

// What every fuzz target asks of what the engine gives back. A broken promise stops the run
// with a message; libFuzzer then keeps the input that broke it as the reproducer.
namespace fuzzcheck {

inline void require(bool holds, const char *promise)
{
    if (!holds) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

// A form the dialog can hold: its limits, and names as the name field keeps them; in the rows
// counted and their pairs only, or in every row.
inline void requireWithinLimits(const calc::LeagueForm &form, bool everyRow = true)
{
    require(form.teamCount >= calc::minLeagueTeams && form.teamCount <= calc::maxLeagueTeams,
        "two to six teams");
    require(form.games >= 0 && form.games <= calc::maxSeasonGames, "games within 0..999");
    require(!form.pairGames
            || (*form.pairGames >= calc::minPairGames && *form.pairGames <= calc::maxPairGames),
        "カード試合数 within 1..99");
    const int rows = everyRow ? calc::maxLeagueTeams : form.teamCount;
    for (int row = 0; row < rows; ++row) {
        const calc::LeagueTeam &t = form.teams.at(row);
        require(t.name.size() <= calc::maxTeamNameLength, "a name of 20 characters at most");
        for (int count : { t.wins, t.losses, t.draws })
            require(count >= 0 && count <= calc::maxSeasonGames, "no negative count, none over 999");
        require(t.lastRank >= 0 && t.lastRank <= calc::maxLeagueTeams, "前年順位 within 0..6");
    }
    for (int index = 0; index < calc::pairCount; ++index) {
        if (calc::pairRows(index).second >= rows)
            continue;
        const calc::PairRecord &p = form.pairs.at(index);
        for (const std::optional<int> &figure : { p.firstWins, p.secondWins, p.draws, p.remaining })
            require(!figure || (*figure >= 0 && *figure <= calc::maxPairGames),
                "a pair's figures within 0..99");
    }
}

} // namespace fuzzcheck

// The rules over every int a caller could pass: an input error for anything beyond the form's
// limits, and within them a table that keeps its own promises.
#include "calculators/team/league/rules.h"
#include "fuzzcheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

using fuzzcheck::require;

namespace {

// Mostly a figure within `maximum` (so that the rules are reached), sometimes any int.
int figure(FuzzedDataProvider &in, int maximum)
{
    return in.ConsumeBool() ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(0, maximum);
}

std::optional<int> optionalFigure(FuzzedDataProvider &in, int maximum)
{
    return in.ConsumeBool() ? std::nullopt : std::optional<int>(figure(in, maximum));
}

calc::LeagueForm form(FuzzedDataProvider &in)
{
    static const char *const names[] = { "", "巨人", "阪神", "A", "ＤｅＮＡ", "DeNA", " 巨人 " };
    calc::LeagueForm f;
    f.teamCount = in.ConsumeBool() ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(2, 6);
    f.games = figure(in, calc::maxSeasonGames);
    f.pairGames = optionalFigure(in, calc::maxPairGames);
    for (calc::LeagueTeam &t : f.teams) {
        t.name = QString::fromUtf8(names[in.ConsumeIntegralInRange<int>(0, std::size(names) - 1)]);
        t.wins = figure(in, 120);
        t.losses = figure(in, 120);
        t.draws = figure(in, 10);
        t.lastRank = figure(in, calc::maxLeagueTeams);
    }
    for (calc::PairRecord &p : f.pairs)
        p = { optionalFigure(in, 30), optionalFigure(in, 30), optionalFigure(in, 3),
            optionalFigure(in, 30) };
    return f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const calc::League league = in.ConsumeBool() ? calc::League::Pacific : calc::League::Central;
    const calc::LeagueForm f = form(in);
    const calc::Standings result = calc::standings(league, f);
    if (!result.error.isEmpty()) {
        require(result.rows.isEmpty(), "no row beside an input error");
        return 0;
    }
    fuzzcheck::requireWithinLimits(f, false);
    require(result.rows.size() == f.teamCount, "a row per team");
    for (const calc::StandingRow &row : result.rows) {
        require(row.rank >= 1 && row.rank <= f.teamCount, "a rank among the teams");
        require(row.remaining >= 0, "no negative games left");
        require(row.bestRank >= 1 && row.bestRank <= row.worstRank && row.worstRank <= f.teamCount,
            "a range of ranks among the teams");
        require(!row.csMagic || (row.cs == calc::CsChance::Yes && *row.csMagic > 0
                    && *row.csMagic <= row.remaining),
            "a CS magic number only for 自力CS 有, within the games left");
        require(!row.magic || *row.magic <= row.remaining, "a magic number within the games left");
    }
    return 0;
}

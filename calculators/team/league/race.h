#pragma once

#include "calculators/team/league/rules.h"

#include <QList>

// The race for the top three, decided over every outcome of every game left (each won or lost,
// no further draw), with the league's tie-breaks and the figures not entered counted as the
// rules count them. A team's final rank in an outcome is 1 + the teams it does not finish
// surely above, so a tie nothing breaks counts against it.
namespace calc {

struct Season;

// What the race holds for each counted team, by its row.
struct RaceRow
{
    int bestRank = 0;
    int worstRank = 0;
    std::optional<CsChance> cs; // four teams or more
    std::optional<int> csMagic; // where cs is 有
    QList<int> deciding; // where cs is 不明: the pairs (pairIndex) whose figures would settle it
};

QList<RaceRow> race(const Season &season);

} // namespace calc

#pragma once

#include "calculators/common/ratio.h"

// The team formulas, free of widgets so that they can be checked on their own.
namespace calc {

// Wins over wins plus losses, exactly; 0 over 0 when no game has been decided.
Ratio winningPercentage(int wins, int losses);

// Wins minus losses ("貯金"); negative when a club has lost more than it has won.
int savings(int wins, int losses);

// Games the lower club trails the upper one: half the wins gap plus half the losses gap.
// Negative when the club entered as lower is in fact ahead.
double gamesBehind(double upperWins, double upperLosses, double lowerWins, double lowerLosses);

// One club's season so far and the games it still has to play.
struct ClubRecord
{
    double wins;
    double draws;
    double remaining;
};

// Whether the lower club can still take the title on its own results: winning every game it
// has left, the `headToHead` games against the upper club included, its percentage must reach
// the best the upper club can still manage once those games are lost. Percentages are wins over
// `games` less draws; an equal percentage counts. Compared as computed, so an undefined
// percentage (no decided game possible) gives false.
bool canWinTitleOnOwn(double games, ClubRecord upper, ClubRecord lower, double headToHead);

} // namespace calc

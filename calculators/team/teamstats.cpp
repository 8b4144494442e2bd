#include "calculators/team/teamstats.h"

namespace calc {

Ratio winningPercentage(int wins, int losses)
{
    return { wins, wins + losses };
}

int savings(int wins, int losses)
{
    return wins - losses;
}

double gamesBehind(double upperWins, double upperLosses, double lowerWins, double lowerLosses)
{
    return ((upperWins - lowerWins) + (lowerLosses - upperLosses)) * 0.5;
}

bool canWinTitleOnOwn(double games, ClubRecord upper, ClubRecord lower, double headToHead)
{
    // A zero divisor gives an infinity or NaN here, never a trap; NaN compares false below.
    const double upperBest = (upper.wins + upper.remaining - headToHead) / (games - upper.draws);
    const double lowerBest = (lower.wins + lower.remaining) / (games - lower.draws);
    return lowerBest >= upperBest;
}

} // namespace calc

#include "calculators/batter/batterstats.h"

namespace calc {

int atBats(int plateAppearances, int walks, int hitByPitches, int sacrificeBunts,
    int sacrificeFlies, int interference)
{
    return plateAppearances - walks - hitByPitches - sacrificeBunts - sacrificeFlies - interference;
}

Ratio battingAverage(int atBats, int hits)
{
    return { atBats == 0 ? 0 : hits, atBats };
}

int totalBases(int hits, int doubles, int triples, int homeRuns)
{
    return hits + doubles + 2 * triples + 3 * homeRuns;
}

int qualifyingPlateAppearances(int games)
{
    return (31 * games + 5) / 10;
}

} // namespace calc

#pragma once

#include "calculators/common/ratio.h"

// The batter formulas, free of widgets so that they can be checked on their own. The counts
// come from spin boxes that hold 0 to 999, so no integer formula here can overflow.
namespace calc {

// Plate appearances less every appearance that is not an at-bat; negative when the
// subtracted counts exceed the plate appearances, as nothing checks them against each other.
int atBats(int plateAppearances, int walks, int hitByPitches, int sacrificeBunts,
    int sacrificeFlies, int interference);

// Hits over at-bats, exactly; 0 over 0 when there are no at-bats, whatever the hits.
Ratio battingAverage(int atBats, int hits);

// One base per hit, and one, two and three more for a double, a triple and a home run.
int totalBases(int hits, int doubles, int triples, int homeRuns);

// 3.1 plate appearances per team game, rounded to the nearest whole number with halves up.
// Kept in integers so that no binary fraction can tip a result over a rounding edge.
int qualifyingPlateAppearances(int games);

} // namespace calc

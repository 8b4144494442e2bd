#pragma once

#include "calculators/common/ratio.h"

#include <QString>

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

// A batter's season as the 打撃指標 calculator takes it. Walks include intentional ones, as the
// official on-base percentage counts them.
struct BattingLine
{
    int atBats;
    int hits;
    int doubles;
    int triples;
    int homeRuns;
    int walks;
    int hitByPitches;
    int sacrificeFlies;
    int strikeouts;
};

// The first count that cannot be, in the order a user fixes them ("安打が打数を超えています"), or
// nothing. The rates below assume a line without one.
QString battingLineProblem(const BattingLine &line);

// The rates of a line, exactly; each is 0 over 0 where its denominator is 0. For counts up to
// 999 every term stays below 2^25, far inside an int.
Ratio onBasePercentage(const BattingLine &line);
Ratio sluggingPercentage(const BattingLine &line);
// On-base plus slugging as one exact fraction, rounded once when shown: the sum of the two
// rounded rates can differ by .001.
Ratio onBasePlusSlugging(const BattingLine &line);
// Slugging less batting average: extra bases per at-bat.
Ratio isolatedPower(const BattingLine &line);
// Hits other than home runs over the balls put in play: at-bats less strikeouts and home runs,
// plus sacrifice flies.
Ratio battingAverageOnBallsInPlay(const BattingLine &line);

} // namespace calc

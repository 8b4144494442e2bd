#pragma once

#include "calculators/common/ratio.h"

#include <QString>

// The pitcher formulas, free of widgets so that they can be checked on their own.
namespace calc {

// Innings given as whole innings plus thirds, counted in outs, so that 172.1 innings is exactly
// 172 1/3.
int outsRecorded(int wholeInnings, int thirds);

// Earned runs per nine innings, the innings given as whole innings plus thirds (outs past the
// last whole inning): 27 times the earned runs over the outs recorded, exactly. With no out
// recorded that is 0 over 0 when no run has scored, and an infinite average when one has.
// Up to 999 innings and 999 runs the terms stay below 30000, far inside an int.
Ratio earnedRunAverage(int wholeInnings, int thirds, int earnedRuns);

// One inning per team game.
int qualifyingInnings(int games);

// A pitcher's season as the 投球指標 calculator takes it, the innings in outs. Walks include
// intentional ones, which are also given on their own.
struct PitchingLine
{
    int outs;
    int hits;
    int homeRuns;
    int walks;
    int intentionalWalks;
    int hitByPitches;
    int strikeouts;
};

// The first count that cannot be ("故意四球が与四球を超えています"), or nothing.
QString pitchingLineProblem(const PitchingLine &line);

// The rates of a line per inning (outs / 3) or per nine innings, exactly; each is 0 over 0 where
// its denominator is 0. For counts up to 999 every term stays below 2^24, far inside an int.
Ratio walksPlusHitsPerInning(const PitchingLine &line);
Ratio strikeoutsPerNine(const PitchingLine &line);
Ratio walksPerNine(const PitchingLine &line);
Ratio homeRunsPerNine(const PitchingLine &line);
Ratio strikeoutsPerWalk(const PitchingLine &line);

// Fielding-independent pitching: (13 home runs + 3 (walks less intentional ones, plus hit
// batters) - 2 strikeouts) per inning, plus the league's constant, given in hundredths. Negative
// for a pitcher who strikes out far more than he walks and gives up no home run, when the
// constant is small.
Ratio fieldingIndependentPitching(const PitchingLine &line, int constantHundredths);

} // namespace calc

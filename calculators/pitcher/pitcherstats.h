#pragma once

#include "calculators/common/ratio.h"

// The pitcher formulas, free of widgets so that they can be checked on their own.
namespace calc {

// Earned runs per nine innings, the innings given as whole innings plus thirds (outs past the
// last whole inning): 27 times the earned runs over the outs recorded, exactly. With no out
// recorded that is 0 over 0 when no run has scored, and an infinite average when one has.
// Up to 999 innings and 999 runs the terms stay below 30000, far inside an int.
Ratio earnedRunAverage(int wholeInnings, int thirds, int earnedRuns);

// One inning per team game.
int qualifyingInnings(int games);

} // namespace calc

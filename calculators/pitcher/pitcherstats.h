#pragma once

// The pitcher formulas, free of widgets so that they can be checked on their own.
namespace calc {

// Earned runs per nine innings, the innings given as whole innings plus thirds (outs past the
// last whole inning); 0 when no out has been recorded.
double earnedRunAverage(double wholeInnings, double thirds, double earnedRuns);

// One inning per team game.
int qualifyingInnings(int games);

} // namespace calc

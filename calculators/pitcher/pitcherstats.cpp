#include "calculators/pitcher/pitcherstats.h"

namespace calc {

double earnedRunAverage(double wholeInnings, double thirds, double earnedRuns)
{
    const double innings = wholeInnings + thirds / 3;
    return innings == 0 ? 0.0 : earnedRuns / innings * 9;
}

int qualifyingInnings(int games)
{
    return games;
}

} // namespace calc

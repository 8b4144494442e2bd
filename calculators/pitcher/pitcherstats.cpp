#include "calculators/pitcher/pitcherstats.h"

namespace calc {

Ratio earnedRunAverage(int wholeInnings, int thirds, int earnedRuns)
{
    return { 27 * earnedRuns, 3 * wholeInnings + thirds };
}

int qualifyingInnings(int games)
{
    return games;
}

} // namespace calc

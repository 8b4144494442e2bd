#include "calculators/pitcher/pitcherstats.h"

namespace calc {

int outsRecorded(int wholeInnings, int thirds)
{
    return 3 * wholeInnings + thirds;
}

Ratio earnedRunAverage(int wholeInnings, int thirds, int earnedRuns)
{
    return { 27 * earnedRuns, outsRecorded(wholeInnings, thirds) };
}

int qualifyingInnings(int games)
{
    return games;
}

QString pitchingLineProblem(const PitchingLine &line)
{
    if (line.intentionalWalks > line.walks)
        return QStringLiteral("故意四球が与四球を超えています");
    if (line.homeRuns > line.hits)
        return QStringLiteral("被本塁打が被安打を超えています");
    return {};
}

// x per inning is 3x per out, x per nine innings 27x per out.
Ratio walksPlusHitsPerInning(const PitchingLine &line)
{
    return rate(3 * (line.walks + line.hits), line.outs);
}

Ratio strikeoutsPerNine(const PitchingLine &line)
{
    return rate(27 * line.strikeouts, line.outs);
}

Ratio walksPerNine(const PitchingLine &line)
{
    return rate(27 * line.walks, line.outs);
}

Ratio homeRunsPerNine(const PitchingLine &line)
{
    return rate(27 * line.homeRuns, line.outs);
}

Ratio strikeoutsPerWalk(const PitchingLine &line)
{
    return rate(line.strikeouts, line.walks);
}

Ratio fieldingIndependentPitching(const PitchingLine &line, int constantHundredths)
{
    const int weighted = 13 * line.homeRuns
        + 3 * (line.walks - line.intentionalWalks + line.hitByPitches) - 2 * line.strikeouts;
    // 3 * weighted / outs + constant / 100, over the common denominator 100 * outs.
    return rate(300 * weighted + constantHundredths * line.outs, 100 * line.outs);
}

} // namespace calc

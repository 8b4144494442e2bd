#include "calculators/batter/batterstats.h"

namespace calc {

int atBats(int plateAppearances, int walks, int hitByPitches, int sacrificeBunts,
    int sacrificeFlies, int interference)
{
    return plateAppearances - walks - hitByPitches - sacrificeBunts - sacrificeFlies - interference;
}

Ratio battingAverage(int atBats, int hits)
{
    return rate(hits, atBats);
}

int totalBases(int hits, int doubles, int triples, int homeRuns)
{
    return hits + doubles + 2 * triples + 3 * homeRuns;
}

int qualifyingPlateAppearances(int games)
{
    return (31 * games + 5) / 10;
}

QString battingLineProblem(const BattingLine &line)
{
    if (line.hits > line.atBats)
        return QStringLiteral("安打が打数を超えています");
    if (line.doubles + line.triples + line.homeRuns > line.hits)
        return QStringLiteral("二塁打・三塁打・本塁打の合計が安打を超えています");
    if (line.strikeouts > line.atBats - line.hits)
        return QStringLiteral("三振が打数−安打を超えています");
    return {};
}

Ratio onBasePercentage(const BattingLine &line)
{
    return rate(line.hits + line.walks + line.hitByPitches,
        line.atBats + line.walks + line.hitByPitches + line.sacrificeFlies);
}

Ratio sluggingPercentage(const BattingLine &line)
{
    return rate(totalBases(line.hits, line.doubles, line.triples, line.homeRuns), line.atBats);
}

Ratio onBasePlusSlugging(const BattingLine &line)
{
    const Ratio onBase = onBasePercentage(line);
    const Ratio slugging = sluggingPercentage(line);
    return rate(onBase.numerator * slugging.denominator + slugging.numerator * onBase.denominator,
        onBase.denominator * slugging.denominator);
}

Ratio isolatedPower(const BattingLine &line)
{
    return rate(
        totalBases(line.hits, line.doubles, line.triples, line.homeRuns) - line.hits, line.atBats);
}

Ratio battingAverageOnBallsInPlay(const BattingLine &line)
{
    return rate(line.hits - line.homeRuns,
        line.atBats - line.strikeouts - line.homeRuns + line.sacrificeFlies);
}

} // namespace calc

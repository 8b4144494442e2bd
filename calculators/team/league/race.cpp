#include "calculators/team/league/race.h"

#include "calculators/team/league/racefield.h"
#include "calculators/team/league/season.h"

namespace calc {

namespace {

constexpr int topPlaces = 3; // the teams that go on to the Climax Series

int worstRank(const Season &s, const Field &field)
{
    for (int count = s.size() - 1; count > 0; --count) {
        if (field.overtaken(0, count))
            return 1 + count;
    }
    return 1;
}

// Gives `into` the values `from` has for the pair of rows i and j.
void take(Figures &into, const Figures &from, int t, int i, int j)
{
    if (i == t || j == t) {
        const int other = i == t ? j : i;
        into.plain[other] = from.plain[other];
        into.level[other] = from.level[other];
    } else {
        into.left[i][j] = into.left[j][i] = from.left[i][j];
    }
}

bool same(const Meeting &a, const Meeting &b)
{
    return a.left == b.left && a.lead == b.lead && a.possible == b.possible;
}

// The pairs whose figures alone would settle t's 自力CS: known at the values that help the
// others least, it would read 有, or at those that help them most, 無. When no pair alone
// would, every pair whose values make a difference.
QList<int> decidingPairs(const Season &s, int t, const Figures &most, const Figures &least)
{
    QList<int> alone;
    QList<int> differing;
    const qint64 allWins = s.remaining.at(t);
    for (int i = 0; i < s.size(); ++i) {
        for (int j = i + 1; j < s.size(); ++j) {
            const int other = i == t ? j : i;
            const bool differs = i == t || j == t
                ? !same(most.plain[other], least.plain[other]) || !same(most.level[other], least.level[other])
                : most.left[i][j] != least.left[i][j];
            if (s.settled(i, j) || !differs)
                continue;
            differing.append(pairIndex(i, j));
            Figures toYes = most;
            Figures toNo = least;
            take(toYes, least, t, i, j);
            take(toNo, most, t, i, j);
            if (!Field(s, t, toYes).overtaken(allWins, topPlaces)
                || Field(s, t, toNo).overtaken(allWins, topPlaces))
                alone.append(pairIndex(i, j));
        }
    }
    return alone.isEmpty() ? differing : alone;
}

// The fewest further wins after which no three others can pass t; t has 自力CS, not yet 確定.
int csMagic(const Field &field, qint64 allWins)
{
    return int(fewestWins(
        1, allWins, [&](qint64 wins) { return !field.overtaken(wins, topPlaces); }));
}

RaceRow teamRace(const Season &s, int t)
{
    const Figures forThem = forOthers(s, t);
    const Field field(s, t, forThem);
    RaceRow row;
    row.worstRank = worstRank(s, field);
    row.bestRank = 1 + Field(s, t, forTeam(s, t)).fewestAbove();
    if (s.size() <= topPlaces)
        return row;
    const qint64 allWins = s.remaining.at(t);
    const Figures againstThem = againstOthers(s, t);
    if (row.worstRank <= topPlaces)
        row.cs = CsChance::Clinched;
    else if (!field.overtaken(allWins, topPlaces))
        row.cs = CsChance::Yes;
    else if (row.bestRank > topPlaces)
        row.cs = CsChance::Gone;
    else if (Field(s, t, againstThem).overtaken(allWins, topPlaces))
        row.cs = CsChance::No;
    else
        row.cs = CsChance::Unknown;
    if (row.cs == CsChance::Yes)
        row.csMagic = csMagic(field, allWins);
    if (row.cs == CsChance::Unknown)
        row.deciding = decidingPairs(s, t, forThem, againstThem);
    return row;
}

} // namespace

QList<RaceRow> race(const Season &season)
{
    QList<RaceRow> rows;
    for (int t = 0; t < season.size(); ++t)
        rows.append(teamRace(season, t));
    return rows;
}

} // namespace calc

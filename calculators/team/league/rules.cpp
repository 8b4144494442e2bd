#include "calculators/team/league/rules.h"

#include "calculators/team/league/checks.h"
#include "calculators/team/league/race.h"
#include "calculators/team/league/season.h"
#include "calculators/team/teamstats.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

namespace calc {

namespace {

// Whether `holds(left)` is true for every number of games left between i and j.
template <typename Holds> bool forEveryLeft(const Season &s, int i, int j, Holds holds)
{
    const Range left = s.leftRange(i, j);
    for (qint64 l = left.least; l <= left.most; ++l) {
        if (!holds(l))
            return false;
    }
    return true;
}

// i wins every game left, j every other one of its own, with `left` games between them and
// i's lead in their record so far `lead`.
bool staysAbove(const Season &s, int i, int j, qint64 left, qint64 lead)
{
    return surelyAbove(s.atEnd(i, s.bestWins(i), lead + left), s.atEnd(j, s.bestWins(j) - left, 0),
        s.league);
}

// 有 when i can win the pennant on its own whatever the unknown figures are, 無 when it
// cannot whatever they are: against some j, for every value of theirs. When neither, the
// pairs that decide it are those where it depends on the values.
Chance ownChance(const Season &s, int i, QList<int> &deciding)
{
    bool always = true;
    bool never = false;
    QList<int> mixed;
    for (int j = 0; j < s.size(); ++j) {
        if (j == i)
            continue;
        const bool sure = forEveryLeft(s, i, j, [&](qint64 left) {
            return staysAbove(s, i, j, left, s.lead(i, j, left).least);
        });
        const bool out = forEveryLeft(s, i, j, [&](qint64 left) {
            return !staysAbove(s, i, j, left, s.lead(i, j, left).most);
        });
        always = always && sure;
        never = never || out;
        if (!sure && !out)
            mixed.append(pairIndex(std::min(i, j), std::max(i, j)));
    }
    if (!always && !never)
        deciding = mixed;
    return always ? Chance::Yes : never ? Chance::No : Chance::Unknown;
}

// i with `wins` more wins and its other games lost, against j winning everything left,
// the `left` games against i included, i leading their record so far by `lead`.
bool clinchedAgainst(const Season &s, int i, int j, qint64 wins, qint64 left, qint64 lead)
{
    return surelyAbove(s.atEnd(i, s.teams.at(i).wins + wins, lead),
        s.atEnd(j, s.bestWins(j), left), s.league);
}

// Whether i, losing only to j, still finishes surely above j winning all it has left: for
// every value of the figures not entered, or for some.
bool clinchedEvery(const Season &s, int i, int j)
{
    return forEveryLeft(s, i, j, [&](qint64 left) {
        return clinchedAgainst(s, i, j, s.remaining.at(i) - left, left, s.lead(i, j, left).least);
    });
}
bool clinchedSome(const Season &s, int i, int j)
{
    return !forEveryLeft(s, i, j, [&](qint64 left) {
        return !clinchedAgainst(s, i, j, s.remaining.at(i) - left, left, s.lead(i, j, left).most);
    });
}

bool magicLit(const Season &s, int i)
{
    for (int j = 0; j < s.size(); ++j) {
        if (j != i && !clinchedEvery(s, i, j))
            return false;
    }
    return true;
}

// The pairs that keep i's magic number unlit when some values of theirs would light it;
// none when no value would.
QList<int> unlitBy(const Season &s, int i)
{
    QList<int> pairs;
    for (int j = 0; j < s.size(); ++j) {
        if (j == i)
            continue;
        if (!clinchedSome(s, i, j))
            return {};
        if (!clinchedEvery(s, i, j))
            pairs.append(pairIndex(std::min(i, j), std::max(i, j)));
    }
    return pairs;
}

// The fewest further wins that make i surely above j whatever the unknown figures are;
// it exists once the magic number is lit.
qint64 magicAgainst(const Season &s, int i, int j)
{
    const Range range = s.leftRange(i, j);
    qint64 needed = 0;
    for (qint64 left = range.least; left <= range.most; ++left) {
        const qint64 lead = s.lead(i, j, left).least;
        // Every game i has left but those against j is enough, as the number is lit.
        const qint64 wins = fewestWins(0, s.remaining.at(i) - left, [&](qint64 wins) {
            return clinchedAgainst(s, i, j, wins, left, lead);
        });
        needed = std::max(needed, wins);
    }
    return needed;
}

// Ranks on the records as they stand: i is above j as the tie-break rules say, above
// whoever j is above, and so on. Teams above each other that way (head-to-head records can
// go round in a circle) are equal; a team's rank is one more than the teams strictly above it.
QList<int> ranks(const Season &s)
{
    Season::Grid<bool> above {};
    for (int i = 0; i < s.size(); ++i) {
        for (int j = 0; j < s.size(); ++j)
            above[i][j] = i != j && surelyAbove(s.now(i, s.lead(i, j).least), s.now(j, 0), s.league);
    }
    for (int k = 0; k < s.size(); ++k) {
        for (int i = 0; i < s.size(); ++i) {
            for (int j = 0; j < s.size(); ++j)
                above[i][j] = above[i][j] || (above[i][k] && above[k][j]);
        }
    }
    QList<int> rank;
    for (int i = 0; i < s.size(); ++i) {
        int strictlyAbove = 0;
        for (int k = 0; k < s.size(); ++k)
            strictlyAbove += above[k][i] && !above[i][k];
        rank.append(1 + strictlyAbove);
    }
    return rank;
}

// The first team whose magic number is lit, its number and the pursuers that ask for it.
Pennant pennant(const Season &s, const std::vector<int> &order)
{
    Pennant p;
    for (int i = 0; i < s.size() && p.leader < 0; ++i) {
        if (magicLit(s, i))
            p.leader = i;
    }
    if (p.leader < 0)
        return p;
    QList<qint64> needed(s.size(), -1);
    for (int j = 0; j < s.size(); ++j) {
        if (j != p.leader) {
            needed[j] = magicAgainst(s, p.leader, j);
            p.magic = int(std::max<qint64>(p.magic, needed[j]));
        }
    }
    for (int j : order) {
        if (needed[j] == p.magic)
            p.targets.append(j);
    }
    return p;
}

double behind(const LeagueTeam &upper, const LeagueTeam &lower)
{
    return gamesBehind(upper.wins, upper.losses, lower.wins, lower.losses);
}

// The pairs that decide any claim, those deciding more claims first, then the leader's, then
// in the form's order.
QList<int> decidingOrder(const QList<QList<int>> &claims, int leader)
{
    std::array<int, pairCount> count {};
    for (const QList<int> &pairs : claims) {
        for (int index : pairs)
            ++count[index];
    }
    QList<int> order;
    for (int index = 0; index < pairCount; ++index) {
        if (count[index] > 0)
            order.append(index);
    }
    const auto key = [&](int index) {
        const PairRows rows = pairRows(index);
        return std::tuple(-count[index], rows.first != leader && rows.second != leader, index);
    };
    std::sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    return order;
}

StandingRow standingRow(const Season &s, const std::vector<int> &order, std::size_t row)
{
    const int i = order[row];
    const LeagueTeam &t = s.teams.at(i);
    StandingRow r;
    r.team = i;
    r.name = s.names.at(i);
    r.wins = t.wins;
    r.losses = t.losses;
    r.draws = t.draws;
    r.remaining = int(s.remaining.at(i));
    r.percentage = winningPercentage(t.wins, t.losses);
    if (row > 0) {
        r.behindAbove = behind(s.teams.at(order[row - 1]), t);
        r.behindLeader = behind(s.teams.at(order.front()), t);
    }
    return r;
}

} // namespace

Standings standings(League league, const LeagueForm &form)
{
    Standings result;
    result.error = rangeError(form);
    if (!result.error.isEmpty())
        return result;
    // One season for the checks and the rules: bounding the figures not entered is its work.
    const Season season(league, form);
    result.error = consistencyError(season);
    if (!result.error.isEmpty())
        return result;

    const QList<int> rank = ranks(season);
    std::vector<int> order(season.size());
    for (int i = 0; i < season.size(); ++i)
        order[i] = i;
    std::stable_sort(
        order.begin(), order.end(), [&rank](int a, int b) { return rank[a] < rank[b]; });
    result.pennant = pennant(season, order);
    QList<QList<int>> claims;
    for (int i = 0; i < season.size(); ++i) {
        for (int j = i + 1; j < season.size(); ++j)
            result.unknownCards += !season.settled(i, j);
        if (result.pennant.leader < 0)
            claims.append(unlitBy(season, i));
    }

    const QList<RaceRow> top = race(season);
    for (std::size_t row = 0; row < order.size(); ++row) {
        const int i = order[row];
        StandingRow r = standingRow(season, order, row);
        r.rank = rank[i];
        claims.append(QList<int>());
        r.ownTitle = ownChance(season, i, claims.last());
        if (i == result.pennant.leader)
            r.magic = result.pennant.magic;
        r.bestRank = top.at(i).bestRank;
        r.worstRank = top.at(i).worstRank;
        r.cs = top.at(i).cs;
        r.csMagic = top.at(i).csMagic;
        claims.append(top.at(i).deciding);
        result.rows.append(r);
    }
    result.decidingPairs = decidingOrder(claims, order.front());
    return result;
}

} // namespace calc

#include "calculators/team/league/rules.h"

#include "calculators/team/league/checks.h"
#include "calculators/team/league/race.h"
#include "calculators/team/league/season.h"
#include "calculators/team/teamstats.h"

#include <algorithm>
#include <vector>

namespace calc {

namespace {

// Whether `holds` is true for every value the games left between i and j can take.
template <typename Holds> bool forEveryLeft(const Season &s, int i, int j, Holds holds)
{
    const auto [least, most] = s.leftRange(i, j);
    for (qint64 left = least; left <= most; ++left) {
        if (!holds(left))
            return false;
    }
    return true;
}

// i wins every game left, j every other one of its own, with `left` games between them.
bool staysAbove(const Season &s, int i, int j, qint64 left, Unknown unknown)
{
    return surelyAbove(s.atEnd(i, j, s.bestWins(i), left), s.atEnd(j, i, s.bestWins(j) - left, 0),
        s.league, unknown);
}

// 有 when i can win the pennant on its own whatever the unknown figures are, 無 when it
// cannot whatever they are: against some j, for every value of theirs.
Chance ownChance(const Season &s, int i)
{
    bool always = true;
    bool never = false;
    for (int j = 0; j < s.size(); ++j) {
        if (j == i)
            continue;
        always = always && forEveryLeft(s, i, j, [&](qint64 left) {
            return staysAbove(s, i, j, left, Unknown::Against);
        });
        never = never || forEveryLeft(s, i, j, [&](qint64 left) {
            return !staysAbove(s, i, j, left, Unknown::For);
        });
    }
    return always ? Chance::Yes : never ? Chance::No : Chance::Unknown;
}

// i with `wins` more wins and its other games lost, against j winning everything left,
// the `left` games against i included.
bool clinchedAgainst(const Season &s, int i, int j, qint64 wins, qint64 left)
{
    return surelyAbove(s.atEnd(i, j, s.teams.at(i).wins + wins, 0),
        s.atEnd(j, i, s.bestWins(j), left), s.league);
}

// Lit when i, losing only to j, still finishes surely above each j winning all it has
// left, for every value of the figures not entered.
bool magicLit(const Season &s, int i)
{
    for (int j = 0; j < s.size(); ++j) {
        if (j != i && !forEveryLeft(s, i, j, [&](qint64 left) {
                return clinchedAgainst(s, i, j, s.remaining.at(i) - left, left);
            }))
            return false;
    }
    return true;
}

// The fewest further wins that make i surely above j whatever the unknown figures are;
// it exists once the magic number is lit. More wins never hurt, so it is searched in halves.
qint64 magicAgainst(const Season &s, int i, int j)
{
    const auto [least, most] = s.leftRange(i, j);
    qint64 needed = 0;
    for (qint64 left = least; left <= most; ++left) {
        qint64 low = 0;
        qint64 high = s.remaining.at(i) - left; // clinched there, as the number is lit
        while (low < high) {
            const qint64 mid = low + (high - low) / 2;
            if (clinchedAgainst(s, i, j, mid, left))
                high = mid;
            else
                low = mid + 1;
        }
        needed = std::max(needed, low);
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
            above[i][j] = i != j && surelyAbove(s.now(i, j), s.now(j, i), s.league);
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

} // namespace

Standings standings(League league, const LeagueForm &form)
{
    Standings result;
    result.error = inputError(league, form);
    if (!result.error.isEmpty())
        return result;
    const Season season(league, form);

    const QList<int> rank = ranks(season);
    std::vector<int> order(season.size());
    for (int i = 0; i < season.size(); ++i)
        order[i] = i;
    std::stable_sort(
        order.begin(), order.end(), [&rank](int a, int b) { return rank[a] < rank[b]; });
    result.pennant = pennant(season, order);
    for (int i = 0; i < season.size(); ++i) {
        for (int j = i + 1; j < season.size(); ++j)
            result.unknownCards += season.anyUnknown(i, j);
    }

    const QList<RaceRow> top = race(season);
    for (std::size_t row = 0; row < order.size(); ++row) {
        const int i = order[row];
        const LeagueTeam &t = season.teams.at(i);
        StandingRow r;
        r.team = i;
        r.rank = rank[i];
        r.name = season.names.at(i);
        r.wins = t.wins;
        r.losses = t.losses;
        r.draws = t.draws;
        r.remaining = int(season.remaining.at(i));
        r.percentage = winningPercentage(t.wins, t.losses);
        if (row > 0) {
            r.behindAbove = behind(season.teams.at(order[row - 1]), t);
            r.behindLeader = behind(season.teams.at(order.front()), t);
        }
        r.ownTitle = ownChance(season, i);
        if (i == result.pennant.leader)
            r.magic = result.pennant.magic;
        r.bestRank = top.at(i).bestRank;
        r.worstRank = top.at(i).worstRank;
        r.cs = top.at(i).cs;
        r.csMagic = top.at(i).csMagic;
        result.rows.append(r);
    }
    return result;
}

} // namespace calc

#include "calculators/team/league/racefield.h"

#include <algorithm>
#include <optional>

namespace calc {

namespace {

// Where another team's final wins place it against t ending on `wins`: not surely below t
// from `above` on; at `level`, an equal percentage, as `tie` says.
struct Bar
{
    enum class Tie { Other, Team, Record }; // to the other team, to t, to their record
    qint64 above;
    std::optional<qint64> level;
    Tie tie = Tie::Other;
    int edge = 0; // with Tie::Record: 1 when an equal record goes to t
};

Bar bar(const Season &s, int t, int j, qint64 wins)
{
    const qint64 share = wins * s.decidedAtEnd(j);
    const qint64 decided = s.decidedAtEnd(t);
    Bar b { share / decided + 1, std::nullopt };
    if (share % decided != 0)
        return b;
    const qint64 level = share / decided;
    b.level = level;
    const bool even = surelyAbove(s.atEnd(t, wins, 0), s.atEnd(j, level, 0), s.league);
    const bool ahead = surelyAbove(s.atEnd(t, wins, 1), s.atEnd(j, level, 0), s.league);
    const bool behind = surelyAbove(s.atEnd(t, wins, 0), s.atEnd(j, level, 1), s.league);
    b.tie = ahead != behind ? Bar::Tie::Record : even ? Bar::Tie::Team : Bar::Tie::Other;
    b.edge = even;
    return b;
}

// 1 when a tie that their records leave equal goes to t, as the league breaks it.
int edge(const Season &s, int t, int j)
{
    return surelyAbove(s.atEnd(t, 0, 0), s.atEnd(j, 0, 0), s.league);
}

// The wins j needs from t's games to win their record when it would otherwise tie t, none below 0.
qint64 recordWins(const Meeting &m, int edge)
{
    const qint64 twice = m.lead + m.left + edge;
    return twice <= 0 ? 0 : (twice + 1) / 2;
}

Figures spread(const Season &s, int t, bool most)
{
    Figures f;
    for (int j = 0; j < s.size(); ++j) {
        for (int k = 0; k < s.size(); ++k) {
            const Range r = s.leftRange(j, k);
            f.left[j][k] = j == k || j == t || k == t ? 0 : most ? r.most : r.least;
        }
    }
    for (int j = 0; j < s.size(); ++j) {
        if (j != t) {
            const qint64 left = s.leftRange(t, j).most;
            f.plain[j] = f.level[j] = { left, s.lead(t, j, left).most, true };
        }
    }
    return f;
}

} // namespace

Figures forOthers(const Season &s, int t)
{
    Figures f = spread(s, t, false);
    for (int j = 0; j < s.size(); ++j) {
        if (j == t)
            continue;
        // The fewest games left serve best; to win their record, the fewest that allow it.
        const Range range = s.leftRange(t, j);
        f.plain[j] = { range.least, s.lead(t, j, range.least).least, true };
        f.level[j].possible = false;
        for (qint64 left = range.least; left <= range.most && !f.level[j].possible; ++left) {
            const Meeting m { left, s.lead(t, j, left).least, true };
            if (recordWins(m, edge(s, t, j)) <= left)
                f.level[j] = m;
        }
    }
    return f;
}

Figures againstOthers(const Season &s, int t)
{
    return spread(s, t, true);
}

Figures forTeam(const Season &s, int t)
{
    return spread(s, t, false);
}

// What one of the others asks of the games shared out: the wins it still needs from those
// among the set and from t's, and how many of t's games can still give it one.
struct Field::Need
{
    qint64 wins = 0;
    qint64 fromTeam = 0;
    qint64 forced = 0; // t's games it must win to take their record
};

Field::Field(const Season &s, int t, const Figures &figures)
    : s(s)
    , t(t)
    , f(figures)
{
    for (int j = 0; j < s.size(); ++j) {
        if (j != t)
            others[count_++] = j;
    }
}

bool Field::overtaken(qint64 wins, int count) const
{
    if (count <= 0)
        return true;
    for (int mask = 0; mask < (1 << count_); ++mask) {
        std::array<int, maxLeagueTeams - 1> set {};
        int size = 0;
        for (int x = 0; x < count_; ++x) {
            if (mask >> x & 1)
                set[size++] = others[x];
        }
        if (size == count && overtakenBy(wins, set, size))
            return true;
    }
    return false;
}

// Each of the set passes t either on percentage (or a tie that is not t's), or, where their
// record decides, by tying t and winning their record: every way is tried.
bool Field::overtakenBy(qint64 wins, const std::array<int, maxLeagueTeams - 1> &set, int size) const
{
    std::array<std::array<Need, 2>, maxLeagueTeams - 1> ways {};
    std::array<int, maxLeagueTeams - 1> wayCount {};
    const qint64 teamWins = s.teams.at(t).wins + wins;
    for (int x = 0; x < size; ++x) {
        const int j = set[x];
        const Bar b = bar(s, t, j, teamWins);
        qint64 among = 0; // j's games left with the rest of the set
        for (int y = 0; y < size; ++y)
            among += f.left[j][set[y]];
        const auto need = [&](qint64 target, const Meeting &m, qint64 forced) {
            return Need { target - s.bestWins(j) + m.left - forced + among, m.left - forced, forced };
        };
        const bool levelWins = b.level && b.tie == Bar::Tie::Other;
        ways[x][wayCount[x]++] = need(levelWins ? *b.level : b.above, f.plain[j], 0);
        const Meeting &m = f.level[j];
        if (b.level && b.tie == Bar::Tie::Record && m.possible && recordWins(m, b.edge) <= m.left)
            ways[x][wayCount[x]++] = need(*b.level, m, recordWins(m, b.edge));
    }
    for (int choice = 0; choice < (1 << size); ++choice) {
        std::array<Need, maxLeagueTeams - 1> needs {};
        qint64 budget = s.remaining.at(t) - wins;
        bool valid = true;
        for (int x = 0; x < size; ++x) {
            const int way = choice >> x & 1;
            valid = valid && way < wayCount[x];
            needs[x] = ways[x][std::min(way, wayCount[x] - 1)];
            budget -= needs[x].forced;
        }
        if (valid && budget >= 0 && shareable(needs, set.data(), size, budget))
            return true;
    }
    return false;
}

// Hall's condition: every part of the set asks no more than the games its members play among
// themselves (with any of the set) and, within the budget, t's games against them.
bool Field::shareable(const std::array<Need, maxLeagueTeams - 1> &needs, const int *set, int size,
    qint64 budget) const
{
    for (int part = 1; part < (1 << size); ++part) {
        qint64 asked = 0;
        qint64 games = 0;
        qint64 fromTeam = 0;
        for (int x = 0; x < size; ++x) {
            if (!(part >> x & 1))
                continue;
            asked += std::max<qint64>(needs[x].wins, 0);
            fromTeam += needs[x].fromTeam;
            for (int y = 0; y < size; ++y) {
                if (!(part >> y & 1) || y > x)
                    games += f.left[set[x]][set[y]];
            }
        }
        if (asked > games + std::min(budget, fromTeam))
            return false;
    }
    return true;
}

// The most wins j can finish on and stay surely below t winning out.
qint64 Field::most(int j) const
{
    const Bar b = bar(s, t, j, s.bestWins(t));
    if (!b.level)
        return b.above - 1;
    const Meeting &m = f.level[j];
    const bool teamTakes = b.tie == Bar::Tie::Team
        || (b.tie == Bar::Tie::Record && m.lead + m.left + b.edge >= 1);
    return teamTakes ? *b.level : *b.level - 1;
}

int Field::fewestAbove() const
{
    std::array<qint64, maxLeagueTeams - 1> room {};
    for (int x = 0; x < count_; ++x)
        room[x] = most(others[x]) - s.teams.at(others[x]).wins;
    int below = 0;
    for (int mask = 0; mask < (1 << count_); ++mask) {
        int size = 0;
        for (int x = 0; x < count_; ++x)
            size += mask >> x & 1;
        if (size > below && keptBelow(room, mask))
            below = size;
    }
    return count_ - below;
}

// Whether the others in `mask` can all stay below t: each part of them has room for the
// games they play among themselves, which someone of that part must win.
bool Field::keptBelow(const std::array<qint64, maxLeagueTeams - 1> &room, int mask) const
{
    for (int part = mask; part > 0; part = (part - 1) & mask) {
        qint64 games = 0;
        qint64 space = 0;
        for (int x = 0; x < count_; ++x) {
            if (!(part >> x & 1))
                continue;
            space += room[x];
            for (int y = x + 1; y < count_; ++y) {
                if (part >> y & 1)
                    games += f.left[others[x]][others[y]];
            }
        }
        if (space < games) // a part of one member: its own room below 0
            return false;
    }
    return true;
}

} // namespace calc

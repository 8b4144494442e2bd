#include "calculators/team/league/season.h"

#include <algorithm>

namespace calc {

bool surelyAbove(const Side &a, const Side &b, League league, Unknown unknown)
{
    // Cross-multiplied in 64 bits, never as doubles.
    const qint64 left = a.wins * std::max<qint64>(b.decided, 1);
    const qint64 right = b.wins * std::max<qint64>(a.decided, 1);
    if (left != right)
        return left > right;
    if (league == League::Central && a.wins != b.wins)
        return a.wins > b.wins;
    if (!a.headToHead || !b.headToHead)
        return unknown == Unknown::For;
    if (*a.headToHead != *b.headToHead)
        return *a.headToHead > *b.headToHead;
    if (league == League::Central && a.lastRank > 0 && b.lastRank > 0)
        return a.lastRank < b.lastRank;
    return false;
}

Season::Season(League league, const LeagueForm &form)
    : league(league)
    , games(form.games)
    , pairGames(form.pairGames)
{
    const int count = std::clamp(form.teamCount, 0, maxLeagueTeams);
    for (int i = 0; i < count; ++i) {
        const LeagueTeam &t = form.teams.at(i);
        teams.append(t);
        names.append(teamName(t.name, i));
        remaining.append(games - t.wins - t.losses - t.draws);
    }
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            const PairRecord &p = form.pairs.at(pairIndex(i, j));
            won[i][j] = p.firstWins;
            won[j][i] = p.secondWins;
            drawn[i][j] = drawn[j][i] = p.draws;
            typedLeft[i][j] = typedLeft[j][i] = p.remaining;
        }
    }
}

qint64 Season::playedAtLeast(int i, int j) const
{
    return won[i][j].value_or(0) + won[j][i].value_or(0) + drawn[i][j].value_or(0);
}

std::optional<qint64> Season::knownLeft(int i, int j) const
{
    if (typedLeft[i][j])
        return *typedLeft[i][j];
    if (pairGames && won[i][j] && won[j][i] && drawn[i][j])
        return *pairGames - playedAtLeast(i, j);
    return std::nullopt;
}

std::pair<qint64, qint64> Season::leftRange(int i, int j) const
{
    if (const auto left = knownLeft(i, j))
        return { *left, *left };
    qint64 most = std::min(remaining.at(i), remaining.at(j));
    if (pairGames)
        most = std::min(most, *pairGames - playedAtLeast(i, j));
    return { 0, std::max<qint64>(most, 0) };
}

bool Season::anyUnknown(int i, int j) const
{
    return !won[i][j] || !won[j][i] || !drawn[i][j] || !knownLeft(i, j);
}

std::optional<qint64> Season::headToHead(int i, int j, qint64 extra) const
{
    if (!won[i][j] || !won[j][i])
        return std::nullopt;
    return *won[i][j] + extra;
}

Side Season::now(int i, int j) const
{
    const LeagueTeam &t = teams.at(i);
    return { t.wins, t.wins + t.losses, headToHead(i, j, 0), t.lastRank };
}

Side Season::atEnd(int i, int j, qint64 wins, qint64 extra) const
{
    return { wins, decidedAtEnd(i), headToHead(i, j, extra), teams.at(i).lastRank };
}

} // namespace calc

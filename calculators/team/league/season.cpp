#include "calculators/team/league/season.h"

#include <algorithm>

namespace calc {

namespace {

Range entered(const std::optional<int> &figure, qint64 most)
{
    return figure ? Range { *figure, *figure } : Range { 0, most };
}

// Lowers `range.most` to `most`, but never below its least: only figures that contradict
// each other in a way the checks let pass would ask for that.
void lowerMost(Range &range, qint64 most)
{
    range.most = std::max(range.least, std::min(range.most, most));
}

} // namespace

bool surelyAbove(const Side &a, const Side &b, League league)
{
    // Cross-multiplied in 64 bits, never as doubles.
    const qint64 left = a.wins * std::max<qint64>(b.decided, 1);
    const qint64 right = b.wins * std::max<qint64>(a.decided, 1);
    if (left != right)
        return left > right;
    if (league == League::Central && a.wins != b.wins)
        return a.wins > b.wins;
    if (a.headToHead != b.headToHead)
        return a.headToHead > b.headToHead;
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
    bound();
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

// A figure of i's against j is at most i's total less what its other pairs hold at least.
void Season::boundByTotals(int i, int j)
{
    qint64 wins = teams.at(i).wins;
    qint64 losses = teams.at(j).losses;
    qint64 draws[2] = { teams.at(i).draws, teams.at(j).draws };
    qint64 left[2] = { remaining.at(i), remaining.at(j) };
    for (int k = 0; k < size(); ++k) {
        if (k == i || k == j)
            continue;
        wins -= won_[i][k].least;
        losses -= won_[k][j].least;
        draws[0] -= drawn_[i][k].least;
        draws[1] -= drawn_[j][k].least;
        left[0] -= left_[i][k].least;
        left[1] -= left_[j][k].least;
    }
    lowerMost(won_[i][j], std::min(wins, losses));
    lowerMost(drawn_[i][j], std::min(draws[0], draws[1]));
    lowerMost(left_[i][j], std::min(left[0], left[1]));
    drawn_[j][i] = drawn_[i][j];
    left_[j][i] = left_[i][j];
}

// Each of the four figures is カード試合数 less the other three; false when they cannot add up.
bool Season::boundBySum(int i, int j)
{
    std::array<Range, 4> figures { won_[i][j], won_[j][i], drawn_[i][j], left_[i][j] };
    qint64 least = 0;
    qint64 most = 0;
    for (const Range &r : figures) {
        least += r.least;
        most += r.most;
    }
    if (least > *pairGames || most < *pairGames)
        return false;
    for (Range &r : figures) {
        const Range others { least - r.least, most - r.most };
        r = { std::max(r.least, *pairGames - others.most), std::min(r.most, *pairGames - others.least) };
    }
    won_[i][j] = figures[0];
    won_[j][i] = figures[1];
    drawn_[i][j] = drawn_[j][i] = figures[2];
    left_[i][j] = left_[j][i] = figures[3];
    return true;
}

void Season::bound()
{
    for (int i = 0; i < size(); ++i) {
        for (int j = 0; j < size(); ++j) {
            won_[i][j] = entered(won[i][j], games);
            drawn_[i][j] = entered(drawn[i][j], games);
            left_[i][j] = entered(typedLeft[i][j], games);
            addsUp_[i][j] = i < j && pairGames.has_value();
        }
    }
    // Each round only narrows, so a few rounds settle it; the cap only guards the loop.
    for (int round = 0; round < 4 * pairCount; ++round) {
        const Grid<Range> before[3] = { won_, drawn_, left_ };
        for (int i = 0; i < size(); ++i) {
            for (int j = 0; j < size(); ++j) {
                if (i != j)
                    boundByTotals(i, j);
            }
        }
        for (int i = 0; i < size(); ++i) {
            for (int j = i + 1; j < size(); ++j)
                addsUp_[i][j] = addsUp_[i][j] && boundBySum(i, j);
        }
        if (before[0] == won_ && before[1] == drawn_ && before[2] == left_)
            break;
    }
}

Range Season::lead(int i, int j, std::optional<qint64> left) const
{
    const Range a = won_[i][j];
    const Range b = won_[j][i];
    Range sum { a.least + b.least, a.most + b.most };
    const int first = std::min(i, j);
    const int second = std::max(i, j);
    if (addsUp_[first][second]) {
        const Range l = left ? Range { *left, *left } : left_[i][j];
        const Range played { *pairGames - l.most - drawn_[i][j].most,
            *pairGames - l.least - drawn_[i][j].least };
        const Range both { std::max(sum.least, played.least), std::min(sum.most, played.most) };
        if (both.least <= both.most)
            sum = both;
    }
    // For a given total s of both teams' wins the lead is 2a - s, a as high or as low as b allows.
    const qint64 high = std::clamp(a.most + b.least, sum.least, sum.most);
    const qint64 low = std::clamp(a.least + b.most, sum.least, sum.most);
    return { std::max(2 * a.least - low, low - 2 * b.most), std::min(2 * a.most - high, high - 2 * b.least) };
}

bool Season::settled(int i, int j) const
{
    return won_[i][j].fixed() && won_[j][i].fixed() && drawn_[i][j].fixed() && left_[i][j].fixed();
}

Side Season::now(int i, qint64 headToHead) const
{
    const LeagueTeam &t = teams.at(i);
    return { t.wins, t.wins + t.losses, headToHead, t.lastRank };
}

Side Season::atEnd(int i, qint64 wins, qint64 headToHead) const
{
    return { wins, decidedAtEnd(i), headToHead, teams.at(i).lastRank };
}

} // namespace calc

#pragma once

#include "calculators/team/league/league.h"

#include <QList>
#include <QStringList>

#include <array>
#include <optional>

// The counted teams of a form as the checks and the rules see them: every team's games left,
// both sides of every pair as entered, and what the entered figures allow for those not
// entered. Sums are 64-bit: within the form's limits nothing overflows, and beyond them the
// checks stop first.
namespace calc {

// Every whole number from least to most.
struct Range
{
    qint64 least = 0;
    qint64 most = 0;

    bool fixed() const { return least == most; }
    bool operator==(const Range &other) const { return least == other.least && most == other.most; }
};

// One team's record as it meets one other team, in some outcome or as it stands.
struct Side
{
    qint64 wins;
    qint64 decided; // wins and losses; none decided counts as a percentage of 0
    qint64 headToHead; // wins against that other team, or its lead over it in their record
    int lastRank;
};

// Whether `a` ranks surely above `b`: a higher winning percentage, or an equal one that the
// league's tie-break gives to `a`. A tie nothing breaks counts against `a`.
bool surelyAbove(const Side &a, const Side &b, League league);

struct Season
{
    template <typename T> using Grid = std::array<std::array<T, maxLeagueTeams>, maxLeagueTeams>;

    League league;
    qint64 games;
    std::optional<qint64> pairGames;
    QList<LeagueTeam> teams; // the counted rows
    QStringList names;
    QList<qint64> remaining;
    Grid<std::optional<int>> won {}; // won[i][j]: i's wins against j, as entered
    Grid<std::optional<int>> drawn {};
    Grid<std::optional<int>> typedLeft {}; // games between i and j to play, as typed

    Season(League league, const LeagueForm &form);

    int size() const { return int(teams.size()); }
    qint64 decidedAtEnd(int i) const { return games - teams.at(i).draws; }
    qint64 bestWins(int i) const { return teams.at(i).wins + remaining.at(i); }

    // The games i and j have played each other, counting what is not entered as none.
    qint64 playedAtLeast(int i, int j) const;
    // The games left between i and j, as typed or as they follow from the games per pair and a
    // complete record; empty when not entered.
    std::optional<qint64> knownLeft(int i, int j) const;

    // What the figures allow, each pair on its own: a figure not entered is at most what the
    // team's totals leave beside its other figures, and with カード試合数 a pair's record and
    // games left add up to it. A figure they fix is known.
    Range leftRange(int i, int j) const { return left_[i][j]; }
    // i's wins less j's in their record so far, over every record the figures allow with
    // `left` games still to play between them (any number when none is given).
    Range lead(int i, int j, std::optional<qint64> left = std::nullopt) const;
    // Every figure of the pair entered or fixed by the others.
    bool settled(int i, int j) const;

    // i as it stands, and at the end of an outcome with `wins` wins and no further draw, with
    // `headToHead` as its part of the record against the team it meets.
    Side now(int i, qint64 headToHead) const;
    Side atEnd(int i, qint64 wins, qint64 headToHead) const;

private:
    Grid<Range> won_ {};
    Grid<Range> drawn_ {};
    Grid<Range> left_ {};
    Grid<bool> addsUp_ {}; // the pair's record and games left add up to カード試合数

    void boundByTotals(int i, int j);
    bool boundBySum(int i, int j);
    void bound();
};

// The fewest wins from `low` to `high` that are `enough`, where more wins never hurt and
// `high` is enough: searched in halves.
template <typename Enough> qint64 fewestWins(qint64 low, qint64 high, Enough enough)
{
    while (low < high) {
        const qint64 mid = low + (high - low) / 2;
        if (enough(mid))
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

} // namespace calc

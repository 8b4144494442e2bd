#pragma once

#include "calculators/team/league/league.h"

#include <QList>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>

// The counted teams of a form as the checks and the rules see them: every team's games left,
// and both sides of every pair at hand, figures not entered kept as not known. Sums are 64-bit:
// within the form's limits nothing overflows, and beyond them the checks stop first.
namespace calc {

// One team's record as it meets one other team, in some outcome or as it stands.
struct Side
{
    qint64 wins;
    qint64 decided; // wins and losses; none decided counts as a percentage of 0
    std::optional<qint64> headToHead; // wins against that other team, when known
    int lastRank;
};

// How a tie-break that the entered figures cannot decide is counted.
enum class Unknown {
    Against, // against the team that needs it: what holds whatever the figures are
    For, // for it: what can still happen
};

// Whether `a` ranks surely above `b`: a higher winning percentage, or an equal one that the
// league's tie-break gives to `a` as far as the entered figures go. What they leave undecided
// counts as `unknown` says; a tie nothing breaks counts against `a`.
bool surelyAbove(const Side &a, const Side &b, League league, Unknown unknown = Unknown::Against);

struct Season
{
    template <typename T> using Grid = std::array<std::array<T, maxLeagueTeams>, maxLeagueTeams>;

    League league;
    qint64 games;
    std::optional<qint64> pairGames;
    QList<LeagueTeam> teams; // the counted rows
    QStringList names;
    QList<qint64> remaining;
    Grid<std::optional<int>> won {}; // won[i][j]: i's wins against j
    Grid<std::optional<int>> drawn {};
    Grid<std::optional<int>> typedLeft {}; // games between i and j to play, as typed

    Season(League league, const LeagueForm &form);

    int size() const { return int(teams.size()); }
    qint64 decidedAtEnd(int i) const { return games - teams.at(i).draws; }
    qint64 bestWins(int i) const { return teams.at(i).wins + remaining.at(i); }

    // The games i and j have played each other, counting what is not known as none.
    qint64 playedAtLeast(int i, int j) const;
    // The games left between i and j, as typed or as they follow from the games per pair and a
    // complete record; empty when unknown.
    std::optional<qint64> knownLeft(int i, int j) const;
    // Every value the games left between i and j can take.
    std::pair<qint64, qint64> leftRange(int i, int j) const;
    bool anyUnknown(int i, int j) const;

    std::optional<qint64> headToHead(int i, int j, qint64 extra) const;
    // i as it stands, met with j.
    Side now(int i, int j) const;
    // i at the end of an outcome with `wins` wins in all and no further draw, having won
    // `extra` of the games left against j.
    Side atEnd(int i, int j, qint64 wins, qint64 extra) const;
};

} // namespace calc

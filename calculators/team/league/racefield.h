#pragma once

#include "calculators/team/league/season.h"

#include <array>

// One team's race against the others for one choice of the figures not entered: whether some
// of them can all finish not surely below it, decided by sharing out the games they have left
// (a Hall-type check on every part of them), never by trying every outcome.
namespace calc {

// A pair of the team t with another as one choice of its figures leaves it.
struct Meeting
{
    qint64 left = 0; // games still to play between them
    qint64 lead = 0; // t's wins less the other's in their record so far
    bool possible = true; // false: no value lets the other win their record
};

// A choice of the figures not entered, as the race of one team t sees them.
struct Figures
{
    Season::Grid<qint64> left {}; // games left between two teams other than t
    // t's pair with each other team when their record does not decide, and when the other
    // must win their record to tie t.
    std::array<Meeting, maxLeagueTeams> plain {};
    std::array<Meeting, maxLeagueTeams> level {};
};

// The values that help the others against t most, those that help them least, and those that
// help t finish as high as it can (t winning out).
Figures forOthers(const Season &s, int t);
Figures againstOthers(const Season &s, int t);
Figures forTeam(const Season &s, int t);

class Field
{
public:
    Field(const Season &s, int t, const Figures &figures);

    // Whether `count` others can all finish not surely below t, t winning `wins` of its games
    // left (whichever of them suit the others).
    bool overtaken(qint64 wins, int count) const;
    // The fewest others not surely below t in some outcome, t winning every game left.
    int fewestAbove() const;

private:
    struct Need;

    const Season &s;
    int t;
    Figures f;
    int count_ = 0; // the others
    std::array<int, maxLeagueTeams - 1> others {};

    bool overtakenBy(qint64 wins, const std::array<int, maxLeagueTeams - 1> &set, int size) const;
    bool shareable(const std::array<Need, maxLeagueTeams - 1> &needs, const int *set, int size,
        qint64 budget) const;
    qint64 most(int j) const;
    bool keptBelow(const std::array<qint64, maxLeagueTeams - 1> &room, int mask) const;
};

} // namespace calc

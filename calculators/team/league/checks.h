#pragma once

#include "calculators/team/league/league.h"

// What the form cannot hold: a figure beyond its limits, or figures that contradict each other.
namespace calc {

struct Season;

// The first input error, in the order a user would fix them, without the "入力エラー: " the
// summary puts before it; an empty text when there is none. Anything outside the form's limits
// is an error whatever a caller passes (every int), and nothing is read past the first.
QString inputError(League league, const LeagueForm &form);

// The two halves of it, for a caller that goes on with the season: the first figure beyond the
// form's limits; and, for a form within them, the first figures that contradict each other.
QString rangeError(const LeagueForm &form);
QString consistencyError(const Season &season);

} // namespace calc

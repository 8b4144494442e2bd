#pragma once

#include "calculators/team/league/league.h"

// The form after a pasted table: teams matched by name, so that a day that reorders them keeps
// each team's last season's rank and its head-to-head figures.
namespace calc {

struct PastedTable;

// The table's teams in its order, each keeping its last season's rank and its head-to-head
// figures with the other teams, found by name wherever they stood before; then the teams of the
// form that the table does not name, in their order, while rows remain. The table's head-to-head
// records replace those of their pairs, whose games left then follow from the games per pair
// again. The season's games are the table's when it shows them. No row is ever paired with
// itself, even when the table names a team twice.
// The summary is the table's, and says which typed games left the paste made impossible and
// reset (they follow from カード試合数 again, or are not entered).
struct PastedForm
{
    LeagueForm form;
    QString summary;
};
PastedForm withPasted(const LeagueForm &form, const PastedTable &table);

} // namespace calc

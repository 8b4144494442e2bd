#pragma once

#include "calculators/team/league/league.h"

#include <array>

class QSettings;

// Both leagues' forms, kept between runs.
namespace calc {

struct SavedLeagues
{
    int league = 0; // 0 セ・リーグ, 1 パ・リーグ
    std::array<LeagueForm, 2> forms;
};

// Kept under "leagueTable/" of the settings. Reading takes each value that is there and within
// the form's limits, and the default for any other, whatever the file or registry holds; what
// is read is saved and read again unchanged.
void saveLeagues(QSettings &settings, const SavedLeagues &leagues);
SavedLeagues loadLeagues(const QSettings &settings);

} // namespace calc

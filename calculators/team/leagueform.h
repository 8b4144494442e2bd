#pragma once

#include "calculators/team/standings.h"

#include <QList>
#include <QString>

#include <array>

class QSettings;

// What the league table's form holds for one league, apart from its widgets: kept between runs
// and carried over, team by team, when a pasted day reorders the teams.
namespace calc {

struct PastedTable;

// The longest team name the form takes: the clubs' full names are 13 characters at most.
constexpr int maxTeamNameLength = 20;

struct LeagueForm
{
    int teamCount = maxLeagueTeams; // the rows counted, from the first
    int games = 0;
    int pairGames = 0;
    QList<LeagueTeam> teams = QList<LeagueTeam>(maxLeagueTeams); // always every row
    QList<PairRecord> pairs = QList<PairRecord>(pairCount()); // every pair of rows

    // The pairs of the six rows, (A, B), (A, C), ..., (E, F), and where i < j is among them.
    static constexpr int pairCount() { return maxLeagueTeams * (maxLeagueTeams - 1) / 2; }
    static constexpr int pairIndex(int i, int j)
    {
        return i * maxLeagueTeams - i * (i + 1) / 2 + (j - i - 1);
    }
};

// The counted rows and their pairs, as the league table takes them.
LeagueInput leagueInput(League league, const LeagueForm &form);

// The form after a pasted table: the table's teams in its order, each keeping its last season's
// rank and its head-to-head figures with the other teams, found by name wherever they stood
// before; then the teams of the form that the table does not name, in their order, while rows
// remain. The table's head-to-head records replace those of their pairs, whose games left then
// follow from the games per pair again. The season's games are the table's when it shows them.
LeagueForm withPasted(const LeagueForm &form, const PastedTable &table);

// Both leagues' forms and the league last shown, as kept between runs.
struct SavedLeagues
{
    int league = 0; // 0 セ・リーグ, 1 パ・リーグ
    std::array<LeagueForm, 2> forms;
};

// Where the program keeps its settings (QSettings): under this organisation and the program's
// own name (QCoreApplication::applicationName()), in ~/.config/Sekivo/sekivo.conf, or under
// HKEY_CURRENT_USER\Software\Sekivo\sekivo on Windows, whose registry keeps nothing for a
// program that names no organisation. A test program keeps its own, under its own name.
inline const QString settingsOrganization = QStringLiteral("Sekivo");

// Kept under "leagueTable/" of the settings. Reading takes each value that is there and within
// the form's limits, and the default for any other, whatever the file or registry holds.
void saveLeagues(QSettings &settings, const SavedLeagues &leagues);
SavedLeagues loadLeagues(const QSettings &settings);

} // namespace calc

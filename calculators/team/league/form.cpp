#include "calculators/team/league/form.h"

#include "calculators/team/league/pastedtable.h"

#include <QList>

#include <algorithm>

namespace calc {

namespace {

// The row of `teams` whose typed name stands for `name`, or -1.
template <typename Teams> int rowOf(const Teams &teams, const QString &name)
{
    for (int row = 0; row < int(teams.size()); ++row) {
        if (!teams.at(row).name.trimmed().isEmpty() && sameTeam(teams.at(row).name, name))
            return row;
    }
    return -1;
}

// The form's rows after the table's teams: where each new row's team stood before (-1 for a
// new team or an empty row), each old row taken at most once.
LeagueForm reordered(const LeagueForm &form, const QList<TableTeam> &teams, QList<int> &from)
{
    LeagueForm result = form;
    QList<LeagueTeam> rows;
    for (const TableTeam &team : teams.mid(0, maxLeagueTeams)) {
        int old = rowOf(form.teams, team.name);
        if (from.contains(old))
            old = -1;
        from.append(old);
        rows.append({ team.name, team.wins, team.losses, team.draws,
            old < 0 ? 0 : form.teams.at(old).lastRank });
    }
    for (int old = 0; old < maxLeagueTeams && rows.size() < maxLeagueTeams; ++old) {
        if (!from.contains(old) && !form.teams.at(old).name.trimmed().isEmpty()) {
            from.append(old);
            rows.append(form.teams.at(old));
        }
    }
    result.teamCount = std::max<int>(minLeagueTeams, int(teams.size()));
    while (rows.size() < maxLeagueTeams) {
        from.append(-1);
        rows.append(LeagueTeam());
    }
    std::copy(rows.cbegin(), rows.cend(), result.teams.begin());
    return result;
}

} // namespace

PastedForm withPasted(const LeagueForm &form, const PastedTable &table)
{
    if (table.form)
        return { *table.form, table.summary };
    LeagueForm result = form;
    if (table.games > 0 && table.games <= maxSeasonGames)
        result.games = table.games;
    if (!table.teams.isEmpty()) {
        QList<int> from;
        result = reordered(result, table.teams, from);
        for (int i = 0; i < maxLeagueTeams; ++i) {
            for (int j = i + 1; j < maxLeagueTeams; ++j) {
                Q_ASSERT(from.at(i) < 0 || from.at(i) != from.at(j));
                result.setPair(i, j,
                    from.at(i) >= 0 && from.at(j) >= 0 ? form.pair(from.at(i), from.at(j))
                                                       : PairRecord {});
            }
        }
    }
    for (const TablePair &pair : table.pairs) {
        const int i = rowOf(result.teams, pair.first);
        const int j = rowOf(result.teams, pair.second);
        if (i >= 0 && j >= 0 && i != j)
            result.setPair(i, j, { pair.firstWins, pair.secondWins, pair.draws, std::nullopt });
    }
    return { result, table.summary };
}

} // namespace calc

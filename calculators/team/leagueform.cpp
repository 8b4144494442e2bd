#include "calculators/team/leagueform.h"

#include "calculators/team/pastedtable.h"

#include <QSettings>

#include <utility>

namespace calc {

namespace {

// Each side of a pair record as seen from the other team.
PairRecord swapped(const PairRecord &p)
{
    return { p.secondWins, p.firstWins, p.draws, p.remaining };
}

// The row of `rows` whose typed name stands for `name`, or -1.
int rowOf(const QList<LeagueTeam> &rows, const QString &name)
{
    for (int row = 0; row < rows.size(); ++row) {
        if (!rows.at(row).name.trimmed().isEmpty() && sameTeam(rows.at(row).name, name))
            return row;
    }
    return -1;
}

// The record between rows i and j of `form`, from i's side (i != j).
PairRecord pairOf(const LeagueForm &form, int i, int j)
{
    return i < j ? form.pairs.at(LeagueForm::pairIndex(i, j))
                 : swapped(form.pairs.at(LeagueForm::pairIndex(j, i)));
}

void setPair(LeagueForm &form, int i, int j, const PairRecord &record)
{
    if (i < j)
        form.pairs[LeagueForm::pairIndex(i, j)] = record;
    else
        form.pairs[LeagueForm::pairIndex(j, i)] = swapped(record);
}

// A whole number within [minimum, maximum] stored under `key`, or none.
std::optional<int> storedNumber(
    const QSettings &settings, const QString &key, int minimum, int maximum)
{
    const QVariant value = settings.value(key);
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (!value.isValid() || !ok || number < minimum || number > maximum)
        return std::nullopt;
    return int(number);
}

// A stored name as the name field would hold it: one line of printable characters.
QString storedName(const QSettings &settings, const QString &key)
{
    QString name;
    for (const QChar c : settings.value(key).toString()) {
        if (c.isPrint())
            name.append(c);
    }
    return name.trimmed().left(maxTeamNameLength);
}

QString teamKey(const QString &group, int row, const char *field)
{
    return QStringLiteral("%1/team%2/%3").arg(group).arg(row + 1).arg(QLatin1String(field));
}

QString pairKey(const QString &group, int pair, const char *field)
{
    return QStringLiteral("%1/pair%2/%3").arg(group).arg(pair + 1).arg(QLatin1String(field));
}

} // namespace

LeagueInput leagueInput(League league, const LeagueForm &form)
{
    LeagueInput input { league, form.games, form.pairGames, form.teams.mid(0, form.teamCount), {} };
    for (int i = 0; i < form.teamCount; ++i) {
        for (int j = i + 1; j < form.teamCount; ++j)
            input.pairs.append(form.pairs.at(LeagueForm::pairIndex(i, j)));
    }
    return input;
}

LeagueForm withPasted(const LeagueForm &form, const PastedTable &table)
{
    LeagueForm result = form;
    if (table.games > 0 && table.games <= maxSeasonGames)
        result.games = table.games;
    if (!table.teams.isEmpty()) {
        // Where each new row's team stood before, or -1.
        QList<int> from;
        QList<LeagueTeam> rows;
        for (const TableTeam &team : table.teams.mid(0, maxLeagueTeams)) {
            const int old = rowOf(form.teams, team.name);
            from.append(old);
            rows.append({ team.name, team.wins, team.losses, team.draws,
                old < 0 ? 0 : form.teams.at(old).lastRank });
        }
        for (int old = 0; old < form.teams.size() && rows.size() < maxLeagueTeams; ++old) {
            if (!from.contains(old) && !form.teams.at(old).name.trimmed().isEmpty()) {
                from.append(old);
                rows.append(form.teams.at(old));
            }
        }
        result.teamCount = std::max<int>(minLeagueTeams, int(table.teams.size()));
        while (rows.size() < maxLeagueTeams) {
            from.append(-1);
            rows.append(LeagueTeam());
        }
        result.teams = rows;
        for (int i = 0; i < maxLeagueTeams; ++i) {
            for (int j = i + 1; j < maxLeagueTeams; ++j) {
                setPair(result, i, j,
                    from.at(i) >= 0 && from.at(j) >= 0 ? pairOf(form, from.at(i), from.at(j))
                                                       : PairRecord {});
            }
        }
    }
    for (const TablePair &pair : table.pairs) {
        const int i = rowOf(result.teams, pair.first);
        const int j = rowOf(result.teams, pair.second);
        if (i >= 0 && j >= 0 && i != j)
            setPair(result, i, j, { pair.firstWins, pair.secondWins, pair.draws, std::nullopt });
    }
    return result;
}

namespace {

const QString leagueGroups[]
    = { QStringLiteral("leagueTable/central"), QStringLiteral("leagueTable/pacific") };
const QString leagueKey = QStringLiteral("leagueTable/league");

void saveLeagueForm(QSettings &settings, const QString &group, const LeagueForm &form)
{
    settings.remove(group);
    settings.setValue(group + QStringLiteral("/teamCount"), form.teamCount);
    settings.setValue(group + QStringLiteral("/games"), form.games);
    settings.setValue(group + QStringLiteral("/pairGames"), form.pairGames);
    for (int row = 0; row < form.teams.size(); ++row) {
        const LeagueTeam &t = form.teams.at(row);
        settings.setValue(teamKey(group, row, "name"), t.name);
        settings.setValue(teamKey(group, row, "wins"), t.wins);
        settings.setValue(teamKey(group, row, "losses"), t.losses);
        settings.setValue(teamKey(group, row, "draws"), t.draws);
        settings.setValue(teamKey(group, row, "lastRank"), t.lastRank);
    }
    for (int pair = 0; pair < form.pairs.size(); ++pair) {
        const PairRecord &p = form.pairs.at(pair);
        for (const auto &[field, value] :
            { std::pair("firstWins", p.firstWins), std::pair("secondWins", p.secondWins),
                std::pair("draws", p.draws), std::pair("remaining", p.remaining) }) {
            if (value)
                settings.setValue(pairKey(group, pair, field), *value);
        }
    }
}

LeagueForm loadLeagueForm(const QSettings &settings, const QString &group)
{
    LeagueForm form;
    form.teamCount = storedNumber(
        settings, group + QStringLiteral("/teamCount"), minLeagueTeams, maxLeagueTeams)
                         .value_or(maxLeagueTeams);
    form.games
        = storedNumber(settings, group + QStringLiteral("/games"), 0, maxSeasonGames).value_or(0);
    form.pairGames
        = storedNumber(settings, group + QStringLiteral("/pairGames"), 0, maxPairGames).value_or(0);
    for (int row = 0; row < form.teams.size(); ++row) {
        const auto count = [&](const char *field, int maximum) {
            return storedNumber(settings, teamKey(group, row, field), 0, maximum).value_or(0);
        };
        form.teams[row] = { storedName(settings, teamKey(group, row, "name")),
            count("wins", maxSeasonGames), count("losses", maxSeasonGames),
            count("draws", maxSeasonGames), count("lastRank", maxLeagueTeams) };
    }
    for (int pair = 0; pair < form.pairs.size(); ++pair) {
        const auto figure = [&](const char *field) {
            return storedNumber(settings, pairKey(group, pair, field), 0, maxPairGames);
        };
        form.pairs[pair]
            = { figure("firstWins"), figure("secondWins"), figure("draws"), figure("remaining") };
    }
    return form;
}

} // namespace

void saveLeagues(QSettings &settings, const SavedLeagues &leagues)
{
    settings.setValue(leagueKey, leagues.league);
    for (int league = 0; league < 2; ++league)
        saveLeagueForm(settings, leagueGroups[league], leagues.forms.at(league));
}

SavedLeagues loadLeagues(const QSettings &settings)
{
    SavedLeagues leagues;
    leagues.league = storedNumber(settings, leagueKey, 0, 1).value_or(0);
    for (int league = 0; league < 2; ++league)
        leagues.forms[league] = loadLeagueForm(settings, leagueGroups[league]);
    return leagues;
}

} // namespace calc

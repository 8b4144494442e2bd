#include "calculators/team/league/saved.h"

#include <QSettings>

#include <utility>

namespace calc {

namespace {

const QString leagueGroups[]
    = { QStringLiteral("leagueTable/central"), QStringLiteral("leagueTable/pacific") };
const QString leagueKey = QStringLiteral("leagueTable/league");

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


QString teamKey(const QString &group, int row, const char *field)
{
    return QStringLiteral("%1/team%2/%3").arg(group).arg(row + 1).arg(QLatin1String(field));
}

QString pairKey(const QString &group, int pair, const char *field)
{
    return QStringLiteral("%1/pair%2/%3").arg(group).arg(pair + 1).arg(QLatin1String(field));
}

void saveLeagueForm(QSettings &settings, const QString &group, const LeagueForm &form)
{
    settings.remove(group);
    settings.setValue(group + QStringLiteral("/teamCount"), form.teamCount);
    settings.setValue(group + QStringLiteral("/games"), form.games);
    if (form.pairGames)
        settings.setValue(group + QStringLiteral("/pairGames"), *form.pairGames);
    for (int row = 0; row < maxLeagueTeams; ++row) {
        const LeagueTeam &t = form.teams.at(row);
        settings.setValue(teamKey(group, row, "name"), t.name);
        settings.setValue(teamKey(group, row, "wins"), t.wins);
        settings.setValue(teamKey(group, row, "losses"), t.losses);
        settings.setValue(teamKey(group, row, "draws"), t.draws);
        settings.setValue(teamKey(group, row, "lastRank"), t.lastRank);
    }
    for (int pair = 0; pair < pairCount; ++pair) {
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
    // An earlier version wrote 0 for a カード試合数 not entered; it reads as not entered.
    form.pairGames = storedNumber(
        settings, group + QStringLiteral("/pairGames"), minPairGames, maxPairGames);
    for (int row = 0; row < maxLeagueTeams; ++row) {
        const auto count = [&](const char *field, int maximum) {
            return storedNumber(settings, teamKey(group, row, field), 0, maximum).value_or(0);
        };
        form.teams.at(row) = { fittedName(settings.value(teamKey(group, row, "name")).toString()),
            count("wins", maxSeasonGames), count("losses", maxSeasonGames),
            count("draws", maxSeasonGames), count("lastRank", maxLeagueTeams) };
    }
    for (int pair = 0; pair < pairCount; ++pair) {
        const auto figure = [&](const char *field) {
            return storedNumber(settings, pairKey(group, pair, field), 0, maxPairGames);
        };
        form.pairs.at(pair)
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
        leagues.forms.at(league) = loadLeagueForm(settings, leagueGroups[league]);
    return leagues;
}

} // namespace calc

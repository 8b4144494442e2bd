#pragma once

// Leagues written as one line of text for the league engine's tables.

#include "calculators/team/league/league.h"
#include "calculators/team/league/saved.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <tuple>

namespace testing {


// "巨人 47 22 4 1, 阪神 36 34 4 3": name (_ for none), wins, losses, draws, last season's rank.
inline QList<calc::LeagueTeam> teams(const QString &text)
{
    QList<calc::LeagueTeam> list;
    for (const QString &team : text.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QStringList f = team.split(u' ');
        list.append({ f.at(0) == u"_" ? QString() : f.at(0), f.at(1).toInt(), f.at(2).toInt(),
            f.at(3).toInt(), f.at(4).toInt() });
    }
    return list;
}

inline std::optional<int> figure(const QString &text)
{
    return text == u"?" ? std::nullopt : std::optional<int>(text.toInt());
}

// "12 3 1 9, ? ? ? 0": each pair's wins of the first team, of the second, draws, games left;
// ? for a figure not entered.
inline QList<calc::PairRecord> pairs(const QString &text)
{
    QList<calc::PairRecord> list;
    for (const QString &pair : text.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QStringList f = pair.split(u' ');
        list.append({ figure(f.at(0)), figure(f.at(1)), figure(f.at(2)), figure(f.at(3)) });
    }
    return list;
}

inline QString text(const std::optional<int> &figure)
{
    return figure ? QString::number(*figure) : QStringLiteral("?");
}

// The values of `saved` that differ from a new form's, one per item: "league=1",
// "セ.games=143", "セ.team1=巨人 63 35 4 1", "セ.pair1=12 10 1 ?".
inline QStringList changed(const calc::SavedLeagues &saved)
{
    QStringList items;
    if (saved.league != 0)
        items.append(QStringLiteral("league=%1").arg(saved.league));
    const calc::LeagueForm fresh;
    for (int league = 0; league < 2; ++league) {
        const calc::LeagueForm &form = saved.forms.at(league);
        const QString prefix = league == 0 ? QStringLiteral("セ.") : QStringLiteral("パ.");
        for (const auto &[name, value, usual] :
            { std::tuple("teamCount", form.teamCount, fresh.teamCount),
                std::tuple("games", form.games, 0),
                std::tuple("pairGames", form.pairGames.value_or(0), 0) }) {
            if (value != usual)
                items.append(prefix + QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(value));
        }
        for (int row = 0; row < calc::maxLeagueTeams; ++row) {
            const calc::LeagueTeam &t = form.teams.at(row);
            const QString team = QStringLiteral("%1 %2 %3 %4 %5")
                                     .arg(t.name)
                                     .arg(t.wins)
                                     .arg(t.losses)
                                     .arg(t.draws)
                                     .arg(t.lastRank);
            if (team != QStringLiteral(" 0 0 0 0"))
                items.append(prefix + QStringLiteral("team%1=%2").arg(row + 1).arg(team));
        }
        for (int pair = 0; pair < calc::pairCount; ++pair) {
            const calc::PairRecord &p = form.pairs.at(pair);
            const QString figures = QStringList { text(p.firstWins), text(p.secondWins),
                text(p.draws), text(p.remaining) }
                                        .join(u' ');
            if (figures != QStringLiteral("? ? ? ?"))
                items.append(prefix + QStringLiteral("pair%1=%2").arg(pair + 1).arg(figures));
        }
    }
    return items;
}

// A form of `teams` (as teams() reads them) counted from the first row, with the pairs (as
// pairs() reads them) in the order of those rows: (A, B), (A, C), ..., (B, C), ...; a
// カード試合数 of 0 is not entered.
inline calc::LeagueForm leagueForm(int games, int pairGames, const QString &teamText, const QString &pairText)
{
    calc::LeagueForm form;
    const QList<calc::LeagueTeam> given = teams(teamText);
    form.teamCount = int(given.size());
    form.games = games;
    if (pairGames != 0)
        form.pairGames = pairGames;
    for (int row = 0; row < given.size() && row < calc::maxLeagueTeams; ++row)
        form.teams.at(row) = given.at(row);
    const QList<calc::PairRecord> records = pairs(pairText);
    int next = 0;
    for (int i = 0; i < form.teamCount; ++i) {
        for (int j = i + 1; j < form.teamCount && j < calc::maxLeagueTeams && next < records.size(); ++j)
            form.pairs.at(calc::pairIndex(i, j)) = records.at(next++);
    }
    return form;
}

inline calc::League league(const QString &name)
{
    return name == u"パ" ? calc::League::Pacific : calc::League::Central;
}

} // namespace testing

#include "calculators/team/league/form.h"

#include "calculators/team/league/pastedtable.h"
#include "calculators/team/league/season.h"

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
        const QString name = fittedName(team.name);
        int old = rowOf(form.teams, name);
        if (from.contains(old))
            old = -1;
        from.append(old);
        rows.append({ name, team.wins, team.losses, team.draws,
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

// Why the games left typed for the pair of rows i and j cannot be after a pasted day, or an
// empty text: more than either team has left, more than the card or the season holds, or with
// the team's other typed games left more than it has left.
QString impossibleLeft(const Season &s, int i, int j)
{
    const qint64 left = *s.typedLeft[i][j];
    for (int k : { i, j }) {
        if (left > s.remaining.at(k))
            return QStringLiteral("%1の残り%2試合を超えます").arg(s.names.at(k)).arg(s.remaining.at(k));
    }
    if (s.pairGames && s.playedAtLeast(i, j) + left > *s.pairGames)
        return QStringLiteral("カード試合数%1を超えます").arg(*s.pairGames);
    for (int k : { i, j }) {
        qint64 typed = 0;
        for (int other = 0; other < s.size(); ++other)
            typed += other == k ? 0 : s.typedLeft[k][other].value_or(0);
        if (typed > s.remaining.at(k))
            return QStringLiteral("%1の残り%2試合を超えます").arg(s.names.at(k)).arg(s.remaining.at(k));
    }
    return {};
}

// Yesterday's typed games left that today's standings make impossible go back to what follows
// from カード試合数 (or to 未入力); the note names each card, what it now shows, and why.
QString resetImpossibleLeft(LeagueForm &form)
{
    if (form.games <= 0 || form.teamCount < minLeagueTeams || form.teamCount > maxLeagueTeams)
        return {};
    const Season season(League::Central, form);
    QStringList reset;
    for (int index = 0; index < pairCount; ++index) {
        const auto [i, j] = pairRows(index);
        if (j >= form.teamCount || !form.pairs.at(index).remaining)
            continue;
        const QString why = impossibleLeft(season, i, j);
        if (why.isEmpty())
            continue;
        const int typed = *form.pairs.at(index).remaining;
        form.pairs.at(index).remaining.reset();
        const std::optional<int> derived = derivedRemaining(form, index);
        reset.append(QStringLiteral("%1 %2→%3（%4）")
                         .arg(cardName(form, index))
                         .arg(typed)
                         .arg(derived ? QStringLiteral("(%1)").arg(*derived) : QStringLiteral("未入力"),
                             why));
    }
    return reset.isEmpty() ? QString()
                           : QStringLiteral("（合わない残りを戻しました: %1）").arg(reset.join(u'、'));
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
    QStringList beyond;
    for (const TablePair &pair : table.pairs) {
        const int i = rowOf(result.teams, fittedName(pair.first));
        const int j = rowOf(result.teams, fittedName(pair.second));
        if (i < 0 || j < 0 || i == j)
            continue;
        if (std::max({ pair.firstWins, pair.secondWins, pair.draws }) > maxPairGames)
            beyond.append(teamName(result, i) + u'–' + teamName(result, j));
        else
            result.setPair(i, j, { pair.firstWins, pair.secondWins, pair.draws, std::nullopt });
    }
    QString summary = table.summary;
    if (!beyond.isEmpty())
        summary += QStringLiteral("（%1は対戦成績が%2を超えるので読みません）")
                       .arg(beyond.join(u'、'))
                       .arg(maxPairGames);
    if (!table.teams.isEmpty())
        summary += resetImpossibleLeft(result);
    return { result, summary };
}

} // namespace calc

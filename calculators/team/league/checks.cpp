#include "calculators/team/league/checks.h"

#include "calculators/team/league/season.h"

#include <algorithm>
#include <tuple>

namespace calc {

namespace {

// A figure outside minimum..maximum, as an error text naming it, or an empty text.
QString outOfRange(const QString &what, qint64 value, int maximum, int minimum = 0)
{
    return value < minimum || value > maximum
        ? QStringLiteral("%1は%2から%3までです").arg(what).arg(minimum).arg(maximum)
        : QString();
}
QString outOfRange(const QString &what, const std::optional<int> &value, int maximum, int minimum = 0)
{
    return value ? outOfRange(what, *value, maximum, minimum) : QString();
}

// A row the user meant to fill, names that cannot tell teams apart, tie-break keys given twice.
QString rowError(const Season &s)
{
    for (int i = 0; i < s.size(); ++i) {
        const LeagueTeam &t = s.teams.at(i);
        if (t.name.trimmed().isEmpty() && t.wins == 0 && t.losses == 0 && t.draws == 0)
            return QStringLiteral("%1行が空です").arg(s.names.at(i));
    }
    for (int i = 0; i < s.size(); ++i) {
        if (s.names.indexOf(s.names.at(i)) != i)
            return QStringLiteral("チーム名「%1」が重複しています").arg(s.names.at(i));
    }
    for (int i = 0; i < s.size(); ++i) {
        QStringList same;
        for (int j = 0; j < s.size(); ++j) {
            if (s.teams.at(i).lastRank > 0 && s.teams.at(j).lastRank == s.teams.at(i).lastRank)
                same.append(s.names.at(j));
        }
        if (same.size() > 1)
            return QStringLiteral("前年順位が同じチームがあります: %1").arg(same.join(u'、'));
    }
    for (int i = 0; i < s.size(); ++i) {
        const QString &name = s.names.at(i);
        if (s.remaining.at(i) < 0)
            return QStringLiteral("%1の勝敗と引分が全試合数を超えています").arg(name);
        if (s.teams.at(i).draws == s.games)
            return QStringLiteral("%1の引分が全試合数と同じです").arg(name);
    }
    return {};
}

// A card's own figures beyond what the card can hold: blamed on the card, before any total.
QString cardError(const Season &s, int i, int j)
{
    const QString card = s.names.at(i) + u'–' + s.names.at(j);
    const std::optional<qint64> left = s.knownLeft(i, j);
    if (s.pairGames && s.playedAtLeast(i, j) + s.typedLeft[i][j].value_or(0) > *s.pairGames)
        return QStringLiteral("%1の対戦成績と残りがカード試合数を超えています").arg(card);
    const qint64 meetings = s.won[i][j].value_or(0) + s.won[j][i].value_or(0) + left.value_or(0);
    if (meetings > s.games - std::max(s.teams.at(i).draws, s.teams.at(j).draws))
        return QStringLiteral("%1の対戦成績と残りが全試合数−引分を超えています").arg(card);
    for (int k : { i, j }) {
        if (left.value_or(0) > s.remaining.at(k))
            return QStringLiteral("%1の残り直接対決が%2の残り試合数を超えています")
                .arg(card, s.names.at(k));
    }
    return {};
}

// A team's head-to-head figures over all its cards beyond its own record.
QString totalError(const Season &s, int i)
{
    qint64 wins = 0;
    qint64 losses = 0;
    qint64 draws = 0;
    qint64 left = 0;
    for (int j = 0; j < s.size(); ++j) {
        if (j == i)
            continue;
        wins += s.won[i][j].value_or(0);
        losses += s.won[j][i].value_or(0);
        draws += s.drawn[i][j].value_or(0);
        left += s.knownLeft(i, j).value_or(0);
    }
    const LeagueTeam &t = s.teams.at(i);
    for (const auto &[sum, total, what] : { std::tuple(wins, t.wins, u"勝数"),
             std::tuple(losses, t.losses, u"敗数"), std::tuple(draws, t.draws, u"引分") }) {
        if (sum > total)
            return QStringLiteral("%1の対戦成績の%2の合計が%2を超えています")
                .arg(s.names.at(i), QString::fromUtf16(what));
    }
    if (left > s.remaining.at(i))
        return QStringLiteral("%1の残り直接対決が残り試合数を超えています").arg(s.names.at(i));
    return {};
}

} // namespace

// Within the form's limits no sum the rules make can overflow (at most 6 x 999 or 999 x 999).
QString rangeError(const LeagueForm &form)
{
    if (form.teamCount < minLeagueTeams || form.teamCount > maxLeagueTeams)
        return QStringLiteral("チーム数は%1から%2までです").arg(minLeagueTeams).arg(maxLeagueTeams);
    if (QString e = outOfRange(QStringLiteral("全試合数"), form.games, maxSeasonGames); !e.isEmpty())
        return e;
    if (QString e = outOfRange(QStringLiteral("カード試合数"), form.pairGames, maxPairGames, minPairGames);
        !e.isEmpty())
        return e;
    for (int i = 0; i < form.teamCount; ++i) {
        const LeagueTeam &t = form.teams.at(i);
        const QString name = teamName(t.name, i);
        for (const auto &[what, value, maximum] :
            { std::tuple(QStringLiteral("勝数"), t.wins, maxSeasonGames),
                std::tuple(QStringLiteral("敗数"), t.losses, maxSeasonGames),
                std::tuple(QStringLiteral("引分"), t.draws, maxSeasonGames),
                std::tuple(QStringLiteral("前年順位"), t.lastRank, maxLeagueTeams) }) {
            if (QString e = outOfRange(name + QStringLiteral("の") + what, value, maximum);
                !e.isEmpty())
                return e;
        }
    }
    for (int index = 0; index < pairCount; ++index) {
        const auto [i, j] = pairRows(index);
        if (j >= form.teamCount)
            continue;
        const PairRecord &p = form.pairs.at(index);
        const QString card = cardName(form, index) + u' ';
        for (const auto &[what, value] :
            { std::pair(teamName(form, i) + QStringLiteral("の勝数"), p.firstWins),
                std::pair(teamName(form, j) + QStringLiteral("の勝数"), p.secondWins),
                std::pair(QStringLiteral("引分"), p.draws),
                std::pair(QStringLiteral("残り直接対決"), p.remaining) }) {
            if (QString e = outOfRange(card + what, value, maxPairGames); !e.isEmpty())
                return e;
        }
    }
    return {};
}

QString consistencyError(const Season &s)
{
    if (s.games == 0)
        return QStringLiteral("全試合数が0です");
    if (QString e = rowError(s); !e.isEmpty())
        return e;
    for (int i = 0; i < s.size(); ++i) {
        for (int j = i + 1; j < s.size(); ++j) {
            if (QString e = cardError(s, i, j); !e.isEmpty())
                return e;
        }
    }
    for (int i = 0; i < s.size(); ++i) {
        if (QString e = totalError(s, i); !e.isEmpty())
            return e;
    }
    return {};
}

QString inputError(League league, const LeagueForm &form)
{
    if (QString range = rangeError(form); !range.isEmpty())
        return range;
    return consistencyError(Season(league, form));
}

} // namespace calc

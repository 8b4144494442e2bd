#include "calculators/team/league/league.h"

#include <tuple>

namespace calc {

bool operator==(const LeagueTeam &a, const LeagueTeam &b)
{
    return std::tie(a.name, a.wins, a.losses, a.draws, a.lastRank)
        == std::tie(b.name, b.wins, b.losses, b.draws, b.lastRank);
}

bool operator==(const PairRecord &a, const PairRecord &b)
{
    return std::tie(a.firstWins, a.secondWins, a.draws, a.remaining)
        == std::tie(b.firstWins, b.secondWins, b.draws, b.remaining);
}

bool operator==(const LeagueForm &a, const LeagueForm &b)
{
    return std::tie(a.teamCount, a.games, a.pairGames, a.teams, a.pairs)
        == std::tie(b.teamCount, b.games, b.pairGames, b.teams, b.pairs);
}

PairRecord LeagueForm::pair(int i, int j) const
{
    Q_ASSERT(i != j);
    if (i < j)
        return pairs.at(pairIndex(i, j));
    const PairRecord &p = pairs.at(pairIndex(j, i));
    return { p.secondWins, p.firstWins, p.draws, p.remaining };
}

void LeagueForm::setPair(int i, int j, const PairRecord &seenFromI)
{
    Q_ASSERT(i != j);
    const PairRecord &p = seenFromI;
    if (i < j)
        pairs.at(pairIndex(i, j)) = p;
    else
        pairs.at(pairIndex(j, i)) = { p.secondWins, p.firstWins, p.draws, p.remaining };
}

QString fittedName(const QString &name)
{
    QString fitted;
    for (const QChar c : name) {
        if (c.isPrint())
            fitted.append(c);
    }
    return fitted.left(maxTeamNameLength).trimmed();
}

QString teamName(const QString &typed, int index)
{
    const QString name = typed.trimmed();
    return name.isEmpty() ? QString(QChar(u'A' + index)) : name;
}

QString teamName(const LeagueForm &form, int row)
{
    return teamName(form.teams.at(row).name, row);
}

std::optional<int> derivedRemaining(const LeagueForm &form, int index)
{
    const PairRecord &p = form.pairs.at(index);
    if (p.remaining || !form.pairGames || !p.firstWins || !p.secondWins || !p.draws)
        return std::nullopt;
    const qint64 left = qint64(*form.pairGames) - *p.firstWins - *p.secondWins - *p.draws;
    return left >= 0 && left <= maxPairGames ? std::optional<int>(int(left)) : std::nullopt;
}

QString cardName(const LeagueForm &form, int index)
{
    const PairRows rows = pairRows(index);
    return teamName(form, rows.first) + u'–' + teamName(form, rows.second);
}

} // namespace calc

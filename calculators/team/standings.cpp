#include "calculators/team/standings.h"

#include "calculators/common/inputs.h"
#include "calculators/common/results.h"
#include "calculators/team/teamstats.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <vector>

namespace calc {

namespace {

constexpr int maxTeams = 6;

// One team's record as it meets one other team, in some scenario or as it stands.
struct Side
{
    qint64 wins;
    qint64 decided; // wins and losses; none decided counts as a percentage of 0
    int headToHead; // wins against that other team
    int lastRank;
};

// Whether `a` ranks surely above `b`: a higher winning percentage, or an equal one that the
// league's tie-break gives to `a` as far as the entered figures go. What they cannot decide
// counts against `a`.
bool surelyAbove(const Side &a, const Side &b, League league)
{
    // Cross-multiplied in 64 bits, never as doubles.
    const qint64 left = a.wins * std::max<qint64>(b.decided, 1);
    const qint64 right = b.wins * std::max<qint64>(a.decided, 1);
    if (left != right)
        return left > right;
    if (league == League::Central && a.wins != b.wins)
        return a.wins > b.wins;
    if (a.headToHead != b.headToHead)
        return a.headToHead > b.headToHead;
    if (league == League::Central && a.lastRank > 0 && b.lastRank > 0)
        return a.lastRank < b.lastRank;
    return false;
}

// The league with every team's remaining games and both sides of every pair at hand.
struct Table
{
    League league;
    int games;
    QList<LeagueTeam> teams;
    QStringList names;
    QList<int> remaining;
    std::array<std::array<int, maxTeams>, maxTeams> won {}; // won[i][j]: i's wins against j
    std::array<std::array<int, maxTeams>, maxTeams> left {}; // games between i and j to play

    explicit Table(const LeagueInput &input)
        : league(input.league)
        , games(input.games)
        , teams(input.teams.mid(0, maxTeams))
    {
        for (qsizetype i = 0; i < teams.size(); ++i) {
            const LeagueTeam &t = teams.at(i);
            names.append(teamName(t.name, int(i)));
            remaining.append(games - t.wins - t.losses - t.draws);
        }
        qsizetype pair = 0;
        for (qsizetype i = 0; i < teams.size(); ++i) {
            for (qsizetype j = i + 1; j < teams.size(); ++j, ++pair) {
                const PairRecord p = input.pairs.value(pair);
                won[i][j] = p.firstWins;
                won[j][i] = p.secondWins;
                left[i][j] = left[j][i] = p.remaining;
            }
        }
    }

    int size() const { return int(teams.size()); }
    qint64 decidedAtEnd(int i) const { return games - teams.at(i).draws; }

    // The first input error, in the order a user would fix them, or an empty text.
    QString error() const
    {
        const QString error = QStringLiteral("入力エラー: ");
        if (games == 0)
            return error + QStringLiteral("全試合数が0です");
        for (int i = 0; i < size(); ++i) {
            if (names.indexOf(names.at(i)) != i)
                return error + QStringLiteral("チーム名「%1」が重複しています").arg(names.at(i));
        }
        for (int i = 0; i < size(); ++i) {
            const QString &name = names.at(i);
            if (remaining.at(i) < 0)
                return error + QStringLiteral("%1の勝敗と引分が全試合数を超えています").arg(name);
            if (teams.at(i).draws == games)
                return error + QStringLiteral("%1の引分が全試合数と同じです").arg(name);
            int headToHead = 0;
            for (int j = 0; j < size(); ++j)
                headToHead += left[i][j];
            if (headToHead > remaining.at(i))
                return error
                    + QStringLiteral("%1の残り直接対決が残り試合数を超えています").arg(name);
        }
        for (int i = 0; i < size(); ++i) {
            for (int j = i + 1; j < size(); ++j) {
                const int meetings = won[i][j] + won[j][i] + left[i][j];
                if (meetings > games - std::max(teams.at(i).draws, teams.at(j).draws))
                    return error
                        + QStringLiteral("%1–%2の対戦成績と残りが全試合数−引分を超えています")
                              .arg(names.at(i), names.at(j));
            }
        }
        return {};
    }

    // i as it stands, met with j.
    Side now(int i, int j) const
    {
        const LeagueTeam &t = teams.at(i);
        return { t.wins, t.wins + t.losses, won[i][j], t.lastRank };
    }

    // i at the end of a scenario with `wins` wins in all and no further draw, having won
    // `extra` of the games left against j.
    Side atEnd(int i, int j, qint64 wins, int extra) const
    {
        return { wins, decidedAtEnd(i), won[i][j] + extra, teams.at(i).lastRank };
    }

    qint64 bestWins(int i) const { return teams.at(i).wins + remaining.at(i); }

    // i wins every game left, j every other one of its own.
    bool canWinOnOwn(int i) const
    {
        for (int j = 0; j < size(); ++j) {
            if (j != i
                && !surelyAbove(atEnd(i, j, bestWins(i), left[i][j]),
                    atEnd(j, i, bestWins(j) - left[i][j], 0), league))
                return false;
        }
        return true;
    }

    // i with `wins` more wins and its other games lost, against j winning everything left,
    // the games against i included.
    bool clinchedAgainst(int i, int j, int wins) const
    {
        return surelyAbove(
            atEnd(i, j, teams.at(i).wins + wins, 0), atEnd(j, i, bestWins(j), left[i][j]), league);
    }

    // Lit when i, losing only to j, still finishes surely above each j winning all it has left.
    bool magicLit(int i) const
    {
        for (int j = 0; j < size(); ++j) {
            if (j != i && !clinchedAgainst(i, j, remaining.at(i) - left[i][j]))
                return false;
        }
        return true;
    }

    // The fewest further wins i needs against j; it exists once the magic number is lit.
    int magicAgainst(int i, int j) const
    {
        int wins = 0;
        while (wins < remaining.at(i) && !clinchedAgainst(i, j, wins))
            ++wins;
        return wins;
    }

    // Ranks on the records as they stand: i is above j as the tie-break rules say, above
    // whoever j is above, and so on. Teams above each other that way (head-to-head records can
    // go round in a circle) are equal; a team's rank is one more than the teams strictly above it.
    QList<int> ranks() const
    {
        std::array<std::array<bool, maxTeams>, maxTeams> above {};
        for (int i = 0; i < size(); ++i) {
            for (int j = 0; j < size(); ++j)
                above[i][j] = i != j && surelyAbove(now(i, j), now(j, i), league);
        }
        for (int k = 0; k < size(); ++k) {
            for (int i = 0; i < size(); ++i) {
                for (int j = 0; j < size(); ++j)
                    above[i][j] = above[i][j] || (above[i][k] && above[k][j]);
            }
        }
        QList<int> rank;
        for (int i = 0; i < size(); ++i) {
            int strictlyAbove = 0;
            for (int k = 0; k < size(); ++k)
                strictlyAbove += above[k][i] && !above[i][k];
            rank.append(1 + strictlyAbove);
        }
        return rank;
    }
};

// Games behind as the games-behind calculator writes them (exact in halves).
QString behind(const LeagueTeam &upper, const LeagueTeam &lower)
{
    return decimalResult(gamesBehind(upper.wins, upper.losses, lower.wins, lower.losses), 1);
}

bool isDash(const QString &token)
{
    static const QRegularExpression dashes(QStringLiteral("^[-−－‐―—]+$"));
    return dashes.match(token).hasMatch();
}

} // namespace

QString teamName(const QString &typed, int index)
{
    const QString name = typed.trimmed();
    return name.isEmpty() ? QString(QChar(u'A' + index)) : name;
}

Standings standings(const LeagueInput &input)
{
    const Table table(input);
    if (const QString error = table.error(); !error.isEmpty())
        return { {}, error };

    const QList<int> rank = table.ranks();
    std::vector<int> order(table.size());
    for (int i = 0; i < table.size(); ++i)
        order[i] = i;
    std::stable_sort(
        order.begin(), order.end(), [&rank](int a, int b) { return rank[a] < rank[b]; });

    int leader = -1;
    for (int i = 0; i < table.size() && leader < 0; ++i) {
        if (table.magicLit(i))
            leader = i;
    }
    int magic = 0;
    QStringList targets;
    if (leader >= 0) {
        QList<int> needed(table.size(), -1);
        for (int j = 0; j < table.size(); ++j) {
            if (j != leader) {
                needed[j] = table.magicAgainst(leader, j);
                magic = std::max(magic, needed[j]);
            }
        }
        for (int j : order) {
            if (needed[j] == magic)
                targets.append(table.names.at(j));
        }
    }

    Standings result;
    for (std::size_t row = 0; row < order.size(); ++row) {
        const int i = order[row];
        const LeagueTeam &t = table.teams.at(i);
        const LeagueTeam &first = table.teams.at(order.front());
        const LeagueTeam &above = table.teams.at(order[row == 0 ? 0 : row - 1]);
        result.rows.append({ wholeResult(rank[i]), table.names.at(i), wholeResult(t.wins),
            wholeResult(t.losses), wholeResult(t.draws), wholeResult(table.remaining.at(i)),
            roundedRatio(winningPercentage(t.wins, t.losses), 3),
            row == 0 ? QStringLiteral("-") : behind(above, t),
            row == 0 ? QStringLiteral("-") : behind(first, t),
            table.canWinOnOwn(i) ? QStringLiteral("有") : QStringLiteral("無"),
            i == leader ? wholeResult(magic) : QString() });
    }
    if (leader < 0)
        result.summary = QStringLiteral("マジック点灯なし");
    else if (magic == 0)
        result.summary = QStringLiteral("優勝 %1").arg(table.names.at(leader));
    else
        result.summary = QStringLiteral("マジック %1 %2（対象: %3）")
                             .arg(wholeResult(magic), table.names.at(leader), targets.join(u'、'));
    return result;
}

QList<PastedTeam> parseStandings(const QString &text)
{
    static const QRegularExpression separators(
        QStringLiteral("\\s+"), QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression whole(QStringLiteral("^[0-9]+$"));
    QList<PastedTeam> teams;
    for (const QString &line : text.split(u'\n')) {
        QString name;
        QList<int> numbers;
        for (const QString &token : asciiDigits(line).split(separators, Qt::SkipEmptyParts)) {
            if (isDash(token) || token.contains(u'.') || token.contains(u'．'))
                continue;
            if (!whole.match(token).hasMatch()) {
                if (name.isEmpty())
                    name = token;
            } else if (!name.isEmpty()) {
                QString digits = token;
                while (digits.size() > 1 && digits.startsWith(u'0'))
                    digits.remove(0, 1);
                // Four digits are beyond every count: 1000 stands for all of them.
                numbers.append(digits.size() > 3 ? 1000 : digits.toInt());
            }
        }
        if (numbers.size() >= 4) {
            if (numbers.at(0) != numbers.at(1) + numbers.at(2) + numbers.at(3))
                continue;
            numbers.removeFirst();
        }
        if (name.isEmpty() || numbers.size() < 3
            || std::any_of(numbers.cbegin(), numbers.cbegin() + 3, [](int n) { return n > 999; }))
            continue;
        teams.append({ name, numbers.at(0), numbers.at(1), numbers.at(2) });
    }
    return teams;
}

} // namespace calc

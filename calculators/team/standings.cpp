#include "calculators/team/standings.h"

#include "calculators/common/results.h"
#include "calculators/team/teamstats.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>
#include <vector>

namespace calc {

namespace {

constexpr int maxTeams = maxLeagueTeams;

// How a tie-break that the entered figures cannot decide is counted.
enum class Unknown {
    Against, // against the team that needs it: what holds whatever the figures are
    For, // for it: what can still happen
};

// One team's record as it meets one other team, in some scenario or as it stands.
struct Side
{
    qint64 wins;
    qint64 decided; // wins and losses; none decided counts as a percentage of 0
    std::optional<qint64> headToHead; // wins against that other team, when known
    int lastRank;
};

// Whether `a` ranks surely above `b`: a higher winning percentage, or an equal one that the
// league's tie-break gives to `a` as far as the entered figures go. What they leave undecided
// counts as `unknown` says; a tie nothing breaks counts against `a`.
bool surelyAbove(const Side &a, const Side &b, League league, Unknown unknown = Unknown::Against)
{
    // Cross-multiplied in 64 bits, never as doubles.
    const qint64 left = a.wins * std::max<qint64>(b.decided, 1);
    const qint64 right = b.wins * std::max<qint64>(a.decided, 1);
    if (left != right)
        return left > right;
    if (league == League::Central && a.wins != b.wins)
        return a.wins > b.wins;
    if (!a.headToHead || !b.headToHead)
        return unknown == Unknown::For;
    if (*a.headToHead != *b.headToHead)
        return *a.headToHead > *b.headToHead;
    if (league == League::Central && a.lastRank > 0 && b.lastRank > 0)
        return a.lastRank < b.lastRank;
    return false;
}

template <typename T> using Grid = std::array<std::array<T, maxTeams>, maxTeams>;

// A figure outside 0..maximum, as an error text naming it, or an empty text.
QString outOfRange(const QString &what, qint64 value, int maximum)
{
    return value < 0 || value > maximum
        ? QStringLiteral("%1は0から%2までです").arg(what).arg(maximum)
        : QString();
}
QString outOfRange(const QString &what, const std::optional<int> &value, int maximum)
{
    return value ? outOfRange(what, *value, maximum) : QString();
}

// Whatever a caller passes: the first figure beyond the dialog's limits, or an empty text.
// Within them no sum below can overflow (at most 6 x 999 or 999 x 999).
QString rangeError(const LeagueInput &input)
{
    const qsizetype teams = input.teams.size();
    if (teams < minLeagueTeams || teams > maxLeagueTeams)
        return QStringLiteral("チーム数は%1から%2までです").arg(minLeagueTeams).arg(maxLeagueTeams);
    if (input.pairs.size() > teams * (teams - 1) / 2)
        return QStringLiteral("対戦成績の数がチーム数の組み合わせより多いです");
    QString error = outOfRange(QStringLiteral("全試合数"), input.games, maxSeasonGames);
    if (error.isEmpty())
        error = outOfRange(QStringLiteral("カード試合数"), input.pairGames, maxPairGames);
    QStringList names;
    for (qsizetype i = 0; i < teams && error.isEmpty(); ++i) {
        const LeagueTeam &t = input.teams.at(i);
        const QString name = teamName(t.name, int(i));
        names.append(name);
        for (const auto &[what, value, maximum] :
            { std::tuple(QStringLiteral("勝数"), t.wins, maxSeasonGames),
                std::tuple(QStringLiteral("敗数"), t.losses, maxSeasonGames),
                std::tuple(QStringLiteral("引分"), t.draws, maxSeasonGames),
                std::tuple(QStringLiteral("前年順位"), t.lastRank, maxLeagueTeams) }) {
            if (error.isEmpty())
                error = outOfRange(name + QStringLiteral("の") + what, value, maximum);
        }
    }
    qsizetype pair = 0;
    for (qsizetype i = 0; i < teams; ++i) {
        for (qsizetype j = i + 1; j < teams && pair < input.pairs.size(); ++j, ++pair) {
            const PairRecord &p = input.pairs.at(pair);
            const QString card = names.at(i) + u'–' + names.at(j) + u' ';
            for (const auto &[what, value] :
                { std::pair(names.at(i) + QStringLiteral("の勝数"), p.firstWins),
                    std::pair(names.at(j) + QStringLiteral("の勝数"), p.secondWins),
                    std::pair(QStringLiteral("引分"), p.draws),
                    std::pair(QStringLiteral("残り直接対決"), p.remaining) }) {
                if (error.isEmpty())
                    error = outOfRange(card + what, value, maxPairGames);
            }
        }
    }
    return error;
}

// The league with every team's remaining games and both sides of every pair at hand.
struct Table
{
    League league;
    qint64 games;
    qint64 pairGames;
    QList<LeagueTeam> teams;
    QStringList names;
    QList<qint64> remaining;
    Grid<std::optional<int>> won {}; // won[i][j]: i's wins against j
    Grid<std::optional<int>> drawn {};
    Grid<std::optional<int>> typedLeft {}; // games between i and j to play, as entered

    explicit Table(const LeagueInput &input)
        : league(input.league)
        , games(input.games)
        , pairGames(input.pairGames)
        , teams(input.teams)
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
                drawn[i][j] = drawn[j][i] = p.draws;
                typedLeft[i][j] = typedLeft[j][i] = p.remaining;
            }
        }
    }

    int size() const { return int(teams.size()); }
    qint64 decidedAtEnd(int i) const { return games - teams.at(i).draws; }

    // The games i and j have played each other, counting what is not known as none.
    qint64 playedAtLeast(int i, int j) const
    {
        return won[i][j].value_or(0) + won[j][i].value_or(0) + drawn[i][j].value_or(0);
    }

    // The games left between i and j, as entered or as they follow from the games per pair
    // and a complete record; empty when unknown.
    std::optional<qint64> knownLeft(int i, int j) const
    {
        if (typedLeft[i][j])
            return *typedLeft[i][j];
        if (pairGames > 0 && won[i][j] && won[j][i] && drawn[i][j])
            return pairGames - playedAtLeast(i, j);
        return std::nullopt;
    }

    // Every value the games left between i and j can take.
    std::pair<qint64, qint64> leftRange(int i, int j) const
    {
        if (const auto left = knownLeft(i, j))
            return { *left, *left };
        qint64 most = std::min(remaining.at(i), remaining.at(j));
        if (pairGames > 0)
            most = std::min(most, pairGames - playedAtLeast(i, j));
        return { 0, std::max<qint64>(most, 0) };
    }

    bool anyUnknown(int i, int j) const
    {
        return !won[i][j] || !won[j][i] || !drawn[i][j] || !knownLeft(i, j);
    }

    // The first input error, in the order a user would fix them, or an empty text.
    QString error() const
    {
        if (games == 0)
            return QStringLiteral("全試合数が0です");
        for (int i = 0; i < size(); ++i) {
            const LeagueTeam &t = teams.at(i);
            if (t.name.trimmed().isEmpty() && t.wins == 0 && t.losses == 0 && t.draws == 0)
                return QStringLiteral("%1行が空です").arg(names.at(i));
        }
        for (int i = 0; i < size(); ++i) {
            if (names.indexOf(names.at(i)) != i)
                return QStringLiteral("チーム名「%1」が重複しています").arg(names.at(i));
        }
        for (int i = 0; i < size(); ++i) {
            const QString &name = names.at(i);
            if (remaining.at(i) < 0)
                return QStringLiteral("%1の勝敗と引分が全試合数を超えています").arg(name);
            if (teams.at(i).draws == games)
                return QStringLiteral("%1の引分が全試合数と同じです").arg(name);
        }
        for (int i = 0; i < size(); ++i) {
            qint64 wins = 0;
            qint64 losses = 0;
            qint64 draws = 0;
            for (int j = 0; j < size(); ++j) {
                wins += won[i][j].value_or(0);
                losses += won[j][i].value_or(0);
                draws += i == j ? 0 : drawn[i][j].value_or(0);
            }
            const LeagueTeam &t = teams.at(i);
            for (const auto &[sum, total, what] : { std::tuple(wins, t.wins, u"勝数"),
                     std::tuple(losses, t.losses, u"敗数"), std::tuple(draws, t.draws, u"引分") }) {
                if (sum > total)
                    return QStringLiteral("%1の対戦成績の%2の合計が%2を超えています")
                        .arg(names.at(i), QString::fromUtf16(what));
            }
        }
        for (int i = 0; i < size(); ++i) {
            for (int j = i + 1; j < size(); ++j) {
                const QString card = names.at(i) + u'–' + names.at(j);
                const std::optional<qint64> left = knownLeft(i, j);
                if (pairGames > 0 && playedAtLeast(i, j) + typedLeft[i][j].value_or(0) > pairGames)
                    return QStringLiteral("%1の対戦成績と残りがカード試合数を超えています")
                        .arg(card);
                const qint64 meetings
                    = won[i][j].value_or(0) + won[j][i].value_or(0) + left.value_or(0);
                if (meetings > games - std::max(teams.at(i).draws, teams.at(j).draws))
                    return QStringLiteral("%1の対戦成績と残りが全試合数−引分を超えています")
                        .arg(card);
                for (int k : { i, j }) {
                    if (left.value_or(0) > remaining.at(k))
                        return QStringLiteral("%1の残り直接対決が%2の残り試合数を超えています")
                            .arg(card, names.at(k));
                }
            }
        }
        for (int i = 0; i < size(); ++i) {
            qint64 headToHead = 0;
            for (int j = 0; j < size(); ++j)
                headToHead += i == j ? 0 : knownLeft(i, j).value_or(0);
            if (headToHead > remaining.at(i))
                return QStringLiteral("%1の残り直接対決が残り試合数を超えています")
                    .arg(names.at(i));
        }
        return {};
    }

    std::optional<qint64> headToHead(int i, int j, qint64 extra) const
    {
        if (!won[i][j] || !won[j][i])
            return std::nullopt;
        return *won[i][j] + extra;
    }

    // i as it stands, met with j.
    Side now(int i, int j) const
    {
        const LeagueTeam &t = teams.at(i);
        return { t.wins, t.wins + t.losses, headToHead(i, j, 0), t.lastRank };
    }

    // i at the end of a scenario with `wins` wins in all and no further draw, having won
    // `extra` of the games left against j.
    Side atEnd(int i, int j, qint64 wins, qint64 extra) const
    {
        return { wins, decidedAtEnd(i), headToHead(i, j, extra), teams.at(i).lastRank };
    }

    qint64 bestWins(int i) const { return teams.at(i).wins + remaining.at(i); }

    // Whether `holds` is true for every value the games left between i and j can take.
    template <typename Holds> bool forEveryLeft(int i, int j, Holds holds) const
    {
        const auto [least, most] = leftRange(i, j);
        for (qint64 left = least; left <= most; ++left) {
            if (!holds(left))
                return false;
        }
        return true;
    }

    // i wins every game left, j every other one of its own, with `left` games between them.
    bool staysAbove(int i, int j, qint64 left, Unknown unknown) const
    {
        return surelyAbove(
            atEnd(i, j, bestWins(i), left), atEnd(j, i, bestWins(j) - left, 0), league, unknown);
    }

    // 有 when i can win the pennant on its own whatever the unknown figures are, 無 when it
    // cannot whatever they are: against some j, for every value of theirs.
    QString ownChance(int i) const
    {
        bool always = true;
        bool never = false;
        for (int j = 0; j < size(); ++j) {
            if (j == i)
                continue;
            always = always && forEveryLeft(i, j, [&](qint64 left) {
                return staysAbove(i, j, left, Unknown::Against);
            });
            never = never || forEveryLeft(i, j, [&](qint64 left) {
                return !staysAbove(i, j, left, Unknown::For);
            });
        }
        return always ? QStringLiteral("有")
            : never   ? QStringLiteral("無")
                      : QStringLiteral("不明");
    }

    // i with `wins` more wins and its other games lost, against j winning everything left,
    // the `left` games against i included.
    bool clinchedAgainst(int i, int j, qint64 wins, qint64 left) const
    {
        return surelyAbove(
            atEnd(i, j, teams.at(i).wins + wins, 0), atEnd(j, i, bestWins(j), left), league);
    }

    // Lit when i, losing only to j, still finishes surely above each j winning all it has
    // left, for every value of the figures not entered.
    bool magicLit(int i) const
    {
        for (int j = 0; j < size(); ++j) {
            if (j != i && !forEveryLeft(i, j, [&](qint64 left) {
                    return clinchedAgainst(i, j, remaining.at(i) - left, left);
                }))
                return false;
        }
        return true;
    }

    // The fewest further wins that make i surely above j whatever the unknown figures are;
    // it exists once the magic number is lit. More wins never hurt, so it is searched in halves.
    qint64 magicAgainst(int i, int j) const
    {
        const auto [least, most] = leftRange(i, j);
        qint64 needed = 0;
        for (qint64 left = least; left <= most; ++left) {
            qint64 low = 0;
            qint64 high = remaining.at(i) - left; // clinched there, as the number is lit
            while (low < high) {
                const qint64 mid = low + (high - low) / 2;
                if (clinchedAgainst(i, j, mid, left))
                    high = mid;
                else
                    low = mid + 1;
            }
            needed = std::max(needed, low);
        }
        return needed;
    }

    // Ranks on the records as they stand: i is above j as the tie-break rules say, above
    // whoever j is above, and so on. Teams above each other that way (head-to-head records can
    // go round in a circle) are equal; a team's rank is one more than the teams strictly above it.
    QList<int> ranks() const
    {
        Grid<bool> above {};
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

} // namespace

QString teamName(const QString &typed, int index)
{
    const QString name = typed.trimmed();
    return name.isEmpty() ? QString(QChar(u'A' + index)) : name;
}

Standings standings(const LeagueInput &input)
{
    const QString error = QStringLiteral("入力エラー: ");
    if (const QString range = rangeError(input); !range.isEmpty())
        return { {}, error + range };
    const Table table(input);
    if (const QString inconsistent = table.error(); !inconsistent.isEmpty())
        return { {}, error + inconsistent };

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
    qint64 magic = 0;
    QStringList targets;
    if (leader >= 0) {
        QList<qint64> needed(table.size(), -1);
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
    int unknownPairs = 0;
    for (int i = 0; i < table.size(); ++i) {
        for (int j = i + 1; j < table.size(); ++j)
            unknownPairs += table.anyUnknown(i, j);
    }

    Standings result;
    for (std::size_t row = 0; row < order.size(); ++row) {
        const int i = order[row];
        const LeagueTeam &t = table.teams.at(i);
        const LeagueTeam &first = table.teams.at(order.front());
        const LeagueTeam &above = table.teams.at(order[row == 0 ? 0 : row - 1]);
        result.rows.append({ wholeResult(rank[i]), table.names.at(i), wholeResult(t.wins),
            wholeResult(t.losses), wholeResult(t.draws), wholeResult(int(table.remaining.at(i))),
            roundedRatio(winningPercentage(t.wins, t.losses), 3),
            row == 0 ? QStringLiteral("-") : behind(above, t),
            row == 0 ? QStringLiteral("-") : behind(first, t), table.ownChance(i),
            i == leader ? wholeResult(int(magic)) : QString() });
    }
    if (leader < 0)
        result.summary = QStringLiteral("マジック点灯なし");
    else if (magic == 0)
        result.summary = QStringLiteral("優勝 %1").arg(table.names.at(leader));
    else
        result.summary
            = QStringLiteral("マジック %1 %2（対象: %3）")
                  .arg(wholeResult(int(magic)), table.names.at(leader), targets.join(u'、'));
    if (unknownPairs > 0)
        result.summary += QStringLiteral("（未入力のカード %1）").arg(unknownPairs);
    return result;
}

} // namespace calc

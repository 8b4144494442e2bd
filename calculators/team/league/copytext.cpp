#include "calculators/team/league/copytext.h"

#include "calculators/common/resulttext.h"

#include <QRegularExpression>

namespace calc {

namespace {

constexpr int namedCards = 3; // the deciding cards named in the summary; the rest are counted

QString chanceText(Chance chance)
{
    switch (chance) {
    case Chance::Yes:
        return QStringLiteral("有");
    case Chance::No:
        return QStringLiteral("無");
    case Chance::Unknown:
        break;
    }
    return QStringLiteral("不明");
}

QString csText(const std::optional<CsChance> &chance)
{
    if (!chance)
        return {};
    switch (*chance) {
    case CsChance::Yes:
        return QStringLiteral("有");
    case CsChance::No:
        return QStringLiteral("無");
    case CsChance::Clinched:
        return QStringLiteral("確定");
    case CsChance::Gone:
        return QStringLiteral("消滅");
    case CsChance::Unknown:
        break;
    }
    return QStringLiteral("不明");
}

QString behindText(const std::optional<double> &behind)
{
    return behind ? decimalResult(*behind, 1) : QStringLiteral("-");
}

// "1–3", or one figure when settled. An en dash, so that a spreadsheet takes no date from it.
QString rankRangeText(const StandingRow &row)
{
    if (row.bestRank == row.worstRank)
        return wholeResult(row.bestRank);
    return wholeResult(row.bestRank) + u'–' + wholeResult(row.worstRank);
}

QString optionalNumber(const std::optional<int> &figure)
{
    return figure ? wholeResult(*figure) : QString();
}

QString nameOf(const Standings &standings, int team)
{
    for (const StandingRow &row : standings.rows) {
        if (row.team == team)
            return row.name;
    }
    return {};
}

QString pennantText(const Standings &standings)
{
    const Pennant &p = standings.pennant;
    if (p.leader < 0)
        return QStringLiteral("マジック点灯なし");
    if (p.magic == 0)
        return QStringLiteral("優勝 %1").arg(nameOf(standings, p.leader));
    QStringList targets;
    for (int team : p.targets)
        targets.append(nameOf(standings, team));
    return QStringLiteral("マジック %1 %2（対象: %3）")
        .arg(wholeResult(p.magic), nameOf(standings, p.leader), targets.join(u'、'));
}

// " / CSマジック 阪神 3、DeNA 5 / CS確定 巨人 / Bクラス確定 ヤクルト", the parts that have a team.
QString topThreeText(const Standings &standings)
{
    QStringList magic;
    QStringList clinched;
    QStringList gone;
    for (const StandingRow &row : standings.rows) {
        if (row.csMagic)
            magic.append(row.name + u' ' + wholeResult(*row.csMagic));
        if (row.cs == CsChance::Clinched)
            clinched.append(row.name);
        if (row.cs == CsChance::Gone)
            gone.append(row.name);
    }
    QString text;
    for (const auto &[label, teams] : { std::pair(QStringLiteral("CSマジック"), magic),
             std::pair(QStringLiteral("CS確定"), clinched),
             std::pair(QStringLiteral("Bクラス確定"), gone) }) {
        if (!teams.isEmpty())
            text += QStringLiteral(" / %1 %2").arg(label, teams.join(u'、'));
    }
    return text;
}

QString decidingText(const Standings &standings)
{
    if (standings.decidingPairs.isEmpty())
        return {};
    QStringList cards;
    for (int index : standings.decidingPairs.mid(0, namedCards)) {
        const PairRows rows = pairRows(index);
        cards.append(nameOf(standings, rows.first) + u'–' + nameOf(standings, rows.second));
    }
    QString text = cards.join(u'、');
    if (standings.decidingPairs.size() > namedCards)
        text += QStringLiteral("ほか%1件").arg(standings.decidingPairs.size() - namedCards);
    return QStringLiteral("（決め手のカード: %1）").arg(text);
}

// The form's part of コピー, and the words that start its lines.
const QString leagueLabel = QStringLiteral("リーグ");
const QString gamesLabel = QStringLiteral("全試合数");
const QString pairGamesLabel = QStringLiteral("カード試合数");
const QStringList teamHeadings = { QStringLiteral("チーム"), QStringLiteral("勝"),
    QStringLiteral("敗"), QStringLiteral("分"), QStringLiteral("前年順位") };
const QStringList pairHeadings = { QStringLiteral("カード"), QStringLiteral("勝"),
    QStringLiteral("敗"), QStringLiteral("分"), QStringLiteral("残り") };
const QString leagueNames[] = { QStringLiteral("セ・リーグ"), QStringLiteral("パ・リーグ") };

QStringList formLines(League league, const LeagueForm &form)
{
    QStringList lines;
    lines.append(leagueLabel + u'\t' + leagueNames[league == League::Pacific ? 1 : 0]);
    lines.append(gamesLabel + u'\t' + wholeResult(form.games));
    lines.append(pairGamesLabel + u'\t' + optionalNumber(form.pairGames));
    lines.append(teamHeadings.join(u'\t'));
    for (int row = 0; row < form.teamCount && row < maxLeagueTeams; ++row) {
        const LeagueTeam &t = form.teams.at(row);
        // The name as typed: a row without one is named by its letter in the table, and stays
        // a row without a name.
        lines.append(QStringList { t.name.trimmed(), wholeResult(t.wins), wholeResult(t.losses),
            wholeResult(t.draws), t.lastRank > 0 ? wholeResult(t.lastRank) : QString() }
                         .join(u'\t'));
    }
    lines.append(pairHeadings.join(u'\t'));
    for (int index = 0; index < pairCount; ++index) {
        if (pairRows(index).second >= form.teamCount)
            continue;
        const PairRecord &p = form.pairs.at(index);
        const std::optional<int> derived = derivedRemaining(form, index);
        const QString left
            = derived ? QStringLiteral("(%1)").arg(*derived) : optionalNumber(p.remaining);
        lines.append(QStringList { cardName(form, index), optionalNumber(p.firstWins),
            optionalNumber(p.secondWins), optionalNumber(p.draws), left }
                         .join(u'\t'));
    }
    return lines;
}

// A line's cells, each trimmed, without the empty cells a spreadsheet may add at its end.
QStringList cellsOf(const QString &line)
{
    QStringList cells = line.split(u'\t');
    for (QString &cell : cells)
        cell = cell.trimmed();
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells;
}

// A cell of a count: a whole number within 0..maximum, none when empty; false when neither.
bool readFigure(const QString &cell, int maximum, std::optional<int> &figure)
{
    figure.reset();
    if (cell.isEmpty())
        return true;
    static const QRegularExpression digits(QStringLiteral("^\\d{1,3}$"));
    if (!digits.match(cell).hasMatch() || cell.toInt() > maximum)
        return false;
    figure = cell.toInt();
    return true;
}

// The line after `at` that is not empty, or -1.
qsizetype nextLine(const QList<QStringList> &lines, qsizetype at)
{
    for (++at; at < lines.size(); ++at) {
        if (!lines.at(at).isEmpty())
            return at;
    }
    return -1;
}

bool readTeam(const QStringList &cells, LeagueTeam &team)
{
    std::optional<int> wins;
    std::optional<int> losses;
    std::optional<int> draws;
    std::optional<int> lastRank;
    if (cells.size() < 4 || cells.size() > 5 || cells.at(0).size() > maxTeamNameLength
        || !readFigure(cells.at(1), maxSeasonGames, wins) || !wins
        || !readFigure(cells.at(2), maxSeasonGames, losses) || !losses
        || !readFigure(cells.at(3), maxSeasonGames, draws) || !draws
        || !readFigure(cells.value(4), maxLeagueTeams, lastRank))
        return false;
    team = { fittedName(cells.at(0)), *wins, *losses, *draws, lastRank.value_or(0) };
    return true;
}

bool readPair(const QStringList &cells, const QString &card, PairRecord &pair)
{
    if (cells.isEmpty() || cells.at(0) != card || cells.size() > 5)
        return false;
    QString left = cells.value(4);
    if (left.startsWith(u'(') && left.endsWith(u')'))
        left.clear(); // follows from カード試合数, as it will again
    return readFigure(cells.value(1), maxPairGames, pair.firstWins)
        && readFigure(cells.value(2), maxPairGames, pair.secondWins)
        && readFigure(cells.value(3), maxPairGames, pair.draws)
        && readFigure(left, maxPairGames, pair.remaining);
}

// The form's part, from the line that names the league on.
std::optional<CopiedForm> readForm(const QList<QStringList> &lines, qsizetype at)
{
    CopiedForm copied;
    const QStringList &league = lines.at(at);
    if (league.size() != 2 || !QStringList(std::begin(leagueNames), std::end(leagueNames)).contains(league.at(1)))
        return std::nullopt;
    copied.league = league.at(1) == leagueNames[1] ? League::Pacific : League::Central;
    std::optional<int> games;
    at = nextLine(lines, at);
    if (at < 0 || lines.at(at).value(0) != gamesLabel || lines.at(at).size() != 2
        || !readFigure(lines.at(at).at(1), maxSeasonGames, games) || !games)
        return std::nullopt;
    copied.form.games = *games;
    at = nextLine(lines, at);
    if (at < 0 || lines.at(at).value(0) != pairGamesLabel || lines.at(at).size() > 2
        || !readFigure(lines.at(at).value(1), maxPairGames, copied.form.pairGames)
        || (copied.form.pairGames && *copied.form.pairGames < minPairGames))
        return std::nullopt;
    at = nextLine(lines, at);
    if (at < 0 || lines.at(at) != teamHeadings)
        return std::nullopt;
    int teams = 0;
    for (at = nextLine(lines, at); at >= 0 && lines.at(at) != pairHeadings;
         at = nextLine(lines, at)) {
        if (teams == maxLeagueTeams || !readTeam(lines.at(at), copied.form.teams.at(teams)))
            return std::nullopt;
        ++teams;
    }
    if (at < 0 || teams < minLeagueTeams)
        return std::nullopt;
    copied.form.teamCount = teams;
    for (int index = 0; index < pairCount; ++index) {
        if (pairRows(index).second >= teams)
            continue;
        at = nextLine(lines, at);
        if (at < 0 || !readPair(lines.at(at), cardName(copied.form, index), copied.form.pairs.at(index)))
            return std::nullopt;
    }
    return copied;
}

} // namespace

QStringList columnHeadings()
{
    return { QStringLiteral("順位"), QStringLiteral("チーム"), QStringLiteral("勝"),
        QStringLiteral("敗"), QStringLiteral("分"), QStringLiteral("残"), QStringLiteral("勝率"),
        QStringLiteral("差"), QStringLiteral("首位差"), QStringLiteral("自力優勝"),
        QStringLiteral("マジック"), QStringLiteral("順位の範囲"), QStringLiteral("自力CS"),
        QStringLiteral("CSマジック") };
}

QStringList cells(const StandingRow &row)
{
    return { wholeResult(row.rank), row.name, wholeResult(row.wins), wholeResult(row.losses),
        wholeResult(row.draws), wholeResult(row.remaining), roundedRatio(row.percentage, 3),
        behindText(row.behindAbove), behindText(row.behindLeader), chanceText(row.ownTitle),
        optionalNumber(row.magic), rankRangeText(row), csText(row.cs),
        optionalNumber(row.csMagic) };
}

QString summaryText(const Standings &standings)
{
    if (!standings.error.isEmpty())
        return QStringLiteral("入力エラー: ") + standings.error;
    QString text = pennantText(standings) + topThreeText(standings) + decidingText(standings);
    if (standings.unknownCards > 0)
        text += QStringLiteral("（未入力のカード %1）").arg(standings.unknownCards);
    return text;
}

bool isSummaryText(const QString &line)
{
    static const QRegularExpression summary(
        QStringLiteral("^(マジック\\s*\\d+\\s|マジック点灯なし|優勝\\s|入力エラー:\\s)"));
    return summary.match(line.trimmed()).hasMatch();
}

QString copyText(League league, const LeagueForm &form, const Standings &standings)
{
    QStringList lines { columnHeadings().join(u'\t') };
    for (const StandingRow &row : standings.rows)
        lines.append(cells(row).join(u'\t'));
    lines.append(summaryText(standings));
    lines.append(QString());
    lines += formLines(league, form);
    return lines.join(u'\n');
}

std::optional<CopiedForm> readCopyText(const QString &text)
{
    static const QRegularExpression newline(QStringLiteral("\r\n|\r|\n"));
    QList<QStringList> lines;
    for (const QString &line : text.split(newline))
        lines.append(cellsOf(line));
    // The table and its summary come first; the form's part starts at the league's line.
    for (qsizetype at = 0; at < lines.size(); ++at) {
        if (lines.at(at).value(0) == leagueLabel)
            return readForm(lines, at);
    }
    return std::nullopt;
}

} // namespace calc

#include "calculators/team/league/copytext.h"

#include "calculators/common/resulttext.h"

#include <QRegularExpression>

namespace calc {

namespace {

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

QString behindText(const std::optional<double> &behind)
{
    return behind ? decimalResult(*behind, 1) : QStringLiteral("-");
}

QString nameOf(const Standings &standings, int team)
{
    for (const StandingRow &row : standings.rows) {
        if (row.team == team)
            return row.name;
    }
    return {};
}

} // namespace

QStringList columnHeadings()
{
    return { QStringLiteral("順位"), QStringLiteral("チーム"), QStringLiteral("勝"),
        QStringLiteral("敗"), QStringLiteral("分"), QStringLiteral("残"), QStringLiteral("勝率"),
        QStringLiteral("差"), QStringLiteral("首位差"), QStringLiteral("自力優勝"),
        QStringLiteral("マジック") };
}

QStringList cells(const StandingRow &row)
{
    return { wholeResult(row.rank), row.name, wholeResult(row.wins), wholeResult(row.losses),
        wholeResult(row.draws), wholeResult(row.remaining), roundedRatio(row.percentage, 3),
        behindText(row.behindAbove), behindText(row.behindLeader), chanceText(row.ownTitle),
        row.magic ? wholeResult(*row.magic) : QString() };
}

QString summaryText(const Standings &standings)
{
    if (!standings.error.isEmpty())
        return QStringLiteral("入力エラー: ") + standings.error;
    const Pennant &p = standings.pennant;
    QString text;
    if (p.leader < 0) {
        text = QStringLiteral("マジック点灯なし");
    } else if (p.magic == 0) {
        text = QStringLiteral("優勝 %1").arg(nameOf(standings, p.leader));
    } else {
        QStringList targets;
        for (int team : p.targets)
            targets.append(nameOf(standings, team));
        text = QStringLiteral("マジック %1 %2（対象: %3）")
                   .arg(wholeResult(p.magic), nameOf(standings, p.leader), targets.join(u'、'));
    }
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

QString copyText(const Standings &standings)
{
    QStringList lines { columnHeadings().join(u'\t') };
    for (const StandingRow &row : standings.rows)
        lines.append(cells(row).join(u'\t'));
    lines.append(summaryText(standings));
    return lines.join(u'\n');
}

} // namespace calc

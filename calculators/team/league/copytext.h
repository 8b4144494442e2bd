#pragma once

#include "calculators/team/league/rules.h"

#include <QStringList>

// The table as text: its headings and cells as the dialog shows them, the summary line, and
// コピー's text, with the recognition of what this file writes beside the writing of it.
namespace calc {

// The columns' headings, in order: 順位, チーム, 勝, 敗, 分, 残, 勝率, 差, 首位差, 自力優勝, マジック.
QStringList columnHeadings();

// A row's cells under those headings.
QStringList cells(const StandingRow &row);

// The line under the table: "入力エラー: ...", or the pennant ("マジック 35 巨人（対象: 阪神）",
// "優勝 巨人", "マジック点灯なし"), then "（未入力のカード N）" when figures stay unknown.
QString summaryText(const Standings &standings);

// Whether `line` is a summary line as summaryText writes it.
bool isSummaryText(const QString &line);

// コピー: tab-separated lines that land in a spreadsheet's cells, the headings first, a line per
// row, then the summary.
QString copyText(const Standings &standings);

} // namespace calc

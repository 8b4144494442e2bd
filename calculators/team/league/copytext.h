#pragma once

#include "calculators/team/league/rules.h"

#include <QStringList>

#include <optional>

// The table as text: its headings and cells as the dialog shows them, the summary line, and
// コピー's text; beside each, the reading back of what it writes (貼り付け of a コピー).
namespace calc {

// The columns' headings, in order: 順位, チーム, 勝, 敗, 分, 残, 勝率, 差, 首位差, 自力優勝,
// マジック, 順位の範囲, 自力CS, CSマジック.
QStringList columnHeadings();

// A row's cells under those headings.
QStringList cells(const StandingRow &row);

// The line under the table: "入力エラー: ...", or the pennant ("マジック 35 巨人（対象: 阪神）",
// "優勝 巨人", "マジック点灯なし"), then the top three where four teams or more play
// (" / CSマジック 阪神 3、DeNA 5 / CS確定 巨人 / Bクラス確定 ヤクルト"), then the cards whose
// figures would decide what is 不明 or unlit ("（決め手のカード: 巨人–阪神、巨人–中日ほか1件）"),
// and last "（未入力のカード N）" when figures stay unknown.
QString summaryText(const Standings &standings);

// Whether `line` is a summary line as summaryText writes it, in any of its forms.
bool isSummaryText(const QString &line);

// コピー: tab-separated lines that land in a spreadsheet's cells. The table (headings, a line
// per row, the summary), a blank line, then the form it was computed from: the league, 全試合数,
// カード試合数, every counted team with its 前年順位, and every pair's figures (an empty cell
// for a figure not entered, "(3)" for games left that follow from カード試合数).
QString copyText(League league, const LeagueForm &form, const Standings &standings);

// The league and the form of a text copyText wrote, also after a spreadsheet has trimmed its
// cells; none when `text` is not one.
struct CopiedForm
{
    League league = League::Central;
    LeagueForm form;
};
std::optional<CopiedForm> readCopyText(const QString &text);

} // namespace calc

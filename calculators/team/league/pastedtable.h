#pragma once

#include "calculators/team/league/league.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// Reading a standings or head-to-head table as a fan copies it from a web page, a newspaper
// site, a spreadsheet or this program's own コピー: what the league table's 貼り付け fills in.
namespace calc {

// A team row of a pasted standings table.
struct TableTeam
{
    QString name; // as the table writes it, without rank, arrows or marks
    int wins = 0;
    int losses = 0;
    int draws = 0;
};

// One pair's head-to-head record from a pasted table, seen from the first team.
struct TablePair
{
    QString first;
    QString second;
    int firstWins = 0;
    int secondWins = 0;
    int draws = 0;
};

struct PastedTable
{
    QList<TableTeam> teams; // in the order of the table, at most six
    QList<TablePair> pairs; // each pair of teams at most once
    int games = 0; // the season's games, when the table shows them consistently; else 0
    // The league the text names (a title, or this program's own コピー), when it names one.
    std::optional<League> league;
    // The whole form, when the text is this program's own コピー: it replaces the form.
    std::optional<LeagueForm> form;
    // What was read and what was not, for the summary line:
    // "貼り付け: 6チーム、15カード（3行目: 勝敗の数が合いません）".
    QString summary;
};

// The longest text 貼り付け reads, in UTF-8 bytes: a longer one is no table, and the summary
// says how long it is ("貼り付け: 長すぎます（1,100 KB）", in KB of 1024 bytes, rounded up).
constexpr qsizetype maxPastedBytes = 256 * 1024;

// Reads `text`. `entered` holds the names of the teams already in the form: of two leagues in
// one paste the one with these names is taken, and a head-to-head table without a standings
// part is matched to them.
PastedTable readPastedTable(const QString &text, const QStringList &entered);

// The league a paste belongs to: the one the text names; else, when every team it names is of
// the league not shown (by the names in that league's form, else by the clubs' usual names,
// short and long, and their former names), that league; else the one shown.
League pastedLeague(const PastedTable &table, League shown, const std::array<LeagueForm, 2> &forms);

// Whether two names stand for the same team: equal once full-width letters and digits are made
// ASCII (NFKC), case is ignored and spaces and dots (. ．・) are dropped ("ＤｅＮＡ" and "DeNA",
// "読売 ジャイアンツ" and "読売ジャイアンツ").
bool sameTeam(const QString &a, const QString &b);

} // namespace calc

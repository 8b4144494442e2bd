#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The league table: every team's rank, games behind, own-strength title chance and the
// leader's magic number at once, decided on exact integers, as the papers print them.
namespace calc {

// The league chooses how an equal winning percentage is broken.
enum class League {
    Central, // more wins, then the head-to-head record, then last season's rank
    Pacific, // the head-to-head record
};

struct LeagueTeam
{
    QString name; // as typed; empty stands for the letter of its row (A to F)
    int wins = 0;
    int losses = 0;
    int draws = 0;
    int lastRank = 0; // last season's rank, 0 when not entered
};

// Two teams' games against each other: the record so far and the games still to play.
struct PairRecord
{
    int firstWins = 0; // of the first team (the earlier row) against the second
    int secondWins = 0;
    int remaining = 0;
};

struct LeagueInput
{
    League league = League::Central;
    int games = 0; // each team's games in the season
    QList<LeagueTeam> teams; // 2 to 6
    // One per pair of teams, in the order (A, B), (A, C), ..., (A, F), (B, C), ..., (E, F)
    // over the teams given; missing pairs count as 0-0 with no game left.
    QList<PairRecord> pairs;
};

// What the table shows: one row per team in rank order, each with the cells 順位, チーム,
// 勝, 敗, 分, 残, 勝率, 差, 首位差, 自力優勝, マジック; and the summary line under it. An input
// error leaves no rows and says in the summary which team or pair is wrong and how.
struct Standings
{
    QList<QStringList> rows;
    QString summary;
};

Standings standings(const LeagueInput &input);

// How the table and its messages call the team of row `index`: its name as typed, or the
// row's letter when none was typed.
QString teamName(const QString &typed, int index);

// A team read from a pasted standings table.
struct PastedTeam
{
    QString name;
    int wins = 0;
    int losses = 0;
    int draws = 0;
};

// The teams of a standings table as copied from a web page or a spreadsheet, one per usable
// line in the order given. Tokens are split at tabs and spaces (the full-width one too), and
// full-width digits count. The name is the first token that is not a number; whole numbers
// before it (a rank) are ignored. Of the whole numbers after it, four or more are games played,
// wins, losses and draws (the line counts only if the games add up), three are wins, losses and
// draws. Tokens with a decimal point and dashes are ignored. A line without a name, with fewer
// numbers or with a count above 999 is skipped.
QList<PastedTeam> parseStandings(const QString &text);

} // namespace calc

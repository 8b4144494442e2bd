#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The league table: every team's rank, games behind, own-strength title chance and the
// leader's magic number at once, decided on exact integers, as the papers print them.
namespace calc {

// The league chooses how an equal winning percentage is broken.
enum class League {
    Central, // more wins, then the head-to-head record, then last season's rank
    Pacific, // the head-to-head record
};

// The dialog's limits. The function reports anything outside them as an input error.
constexpr int minLeagueTeams = 2;
constexpr int maxLeagueTeams = 6;
constexpr int maxSeasonGames = 999; // each team's games in the season, and its wins, losses, draws
constexpr int maxPairGames = 99; // each head-to-head figure, and the games a pair plays

struct LeagueTeam
{
    QString name; // as typed; empty stands for the letter of its row (A to F)
    int wins = 0;
    int losses = 0;
    int draws = 0;
    int lastRank = 0; // last season's rank, 0 when not entered (at most maxLeagueTeams)
};

// Two teams' games against each other as far as they are known; an empty figure was not
// entered (未入力), which is not 0.
struct PairRecord
{
    std::optional<int> firstWins; // of the first team (the earlier row) against the second
    std::optional<int> secondWins;
    std::optional<int> draws;
    // The games still to play between them. When not entered it follows from the league's
    // games per pair and a complete record; otherwise it is unknown.
    std::optional<int> remaining;
};

struct LeagueInput
{
    League league = League::Central;
    int games = 0; // each team's games in the season
    int pairGames = 0; // the games each pair plays in the season (カード試合数); 0 when not entered
    QList<LeagueTeam> teams; // minLeagueTeams to maxLeagueTeams
    // One per pair of teams, in the order (A, B), (A, C), ..., (A, F), (B, C), ..., (E, F)
    // over the teams given; missing pairs at the end are not entered.
    QList<PairRecord> pairs;
};

// What the table shows: one row per team in rank order, each with the cells 順位, チーム,
// 勝, 敗, 分, 残, 勝率, 差, 首位差, 自力優勝, マジック; and the summary line under it. An input
// error leaves no rows and says in the summary which team or pair is wrong and how.
//
// A figure not entered counts as every value the entered ones allow, each pair on its own: an
// unknown record leaves the head-to-head tie-break undecided, and unknown games left range from
// 0 to what both teams' remaining games (and the games per pair) allow. 自力優勝 is 有 when it
// holds for every such value, 無 when it fails for every one, and 不明 otherwise; a magic number
// is lit only when it is lit for every value, and is the most wins any of them asks for. The
// summary then ends with "（未入力のカード N）".
struct Standings
{
    QList<QStringList> rows;
    QString summary;
};

Standings standings(const LeagueInput &input);

// How the table and its messages call the team of row `index`: its name as typed, or the
// row's letter when none was typed.
QString teamName(const QString &typed, int index);

} // namespace calc

#pragma once

#include "calculators/common/ratio.h"
#include "calculators/team/league/league.h"

#include <QList>
#include <QString>

#include <optional>

// The league table: every team's rank, games behind, own-strength title chance and the
// leader's magic number at once, decided on exact integers, as the papers print them.
//
// A figure not entered counts as every value the entered ones allow, each pair on its own: a
// record figure is at most what the team's totals leave beside its other entered figures (a
// team with no win has no head-to-head win), games left at most what both teams' remaining
// games allow, and with カード試合数 a pair's record and games left add up to it. A claim is made
// when it holds for every such value; one that holds for some values only is 不明, and a magic
// number is lit only when it is lit for every value, and is the most wins any of them asks for.
// The top three come from race.h.
namespace calc {

// A claim about a team: 有, 無, or 不明 when the figures not entered decide it.
enum class Chance { Yes, No, Unknown };

// Whether a team can reach the top three (the Climax Series) on its own: 有 (winning every game
// left, it is surely in the top three whatever else happens), 無, 確定 (it is in the top three
// in every outcome), 消滅 (in none), or 不明 when the figures not entered decide it.
enum class CsChance { Yes, No, Clinched, Gone, Unknown };

// One row of the table, in rank order.
struct StandingRow
{
    int team = 0; // its row in the form
    int rank = 0; // 1 + the teams surely above it on the records as they stand
    QString name;
    int wins = 0;
    int losses = 0;
    int draws = 0;
    int remaining = 0;
    Ratio percentage { 0, 0 };
    // Games behind the row above and the first row (whole or half games); none on the first.
    std::optional<double> behindAbove;
    std::optional<double> behindLeader;
    Chance ownTitle = Chance::Unknown; // 自力優勝
    std::optional<int> magic; // the leader's lit magic number
    // The best and the worst final rank still possible, over every outcome of every game left.
    int bestRank = 0;
    int worstRank = 0;
    std::optional<CsChance> cs; // 自力CS, in a league of four teams or more
    // The fewest further wins after which the team is surely in the top three whatever else
    // happens; only where 自力CS is 有.
    std::optional<int> csMagic;
};

// The leader whose magic number is lit, and the pursuers that ask for the most wins.
struct Pennant
{
    int leader = -1; // its row in the form; -1 when no magic number is lit
    int magic = 0; // 0: the pennant is won
    QList<int> targets; // rows in the form, in rank order
};

struct Standings
{
    QString error; // an input error, without "入力エラー: "; no rows then
    QList<StandingRow> rows;
    Pennant pennant;
    int unknownCards = 0; // pairs with a figure that stays unknown
    // The pairs (pairIndex of the form) whose unknown figures decide a claim that reads 不明 or
    // keep a magic number unlit, most decisive first.
    QList<int> decidingPairs;
};

Standings standings(League league, const LeagueForm &form);

} // namespace calc

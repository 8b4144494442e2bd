#pragma once

#include <QString>

#include <array>
#include <optional>

// The league table's engine: everything 順位表 computes, reads and writes, free of widgets (this
// folder links Qt Core alone). One contract runs through it, from the typed form to the copied
// text:
//
//   LeagueForm (this file) ──season──> the teams as the rules see them
//              ──checks──> an input error, or
//              ──rules (and race, for the top three)──> Standings: typed rows, summary's facts
//              ──copytext──> cells, the summary line and コピー's text, read back by 貼り付け
//   pasted text ──pastelines──> lines and blocks ──pastedtable (clubs)──> PastedTable
//              ──form──> the form after the paste;   saved: the forms kept between runs.
//
// A figure nobody entered is std::nullopt here and everywhere after: never 0, never -1.
namespace calc {

// The league chooses how an equal winning percentage is broken.
enum class League {
    Central, // more wins, then the head-to-head record, then last season's rank
    Pacific, // the head-to-head record
};

// The form's limits. The rules report anything outside them as an input error.
constexpr int minLeagueTeams = 2;
constexpr int maxLeagueTeams = 6;
constexpr int maxSeasonGames = 999; // each team's games in the season, and its wins, losses, draws
constexpr int maxPairGames = 99; // each head-to-head figure, and the games a pair plays
constexpr int minPairGames = 1; // a pair that plays no game has no card to count
// The longest team name the form takes: the clubs' full names are 13 characters at most.
constexpr int maxTeamNameLength = 20;

struct LeagueTeam
{
    QString name; // as typed; empty stands for the letter of its row (A to F)
    int wins = 0;
    int losses = 0;
    int draws = 0;
    int lastRank = 0; // last season's rank, 0 when not entered (at most maxLeagueTeams)
};

bool operator==(const LeagueTeam &a, const LeagueTeam &b);
inline bool operator!=(const LeagueTeam &a, const LeagueTeam &b) { return !(a == b); }

// Two teams' games against each other as far as they are known.
struct PairRecord
{
    std::optional<int> firstWins; // of the first team (the earlier row) against the second
    std::optional<int> secondWins;
    std::optional<int> draws;
    // The games still to play between them, as typed. When not typed they may follow from the
    // league's games per pair and a complete record (derivedRemaining).
    std::optional<int> remaining;
};

bool operator==(const PairRecord &a, const PairRecord &b);
inline bool operator!=(const PairRecord &a, const PairRecord &b) { return !(a == b); }

// The one order of pairs: (A, B), (A, C), ..., (A, F), (B, C), ..., (E, F) over the six rows.
// The pairs of the first n rows are those whose second row is below n.
constexpr int pairCount = maxLeagueTeams * (maxLeagueTeams - 1) / 2;
constexpr int pairIndex(int first, int second) // first < second < maxLeagueTeams
{
    return first * maxLeagueTeams - first * (first + 1) / 2 + (second - first - 1);
}
struct PairRows
{
    int first;
    int second;
};
constexpr PairRows pairRows(int index)
{
    int first = 0;
    while (index >= maxLeagueTeams - 1 - first) {
        index -= maxLeagueTeams - 1 - first;
        ++first;
    }
    return { first, first + 1 + index };
}

// Everything the league table's form holds for one league: the rows counted (from the first),
// the season's games, the games each pair plays, and always all six rows and fifteen pairs, so
// that a row not counted keeps what was typed into it.
struct LeagueForm
{
    int teamCount = maxLeagueTeams;
    int games = 0;
    std::optional<int> pairGames; // カード試合数
    std::array<LeagueTeam, maxLeagueTeams> teams {};
    std::array<PairRecord, pairCount> pairs {};

    // The record between rows i and j (i != j), seen from i.
    PairRecord pair(int i, int j) const;
    void setPair(int i, int j, const PairRecord &seenFromI);
};

bool operator==(const LeagueForm &a, const LeagueForm &b);
inline bool operator!=(const LeagueForm &a, const LeagueForm &b) { return !(a == b); }

// A name as the name field keeps it, wherever it comes from (typed, pasted, saved): printable
// characters only, cut to maxTeamNameLength, then trimmed, so that it stays as it is when it
// is kept again.
QString fittedName(const QString &name);

// How the table and its messages call the team of row `index`: its name as typed, or the
// row's letter when none was typed.
QString teamName(const QString &typed, int index);
QString teamName(const LeagueForm &form, int row);

// The games left between the rows of pair `index` that follow from カード試合数 less a complete
// record, when they were not typed; none when they were, or when they do not follow.
std::optional<int> derivedRemaining(const LeagueForm &form, int index);

// A pair's name as the summary and the messages write it: 巨人–阪神.
QString cardName(const LeagueForm &form, int index);

} // namespace calc

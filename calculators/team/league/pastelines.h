#pragma once

#include "calculators/team/league/league.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// 貼り付け's first half, internal to the engine: the pasted text cut into lines of cells, each
// cell read once (a count, a rank, a 勝率, a record, a mark or words), the phone's layouts of one
// cell a line joined into rows, and the lines grouped into blocks under the header above them.
// pastedtable.cpp reads teams and pairs from the blocks.
namespace calc::paste {

constexpr int maxCount = 999;

// What a column holds, from its heading. Other columns are head-to-head columns when their
// heading names a team, else ignored.
enum class Column { Other, Rank, Name, Games, Wins, Losses, Draws, Remaining, Record, Ignored };

struct Record
{
    int wins = 0;
    int losses = 0;
    int draws = -1; // -1 when not written
    bool kanji = false; // 12勝10敗1分, not 12-10-1
};

struct Cell
{
    enum class Kind {
        Mark, // empty, dashes, asterisks or marks only: a leader's 差, a diagonal, an arrow
        Whole, // a whole number
        Rank, // 1位, 1.
        Decimal, // a 勝率, a 差
        Record,
        Words,
    };
    QString text; // trimmed, as written
    QString key; // as compared: full-width letters, digits and signs made ASCII (NFKC)
    Kind kind = Kind::Mark;
    int number = -1; // of a whole number or a rank; four digits stand for 1000, beyond every count
    Record record;
    bool digits = false;
    bool league = false; // names a league: a title, never a row or a heading
    bool nameLike = false; // letters without digits: may name a team

    bool isRank() const { return kind == Kind::Whole || kind == Kind::Rank; }
    int count() const { return kind == Kind::Whole ? number : -1; }
    std::optional<Record> readRecord() const
    {
        return kind == Kind::Record ? std::optional<Record>(record) : std::nullopt;
    }
};

Cell readCell(const QString &text);

// One line of the pasted text, cut into cells; or one row of a phone's layout, joined.
struct Line
{
    int number = 0; // 1-based, of its first cell
    QList<Cell> cells;
    bool spaced = false; // cut at spaces: a name may take several cells
    bool blankBefore = false; // blank lines are left out; the line after one knows

    bool hasDigit() const;
};

struct Header
{
    int line = 0;
    QList<Column> columns;
    QStringList headings;
    int nameColumn = -1; // -1 until the rows show where the names are
    bool strong = false; // with two or more standings headings; else it names teams only
    bool teamColumns = false; // some heading may name a team

    int find(Column c) const { return int(columns.indexOf(c)); }
};

struct Block
{
    std::optional<Header> header;
    QList<Line> lines;
    std::optional<League> title; // the one league the titles above it name
};

// The pasted text's lines but the blank ones, the phone's layouts joined into rows.
QList<Line> readLines(const QString &text);

QList<Block> readBlocks(QList<Line> lines);

// A header without a name column: the names stand in the first column (after the rank) when
// the rows have as many cells as the header, else in a column of their own before it.
void placeNames(Header &h, const Line &first);

// A name as compared: NFKC, without spaces, dots (. ．・) and case.
QString nameKey(const QString &name);

Column columnOf(const QString &heading);

// The name in a cell, without a rank ("1位", "1.") or marks around it.
QString cleanName(const QString &cell);
bool isNameLike(const QString &text);

// The rank a cell begins with ("1位巨人"), else 0.
int rankOf(const Cell &cell);

} // namespace calc::paste

#pragma once

#include "calculators/team/league/league.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
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

// A stretch of the text's cells, side by side (see readLines).
class Cells
{
public:
    Cells() = default;
    Cells(const Cell *data, qsizetype size)
        : m_data(data)
        , m_size(size)
    {
    }

    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    const Cell &at(qsizetype i) const { return m_data[i]; }
    const Cell &first() const { return m_data[0]; }
    const Cell &last() const { return m_data[m_size - 1]; }
    Cell value(qsizetype i) const { return i >= 0 && i < m_size ? m_data[i] : Cell(); }
    const Cell *begin() const { return m_data; }
    const Cell *end() const { return m_data + m_size; }
    const Cell *cbegin() const { return begin(); }
    const Cell *cend() const { return end(); }
    Cells mid(qsizetype from, qsizetype n) const
    {
        from = std::min(from, m_size);
        return { m_data + from, std::min(n, m_size - from) };
    }
    // The cells from `from` on, of their own.
    QList<Cell> toList(qsizetype from = 0) const { return QList<Cell>(begin() + from, end()); }

private:
    const Cell *m_data = nullptr;
    qsizetype m_size = 0;
};

// One line of the pasted text, cut into cells; or one row of a phone's layout, joined.
struct Line
{
    int number = 0; // 1-based, of its first cell
    Cells cells;
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

// The pasted text's cells, all in one list, and its lines but the blank ones, each a stretch of
// the cells, the phone's layouts joined into rows: a text of many short lines costs no
// allocation a line. The cells view `text` (its digits made ASCII first), which must outlive
// them, as the lines must not outlive the cells.
struct Text
{
    QList<Cell> cells;
    QList<Line> lines;
};
Text readLines(const QString &text);

QList<Block> readBlocks(const QList<Line> &lines);

// A header without a name column: the names stand in the first column (after the rank) when
// the rows have as many cells as the header, else in a column of their own before it.
void placeNames(Header &h, const Line &first);

// A name as compared: NFKC, without spaces, dots (. ．・) and case.
QString nameKey(const QString &name);

Column columnOf(const QString &heading);

// The name in a cell, without a rank ("1位", "1.") or marks around it, in a string of its own.
QString cleanName(const QString &cell);
bool isNameLike(const QString &text);

// The rank a cell begins with ("1位巨人"), else 0.
int rankOf(const Cell &cell);

} // namespace calc::paste

#include "calculators/team/league/pastedtable.h"

#include "calculators/common/fullwidth.h"
#include "calculators/team/league/copytext.h"
#include "calculators/team/league/league.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <optional>

// The text goes through four steps: lines are cut into cells; lines are grouped into blocks
// under the header above them (a title or a repeated header starts a new block); each block's
// rows are read, and split into parts where a second league begins; of the parts, one league's
// standings (or head-to-head table) is taken. Every line that looks like data but is not read
// gets a note in the summary.
namespace calc {

namespace {

constexpr int maxTeams = maxLeagueTeams;
constexpr int maxCount = 999;
constexpr int maxNotes = 10;

// The dashes pages write between the figures of a record, and as an empty cell.
const QString dashes = QStringLiteral("\\-‐‑‒–—―−ー─━");

// What a column holds, from its heading. Other columns are head-to-head columns when their
// heading names a team, else ignored.
enum class Column { Other, Rank, Name, Games, Wins, Losses, Draws, Remaining, Record, Ignored };

struct Note
{
    int line;
    QString why;
};

// One line of the pasted text, cut into cells.
struct Line
{
    int number = 0; // 1-based
    QStringList cells;
    bool spaced = false; // cut at spaces: a name may take several cells

    bool isBlank() const
    {
        return std::all_of(
            cells.cbegin(), cells.cend(), [](const QString &c) { return c.isEmpty(); });
    }
};

struct Header
{
    QList<Column> columns;
    QStringList headings;
    int nameColumn = -1; // -1 until the rows show where the names are
    bool strong = false; // with two or more standings headings; else it names teams only

    int find(Column c) const { return int(columns.indexOf(c)); }
};

struct Block
{
    std::optional<Header> header;
    QList<Line> lines;
};

struct Row
{
    int line = 0;
    int rank = 0; // 0 when the table shows none
    QString name;
    bool standing = false; // has a record; else a row of a head-to-head table
    TableTeam team;
    int total = -1; // games played and games left, when the table shows the games left
    QStringList cells; // under the header's columns; without one, the cells after the name
    QString problem; // why the line is skipped

    Row &fail(const QString &why)
    {
        problem = why;
        return *this;
    }
};

// A league's rows in one block, and the header they stand under (none: read in order).
struct Part
{
    QList<Row> rows;
    const Header *header = nullptr;
};

struct Record
{
    int wins = 0;
    int losses = 0;
    int draws = -1; // -1 when not written
};

// A cell as compared: full-width letters, digits and signs made ASCII.
QString key(const QString &cell)
{
    return cell.normalized(QString::NormalizationForm_KC).trimmed();
}

// A name as compared: also without spaces, dots and case.
QString normalised(const QString &name)
{
    static const QRegularExpression ignored(
        QStringLiteral("[\\s.・·]"), QRegularExpression::UseUnicodePropertiesOption);
    return name.normalized(QString::NormalizationForm_KC).remove(ignored).toCaseFolded();
}

bool hasDigit(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool hasDigit(const QStringList &cells)
{
    return std::any_of(cells.cbegin(), cells.cend(), [](const QString &c) { return hasDigit(c); });
}

bool isWhole(const QString &k)
{
    static const QRegularExpression whole(QStringLiteral("^\\d+$"));
    return whole.match(k).hasMatch();
}

bool isDecimal(const QString &k)
{
    static const QRegularExpression decimal(QStringLiteral("^\\d*\\.\\d+$"));
    return decimal.match(k).hasMatch();
}

bool isRank(const QString &k)
{
    static const QRegularExpression rank(QStringLiteral("^\\d+(位|\\.)?$"));
    return rank.match(k).hasMatch();
}

// Empty, dashes, asterisks or marks only: a leader's 差, a diagonal cell, an arrow.
bool isMark(const QString &k)
{
    static const QRegularExpression mark(
        QStringLiteral("^[%1*×/↑↓→←↗↘★☆◎○●◯◇◆□■△▲▽▼※✓✔+]*$").arg(dashes));
    return mark.match(k).hasMatch();
}

// A whole number; four digits stand for 1000, beyond every count.
int count(const QString &digits)
{
    QString d = digits;
    while (d.size() > 1 && d.startsWith(u'0'))
        d.remove(0, 1);
    return d.size() > 3 ? maxCount + 1 : d.toInt();
}

int number(const QString &k)
{
    return isWhole(k) ? count(k) : -1;
}

int rankOf(const QString &k)
{
    static const QRegularExpression rank(QStringLiteral("^(\\d{1,3})(?!\\d)"));
    const QRegularExpressionMatch m = rank.match(k);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// 12-10-1, 12-10 (any dash), 12勝10敗1分 or 12勝10敗.
std::optional<Record> readRecord(const QString &k)
{
    static const QRegularExpression dashed(
        QStringLiteral("^(\\d+)\\s*[%1]\\s*(\\d+)(?:\\s*[%1]\\s*(\\d+))?$").arg(dashes));
    static const QRegularExpression kanji(
        QStringLiteral("^(\\d+)\\s*勝\\s*(\\d+)\\s*敗(?:\\s*(\\d+)\\s*分け?)?$"));
    QRegularExpressionMatch m = dashed.match(k);
    if (!m.hasMatch())
        m = kanji.match(k);
    if (!m.hasMatch())
        return std::nullopt;
    return Record { count(m.captured(1)), count(m.captured(2)),
        m.hasCaptured(3) ? count(m.captured(3)) : -1 };
}

// The name in a cell, without a rank ("1位", "1.") or marks around it.
QString cleanName(const QString &cell)
{
    static const QRegularExpression edges(
        QStringLiteral("^(?:\\d+(?:位|\\.|．)?)?[\\s↑↓→←↗↘★☆◎○●◯◇◆□■△▲▽▼※✓✔*＊]*|[\\s"
                       "↑↓→←↗↘★☆◎○●◯◇◆□■△▲▽▼※✓✔*＊]+$"),
        QRegularExpression::UseUnicodePropertiesOption);
    return QString(cell).remove(edges);
}

bool isNameLike(const QString &text)
{
    return !hasDigit(text) && !isMark(key(text))
        && std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
}

// Whether a line may be a row: it has a figure (a count, a 勝率, a rank, a record), or digits
// beside a name. A title with a date ("9月1日現在") is not.
bool mayBeRow(const QStringList &cells)
{
    const auto figure = [](const QString &cell) {
        const QString k = key(cell);
        return isRank(k) || isDecimal(k) || readRecord(k);
    };
    return std::any_of(cells.cbegin(), cells.cend(), figure)
        || (hasDigit(cells) && std::any_of(cells.cbegin(), cells.cend(), isNameLike));
}

bool contains(const QStringList &names, const QString &name)
{
    return std::any_of(
        names.cbegin(), names.cend(), [&name](const QString &n) { return sameTeam(n, name); });
}

QStringList splitQuoted(const QString &line, QChar separator)
{
    QStringList cells(1);
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == u'"' && quoted && i + 1 < line.size() && line.at(i + 1) == u'"')
            cells.last() += line.at(++i);
        else if (c == u'"')
            quoted = !quoted;
        else if (c == separator && !quoted)
            cells.append(QString());
        else
            cells.last() += c;
    }
    return cells;
}

// Tabs (a spreadsheet or a web page), else commas (CSV), else runs of spaces.
Line tokenise(int number, const QString &text)
{
    static const QRegularExpression spaces(
        QStringLiteral("\\s+"), QRegularExpression::UseUnicodePropertiesOption);
    Line line;
    line.number = number;
    if (text.contains(u'\t')) {
        line.cells = text.split(u'\t');
    } else if (text.contains(u',') || text.contains(u'，')) {
        line.cells = splitQuoted(QString(text).replace(u'，', u','), u',');
    } else {
        line.cells = text.split(spaces, Qt::SkipEmptyParts);
        line.spaced = true;
    }
    for (QString &cell : line.cells)
        cell = cell.trimmed();
    return line;
}

Column columnOf(const QString &heading)
{
    static const QHash<QString, Column> words = [] {
        const QList<std::pair<Column, QStringList>> list = {
            { Column::Rank, { "順位", "順" } },
            { Column::Name, { "チーム", "チーム名", "球団", "球団名" } },
            { Column::Games, { "試合", "試合数", "試" } },
            { Column::Wins, { "勝", "勝利", "勝数" } },
            { Column::Losses, { "敗", "敗戦", "敗北", "敗数" } },
            { Column::Draws, { "分", "引分", "引分け", "引き分け", "分け", "引分数" } },
            { Column::Remaining, { "残", "残試合", "残り", "残り試合", "残試合数" } },
            { Column::Record, { "成績", "勝敗", "戦績" } },
            { Column::Ignored,
                { "勝率", "率", "差", "ゲーム差", "勝差", "首位差", "貯金", "自力優勝",
                    "マジック" } },
        };
        QHash<QString, Column> hash;
        for (const auto &[column, names] : list) {
            for (const QString &name : names)
                hash.insert(name, column);
        }
        return hash;
    }();
    return words.value(normalised(heading), Column::Other);
}

// A line without digits is a header when it has two standings headings, or three cells or
// more of which two could name teams (a head-to-head table); a title names a league.
std::optional<Header> readHeader(const QStringList &cells)
{
    if (cells.size() < 2 || hasDigit(cells)
        || std::any_of(cells.cbegin(), cells.cend(),
            [](const QString &c) { return c.contains(QStringLiteral("リーグ")); }))
        return std::nullopt;
    Header h;
    h.headings = cells;
    for (const QString &cell : cells)
        h.columns.append(columnOf(cell));
    h.strong = std::count_if(h.columns.cbegin(), h.columns.cend(), [](Column c) {
        return c != Column::Other;
    }) >= 2;
    if (!h.strong
        && (cells.size() < 3 || std::count_if(cells.cbegin(), cells.cend(), isNameLike) < 2))
        return std::nullopt;
    h.nameColumn = h.find(Column::Name);
    return h;
}

// A header without a name column: the names stand in the first column (after the rank) when
// the rows have as many cells as the header, else in a column of their own before it.
void placeNames(Header &h, const Line &first)
{
    if (h.nameColumn >= 0)
        return;
    h.nameColumn = h.columns.first() == Column::Rank ? 1 : 0;
    if (first.cells.size() > h.columns.size()) {
        h.columns.insert(h.nameColumn, Column::Name);
        h.headings.insert(h.nameColumn, QString());
    } else if (h.nameColumn < h.columns.size()) {
        h.columns[h.nameColumn] = Column::Name;
    }
}

// Whether a row after a blank or title line still belongs under `h`: as many cells, or (cut at
// spaces) head-to-head cells (12-10-1, or two 12勝10敗) only where the header has columns for
// them.
bool fits(const Line &line, const Header &h)
{
    if (!line.spaced)
        return line.cells.size() == h.columns.size();
    qsizetype dashed = 0;
    qsizetype kanji = 0;
    for (const QString &cell : line.cells) {
        const QString k = key(cell);
        if (readRecord(k))
            ++(k.contains(u'勝') ? kanji : dashed);
    }
    const bool teamColumns
        = std::any_of(h.headings.cbegin(), h.headings.cend(), [&h](const QString &heading) {
              return isNameLike(heading) && columnOf(heading) == Column::Other;
          });
    return (dashed > 0 || kanji > 1) == teamColumns;
}

// Rows laid out one cell per line (a phone's layout), from line `from` on, grouped by the
// header's number of cells. Returns the first line not taken.
qsizetype readPhoneRows(const QList<Line> &lines, qsizetype from, Block &block, QList<Note> &notes)
{
    const qsizetype size = block.header->columns.size();
    qsizetype i = from;
    while (i < lines.size() && lines.at(i).isBlank())
        ++i;
    if (size < 3 || i == lines.size() || lines.at(i).cells.size() != 1)
        return from;
    Line row;
    for (; i < lines.size(); ++i) {
        const Line &line = lines.at(i);
        if (line.isBlank())
            continue;
        const QString cell = line.cells.first();
        if (line.cells.size() != 1
            || (!hasDigit(cell)
                && (cell.contains(QStringLiteral("リーグ")) || columnOf(cell) != Column::Other)))
            break;
        if (row.cells.isEmpty())
            row.number = line.number;
        row.cells.append(cell);
        if (row.cells.size() == size) {
            block.lines.append(row);
            row.cells.clear();
        }
    }
    if (!row.cells.isEmpty())
        notes.append({ row.number, QStringLiteral("数が足りません") });
    return i;
}

// Header words one per line from line `i` (a phone's layout): the words, and the first line
// not taken. A table without ranks begins each row with its name, so a last word that is not a
// heading is the first team's name.
std::pair<QStringList, qsizetype> phoneHeader(const QList<Line> &lines, qsizetype i)
{
    QStringList words;
    qsizetype end = i;
    qsizetype last = i;
    for (; end < lines.size(); ++end) {
        const Line &line = lines.at(end);
        if (line.isBlank())
            continue;
        if (line.cells.size() != 1 || hasDigit(line.cells))
            break;
        words.append(line.cells.first());
        last = end;
    }
    if (words.size() > 1 && columnOf(words.first()) == Column::Name
        && columnOf(words.last()) == Column::Other) {
        words.removeLast();
        end = last;
    }
    return { words, end };
}

bool isCopySummary(const Line &line)
{
    return isSummaryText(key(line.cells.join(u' ')));
}

QList<Block> readBlocks(const QList<Line> &lines, QList<Note> &notes)
{
    QList<Block> blocks;
    std::optional<Header> header;
    bool blank = false;
    bool titled = false;
    const auto start = [&](const std::optional<Header> &h) {
        blocks.append(Block { h, {} });
        header = h;
        blank = titled = false;
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line &line = lines.at(i);
        if (line.isBlank()) {
            blank = true;
            continue;
        }
        if (!mayBeRow(line.cells)) {
            std::optional<Header> h = readHeader(line.cells);
            qsizetype next = i + 1;
            if (!h && line.cells.size() == 1 && columnOf(line.cells.first()) != Column::Other) {
                const auto [words, end] = phoneHeader(lines, i);
                h = readHeader(words);
                if (h && !h->strong)
                    h.reset();
                next = end;
            }
            if (h) {
                start(h);
                i = readPhoneRows(lines, next, blocks.last(), notes) - 1;
                continue;
            }
            const auto used = std::count_if(line.cells.cbegin(), line.cells.cend(),
                [](const QString &c) { return !c.isEmpty(); });
            titled = titled
                || (used <= 2
                    && std::none_of(line.cells.cbegin(), line.cells.cend(),
                        [](const QString &c) { return !c.isEmpty() && isMark(key(c)); }));
            continue;
        }
        if (isCopySummary(line))
            continue;
        if (blocks.isEmpty() || ((blank || titled) && header && !fits(line, *header)))
            start(std::nullopt);
        else if (titled)
            start(header);
        blank = titled = false;
        blocks.last().lines.append(line);
    }
    return blocks;
}

// A row cut at spaces, lined up with its header: the words of a name ("読売 ジャイアンツ") in one
// cell under the name column, marks before it dropped, a missing rank left empty.
QStringList aligned(QStringList cells, int nameColumn)
{
    qsizetype p = 0;
    while (p < cells.size() && !isNameLike(cleanName(cells.at(p))))
        ++p;
    if (p == cells.size())
        return cells;
    while (p + 1 < cells.size() && isNameLike(cells.at(p + 1)))
        cells[p] += u' ' + cells.takeAt(p + 1);
    for (qsizetype i = p - 1; i >= 0 && p > nameColumn; --i) {
        if (isMark(key(cells.at(i)))) {
            cells.removeAt(i);
            --p;
        }
    }
    for (; p > nameColumn; --p)
        cells.removeFirst();
    for (; p < nameColumn; ++p)
        cells.prepend(QString());
    return cells;
}

Row readByHeader(const Line &line, const Header &h)
{
    Row row;
    row.line = line.number;
    row.cells = line.spaced ? aligned(line.cells, h.nameColumn) : line.cells;
    const auto at
        = [&](Column c) { return h.find(c) < 0 ? QString() : key(row.cells.value(h.find(c))); };
    row.rank = rankOf(at(Column::Rank));
    row.name = cleanName(row.cells.value(h.nameColumn));
    if (!isNameLike(row.name))
        return row.fail(QStringLiteral("チーム名がありません"));
    if (h.find(Column::Wins) < 0 && h.find(Column::Losses) < 0 && h.find(Column::Record) < 0)
        return row; // a head-to-head row

    Record r { number(at(Column::Wins)), number(at(Column::Losses)), number(at(Column::Draws)) };
    if (r.wins < 0 || r.losses < 0) {
        const std::optional<Record> written
            = readRecord(at(h.find(Column::Record) >= 0 ? Column::Record : Column::Wins));
        if (written)
            r = { written->wins, written->losses, std::max(written->draws, r.draws) };
    }
    const int games = number(at(Column::Games));
    const int left = number(at(Column::Remaining));
    if (r.wins < 0 || r.losses < 0 || (h.find(Column::Draws) >= 0 && r.draws < 0))
        return row.fail(QStringLiteral("数が足りません"));
    if (std::max({ r.wins, r.losses, r.draws, games, left }) > maxCount)
        return row.fail(QStringLiteral("999を超える数があります"));
    if (r.draws < 0)
        r.draws = games >= 0 ? games - r.wins - r.losses : 0;
    if (r.draws < 0 || (games >= 0 && games != r.wins + r.losses + r.draws))
        return row.fail(QStringLiteral("勝敗の数が合いません"));
    row.standing = true;
    row.team = { row.name, r.wins, r.losses, r.draws };
    if (left >= 0)
        row.total = (games >= 0 ? games : r.wins + r.losses + r.draws) + left;
    return row;
}

// Without a header: ranks and marks, the name, then whole numbers up to the first decimal (a
// 勝率; what follows it is a 差 or a 貯金, not a count): four or more are games, wins, losses
// and draws if they add up, three are wins, losses and draws. Or one 77勝59敗7分.
Row readInOrder(const Line &line)
{
    Row row;
    row.line = line.number;
    const QStringList &cells = line.cells;
    qsizetype i = 0;
    for (; i < cells.size() && !isNameLike(cleanName(cells.at(i))); ++i) {
        const QString k = key(cells.at(i));
        if (!cleanName(cells.at(i)).isEmpty() && !isMark(k))
            return row.fail(QStringLiteral("チーム名がありません"));
        row.rank = row.rank ? row.rank : rankOf(k);
    }
    if (i == cells.size())
        return row.fail(QStringLiteral("チーム名がありません"));
    row.rank = row.rank ? row.rank : rankOf(key(cells.at(i)));
    row.name = cleanName(cells.at(i++));
    while (line.spaced && i < cells.size() && isNameLike(cells.at(i)))
        row.name += u' ' + cells.at(i++);
    row.cells = cells.mid(i);

    QList<int> numbers;
    qsizetype written = -1;
    int records = 0;
    for (qsizetype c = 0; c < row.cells.size(); ++c) {
        const QString k = key(row.cells.at(c));
        if (isDecimal(k) || (readRecord(k) && !k.contains(u'勝')))
            break;
        if (isWhole(k))
            numbers.append(count(k));
        else if (readRecord(k) && records++ == 0)
            written = c;
    }
    if (numbers.size() < 3 && records == 1) {
        const Record r = *readRecord(key(row.cells.at(written)));
        numbers = { r.wins, r.losses, std::max(r.draws, 0) };
        row.cells[written].clear();
    }
    if (numbers.size() < 3) {
        const bool versus = std::any_of(row.cells.cbegin(), row.cells.cend(),
            [](const QString &c) { return readRecord(key(c)).has_value(); });
        return versus ? row : row.fail(QStringLiteral("数が足りません"));
    }
    if (*std::max_element(
            numbers.cbegin(), numbers.cbegin() + std::min<qsizetype>(4, numbers.size()))
        > maxCount)
        return row.fail(QStringLiteral("999を超える数があります"));
    if (numbers.size() >= 4) {
        if (numbers.at(0) != numbers.at(1) + numbers.at(2) + numbers.at(3))
            return row.fail(QStringLiteral("勝敗の数が合いません"));
        numbers.removeFirst();
    }
    row.standing = true;
    row.team = { row.name, numbers.at(0), numbers.at(1), numbers.at(2) };
    return row;
}

// The team a head-to-head heading stands for: with 対 dropped, the name itself, else the one
// name it begins, else the one it is part of, else the one of its usual abbreviation.
int matchHeading(const QString &heading, const QStringList &names)
{
    static const QMultiHash<QString, QString> usual = {
        { "巨", "ジャイアンツ" },
        { "巨人", "ジャイアンツ" },
        { "神", "タイガース" },
        { "中", "ドラゴンズ" },
        { "広", "カープ" },
        { "ヤ", "スワローズ" },
        { "デ", "dena" },
        { "デ", "ベイスターズ" },
        { "ソ", "ホークス" },
        { "日", "ファイターズ" },
        { "ロ", "マリーンズ" },
        { "西", "ライオンズ" },
        { "オ", "バファローズ" },
        { "楽", "イーグルス" },
    };
    QString h = normalised(heading);
    if (h.startsWith(u'対'))
        h.remove(0, 1);
    if (h.isEmpty())
        return -1;
    const QList<std::function<bool(const QString &)>> tiers = {
        [&h](const QString &n) { return n == h; },
        [&h](const QString &n) { return n.startsWith(h); },
        [&h](const QString &n) { return n.contains(h); },
        [&h](const QString &n) {
            const QStringList fragments = usual.values(h);
            return std::any_of(fragments.cbegin(), fragments.cend(),
                [&n](const QString &f) { return n.contains(f); });
        },
    };
    for (const auto &tier : tiers) {
        int found = -1;
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (!tier(normalised(names.at(i))))
                continue;
            if (found >= 0)
                return -1;
            found = int(i);
        }
        if (found >= 0)
            return found;
    }
    return -1;
}

QStringList namesOf(const QList<Row> &rows)
{
    QStringList names;
    for (const Row &row : rows)
        names.append(row.name);
    return names;
}

int teamHeadings(const Header &h, const QList<Row> &rows)
{
    const QStringList names = namesOf(rows);
    return int(std::count_if(h.headings.cbegin(), h.headings.cend(),
        [&names](const QString &heading) { return matchHeading(heading, names) >= 0; }));
}

// Ranks that start again, a change from standings rows to head-to-head rows, or twelve rows
// in a row: a second league.
QList<Part> splitLeagues(const QList<Row> &rows, const Header *header)
{
    QList<Part> parts;
    for (const Row &row : rows) {
        const Row *previous = parts.isEmpty() ? nullptr : &parts.last().rows.last();
        if (!previous || (row.rank > 0 && row.rank < previous->rank)
            || row.standing != previous->standing)
            parts.append(Part { {}, header });
        parts.last().rows.append(row);
    }
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts.at(i).rows.size() == 2 * maxTeams) {
            parts.insert(i + 1, Part { parts.at(i).rows.mid(maxTeams), header });
            parts[i].rows.resize(maxTeams);
        }
    }
    return parts;
}

QList<Part> readParts(Block &block, QList<Note> &notes)
{
    const auto read = [&block](const Header *h, QList<Note> &notes) {
        QList<Row> rows;
        for (const Line &line : block.lines) {
            Row row = h ? readByHeader(line, *h) : readInOrder(line);
            if (row.problem.isEmpty())
                rows.append(row);
            else
                notes.append({ line.number, row.problem });
        }
        return rows;
    };
    if (block.lines.isEmpty())
        return {};
    const Header *header = block.header ? &*block.header : nullptr;
    if (block.header)
        placeNames(*block.header, block.lines.first());
    QList<Note> own;
    QList<Row> rows = read(header, own);
    if (header && !header->strong && teamHeadings(*header, rows) < 2) {
        header = nullptr;
        own.clear();
        rows = read(header, own);
    }
    notes += own;
    return splitLeagues(rows, header);
}

// The head-to-head cells of a part as a square: [i][j] holds team i's record against team j,
// from the columns whose headings name a team, or without a header the row's last cells.
QList<QStringList> versusCells(const Part &part, QList<Note> &notes)
{
    const qsizetype n = part.rows.size();
    QList<QStringList> grid(n, QStringList(n));
    if (const Header *h = part.header) {
        const QStringList names = namesOf(part.rows);
        QList<bool> taken(n);
        for (qsizetype c = 0; c < h->columns.size(); ++c) {
            const int j
                = h->columns.at(c) == Column::Other ? matchHeading(h->headings.at(c), names) : -1;
            if (j < 0 || taken[j])
                continue;
            taken[j] = true;
            for (qsizetype i = 0; i < n; ++i)
                grid[i][j] = part.rows.at(i).cells.value(c);
        }
        return grid;
    }
    const auto isRecord = [](const QString &c) { return readRecord(key(c)).has_value(); };
    for (qsizetype i = 0; i < n; ++i) {
        const QStringList &cells = part.rows.at(i).cells;
        const QStringList tail = cells.mid(std::max<qsizetype>(0, cells.size() - n));
        if (tail.size() == n && std::any_of(tail.cbegin(), tail.cend(), isRecord)
            && std::all_of(tail.cbegin(), tail.cend(),
                [&isRecord](const QString &c) { return isRecord(c) || isMark(key(c)); }))
            grid[i] = tail;
        else if (std::any_of(cells.cbegin(), cells.cend(), isRecord))
            notes.append({ part.rows.at(i).line, QStringLiteral("対戦成績の数が合いません") });
    }
    return grid;
}

// Each pair once, seen from the earlier row; a cell and its mirror must agree.
QList<TablePair> readPairs(const Part &part, QList<Note> &notes)
{
    QList<TablePair> pairs;
    if (part.rows.size() > maxTeams)
        return pairs;
    const QList<QStringList> grid = versusCells(part, notes);
    for (qsizetype i = 0; i < grid.size(); ++i) {
        for (qsizetype j = i + 1; j < grid.size(); ++j) {
            const Row &a = part.rows.at(i);
            const Row &b = part.rows.at(j);
            const std::optional<Record> ours = readRecord(key(grid[i][j]));
            const std::optional<Record> theirs = readRecord(key(grid[j][i]));
            if (!ours && !theirs)
                continue;
            const Record r = ours ? *ours : Record { theirs->losses, theirs->wins, theirs->draws };
            if (ours && theirs
                && (ours->wins != theirs->losses || ours->losses != theirs->wins
                    || std::max(ours->draws, 0) != std::max(theirs->draws, 0)))
                notes.append({ b.line,
                    QStringLiteral("%1–%2の対戦成績が食い違います").arg(a.name, b.name) });
            else if (std::max({ r.wins, r.losses, r.draws }) > maxCount)
                notes.append({ ours ? a.line : b.line, QStringLiteral("999を超える数があります") });
            else
                pairs.append({ a.name, b.name, r.wins, r.losses, std::max(r.draws, 0) });
        }
    }
    return pairs;
}

// Leaves out the pairs of teams not among `members`, with a note on each such team's row.
void keepMembers(const Part &part, QList<TablePair> &pairs, const QStringList &members,
    const QString &why, QList<Note> &notes)
{
    for (const Row &row : part.rows) {
        if (contains(members, row.name))
            continue;
        notes.append({ row.line, row.name + why });
        pairs.removeIf([&row](const TablePair &p) {
            return sameTeam(p.first, row.name) || sameTeam(p.second, row.name);
        });
    }
}

// Of several leagues, the one with most of the teams already entered, else the first.
qsizetype choose(const QList<Part> &parts, const QStringList &entered)
{
    qsizetype best = 0;
    qsizetype most = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QStringList names = namesOf(parts.at(i).rows);
        const auto known = std::count_if(names.cbegin(), names.cend(),
            [&entered](const QString &name) { return contains(entered, name); });
        if (known > most) {
            most = known;
            best = i;
        }
    }
    return best;
}

// The season's games, when games played and games left add up to the same for every team.
int seasonGames(const QList<Row> &rows)
{
    const int total = rows.first().total;
    return std::all_of(
               rows.cbegin(), rows.cend(), [total](const Row &r) { return r.total == total; })
        ? std::max(total, 0)
        : 0;
}

QString summary(QString head, const QString &league, QList<Note> notes)
{
    std::stable_sort(
        notes.begin(), notes.end(), [](const Note &a, const Note &b) { return a.line < b.line; });
    QStringList said;
    if (!league.isEmpty())
        said.append(league);
    for (qsizetype i = 0; i < std::min<qsizetype>(notes.size(), maxNotes); ++i)
        said.append(QStringLiteral("%1行目: %2").arg(notes.at(i).line).arg(notes.at(i).why));
    if (notes.size() > maxNotes)
        said.append(QStringLiteral("ほか%1件").arg(notes.size() - maxNotes));
    if (!said.isEmpty())
        head += u'（' + said.join(u'、') + u'）';
    return head;
}

} // namespace

PastedTable readPastedTable(const QString &text, const QStringList &entered)
{
    if (std::optional<CopiedForm> copied = readCopyText(text)) {
        PastedTable own;
        own.league = copied->league;
        own.form = copied->form;
        own.summary = QStringLiteral("貼り付け: %1チーム（コピーした表）").arg(copied->form.teamCount);
        return own;
    }
    static const QRegularExpression newline(QStringLiteral("\r\n|\r|\n"));
    QList<Line> lines;
    const QStringList texts = asciiDigits(text).split(newline);
    for (qsizetype i = 0; i < texts.size(); ++i)
        lines.append(tokenise(int(i + 1), texts.at(i)));

    QList<Note> notes;
    QList<Block> blocks = readBlocks(lines, notes);
    QList<Part> standings;
    QList<Part> versus;
    for (Block &block : blocks) {
        for (const Part &part : readParts(block, notes))
            (part.rows.first().standing ? standings : versus).append(part);
    }

    PastedTable result;
    const QList<Part> &leagues = standings.isEmpty() ? versus : standings;
    if (leagues.isEmpty()) {
        result.summary = summary(QStringLiteral("貼り付け: 順位表の行が見つかりません"), {}, notes);
        return result;
    }
    const Part &chosen = leagues.at(choose(leagues, entered));
    if (chosen.rows.size() > maxTeams) {
        result.summary = QStringLiteral("貼り付け: %1チームは多すぎます（6チームまで）")
                             .arg(chosen.rows.size());
        return result;
    }
    // Two tables are the two leagues; more are tables of one kind, one after the other.
    const QString league = leagues.size() < 2 ? QString()
        : leagues.size() == 2
        ? QStringLiteral("2リーグのうち%1の表").arg(chosen.rows.first().name)
        : QStringLiteral("%1表のうち%2の表").arg(leagues.size()).arg(chosen.rows.first().name);
    result.pairs = readPairs(chosen, notes);
    if (chosen.rows.first().standing) {
        for (const Row &row : chosen.rows)
            result.teams.append(row.team);
        result.games = seasonGames(chosen.rows);
        const QStringList members = namesOf(chosen.rows);
        for (const Part &part : versus) {
            const QStringList names = namesOf(part.rows);
            if (standings.size() > 1
                && std::none_of(names.cbegin(), names.cend(),
                    [&members](const QString &n) { return contains(members, n); }))
                continue; // the other league's
            QList<TablePair> more = readPairs(part, notes);
            keepMembers(part, more, members, QStringLiteral("は順位表にありません"), notes);
            for (const TablePair &p : more) {
                const bool known = std::any_of(
                    result.pairs.cbegin(), result.pairs.cend(), [&p](const TablePair &q) {
                        return (sameTeam(p.first, q.first) && sameTeam(p.second, q.second))
                            || (sameTeam(p.first, q.second) && sameTeam(p.second, q.first));
                    });
                if (!known)
                    result.pairs.append(p);
            }
        }
    } else {
        QStringList members;
        for (const QString &name : entered) {
            if (!name.trimmed().isEmpty())
                members.append(name);
        }
        if (!members.isEmpty())
            keepMembers(chosen, result.pairs, members,
                QStringLiteral("は入力されたチームにありません"), notes);
    }
    result.summary = summary(QStringLiteral("貼り付け: %1チーム、%2カード")
                                 .arg(result.teams.size())
                                 .arg(result.pairs.size()),
        league, notes);
    return result;
}

League pastedLeague(const PastedTable &table, League shown, const std::array<LeagueForm, 2> &)
{
    return table.league.value_or(shown);
}

bool sameTeam(const QString &a, const QString &b)
{
    return normalised(a) == normalised(b);
}

} // namespace calc

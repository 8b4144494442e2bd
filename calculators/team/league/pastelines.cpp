#include "calculators/team/league/pastelines.h"

#include "calculators/team/league/copytext.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

// Every cell is normalised and matched once, when its line is cut; everything after reads the
// Cell. Normalising a long string costs Qt time that grows with its length times its composed
// characters, so a cell longer than any heading, name or figure is compared as written.
namespace calc::paste {

namespace {

constexpr qsizetype maxNormalised = 100;

// The dashes pages write between the figures of a record, and as an empty cell.
const QString dashes = QStringLiteral("-‐‑‒–—―−ー─━");
const QString marks = dashes + QStringLiteral("*×/↑↓→←↗↘★☆◎○●◯◇◆□■△▲▽▼※✓✔+");

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool hasDigit(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), isDigit);
}

bool isMarks(const QString &key)
{
    return std::all_of(key.cbegin(), key.cend(), [](QChar c) {
        return (c.unicode() >= 0x80 || !c.isLetterOrNumber()) && marks.contains(c);
    });
}

// Printable ASCII, hiragana, katakana (not half-width) and the common kanji: what NFKC leaves
// as it is, and nearly every cell of a table.
bool isStable(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x20 && u < 0x7f) || (u >= 0x3041 && u <= 0x3096)
            || (u >= 0x30a1 && u <= 0x30fc) || (u >= 0x4e00 && u <= 0x9fff);
    });
}

int count(QStringView digits)
{
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits = digits.mid(1);
    if (digits.size() > 3)
        return maxCount + 1;
    int n = 0;
    for (QChar c : digits)
        n = 10 * n + (c.unicode() - u'0');
    return n;
}

// A rank (1位, 1.), a 勝率 (.643), or a record: 12-10-1, 12-10 (any dash), 12勝10敗1分, 12勝10敗.
void readFigure(Cell &cell)
{
    static const QRegularExpression figure(QStringLiteral(
        "^(?:(\\d+)(?:位|\\.)|(\\d*\\.\\d+)|(\\d+)\\s*(?:[%1]\\s*(\\d+)(?:\\s*[%1]\\s*"
        "(\\d+))?|勝\\s*(\\d+)\\s*敗(?:\\s*(\\d+)\\s*分け?)?))$")
                                               .arg(QRegularExpression::escape(dashes)));
    const QRegularExpressionMatch m = figure.match(cell.key);
    if (!m.hasMatch())
        return;
    if (m.hasCaptured(1)) {
        cell.kind = Cell::Kind::Rank;
        cell.number = count(m.capturedView(1));
    } else if (m.hasCaptured(2)) {
        cell.kind = Cell::Kind::Decimal;
    } else {
        cell.kind = Cell::Kind::Record;
        cell.record.kanji = m.hasCaptured(6);
        const int losses = cell.record.kanji ? 6 : 4;
        cell.record.wins = count(m.capturedView(3));
        cell.record.losses = count(m.capturedView(losses));
        if (m.hasCaptured(losses + 1))
            cell.record.draws = count(m.capturedView(losses + 1));
    }
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

// The cells between the separators, a tab or runs of spaces, each a view of `line`.
void split(QStringView line, bool spaces, QList<Cell> &cells)
{
    qsizetype start = spaces ? -1 : 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        const bool end = i == line.size() || (spaces ? line.at(i).isSpace() : line.at(i) == u'\t');
        if (end && start >= 0) {
            const QStringView cell = line.mid(start, i - start).trimmed();
            cells.append(readCell(QString::fromRawData(cell.data(), cell.size())));
            start = spaces ? -1 : i + 1;
        } else if (!end && start < 0) {
            start = i;
        }
    }
}

// A line's cells, added to `cells`: at tabs (a spreadsheet or a web page), else at commas
// (CSV), else at runs of spaces. Whether it was cut at spaces.
bool tokenise(QStringView text, QList<Cell> &cells)
{
    if (text.contains(u'\t')) {
        split(text, false, cells);
        return false;
    }
    if (text.contains(u',') || text.contains(u'，')) {
        for (const QString &cell : splitQuoted(text.toString().replace(u'，', u','), u','))
            cells.append(readCell(cell));
        return false;
    }
    split(text, true, cells);
    return true;
}

// The text's cells, and its lines that are not blank, each knowing whether a blank line stood
// before it.
Text cutLines(const QString &text)
{
    Text cut;
    // At most a cell a separator and a line; what is reserved and not used costs no memory.
    cut.cells.reserve(1 + std::count_if(text.cbegin(), text.cend(), [](QChar c) {
        return c.isSpace() || c == u',' || c == u'，';
    }));
    cut.lines.reserve(text.count(u'\n') + 1);
    QList<std::pair<qsizetype, qsizetype>> stretches; // each line's first cell and their number
    bool blank = false;
    qsizetype start = 0;
    for (qsizetype i = 0, number = 1; i <= text.size(); ++i) {
        if (i < text.size() && text.at(i) != u'\n' && text.at(i) != u'\r')
            continue;
        const qsizetype first = cut.cells.size();
        Line line;
        line.number = int(number++);
        line.spaced = tokenise(QStringView(text).mid(start, i - start), cut.cells);
        if (std::all_of(cut.cells.cbegin() + first, cut.cells.cend(),
                [](const Cell &c) { return c.text.isEmpty(); })) {
            cut.cells.resize(first);
            blank = true;
        } else {
            line.blankBefore = std::exchange(blank, false);
            cut.lines.append(line);
            stretches.append({ first, cut.cells.size() - first });
        }
        if (i + 1 < text.size() && text.at(i) == u'\r' && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    for (qsizetype i = 0; i < cut.lines.size(); ++i)
        cut.lines[i].cells
            = Cells(cut.cells.constData() + stretches.at(i).first, stretches.at(i).second);
    return cut;
}

bool isSingle(const Line &line)
{
    return line.cells.size() == 1;
}

bool namesLeague(const Cell &cell)
{
    return cell.league;
}

// A line of one heading word: the start of a phone's layout with a header.
bool isHeadingWord(const Line &line)
{
    return isSingle(line) && !line.hasDigit() && !namesLeague(line.cells.first())
        && columnOf(line.cells.first().text) != Column::Other;
}

// A line of one cell that may be a cell of a phone's layout.
bool isPhoneCell(const Line &line)
{
    return isSingle(line) && !isHeadingWord(line) && !namesLeague(line.cells.first());
}

// A line without digits is a header when it has two standings headings, or three cells or
// more of which two could name teams (a head-to-head table); a title names a league.
std::optional<Header> readHeader(const Line &line)
{
    const Cells &cells = line.cells;
    if (cells.size() < 2 || line.hasDigit()
        || std::any_of(cells.cbegin(), cells.cend(), namesLeague))
        return std::nullopt;
    Header h;
    h.line = line.number;
    for (const Cell &cell : cells) {
        h.headings.append(cell.text);
        h.columns.append(columnOf(cell.text));
        h.teamColumns = h.teamColumns || (cell.nameLike && h.columns.last() == Column::Other);
    }
    h.strong = std::count_if(h.columns.cbegin(), h.columns.cend(), [](Column c) {
        return c != Column::Other;
    }) >= 2;
    if (!h.strong
        && (cells.size() < 3 || std::count_if(cells.cbegin(), cells.cend(), [](const Cell &c) {
               return c.nameLike;
           }) < 2))
        return std::nullopt;
    h.nameColumn = h.find(Column::Name);
    return h;
}

// The lines [from, to) of one cell each as one row.
Line joined(const QList<Line> &lines, qsizetype from, qsizetype to)
{
    Line row;
    row.number = lines.at(from).number;
    row.cells = Cells(&lines.at(from).cells.first(), to - from);
    return row;
}

// Header words one a line from line `i` (a phone's layout): the words as one line, and the
// first line not taken. A table without ranks begins each row with its name, so a last word
// that is not a heading is the first team's name.
std::pair<Line, qsizetype> phoneHeader(const QList<Line> &lines, qsizetype i)
{
    qsizetype end = i + 1;
    while (end < lines.size() && isSingle(lines.at(end)) && !lines.at(end).hasDigit())
        ++end;
    if (end - i > 1 && columnOf(lines.at(i).cells.first().text) == Column::Name
        && columnOf(lines.at(end - 1).cells.first().text) == Column::Other)
        --end;
    return { joined(lines, i, end), end };
}

// The cells one a line from `from` on, as rows of `size` cells, up to a line of more cells, a
// heading or a title. The last row may be short: its reader says what it lacks.
qsizetype joinRows(const QList<Line> &lines, qsizetype from, qsizetype size, QList<Line> &out)
{
    qsizetype end = from;
    while (end < lines.size() && isPhoneCell(lines.at(end)))
        ++end;
    if (size < 3 || end == from)
        return from;
    for (qsizetype row = from; row < end; row += size)
        out.append(joined(lines, row, std::min(row + size, end)));
    return end;
}

// A phone's layout under a header of one word a line: the header as one line, then its rows.
// Returns the first line not taken; the words alone when they make no header.
qsizetype joinUnderHeader(const QList<Line> &lines, qsizetype from, QList<Line> &out)
{
    const auto [words, end] = phoneHeader(lines, from);
    const std::optional<Header> h = readHeader(words);
    if (!h || !h->strong) {
        out += lines.mid(from, end - from);
        return end;
    }
    out.append(words);
    return joinRows(lines, end, words.cells.size(), out);
}

// Rows of one cell a line without a header, in lines [from, to): each row a name (after its
// rank, when the first has one) and as many cells as lie between the first two names, for as
// long as names stand at their places. Lines outside such rows stay as they are.
void joinHeaderless(const QList<Line> &lines, qsizetype from, qsizetype to, QList<Line> &out)
{
    const auto cell = [&](qsizetype i) -> const Cell & { return lines.at(i).cells.first(); };
    const auto nextName = [&](qsizetype i) {
        while (i < to && !cell(i).nameLike)
            ++i;
        return i;
    };
    qsizetype copied = from;
    qsizetype i = from;
    for (qsizetype first = nextName(i); first < to; first = nextName(i)) {
        const qsizetype period = nextName(first + 1) - first;
        const qsizetype start = first > i && cell(first - 1).isRank() ? first - 1 : first;
        i = first + 1;
        if (first + period >= to || period < 3)
            continue;
        out += lines.mid(copied, start - copied);
        for (i = start; i + first - start < to && cell(i + first - start).nameLike; i += period) {
            out.append(joined(lines, i, std::min(i + period, to)));
            out.last().blankBefore = lines.at(i).blankBefore;
        }
        copied = i = std::min(i, to);
    }
    out += lines.mid(copied, to - copied);
}

// Joins the rows of a phone's layout, where each cell stands on a line of its own.
QList<Line> joinPhoneLayouts(const QList<Line> &lines)
{
    QList<Line> out;
    out.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size();) {
        if (isHeadingWord(lines.at(i))) {
            i = joinUnderHeader(lines, i, out);
        } else if (!isPhoneCell(lines.at(i))) {
            out.append(lines.at(i++));
        } else {
            qsizetype end = i;
            while (end < lines.size() && isPhoneCell(lines.at(end)))
                ++end;
            joinHeaderless(lines, i, end, out);
            i = end;
        }
    }
    return out;
}

// Whether a line may be a row: it has a figure (a count, a 勝率, a rank, a record), or digits
// beside a name, and more than one cell. A title with a date ("9月1日現在") is not, nor a
// figure alone.
bool mayBeRow(const Line &line)
{
    const Cells &cells = line.cells;
    const bool figure = std::any_of(cells.cbegin(), cells.cend(), [](const Cell &c) {
        return c.isRank() || c.kind == Cell::Kind::Decimal || c.kind == Cell::Kind::Record;
    });
    const auto name = [](const Cell &c) { return c.nameLike; };
    return cells.size() > 1
        && (figure || (line.hasDigit() && std::any_of(cells.cbegin(), cells.cend(), name)));
}

bool isCopySummary(const Line &line)
{
    if (line.cells.first().kind != Cell::Kind::Words)
        return false;
    QStringList keys;
    for (const Cell &cell : line.cells.mid(0, 3))
        keys.append(cell.key);
    return isSummaryText(keys.join(u' '));
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
    for (const Cell &cell : line.cells) {
        if (cell.kind == Cell::Kind::Record)
            ++(cell.record.kanji ? kanji : dashed);
    }
    return (dashed > 0 || kanji > 1) == h.teamColumns;
}

// The leagues a title names: 1 セ, 2 パ, 3 both.
int leaguesNamed(const Line &line)
{
    static const QRegularExpression central(QStringLiteral("セ・?リーグ|セントラル・?リーグ"));
    static const QRegularExpression pacific(QStringLiteral("パ・?リーグ|パシフィック・?リーグ"));
    int named = 0;
    for (const Cell &cell : line.cells) {
        if (namesLeague(cell))
            named |= (central.match(cell.key).hasMatch() ? 1 : 0)
                | (pacific.match(cell.key).hasMatch() ? 2 : 0);
    }
    return named;
}

bool isTitle(const Line &line)
{
    const Cells &cells = line.cells;
    return std::count_if(
               cells.cbegin(), cells.cend(), [](const Cell &c) { return !c.text.isEmpty(); })
        <= 2
        && std::none_of(cells.cbegin(), cells.cend(),
            [](const Cell &c) { return !c.text.isEmpty() && c.kind == Cell::Kind::Mark; });
}

} // namespace

Cell readCell(const QString &text)
{
    Cell cell;
    cell.text = text.trimmed();
    cell.key = cell.text.size() > maxNormalised || isStable(cell.text)
        ? cell.text
        : cell.text.normalized(QString::NormalizationForm_KC).trimmed();
    cell.digits = hasDigit(cell.text);
    cell.league = cell.key.contains(u'リ') && cell.key.contains(QStringLiteral("リーグ"));
    if (isMarks(cell.key))
        return cell;
    cell.kind = Cell::Kind::Words;
    cell.nameLike = !cell.digits
        && std::any_of(cell.text.cbegin(), cell.text.cend(), [](QChar c) { return c.isLetter(); });
    const qsizetype point = cell.key.indexOf(u'.');
    const auto digits = [&cell](qsizetype from, qsizetype to) {
        return std::all_of(cell.key.cbegin() + from, cell.key.cbegin() + to, isDigit);
    };
    if (point < 0 && digits(0, cell.key.size())) {
        cell.kind = Cell::Kind::Whole;
        cell.number = count(cell.key);
    } else if (point >= 0 && point + 1 < cell.key.size() && digits(0, point)
        && digits(point + 1, cell.key.size())) {
        cell.kind = Cell::Kind::Decimal; // the most common figure after a count: matched here
    } else if (hasDigit(cell.key)) {
        readFigure(cell);
    }
    return cell;
}

bool Line::hasDigit() const
{
    return std::any_of(cells.cbegin(), cells.cend(), [](const Cell &c) { return c.digits; });
}

Text readLines(const QString &text)
{
    Text cut = cutLines(text);
    cut.lines = joinPhoneLayouts(cut.lines);
    return cut;
}

QList<Block> readBlocks(const QList<Line> &lines)
{
    QList<Block> blocks;
    std::optional<Header> header;
    bool blank = false;
    bool titled = false;
    int named = 0;
    const auto start = [&](const std::optional<Header> &h) {
        blocks.append(Block { h, {},
            named == 1       ? std::optional(League::Central)
                : named == 2 ? std::optional(League::Pacific)
                             : std::nullopt });
        header = h;
        blank = titled = false;
        named = 0;
    };
    for (const Line &line : lines) {
        blank = blank || line.blankBefore;
        if (!mayBeRow(line)) {
            if (std::optional<Header> h = readHeader(line)) {
                start(h);
            } else {
                titled = titled || isTitle(line);
                named |= leaguesNamed(line);
            }
        } else if (!isCopySummary(line)) {
            if (blocks.isEmpty() || ((blank || titled) && header && !fits(line, *header)))
                start(std::nullopt);
            else if (titled)
                start(header);
            blank = titled = false;
            blocks.last().lines.append(line);
        }
    }
    return blocks;
}

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

QString nameKey(const QString &name)
{
    QString key = name.normalized(QString::NormalizationForm_KC);
    key.removeIf([](QChar c) { return c.isSpace() || c == u'.' || c == u'・' || c == u'·'; });
    return key.toCaseFolded();
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
                { "勝率", "率", "差", "ゲーム差", "勝差", "首位差", "貯金", "自力優勝", "マジック",
                    "順位の範囲", "自力CS", "CSマジック" } },
        };
        QHash<QString, Column> hash;
        for (const auto &[column, names] : list) {
            for (const QString &name : names)
                hash.insert(nameKey(name), column);
        }
        return hash;
    }();
    // Longer than every heading: no need to normalise it.
    return heading.size() > 8 ? Column::Other : words.value(nameKey(heading), Column::Other);
}

QString cleanName(const QString &cell)
{
    static const QString around = QStringLiteral("↑↓→←↗↘★☆◎○●◯◇◆□■△▲▽▼※✓✔*＊");
    const auto edge = [](QChar c) { return c.isSpace() || around.contains(c); };
    qsizetype from = 0;
    while (from < cell.size() && isDigit(cell.at(from)))
        ++from;
    if (from > 0 && from < cell.size()
        && (cell.at(from) == u'位' || cell.at(from) == u'.' || cell.at(from) == u'．'))
        ++from;
    while (from < cell.size() && edge(cell.at(from)))
        ++from;
    qsizetype to = cell.size();
    while (to > from && edge(cell.at(to - 1)))
        --to;
    return QString(cell.constData() + from, to - from); // its own copy, never a view
}

bool isNameLike(const QString &text)
{
    return !hasDigit(text) && !isMarks(text.normalized(QString::NormalizationForm_KC).trimmed())
        && std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
}

int rankOf(const Cell &cell)
{
    if (cell.isRank())
        return cell.number <= maxCount ? cell.number : 0;
    if (cell.key.isEmpty() || !isDigit(cell.key.front()))
        return 0;
    static const QRegularExpression rank(QStringLiteral("^(\\d{1,3})(?!\\d)"));
    const QRegularExpressionMatch m = rank.match(cell.key);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

} // namespace calc::paste

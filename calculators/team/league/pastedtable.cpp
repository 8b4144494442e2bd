#include "calculators/team/league/pastedtable.h"

#include "calculators/common/fullwidth.h"
#include "calculators/team/league/clubs.h"
#include "calculators/team/league/copytext.h"
#include "calculators/team/league/pastelines.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <functional>
#include <optional>

// The text is cut into lines and blocks (pastelines.cpp); each block's rows are read, and split
// into parts where a second league begins; of the parts, one league's standings (or
// head-to-head table) is taken. Every line that looks like data but is not read gets a note in
// the summary. A table that names a team twice is not read at all: a repeated row is a slip of
// the copy, and which of its records was meant is anybody's guess.
namespace calc {

using namespace paste;

namespace {

constexpr int maxTeams = maxLeagueTeams;
constexpr int maxNotes = 10;

struct Note
{
    int line;
    QString why;
};

struct Row
{
    int line = 0;
    int rank = 0; // 0 when the table shows none
    QString name;
    QString id; // the name as compared
    bool standing = false; // has a record; else a row of a head-to-head table
    TableTeam team;
    int total = -1; // games played and games left, when the table shows the games left
    Cells cells; // under the header's columns; without one, the cells after the name
    QList<Cell> own; // what `cells` shows when the row was lined up anew (cut at spaces)
    qsizetype counted = -1; // the cell read as the record (77勝59敗7分): no head-to-head figure
    QString problem; // why the line is skipped

    Row &fail(const QString &why)
    {
        problem = why;
        return *this;
    }
    // The name, without the marks around it; false (and a problem) when it is none.
    bool setName(const Cell &written)
    {
        name = cleanName(written.text);
        if (name.size() == written.text.size() ? !written.nameLike : !isNameLike(name))
            fail(QStringLiteral("チーム名がありません"));
        else if (name.size() > maxTeamNameLength)
            fail(QStringLiteral("チーム名が長すぎます"));
        id = nameKey(name);
        return problem.isEmpty();
    }
};

// The first team a table names a second time.
struct Twice
{
    int line;
    QString name;
};

// A league's rows in one block, and the header they stand under (none: read in order).
struct Part
{
    QList<Row> rows;
    const Block *block = nullptr;
    const Header *header = nullptr;
    std::optional<Twice> twice;
};

QStringList idsOf(const QList<Row> &rows)
{
    QStringList ids;
    for (const Row &row : rows)
        ids.append(row.id);
    return ids;
}

// A row cut at spaces, lined up with its header: the words of a name ("読売 ジャイアンツ") in one
// cell under the name column, marks before it dropped, a missing rank left empty.
QList<Cell> aligned(const Cells &cells, int nameColumn)
{
    const auto notName = [](const Cell &c) {
        return c.isRank() || c.kind == Cell::Kind::Mark || !isNameLike(cleanName(c.text));
    };
    const qsizetype p = std::find_if_not(cells.cbegin(), cells.cend(), notName) - cells.cbegin();
    if (p == cells.size())
        return cells.toList();
    qsizetype end = p + 1;
    QString name = cells.at(p).text;
    for (; end < cells.size() && cells.at(end).nameLike && name.size() <= maxTeamNameLength; ++end)
        name += u' ' + cells.at(end).text;
    qsizetype drop = p - nameColumn; // marks before the name, from the nearest
    QList<bool> dropped(p);
    for (qsizetype i = p - 1; i >= 0 && drop > 0; --i) {
        if (cells.at(i).kind == Cell::Kind::Mark) {
            dropped[i] = true;
            --drop;
        }
    }
    QList<Cell> before;
    for (qsizetype i = 0; i < p; ++i) {
        if (!dropped.at(i))
            before.append(cells.at(i));
    }
    before = before.mid(std::max<qsizetype>(drop, 0));
    while (before.size() < nameColumn)
        before.prepend(Cell());
    return before + QList<Cell> { readCell(name) } + cells.toList(end);
}

Row readByHeader(const Line &line, const Header &h)
{
    Row row;
    row.line = line.number;
    if (line.spaced) {
        row.own = aligned(line.cells, h.nameColumn);
        row.cells = Cells(row.own.constData(), row.own.size());
    } else {
        row.cells = line.cells;
    }
    const auto at = [&](Column c) { return h.find(c) < 0 ? Cell() : row.cells.value(h.find(c)); };
    row.rank = rankOf(at(Column::Rank));
    if (!row.setName(row.cells.value(h.nameColumn)))
        return row;
    if (h.find(Column::Wins) < 0 && h.find(Column::Losses) < 0 && h.find(Column::Record) < 0)
        return row; // a head-to-head row

    Record r { at(Column::Wins).count(), at(Column::Losses).count(), at(Column::Draws).count() };
    if (r.wins < 0 || r.losses < 0) {
        const std::optional<Record> written
            = at(h.find(Column::Record) >= 0 ? Column::Record : Column::Wins).readRecord();
        if (written)
            r = { written->wins, written->losses, std::max(written->draws, r.draws) };
    }
    const int games = at(Column::Games).count();
    const int left = at(Column::Remaining).count();
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

// Without a header: ranks and marks, then the name (its words, when cut at spaces). The cells
// after it are the row's; false when there is no name.
bool readName(const Line &line, Row &row)
{
    const Cells &cells = line.cells;
    qsizetype i = 0;
    for (; i < cells.size(); ++i) {
        const Cell &cell = cells.at(i);
        if (!cell.isRank() && cell.kind != Cell::Kind::Mark && !cleanName(cell.text).isEmpty())
            break;
        row.rank = row.rank ? row.rank : rankOf(cell);
    }
    if (i == cells.size()) {
        row.fail(QStringLiteral("チーム名がありません"));
        return false;
    }
    row.rank = row.rank ? row.rank : rankOf(cells.at(i));
    Cell name = cells.at(i++);
    for (; line.spaced && i < cells.size() && cells.at(i).nameLike
         && name.text.size() <= maxTeamNameLength;
         ++i)
        name = readCell(name.text + u' ' + cells.at(i).text);
    row.cells = cells.mid(i, cells.size() - i);
    return row.setName(name);
}

// The games left of a row read in order: the whole number after the 勝率 (at `rate`) and the
// 差, where nothing follows them (順位 チーム 試合 勝 敗 分 勝率 差 残).
int remainingInOrder(const Cells &cells, qsizetype rate)
{
    if (rate + 3 != cells.size() || cells.at(rate).kind != Cell::Kind::Decimal)
        return -1;
    const Cell &behind = cells.at(rate + 1);
    return behind.kind == Cell::Kind::Decimal || behind.kind == Cell::Kind::Mark
            || behind.kind == Cell::Kind::Whole
        ? cells.at(rate + 2).count()
        : -1;
}

// Whole numbers up to the first decimal (a 勝率; what follows it is a 差 or a 貯金, not a count):
// four or more are games, wins, losses and draws if they add up, three are wins, losses and
// draws. Or one 77勝59敗7分. With games, the games left may follow the 勝率 and the 差.
Row readInOrder(const Line &line)
{
    Row row;
    row.line = line.number;
    if (!readName(line, row))
        return row;
    QList<int> numbers;
    qsizetype written = -1;
    int records = 0;
    qsizetype c = 0;
    for (; c < row.cells.size(); ++c) {
        const Cell &cell = row.cells.at(c);
        if (cell.kind == Cell::Kind::Decimal
            || (cell.kind == Cell::Kind::Record && !cell.record.kanji))
            break;
        if (cell.kind == Cell::Kind::Whole)
            numbers.append(cell.number);
        else if (cell.kind == Cell::Kind::Record && records++ == 0)
            written = c;
    }
    if (numbers.size() < 3 && records == 1) {
        const Record r = row.cells.at(written).record;
        numbers = { r.wins, r.losses, std::max(r.draws, 0) };
        row.counted = written;
    }
    if (numbers.size() < 3) {
        const bool versus = std::any_of(row.cells.cbegin(), row.cells.cend(),
            [](const Cell &c) { return c.kind == Cell::Kind::Record; });
        return versus ? row : row.fail(QStringLiteral("数が足りません"));
    }
    if (*std::max_element(
            numbers.cbegin(), numbers.cbegin() + std::min<qsizetype>(4, numbers.size()))
        > maxCount)
        return row.fail(QStringLiteral("999を超える数があります"));
    const int games = numbers.size() >= 4 ? numbers.takeFirst() : -1;
    if (games >= 0 && games != numbers.at(0) + numbers.at(1) + numbers.at(2))
        return row.fail(QStringLiteral("勝敗の数が合いません"));
    row.standing = true;
    row.team = { row.name, numbers.at(0), numbers.at(1), numbers.at(2) };
    const int left = games >= 0 ? remainingInOrder(row.cells, c) : -1;
    if (left >= 0)
        row.total = games + left;
    return row;
}

// The team a head-to-head heading stands for: with 対 dropped, the name itself, else the one
// name it begins, else the one it is part of, else the one of its usual abbreviation.
int matchHeading(const QString &heading, const QStringList &ids)
{
    QString h = nameKey(heading);
    if (h.startsWith(u'対'))
        h.remove(0, 1);
    if (h.isEmpty())
        return -1;
    const std::function<bool(const QString &)> tiers[] = {
        [&h](const QString &n) { return n == h; },
        [&h](const QString &n) { return n.startsWith(h); },
        [&h](const QString &n) { return n.contains(h); },
        [&h](const QString &n) { return abbreviates(h, n); },
    };
    for (const auto &tier : tiers) {
        int found = -1;
        for (qsizetype i = 0; i < ids.size(); ++i) {
            if (!tier(ids.at(i)))
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

// The columns of a header that name a team of `rows`: column -> row, each team once; a team
// named by a second column is `twice`.
QList<std::pair<qsizetype, int>> teamColumns(
    const Header &h, const QList<Row> &rows, std::optional<Twice> *twice = nullptr)
{
    const QStringList ids = idsOf(rows);
    QList<std::pair<qsizetype, int>> columns;
    QList<bool> taken(rows.size());
    for (qsizetype c = 0; c < h.columns.size(); ++c) {
        const int j = h.columns.at(c) == Column::Other ? matchHeading(h.headings.at(c), ids) : -1;
        if (j >= 0 && taken[j] && twice && !*twice)
            *twice = Twice { h.line, rows.at(j).name };
        if (j < 0 || taken[j])
            continue;
        taken[j] = true;
        columns.append({ c, j });
    }
    return columns;
}

// Ranks that start again with a new team, a change from standings rows to head-to-head rows,
// or twelve rows in a row: a second league.
QList<Part> splitLeagues(const QList<Row> &rows, const Block &block, const Header *header)
{
    QList<Part> parts;
    QSet<QString> named;
    for (const Row &row : rows) {
        const Row *previous = parts.isEmpty() ? nullptr : &parts.last().rows.last();
        if (!previous || (row.rank > 0 && row.rank < previous->rank && !named.contains(row.id))
            || row.standing != previous->standing) {
            parts.append(Part { {}, &block, header, {} });
            named.clear();
        }
        parts.last().rows.append(row);
        named.insert(row.id);
    }
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts.at(i).rows.size() == 2 * maxTeams) {
            parts.insert(i + 1, Part { parts.at(i).rows.mid(maxTeams), &block, header, {} });
            parts[i].rows.resize(maxTeams);
        }
    }
    return parts;
}

// The first team a part names twice: a row's name, else a column's heading.
std::optional<Twice> findTwice(const Part &part)
{
    QSet<QString> named;
    for (const Row &row : part.rows) {
        if (named.contains(row.id))
            return Twice { row.line, row.name };
        named.insert(row.id);
    }
    std::optional<Twice> twice;
    if (part.header)
        teamColumns(*part.header, part.rows, &twice);
    return twice;
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
    if (header && !header->strong && teamColumns(*header, rows).size() < 2) {
        header = nullptr;
        own.clear();
        rows = read(header, own);
    }
    notes += own;
    QList<Part> parts = splitLeagues(rows, block, header);
    for (Part &part : parts)
        part.twice = findTwice(part);
    return parts;
}

// The head-to-head cells of a part as a square: [i][j] holds team i's record against team j,
// from the columns whose headings name a team, or without a header the row's last cells.
QList<QList<Cell>> versusCells(const Part &part, QList<Note> &notes)
{
    const qsizetype n = part.rows.size();
    QList<QList<Cell>> grid(n, QList<Cell>(n));
    if (const Header *h = part.header) {
        for (const auto &[c, j] : teamColumns(*h, part.rows)) {
            for (qsizetype i = 0; i < n; ++i)
                grid[i][j] = part.rows.at(i).cells.value(c);
        }
        return grid;
    }
    const auto isRecord = [](const Cell &c) { return c.kind == Cell::Kind::Record; };
    for (qsizetype i = 0; i < n; ++i) {
        const Row &row = part.rows.at(i);
        const Cells &cells = row.cells;
        const qsizetype from = std::max<qsizetype>(0, cells.size() - n);
        QList<Cell> tail = cells.toList(from);
        if (row.counted >= from)
            tail[row.counted - from] = Cell();
        if (tail.size() == n && std::any_of(tail.cbegin(), tail.cend(), isRecord)
            && std::all_of(tail.cbegin(), tail.cend(), [](const Cell &c) {
                   return c.kind == Cell::Kind::Record || c.kind == Cell::Kind::Mark;
               }))
            grid[i] = tail;
        else if (std::count_if(cells.cbegin(), cells.cend(), isRecord) > (row.counted >= 0 ? 1 : 0))
            notes.append({ row.line, QStringLiteral("対戦成績の数が合いません") });
    }
    return grid;
}

// Each pair once, seen from the earlier row; a cell and its mirror must agree.
QList<TablePair> readPairs(const Part &part, QList<Note> &notes)
{
    QList<TablePair> pairs;
    if (part.rows.size() > maxTeams)
        return pairs;
    const QList<QList<Cell>> grid = versusCells(part, notes);
    for (qsizetype i = 0; i < grid.size(); ++i) {
        for (qsizetype j = i + 1; j < grid.size(); ++j) {
            const Row &a = part.rows.at(i);
            const Row &b = part.rows.at(j);
            const std::optional<Record> ours = grid[i][j].readRecord();
            const std::optional<Record> theirs = grid[j][i].readRecord();
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

// Leaves out the pairs of teams not among `members` (as compared), with a note on each such
// team's row.
void keepMembers(const Part &part, QList<TablePair> &pairs, const QSet<QString> &members,
    const QString &why, QList<Note> &notes)
{
    for (const Row &row : part.rows) {
        if (members.contains(row.id))
            continue;
        notes.append({ row.line, row.name + why });
        pairs.removeIf([&row](const TablePair &p) {
            return nameKey(p.first) == row.id || nameKey(p.second) == row.id;
        });
    }
}

// Of several leagues, the one with most of the teams already entered, else the first.
qsizetype choose(const QList<Part> &parts, const QSet<QString> &entered)
{
    qsizetype best = 0;
    qsizetype most = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QList<Row> &rows = parts.at(i).rows;
        const auto known = std::count_if(rows.cbegin(), rows.cend(),
            [&entered](const Row &row) { return entered.contains(row.id); });
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
    const auto byLine = [](const Note &a, const Note &b) { return a.line < b.line; };
    if (!std::is_sorted(notes.cbegin(), notes.cend(), byLine))
        std::stable_sort(notes.begin(), notes.end(), byLine);
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

struct Parts
{
    QList<Part> standings;
    QList<Part> versus;
};

// The chosen standings' teams, and the pairs of the head-to-head tables of their league.
void readStandings(PastedTable &result, const Part &chosen, const Parts &parts, QList<Note> &notes)
{
    QSet<QString> members;
    for (const Row &row : chosen.rows) {
        result.teams.append(row.team);
        members.insert(row.id);
    }
    result.games = seasonGames(chosen.rows);
    QSet<QString> known;
    for (const TablePair &p : result.pairs)
        known << nameKey(p.first) + u'\n' + nameKey(p.second);
    for (const Part &part : parts.versus) {
        const QList<Row> &rows = part.rows;
        if (parts.standings.size() > 1
            && std::none_of(rows.cbegin(), rows.cend(),
                [&members](const Row &r) { return members.contains(r.id); }))
            continue; // the other league's
        if (part.twice) {
            notes.append({ part.twice->line, part.twice->name + QStringLiteral("が2度目です") });
            continue;
        }
        QList<TablePair> more = readPairs(part, notes);
        keepMembers(part, more, members, QStringLiteral("は順位表にありません"), notes);
        for (const TablePair &p : more) {
            const QString a = nameKey(p.first);
            const QString b = nameKey(p.second);
            if (!known.contains(a + u'\n' + b) && !known.contains(b + u'\n' + a)) {
                known << a + u'\n' + b;
                result.pairs.append(p);
            }
        }
    }
}

// A head-to-head table alone: its pairs of the teams entered; into an empty form, its teams
// too (their records unknown, to come with the standings pasted next).
void readVersus(
    PastedTable &result, const Part &chosen, const QStringList &entered, QList<Note> &notes)
{
    QSet<QString> members;
    for (const QString &name : entered) {
        if (!name.trimmed().isEmpty())
            members.insert(nameKey(name));
    }
    if (!members.isEmpty()) {
        keepMembers(
            chosen, result.pairs, members, QStringLiteral("は入力されたチームにありません"), notes);
        return;
    }
    for (const Row &row : chosen.rows)
        result.teams.append({ row.name, 0, 0, 0 });
}

// Two tables are the two leagues; more are tables of one kind, one after the other.
QString leagueNote(const QList<Part> &leagues, const Part &chosen)
{
    if (leagues.size() < 2)
        return {};
    return leagues.size() == 2
        ? QStringLiteral("2リーグのうち%1の表").arg(chosen.rows.first().name)
        : QStringLiteral("%1表のうち%2の表").arg(leagues.size()).arg(chosen.rows.first().name);
}

// The league the titles above the chosen table name, when its block holds no other table of
// its kind.
std::optional<League> titledLeague(const QList<Part> &leagues, const Part &chosen)
{
    const auto sameBlock = std::count_if(leagues.cbegin(), leagues.cend(),
        [&chosen](const Part &p) { return p.block == chosen.block; });
    return sameBlock == 1 ? chosen.block->title : std::nullopt;
}

PastedTable readChosen(const Parts &parts, const QStringList &entered, QList<Note> notes)
{
    PastedTable result;
    const QList<Part> &leagues = parts.standings.isEmpty() ? parts.versus : parts.standings;
    if (leagues.isEmpty()) {
        result.summary = summary(QStringLiteral("貼り付け: 順位表の行が見つかりません"), {}, notes);
        return result;
    }
    QSet<QString> known;
    for (const QString &name : entered)
        known.insert(nameKey(name));
    const Part &chosen = leagues.at(choose(leagues, known));
    if (chosen.twice) {
        result.summary = summary(QStringLiteral("貼り付け: %1行目の%2が2度目です")
                                     .arg(chosen.twice->line)
                                     .arg(chosen.twice->name),
            leagueNote(leagues, chosen), notes);
        return result;
    }
    if (chosen.rows.size() > maxTeams) {
        result.summary = QStringLiteral("貼り付け: %1チームは多すぎます（6チームまで）")
                             .arg(chosen.rows.size());
        return result;
    }
    result.league = titledLeague(leagues, chosen);
    result.pairs = readPairs(chosen, notes);
    if (chosen.rows.first().standing)
        readStandings(result, chosen, parts, notes);
    else
        readVersus(result, chosen, entered, notes);
    result.summary = summary(QStringLiteral("貼り付け: %1チーム、%2カード")
                                 .arg(result.teams.size())
                                 .arg(result.pairs.size()),
        leagueNote(leagues, chosen), notes);
    return result;
}

qsizetype utf8Size(const QString &text)
{
    qsizetype bytes = 0;
    for (const QChar c : text)
        bytes += c.unicode() < 0x80 ? 1 : (c.unicode() < 0x800 || c.isSurrogate()) ? 2 : 3;
    return bytes;
}

} // namespace

PastedTable readPastedTable(const QString &text, const QStringList &entered)
{
    if (const qsizetype bytes = utf8Size(text); bytes > maxPastedBytes) {
        QLocale grouped = QLocale::c();
        grouped.setNumberOptions(QLocale::DefaultNumberOptions);
        PastedTable tooLong;
        tooLong.summary = QStringLiteral("貼り付け: 長すぎます（%1 KB）")
                              .arg(grouped.toString((bytes + 1023) / 1024));
        return tooLong;
    }
    // The copy's form begins at a line whose first cell is リーグ: only then is it worth reading
    // the whole text again as one.
    static const QRegularExpression mayBeCopy(QStringLiteral("(?m)^\\h*リーグ\\h*\\t"));
    if (std::optional<CopiedForm> copied
        = mayBeCopy.match(text).hasMatch() ? readCopyText(text) : std::nullopt) {
        PastedTable own;
        own.league = copied->league;
        own.form = copied->form;
        own.summary
            = QStringLiteral("貼り付け: %1チーム（コピーした表）").arg(copied->form.teamCount);
        return own;
    }
    QList<Note> notes;
    const QString ascii = asciiDigits(text);
    const Text lines = readLines(ascii);
    QList<Block> blocks = readBlocks(lines.lines);
    Parts parts;
    for (Block &block : blocks) {
        for (const Part &part : readParts(block, notes))
            (part.rows.first().standing ? parts.standings : parts.versus).append(part);
    }
    return readChosen(parts, entered, notes);
}

League pastedLeague(const PastedTable &table, League shown, const std::array<LeagueForm, 2> &forms)
{
    if (table.league)
        return *table.league;
    const League other = shown == League::Central ? League::Pacific : League::Central;
    const auto inForm = [&forms](League league, const QString &name) {
        const LeagueForm &form = forms.at(league == League::Central ? 0 : 1);
        return std::any_of(form.teams.cbegin(), form.teams.cend(), [&name](const LeagueTeam &t) {
            return !t.name.trimmed().isEmpty() && sameTeam(t.name, name);
        });
    };
    const auto ofOther = [&](const QString &name) {
        if (inForm(other, name) || inForm(shown, name))
            return inForm(other, name);
        return clubLeague(name) == std::optional(other);
    };
    QStringList names;
    for (const TableTeam &team : table.teams)
        names.append(team.name);
    for (const TablePair &pair : table.pairs)
        names << pair.first << pair.second;
    return !names.isEmpty() && std::all_of(names.cbegin(), names.cend(), ofOther) ? other : shown;
}

bool sameTeam(const QString &a, const QString &b)
{
    return nameKey(a) == nameKey(b);
}

} // namespace calc

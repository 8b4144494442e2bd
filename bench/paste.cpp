// Times 順位表's 貼り付け on texts of about the largest size it reads (256 KB): a whole web
// page's text with tables inside, long spreadsheet columns, and one huge line; and a text too
// long to read, which must be refused at once. Prints a Markdown
// table of the median and the slowest of several runs of each. Built with -DSEKIVO_BENCH=ON:
//
//   build-bench/bench/sekivo_bench_paste [runs [text]]   (text: 1 to 5, one of them alone)

#include "calculators/team/league/pastedtable.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <time.h>
#include <vector>

namespace {

constexpr qsizetype limit = 256 * 1024; // UTF-8 bytes the reader still takes

// `chunk(i)` repeated, numbered, for as long as the text stays within the limit.
QString filled(const std::function<QString(int)> &chunk, const QString &separator = "\n")
{
    QString text;
    qsizetype bytes = 0;
    for (int i = 0;; ++i) {
        const QString next = chunk(i) + separator;
        const qsizetype size = next.toUtf8().size();
        if (bytes + size > limit)
            return text;
        text += next;
        bytes += size;
    }
}

const QStringList central = { "阪神", "広島", "DeNA", "巨人", "ヤクルト", "中日" };
const QStringList pacific = { "オリックス", "ロッテ", "ソフトバンク", "楽天", "西武", "日本ハム" };

QString standings(const QString &title, const QStringList &teams, int day)
{
    QString text = title + "\n順位\tチーム\t試合\t勝\t敗\t分\t勝率\t差\t残\n";
    for (int i = 0; i < teams.size(); ++i) {
        const int wins = 80 - 4 * i + day % 3;
        const int losses = 55 + 4 * i;
        text += QString("%1\t%2\t%3\t%4\t%5\t3\t.%6\t%7\t%8\n")
                    .arg(i + 1)
                    .arg(teams.at(i))
                    .arg(wins + losses + 3)
                    .arg(wins)
                    .arg(losses)
                    .arg(1000 * wins / (wins + losses))
                    .arg(i == 0 ? QString("-") : QString("4.0"))
                    .arg(143 - wins - losses - 3);
    }
    return text;
}

QString versus(const QStringList &teams)
{
    QString text = "チーム";
    for (const QString &team : teams)
        text += "\t対" + team;
    for (int i = 0; i < teams.size(); ++i) {
        text += "\n" + teams.at(i);
        for (int j = 0; j < teams.size(); ++j)
            text += i == j ? QString("\t-") : i < j ? QString("\t13-11-1") : QString("\t11-13-1");
    }
    return text + "\n";
}

// A sports site's page as a browser copies it: menus, headlines with dates and scores, both
// leagues' standings and a head-to-head table, a box score, prose and a footer; one day a chunk.
QString webPage(int day)
{
    QString text = "ホーム\nニュース\n日程・結果\n順位表\n個人成績\n球団一覧\n\n";
    text += QString("2023年9月%1日（木） 18:00 試合終了\n").arg(day % 30 + 1);
    text += "阪神 4 - 3 巨人 【甲子園】 観衆 42,630人\n";
    text += "広島、延長12回サヨナラ勝ち 3連勝で2位浮上 ヤクルトは5連敗\n\n";
    text += standings("セ・リーグ", central, day) + "\n" + standings("パ・リーグ", pacific, day);
    text += "\n対戦成績\n" + versus(central) + "\n";
    text += "巨人\t0\t0\t1\t0\t2\t0\t0\t0\t0\t3\t8\t1\n阪神\t0\t1\t0\t0\t0\t2\t1\t0\tX\t4\t9\t0\n";
    text += "勝 村上 10勝6敗0S 負 山崎伊 9勝5敗0S S 岩崎 2勝3敗33S\n";
    text += "阪神は1点を追う7回、2死一、三塁から近本が右前へ2点適時打を放ち逆転。先発の村上は7回"
            "3失点で10勝目を挙げ、岩崎が9回を締めて33セーブ目。優勝へのマジックを2とした。\n";
    return text
        + "利用規約 | プライバシーポリシー | お問い合わせ\nCopyright © 2023 Example Sports\n";
}

// A spreadsheet's column of day-by-day standings, every cell on a line of its own.
QString column(int day)
{
    QString text = QString("2023/9/%1\n").arg(day % 30 + 1);
    for (const QString &line : standings(QString(), central, day).split('\n').mid(2)) {
        if (!line.isEmpty())
            text += QString(line).replace('\t', '\n') + "\n";
    }
    return text;
}

// A spreadsheet's column of figures, one a line: the runs of each game of a season.
QString figures(int game)
{
    return QString::number((game * 7 + game / 3) % 12);
}

double processorMs()
{
    timespec ts {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

struct Timing
{
    double median;
    double slowest;
    double processor; // the median's processor time: what a machine busy with others adds not
};

Timing timed(const QString &text, int runs)
{
    std::vector<std::pair<double, double>> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        const double processor = processorMs();
        clock.start();
        const calc::PastedTable table = calc::readPastedTable(text, { "巨人", "阪神" });
        ms.emplace_back(double(clock.nsecsElapsed()) / 1e6, processorMs() - processor);
        if (table.summary.isEmpty())
            std::abort();
    }
    std::sort(ms.begin(), ms.end());
    return { ms.at(ms.size() / 2).first, ms.back().first, ms.at(ms.size() / 2).second };
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const QString line = QString(filled(webPage, "")).replace('\n', ' ');
    const std::vector<std::pair<const char *, QString>> texts = {
        { "a web page with tables", filled(webPage, "") },
        { "a spreadsheet column, standings", filled(column, "") },
        { "a spreadsheet column, figures", filled(figures) },
        { "one huge line", line },
        { "a 1.1 MB clipboard", line.repeated(5) },
    };
    std::printf("貼り付け, %d runs each (ms)\n\n", runs);
    std::printf("| text | KB | lines | median | slowest | median's processor time |\n"
                "|---|---:|---:|---:|---:|---:|\n");
    const std::size_t only = argc > 2 ? std::size_t(std::atoi(argv[2])) : 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto &[name, text] = texts.at(i);
        if (only > 0 && i + 1 != only)
            continue;
        const Timing t = timed(text, runs);
        std::printf("| %s | %lld | %lld | %.1f | %.1f | %.1f |\n", name,
            static_cast<long long>(text.toUtf8().size() / 1024),
            static_cast<long long>(text.count('\n') + 1), t.median, t.slowest, t.processor);
        std::fprintf(stderr, "  %s: %s\n", name,
            qPrintable(calc::readPastedTable(text, { "巨人", "阪神" }).summary));
    }
    return 0;
}

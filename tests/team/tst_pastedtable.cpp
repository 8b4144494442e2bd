#include "calculators/team/league/pastedtable.h"

#include <QRegularExpression>
#include <QTest>

class tst_PastedTable : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void league_data();
    void league();
};

void tst_PastedTable::read_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("entered");
    QTest::addColumn<QString>("teams"); // name wins losses draws, ...
    QTest::addColumn<QString>("pairs"); // first–second firstWins secondWins draws, ...
    QTest::addColumn<int>("games");
    QTest::addColumn<QString>("summary");
    const auto row = [](const char *name, const QString &clipboard, const QStringList &entered,
                         const char *teams, const char *pairs, int games, const char *summary) {
        QTest::newRow(name) << clipboard << entered << QString::fromUtf8(teams)
                            << QString::fromUtf8(pairs) << games << QString::fromUtf8(summary);
    };

    // 2023, final: 143 games, none left.
    const QString header = "順位 チーム 試合 勝 敗 分 勝率 差 残\n";
    const QString central = "1 阪神 143 85 53 5 .616 - 0\n2 広島 143 74 65 4 .532 11.5 0\n"
                            "3 DeNA 143 74 66 3 .529 0.5 0\n4 巨人 143 71 70 2 .504 3.5 0\n"
                            "5 ヤクルト 143 57 83 3 .407 13.5 0\n6 中日 143 56 82 5 .406 0.0 0\n";
    const QString pacific = "1 オリックス 143 86 53 4 .619 - 0\n2 ロッテ 143 70 68 5 .507 15.5 0\n"
                            "3 ソフトバンク 143 71 69 3 .507 0.0 0\n4 楽天 143 70 71 2 .496 1.5 0\n"
                            "5 西武 143 65 77 1 .458 5.5 0\n6 日本ハム 143 60 82 1 .423 5.0 0\n";
    const char *ce = "阪神 85 53 5, 広島 74 65 4, DeNA 74 66 3, 巨人 71 70 2, ヤクルト 57 83 3, "
                     "中日 56 82 5";
    row("both leagues, titles and headers: the first",
        "セ・リーグ\n" + header + central + "\nパ・リーグ\n" + header + pacific, {}, ce, "", 143,
        "貼り付け: 6チーム、0カード（2リーグのうち阪神の表）");
    row("both leagues: the one entered", header + central + "\n" + pacific, { "ｵﾘｯｸｽ", "西武" },
        "オリックス 86 53 4, ロッテ 70 68 5, ソフトバンク 71 69 3, 楽天 70 71 2, 西武 65 77 1, "
        "日本ハム 60 82 1",
        "", 143, "貼り付け: 6チーム、0カード（2リーグのうちオリックスの表）");
    row("both leagues, 12 rows without ranks",
        QString(header + central + pacific).remove(QRegularExpression("(?m)^\\d ")), {}, ce, "",
        143, "貼り付け: 6チーム、0カード（2リーグのうち阪神の表）");
    // Before: 阪神, 巨人 and 広島 dropped without a word, the 差 taken for a count.
    row("差 a whole number",
        "1 ヤクルト 73 52 18 .584 -\n2 阪神 77 56 10 .579 0\n3 巨人 61 62 20 .496 11\n"
        "4 広島 63 68 12 .481 2\n5 中日 55 71 17 .437 5.5\n6 DeNA 54 73 16 .425 1.5",
        {},
        "ヤクルト 73 52 18, 阪神 77 56 10, 巨人 61 62 20, 広島 63 68 12, 中日 55 71 17, "
        "DeNA 54 73 16",
        "", 0, "貼り付け: 6チーム、0カード");
    row("1位 and 1. are ranks", "1位 巨人 63 35 4\n2. 阪神 54 44 2\n3.広島 45 56 2", {},
        "巨人 63 35 4, 阪神 54 44 2, 広島 45 56 2", "", 0, "貼り付け: 3チーム、0カード");
    row("web page, header and ranks",
        "順位\tチーム\t試合\t勝利\t敗戦\t引分\t勝率\t勝差\n1\t巨人\t102\t63\t35\t4\t.643\t-\n"
        "2\t阪神\t100\t54\t44\t2\t.551\t9.0\n",
        {}, "巨人 63 35 4, 阪神 54 44 2", "", 0, "貼り付け: 2チーム、0カード");
    row("no 試合 column",
        "順位\tチーム\t勝利\t敗北\t引分\t勝率\tゲーム差\n1\t巨人\t63\t35\t4\t.643\t-", {},
        "巨人 63 35 4", "", 0, "貼り付け: 1チーム、0カード");
    row("no 引分 column: 試合 − 勝 − 敗",
        "チーム 試合 勝 敗 勝率\n巨人 102 63 35 .643\n阪神 100 54 44 .551", {},
        "巨人 63 35 4, 阪神 54 44 2", "", 0, "貼り付け: 2チーム、0カード");
    row("neither: no draws", "球団 勝 敗 差\n巨人 63 35 -\n阪神 54 44 9.0", {},
        "巨人 63 35 0, 阪神 54 44 0", "", 0, "貼り付け: 2チーム、0カード");
    row("CSV, a quoted name with a space",
        "順位,チーム,試合,勝,敗,分,勝率,差\n1,\"読売 ジャイアンツ\",102,63,35,4,.643,-\n"
        "2,阪神タイガース,100,54,44,2,.551,9.0",
        {}, "読売 ジャイアンツ 63 35 4, 阪神タイガース 54 44 2", "", 0,
        "貼り付け: 2チーム、0カード");
    row("one cell per line",
        "セ・リーグ\n順位\nチーム\n試合\n勝\n敗\n分\n勝率\n差\n1\n巨人\n102\n63\n35\n4\n"
        ".643\n-\n2\n阪神\n100\n54\n44\n2\n.551\n9.0\n3\n広島\n103",
        {}, "巨人 63 35 4, 阪神 54 44 2", "", 0,
        "貼り付け: 2チーム、0カード（26行目: 数が足りません）");
    row("one cell per line, no ranks", "チーム\n勝\n敗\n分\n巨人\n63\n35\n4\n阪神\n54\n44\n2", {},
        "巨人 63 35 4, 阪神 54 44 2", "", 0, "貼り付け: 2チーム、0カード");
    row("head-to-head alone",
        "チーム\t対巨人\t対阪神\t対中日\n巨人\t—\t12-10-1\t14－9\n"
        "阪神\t10-12-1\t—\t13-11-1\n中日\t9–14\t11-13-1\t—",
        { "巨人", "阪神", "中日" }, "", "巨人–阪神 12 10 1, 巨人–中日 14 9 0, 阪神–中日 13 11 1", 0,
        "貼り付け: 0チーム、3カード");
    row("head-to-head alone, a team not entered",
        "\t巨人\t阪神\t中日\n巨人\t\t12-10-1\t14-9\n"
        "阪神\t10-12-1\t\t13-11-1\n中日\t9-14\t11-13-1\t",
        { "巨人", "阪神", "広島" }, "", "巨人–阪神 12 10 1", 0,
        "貼り付け: 0チーム、1カード（4行目: 中日は入力されたチームにありません）");
    row("head-to-head without a header, a mirror that disagrees",
        "巨人 *** 12勝10敗1分 14勝9敗\n阪神 10勝12敗1分 *** 13勝11敗1分\n中日 9勝13敗 11勝13敗1分 "
        "***",
        {}, "巨人 0 0 0, 阪神 0 0 0, 中日 0 0 0", "巨人–阪神 12 10 1, 阪神–中日 13 11 1", 0,
        "貼り付け: 3チーム、2カード（3行目: 巨人–中日の対戦成績が食い違います）");
    row("head-to-head beside the standings, one-letter headings",
        "順位\tチーム\t勝\t敗\t分\t勝率\t巨\t神\t広\tデ\t中\tヤ\n"
        "1\t巨人\t75\t53\t4\t.586\t-\t12-10-1\t13-9-1\t14-8\t12-9-2\t14-9\n"
        "2\t阪神\t67\t62\t4\t.519\t10-12-1\t-\t11-11-1\t12-10-1\t13-9-1\t12-11\n"
        "3\t広島\t66\t63\t4\t.512\t9-13-1\t11-11-1\t-\t11-12\t12-10-1\t13-10\n"
        "4\tDeNA\t64\t66\t3\t.492\t8-14\t10-12-1\t12-11\t-\t11-11-1\t12-10-1\n"
        "5\t中日\t60\t69\t5\t.465\t9-12-2\t9-13-1\t10-12-1\t11-11-1\t-\t10-12-1\n"
        "6\tヤクルト\t58\t73\t3\t.443\t9-14\t11-12\t10-13\t10-12-1\t12-10-1\t-",
        {},
        "巨人 75 53 4, 阪神 67 62 4, 広島 66 63 4, DeNA 64 66 3, 中日 60 69 5, ヤクルト 58 73 3",
        "巨人–阪神 12 10 1, 巨人–広島 13 9 1, 巨人–DeNA 14 8 0, 巨人–中日 12 9 2, 巨人–ヤクルト 14 "
        "9 0, "
        "阪神–広島 11 11 1, 阪神–DeNA 12 10 1, 阪神–中日 13 9 1, 阪神–ヤクルト 12 11 0, "
        "広島–DeNA 11 12 0, 広島–中日 12 10 1, 広島–ヤクルト 13 10 0, DeNA–中日 11 11 1, "
        "DeNA–ヤクルト 12 10 1, 中日–ヤクルト 10 12 1",
        0, "貼り付け: 6チーム、15カード");
    row("head-to-head under the standings",
        "チーム 勝 敗 分\n巨人 63 35 4\n阪神 54 44 2\n\n"
        "巨人 - 12-10-1 12-9\n阪神 10-12-1 - 14-8\n広島 9-12 8-14 -",
        {}, "巨人 63 35 4, 阪神 54 44 2", "巨人–阪神 12 10 1", 0,
        "貼り付け: 2チーム、1カード（7行目: 広島は順位表にありません）");
    row("the dialog's own コピー",
        "順位\tチーム\t勝\t敗\t分\t残\t勝率\t差\t首位差\t自力優勝\tマジック\n"
        "1\t巨人\t47\t22\t4\t47\t0.681\t-\t-\t有\t35\n2\t阪神\t36\t34\t4\t46\t0.514\t11.5\t11."
        "5\t無\t\n"
        "マジック 35 巨人（対象: 阪神）",
        {}, "巨人 47 22 4, 阪神 36 34 4", "", 120, "貼り付け: 2チーム、0カード");
    row("arrows and marks", "1 ↑巨人 63 35 4 .643\n2↓ ★ 阪神 54 44 2 .551\n3\t↓\t広島\t45\t56\t2",
        {}, "巨人 63 35 4, 阪神 54 44 2, 広島 45 56 2", "", 0, "貼り付け: 3チーム、0カード");
    row("names with spaces",
        "順位 チーム 試合 勝 敗 分\n1 読売 ジャイアンツ 102 63 35 4\n"
        "2 横浜DeNA ベイスターズ 102 43 59 0",
        {}, "読売 ジャイアンツ 63 35 4, 横浜DeNA ベイスターズ 43 59 0", "", 0,
        "貼り付け: 2チーム、0カード");
    row("77勝59敗7分", "巨人 77勝59敗7分 .566\n阪神 74勝63敗6分 .540", {},
        "巨人 77 59 7, 阪神 74 63 6", "", 0, "貼り付け: 2チーム、0カード");
    row("full-width, more columns",
        "１　ヤクルト　１４３　７１　６１　１１　．５３８　－　０　５６０", {}, "ヤクルト 71 61 11",
        "", 0, "貼り付け: 1チーム、0カード");
    row("full-width names and head-to-head",
        "ＤｅＮＡ　－　１２－１０－１\n広島　１０－１２－１　－", { "DeNA", "広島" }, "",
        "ＤｅＮＡ–広島 12 10 1", 0, "貼り付け: 0チーム、1カード");
    row("three numbers, CRLF", "巨人 63 35 4\r\nDeNA 43 59 0\r\n", {}, "巨人 63 35 4, DeNA 43 59 0",
        "", 0, "貼り付け: 2チーム、0カード");
    row("a skipped line named", "巨人 102 63 35 4\n阪神 100 54 44 3\n広島 103 45 56 2", {},
        "巨人 63 35 4, 広島 45 56 2", "", 0,
        "貼り付け: 2チーム、0カード（2行目: 勝敗の数が合いません）");
    row("games not adding up", "巨人 100 63 35 4", {}, "", "", 0,
        "貼り付け: 順位表の行が見つかりません（1行目: 勝敗の数が合いません）");
    row("too few numbers", "順位 チーム 勝 敗\n巨人 63", {}, "", "", 0,
        "貼り付け: 順位表の行が見つかりません（2行目: 数が足りません）");
    row("beyond a count", "巨人 1000 0 0\n阪神 12 -", {}, "", "", 0,
        "貼り付け: 順位表の行が見つかりません（1行目: 999を超える数があります、2行目: "
        "数が足りません）");
    row("a header alone", "順位 チーム 勝 敗 分", {}, "", "", 0,
        "貼り付け: 順位表の行が見つかりません");
    row("seven teams", central + "7 オリックス 143 86 53 4 .619 - 0", {}, "", "", 0,
        "貼り付け: 7チームは多すぎます（6チームまで）");

    // A team named twice: before, the form merge paired a row with itself.
    row("a row repeated", "巨人\t70\t50\t3\n阪神\t65\t55\t3\n巨人\t70\t50\t3", {}, "", "", 0,
        "貼り付け: 3行目の巨人が2度目です");
    row("a ranked row repeated: no second league", "1 巨人 70 50 3\n2 阪神 65 55 3\n1 巨人 70 50 3",
        {}, "", "", 0, "貼り付け: 3行目の巨人が2度目です");
    row("head-to-head, a row repeated",
        "巨人 - 12-10-1 14-9\n阪神 10-12-1 - 13-11-1\n巨人 9-14 11-13-1 -", {}, "", "", 0,
        "貼り付け: 3行目の巨人が2度目です");
    row("head-to-head, a heading repeated",
        "チーム\t対巨人\t対阪神\t巨\n巨人\t-\t12-10-1\t-\n阪神\t10-12-1\t-\t10-12-1", {}, "", "", 0,
        "貼り付け: 1行目の巨人が2度目です");
    row("head-to-head under the standings, a row repeated",
        "チーム 勝 敗 分\n巨人 63 35 4\n阪神 54 44 2\n\n巨人 - 12-10-1\n阪神 10-12-1 -\n"
        "阪神 10-12-1 -",
        {}, "巨人 63 35 4, 阪神 54 44 2", "", 0,
        "貼り付け: 2チーム、0カード（7行目: 阪神が2度目です）");
    const QString twice = "セ・リーグ\n" + header + central + "3 広島 143 74 65 4 .532 11.5 0\n";
    row("two leagues, the one taken names a team twice",
        twice + "\nパ・リーグ\n" + header + pacific, {}, "", "", 0,
        "貼り付け: 9行目の広島が2度目です（2リーグのうち阪神の表）");
    row("two leagues, the other names a team twice", twice + "\nパ・リーグ\n" + header + pacific,
        { "オリックス" },
        "オリックス 86 53 4, ロッテ 70 68 5, ソフトバンク 71 69 3, 楽天 70 71 2, 西武 65 77 1, "
        "日本ハム 60 82 1",
        "", 143, "貼り付け: 6チーム、0カード（2リーグのうちオリックスの表）");

    // The size in UTF-8 bytes, 1024 a KB, rounded up.
    const QString day = "巨人 63 35 4\n";
    const int padding = 256 * 1024 - int(day.toUtf8().size());
    row("256 KB is read", day + QString(padding, u'\n'), {}, "巨人 63 35 4", "", 0,
        "貼り付け: 1チーム、0カード");
    row("a byte more is not", day + QString(padding + 1, u'\n'), {}, "", "", 0,
        "貼り付け: 長すぎます（257 KB）");
    row("1.1 MB", QString(1100 * 1024, u'x'), {}, "", "", 0, "貼り付け: 長すぎます（1,100 KB）");

    row("one cell per line without a header",
        "1\n巨人\n102\n63\n35\n4\n.643\n-\n2\n阪神\n100\n54\n44\n2\n.551\n9.0\n3\n広島", {},
        "巨人 63 35 4, 阪神 54 44 2", "", 0,
        "貼り付け: 2チーム、0カード（17行目: 数が足りません）");
    row("one cell per line, neither header nor ranks", "巨人\n63\n35\n4\n\n阪神\n54\n44\n2", {},
        "巨人 63 35 4, 阪神 54 44 2", "", 0, "貼り付け: 2チーム、0カード");
    row("head-to-head into an empty form",
        "チーム\t対巨人\t対阪神\n巨人\t-\t12-10-1\n阪神\t10-12-1\t-", { "", "" },
        "巨人 0 0 0, 阪神 0 0 0", "巨人–阪神 12 10 1", 0, "貼り付け: 2チーム、1カード");
    row("試合 and 残 without a header",
        "1 ヤクルト 143 73 52 18 .584 - 0\n2 阪神 143 77 56 10 .579 0 0\n3 巨人 141 61 62 18 .496 "
        "11 2",
        {}, "ヤクルト 73 52 18, 阪神 77 56 10, 巨人 61 62 18", "", 143,
        "貼り付け: 3チーム、0カード");
    row("the dialog's columns of today",
        "順位\tチーム\t勝\t敗\t分\t残\t勝率\t差\t首位差\t自力優勝\tマジック\t順位の範囲\t自力CS\t"
        "CSマジック\n1\t巨人\t47\t22\t4\t47\t0.681\t-\t-\t有\t35\t1\t確定\t\n"
        "2\t阪神\t36\t34\t4\t46\t0.514\t11.5\t11.5\t無\t\t2–3\t有\t5\n"
        "3\t広島\t30\t40\t4\t46\t0.429\t6.0\t17.5\t無\t\t2–3\t有\t9\n"
        "マジック 35 巨人（対象: 阪神） / CSマジック 阪神 5、広島 9",
        {}, "巨人 47 22 4, 阪神 36 34 4, 広島 30 40 4", "", 120, "貼り付け: 3チーム、0カード");
}

void tst_PastedTable::read()
{
    QFETCH(QString, clipboard);
    QFETCH(QStringList, entered);

    const calc::PastedTable table = calc::readPastedTable(clipboard, entered);
    QStringList teams;
    for (const calc::TableTeam &t : table.teams)
        teams.append(
            QStringLiteral("%1 %2 %3 %4").arg(t.name).arg(t.wins).arg(t.losses).arg(t.draws));
    QStringList pairs;
    for (const calc::TablePair &p : table.pairs)
        pairs.append(QStringLiteral("%1–%2 %3 %4 %5")
                         .arg(p.first, p.second)
                         .arg(p.firstWins)
                         .arg(p.secondWins)
                         .arg(p.draws));
    QTEST(teams.join(QStringLiteral(", ")), "teams");
    QTEST(pairs.join(QStringLiteral(", ")), "pairs");
    QTEST(table.games, "games");
    QTEST(table.summary, "summary");
}

void tst_PastedTable::league_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("central"); // the names in each league's form
    QTest::addColumn<QStringList>("pacific");
    QTest::addColumn<QString>("league");
    const auto row
        = [](const char *name, const char *clipboard, const char *shown, const QStringList &central,
              const QStringList &pacific, const char *league) {
              QTest::newRow(name) << QString::fromUtf8(clipboard) << QString::fromUtf8(shown)
                                  << central << pacific << QString::fromUtf8(league);
          };
    row("short names", "ソフトバンク 71 69 3\n日本ハム 60 82 1", "セ", {}, {}, "パ");
    row("full and former names",
        "福岡ダイエーホークス 73 60 2\n大阪近鉄バファローズ 70 63 2\n"
        "オリックス・ブルーウェーブ 66 70 2\n千葉ロッテ 65 70 1\n日本ハムファイターズ 62 74 0\n"
        "西武ライオンズ 60 75 1",
        "セ", {}, {}, "パ");
    row("nicknames, half-width", "ﾗｲｵﾝｽﾞ 50 40 3\nｲｰｸﾞﾙｽ 40 50 3", "セ", {}, {}, "パ");
    row("セ while パ shown",
        "横浜ベイスターズ 50 40 3\nヤクルトスワローズ 40 50 3\n広島カープ 40 50 3", "パ", {}, {},
        "セ");
    row("the league shown", "巨人 50 40 3\n阪神 40 50 3", "セ", {}, {}, "セ");
    row("both leagues' teams", "巨人 50 40 3\nロッテ 40 50 3", "セ", {}, {}, "セ");
    row("a name of no club", "ロッテ 50 40 3\n東京 40 50 3", "セ", {}, {}, "セ");
    row("the other form's names", "鷹 50 40 3\n鷲 40 50 3", "セ", { "巨人" }, { "鷹", "鷲" }, "パ");
    row("the shown form's name first", "西武 50 40 3\nロッテ 40 50 3", "セ", { "西武" }, {}, "セ");
    row("a title", "パ・リーグ\n東京 50 40 3\n大阪 40 50 3", "セ", {}, {}, "パ");
    row("head-to-head alone", "西武 - 12-10-1\n楽天 10-12-1 -", "セ", {}, {}, "パ");
}

void tst_PastedTable::league()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, shown);
    QFETCH(QStringList, central);
    QFETCH(QStringList, pacific);
    QFETCH(QString, league);

    std::array<calc::LeagueForm, 2> forms;
    for (const auto &[form, names] :
        { std::pair(&forms[0], central), std::pair(&forms[1], pacific) }) {
        for (qsizetype i = 0; i < names.size(); ++i)
            form->teams[i].name = names.at(i);
    }
    const calc::League pasted = calc::pastedLeague(calc::readPastedTable(clipboard, {}),
        shown == u"パ" ? calc::League::Pacific : calc::League::Central, forms);
    QCOMPARE(QString(pasted == calc::League::Pacific ? "パ" : "セ"), league);
}

QTEST_APPLESS_MAIN(tst_PastedTable)
#include "tst_pastedtable.moc"

#include "calculators/team/standings.h"
#include "mainwindow/mainwindow.h"
#include "support/dialogs.h"
#include "support/launch.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

using testing::child;

namespace {

// "巨人 47 22 4 1, 阪神 36 34 4 3": name (_ for none), wins, losses, draws, last season's rank.
QList<calc::LeagueTeam> teams(const QString &text)
{
    QList<calc::LeagueTeam> list;
    for (const QString &team : text.split(QStringLiteral(", "))) {
        const QStringList f = team.split(u' ');
        list.append({ f.at(0) == u"_" ? QString() : f.at(0), f.at(1).toInt(), f.at(2).toInt(),
            f.at(3).toInt(), f.at(4).toInt() });
    }
    return list;
}

// "12 3 9, 0 0 1": each pair's wins of the first team, of the second, games left.
QList<calc::PairRecord> pairs(const QString &text)
{
    QList<calc::PairRecord> list;
    for (const QString &pair : text.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QStringList f = pair.split(u' ');
        list.append({ f.at(0).toInt(), f.at(1).toInt(), f.at(2).toInt() });
    }
    return list;
}

// Types `text` into the focused field and moves on with Tab; names come from an input method.
void typeAndTab(const QString &text)
{
    QWidget *field = QApplication::focusWidget();
    if (text.front().isDigit()) {
        QTest::keyClicks(field, text);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(field, &commit);
    }
    QTest::keyClick(field, Qt::Key_Tab);
}

const QString header
    = QStringLiteral("順位\tチーム\t勝\t敗\t分\t残\t勝率\t差\t首位差\t自力優勝\tマジック");

// A user types two teams with the keyboard alone (rows and pairs beyond チーム数 are skipped),
// computes with Enter and copies the table; pastes a header alone, then six teams from a web
// page, which leaves the season's games, last season's ranks and the pairs as they were: too
// few games now, an error that keeps every input, and a copy of the header and the error.
void typePasteAndCopy(QDialog *d)
{
    const auto key = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    const auto clipboard = [] { return QGuiApplication::clipboard()->text(); };
    QVERIFY(testing::waitForActive(d));
    QCOMPARE(QApplication::focusWidget(), child(d, "comboBox"));
    key(Qt::Key_Tab);
    for (const char *text :
        { "2", "120", "巨人", "47", "22", "4", "1", "阪神", "36", "34", "4", "3", "12", "3", "9" })
        typeAndTab(QString::fromUtf8(text));
    QCOMPARE(QApplication::focusWidget(), child(d, "pushButton_2"));
    key(Qt::Key_Backtab);
    key(Qt::Key_Return);

    auto *table = child<QTableWidget>(d, "tableWidget");
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem *item = table->item(row, column);
            const QRect cell = table->visualItemRect(item);
            QVERIFY2(table->viewport()->rect().contains(cell)
                    && table->fontMetrics().horizontalAdvance(item->text()) < cell.width(),
                qPrintable(QStringLiteral("cut off: %1").arg(item->text())));
        }
    }
    QVERIFY(testing::showsInFull(child<QLineEdit>(d, "lineEdit")));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Space); // コピー
    QCOMPARE(clipboard(),
        QStringList({ header, "1\t巨人\t47\t22\t4\t47\t0.681\t-\t-\t有\t35",
                        "2\t阪神\t36\t34\t4\t46\t0.514\t11.5\t11.5\t無\t",
                        "マジック 35 巨人（対象: 阪神）" })
            .join(u'\n'));

    QGuiApplication::clipboard()->setText(QStringLiteral("順位 チーム 勝 敗 分"));
    key(Qt::Key_Tab);
    key(Qt::Key_Space); // 貼り付け
    QCOMPARE(child<QLineEdit>(d, "lineEdit")->text(),
        QStringLiteral("貼り付け: 順位表の行が見つかりません"));
    QCOMPARE(child<QSpinBox>(d, "spinBox")->value(), 2);
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "1 ヤクルト 143 71 61 11 .538 -\n2 巨人 143 80 55 8 .593 -\n3 阪神 143 74 66 3\n"
        "4 広島 143 67 69 7\n5 中日 143 62 77 4\n6 DeNA 143 61 81 1"));
    key(Qt::Key_Space);
    QCOMPARE(child<QSpinBox>(d, "spinBox")->value(), 6);
    QCOMPARE(child<QLabel>(d, "label_19")->text(), QStringLiteral("ヤクルト–巨人"));
    QCOMPARE(child<QSpinBox>(d, "spinBox_27")->accessibleName(),
        QStringLiteral("ヤクルト–巨人 ヤクルトの勝数"));
    key(Qt::Key_Backtab);
    key(Qt::Key_Backtab);
    key(Qt::Key_Space); // 計算
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(child<QSpinBox>(d, "spinBox_2")->value(), 120);
    QCOMPARE(child<QSpinBox>(d, "spinBox_27")->value(), 12);
    key(Qt::Key_Tab);
    key(Qt::Key_Space); // コピー
    QCOMPARE(clipboard(), header + "\n入力エラー: ヤクルトの勝敗と引分が全試合数を超えています");

    key(Qt::Key_Escape);
    QVERIFY(!d->isVisible());
}

} // namespace

class tst_Standings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void table_data();
    void table();
    void paste_data();
    void paste();
    void byKeyboardPasteAndCopy();
};

void tst_Standings::table_data()
{
    QTest::addColumn<QString>("league");
    QTest::addColumn<int>("games");
    QTest::addColumn<QString>("teams");
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QStringList>("rows"); // cells separated by |
    QTest::addColumn<QString>("summary");

    const QString sb = QStringLiteral("ソフトバンク 80 45 3 0, ロッテ 74 52 3 0, 西武 70 58 2 0, "
                                      "楽天 66 62 3 0");
    QStringList pacific
        = { "1|ソフトバンク|80|45|3|15|0.640|-|-|有|9", "2|ロッテ|74|52|3|14|0.587|6.5|6.5|無|",
              "3|西武|70|58|2|13|0.547|5.0|11.5|無|", "4|楽天|66|62|3|12|0.516|4.0|15.5|無|" };

    // 阪神 can reach 82-34-4; so does 巨人 with 35 more wins, and stays above on 前年順位 only.
    QTest::newRow("120 games, 前年順位 decides")
        << "セ" << 120 << "巨人 47 22 4 1, 阪神 36 34 4 3"
        << "12 3 9"
        << QStringList { "1|巨人|47|22|4|47|0.681|-|-|有|35",
               "2|阪神|36|34|4|46|0.514|11.5|11.5|無|" }
        << "マジック 35 巨人（対象: 阪神）";
    QTest::newRow("120 games, no 前年順位: a tie is not enough")
        << "セ" << 120 << "巨人 47 22 4 0, 阪神 36 34 4 0"
        << "12 3 9"
        << QStringList { "1|巨人|47|22|4|47|0.681|-|-|有|36",
               "2|阪神|36|34|4|46|0.514|11.5|11.5|無|" }
        << "マジック 36 巨人（対象: 阪神）";
    // 阪神's best is 98 / 142 = .6901; 97 / 140 = .6928 is above it, 96 / 140 = .6857 is not.
    QTest::newRow("August 15, 144 games, no pairs")
        << "セ" << 144
        << "巨人 63 35 4 0, 阪神 54 44 2 0, 広島 45 56 2 0, 中日 44 58 1 0, DeNA 43 59 0 0, "
           "ヤクルト 41 58 1 0"
        << ""
        << QStringList { "1|巨人|63|35|4|42|0.643|-|-|有|34", "2|阪神|54|44|2|44|0.551|9.0|9.0|無|",
               "3|広島|45|56|2|41|0.446|10.5|19.5|無|", "4|中日|44|58|1|41|0.431|1.5|21.0|無|",
               "5|DeNA|43|59|0|42|0.422|1.0|22.0|無|", "6|ヤクルト|41|58|1|44|0.414|0.5|22.5|無|" }
        << "マジック 34 巨人（対象: 阪神）";
    // With 8 more wins ソフトバンク ties ロッテ's best 88 / 140, but loses the head-to-head 12-13.
    QTest::newRow("パ, head-to-head costs a win")
        << "パ" << 143 << sb << "12 9 4, 13 8 3, 11 10 4, 11 10 4, 12 9 4, 10 11 4" << pacific
        << "マジック 9 ソフトバンク（対象: ロッテ）";
    // 8 games left against ソフトバンク: ロッテ can still win it on its own, so nobody has a magic.
    pacific[1].replace(QStringLiteral("無"), QStringLiteral("有"));
    pacific[0].chop(1);
    QTest::newRow("パ, two own-strength chances")
        << "パ" << 143 << sb << "12 9 8, 13 8 3, 11 10 4, 11 10 2, 12 9 2, 10 11 4" << pacific
        << "マジック点灯なし";
    // .667 both; B has played fewer games and, winning out, reaches .800.
    QTest::newRow("セ, a tie of percentage goes to more wins")
        << "セ" << 40 << "_ 20 10 0 0, _ 10 5 15 0"
        << "0 0 0"
        << QStringList { "1|A|20|10|0|10|0.667|-|-|無|", "2|B|10|5|15|10|0.667|2.5|2.5|有|9" }
        << "マジック 9 B（対象: A）";
    QTest::newRow("パ, the same tie unknown")
        << "パ" << 40 << "_ 20 10 0 0, _ 10 5 15 0"
        << "0 0 0"
        << QStringList { "1|A|20|10|0|10|0.667|-|-|無|", "1|B|10|5|15|10|0.667|2.5|2.5|有|9" }
        << "マジック 9 B（対象: A）";
    QTest::newRow("パ, the same tie to the head-to-head")
        << "パ" << 40 << "_ 20 10 0 0, _ 10 5 15 0"
        << "2 3 0"
        << QStringList { "1|B|10|5|15|10|0.667|-|-|有|9", "2|A|20|10|0|10|0.667|-2.5|-2.5|無|" }
        << "マジック 9 B（対象: A）";
    QTest::newRow("パ, head-to-head in a circle")
        << "パ" << 30 << "_ 10 10 0 0, _ 10 10 0 0, _ 10 10 0 0"
        << "3 2 0, 2 3 0, 3 2 0"
        << QStringList { "1|A|10|10|0|10|0.500|-|-|無|", "1|B|10|10|0|10|0.500|0.0|0.0|無|",
               "1|C|10|10|0|10|0.500|0.0|0.0|無|" }
        << "マジック点灯なし";
    QTest::newRow("two targets") << "セ" << 20 << "_ 10 2 0 0, _ 6 6 0 0, _ 6 6 0 0"
                                 << "0 0 0, 0 0 0, 0 0 0"
                                 << QStringList { "1|A|10|2|0|8|0.833|-|-|有|5",
                                        "2|B|6|6|0|8|0.500|4.0|4.0|無|",
                                        "2|C|6|6|0|8|0.500|0.0|4.0|無|" }
                                 << "マジック 5 A（対象: B、C）";
    QTest::newRow("pennant decided")
        << "セ" << 10 << "_ 9 0 0 0, _ 0 9 0 0"
        << "0 0 0" << QStringList { "1|A|9|0|0|1|1.000|-|-|有|0", "2|B|0|9|0|1|0.000|9.0|9.0|無|" }
        << "優勝 A";

    const auto error = [](const char *name, int games, const char *teams, const char *pairs,
                           const char *message) {
        QTest::newRow(name) << "セ" << games << teams << pairs << QStringList()
                            << QStringLiteral("入力エラー: ") + QString::fromUtf8(message);
    };
    error("no games", 0, "_ 0 0 0 0, _ 0 0 0 0", "0 0 0", "全試合数が0です");
    error("same name", 10, "B 0 0 0 0, _ 0 0 0 0", "0 0 0", "チーム名「B」が重複しています");
    error("record above the games", 10, "_ 0 0 0 0, _ 6 4 1 0", "0 0 0",
        "Bの勝敗と引分が全試合数を超えています");
    error("drawn every game", 10, "_ 0 0 10 0, _ 0 0 0 0", "0 0 0", "Aの引分が全試合数と同じです");
    error("head-to-head above the games left", 10, "_ 5 0 0 0, _ 0 0 0 0, _ 0 0 0 0",
        "0 0 3, 0 0 3, 0 0 0", "Aの残り直接対決が残り試合数を超えています");
    error("pair above the games less draws", 10, "_ 0 0 2 0, _ 0 0 0 0", "5 3 1",
        "A–Bの対戦成績と残りが全試合数−引分を超えています");
}

void tst_Standings::table()
{
    QFETCH(QString, league);
    QFETCH(int, games);
    QFETCH(QString, teams);
    QFETCH(QString, pairs);
    QFETCH(QStringList, rows);
    QFETCH(QString, summary);

    const calc::Standings result
        = calc::standings({ league == u"パ" ? calc::League::Pacific : calc::League::Central, games,
            ::teams(teams), ::pairs(pairs) });
    QStringList shown;
    for (const QStringList &cells : result.rows)
        shown.append(cells.join(u'|'));
    QCOMPARE(shown, rows);
    QCOMPARE(result.summary, summary);
}

void tst_Standings::paste_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("teams"); // name wins losses draws, ...

    QTest::newRow("web page, header and ranks")
        << "順位\tチーム\t試合\t勝利\t敗戦\t引分\t勝率\t勝差\n1\t巨人\t102\t63\t35\t4\t.643\t-\n"
           "2\t阪神\t100\t54\t44\t2\t.551\t9.0\n"
        << "巨人 63 35 4, 阪神 54 44 2";
    QTest::newRow("full-width, more columns")
        << "１　ヤクルト　１４３　７１　６１　１１　．５３８　－　０　５６０"
        << "ヤクルト 71 61 11";
    QTest::newRow("three numbers, CRLF") << "巨人 63 35 4\r\nDeNA 43 59 0\r\n"
                                         << "巨人 63 35 4, DeNA 43 59 0";
    QTest::newRow("games not adding up") << "巨人 100 63 35 4"
                                         << "";
    QTest::newRow("too few numbers") << "順位 チーム 勝 敗\n巨人 63 35"
                                     << "";
    QTest::newRow("beyond a count") << "巨人 1000 0 0"
                                    << "";
}

void tst_Standings::paste()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, teams);

    QStringList read;
    for (const calc::PastedTeam &t : calc::parseStandings(clipboard))
        read.append(
            QStringLiteral("%1 %2 %3 %4").arg(t.name).arg(t.wins).arg(t.losses).arg(t.draws));
    QCOMPARE(read.join(QStringLiteral(", ")), teams);
}

void tst_Standings::byKeyboardPasteAndCopy()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(testing::withLaunchedDialog(
        child<QPushButton>(&window, "pushButton_15"), typePasteAndCopy));
}

QTEST_MAIN(tst_Standings)
#include "tst_standings.moc"

// The league table's dialog driven by keyboard, one behaviour a function: what is typed, computed
// and copied; a result cleared by any change; 貼り付け matching teams by name; its own コピー read
// back, switching リーグ to the league it belongs to; the forms kept between runs.

#include "calculators/common/settingsname.h"
#include "calculators/team/league/saved.h"
#include "mainwindow/mainwindow.h"
#include "support/dialogs.h"
#include "support/launch.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QTest>

using testing::child;

namespace {

// The input a screen reader calls `name` (its own name, or its label's). A missing one fails
// the test, naming it, and a stand-in comes back.
template <typename T = QWidget> T *named(QWidget *dialog, const QString &name)
{
    for (T *w : dialog->findChildren<T *>()) {
        const QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        if (a && a->role() != QAccessible::StaticText && a->text(QAccessible::Name) == name)
            return w;
    }
    return child<T>(dialog, QStringLiteral("named ") + name);
}

QString shown(QWidget *dialog, const char *name)
{
    return named<QAbstractSpinBox>(dialog, QString::fromUtf8(name))->text();
}

// A key to the focused widget; with none, the test fails instead of the key going nowhere.
void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus) {
        QTest::qFail("no widget has the focus", __FILE__, __LINE__);
        return;
    }
    QTest::keyClick(focus, key, modifiers);
}

// Types `text` into the focused field: digits key by key, names through an input method.
void type(const QString &text)
{
    QWidget *field = QApplication::focusWidget();
    if (!text.isEmpty() && text.front().isDigit()) {
        QTest::keyClicks(field, text);
    } else if (!text.isEmpty()) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(field, &commit);
    }
}

// Types `text` and moves on with Tab; an empty text leaves the field as it is.
void typeAndTab(const QString &text)
{
    type(text);
    key(Qt::Key_Tab);
}

// Focuses the input named `name` as a shortcut would, which selects it, and types `text` over
// it, or empties it.
void typeInto(QWidget *dialog, const QString &name, const QString &text)
{
    QWidget *field = named(dialog, name);
    field->setFocus(Qt::ShortcutFocusReason);
    QTest::qWait(0);
    if (QApplication::focusWidget() != field && !field->isAncestorOf(QApplication::focusWidget()))
        QTest::qFail(qPrintable(name + QStringLiteral(" takes no focus")), __FILE__, __LINE__);
    else if (text.isEmpty())
        key(Qt::Key_Backspace);
    else
        type(text);
    key(Qt::Key_Tab);
}

void typeAll(QWidget *dialog, const QList<std::pair<const char *, const char *>> &fields)
{
    for (const auto &[name, text] : fields)
        typeInto(dialog, QString::fromUtf8(name), QString::fromUtf8(text));
}

void press(QWidget *dialog, const char *button)
{
    child<QPushButton>(dialog, button)->click();
}

QString clipboard()
{
    return QGuiApplication::clipboard()->text();
}

// A result's cell, found by its column's heading.
QString cell(QTableWidget *table, int row, const char *heading)
{
    for (int column = 0; column < table->columnCount(); ++column) {
        if (table->horizontalHeaderItem(column)->text() == QString::fromUtf8(heading))
            return table->item(row, column) ? table->item(row, column)->text() : QString();
    }
    QTest::qFail(qPrintable(QStringLiteral("no column %1").arg(QString::fromUtf8(heading))),
        __FILE__, __LINE__);
    return {};
}

// The table as shown, a line of headings and a line per team, tab-separated.
QStringList shownLines(QTableWidget *table)
{
    QStringList lines;
    for (int row = -1; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            cells.append(row < 0 ? table->horizontalHeaderItem(column)->text()
                                 : table->item(row, column)->text());
        }
        lines.append(cells.join(u'\t'));
    }
    return lines;
}

// Two teams of a 120-game season, and 巨人–阪神 12勝3敗, 引分 未入力, 残り 9.
const QList<std::pair<const char *, const char *>> twoTeams = { { "チーム数", "2" },
    { "全試合数", "120" }, { "A チーム名", "巨人" }, { "巨人 勝数", "47" }, { "巨人 敗数", "22" },
    { "巨人 引分", "4" }, { "B チーム名", "阪神" }, { "阪神 勝数", "36" }, { "阪神 敗数", "34" },
    { "阪神 引分", "4" }, { "巨人–阪神 巨人の勝数", "12" }, { "巨人–阪神 阪神の勝数", "3" },
    { "巨人–阪神 残り直接対決", "9" } };

void launched(const std::function<void(QDialog *)> &run)
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(testing::withLaunchedDialog(
        child<QPushButton>(&window, "pushButton_15"), [&run](QDialog *d) {
            QVERIFY(testing::waitForActive(d));
            run(d);
        }));
}

} // namespace

class tst_Standings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void init()
    {
        QSettings(calc::settingsOrganization, QCoreApplication::applicationName()).clear();
    }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void typedComputedAndCopied();
    void staleResultCleared();
    void pastedByName();
    void ownCopyReadBack_data();
    void ownCopyReadBack();
    void keptBetweenRuns();
    void everyPairInTabOrder_data();
    void everyPairInTabOrder();
};

// With the keyboard alone (rows and pairs beyond チーム数 are skipped, カード試合数 and the draws
// between them left 未入力), computed with Enter, every cell in full; コピー takes the table, its
// summary and the form it was computed from.
void tst_Standings::typedComputedAndCopied()
{
    launched([](QDialog *d) {
        QCOMPARE(QApplication::focusWidget(), child(d, "comboBox"));
        key(Qt::Key_Tab);
        for (const char *text : { "2", "120", "", "巨人", "47", "22", "4", "1", "阪神", "36", "34",
                 "4", "3", "12", "3", "", "9" })
            typeAndTab(QString::fromUtf8(text));
        QCOMPARE(QApplication::focusWidget(), child(d, "pushButton_2"));
        key(Qt::Key_Backtab);
        key(Qt::Key_Return);

        auto *table = child<QTableWidget>(d, "tableWidget");
        QCOMPARE(table->rowCount(), 2);
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                const QTableWidgetItem *item = table->item(row, column);
                table->scrollToItem(item);
                const QRect rect = table->visualItemRect(item);
                QVERIFY2(table->viewport()->rect().contains(rect)
                        && table->fontMetrics().horizontalAdvance(item->text()) < rect.width(),
                    qPrintable(QStringLiteral("cut off: %1").arg(item->text())));
            }
        }
        for (const auto &[heading, first, second] : { std::tuple("チーム", "巨人", "阪神"),
                 std::tuple("勝率", "0.681", "0.514"), std::tuple("差", "-", "11.5"),
                 std::tuple("自力優勝", "有", "無"), std::tuple("マジック", "35", ""),
                 std::tuple("順位の範囲", "1–2", "1–2"), std::tuple("自力CS", "", "") }) {
            QCOMPARE(cell(table, 0, heading), QString::fromUtf8(first));
            QCOMPARE(cell(table, 1, heading), QString::fromUtf8(second));
        }
        auto *summary = child<QLineEdit>(d, "lineEdit");
        QVERIFY(summary->text().startsWith(QStringLiteral("マジック 35 巨人（対象: 阪神）")));
        QVERIFY(testing::showsInFull(summary));

        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        key(Qt::Key_Space); // コピー
        QStringList lines = shownLines(table);
        lines += { summary->text(), QString(), QStringLiteral("リーグ\tセ・リーグ"),
            QStringLiteral("全試合数\t120"), QStringLiteral("カード試合数\t"),
            QStringLiteral("チーム\t勝\t敗\t分\t前年順位"), QStringLiteral("巨人\t47\t22\t4\t1"),
            QStringLiteral("阪神\t36\t34\t4\t3"), QStringLiteral("カード\t勝\t敗\t分\t残り"),
            QStringLiteral("巨人–阪神\t12\t3\t\t9") };
        QCOMPARE(clipboard(), lines.join(u'\n'));
    });
}

// Any change after 計算 clears the result, an emptied field at once, and コピー then copies
// nothing; 計算 pressed with the focus left in the emptied field reads it 未入力. Games left
// that follow from カード試合数 show paler in brackets, and follow the record as it changes.
void tst_Standings::staleResultCleared()
{
    launched([](QDialog *d) {
        typeAll(d, twoTeams);
        auto *table = child<QTableWidget>(d, "tableWidget");
        auto *summary = child<QLineEdit>(d, "lineEdit");
        const auto cleared = [&] { return table->rowCount() == 0 && summary->text().isEmpty(); };
        press(d, "pushButton_2");
        QVERIFY(!cleared());
        typeInto(d, QStringLiteral("阪神 前年順位"), QStringLiteral("2"));
        QVERIFY(cleared());
        QGuiApplication::clipboard()->setText(QStringLiteral("unchanged"));
        press(d, "pushButton_3");
        QCOMPARE(clipboard(), QStringLiteral("unchanged"));
        QCOMPARE(summary->text(),
            QStringLiteral("コピー: 計算結果がありません（先に計算してください）"));

        press(d, "pushButton_2");
        named(d, QStringLiteral("巨人–阪神 残り直接対決"))->setFocus(Qt::ShortcutFocusReason);
        key(Qt::Key_End);
        key(Qt::Key_Backspace);
        QVERIFY(cleared());
        press(d, "pushButton_2");
        QVERIFY(summary->text().endsWith(QStringLiteral("（未入力のカード 1）")));

        typeAll(d, { { "カード試合数", "25" }, { "巨人–阪神 引分", "1" } });
        QCOMPARE(shown(d, "巨人–阪神 残り直接対決"), QStringLiteral("(9)"));
        press(d, "pushButton_2");
        typeInto(d, QStringLiteral("巨人–阪神 巨人の勝数"), QStringLiteral("13"));
        QCOMPARE(shown(d, "巨人–阪神 残り直接対決"), QStringLiteral("(8)"));
        QVERIFY(cleared());
    });
}

// A header alone is named as nothing read; six teams from a web page reorder the rows, 巨人–阪神
// and 前年順位 staying with their teams; computed, all six results show without scrolling.
void tst_Standings::pastedByName()
{
    launched([](QDialog *d) {
        typeAll(d,
            { { "チーム数", "2" }, { "A チーム名", "巨人" }, { "巨人 前年順位", "1" },
                { "B チーム名", "阪神" }, { "巨人–阪神 巨人の勝数", "12" } });
        auto *summary = child<QLineEdit>(d, "lineEdit");
        QGuiApplication::clipboard()->setText(QStringLiteral("順位 チーム 勝 敗 分"));
        press(d, "pushButton_4");
        QVERIFY2(
            summary->text().startsWith(QStringLiteral("貼り付け: ")), qPrintable(summary->text()));
        QCOMPARE(child<QSpinBox>(d, "spinBox")->value(), 2);

        QGuiApplication::clipboard()->setText(QStringLiteral(
            "1 ヤクルト 143 71 61 11 .538 -\n2 巨人 143 80 55 8 .593 -\n3 阪神 143 74 66 3\n"
            "4 広島 143 67 69 7\n5 中日 143 62 77 4\n6 DeNA 143 61 81 1"));
        press(d, "pushButton_4");
        QCOMPARE(child<QSpinBox>(d, "spinBox")->value(), 6);
        QCOMPARE(
            named<QLineEdit>(d, QStringLiteral("A チーム名"))->text(), QStringLiteral("ヤクルト"));
        QCOMPARE(shown(d, "巨人–阪神 巨人の勝数"), QStringLiteral("12"));
        QCOMPARE(shown(d, "巨人 前年順位"), QStringLiteral("1"));
        QCOMPARE(shown(d, "ヤクルト–巨人 ヤクルトの勝数"), QStringLiteral("未入力"));

        typeInto(d, QStringLiteral("全試合数"), QStringLiteral("143"));
        press(d, "pushButton_2");
        auto *table = child<QTableWidget>(d, "tableWidget");
        QCOMPARE(table->rowCount(), 6);
        QCOMPARE(table->verticalScrollBar()->maximum(), 0);
        for (int row = 0; row < table->rowCount(); ++row)
            QVERIFY(table->viewport()->rect().contains(table->visualItemRect(table->item(row, 0))));
        // A summary reads from its beginning however narrow its line (setText leaves the end).
        QCOMPARE(summary->cursorPosition(), 0);
        // As large as the screen at most, with room for a window manager's title bar (at 200 %).
        const QSize screen = d->screen()->availableGeometry().size();
        QCOMPARE(d->frameGeometry().size().boundedTo(screen), d->frameGeometry().size());
        QVERIFY(d->minimumSizeHint().height() + 40 <= screen.height());
    });
}

void tst_Standings::ownCopyReadBack_data()
{
    QTest::addColumn<int>("pastedInto"); // the league shown when pasting
    QTest::newRow("セ・リーグ") << 0;
    QTest::newRow("パ・リーグ") << 1;
}

// Its own コピー pasted into a cleared dialog, and computed, copies the same again, games left
// that follow from カード試合数 included. Pasted while パ・リーグ shows, it switches リーグ to
// セ・リーグ, and パ・リーグ keeps what was typed into it.
void tst_Standings::ownCopyReadBack()
{
    QFETCH(int, pastedInto);
    launched([pastedInto](QDialog *d) {
        typeAll(d, twoTeams);
        typeAll(d,
            { { "カード試合数", "25" }, { "巨人–阪神 引分", "1" }, { "巨人–阪神 残り直接対決", "" },
                { "阪神 前年順位", "2" } });
        press(d, "pushButton_2");
        press(d, "pushButton_3");
        const QString copied = clipboard();
        QVERIFY(copied.contains(QStringLiteral("巨人–阪神\t12\t3\t1\t(9)")));

        press(d, "pushButton_5"); // クリア
        auto *league = child<QComboBox>(d, "comboBox");
        league->setCurrentIndex(pastedInto);
        typeInto(d, QStringLiteral("A チーム名"), QStringLiteral("Hawks"));
        press(d, "pushButton_4");
        QCOMPARE(league->currentIndex(), 0);
        QCOMPARE(shown(d, "巨人–阪神 残り直接対決"), QStringLiteral("(9)"));
        press(d, "pushButton_2");
        press(d, "pushButton_3");
        QCOMPARE(clipboard(), copied);
        league->setCurrentIndex(1);
        QCOMPARE(named<QLineEdit>(d, QStringLiteral("A チーム名"))->text(),
            pastedInto == 1 ? QStringLiteral("Hawks") : QString());
    });
}

// The forms are kept per league from one opening to the next: typed in セ and パ, closed with
// Escape, the next opening shows パ as it was left and セ on switching back; クリア empties the
// league shown and nothing else.
void tst_Standings::keptBetweenRuns()
{
    launched([](QDialog *d) {
        typeAll(d,
            { { "全試合数", "143" }, { "カード試合数", "25" }, { "A チーム名", "Giants" },
                { "Giants 勝数", "63" }, { "Giants 前年順位", "2" },
                { "Giants–B Giantsの勝数", "12" }, { "Giants–C 引分", "7" } });
        // Emptied again, 7 draws are 未入力 once more.
        named(d, QStringLiteral("Giants–C 引分"))->setFocus(Qt::ShortcutFocusReason);
        key(Qt::Key_End);
        key(Qt::Key_Backspace);
        key(Qt::Key_Tab);
        child<QComboBox>(d, "comboBox")->setFocus(Qt::ShortcutFocusReason);
        key(Qt::Key_Down);
        QCOMPARE(child<QSpinBox>(d, "spinBox_2")->value(), 0);
        typeAll(d, { { "チーム数", "4" }, { "A チーム名", "Hawks" } });
        key(Qt::Key_Escape);
    });
    launched([](QDialog *d) {
        QCOMPARE(child<QComboBox>(d, "comboBox")->currentIndex(), 1);
        QCOMPARE(child<QSpinBox>(d, "spinBox")->value(), 4);
        QCOMPARE(named<QLineEdit>(d, QStringLiteral("A チーム名"))->text(), "Hawks");
        child<QComboBox>(d, "comboBox")->setFocus(Qt::ShortcutFocusReason);
        key(Qt::Key_Up);
        for (const auto &[name, value] : { std::pair("全試合数", "143"),
                 std::pair("カード試合数", "25"), std::pair("Giants 勝数", "63"),
                 std::pair("Giants 前年順位", "2"), std::pair("Giants–B Giantsの勝数", "12"),
                 std::pair("Giants–C 引分", "未入力"), std::pair("Giants–B 引分", "未入力") })
            QCOMPARE(shown(d, name), QString::fromUtf8(value));
        press(d, "pushButton_5"); // クリア
        QCOMPARE(shown(d, "A 勝数"), QStringLiteral("0"));
        QCOMPARE(shown(d, "全試合数"), QStringLiteral("0"));
        child<QComboBox>(d, "comboBox")->setCurrentIndex(1);
        QCOMPARE(named<QLineEdit>(d, QStringLiteral("A チーム名"))->text(), "Hawks");
    });
}

// The pairs out of sight get their fields once the dialog is shown: Tab runs through every pair
// of the teams counted, in order, to 計算, every pair's line is as tall as the others, and a
// saved figure shows in the last of them.
void tst_Standings::everyPairInTabOrder_data()
{
    QTest::addColumn<int>("teams");
    QTest::newRow("six teams") << 6;
    QTest::newRow("four teams, the pairs of E and F between") << 4;
}

void tst_Standings::everyPairInTabOrder()
{
    QFETCH(int, teams);
    QStringList pairs;
    QStringList expected;
    for (int first = 0; first < teams; ++first) {
        for (int second = first + 1; second < teams; ++second) {
            pairs += QString(QChar(u'A' + first)) + QChar(u'A' + second);
            for (const char *figure : { "FirstWins", "SecondWins", "Draws", "Remaining" })
                expected += QStringLiteral("pair%1_%2").arg(QLatin1String(figure), pairs.last());
        }
    }
    expected += QStringLiteral("pushButton_2");
    calc::SavedLeagues saved;
    saved.forms[0].teamCount = teams;
    saved.forms[0].pairs[calc::pairIndex(teams - 2, teams - 1)].draws = 7;
    {
        QSettings settings(calc::settingsOrganization, QCoreApplication::applicationName());
        calc::saveLeagues(settings, saved);
    }
    launched([&pairs, &expected](QDialog *d) {
        child(d, "pairFirstWins_AB")->setFocus(Qt::ShortcutFocusReason);
        QStringList seen;
        for (QWidget *focus = QApplication::focusWidget(); focus && seen.size() < expected.size();
             focus = QApplication::focusWidget()) {
            if (qobject_cast<QAbstractSpinBox *>(focus->parentWidget()))
                focus = focus->parentWidget();
            seen += focus->objectName();
            key(Qt::Key_Tab);
        }
        QCOMPARE(seen, expected);
        // Each pair's line as tall as the others, built before the dialog showed or after,
        // once the layout has taken the pairs built later.
        const auto lines = [&pairs, d] {
            QList<int> heights;
            for (qsizetype at = 1; at < pairs.size(); ++at)
                heights += child(d, QStringLiteral("pairName_") + pairs.at(at))->y()
                    - child(d, QStringLiteral("pairName_") + pairs.at(at - 1))->y();
            return heights;
        };
        QTRY_COMPARE(lines(), QList<int>(pairs.size() - 1, lines().value(0)));
        QCOMPARE(child<QAbstractSpinBox>(d, qPrintable(expected.at(expected.size() - 3)))->text(),
            QStringLiteral("7"));
    });
}

QTEST_MAIN(tst_Standings)
#include "tst_standings.moc"

#include "calculators/common/settingsname.h"
#include "mainwindow/mainwindow.h"
#include "support/dialogs.h"
#include "support/launch.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
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

// Types `text` into the focused field and moves on with Tab; names come from an input method,
// an empty text leaves the field as it is.
void typeAndTab(const QString &text)
{
    QWidget *field = QApplication::focusWidget();
    if (!text.isEmpty() && text.front().isDigit()) {
        QTest::keyClicks(field, text);
    } else if (!text.isEmpty()) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(field, &commit);
    }
    QTest::keyClick(field, Qt::Key_Tab);
}

// Focuses the input named `name` as a shortcut would, which selects it, and types `text`.
void typeInto(QWidget *dialog, const QString &name, const QString &text)
{
    QWidget *field = named(dialog, name);
    field->setFocus(Qt::ShortcutFocusReason);
    QTest::qWait(0);
    if (QApplication::focusWidget() != field && !field->isAncestorOf(QApplication::focusWidget()))
        QTest::qFail(qPrintable(name + QStringLiteral(" takes no focus")), __FILE__, __LINE__);
    else
        QTest::keyClicks(QApplication::focusWidget(), text);
    key(Qt::Key_Tab);
}

QString clipboard()
{
    return QGuiApplication::clipboard()->text();
}

const QString header
    = QStringLiteral("順位\tチーム\t勝\t敗\t分\t残\t勝率\t差\t首位差\t自力優勝\tマジック");

// A user types two teams with the keyboard alone (rows and pairs beyond チーム数 are skipped,
// カード試合数 and the draws between them left 未入力), computes with Enter and copies the table;
// any change then clears the result (an emptied field too), and コピー copies nothing stale. A pasted header alone is
// named as nothing read; six teams from a web page reorder the rows, 巨人–阪神 staying with its
// teams; too few games now, an error that keeps every input, and a copy of the header and it.
void typePasteAndCopy(QDialog *d)
{
    QVERIFY(testing::waitForActive(d));
    QCOMPARE(QApplication::focusWidget(), child(d, "comboBox"));
    key(Qt::Key_Tab);
    for (const char *text : { "2", "120", "", "巨人", "47", "22", "4", "1", "阪神", "36", "34", "4",
             "3", "12", "3", "", "9" })
        typeAndTab(QString::fromUtf8(text));
    QCOMPARE(QApplication::focusWidget(), child(d, "pushButton_2"));
    key(Qt::Key_Backtab);
    key(Qt::Key_Return);

    auto *table = child<QTableWidget>(d, "tableWidget");
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem *item = table->item(row, column);
            table->scrollToItem(item);
            const QRect cell = table->visualItemRect(item);
            QVERIFY2(table->viewport()->rect().contains(cell)
                    && table->fontMetrics().horizontalAdvance(item->text()) < cell.width(),
                qPrintable(QStringLiteral("cut off: %1").arg(item->text())));
        }
    }
    auto *summary = child<QLineEdit>(d, "lineEdit");
    QVERIFY(testing::showsInFull(summary));
    const QString copied = QStringList({ header, "1\t巨人\t47\t22\t4\t47\t0.681\t-\t-\t有\t35",
                                           "2\t阪神\t36\t34\t4\t46\t0.514\t11.5\t11.5\t無\t",
                                           "マジック 35 巨人（対象: 阪神）（未入力のカード 1）" })
                               .join(u'\n');
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Space); // コピー
    QCOMPARE(clipboard(), copied);

    // Emptying 残り is a change, and 計算 pressed at once (no focus moved) reads it 未入力.
    named(d, QStringLiteral("巨人–阪神 残り直接対決"))->setFocus(Qt::ShortcutFocusReason);
    key(Qt::Key_End);
    key(Qt::Key_Backspace);
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(summary->text(), QString());
    child<QPushButton>(d, "pushButton_2")->click();
    QCOMPARE(summary->text(), QStringLiteral("マジック点灯なし（決め手のカード: 巨人–阪神）（未入力のカード 1）"));
    QGuiApplication::clipboard()->setText(QStringLiteral("unchanged"));
    typeInto(d, QStringLiteral("阪神 前年順位"), QStringLiteral("2"));
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(summary->text(), QString());
    child<QPushButton>(d, "pushButton_3")->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    QCOMPARE(clipboard(), QStringLiteral("unchanged"));
    QVERIFY(summary->text().startsWith(QStringLiteral("コピー: ")));

    QGuiApplication::clipboard()->setText(QStringLiteral("順位 チーム 勝 敗 分"));
    key(Qt::Key_Tab);
    key(Qt::Key_Space); // 貼り付け
    QVERIFY2(summary->text().startsWith(QStringLiteral("貼り付け: ")), qPrintable(summary->text()));
    QCOMPARE(child<QSpinBox>(d, "spinBox")->value(), 2);
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "1 ヤクルト 143 71 61 11 .538 -\n2 巨人 143 80 55 8 .593 -\n3 阪神 143 74 66 3\n"
        "4 広島 143 67 69 7\n5 中日 143 62 77 4\n6 DeNA 143 61 81 1"));
    key(Qt::Key_Space);
    QCOMPARE(child<QSpinBox>(d, "spinBox")->value(), 6);
    QCOMPARE(named<QSpinBox>(d, QStringLiteral("巨人–阪神 巨人の勝数"))->value(), 12);
    QCOMPARE(named<QSpinBox>(d, QStringLiteral("巨人–阪神 残り直接対決"))->text(),
        QStringLiteral("未入力"));
    QCOMPARE(named<QSpinBox>(d, QStringLiteral("巨人 前年順位"))->value(), 1);
    QCOMPARE(named<QSpinBox>(d, QStringLiteral("ヤクルト–巨人 ヤクルトの勝数"))->text(),
        QStringLiteral("未入力"));
    key(Qt::Key_Backtab);
    key(Qt::Key_Backtab);
    key(Qt::Key_Space); // 計算
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(child<QSpinBox>(d, "spinBox_2")->value(), 120);
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
    void init()
    {
        QSettings(calc::settingsOrganization, QCoreApplication::applicationName()).clear();
    }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void byKeyboardPasteAndCopy();
    void keptBetweenRuns();
};

void tst_Standings::byKeyboardPasteAndCopy()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(testing::withLaunchedDialog(
        child<QPushButton>(&window, "pushButton_15"), typePasteAndCopy));
}

// The forms are kept per league from one opening to the next: typed in セ and パ, closed with
// Escape, the next opening shows パ as it was left and セ on switching back; クリア empties the
// league shown and nothing else.
void tst_Standings::keptBetweenRuns()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *launch = child<QPushButton>(&window, "pushButton_15");
    QVERIFY(testing::withLaunchedDialog(launch, [](QDialog *d) {
        QVERIFY(testing::waitForActive(d));
        typeInto(d, QStringLiteral("全試合数"), QStringLiteral("143"));
        typeInto(d, QStringLiteral("カード試合数"), QStringLiteral("25"));
        typeInto(d, QStringLiteral("A チーム名"), QStringLiteral("Giants"));
        typeInto(d, QStringLiteral("Giants 勝数"), QStringLiteral("63"));
        typeInto(d, QStringLiteral("Giants 前年順位"), QStringLiteral("2"));
        typeInto(d, QStringLiteral("Giants–B Giantsの勝数"), QStringLiteral("12"));
        typeInto(d, QStringLiteral("Giants–C 引分"), QStringLiteral("7"));
        // Emptied again, 7 draws are 未入力 once more.
        named(d, QStringLiteral("Giants–C 引分"))->setFocus(Qt::ShortcutFocusReason);
        key(Qt::Key_End);
        key(Qt::Key_Backspace);
        key(Qt::Key_Tab);
        child<QComboBox>(d, "comboBox")->setFocus(Qt::ShortcutFocusReason);
        key(Qt::Key_Down);
        QCOMPARE(child<QSpinBox>(d, "spinBox_2")->value(), 0);
        typeInto(d, QStringLiteral("チーム数"), QStringLiteral("4"));
        typeInto(d, QStringLiteral("A チーム名"), QStringLiteral("Hawks"));
        key(Qt::Key_Escape);
    }));
    QVERIFY(testing::withLaunchedDialog(launch, [](QDialog *d) {
        QVERIFY(testing::waitForActive(d));
        QCOMPARE(child<QComboBox>(d, "comboBox")->currentIndex(), 1);
        QCOMPARE(child<QSpinBox>(d, "spinBox")->value(), 4);
        QCOMPARE(named<QLineEdit>(d, QStringLiteral("A チーム名"))->text(), "Hawks");
        child<QComboBox>(d, "comboBox")->setFocus(Qt::ShortcutFocusReason);
        key(Qt::Key_Up);
        const auto shows
            = [d](const char *name) { return named<QSpinBox>(d, QString::fromUtf8(name))->text(); };
        for (const auto &[name, value] : { std::pair("全試合数", "143"),
                 std::pair("カード試合数", "25"), std::pair("Giants 勝数", "63"),
                 std::pair("Giants 前年順位", "2"), std::pair("Giants–B Giantsの勝数", "12"),
                 std::pair("Giants–C 引分", "未入力"), std::pair("Giants–B 引分", "未入力") })
            QCOMPARE(shows(name), QString::fromUtf8(value));
        child<QPushButton>(d, "pushButton_5")->click(); // クリア
        QCOMPARE(shows("A 勝数"), QStringLiteral("0"));
        QCOMPARE(shows("全試合数"), QStringLiteral("0"));
        child<QComboBox>(d, "comboBox")->setCurrentIndex(1);
        QCOMPARE(named<QLineEdit>(d, QStringLiteral("A チーム名"))->text(), "Hawks");
    }));
}

QTEST_MAIN(tst_Standings)
#include "tst_standings.moc"

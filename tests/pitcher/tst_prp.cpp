#include "calculators/pitcher/prp.h"
#include "calculators/pitcher/reliefpoints.h"
#include "support/calculatorchecks.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolBox>
#include <QTranslator>

using testing::child;
using testing::MarkingTranslator;

namespace {

// The widgets of one tool-box page; `count` is null on the page without a count.
struct Page {
    const char *combo;
    const char *count;
    const char *compute;
    const char *result;
};

const Page pages[] = {
    {"comboBox", "spinBox", "pushButton_2", "lineEdit"},
    {"comboBox_2", nullptr, "pushButton_3", "lineEdit_2"},
    {"comboBox_3", "spinBox_2", "pushButton_4", "lineEdit_3"},
    {"comboBox_4", "spinBox_3", "pushButton_5", "lineEdit_4"},
    {"comboBox_5", "spinBox_4", "pushButton_6", "lineEdit_5"},
};

const QString runners = QStringLiteral("走者数");
const QString runnersScored = QStringLiteral("得点させた走者数");

// Opens page `index` (0 to 4) by clicking its title, as a user does.
void openPage(QDialog *dialog, int index)
{
    auto *toolBox = child<QToolBox>(dialog, "toolBox");
    for (auto *title : toolBox->findChildren<QAbstractButton *>()) {
        if (title->text() == toolBox->itemText(index) && title->parentWidget() == toolBox) {
            QTest::mouseClick(title, Qt::LeftButton);
            break;
        }
    }
}

QComboBox *combo(QDialog *dialog, int page)
{
    return child<QComboBox>(dialog, pages[page].combo);
}

QLineEdit *result(QDialog *dialog, int page)
{
    return child<QLineEdit>(dialog, pages[page].result);
}

// Opens a page, chooses its item, types its count and presses its 計算.
QString computePage(QDialog *dialog, int page, int item, int count)
{
    openPage(dialog, page);
    combo(dialog, page)->setCurrentIndex(item);
    const Page &p = pages[page];
    return p.count ? testing::compute(dialog, {p.count}, {count}, p.compute, p.result)
                   : testing::compute(dialog, {}, {}, p.compute, p.result);
}

} // namespace

class tst_PRP : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void formula_data();
    void formula();
    void computes_data();
    void computes();
    void form();
    void tabOrder_data();
    void tabOrder();
    void relabels_data();
    void relabels();
    void languageChangeKeepsSelectionAndLabel_data();
    void languageChangeKeepsSelectionAndLabel();
    void enterComputesTheOpenPage_data();
    void enterComputesTheOpenPage();
    void keyboardTurnsPages_data();
    void keyboardTurnsPages();
    void resultsStayWhileOtherPagesCompute();
    void closes_data();
    void closes();
};

void tst_PRP::formula_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("item");
    QTest::addColumn<double>("count");
    QTest::addColumn<double>("expected");

    QTest::newRow("outs, won") << 0 << 0 << 9.0 << 13.5;
    QTest::newRow("outs, lost") << 0 << 1 << 9.0 << 4.5;
    QTest::newRow("outs, drawn") << 0 << 2 << 9.0 << 9.0;
    QTest::newRow("entry, save situation") << 1 << 0 << 0.0 << 3.0;
    QTest::newRow("entry, tied") << 1 << 1 << 0.0 << 2.0;
    QTest::newRow("entry, one behind") << 1 << 2 << 0.0 << 1.0;
    QTest::newRow("inherited, earned") << 2 << 0 << 2.0 << 2.0;
    QTest::newRow("inherited, earned scored") << 2 << 1 << 2.0 << -6.0;
    QTest::newRow("inherited, unearned") << 2 << 2 << 3.0 << 1.5;
    QTest::newRow("inherited, unearned scored") << 2 << 3 << 1.0 << -1.5;
    QTest::newRow("runs, earned") << 3 << 0 << 2.0 << -8.0;
    QTest::newRow("runs, unearned") << 3 << 1 << 3.0 << -6.0;
    QTest::newRow("left, earned") << 4 << 0 << 2.0 << -4.0;
    QTest::newRow("left, unearned") << 4 << 1 << 3.0 << -3.0;

    // No item selected (-1), or one past the last item: nothing to score.
    const int itemCounts[] = {3, 3, 4, 2, 2};
    for (int page = 0; page < 5; ++page) {
        QTest::addRow("page %d, no item", page + 1) << page << -1 << 7.0 << 0.0;
        QTest::addRow("page %d, past the last item", page + 1)
                << page << itemCounts[page] << 7.0 << 0.0;
    }
}

void tst_PRP::formula()
{
    QFETCH(int, page);
    QFETCH(int, item);
    QFETCH(double, count);
    QFETCH(double, expected);

    double points = 0;
    switch (page) {
    case 0:
        points = calc::outsRecordedPoints(item, count);
        break;
    case 1:
        points = calc::scorelessEntryPoints(item);
        break;
    case 2:
        points = calc::inheritedRunnerPoints(item, count);
        break;
    case 3:
        points = calc::runsAllowedPoints(item, count);
        break;
    case 4:
        points = calc::runnersLeftPoints(item, count);
        break;
    }
    QCOMPARE(points, expected);
}

void tst_PRP::computes_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");

    QTest::newRow("9 outs, won") << 0 << 0 << 9 << "13.5";
    QTest::newRow("9 outs, lost") << 0 << 1 << 9 << "4.5";
    QTest::newRow("9 outs, drawn") << 0 << 2 << 9 << "9.0";
    QTest::newRow("999 outs, won: the highest result") << 0 << 0 << 999 << "1498.5";
    QTest::newRow("999 outs, lost") << 0 << 1 << 999 << "499.5";
    QTest::newRow("1 out, lost") << 0 << 1 << 1 << "0.5";
    QTest::newRow("0 outs, won") << 0 << 0 << 0 << "0.0";
    QTest::newRow("0 outs, lost") << 0 << 1 << 0 << "0.0";
    QTest::newRow("0 outs, drawn") << 0 << 2 << 0 << "0.0";

    QTest::newRow("save situation") << 1 << 0 << 0 << "3.0";
    QTest::newRow("tied") << 1 << 1 << 0 << "2.0";
    QTest::newRow("one run behind") << 1 << 2 << 0 << "1.0";

    QTest::newRow("2 earned-run runners") << 2 << 0 << 2 << "2.0";
    QTest::newRow("2 earned-run runners scored") << 2 << 1 << 2 << "-6.0";
    QTest::newRow("3 unearned-run runners") << 2 << 2 << 3 << "1.5";
    QTest::newRow("1 unearned-run runner scored") << 2 << 3 << 1 << "-1.5";
    QTest::newRow("999 earned-run runners") << 2 << 0 << 999 << "999.0";
    QTest::newRow("999 earned-run runners scored") << 2 << 1 << 999 << "-2997.0";
    QTest::newRow("999 unearned-run runners") << 2 << 2 << 999 << "499.5";
    QTest::newRow("999 unearned-run runners scored") << 2 << 3 << 999 << "-1498.5";
    QTest::newRow("0 earned-run runners") << 2 << 0 << 0 << "0.0";
    QTest::newRow("0 earned-run runners scored") << 2 << 1 << 0 << "0.0";
    QTest::newRow("0 unearned-run runners") << 2 << 2 << 0 << "0.0";
    QTest::newRow("0 unearned-run runners scored") << 2 << 3 << 0 << "0.0";

    QTest::newRow("2 earned runs") << 3 << 0 << 2 << "-8.0";
    QTest::newRow("3 unearned runs") << 3 << 1 << 3 << "-6.0";
    QTest::newRow("999 earned runs: the lowest result") << 3 << 0 << 999 << "-3996.0";
    QTest::newRow("999 unearned runs") << 3 << 1 << 999 << "-1998.0";
    QTest::newRow("0 earned runs") << 3 << 0 << 0 << "0.0";
    QTest::newRow("0 unearned runs") << 3 << 1 << 0 << "0.0";

    QTest::newRow("2 earned-run runners left") << 4 << 0 << 2 << "-4.0";
    QTest::newRow("3 unearned-run runners left") << 4 << 1 << 3 << "-3.0";
    QTest::newRow("999 earned-run runners left") << 4 << 0 << 999 << "-1998.0";
    QTest::newRow("999 unearned-run runners left") << 4 << 1 << 999 << "-999.0";
    QTest::newRow("0 earned-run runners left") << 4 << 0 << 0 << "0.0";
    QTest::newRow("0 unearned-run runners left") << 4 << 1 << 0 << "0.0";
}

void tst_PRP::computes()
{
    QFETCH(int, page);
    QFETCH(int, item);
    QFETCH(int, count);
    QFETCH(QString, expected);

    PRP dialog;
    dialog.show();
    QCOMPARE(computePage(&dialog, page, item, count), expected);
    QCOMPARE(child<QToolBox>(&dialog, "toolBox")->currentIndex(), page);
}

void tst_PRP::form()
{
    PRP dialog;
    dialog.show();

    RUN_CHECK(testing::checkFixedWindow(&dialog, "PRP", "投手＞リリーフポイント", QSize(350, 425)));
    QCOMPARE(child<QGroupBox>(&dialog, "groupBox")->title(), QStringLiteral("■リリーフポイント"));
    QCOMPARE(child<QPushButton>(&dialog, "pushButton")->text(), QStringLiteral("閉じる"));
    QCOMPARE(child<QPushButton>(&dialog, "pushButton")->parentWidget(), &dialog);

    auto *toolBox = child<QToolBox>(&dialog, "toolBox");
    QCOMPARE(toolBox->count(), 5);
    QCOMPARE(toolBox->currentIndex(), 0);
    const QStringList pageNames = {"page", "page_2", "page_3", "page_4", "page_5"};
    const QStringList titles = {"アウトを奪った場合", "登板した回に得点を許さなかった場合",
                                "登板時に既に走者がいる場合", "失点を許した場合",
                                "降板時に走者を残した場合"};
    const QList<QStringList> items = {
        {"チームが勝利", "チームが敗戦", "チームが引分"},
        {"セーブが付く状況で登板", "同点時に登板", "1点負けている時に登板"},
        {"自責点の対象になる走者", "上記走者に得点を許した場合", "自責点の対象にならない走者",
         "上記走者に得点を許した場合"},
        {"自責点になる場合", "自責点にならない場合"},
        {"自責点の対象になる走者", "自責点の対象にならない走者"},
    };
    const QStringList labels = {"label", "", "label_2", "label_3", "label_4"};
    const QStringList captions = {"アウト数", "", "走者数", "失点", "走者数"};

    for (int i = 0; i < 5; ++i) {
        QCOMPARE(toolBox->widget(i)->objectName(), pageNames.at(i));
        QCOMPARE(toolBox->itemText(i), titles.at(i));
        QWidget *page = toolBox->widget(i);

        auto *box = combo(&dialog, i);
        QCOMPARE(box->parentWidget(), page);
        QStringList texts;
        for (int item = 0; item < box->count(); ++item)
            texts.append(box->itemText(item));
        QCOMPARE(texts, items.at(i));
        QCOMPARE(box->currentIndex(), 0);

        QCOMPARE(child<QPushButton>(&dialog, pages[i].compute)->text(), QStringLiteral("計算"));
        QCOMPARE(child<QPushButton>(&dialog, pages[i].compute)->parentWidget(), page);
        QVERIFY(result(&dialog, i)->text().isEmpty());
        QVERIFY(!result(&dialog, i)->isReadOnly());

        if (pages[i].count) {
            auto *count = child<QSpinBox>(&dialog, pages[i].count);
            QCOMPARE(count->parentWidget(), page);
            QCOMPARE(count->minimum(), 0);
            QCOMPARE(count->maximum(), 999);
            QCOMPARE(count->value(), 0);
            QCOMPARE(child<QLabel>(page, qPrintable(labels.at(i)))->text(), captions.at(i));
        } else {
            QVERIFY(page->findChildren<QSpinBox *>().isEmpty());
        }

        // Every widget of the open page sits inside the fixed window, unclipped.
        toolBox->setCurrentIndex(i);
        for (QWidget *w : page->findChildren<QWidget *>()) {
            if (w->isVisible())
                QVERIFY2(dialog.rect().contains(QRect(w->mapTo(&dialog, QPoint()), w->size())),
                         qPrintable(w->objectName()));
        }
    }
}

void tst_PRP::tabOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("page 1") << 0
                            << QStringList{"comboBox", "spinBox", "pushButton_2", "lineEdit",
                                           "pushButton", "comboBox"};
    QTest::newRow("page 2") << 1
                            << QStringList{"comboBox_2", "pushButton_3", "lineEdit_2",
                                           "pushButton", "comboBox_2"};
    QTest::newRow("page 3") << 2
                            << QStringList{"comboBox_3", "spinBox_2", "pushButton_4", "lineEdit_3",
                                           "pushButton", "comboBox_3"};
    QTest::newRow("page 4") << 3
                            << QStringList{"comboBox_4", "spinBox_3", "pushButton_5", "lineEdit_4",
                                           "pushButton", "comboBox_4"};
    QTest::newRow("page 5") << 4
                            << QStringList{"comboBox_5", "spinBox_4", "pushButton_6", "lineEdit_5",
                                           "pushButton", "comboBox_5"};
}

void tst_PRP::tabOrder()
{
    QFETCH(int, page);
    QFETCH(QStringList, order);

    PRP dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    openPage(&dialog, page);
    QCOMPARE(testing::tabChain(combo(&dialog, page), order.size()), order);
}

void tst_PRP::relabels_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0 to 1") << 0 << 1 << runnersScored;
    QTest::newRow("1 to 0") << 1 << 0 << runners;
    QTest::newRow("1 to 2") << 1 << 2 << runners;
    QTest::newRow("2 to 3") << 2 << 3 << runnersScored;
    QTest::newRow("3 to 1") << 3 << 1 << runnersScored;
    QTest::newRow("3 to 0") << 3 << 0 << runners;
}

void tst_PRP::relabels()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, expected);

    PRP dialog;
    dialog.show();
    openPage(&dialog, 2);
    auto *box = combo(&dialog, 2);
    auto *count = child<QSpinBox>(&dialog, "spinBox_2");
    count->setValue(5);
    box->setCurrentIndex(from);

    // The user steps through the items with the arrow keys.
    box->setFocus();
    while (box->currentIndex() != to)
        QTest::keyClick(box, to > box->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(child<QLabel>(&dialog, "label_2")->text(), expected);
    QCOMPARE(count->value(), 5);
}

void tst_PRP::languageChangeKeepsSelectionAndLabel_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("label");

    QTest::newRow("item 0") << 0 << runners;
    QTest::newRow("item 1") << 1 << runnersScored;
    QTest::newRow("item 2") << 2 << runners;
    QTest::newRow("item 3") << 3 << runnersScored;
}

void tst_PRP::languageChangeKeepsSelectionAndLabel()
{
    QFETCH(int, item);
    QFETCH(QString, label);

    PRP dialog;
    dialog.show();
    const QString page1 = computePage(&dialog, 0, 2, 9);
    combo(&dialog, 4)->setCurrentIndex(1);
    const QString page3 = computePage(&dialog, 2, item, 4);
    auto *label2 = child<QLabel>(&dialog, "label_2");
    QCOMPARE(label2->text(), label);

    MarkingTranslator translator("PRP");
    QCoreApplication::installTranslator(&translator); // posts a LanguageChange to every widget
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("[投手＞リリーフポイント]"));
    auto *toolBox = child<QToolBox>(&dialog, "toolBox");
    QCOMPARE(toolBox->itemText(2), QStringLiteral("[登板時に既に走者がいる場合]"));
    QCOMPARE(combo(&dialog, 2)->itemText(1), QStringLiteral("[上記走者に得点を許した場合]"));
    QCOMPARE(child<QLabel>(&dialog, "label")->text(), QStringLiteral("[アウト数]"));
    QCOMPARE(child<QPushButton>(&dialog, "pushButton_4")->text(), QStringLiteral("[計算]"));
    QCOMPARE(child<QPushButton>(&dialog, "pushButton")->text(), QStringLiteral("[閉じる]"));

    // The selections, inputs, results and the open page all stay; the count's caption still
    // matches the chosen item.
    QCOMPARE(combo(&dialog, 2)->currentIndex(), item);
    QCOMPARE(combo(&dialog, 0)->currentIndex(), 2);
    QCOMPARE(combo(&dialog, 4)->currentIndex(), 1);
    QCOMPARE(label2->text(), label);
    QCOMPARE(child<QSpinBox>(&dialog, "spinBox_2")->value(), 4);
    QCOMPARE(child<QSpinBox>(&dialog, "spinBox")->value(), 9);
    QCOMPARE(result(&dialog, 0)->text(), page1);
    QCOMPARE(result(&dialog, 2)->text(), page3);
    QCOMPARE(toolBox->currentIndex(), 2);

    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("投手＞リリーフポイント"));
    QCOMPARE(combo(&dialog, 2)->currentIndex(), item);
    QCOMPARE(label2->text(), label);
}

void tst_PRP::enterComputesTheOpenPage_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");

    // "opened": Enter straight after opening the page by its title, item 0 and count 0.
    const QStringList opened = {"0.0", "3.0", "0.0", "0.0", "0.0"};
    // "combo" and "count": the user chose item 1, typed a count of 3, and pressed Enter there.
    const QStringList chosen = {"1.5", "2.0", "-9.0", "-6.0", "-3.0"};
    for (int page = 0; page < 5; ++page) {
        const int from = page == 0 ? 4 : 0;
        QTest::addRow("page %d, just opened", page + 1)
                << from << page << "opened" << int(Qt::Key_Return) << opened.at(page);
        QTest::addRow("page %d, in the combo box", page + 1)
                << from << page << "combo" << int(Qt::Key_Return) << chosen.at(page);
        if (pages[page].count) {
            QTest::addRow("page %d, in the count", page + 1)
                    << from << page << "count" << int(Qt::Key_Return) << chosen.at(page);
            QTest::addRow("page %d, keypad Enter in the count", page + 1)
                    << from << page << "count" << int(Qt::Key_Enter) << chosen.at(page);
        }
    }
}

void tst_PRP::enterComputesTheOpenPage()
{
    QFETCH(int, from);
    QFETCH(int, page);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, expected);

    PRP dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    openPage(&dialog, from);
    openPage(&dialog, page);

    if (focus != QLatin1String("opened")) {
        auto *box = combo(&dialog, page);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        if (pages[page].count) {
            auto *count = child<QSpinBox>(&dialog, pages[page].count);
            count->setFocus();
            count->selectAll();
            QTest::keyClicks(count, "3");
        }
        if (focus == QLatin1String("combo"))
            box->setFocus();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QVERIFY(dialog.isVisible());
    for (int other = 0; other < 5; ++other)
        QCOMPARE(result(&dialog, other)->text(), other == page ? expected : QString());
}

void tst_PRP::keyboardTurnsPages_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<int>>("pagesVisited");

    QTest::newRow("Ctrl+PageDown runs forward and wraps") << int(Qt::Key_PageDown)
                                                           << QList<int>{1, 2, 3, 4, 0};
    QTest::newRow("Ctrl+PageUp runs backward and wraps") << int(Qt::Key_PageUp)
                                                         << QList<int>{4, 3, 2, 1, 0};
}

void tst_PRP::keyboardTurnsPages()
{
    QFETCH(int, key);
    QFETCH(QList<int>, pagesVisited);

    PRP dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *toolBox = child<QToolBox>(&dialog, "toolBox");
    for (int page : pagesVisited) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(toolBox->currentIndex(), page);
        // The opened page is ready for typing and Enter computes it.
        QVERIFY(toolBox->currentWidget()->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!result(&dialog, page)->text().isEmpty());
    }
}

void tst_PRP::resultsStayWhileOtherPagesCompute()
{
    PRP dialog;
    dialog.show();
    const QStringList expected = {"13.5", "2.0", "-6.0", "-8.0", "-3.0"};
    const int items[] = {0, 1, 1, 0, 1};
    const int counts[] = {9, 0, 2, 2, 3};

    // Page 4 right after page 1, then the others.
    for (int page : {0, 3, 1, 2, 4}) {
        QCOMPARE(computePage(&dialog, page, items[page], counts[page]), expected.at(page));
        QCOMPARE(result(&dialog, 0)->text(), expected.at(0));
    }
    for (int page = 0; page < 5; ++page)
        QCOMPARE(result(&dialog, page)->text(), expected.at(page));
}

void tst_PRP::closes_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("byEscape");

    QTest::newRow("閉じる") << 0 << false;
    QTest::newRow("Escape on page 1") << 0 << true;
    QTest::newRow("閉じる on page 3") << 2 << false;
    QTest::newRow("Escape on page 3") << 2 << true;
}

void tst_PRP::closes()
{
    QFETCH(int, page);
    QFETCH(bool, byEscape);

    PRP dialog;
    const int code = testing::execUntilClosed(
        &dialog,
        [&] {
            openPage(&dialog, page);
            if (byEscape)
                QTest::keyClick(combo(&dialog, page), Qt::Key_Escape);
            else
                QTest::mouseClick(child<QPushButton>(&dialog, "pushButton"), Qt::LeftButton);
        },
        QStringLiteral("PRP to close on %1 on page %2")
            .arg(byEscape ? QStringLiteral("Escape") : QStringLiteral("閉じる"))
            .arg(page + 1));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(code, int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(tst_PRP)
#include "tst_prp.moc"

#include "calculators/team/tgb.h"
#include "calculators/team/tmn.h"
#include "calculators/team/tovp.h"
#include "calculators/team/trd.h"
#include "calculators/team/tsav.h"
#include "mainwindow/mainwindow.h"
#include "support/calculatorchecks.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <functional>
#include <memory>

using testing::child;
using testing::spinBoxNames;
using testing::userClick;

namespace {

// One grid cell of a form: a label (with its text), a spin box (with its maximum) or, with an
// empty name, the spacer that keeps the inputs at the left.
struct Cell
{
    QString name;
    int row, column, rowSpan, columnSpan;
    QString text = {};
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int maximum = 999;
};

struct Form
{
    std::function<std::unique_ptr<QDialog>()> make;
    const char *launchButton; // on the main window
    QSize size;
    QString title;
    QString groupTitle;
    bool modal;
    QStringList inputs; // in reading order, which is also the tab order
    QList<Cell> cells;
    const char *resultRow;
    const char *bottomRow;
    int resultSpacer;
};

template <typename Dialog> std::unique_ptr<QDialog> make()
{
    return std::make_unique<Dialog>();
}

Cell spin(const char *name, int row, int column, int maximum = 999)
{
    return { name, row, column, 1, 1, {}, {}, maximum };
}

Cell label(const char *name, int row, int column, const char *text, int columnSpan = 1,
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    return { name, row, column, 1, columnSpan, QString::fromUtf8(text), alignment };
}

Cell spacer(int column, int rowSpan)
{
    return { {}, 0, column, rowSpan, 1 };
}

const QMap<QString, Form> &forms()
{
    static const QMap<QString, Form> all {
        { "TSAV",
            { make<TSAV>, "pushButton_2", { 300, 214 }, "チーム＞貯金", "■貯金", true, spinBoxNames(2),
                { label("label", 0, 0, "勝数"), spin("spinBox", 0, 1),
                    label("label_2", 1, 0, "敗数"), spin("spinBox_2", 1, 1), spacer(2, 2) },
                "horizontalLayout", "horizontalLayout_2", 190 } },
        { "TGB",
            { make<TGB>, "pushButton_3", { 300, 240 }, "チーム＞ゲーム差", "■ゲーム差", true,
                spinBoxNames(4),
                { label("label", 0, 1, "勝数", 1, Qt::AlignCenter),
                    label("label_2", 0, 2, "敗数", 1, Qt::AlignCenter),
                    label("label_3", 1, 0, "上位"), label("label_4", 2, 0, "下位"),
                    spin("spinBox", 1, 1), spin("spinBox_2", 1, 2), spin("spinBox_3", 2, 1),
                    spin("spinBox_4", 2, 2), spacer(3, 3) },
                "horizontalLayout", "horizontalLayout_2", 200 } },
        { "TMN",
            { make<TMN>, "pushButton_4", { 400, 249 }, "チーム＞マジックナンバー",
                "■マジックナンバー", true, spinBoxNames(6),
                { label("label", 0, 0, "全試合数", 2), spin("spinBox", 0, 2),
                    label("label_2", 1, 0, "上位"), label("label_3", 1, 1, "勝数"),
                    spin("spinBox_2", 1, 2), label("label_4", 1, 3, "引分"),
                    spin("spinBox_3", 1, 4), label("label_7", 2, 0, "下位"),
                    label("label_5", 2, 1, "勝数"), spin("spinBox_4", 2, 2),
                    label("label_6", 2, 3, "引分"), spin("spinBox_5", 2, 4),
                    label("label_8", 2, 5, "残試合"), spin("spinBox_6", 2, 6) },
                "horizontalLayout", "horizontalLayout_2", 290 } },
        { "TOVP",
            { make<TOVP>, "pushButton_5", { 400, 284 }, "チーム＞自力優勝の可能性の有無",
                "■自力優勝の可能性の有無", true, spinBoxNames(8),
                { label("label", 0, 0, "全試合数", 2), spin("spinBox", 0, 2),
                    label("label_2", 1, 0, "上位"), label("label_3", 1, 1, "勝数"),
                    spin("spinBox_2", 1, 2), label("label_4", 1, 3, "引分"),
                    spin("spinBox_3", 1, 4), label("label_5", 1, 5, "残試合"),
                    spin("spinBox_4", 1, 6), label("label_6", 2, 0, "下位"),
                    label("label_7", 2, 1, "勝数"), spin("spinBox_5", 2, 2),
                    label("label_8", 2, 3, "引分"), spin("spinBox_6", 2, 4),
                    label("label_9", 2, 5, "残試合"), spin("spinBox_7", 2, 6),
                    label("label_10", 3, 0, "残り直接対決試合数", 6,
                        Qt::AlignRight | Qt::AlignVCenter),
                    spin("spinBox_8", 3, 6, 99) },
                "horizontalLayout_2", "horizontalLayout", 290 } },
        { "TRD",
            { make<TRD>, "pushButton_6", { 400, 282 }, "チーム＞ランク確定の有無",
                "■ランク確定の有無", false, spinBoxNames(9),
                { label("label", 0, 0, "全試合数", 2), spin("spinBox", 0, 2),
                    label("label_2", 1, 0, "上位"), label("label_3", 1, 1, "勝数"),
                    spin("spinBox_2", 1, 2), label("label_4", 1, 3, "引分"),
                    spin("spinBox_3", 1, 4), label("label_5", 2, 0, "中位"),
                    label("label_6", 2, 1, "勝数"), spin("spinBox_4", 2, 2),
                    label("label_7", 2, 3, "引分"), spin("spinBox_5", 2, 4),
                    label("label_8", 2, 5, "残試合"), spin("spinBox_6", 2, 6),
                    label("label_9", 3, 0, "下位"), label("label_10", 3, 1, "勝数"),
                    spin("spinBox_7", 3, 2), label("label_11", 3, 3, "引分"),
                    spin("spinBox_8", 3, 4), label("label_12", 3, 5, "残試合"),
                    spin("spinBox_9", 3, 6) },
                "horizontalLayout_2", "horizontalLayout", 290 } },
    };
    return all;
}

void addDialogRows()
{
    QTest::addColumn<QString>("dialog");
    for (const QString &name : forms().keys())
        QTest::newRow(qPrintable(name)) << name;
}

} // namespace

class tst_TeamCalculators : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void computes_data();
    void computes();
    void form_data() { addDialogRows(); }
    void form();
    void enterComputes_data();
    void enterComputes();
    void closes_data();
    void closes();
    void languageChangeRetranslatesTextsOnly_data() { addDialogRows(); }
    void languageChangeRetranslatesTextsOnly();
    void mainWindowBesideTheDialog_data() { addDialogRows(); }
    void mainWindowBesideTheDialog();
    void quitBesideRankSettlementClosesIt();
};

void tst_TeamCalculators::computes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QList<int>>("inputs"); // in reading order
    QTest::addColumn<QString>("expected");

    const auto row
        = [](const char *dialog, const char *name, const QList<int> &inputs, const char *expected) {
              QTest::addRow("%s: %s", dialog, name)
                  << QString::fromLatin1(dialog) << inputs << QString::fromUtf8(expected);
          };

    // wins, losses
    row("TSAV", "nothing played", { 0, 0 }, "0");
    row("TSAV", "15 up, no plus sign", { 60, 45 }, "15");
    row("TSAV", "15 down", { 45, 60 }, "-15");
    row("TSAV", "unbeaten", { 999, 0 }, "999");
    row("TSAV", "winless", { 0, 999 }, "-999");

    // upper wins, upper losses, lower wins, lower losses
    row("TGB", "all zero", { 0, 0, 0, 0 }, "0.0");
    row("TGB", "5 games", { 60, 40, 55, 45 }, "5.0");
    row("TGB", "half games", { 60, 40, 58, 41 }, "1.5");
    row("TGB", "lower in fact ahead", { 50, 50, 52, 47 }, "-2.5");
    row("TGB", "level, no minus sign", { 52, 47, 52, 47 }, "0.0");
    row("TGB", "widest gap", { 999, 0, 0, 999 }, "999.0");
    row("TGB", "widest gap reversed", { 0, 999, 999, 0 }, "-999.0");

    // games; upper wins, draws; lower wins, draws, remaining
    row("TMN", "15.60", { 144, 70, 2, 65, 3, 20 }, "16");
    row("TMN", "11.74", { 143, 75, 5, 68, 3, 20 }, "12");
    row("TMN", "exactly 10", { 140, 60, 0, 60, 0, 10 }, "10");
    row("TMN", "exactly 1", { 140, 69, 0, 60, 0, 10 }, "1");
    row("TMN", "exactly 0", { 140, 70, 0, 60, 0, 10 }, "優勝");
    row("TMN", "-0.57", { 144, 80, 4, 70, 3, 10 }, "優勝");
    row("TMN", "no wins anywhere", { 10, 0, 0, 0, 0, 0 }, "優勝");
    row("TMN", "largest", { 999, 0, 0, 999, 998, 999 }, "1996002");
    row("TMN", "unchecked inputs", { 10, 0, 20, 5, 11, 5 }, "100");
    row("TMN", "zero divisor: all inputs 0", { 0, 0, 0, 0, 0, 0 }, "優勝");
    row("TMN", "zero divisor: +inf", { 5, 0, 0, 3, 5, 2 }, "優勝");
    row("TMN", "zero divisor: +inf, largest", { 999, 0, 0, 999, 999, 999 }, "優勝");
    row("TMN", "zero divisor: -inf", { 5, 0, 9, 3, 5, 2 }, "優勝");
    row("TMN", "zero divisor: 0 / 0", { 5, 0, 5, 3, 5, 2 }, "優勝");
    row("TMN", "zero divisor: lower without wins", { 5, 9, 0, 0, 5, 0 }, "優勝");

    // games; upper wins, draws, remaining; lower wins, draws, remaining; head-to-head
    row("TOVP", "0.638 over 0.598", { 144, 70, 2, 20, 65, 3, 25, 5 }, "有");
    row("TOVP", "0.638 under 0.704", { 144, 80, 2, 20, 65, 3, 25, 0 }, "無");
    row("TOVP", "4 head-to-head", { 130, 72, 4, 12, 66, 2, 16, 4 }, "有");
    row("TOVP", "3 head-to-head", { 130, 72, 4, 12, 66, 2, 16, 3 }, "無");
    row("TOVP", "exactly level", { 10, 4, 0, 3, 2, 0, 4, 1 }, "有");
    row("TOVP", "most head-to-head", { 999, 999, 0, 0, 900, 0, 0, 99 }, "有");
    row("TOVP", "zero divisors: all inputs 0", { 0, 0, 0, 0, 0, 0, 0, 0 }, "無");
    row("TOVP", "zero divisor: upper +inf", { 10, 4, 10, 3, 2, 0, 4, 1 }, "無");
    row("TOVP", "zero divisors: both +inf", { 10, 4, 10, 3, 2, 10, 4, 1 }, "有");
    row("TOVP", "zero divisor: upper -inf", { 10, 0, 10, 0, 2, 0, 4, 1 }, "有");
    row("TOVP", "zero divisor: upper -inf, lower 0 / 0", { 10, 0, 10, 0, 0, 10, 0, 1 }, "無");
    row("TOVP", "zero divisor: upper 0 / 0", { 10, 1, 10, 0, 2, 0, 4, 1 }, "無");
    row("TOVP", "zero divisor: lower +inf", { 10, 4, 0, 3, 2, 10, 4, 1 }, "有");
    row("TOVP", "zero divisor: lower 0 / 0", { 10, 4, 0, 3, 0, 10, 0, 1 }, "無");

    // games; upper wins, draws; middle wins, draws, remaining; lower wins, draws, remaining
    row("TRD", "both safe", { 144, 85, 2, 70, 3, 5, 50, 4, 10 }, "確定");
    row("TRD", "middle needs 6", { 144, 85, 2, 70, 3, 5, 65, 4, 10 }, "未確定");
    row("TRD", "upper needs 9", { 144, 70, 2, 68, 3, 10, 50, 4, 10 }, "未確定");
    row("TRD", "both exactly level", { 140, 80, 0, 70, 0, 0, 70, 0, 0 }, "確定");
    row("TRD", "upper exactly 1 short", { 140, 69, 0, 60, 0, 10, 0, 0, 0 }, "未確定");
    row("TRD", "largest magic number", { 999, 0, 0, 999, 998, 999, 0, 0, 0 }, "未確定");
    row("TRD", "zero divisors: all inputs 0", { 0, 0, 0, 0, 0, 0, 0, 0, 0 }, "確定");
    row("TRD", "zero divisor: middle +inf", { 10, 0, 0, 5, 10, 5, 9, 0, 9 }, "確定");
    row("TRD", "zero divisor: middle -inf", { 10, 0, 20, 5, 10, 5, 9, 0, 9 }, "確定");
    row("TRD", "zero divisor: middle 0 / 0", { 10, 0, 10, 5, 10, 5, 9, 0, 9 }, "確定");
    row("TRD", "zero divisor: lower +inf", { 10, 9, 0, 1, 0, 0, 5, 10, 5 }, "確定");
    row("TRD", "zero divisor: lower +inf, upper short", { 10, 0, 0, 1, 0, 5, 5, 10, 5 }, "未確定");
    row("TRD", "zero divisor: lower 0 / 0", { 10, 9, 0, 1, 0, 0, 0, 10, 0 }, "確定");
    row("TRD", "zero divisors: middle and lower", { 10, 9, 0, 1, 10, 0, 5, 10, 5 }, "確定");
}

void tst_TeamCalculators::computes()
{
    QFETCH(QString, dialog);
    QFETCH(QList<int>, inputs);
    QFETCH(QString, expected);

    const Form &form = forms()[dialog];
    QCOMPARE(inputs.size(), form.inputs.size());
    const auto d = form.make();
    d->show();
    testing::checkComputes(d.get(), form.inputs, inputs, expected);
}

void tst_TeamCalculators::form()
{
    QFETCH(QString, dialog);
    const Form &form = forms()[dialog];
    const auto owner = form.make();
    QDialog *d = owner.get();

    d->show();
    RUN_CHECK(testing::checkFixedWindow(d, dialog, form.title, form.size, form.modal));
    auto *group = child<QGroupBox>(d, "groupBox");
    QCOMPARE(group->title(), form.groupTitle);
    RUN_CHECK(testing::checkButtons(d));

    // Every cell of the grid holds what it should, and nothing else is in it.
    auto *grid = child<QGridLayout>(d, "gridLayout");
    QCOMPARE(grid->count(), form.cells.size());
    for (const Cell &cell : form.cells) {
        QLayoutItem *item = grid->itemAtPosition(cell.row, cell.column);
        QVERIFY2(item, qPrintable(cell.name));
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(grid->indexOf(item), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QList<int>({ row, column, rowSpan, columnSpan }),
            QList<int>({ cell.row, cell.column, cell.rowSpan, cell.columnSpan }));
        if (cell.name.isEmpty()) {
            QVERIFY(item->spacerItem());
            QCOMPARE(item->spacerItem()->sizeHint(), QSize(40, 20));
            continue;
        }
        QCOMPARE(item->widget() ? item->widget()->objectName() : QString(), cell.name);
        QCOMPARE(item->widget()->parentWidget(), group);
        if (auto *l = qobject_cast<QLabel *>(item->widget())) {
            QCOMPARE(l->text(), cell.text);
            QCOMPARE(l->alignment(), cell.alignment);
            QVERIFY2(l->width() >= l->minimumSizeHint().width(), qPrintable(cell.name));
        } else {
            auto *box = qobject_cast<QSpinBox *>(item->widget());
            QVERIFY(box);
            QCOMPARE(box->minimum(), 0);
            QCOMPARE(box->maximum(), cell.maximum);
            QCOMPARE(box->value(), 0);
            box->setValue(cell.maximum + 1);
            QCOMPARE(box->value(), cell.maximum);
        }
    }

    // The result row: spacer, compute, result; the bottom row: spacer, close.
    auto *result = child<QHBoxLayout>(d, form.resultRow);
    QCOMPARE(result->parent(), child<QLayout>(d, "verticalLayout"));
    QCOMPARE(result->itemAt(0)->spacerItem()->sizeHint(), QSize(form.resultSpacer, 20));
    QCOMPARE(result->itemAt(1)->widget(), child(d, "pushButton_2"));
    QCOMPARE(result->itemAt(2)->widget(), child(d, "lineEdit"));
    auto *bottom = child<QHBoxLayout>(d, form.bottomRow);
    QCOMPARE(bottom->parent(), child<QLayout>(d, "verticalLayout_2"));
    QCOMPARE(bottom->itemAt(0)->spacerItem()->sizeHint(), QSize(40, 20));
    QCOMPARE(bottom->itemAt(1)->widget(), child(d, "pushButton"));

    RUN_CHECK(testing::checkNothingCutOff(d));
    testing::checkTabOrder(
        d, form.inputs + QStringList { "pushButton_2", "lineEdit", "pushButton", "spinBox" });
}

void tst_TeamCalculators::enterComputes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QList<int>>("inputs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("TSAV") << "TSAV" << QList<int> { 60, 45 } << "15";
    QTest::newRow("TGB") << "TGB" << QList<int> { 60, 40, 58, 41 } << "1.5";
    QTest::newRow("TMN") << "TMN" << QList<int> { 144, 70, 2, 65, 3, 20 } << "16";
    QTest::newRow("TOVP") << "TOVP" << QList<int> { 144, 70, 2, 20, 65, 3, 25, 5 } << "有";
    QTest::newRow("TRD") << "TRD" << QList<int> { 144, 85, 2, 70, 3, 5, 65, 4, 10 } << "未確定";
}

void tst_TeamCalculators::enterComputes()
{
    QFETCH(QString, dialog);
    QFETCH(QList<int>, inputs);
    QFETCH(QString, expected);
    testing::checkEnterComputes(forms()[dialog].make, inputs, expected);
}

void tst_TeamCalculators::closes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("byEscape");
    for (const QString &name : forms().keys()) {
        QTest::addRow("%s: 閉じる", qPrintable(name)) << name << false;
        QTest::addRow("%s: Escape", qPrintable(name)) << name << true;
    }
}

void tst_TeamCalculators::closes()
{
    QFETCH(QString, dialog);
    QFETCH(bool, byEscape);
    testing::checkCloses(forms()[dialog].make().get(), byEscape);
}

void tst_TeamCalculators::languageChangeRetranslatesTextsOnly()
{
    QFETCH(QString, dialog);
    const Form &form = forms()[dialog];
    const auto d = form.make();
    d->show();
    QList<int> inputs;
    for (qsizetype i = 0; i < form.inputs.size(); ++i)
        inputs.append(int(i) + 1);
    testing::checkLanguageChange(d.get(), dialog.toUtf8(), form.title, form.inputs, inputs);
}

// While a calculator runs, the main window's launch button is pressed again with the mouse.
// The modal calculators block it; the rank settlement leaves it usable, so a second one opens.
void tst_TeamCalculators::mainWindowBesideTheDialog()
{
    QFETCH(QString, dialog);
    const Form &form = forms()[dialog];

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *launch = child<QPushButton>(&window, form.launchButton);
    int opened = 0;
    bool computedInSecond = false;
    const bool seen = testing::withLaunchedDialog(launch, [&](QDialog *first) {
        QCOMPARE(first->objectName(), dialog);
        QCOMPARE(QGuiApplication::modalWindow() != nullptr, form.modal);
        testing::withSecondDialog(launch, first, [&](QDialog *other) {
            ++opened;
            QCOMPARE(other->objectName(), dialog);
            QVERIFY(first->isVisible());
            computedInSecond
                = !testing::compute(other, form.inputs, QList<int>(form.inputs.size(), 0))
                       .isEmpty();
        });
        QVERIFY(first->isVisible());
    });
    QVERIFY(seen);
    QCOMPARE(opened, form.modal ? 0 : 1);
    QCOMPARE(computedInSecond, !form.modal);
    QVERIFY(window.isVisible());
}

// 終了 beside the rank settlement closes it with the main window; it is not left alone on screen.
void tst_TeamCalculators::quitBesideRankSettlementClosesIt()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const bool seen = testing::withLaunchedDialog(
        child<QPushButton>(&window, "pushButton_6"), [&](QDialog *trd) {
            QCOMPARE(testing::compute(trd, spinBoxNames(9), { 144, 85, 2, 70, 3, 5, 50, 4, 10 }),
                QStringLiteral("確定"));
            userClick(child<QPushButton>(&window, "pushButton_14"));
            QVERIFY(!trd->isVisible());
            QVERIFY(!window.isVisible());
        });
    QVERIFY(seen);
    QVERIFY(testing::openDialogs().isEmpty());
}

QTEST_MAIN(tst_TeamCalculators)
#include "tst_teamcalculators.moc"

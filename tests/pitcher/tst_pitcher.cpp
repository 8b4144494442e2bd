#include "calculators/pitcher/pera.h"
#include "calculators/pitcher/pidx.h"
#include "calculators/pitcher/pitcherstats.h"
#include "calculators/pitcher/prip.h"
#include "support/calculatorchecks.h"

#include <QDoubleSpinBox>
#include <QGlyphRun>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

namespace {

const auto make = testing::makeNamed<PERA, PRIP, PIDX>;

} // namespace

// The earned-run-average, qualifying-innings and pitching-figures calculators: formulas and
// dialogs.
class tst_Pitcher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void earnedRunAverage_data();
    void earnedRunAverage();
    void qualifyingInnings_data();
    void qualifyingInnings();

    void computes_data();
    void computes();
    void infiniteAverageIsDrawn();
    void indices_data();
    void indices();
    void indicesTabOrder();
    void form_data();
    void form();
    void enterComputes_data();
    void enterComputes();
    void closes_data();
    void closes();
    void languageChangeRetranslatesTextsOnly_data();
    void languageChangeRetranslatesTextsOnly();
};

void tst_Pitcher::earnedRunAverage_data()
{
    QTest::addColumn<int>("innings");
    QTest::addColumn<int>("thirds");
    QTest::addColumn<int>("earnedRuns");
    QTest::addColumn<int>("numerator"); // 27 x earned runs over the outs recorded
    QTest::addColumn<int>("denominator");

    QTest::newRow("no outs recorded") << 0 << 0 << 0 << 0 << 0;
    // Runs without an out are an infinite average (once shown as 0, the best there is).
    QTest::newRow("runs without an out") << 0 << 0 << 999 << 26973 << 0;
    QTest::newRow("complete game") << 9 << 0 << 2 << 54 << 27;
    QTest::newRow("a third counts a third") << 0 << 1 << 1 << 27 << 1;
    QTest::newRow("two thirds") << 6 << 2 << 4 << 108 << 20;
    QTest::newRow("starter's season") << 180 << 0 << 60 << 1620 << 540;
    QTest::newRow("largest") << 0 << 1 << 999 << 26973 << 1;
    QTest::newRow("shutout") << 999 << 2 << 0 << 0 << 2999;
}

void tst_Pitcher::earnedRunAverage()
{
    QFETCH(int, innings);
    QFETCH(int, thirds);
    QFETCH(int, earnedRuns);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    const calc::Ratio era = calc::earnedRunAverage(innings, thirds, earnedRuns);
    QCOMPARE(era.numerator, numerator);
    QCOMPARE(era.denominator, denominator);
}

void tst_Pitcher::qualifyingInnings_data()
{
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("expected");

    QTest::newRow("144 games") << 144 << 144;
    QTest::newRow("no games") << 0 << 0;
    QTest::newRow("largest") << 999 << 999;
}

void tst_Pitcher::qualifyingInnings()
{
    QFETCH(int, games);
    QFETCH(int, expected);
    QCOMPARE(calc::qualifyingInnings(games), expected);
}

void tst_Pitcher::computes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QList<int>>("inputs"); // typed into spinBox, spinBox_2, ...
    QTest::addColumn<QString>("expected");

    // Whole innings, thirds, earned runs.
    QTest::newRow("PERA 7 1/3, 3") << "PERA" << QList<int>{7, 1, 3} << "3.68";
    QTest::newRow("PERA 9, 2") << "PERA" << QList<int>{9, 0, 2} << "2.00";
    QTest::newRow("PERA 6 2/3, 4") << "PERA" << QList<int>{6, 2, 4} << "5.40";
    QTest::newRow("PERA 1/3, 1") << "PERA" << QList<int>{0, 1, 1} << "27.00";
    QTest::newRow("PERA 1/3, 99") << "PERA" << QList<int>{0, 1, 99} << "2673.00";
    QTest::newRow("PERA largest") << "PERA" << QList<int>{0, 1, 999} << "26973.00";
    QTest::newRow("PERA no outs") << "PERA" << QList<int>{0, 0, 0} << "0.00";
    QTest::newRow("PERA no outs, runs") << "PERA" << QList<int>{0, 0, 999} << "∞";
    QTest::newRow("PERA no outs, 3 runs") << "PERA" << QList<int>{0, 0, 3} << "∞";
    QTest::newRow("PERA 120, 21: 1.575 rounds up") << "PERA" << QList<int>{120, 0, 21} << "1.58";
    QTest::newRow("PERA 106 2/3, 24: 2.025 rounds up") << "PERA" << QList<int>{106, 2, 24}
                                                        << "2.03";
    QTest::newRow("PERA 99 2/3, 99") << "PERA" << QList<int>{99, 2, 99} << "8.94";
    QTest::newRow("PERA no runs") << "PERA" << QList<int>{200, 0, 0} << "0.00";
    QTest::newRow("PERA starter's season") << "PERA" << QList<int>{180, 0, 60} << "3.00";
    QTest::newRow("PERA smallest above zero") << "PERA" << QList<int>{999, 2, 1} << "0.01";
    QTest::newRow("PERA exact half rounds up") << "PERA" << QList<int>{8, 0, 1} << "1.13";
    QTest::newRow("PERA 999 in 999") << "PERA" << QList<int>{999, 0, 999} << "9.00";

    QTest::newRow("PRIP 144") << "PRIP" << QList<int>{144} << "144";
    QTest::newRow("PRIP 0") << "PRIP" << QList<int>{0} << "0";
    QTest::newRow("PRIP largest") << "PRIP" << QList<int>{999} << "999";
}

void tst_Pitcher::computes()
{
    QFETCH(QString, dialog);
    QFETCH(QList<int>, inputs);
    QFETCH(QString, expected);

    auto d = make(dialog);
    d->show();
    testing::checkComputes(d.get(), testing::spinBoxNames(inputs.size()), inputs, expected);
}

void tst_Pitcher::infiniteAverageIsDrawn()
{
    // Runs without an out show "∞": some installed font must have a glyph for it in the result
    // field's font, or the field shows an empty box.
    PERA dialog;
    dialog.show();
    QCOMPARE(testing::compute(&dialog, testing::spinBoxNames(3), {0, 0, 3}), QStringLiteral("∞"));
    auto *result = testing::child<QLineEdit>(&dialog, "lineEdit");
    QTextLayout layout(result->text(), result->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    QVERIFY(!runs.isEmpty());
    for (const QGlyphRun &run : runs) {
        for (const quint32 glyph : run.glyphIndexes())
            QVERIFY2(glyph != 0, qPrintable(run.rawFont().familyName() + " lacks ∞"));
    }
}

void tst_Pitcher::indices_data()
{
    // 投球回 /3 被安打 被本塁打 与四球 故意四球 与死球 奪三振 自責点, and FIP定数 as typed.
    QTest::addColumn<QList<int>>("line");
    QTest::addColumn<QString>("constant");
    // 防御率 WHIP 奪三振率 与四球率 被本塁打率 K/BB FIP, and the error line.
    QTest::addColumn<QStringList>("expected");

    const QStringList none(7);
    const auto error = [&none](const char *problem) {
        return none + QStringList{QStringLiteral("入力エラー: ") + QString::fromUtf8(problem)};
    };
    QTest::newRow("172 1/3 innings") << QList<int>{172, 1, 150, 15, 45, 3, 6, 160, 55} << "3.12"
                                     << QStringList{"2.87", "1.13", "8.36", "2.35", "0.78",
                                                    "3.56", "3.23", ""};
    // 2 2/3 innings: 3.375 and .375 round up.
    QTest::newRow("8 outs, ties") << QList<int>{2, 2, 1, 0, 0, 0, 0, 1, 1} << "3.12"
                                  << QStringList{"3.38", "0.38", "3.38", "0.00", "0.00", "-",
                                                 "2.37", ""};
    // -39/8 + 3.12 = -1.755, away from zero.
    QTest::newRow("negative FIP, tie") << QList<int>{2, 2, 0, 0, 1, 0, 0, 8, 0} << "3.12"
                                       << QStringList{"0.00", "0.38", "27.00", "3.38", "0.00",
                                                      "8.00", "-1.76", ""};
    QTest::newRow("negative FIP") << QList<int>{1, 0, 0, 0, 0, 0, 0, 3, 0} << "3.12"
                                  << QStringList{"0.00", "0.00", "27.00", "0.00", "0.00", "-",
                                                 "-2.88", ""};
    // -15/13 + 1.15 = -1/260 shows no minus; 1.15 is 114.99... hundredths as a double.
    QTest::newRow("FIP just below zero") << QList<int>{4, 1, 0, 0, 1, 0, 0, 4, 0} << "1.15"
                                         << QStringList{"0.00", "0.23", "8.31", "2.08", "0.00",
                                                        "4.00", "0.00", ""};
    QTest::newRow("runs, no out") << QList<int>{0, 0, 2, 1, 1, 0, 0, 0, 3} << "3.12"
                                  << QStringList{"∞", "-", "-", "-", "-", "0.00", "-", ""};
    QTest::newRow("nothing") << QList<int>(9, 0) << "3.12"
                             << QStringList{"-", "-", "-", "-", "-", "-", "-", ""};
    QTest::newRow("largest") << QList<int>{0, 1, 999, 999, 999, 0, 999, 0, 999} << "9.99"
                             << QStringList{"26973.00", "5994.00", "0.00", "26973.00",
                                            "26973.00", "0.00", "56952.99", ""};
    QTest::newRow("most negative") << QList<int>{0, 1, 0, 0, 0, 0, 0, 999, 0} << "0.00"
                                   << QStringList{"0.00", "0.00", "26973.00", "0.00", "0.00",
                                                  "-", "-5994.00", ""};
    QTest::newRow("999 of everything") << QList<int>{999, 2, 999, 999, 999, 999, 999, 999, 999}
                                       << "9.99"
                                       << QStringList{"8.99", "2.00", "8.99", "8.99", "8.99",
                                                      "1.00", "23.98", ""};
    QTest::newRow("intentional above all walks") << QList<int>{5, 0, 3, 0, 2, 3, 0, 4, 1} << "3.12"
                                                 << error("故意四球が与四球を超えています");
    QTest::newRow("home runs above hits") << QList<int>{5, 0, 3, 4, 2, 1, 0, 4, 1} << "3.12"
                                          << error("被本塁打が被安打を超えています");
}

void tst_Pitcher::indices()
{
    QFETCH(QList<int>, line);
    QFETCH(QString, constant);
    QFETCH(QStringList, expected);
    PIDX d;
    d.show();
    auto *box = testing::child<QDoubleSpinBox>(&d, "doubleSpinBox");
    box->selectAll();
    QTest::keyClicks(box, constant);
    box->interpretText();
    testing::checkComputesAll(&d, testing::spinBoxNames(9), line, expected);
}

// The counts, FIP's constant, then 計算, the figures and the error line.
void tst_Pitcher::indicesTabOrder()
{
    PIDX d;
    d.show();
    testing::checkTabOrder(&d, testing::spinBoxNames(9)
                                       + QStringList{"doubleSpinBox", "pushButton_2"}
                                       + testing::numberedNames("lineEdit", 8)
                                       + QStringList{"pushButton", "spinBox"});
}

void tst_Pitcher::form_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("groupTitle");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("labels"); // label, label_2, ...
    QTest::addColumn<QList<int>>("maxima");  // spinBox, spinBox_2, ...
    // "widget layout" or "widget layout row column" for grids.
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QStringList>("tabOrder");

    QTest::newRow("PERA") << "PERA" << "投手＞防御率" << "■防御率" << QSize(300, 214)
                          << QStringList{"投球回数", "自責点", "/3"} << QList<int>{999, 2, 999}
                          << QStringList{"label gridLayout 0 0", "spinBox gridLayout 0 1",
                                         "spinBox_2 gridLayout 0 2", "label_3 gridLayout 0 3",
                                         "label_2 gridLayout 1 0", "spinBox_3 gridLayout 1 1",
                                         "pushButton_2 horizontalLayout",
                                         "lineEdit horizontalLayout",
                                         "pushButton horizontalLayout_2"}
                          << QStringList{"spinBox",  "spinBox_2",  "spinBox_3", "pushButton_2",
                                         "lineEdit", "pushButton", "spinBox"};
    QTest::newRow("PRIP") << "PRIP" << "投手＞規定投球回数" << "■規定投球回数" << QSize(300, 179)
                          << QStringList{"試合数"} << QList<int>{999}
                          << QStringList{"label horizontalLayout", "spinBox horizontalLayout",
                                         "pushButton_2 horizontalLayout_2",
                                         "lineEdit horizontalLayout_2",
                                         "pushButton horizontalLayout_3"}
                          << QStringList{"spinBox", "pushButton_2", "lineEdit", "pushButton",
                                         "spinBox"};
}

void tst_Pitcher::form()
{
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QString, groupTitle);
    QFETCH(QSize, size);
    QFETCH(QStringList, labels);
    QFETCH(QList<int>, maxima);
    QFETCH(QStringList, places);
    QFETCH(QStringList, tabOrder);

    auto d = make(dialog);
    d->show();
    testing::checkForm(d.get(), dialog, title, size, groupTitle, labels, maxima, places, tabOrder);
}

void tst_Pitcher::enterComputes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QList<int>>("inputs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("PERA") << "PERA" << QList<int>{7, 1, 3} << "3.68";
    QTest::newRow("PRIP") << "PRIP" << QList<int>{143} << "143";
    QTest::newRow("PIDX") << "PIDX" << QList<int>{2, 2, 1, 0, 0, 0, 0, 1, 1} << "3.38";
}

void tst_Pitcher::enterComputes()
{
    QFETCH(QString, dialog);
    QFETCH(QList<int>, inputs);
    QFETCH(QString, expected);
    testing::checkEnterComputes([&] { return make(dialog); }, inputs, expected);
}

void tst_Pitcher::closes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("byEscape");
    for (const char *name : {"PERA", "PRIP", "PIDX"}) {
        QTest::addRow("%s 閉じる", name) << name << false;
        QTest::addRow("%s Escape", name) << name << true;
    }
}

void tst_Pitcher::closes()
{
    QFETCH(QString, dialog);
    QFETCH(bool, byEscape);
    testing::checkCloses(make(dialog).get(), byEscape);
}

void tst_Pitcher::languageChangeRetranslatesTextsOnly_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("inputs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("PERA") << "PERA" << "投手＞防御率" << QList<int>{7, 1, 3} << "3.68";
    QTest::newRow("PRIP") << "PRIP" << "投手＞規定投球回数" << QList<int>{144} << "144";
    QTest::newRow("PIDX") << "PIDX" << "投手＞投球指標" << QList<int>{2, 2, 1, 0, 0, 0, 0, 1, 1}
                          << "3.38";
}

void tst_Pitcher::languageChangeRetranslatesTextsOnly()
{
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QList<int>, inputs);
    QFETCH(QString, expected);

    auto d = make(dialog);
    d->show();
    testing::checkLanguageChange(d.get(), dialog.toLatin1(), title,
                                 testing::spinBoxNames(inputs.size()), inputs, expected);
}

QTEST_MAIN(tst_Pitcher)
#include "tst_pitcher.moc"

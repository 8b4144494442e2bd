#include "calculators/batter/batterstats.h"
#include "calculators/batter/bavg.h"
#include "calculators/batter/bidx.h"
#include "calculators/batter/brb.h"
#include "calculators/batter/btab.h"
#include "calculators/batter/btb.h"
#include "support/calculatorchecks.h"

#include <QTest>

namespace {

const auto make = testing::makeNamed<BTAB, BAVG, BTB, BRB, BIDX>;

} // namespace

// The five batter calculators: their formulas, and each dialog driven through its widgets.
class tst_Batter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void atBats_data();
    void atBats();
    void battingAverage_data();
    void battingAverage();
    void totalBases_data();
    void totalBases();
    void qualifyingPlateAppearances_data();
    void qualifyingPlateAppearances();

    void computes_data();
    void computes();
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

void tst_Batter::atBats_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<int>("expected");

    QTest::newRow("a regular's season") << QList<int>{600, 60, 5, 10, 5, 0} << 520;
    QTest::newRow("nothing") << QList<int>{0, 0, 0, 0, 0, 0} << 0;
    QTest::newRow("every count subtracts one")
            << QList<int>{21, 1, 2, 4, 8, 16} << -10; // each count weighs exactly one
    QTest::newRow("largest") << QList<int>{999, 0, 0, 0, 0, 0} << 999;
    QTest::newRow("walks beyond appearances") << QList<int>{0, 3, 0, 0, 0, 0} << -3;
    QTest::newRow("smallest") << QList<int>{999, 999, 999, 999, 999, 999} << -3996;
}

void tst_Batter::atBats()
{
    QFETCH(QList<int>, counts);
    QFETCH(int, expected);
    QCOMPARE(calc::atBats(counts[0], counts[1], counts[2], counts[3], counts[4], counts[5]),
             expected);
}

void tst_Batter::battingAverage_data()
{
    QTest::addColumn<int>("atBats");
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("numerator"); // the exact average, unreduced
    QTest::addColumn<int>("denominator");

    QTest::newRow("no at-bats") << 0 << 0 << 0 << 0;
    QTest::newRow("no at-bats, hits entered anyway") << 0 << 999 << 0 << 0;
    QTest::newRow(".300 hitter") << 400 << 120 << 120 << 400;
    QTest::newRow("3 for 8") << 8 << 3 << 3 << 8;
    QTest::newRow("largest") << 1 << 999 << 999 << 1;
}

void tst_Batter::battingAverage()
{
    QFETCH(int, atBats);
    QFETCH(int, hits);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    const calc::Ratio average = calc::battingAverage(atBats, hits);
    QCOMPARE(average.numerator, numerator);
    QCOMPARE(average.denominator, denominator);
}

void tst_Batter::totalBases_data()
{
    QTest::addColumn<QList<int>>("hits"); // hits, doubles, triples, home runs
    QTest::addColumn<int>("expected");

    QTest::newRow("a slugger's season") << QList<int>{150, 30, 5, 25} << 265;
    QTest::newRow("single") << QList<int>{1, 0, 0, 0} << 1;
    QTest::newRow("double") << QList<int>{1, 1, 0, 0} << 2;
    QTest::newRow("triple") << QList<int>{1, 0, 1, 0} << 3;
    QTest::newRow("home run") << QList<int>{1, 0, 0, 1} << 4;
    QTest::newRow("nothing") << QList<int>{0, 0, 0, 0} << 0;
    QTest::newRow("double without a hit") << QList<int>{0, 1, 0, 0} << 1;
    QTest::newRow("largest") << QList<int>{999, 999, 999, 999} << 6993;
}

void tst_Batter::totalBases()
{
    QFETCH(QList<int>, hits);
    QFETCH(int, expected);
    QCOMPARE(calc::totalBases(hits[0], hits[1], hits[2], hits[3]), expected);
}

void tst_Batter::qualifyingPlateAppearances_data()
{
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("expected");

    QTest::newRow("144 games") << 144 << 446;
    QTest::newRow("143 games") << 143 << 443;
    QTest::newRow("125 games") << 125 << 388;
    QTest::newRow("no games") << 0 << 0;
    QTest::newRow("largest") << 999 << 3097;
    QTest::newRow("3.1 rounds down") << 1 << 3;
    QTest::newRow("12.4 rounds down") << 4 << 12;
    QTest::newRow("15.5 rounds half up") << 5 << 16;
    QTest::newRow("18.6 rounds up") << 6 << 19;
    QTest::newRow("31.0 exactly") << 10 << 31;
    QTest::newRow("46.5 rounds half up") << 15 << 47;
}

void tst_Batter::qualifyingPlateAppearances()
{
    QFETCH(int, games);
    QFETCH(int, expected);
    QCOMPARE(calc::qualifyingPlateAppearances(games), expected);
}

void tst_Batter::computes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QList<int>>("inputs"); // typed into spinBox, spinBox_2, ...
    QTest::addColumn<QString>("expected");

    QTest::newRow("BTAB season") << "BTAB" << QList<int>{600, 60, 5, 10, 5, 0} << "520";
    QTest::newRow("BTAB zero") << "BTAB" << QList<int>{0, 0, 0, 0, 0, 0} << "0";
    QTest::newRow("BTAB weights") << "BTAB" << QList<int>{21, 1, 2, 4, 8, 16} << "-10";
    QTest::newRow("BTAB largest") << "BTAB" << QList<int>{999, 0, 0, 0, 0, 0} << "999";
    QTest::newRow("BTAB negative") << "BTAB" << QList<int>{0, 3, 0, 0, 0, 0} << "-3";
    QTest::newRow("BTAB smallest") << "BTAB" << QList<int>{999, 999, 999, 999, 999, 999}
                                   << "-3996";

    QTest::newRow("BAVG .300") << "BAVG" << QList<int>{400, 120} << "0.300";
    QTest::newRow("BAVG 1 for 3") << "BAVG" << QList<int>{3, 1} << "0.333";
    QTest::newRow("BAVG 2 for 3 rounds up") << "BAVG" << QList<int>{3, 2} << "0.667";
    QTest::newRow("BAVG 3 for 8") << "BAVG" << QList<int>{8, 3} << "0.375";
    QTest::newRow("BAVG no at-bats") << "BAVG" << QList<int>{0, 0} << "0.000";
    QTest::newRow("BAVG no at-bats, hits") << "BAVG" << QList<int>{0, 999} << "0.000";
    QTest::newRow("BAVG 999 for 999") << "BAVG" << QList<int>{999, 999} << "1.000";
    QTest::newRow("BAVG 0 for 999") << "BAVG" << QList<int>{999, 0} << "0.000";
    QTest::newRow("BAVG smallest above zero") << "BAVG" << QList<int>{999, 1} << "0.001";
    QTest::newRow("BAVG hits above at-bats") << "BAVG" << QList<int>{2, 5} << "2.500";
    QTest::newRow("BAVG largest") << "BAVG" << QList<int>{1, 999} << "999.000";
    QTest::newRow("BAVG 115 for 400, .2875 rounds up") << "BAVG" << QList<int>{400, 115}
                                                        << "0.288";
    QTest::newRow("BAVG 69 for 400, .1725 rounds up") << "BAVG" << QList<int>{400, 69}
                                                       << "0.173";

    QTest::newRow("BTB season") << "BTB" << QList<int>{150, 30, 5, 25} << "265";
    QTest::newRow("BTB home run") << "BTB" << QList<int>{1, 0, 0, 1} << "4";
    QTest::newRow("BTB triple") << "BTB" << QList<int>{1, 0, 1, 0} << "3";
    QTest::newRow("BTB double") << "BTB" << QList<int>{1, 1, 0, 0} << "2";
    QTest::newRow("BTB single") << "BTB" << QList<int>{1, 0, 0, 0} << "1";
    QTest::newRow("BTB zero") << "BTB" << QList<int>{0, 0, 0, 0} << "0";
    QTest::newRow("BTB inconsistent") << "BTB" << QList<int>{0, 1, 0, 0} << "1";
    QTest::newRow("BTB 99 each") << "BTB" << QList<int>{99, 99, 99, 99} << "693";
    QTest::newRow("BTB largest") << "BTB" << QList<int>{999, 999, 999, 999} << "6993";

    QTest::newRow("BRB 144") << "BRB" << QList<int>{144} << "446";
    QTest::newRow("BRB 143") << "BRB" << QList<int>{143} << "443";
    QTest::newRow("BRB 125") << "BRB" << QList<int>{125} << "388";
    QTest::newRow("BRB 0") << "BRB" << QList<int>{0} << "0";
    QTest::newRow("BRB 5 rounds half up") << "BRB" << QList<int>{5} << "16";
    QTest::newRow("BRB largest") << "BRB" << QList<int>{999} << "3097";
}

void tst_Batter::computes()
{
    QFETCH(QString, dialog);
    QFETCH(QList<int>, inputs);
    QFETCH(QString, expected);

    auto d = make(dialog);
    d->show();
    testing::checkComputes(d.get(), testing::spinBoxNames(inputs.size()), inputs, expected);
}

void tst_Batter::indices_data()
{
    QTest::addColumn<QList<int>>("line"); // 打数 安打 二塁打 三塁打 本塁打 四球 死球 犠飛 三振
    // 打率 出塁率 長打率 OPS IsoP BABIP 塁打, and the error line.
    QTest::addColumn<QStringList>("expected");

    const QStringList none(7);
    const auto error = [&none](const char *problem) {
        return none + QStringList{QStringLiteral("入力エラー: ") + QString::fromUtf8(problem)};
    };
    // .36653 + .52796 = .894498: the rounded parts would add to .895.
    QTest::newRow("OPS from the exact sum") << QList<int>{447, 132, 20, 0, 28, 47, 5, 3, 80}
                                            << QStringList{"0.295", "0.367", "0.528", "0.894",
                                                           "0.233", "0.304", "236", ""};
    // .0625 everywhere rounds up; OPS .125 exactly, where .063 + .063 would be .126.
    QTest::newRow("1 for 16, ties") << QList<int>{16, 1, 0, 0, 0, 0, 0, 0, 0}
                                    << QStringList{"0.063", "0.063", "0.063", "0.125", "0.000",
                                                   "0.063", "1", ""};
    QTest::newRow("a double in 16, ties") << QList<int>{16, 1, 1, 0, 0, 0, 0, 0, 0}
                                          << QStringList{"0.063", "0.063", "0.125", "0.188",
                                                         "0.063", "0.063", "2", ""};
    QTest::newRow("nothing") << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0}
                             << QStringList{"-", "-", "-", "-", "-", "-", "0", ""};
    QTest::newRow("walks, no at-bat") << QList<int>{0, 0, 0, 0, 0, 3, 1, 1, 0}
                                      << QStringList{"-", "0.800", "-", "-", "-", "0.000", "0", ""};
    QTest::newRow("every at-bat a strikeout") << QList<int>{999, 0, 0, 0, 0, 0, 0, 0, 999}
                                              << QStringList{"0.000", "0.000", "0.000", "0.000",
                                                             "0.000", "-", "0", ""};
    QTest::newRow("largest") << QList<int>{999, 999, 0, 0, 999, 999, 999, 999, 0}
                             << QStringList{"1.000", "0.750", "4.000", "4.750", "3.000", "0.000",
                                            "3996", ""};
    QTest::newRow("hits above at-bats") << QList<int>{3, 4, 0, 0, 0, 0, 0, 0, 0}
                                        << error("安打が打数を超えています");
    QTest::newRow("extra-base hits above hits")
            << QList<int>{10, 3, 2, 1, 1, 0, 0, 0, 0}
            << error("二塁打・三塁打・本塁打の合計が安打を超えています");
    QTest::newRow("strikeouts above outs") << QList<int>{10, 3, 0, 0, 0, 0, 0, 0, 8}
                                           << error("三振が打数−安打を超えています");
    QTest::newRow("largest, impossible") << QList<int>(9, 999)
                                         << error("二塁打・三塁打・本塁打の合計が安打を超えています");
}

void tst_Batter::indices()
{
    QFETCH(QList<int>, line);
    QFETCH(QStringList, expected);
    BIDX d;
    d.show();
    testing::checkComputesAll(&d, testing::spinBoxNames(9), line, expected);
}

// The counts in the order of a box score, then 計算, the figures and the error line.
void tst_Batter::indicesTabOrder()
{
    BIDX d;
    d.show();
    testing::checkTabOrder(&d, testing::spinBoxNames(9) + QStringList{"pushButton_2"}
                                       + testing::numberedNames("lineEdit", 8)
                                       + QStringList{"pushButton", "spinBox"});
}

void tst_Batter::form_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("groupTitle");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("labels"); // label, label_2, ...
    QTest::addColumn<int>("spinBoxes");
    QTest::addColumn<QString>("closeText");
    // "widget layout" or "widget layout row column" for grids.
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QStringList>("tabOrder");

    QTest::newRow("BTAB") << "BTAB" << "打者＞打数" << "■打数" << QSize(388, 214)
                          << QStringList{"打席数", "四球", "死球", "犠打", "犠飛", "妨害出塁"} << 6
                          << "閉じる"
                          << QStringList{"label gridLayout 0 0",     "spinBox gridLayout 0 1",
                                         "label_2 gridLayout 0 2",   "spinBox_2 gridLayout 0 3",
                                         "label_3 gridLayout 0 4",   "spinBox_3 gridLayout 0 5",
                                         "label_4 gridLayout 1 0",   "spinBox_4 gridLayout 1 1",
                                         "label_5 gridLayout 1 2",   "spinBox_5 gridLayout 1 3",
                                         "label_6 gridLayout 1 4",   "spinBox_6 gridLayout 1 5",
                                         "pushButton_2 horizontalLayout",
                                         "lineEdit horizontalLayout", "pushButton horizontalLayout_2"}
                          << QStringList{"spinBox",   "spinBox_2",    "spinBox_3",
                                         "spinBox_4", "spinBox_5",    "spinBox_6",
                                         "pushButton_2", "lineEdit", "pushButton", "spinBox"};
    QTest::newRow("BAVG") << "BAVG" << "打者＞打率" << "■打率" << QSize(300, 214)
                          << QStringList{"打数", "安打"} << 2 << " 閉じる"
                          << QStringList{"label gridLayout 0 0", "spinBox gridLayout 0 1",
                                         "label_2 gridLayout 1 0", "spinBox_2 gridLayout 1 1",
                                         "pushButton_2 horizontalLayout",
                                         "lineEdit horizontalLayout",
                                         "pushButton horizontalLayout_3"}
                          << QStringList{"spinBox", "spinBox_2", "pushButton_2", "lineEdit",
                                         "pushButton", "spinBox"};
    QTest::newRow("BTB") << "BTB" << "打者＞塁打数" << "■塁打数" << QSize(300, 214)
                         << QStringList{"安打", "二塁打", "三塁打", "本塁打"} << 4 << "閉じる"
                         << QStringList{"label gridLayout 0 0",   "spinBox gridLayout 0 1",
                                        "label_2 gridLayout 0 2", "spinBox_2 gridLayout 0 3",
                                        "label_3 gridLayout 1 0", "spinBox_3 gridLayout 1 1",
                                        "label_4 gridLayout 1 2", "spinBox_4 gridLayout 1 3",
                                        "pushButton_2 horizontalLayout",
                                        "lineEdit horizontalLayout",
                                        "pushButton horizontalLayout_2"}
                         << QStringList{"spinBox",   "spinBox_2",    "spinBox_3", "spinBox_4",
                                        "pushButton_2", "lineEdit", "pushButton", "spinBox"};
    QTest::newRow("BRB") << "BRB" << "打者＞規定打席" << "■規定打席" << QSize(300, 179)
                         << QStringList{"試合数"} << 1 << "閉じる"
                         << QStringList{"label horizontalLayout", "spinBox horizontalLayout",
                                        "pushButton_2 horizontalLayout_2",
                                        "lineEdit horizontalLayout_2",
                                        "pushButton horizontalLayout_3"}
                         << QStringList{"spinBox", "pushButton_2", "lineEdit", "pushButton",
                                        "spinBox"};
}

void tst_Batter::form()
{
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QString, groupTitle);
    QFETCH(QSize, size);
    QFETCH(QStringList, labels);
    QFETCH(int, spinBoxes);
    QFETCH(QString, closeText);
    QFETCH(QStringList, places);
    QFETCH(QStringList, tabOrder);

    auto d = make(dialog);
    d->show();
    // Every count goes up to 999.
    testing::checkForm(d.get(), dialog, title, size, groupTitle, labels, QList<int>(spinBoxes, 999),
                       places, tabOrder, closeText);
}

void tst_Batter::enterComputes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QList<int>>("inputs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("BTAB") << "BTAB" << QList<int>{600, 60, 5, 10, 5, 0} << "520";
    QTest::newRow("BAVG") << "BAVG" << QList<int>{400, 120} << "0.300";
    QTest::newRow("BTB") << "BTB" << QList<int>{150, 30, 5, 25} << "265";
    QTest::newRow("BRB") << "BRB" << QList<int>{144} << "446";
    QTest::newRow("BIDX") << "BIDX" << QList<int>{16, 1, 0, 0, 0, 0, 0, 0, 0} << "0.063";
}

void tst_Batter::enterComputes()
{
    QFETCH(QString, dialog);
    QFETCH(QList<int>, inputs);
    QFETCH(QString, expected);
    testing::checkEnterComputes([&] { return make(dialog); }, inputs, expected);
}

void tst_Batter::closes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("byEscape");
    for (const char *name : {"BTAB", "BAVG", "BTB", "BRB", "BIDX"}) {
        QTest::addRow("%s 閉じる", name) << name << false;
        QTest::addRow("%s Escape", name) << name << true;
    }
}

void tst_Batter::closes()
{
    QFETCH(QString, dialog);
    QFETCH(bool, byEscape);
    testing::checkCloses(make(dialog).get(), byEscape);
}

void tst_Batter::languageChangeRetranslatesTextsOnly_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("inputs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("BTAB") << "BTAB" << "打者＞打数" << QList<int>{600, 60, 5, 10, 5, 0} << "520";
    QTest::newRow("BAVG") << "BAVG" << "打者＞打率" << QList<int>{400, 120} << "0.300";
    QTest::newRow("BTB") << "BTB" << "打者＞塁打数" << QList<int>{150, 30, 5, 25} << "265";
    QTest::newRow("BRB") << "BRB" << "打者＞規定打席" << QList<int>{144} << "446";
    QTest::newRow("BIDX") << "BIDX" << "打者＞打撃指標" << QList<int>{16, 1, 0, 0, 0, 0, 0, 0, 0}
                          << "0.063";
}

void tst_Batter::languageChangeRetranslatesTextsOnly()
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

QTEST_MAIN(tst_Batter)
#include "tst_batter.moc"

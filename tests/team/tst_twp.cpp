#include "calculators/team/teamstats.h"
#include "calculators/team/twp.h"
#include "support/activation.h"
#include "support/calculatorchecks.h"

#include <QTest>

using testing::child;

namespace {

const QStringList inputNames = {"spinBox", "spinBox_2"};

} // namespace

class tst_TWP : public QObject
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
    void enterComputes();
    void computeTwiceAndOverwrite();
    void closes_data();
    void closes();
    void languageChangeRetranslatesTextsOnly();
};

void tst_TWP::formula_data()
{
    QTest::addColumn<int>("wins");
    QTest::addColumn<int>("losses");
    QTest::addColumn<int>("numerator"); // the exact percentage, unreduced
    QTest::addColumn<int>("denominator");

    QTest::newRow("no games decided") << 0 << 0 << 0 << 0;
    QTest::newRow("6-4") << 6 << 4 << 6 << 10;
    QTest::newRow("unbeaten") << 999 << 0 << 999 << 999;
    QTest::newRow("winless") << 0 << 5 << 0 << 5;
    QTest::newRow("23-57") << 23 << 57 << 23 << 80;
}

void tst_TWP::formula()
{
    QFETCH(int, wins);
    QFETCH(int, losses);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    const calc::Ratio percentage = calc::winningPercentage(wins, losses);
    QCOMPARE(percentage.numerator, numerator);
    QCOMPARE(percentage.denominator, denominator);
}

void tst_TWP::computes_data()
{
    QTest::addColumn<int>("wins");
    QTest::addColumn<int>("losses");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0-0 divides by nothing") << 0 << 0 << "0.000";
    QTest::newRow("6-4") << 6 << 4 << "0.600";
    QTest::newRow("1-2") << 1 << 2 << "0.333";
    QTest::newRow("2-1") << 2 << 1 << "0.667";
    QTest::newRow("999-0") << 999 << 0 << "1.000";
    QTest::newRow("0-5") << 0 << 5 << "0.000";
    QTest::newRow("999-998") << 999 << 998 << "0.500";
    QTest::newRow("1-998") << 1 << 998 << "0.001";
    QTest::newRow("23-57, .2875 rounds up") << 23 << 57 << "0.288";
    QTest::newRow("1-15, .0625 rounds up") << 1 << 15 << "0.063";
}

void tst_TWP::computes()
{
    QFETCH(int, wins);
    QFETCH(int, losses);
    QFETCH(QString, expected);

    TWP dialog;
    dialog.show();
    testing::checkComputes(&dialog, inputNames, {wins, losses}, expected);
}

void tst_TWP::form()
{
    SKIP_WITHOUT_WINDOW_ACTIVATION(); // the form's last check is its tab order
    TWP dialog;
    dialog.show();
    testing::checkForm(&dialog, "TWP", "チーム＞勝率", QSize(300, 214), "■勝率", {"勝数", "敗数"},
                       {999, 999}, {},
                       {"spinBox", "spinBox_2", "pushButton_2", "lineEdit", "pushButton", "spinBox"});
}

void tst_TWP::enterComputes()
{
    SKIP_WITHOUT_WINDOW_ACTIVATION();
    testing::checkEnterComputes([] { return std::make_unique<TWP>(); }, {6, 4}, "0.600");
}

void tst_TWP::computeTwiceAndOverwrite()
{
    TWP dialog;
    dialog.show();
    auto *result = child<QLineEdit>(&dialog, "lineEdit");
    QCOMPARE(testing::compute(&dialog, inputNames, {1, 2}), QStringLiteral("0.333"));

    // A changed input alone leaves the previous result in place.
    child<QSpinBox>(&dialog, "spinBox")->setValue(2);
    QCOMPARE(result->text(), QStringLiteral("0.333"));

    result->setText(QStringLiteral("typed by the user"));
    QTest::mouseClick(child<QPushButton>(&dialog, "pushButton_2"), Qt::LeftButton);
    QCOMPARE(result->text(), QStringLiteral("0.500"));
    QTest::mouseClick(child<QPushButton>(&dialog, "pushButton_2"), Qt::LeftButton);
    QCOMPARE(result->text(), QStringLiteral("0.500"));
}

void tst_TWP::closes_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("閉じる") << false;
    QTest::newRow("Escape") << true;
}

void tst_TWP::closes()
{
    QFETCH(bool, byEscape);
    TWP dialog;
    testing::checkCloses(&dialog, byEscape);
}

void tst_TWP::languageChangeRetranslatesTextsOnly()
{
    TWP dialog;
    dialog.show();
    testing::checkLanguageChange(&dialog, "TWP", "チーム＞勝率", inputNames, {6, 4}, "0.600");
}

QTEST_MAIN(tst_TWP)
#include "tst_twp.moc"

#include "calculators/common/magicnumber.h"

#include <QTest>

#include <limits>

// The shared rule on its own, including inputs no spin box can produce.
class tst_MagicNumber : public QObject
{
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
};

void tst_MagicNumber::rule_data()
{
    QTest::addColumn<double>("games");
    QTest::addColumn<double>("leaderWins");
    QTest::addColumn<double>("leaderDraws");
    QTest::addColumn<double>("pursuerWins");
    QTest::addColumn<double>("pursuerDraws");
    QTest::addColumn<double>("pursuerRemaining");
    QTest::addColumn<int>("expected"); // 0 when the leader is safe

    QTest::newRow("15.60 rounds up") << 144.0 << 70.0 << 2.0 << 65.0 << 3.0 << 20.0 << 16;
    QTest::newRow("11.74 rounds up") << 143.0 << 75.0 << 5.0 << 68.0 << 3.0 << 20.0 << 12;
    QTest::newRow("exactly 10 stays 10") << 140.0 << 60.0 << 0.0 << 60.0 << 0.0 << 10.0 << 10;
    QTest::newRow("exactly 1") << 140.0 << 69.0 << 0.0 << 60.0 << 0.0 << 10.0 << 1;
    QTest::newRow("exactly 0 is safe") << 140.0 << 70.0 << 0.0 << 60.0 << 0.0 << 10.0 << 0;
    QTest::newRow("a third of a win still needs one")
        << 3.0 << 0.0 << 2.0 << 1.0 << 0.0 << 0.0 << 1;
    QTest::newRow("-0.57 is safe") << 144.0 << 80.0 << 4.0 << 70.0 << 3.0 << 10.0 << 0;
    QTest::newRow("-9.46 is safe") << 144.0 << 85.0 << 2.0 << 70.0 << 3.0 << 5.0 << 0;
    QTest::newRow("largest from the spin boxes")
        << 999.0 << 0.0 << 0.0 << 999.0 << 998.0 << 999.0 << 1996002;
    QTest::newRow("negative factor over negative divisor")
        << 10.0 << 0.0 << 20.0 << 5.0 << 11.0 << 5.0 << 100;
    QTest::newRow("negative divisor only") << 10.0 << 0.0 << 0.0 << 5.0 << 12.0 << 0.0 << 0;

    // Every variant of the pursuer having drawn all its games: the quotient is not finite.
    QTest::newRow("0 / 0, all inputs 0") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0;
    QTest::newRow("+inf") << 5.0 << 0.0 << 0.0 << 3.0 << 5.0 << 2.0 << 0;
    QTest::newRow("+inf, largest inputs") << 999.0 << 0.0 << 0.0 << 999.0 << 999.0 << 999.0 << 0;
    QTest::newRow("-inf") << 5.0 << 0.0 << 9.0 << 3.0 << 5.0 << 2.0 << 0;
    QTest::newRow("0 / 0, leader drew all too") << 5.0 << 0.0 << 5.0 << 3.0 << 5.0 << 2.0 << 0;
    QTest::newRow("0 / 0, pursuer without wins") << 5.0 << 0.0 << 0.0 << 0.0 << 5.0 << 0.0 << 0;

    // Beyond any season: the result saturates instead of leaving the int range.
    QTest::newRow("beyond int range")
        << 1e12 << 0.0 << 0.0 << 1e12 << 0.0 << 0.0 << std::numeric_limits<int>::max();
    QTest::newRow("far below int range") << 1.0 << 1e12 << 0.0 << 1.0 << 0.0 << 0.0 << 0;
}

void tst_MagicNumber::rule()
{
    QFETCH(double, games);
    QFETCH(double, leaderWins);
    QFETCH(double, leaderDraws);
    QFETCH(double, pursuerWins);
    QFETCH(double, pursuerDraws);
    QFETCH(double, pursuerRemaining);
    QFETCH(int, expected);

    const std::optional<int> magic = calc::magicNumber(
        games, { leaderWins, leaderDraws }, { pursuerWins, pursuerDraws, pursuerRemaining });
    if (expected == 0) {
        QVERIFY2(!magic, qPrintable(QString::number(magic.value_or(0))));
    } else {
        QVERIFY(magic);
        QCOMPARE(*magic, expected);
    }
}

QTEST_APPLESS_MAIN(tst_MagicNumber)
#include "tst_magicnumber.moc"

#include "calculators/common/inputs.h"
#include "calculators/common/results.h"

#include <QSpinBox>
#include <QTest>

#include <cmath>
#include <limits>

// The shared conventions every calculator reads and writes through.
class tst_Results : public QObject
{
    Q_OBJECT

private slots:
    void decimalResult_data();
    void decimalResult();
    void roundedRatio_data();
    void roundedRatio();
    void roundedRatioIgnoresLocale();
    void wholeResult_data();
    void wholeResult();
    void readsValueNotLocalisedText_data();
    void readsValueNotLocalisedText();
};

void tst_Results::decimalResult_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("expected");

    QTest::newRow("three decimals, leading zero") << 0.6 << 3 << "0.600";
    QTest::newRow("rounds down") << 1.0 / 3.0 << 3 << "0.333";
    QTest::newRow("rounds up") << 2.0 / 3.0 << 3 << "0.667";
    QTest::newRow("one") << 1.0 << 3 << "1.000";
    QTest::newRow("zero") << 0.0 << 3 << "0.000";
    QTest::newRow("negative, one decimal") << -1.5 << 1 << "-1.5";
    QTest::newRow("negative zero, one decimal") << -0.0 << 1 << "0.0";
    QTest::newRow("negative zero, three decimals") << -0.0 << 3 << "0.000";
    QTest::newRow("tiny negative rounds to zero") << -0.0004 << 3 << "0.000";
    QTest::newRow("small negative keeps sign") << -0.05 << 1 << "-0.1";
    QTest::newRow("no thousands separator") << 12345.25 << 2 << "12345.25";
    QTest::newRow("large negative") << -999.0 << 1 << "-999.0";
}

void tst_Results::decimalResult()
{
    QFETCH(double, value);
    QFETCH(int, precision);
    QFETCH(QString, expected);
    QCOMPARE(calc::decimalResult(value, precision), expected);
}

void tst_Results::roundedRatio_data()
{
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    constexpr int most = std::numeric_limits<int>::max();
    constexpr int least = std::numeric_limits<int>::min();

    // Halves a double cannot hold: each is stored just below the tie and must still round up.
    QTest::newRow(".2875, 115 for 400") << 115 << 400 << 3 << "0.288";
    QTest::newRow(".2875, 23 of 80") << 23 << 80 << 3 << "0.288";
    QTest::newRow(".1725, 69 for 400") << 69 << 400 << 3 << "0.173";
    QTest::newRow("1.575, 1.58") << 63 << 40 << 2 << "1.58";
    QTest::newRow("2.025, 2.03") << 81 << 40 << 2 << "2.03";
    // Halves a double holds exactly.
    QTest::newRow("1.125, 1.13") << 9 << 8 << 2 << "1.13";
    QTest::newRow(".0625, .063") << 1 << 16 << 3 << "0.063";
    QTest::newRow("2.5, no decimals") << 5 << 2 << 0 << "3";
    // Either side of a half.
    QTest::newRow("just below a half") << 28749 << 100000 << 3 << "0.287";
    QTest::newRow("just above a half") << 28751 << 100000 << 3 << "0.288";
    QTest::newRow("1 of 3") << 1 << 3 << 3 << "0.333";
    QTest::newRow("2 of 3") << 2 << 3 << 3 << "0.667";
    QTest::newRow("1.5, no decimals") << 3 << 2 << 0 << "2";
    QTest::newRow("a third, no decimals") << 1 << 3 << 0 << "0";
    QTest::newRow("whole value keeps its zeros") << 6 << 10 << 3 << "0.600";
    QTest::newRow("rounds up across the point") << 19999 << 10000 << 3 << "2.000";

    // Smallest: the least value that still shows, and the greatest that does not.
    QTest::newRow("1 of 999") << 1 << 999 << 3 << "0.001";
    QTest::newRow(".0005 rounds up") << 1 << 2000 << 3 << "0.001";
    QTest::newRow("below .0005 shows zero") << 1 << 2001 << 3 << "0.000";
    QTest::newRow("zero") << 0 << 5 << 3 << "0.000";
    QTest::newRow("1 of the largest int, 9 decimals") << 1 << most << 9 << "0.000000000";
    // Largest: the calculators' own, then the ends of int at the finest precision.
    QTest::newRow("999 for 1") << 999 << 1 << 3 << "999.000";
    QTest::newRow("27 times 999 over one out") << 26973 << 1 << 2 << "26973.00";
    QTest::newRow("largest int") << most << 1 << 9 << "2147483647.000000000";
    QTest::newRow("smallest int") << least << 1 << 9 << "-2147483648.000000000";
    QTest::newRow("largest int over smallest") << most << least << 9 << "-1.000000000";
    QTest::newRow("smallest int over itself") << least << least << 9 << "1.000000000";
    QTest::newRow("largest int over one less") << most << most - 1 << 9 << "1.000000000";
    QTest::newRow("no thousands separator") << 1234567 << 1 << 2 << "1234567.00";

    // Signs: halves are rounded away from zero, and zero never carries a minus.
    QTest::newRow("negative half") << -1 << 2 << 1 << "-0.5";
    QTest::newRow("negative tie rounds away from zero") << -1 << 2000 << 3 << "-0.001";
    QTest::newRow("tiny negative shows zero") << -1 << 2001 << 3 << "0.000";
    QTest::newRow("negative denominator") << 1 << -3 << 3 << "-0.333";
    QTest::newRow("both negative") << -1 << -3 << 3 << "0.333";

    // Zero divisors: nothing over nothing is zero, anything else infinite.
    QTest::newRow("0 over 0") << 0 << 0 << 3 << "0.000";
    QTest::newRow("0 over 0, two decimals") << 0 << 0 << 2 << "0.00";
    QTest::newRow("0 over 0, no decimals") << 0 << 0 << 0 << "0";
    QTest::newRow("runs over no outs") << 81 << 0 << 2 << "∞";
    QTest::newRow("negative over 0") << -1 << 0 << 2 << "-∞";
    QTest::newRow("largest int over 0") << most << 0 << 9 << "∞";
}

void tst_Results::roundedRatio()
{
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(calc::roundedRatio({ numerator, denominator }, decimals), expected);
}

void tst_Results::roundedRatioIgnoresLocale()
{
    // A full stop and Latin digits whatever the default locale, as every result.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QString arabic = calc::roundedRatio({ 1234567, 400 }, 3);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString german = calc::roundedRatio({ 1234567, 400 }, 3);
    QLocale::setDefault(previous);
    QCOMPARE(arabic, QStringLiteral("3086.418"));
    QCOMPARE(german, QStringLiteral("3086.418"));
}

void tst_Results::wholeResult_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("positive has no plus sign") << 15 << "15";
    QTest::newRow("negative") << -15 << "-15";
    QTest::newRow("no thousands separator") << 1996002 << "1996002";
    QTest::newRow("int minimum") << std::numeric_limits<int>::min() << "-2147483648";
}

void tst_Results::wholeResult()
{
    QFETCH(int, value);
    QFETCH(QString, expected);
    QCOMPARE(calc::wholeResult(value), expected);
}

void tst_Results::readsValueNotLocalisedText_data()
{
    QTest::addColumn<QLocale>("locale");

    QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan);
    QTest::newRow("Arabic digits") << QLocale(QLocale::Arabic, QLocale::Egypt);
    QTest::newRow("Persian digits") << QLocale(QLocale::Persian, QLocale::Iran);
    QTest::newRow("Bengali digits") << QLocale(QLocale::Bengali, QLocale::Bangladesh);
}

void tst_Results::readsValueNotLocalisedText()
{
    QFETCH(QLocale, locale);
    QSpinBox box;
    box.setLocale(locale);
    box.setMaximum(999);
    box.setValue(987);

    QCOMPARE(calc::readInt(&box), 987);
    QCOMPARE(calc::readDouble(&box), 987.0);
}

QTEST_MAIN(tst_Results)
#include "tst_results.moc"

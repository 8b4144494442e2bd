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

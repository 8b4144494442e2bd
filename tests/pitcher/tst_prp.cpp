#include "calculators/pitcher/reliefpoints.h"

#include <QTest>

class tst_PRP : public QObject
{
    Q_OBJECT

private slots:
    void formula_data();
    void formula();
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

QTEST_MAIN(tst_PRP)
#include "tst_prp.moc"

#include "calculators/pitcher/pera.h"
#include "calculators/pitcher/pitcherstats.h"
#include "calculators/pitcher/prip.h"
#include "support/dialogs.h"
#include "support/translators.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTranslator>

#include <cmath>
#include <memory>

using testing::child;
using testing::MarkingTranslator;

namespace {

std::unique_ptr<QDialog> make(const QString &name)
{
    if (name == QLatin1String("PERA"))
        return std::make_unique<PERA>();
    if (name == QLatin1String("PRIP"))
        return std::make_unique<PRIP>();
    return nullptr;
}

} // namespace

// The earned-run-average and qualifying-innings calculators: formulas and dialogs.
class tst_Pitcher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void earnedRunAverage_data();
    void earnedRunAverage();
    void earnedRunAverageIsFiniteForEveryInput();
    void qualifyingInnings_data();
    void qualifyingInnings();

    void computes_data();
    void computes();
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
    QTest::addColumn<double>("innings");
    QTest::addColumn<double>("thirds");
    QTest::addColumn<double>("earnedRuns");
    QTest::addColumn<double>("expected");

    QTest::newRow("no outs recorded") << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("runs without an out") << 0.0 << 0.0 << 999.0 << 0.0;
    QTest::newRow("complete game") << 9.0 << 0.0 << 2.0 << 2.0;
    QTest::newRow("a third counts a third") << 0.0 << 1.0 << 1.0 << 27.0;
    QTest::newRow("two thirds") << 6.0 << 2.0 << 4.0 << 5.4;
    QTest::newRow("starter's season") << 180.0 << 0.0 << 60.0 << 3.0;
    QTest::newRow("largest") << 0.0 << 1.0 << 999.0 << 26973.0;
    QTest::newRow("shutout") << 999.0 << 2.0 << 0.0 << 0.0;
}

void tst_Pitcher::earnedRunAverage()
{
    QFETCH(double, innings);
    QFETCH(double, thirds);
    QFETCH(double, earnedRuns);
    QFETCH(double, expected);
    const double era = calc::earnedRunAverage(innings, thirds, earnedRuns);
    QVERIFY(std::isfinite(era));
    QCOMPARE(era, expected);
}

void tst_Pitcher::earnedRunAverageIsFiniteForEveryInput()
{
    for (int innings = 0; innings <= 999; ++innings) {
        for (int thirds = 0; thirds <= 2; ++thirds) {
            for (int runs = 0; runs <= 999; ++runs) {
                const double era = calc::earnedRunAverage(innings, thirds, runs);
                if (!(era >= 0 && era <= 26973.0 + 1e-9)) // also false for NaN
                    QFAIL(qPrintable(QStringLiteral("%1 %2/3, %3 gives %4")
                                             .arg(innings)
                                             .arg(thirds)
                                             .arg(runs)
                                             .arg(era)));
            }
        }
    }
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
    QTest::newRow("PERA no outs, runs") << "PERA" << QList<int>{0, 0, 999} << "0.00";
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
    auto *result = child<QLineEdit>(d.get(), "lineEdit");
    result->setText(QStringLiteral("typed by the user"));
    const QStringList names = testing::spinBoxNames(inputs.size());
    QCOMPARE(testing::compute(d.get(), names, inputs), expected);
    QVERIFY2(testing::showsInFull(result), "the result is cut off");
    for (qsizetype i = 0; i < inputs.size(); ++i)
        QCOMPARE(d->findChild<QSpinBox *>(names.at(i))->value(), inputs.at(i));

    // Again with the same inputs: the same text.
    QTest::mouseClick(child<QPushButton>(d.get(), "pushButton_2"), Qt::LeftButton);
    QCOMPARE(result->text(), expected);
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

    QCOMPARE(d->objectName(), dialog);
    QCOMPARE(d->windowTitle(), title);
    QCOMPARE(d->size(), size);
    QCOMPARE(d->minimumSize(), size);
    QCOMPARE(d->maximumSize(), size);
    QCOMPARE(d->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(d->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(d->windowModality(), Qt::ApplicationModal);
    QVERIFY(d->isModal());
    QVERIFY(!d->windowIcon().isNull());

    auto *box = child<QGroupBox>(d.get(), "groupBox");
    QCOMPARE(box->title(), groupTitle);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const QString name = i == 0 ? QStringLiteral("label") : QStringLiteral("label_%1").arg(i + 1);
        auto *label = d->findChild<QLabel *>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->text(), labels.at(i));
        QCOMPARE(label->parentWidget(), box);
    }
    QCOMPARE(d->findChildren<QLabel *>().size(), labels.size());
    QCOMPARE(child<QPushButton>(d.get(), "pushButton_2")->text(), QStringLiteral("計算"));
    QCOMPARE(child<QPushButton>(d.get(), "pushButton")->text(), QStringLiteral("閉じる"));
    QCOMPARE(child<QPushButton>(d.get(), "pushButton")->parentWidget(), d.get());

    const QStringList names = testing::spinBoxNames(maxima.size());
    QCOMPARE(d->findChildren<QSpinBox *>().size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        auto *spin = d->findChild<QSpinBox *>(names.at(i));
        QVERIFY2(spin, qPrintable(names.at(i)));
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), maxima.at(i));
        QCOMPARE(spin->value(), 0);
        QCOMPARE(spin->parentWidget(), box);
    }
    QVERIFY(child<QLineEdit>(d.get(), "lineEdit")->text().isEmpty());

    for (const QString &place : places) {
        const QStringList p = place.split(u' ');
        QWidget *widget = d->findChild<QWidget *>(p.at(0));
        auto *layout = d->findChild<QLayout *>(p.at(1));
        QVERIFY2(widget && layout, qPrintable(place));
        const int index = layout->indexOf(widget);
        QVERIFY2(index >= 0, qPrintable(place));
        if (p.size() == 4) {
            int row, column, rowSpan, columnSpan;
            qobject_cast<QGridLayout *>(layout)->getItemPosition(index, &row, &column, &rowSpan,
                                                                 &columnSpan);
            QCOMPARE(QString::number(row) + u' ' + QString::number(column),
                     p.at(2) + u' ' + p.at(3));
        }
    }

    // Nothing is cut off by the fixed window.
    for (QWidget *w : d->findChildren<QWidget *>()) {
        if (w->isVisible())
            QVERIFY2(d->rect().contains(QRect(w->mapTo(d.get(), QPoint()), w->size())),
                     qPrintable(w->objectName()));
    }

    QVERIFY(QTest::qWaitForWindowActive(d.get()));
    QCOMPARE(testing::tabChain(child(d.get(), "spinBox"), tabOrder.size()), tabOrder);
}

void tst_Pitcher::enterComputes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QList<int>>("inputs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("PERA") << "PERA" << QList<int>{7, 1, 3} << "3.68";
    QTest::newRow("PRIP") << "PRIP" << QList<int>{143} << "143";
}

void tst_Pitcher::enterComputes()
{
    QFETCH(QString, dialog);
    QFETCH(QList<int>, inputs);
    QFETCH(QString, expected);

    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto d = make(dialog);
        d->show();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        // The first count has the focus; Tab moves on and selects the next one's text.
        QCOMPARE(QApplication::focusWidget(), child(d.get(), "spinBox"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            if (i > 0)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QString::number(inputs.at(i)));
        }
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(child<QLineEdit>(d.get(), "lineEdit")->text(), expected);
        QVERIFY(d->isVisible());
    }
}

void tst_Pitcher::closes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("byEscape");
    for (const char *name : {"PERA", "PRIP"}) {
        QTest::addRow("%s 閉じる", name) << name << false;
        QTest::addRow("%s Escape", name) << name << true;
    }
}

void tst_Pitcher::closes()
{
    QFETCH(QString, dialog);
    QFETCH(bool, byEscape);
    auto d = make(dialog);
    QTimer::singleShot(0, d.get(), [&] {
        if (byEscape)
            QTest::keyClick(child(d.get(), "spinBox"), Qt::Key_Escape);
        else
            QTest::mouseClick(child<QPushButton>(d.get(), "pushButton"), Qt::LeftButton);
    });
    d->show();
    QCOMPARE(d->exec(), int(QDialog::Rejected));
    QVERIFY(!d->isVisible());
}

void tst_Pitcher::languageChangeRetranslatesTextsOnly_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("inputs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("PERA") << "PERA" << "投手＞防御率" << QList<int>{7, 1, 3} << "3.68";
    QTest::newRow("PRIP") << "PRIP" << "投手＞規定投球回数" << QList<int>{144} << "144";
}

void tst_Pitcher::languageChangeRetranslatesTextsOnly()
{
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QList<int>, inputs);
    QFETCH(QString, expected);

    auto d = make(dialog);
    d->show();
    const QStringList names = testing::spinBoxNames(inputs.size());
    testing::compute(d.get(), names, inputs);
    const QString label = child<QLabel>(d.get(), "label")->text();

    MarkingTranslator translator(dialog.toLatin1());
    QCoreApplication::installTranslator(&translator); // posts a LanguageChange to every widget
    QTRY_COMPARE(d->windowTitle(), u'[' + title + u']');
    QCOMPARE(child<QLabel>(d.get(), "label")->text(), u'[' + label + u']');
    QCOMPARE(child<QPushButton>(d.get(), "pushButton")->text(), QStringLiteral("[閉じる]"));
    QCOMPARE(child<QPushButton>(d.get(), "pushButton_2")->text(), QStringLiteral("[計算]"));
    for (qsizetype i = 0; i < inputs.size(); ++i)
        QCOMPARE(d->findChild<QSpinBox *>(names.at(i))->value(), inputs.at(i));
    QCOMPARE(child<QLineEdit>(d.get(), "lineEdit")->text(), expected);

    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(d->windowTitle(), title);
}

QTEST_MAIN(tst_Pitcher)
#include "tst_pitcher.moc"

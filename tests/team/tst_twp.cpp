#include "calculators/team/teamstats.h"
#include "calculators/team/twp.h"
#include "support/dialogs.h"
#include "support/translators.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTranslator>

using testing::child;
using testing::MarkingTranslator;

namespace {

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
    QTest::addColumn<double>("wins");
    QTest::addColumn<double>("losses");
    QTest::addColumn<double>("expected");

    QTest::newRow("no games decided") << 0.0 << 0.0 << 0.0;
    QTest::newRow("6-4") << 6.0 << 4.0 << 0.6;
    QTest::newRow("unbeaten") << 999.0 << 0.0 << 1.0;
    QTest::newRow("winless") << 0.0 << 5.0 << 0.0;
}

void tst_TWP::formula()
{
    QFETCH(double, wins);
    QFETCH(double, losses);
    QFETCH(double, expected);
    QCOMPARE(calc::winningPercentage(wins, losses), expected);
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
}

void tst_TWP::computes()
{
    QFETCH(int, wins);
    QFETCH(int, losses);
    QFETCH(QString, expected);

    TWP dialog;
    dialog.show();
    QCOMPARE(testing::compute(&dialog, {"spinBox", "spinBox_2"}, {wins, losses}), expected);
}

void tst_TWP::form()
{
    TWP dialog;
    dialog.show();

    QCOMPARE(dialog.objectName(), QStringLiteral("TWP"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("チーム＞勝率"));
    QCOMPARE(dialog.size(), QSize(300, 214));
    QCOMPARE(dialog.minimumSize(), QSize(300, 214));
    QCOMPARE(dialog.maximumSize(), QSize(300, 214));
    QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
    QVERIFY(dialog.isModal());
    QVERIFY(!dialog.windowIcon().isNull());
    QCOMPARE(child<QGroupBox>(&dialog, "groupBox")->title(), QStringLiteral("■勝率"));
    QCOMPARE(child<QLabel>(&dialog, "label")->text(), QStringLiteral("勝数"));
    QCOMPARE(child<QLabel>(&dialog, "label_2")->text(), QStringLiteral("敗数"));
    QCOMPARE(child<QPushButton>(&dialog, "pushButton_2")->text(), QStringLiteral("計算"));
    QCOMPARE(child<QPushButton>(&dialog, "pushButton")->text(), QStringLiteral("閉じる"));
    QCOMPARE(child<QPushButton>(&dialog, "pushButton")->parentWidget(), &dialog);

    for (const char *name : {"spinBox", "spinBox_2"}) {
        auto *box = child<QSpinBox>(&dialog, name);
        QCOMPARE(box->minimum(), 0);
        QCOMPARE(box->maximum(), 999);
        QCOMPARE(box->value(), 0);
    }
    QVERIFY(child<QLineEdit>(&dialog, "lineEdit")->text().isEmpty());

    // Every widget sits inside the fixed window.
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        if (w->isVisible())
            QVERIFY2(dialog.rect().contains(QRect(w->mapTo(&dialog, QPoint()), w->size())),
                     qPrintable(w->objectName()));
    }

    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QStringList order = {"spinBox", "spinBox_2", "pushButton_2", "lineEdit", "pushButton",
                               "spinBox"};
    QCOMPARE(testing::tabChain(child(&dialog, "spinBox"), order.size()), order);
}

void tst_TWP::enterComputes()
{
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        TWP dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *wins = child<QSpinBox>(&dialog, "spinBox");
        wins->setFocus();
        wins->selectAll();
        QTest::keyClicks(wins, "6");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "4");
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(child<QLineEdit>(&dialog, "lineEdit")->text(), QStringLiteral("0.600"));
        QVERIFY(dialog.isVisible());
    }
}

void tst_TWP::computeTwiceAndOverwrite()
{
    TWP dialog;
    dialog.show();
    auto *result = child<QLineEdit>(&dialog, "lineEdit");
    QCOMPARE(testing::compute(&dialog, {"spinBox", "spinBox_2"}, {1, 2}), QStringLiteral("0.333"));

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
    int code = -1;
    QTimer::singleShot(0, &dialog, [&] {
        if (byEscape)
            QTest::keyClick(child(&dialog, "spinBox"), Qt::Key_Escape);
        else
            QTest::mouseClick(child<QPushButton>(&dialog, "pushButton"), Qt::LeftButton);
    });
    dialog.show();
    code = dialog.exec();
    QCOMPARE(code, int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void tst_TWP::languageChangeRetranslatesTextsOnly()
{
    TWP dialog;
    dialog.show();
    testing::compute(&dialog, {"spinBox", "spinBox_2"}, {6, 4});

    MarkingTranslator translator("TWP");
    QCoreApplication::installTranslator(&translator); // posts a LanguageChange to every widget
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("[チーム＞勝率]"));
    QCOMPARE(child<QGroupBox>(&dialog, "groupBox")->title(), QStringLiteral("[■勝率]"));
    QCOMPARE(child<QLabel>(&dialog, "label")->text(), QStringLiteral("[勝数]"));
    QCOMPARE(child<QPushButton>(&dialog, "pushButton")->text(), QStringLiteral("[閉じる]"));
    QCOMPARE(child<QSpinBox>(&dialog, "spinBox")->value(), 6);
    QCOMPARE(child<QSpinBox>(&dialog, "spinBox_2")->value(), 4);
    QCOMPARE(child<QLineEdit>(&dialog, "lineEdit")->text(), QStringLiteral("0.600"));

    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("チーム＞勝率"));
}

QTEST_MAIN(tst_TWP)
#include "tst_twp.moc"

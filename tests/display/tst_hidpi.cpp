// The main window and every calculator on a high-density screen. CTest runs this program at the
// scale factors 1, 1.25, 1.5 and 2 (QT_SCALE_FACTOR); each run checks the scale it was given.

#include "calculators/batter/bavg.h"
#include "calculators/batter/bidx.h"
#include "calculators/batter/brb.h"
#include "calculators/batter/btab.h"
#include "calculators/batter/btb.h"
#include "calculators/pitcher/pera.h"
#include "calculators/pitcher/pidx.h"
#include "calculators/pitcher/prip.h"
#include "calculators/pitcher/prp.h"
#include "calculators/team/tgb.h"
#include "calculators/team/tmn.h"
#include "calculators/team/tovp.h"
#include "calculators/team/trd.h"
#include "calculators/team/tsav.h"
#include "calculators/team/tstd.h"
#include "calculators/team/twp.h"
#include "mainwindow/mainwindow.h"
#include "support/calculatorchecks.h"
#include "support/launch.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolBox>

using testing::child;

namespace {

const char *const dialogNames[] = { "TWP", "TSAV", "TGB", "TMN", "TOVP", "TRD", "TSTD", "BTAB",
    "BAVG", "BTB", "BRB", "BIDX", "PERA", "PRIP", "PRP", "PIDX" };

std::unique_ptr<QDialog> makeDialog(const QString &name)
{
    return testing::makeNamed<TWP, TSAV, TGB, TMN, TOVP, TRD, TSTD, BTAB, BAVG, BTB, BRB, BIDX,
        PERA, PRIP, PRP, PIDX>(name);
}

// The pixels of `image` drawn over the label's background, as the label paints them.
QImage onBackground(QImage image, const QLabel *label)
{
    image.setDevicePixelRatio(1); // an "@2x" file name has given it 2
    QImage composed(image.size(), QImage::Format_ARGB32_Premultiplied);
    composed.fill(label->palette().color(label->backgroundRole()));
    QPainter(&composed).drawImage(0, 0, image);
    return composed;
}

// The first pixel where two images of the same size differ, for the failure message.
QString firstDifference(const QImage &actual, const QImage &expected)
{
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("(%1, %2): %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16);
        }
    }
    return {};
}

// Every visible widget of `window` lies inside it.
void checkInside(QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->isVisible())
            QVERIFY2(window->rect().contains(QRect(w->mapTo(window, QPoint()), w->size())),
                qPrintable(w->objectName()));
    }
}

} // namespace

class tst_HiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void logoIsDrawnForTheScreen();
    void windowIconHasLargerSizes();
    void mainWindowInFull();
    void dialogInFull_data();
    void dialogInFull();
};

void tst_HiDpi::initTestCase()
{
    Q_INIT_RESOURCE(images);
    qInfo("device-pixel ratio %g", qApp->devicePixelRatio());
}

// At 1x the logo is the 1x drawing, at 2x the 2x drawing, pixel for pixel; in between, the 2x
// drawing reduced to the screen's pixels. Always at the same 440 x 100.
void tst_HiDpi::logoIsDrawnForTheScreen()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *logo = child<QLabel>(&window, "label");
    QVERIFY2(logo, "label");
    const qreal ratio = window.devicePixelRatio();
    QCOMPARE(logo->size(), QSize(440, 100));
    QCOMPARE(logo->pixmap().deviceIndependentSize(), QSizeF(440, 100));
    QCOMPARE(logo->pixmap().devicePixelRatio(), ratio);

    const QImage drawing1x(QStringLiteral(":/image/SK_logo.png"));
    const QImage drawing2x(QStringLiteral(":/image/SK_logo@2x.png"));
    QCOMPARE(drawing1x.size(), QSize(440, 100));
    QCOMPARE(drawing2x.size(), QSize(880, 200));
    if (ratio != 1 && ratio != 2) {
        QCOMPARE(logo->pixmap().size(), (QSizeF(440, 100) * ratio).toSize());
        return;
    }
    const QImage expected = onBackground(ratio == 1 ? drawing1x : drawing2x, logo);
    const QImage shown = logo->grab().toImage().convertToFormat(expected.format());
    QCOMPARE(shown.size(), expected.size());
    QVERIFY2(shown == expected, qPrintable(firstDifference(shown, expected)));
}

// The window icon is drawn at 32 px and at the sizes a high-density title bar or task switcher
// asks for; on a 2x screen the 32 px icon is the 64 px drawing, not an enlargement.
void tst_HiDpi::windowIconHasLargerSizes()
{
    MainWindow window;
    const std::unique_ptr<QDialog> dialog = makeDialog(QStringLiteral("TWP"));
    for (const QIcon &icon : { window.windowIcon(), dialog->windowIcon() }) {
        const QList<QSize> sizes = icon.availableSizes();
        for (const int size : { 32, 48, 64, 128 })
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        if (window.devicePixelRatio() == 2) {
            QImage shown = icon.pixmap(QSize(32, 32), 2).toImage();
            QCOMPARE(shown.size(), QSize(64, 64));
            shown.setDevicePixelRatio(1);
            QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
                icon.pixmap(QSize(64, 64), 1).toImage().convertToFormat(QImage::Format_ARGB32));
        }
    }
}

void tst_HiDpi::mainWindowInFull()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(464, 445));
    checkInside(&window);
}

void tst_HiDpi::dialogInFull_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : dialogNames)
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Nothing of the dialog is cut off, and each result it computes shows in full: with every input
// at its largest, at its smallest, and with the first input alone at one end, for every choice
// of every combo box beside the compute button.
void tst_HiDpi::dialogInFull()
{
    QFETCH(QString, name);
    const std::unique_ptr<QDialog> d = makeDialog(name);
    QVERIFY2(d, qPrintable(name));
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d.get()));
    RUN_CHECK(testing::checkNothingCutOff(d.get()));

    const QList<QPushButton *> computes = testing::computeButtons(d.get());
    QVERIFY(!computes.isEmpty());
    for (QPushButton *compute : computes) {
        QWidget *page = compute->parentWidget();
        if (auto *toolBox = d->findChild<QToolBox *>()) {
            for (int i = 0; i < toolBox->count(); ++i) {
                if (toolBox->widget(i)->isAncestorOf(compute))
                    toolBox->setCurrentIndex(i);
            }
        }
        const QList<QLineEdit *> results = testing::resultFields(compute);
        QVERIFY2(!results.isEmpty(), qPrintable(compute->objectName()));
        const QList<QSpinBox *> inputs = page->findChildren<QSpinBox *>();
        QComboBox *choice = page->findChild<QComboBox *>();
        const int choices = choice ? choice->count() : 1;
        const auto fill = [&](int first, int rest) {
            for (qsizetype i = 0; i < inputs.size(); ++i) {
                QSpinBox *box = inputs.at(i);
                box->setValue((i == 0 ? first : rest) < 0 ? box->minimum() : box->maximum());
            }
        };
        for (int c = 0; c < choices; ++c) {
            if (choice)
                choice->setCurrentIndex(c);
            for (const auto &[first, rest] :
                { std::pair { 1, 1 }, { -1, -1 }, { 1, -1 }, { -1, 1 } }) {
                fill(first, rest);
                QTest::mouseClick(compute, Qt::LeftButton);
                RUN_CHECK(testing::checkNothingCutOff(d.get()));
                bool shown = false;
                for (QLineEdit *result : results) {
                    shown = shown || !result->text().isEmpty();
                    QVERIFY2(testing::showsInFull(result),
                        qPrintable(QStringLiteral("%1 cut off: %2")
                                       .arg(result->objectName(), result->text())));
                }
                QVERIFY2(shown, qPrintable(compute->objectName()));
            }
        }
    }
}

QTEST_MAIN(tst_HiDpi)
#include "tst_hidpi.moc"

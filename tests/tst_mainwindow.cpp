#include "app/qttranslator.h"
#include "mainwindow/mainwindow.h"
#include "support/activation.h"
#include "support/dialogs.h"
#include "support/launch.h"
#include "support/translators.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <QTranslator>
#include <QUrl>

using testing::child;

namespace {

// The title the form carries: the version as CMakeLists.txt gives it, so a release that changes
// the project version and forgets the form fails here.
const QString title = QStringLiteral("Sekivo Ver " SEKIVO_DISPLAY_VERSION);

// Counts the calculators still open when the main window receives its close event.
class CloseWatcher : public QObject
{
public:
    int openAtClose = -1;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            openAtClose = int(testing::openDialogs().size());
        return QObject::eventFilter(watched, event);
    }
};

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void fixedSizeAndImages();
    void texts();
    void tabOrder();
    void launchesEachCalculator_data();
    void launchesEachCalculator();
    void everyLaunchOpensAFreshDialog();
    void calculatorsBelongToTheMainWindow_data();
    void calculatorsBelongToTheMainWindow();
    void typingAtOnceReplacesTheZero_data();
    void typingAtOnceReplacesTheZero();
    void creditsLinkGoesToTheDesktop();
    void quitEndsTheEventLoopWithZero_data();
    void quitEndsTheEventLoopWithZero();
    void languageChangeLeavesMainWindowAlone();
    void qtCatalogue_data();
    void qtCatalogue();
};

void tst_MainWindow::fixedSizeAndImages()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.size(), QSize(464, 445));
    QCOMPARE(window.minimumSize(), QSize(464, 445));
    QCOMPARE(window.maximumSize(), QSize(464, 445));
    window.resize(800, 600);
    QCOMPARE(window.size(), QSize(464, 445));
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(!window.windowIcon().pixmap(32, 32).isNull());

    auto *logo = child<QLabel>(&window, "label");
    QCOMPARE(logo->size(), QSize(440, 100));
    QCOMPARE(logo->pixmap().size(), QSize(440, 100));

    // Nothing is pushed out of the fixed window.
    for (QWidget *w : window.centralWidget()->findChildren<QWidget *>()) {
        const QRect r(w->mapTo(&window, QPoint()), w->size());
        QVERIFY2(window.rect().contains(r), qPrintable(w->objectName()));
    }
}

void tst_MainWindow::texts()
{
    MainWindow window;
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(child<QGroupBox>(&window, "groupBox")->title(), QStringLiteral("チーム"));
    QCOMPARE(child<QGroupBox>(&window, "groupBox_2")->title(), QStringLiteral("打者"));
    QCOMPARE(child<QGroupBox>(&window, "groupBox_3")->title(), QStringLiteral("投手"));
    QCOMPARE(child<QPushButton>(&window, "pushButton_14")->text(), QStringLiteral("終了"));

    auto *credits = child<QLabel>(&window, "label_2");
    QCOMPARE(credits->textFormat(), Qt::RichText);
    QVERIFY(!credits->openExternalLinks());
    QVERIFY(credits->text().contains(QStringLiteral("開発者：")));
    const auto href = QRegularExpression(QStringLiteral("href=\"([^\"]+)\"")).match(credits->text());
    QVERIFY(href.hasMatch());
    // The form repeats the address of HOMEPAGE_URL in CMakeLists.txt; the two must agree.
    QCOMPARE(href.captured(1), QStringLiteral(SEKIVO_HOMEPAGE_URL));
}

void tst_MainWindow::tabOrder()
{
    SKIP_WITHOUT_WINDOW_ACTIVATION();
    MainWindow window;
    window.show();
    const QStringList order = {"pushButton_14", "pushButton",    "pushButton_2",  "pushButton_3",
                               "pushButton_4",  "pushButton_5",  "pushButton_6",  "pushButton_15",
                               "pushButton_7",  "pushButton_8",  "pushButton_9",  "pushButton_10",
                               "pushButton_16", "pushButton_11", "pushButton_12", "pushButton_13",
                               "pushButton_17", "pushButton_14"};
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(testing::tabChain(child(&window, "pushButton_14"), order.size()), order);
}

void tst_MainWindow::launchesEachCalculator_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");

    QTest::newRow("TWP") << "pushButton" << "勝率" << "TWP" << "チーム＞勝率";
    QTest::newRow("TSAV") << "pushButton_2" << "貯金" << "TSAV" << "チーム＞貯金";
    QTest::newRow("TGB") << "pushButton_3" << "ゲーム差" << "TGB" << "チーム＞ゲーム差";
    QTest::newRow("TMN") << "pushButton_4" << "マジックナンバー" << "TMN"
                         << "チーム＞マジックナンバー";
    QTest::newRow("TOVP") << "pushButton_5" << "自力優勝の可能性の有無" << "TOVP"
                          << "チーム＞自力優勝の可能性の有無";
    QTest::newRow("TRD") << "pushButton_6" << "ランク確定の有無" << "TRD"
                         << "チーム＞ランク確定の有無";
    QTest::newRow("TSTD") << "pushButton_15" << "順位表" << "TSTD" << "チーム＞順位表";
    QTest::newRow("BTAB") << "pushButton_7" << "打数" << "BTAB" << "打者＞打数";
    QTest::newRow("BAVG") << "pushButton_8" << "打率" << "BAVG" << "打者＞打率";
    QTest::newRow("BTB") << "pushButton_9" << "塁打数" << "BTB" << "打者＞塁打数";
    QTest::newRow("BRB") << "pushButton_10" << "規定打席" << "BRB" << "打者＞規定打席";
    QTest::newRow("BIDX") << "pushButton_16" << "打撃指標" << "BIDX" << "打者＞打撃指標";
    QTest::newRow("PERA") << "pushButton_11" << "防御率" << "PERA" << "投手＞防御率";
    QTest::newRow("PRIP") << "pushButton_12" << "規定投球回数" << "PRIP"
                          << "投手＞規定投球回数";
    QTest::newRow("PRP") << "pushButton_13" << "リリーフポイント" << "PRP"
                         << "投手＞リリーフポイント";
    QTest::newRow("PIDX") << "pushButton_17" << "投球指標" << "PIDX" << "投手＞投球指標";
}

void tst_MainWindow::launchesEachCalculator()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, dialog);
    QFETCH(QString, title);

    MainWindow window;
    window.show();
    auto *launch = window.findChild<QPushButton *>(button);
    QCOMPARE(launch->text(), caption);

    const bool opened = testing::withLaunchedDialog(launch, [&](QDialog *d) {
        QCOMPARE(d->objectName(), dialog);
        QCOMPARE(d->windowTitle(), title);
        QCOMPARE(d->parentWidget(), &window);
        QVERIFY(!d->windowIcon().isNull());
        // Fixed in size, but for a dialog that shows it can be resized (the league table).
        if (!d->isSizeGripEnabled())
            QCOMPARE(d->minimumSize(), d->maximumSize());
        // A count that cannot be 0 (the league table's number of teams) starts where it likes.
        for (QSpinBox *box : d->findChildren<QSpinBox *>()) {
            if (box->minimum() == 0)
                QCOMPARE(box->value(), 0);
        }
        for (QLineEdit *result : d->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
            QVERIFY(result->text().isEmpty());
        for (QLineEdit *result : d->findChildren<QLineEdit *>()) {
            if (!qobject_cast<QAbstractSpinBox *>(result->parent()))
                QVERIFY(result->text().isEmpty());
        }
    });
    QVERIFY(opened);
    QVERIFY(window.isVisible());
}

void tst_MainWindow::typingAtOnceReplacesTheZero_data()
{
    launchesEachCalculator_data();
}

// A keyboard user opens a calculator and types the first number straight away: the input that
// has the focus must take it as typed, not append or prepend it to the 0 it shows.
void tst_MainWindow::typingAtOnceReplacesTheZero()
{
    QFETCH(QString, button);
    SKIP_WITHOUT_WINDOW_ACTIVATION();

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(testing::withLaunchedDialog(window.findChild<QPushButton *>(button), [](QDialog *d) {
        QVERIFY(testing::waitForActive(d));
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        auto *box = qobject_cast<QSpinBox *>(focus);
        // The relief-point dialog opens on a page's combo box, the league table on its league
        // and a count of teams: Tab reaches the first number to type.
        for (int tabs = 0; tabs < 3 && !(box && box->value() == 0); ++tabs) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            box = qobject_cast<QSpinBox *>(QApplication::focusWidget());
        }
        QVERIFY(box);
        QTRY_COMPARE(box->findChild<QLineEdit *>()->selectedText(), QStringLiteral("0"));
        QTest::keyClicks(box, QStringLiteral("7"));
        box->interpretText();
        QCOMPARE(box->value(), 7);
        QTest::keyClicks(box, QStringLiteral("5"));
        box->interpretText();
        QCOMPARE(box->value(), 75);

        // Looking at another window and coming back leaves the half-typed number alone.
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        d->activateWindow();
        QVERIFY(testing::waitForActive(d));
        QCOMPARE(QApplication::focusWidget(), box);
        // A selection is made from the event loop; give a wrong one the chance to happen.
        QCoreApplication::processEvents();
        QTest::keyClicks(box, QStringLiteral("3"));
        box->interpretText();
        QCOMPARE(box->value(), 753);
    }));
}

void tst_MainWindow::everyLaunchOpensAFreshDialog()
{
    MainWindow window;
    window.show();
    auto *launch = child<QPushButton>(&window, "pushButton");
    QVERIFY(testing::withLaunchedDialog(launch, [](QDialog *d) {
        QCOMPARE(testing::compute(d, {"spinBox", "spinBox_2"}, {6, 4}), QStringLiteral("0.600"));
    }));
    QVERIFY(testing::withLaunchedDialog(launch, [](QDialog *d) {
        QCOMPARE(child<QSpinBox>(d, "spinBox")->value(), 0);
        QCOMPARE(child<QSpinBox>(d, "spinBox_2")->value(), 0);
        QVERIFY(child<QLineEdit>(d, "lineEdit")->text().isEmpty());
    }));
}

void tst_MainWindow::calculatorsBelongToTheMainWindow_data()
{
    testing::launchedDialogRows();
}

// Every calculator opens as a dialog of the main window: a window of its own at its fixed size,
// whose parent the window system knows (X11's WM_TRANSIENT_FOR, Wayland's xdg_toplevel parent),
// so it stays above the main window and opens over it. All but ランク確定 block a click on the
// main window; beside ランク確定 the main window works, and a second one opens.
void tst_MainWindow::calculatorsBelongToTheMainWindow()
{
    QFETCH(QString, button);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *launch = child<QPushButton>(&window, button);
    QList<QString> secondOpened;
    const bool opened = testing::withLaunchedDialog(launch, [&](QDialog *d) {
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QCOMPARE(d->parentWidget(), &window);
        QVERIFY(d->isWindow());
        QCOMPARE(d->windowType(), Qt::Dialog);
        QVERIFY(d->windowHandle());
        QCOMPARE(d->windowHandle()->transientParent(), window.windowHandle());
        if (!d->isSizeGripEnabled()) {
            QCOMPARE(d->minimumSize(), d->maximumSize());
            QCOMPARE(d->size(), d->minimumSize());
        }
        // A Wayland client is never told where the compositor put its windows.
        if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            QVERIFY2(window.frameGeometry().contains(d->frameGeometry().center()),
                     qPrintable(QStringLiteral("opened at %1,%2, away from the main window")
                                    .arg(d->x())
                                    .arg(d->y())));
        }

        testing::withSecondDialog(launch, d, [&](QDialog *other) {
            secondOpened.append(other->objectName());
            QCOMPARE(other->parentWidget(), &window);
        });
        QVERIFY(d->isVisible());
    });
    QVERIFY(opened);
    if (QTest::currentDataTag() == QLatin1String("TRD"))
        QCOMPARE(secondOpened, QList<QString>{QStringLiteral("TRD")});
    else
        QVERIFY2(secondOpened.isEmpty(), "the main window took a click beside a blocking dialog");
}

void tst_MainWindow::creditsLinkGoesToTheDesktop()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    {
        MainWindow window;
        window.show();
        auto *credits = child<QLabel>(&window, "label_2");
        const QString textBefore = credits->text();
        const QSize sizeBefore = window.size();

        emit credits->linkActivated(QStringLiteral(SEKIVO_HOMEPAGE_URL));

        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QStringLiteral(SEKIVO_HOMEPAGE_URL))});
        QCOMPARE(credits->text(), textBefore);
        QCOMPARE(window.size(), sizeBefore);
        QVERIFY(window.isVisible());
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void tst_MainWindow::quitEndsTheEventLoopWithZero_data()
{
    QTest::addColumn<int>("rankSettlements");

    QTest::newRow("no calculator open") << 0;
    QTest::newRow("ランク確定 open") << 1;
    QTest::newRow("two ランク確定 open") << 2;
}

// 終了 ends the program's event loop with 0 whatever is open beside the main window: the
// calculators close first, and each is destroyed once, by the launch slot that made it.
void tst_MainWindow::quitEndsTheEventLoopWithZero()
{
    QFETCH(int, rankSettlements);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *rankSettlement = child<QPushButton>(&window, "pushButton_6");
    auto *quit = child<QPushButton>(&window, "pushButton_14");
    CloseWatcher watcher;
    window.installEventFilter(&watcher);

    QList<QPointer<QDialog>> open;
    testing::Steps steps;
    for (int i = 0; i < rankSettlements; ++i)
        steps.then([rankSettlement] { testing::userClick(rankSettlement); });
    steps.then([&] {
        for (QDialog *d : testing::openDialogs())
            open.append(d);
        testing::userClick(quit);
    });
    steps.start();
    testing::Watchdog ended(QStringLiteral("終了 to end the event loop with %1 ランク確定 open")
                                .arg(rankSettlements),
                            [] {
                                testing::rejectOpenDialogs();
                                QCoreApplication::exit(99);
                            });
    ended.start();
    const int code = QApplication::exec();
    QVERIFY2(!ended.fired(), qPrintable(ended.message()));
    QCOMPARE(code, 0);

    QCOMPARE(open.size(), rankSettlements);
    for (const QPointer<QDialog> &d : std::as_const(open))
        QVERIFY(d.isNull());
    QCOMPARE(watcher.openAtClose, 0);
    QVERIFY(!window.isVisible());
}

void tst_MainWindow::languageChangeLeavesMainWindowAlone()
{
    MainWindow window;
    window.show();
    auto *launch = child<QPushButton>(&window, "pushButton");
    QVERIFY(testing::withLaunchedDialog(launch, [&window](QDialog *d) {
        testing::MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QTRY_COMPARE(d->windowTitle(), QStringLiteral("[チーム＞勝率]"));
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(child<QPushButton>(&window, "pushButton")->text(), QStringLiteral("勝率"));
        QCoreApplication::removeTranslator(&translator);
    }));
}

void tst_MainWindow::qtCatalogue_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("found");

    QTest::newRow("ja_JP finds qt_ja") << QLocale(QLocale::Japanese, QLocale::Japan) << true;
    QTest::newRow("C has none") << QLocale::c() << false;
}

void tst_MainWindow::qtCatalogue()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, found);

    QTranslator translator;
    QCOMPARE(installQtTranslator(translator, locale), found);
    if (found) {
        // Qt's own dialog buttons are now Japanese.
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "&Yes") != QStringLiteral("&Yes"));
    }
    // Missing or not, start-up carries on.
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), title);
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"

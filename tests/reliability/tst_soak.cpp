// Opens and closes every calculator many times in one process, the way a long session does.
// SEKIVO_SOAK_ROUNDS sets the number of rounds (default 500).

#include "mainwindow/mainwindow.h"
#include "support/dialogs.h"
#include "support/launch.h"

#include <QFile>
#include <QTest>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define SEKIVO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SEKIVO_ASAN 1
#endif
#endif

namespace {

// Resident memory of this process in KiB, or -1 where /proc is not available.
qint64 residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return -1;
    return fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024;
}

} // namespace

class tst_Soak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void openAndCloseEveryDialog();
};

void tst_Soak::openAndCloseEveryDialog()
{
    bool ok = false;
    int rounds = qEnvironmentVariableIntValue("SEKIVO_SOAK_ROUNDS", &ok);
    if (!ok)
        rounds = 500;

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto buttons = testing::launchButtons(&window);
    QVERIFY(!buttons.isEmpty());

    // Memory is judged over the second half of the rounds only: by then every dialog has been
    // built, shown, translated and computed many times, so Qt's caches (fonts, glyphs, style
    // pixmaps) and the allocator's arenas have reached their size, whatever they are on this
    // machine; from there on, a program that frees what it takes stays flat.
    const int judgedFrom = rounds - rounds / 2;
    qsizetype widgetsAfterFirstRound = 0;
    qint64 residentBeforeJudged = -1;
    for (int round = 1; round <= rounds; ++round) {
        for (QPushButton *button : buttons) {
            const bool opened = testing::withLaunchedDialog(button, [](QDialog *dialog) {
                QEvent change(QEvent::LanguageChange);
                QCoreApplication::sendEvent(dialog, &change);
                for (QPushButton *compute : testing::computeButtons(dialog))
                    compute->click();
            });
            QVERIFY2(opened, qPrintable(button->objectName()));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::topLevelWidgets(), QWidgetList { &window });
        if (round == 1)
            widgetsAfterFirstRound = QApplication::allWidgets().size();
        else
            QCOMPARE(QApplication::allWidgets().size(), widgetsAfterFirstRound);
        if (round == judgedFrom)
            residentBeforeJudged = residentKiB();
        if (round == 1 || round % 20 == 0)
            qInfo("round %d: %lld KiB resident", round, residentKiB());
    }

    const int judgedRounds = rounds - judgedFrom;
    const qint64 growth = residentKiB() - residentBeforeJudged;
    qInfo("resident memory grew by %lld KiB over the last %d rounds", growth, judgedRounds);
#ifdef SEKIVO_ASAN
    // AddressSanitizer holds freed memory in quarantine, so resident memory says nothing here;
    // LeakSanitizer checks the same at exit instead.
    Q_UNUSED(growth);
#else
    if (residentBeforeJudged < 0)
        QSKIP("no /proc/self/statm: only the widget count was judged");
    if (judgedRounds < 100)
        QSKIP("too few rounds to judge memory: only the widget count was judged");
    // A dialog that keeps anything of its own alive each time it opens (an object, a connection,
    // a string) keeps at least one heap block, 32 bytes with its header in glibc's allocator.
    // Over the judged rounds that adds up to this bound, some 125 KiB for 250 rounds of sixteen
    // dialogs; a warm process stays within a page or two of flat. Leaked widgets are caught
    // exactly by the widget count above, unreachable memory of any size by LeakSanitizer.
    const qint64 boundKiB = 32 * qint64(buttons.size()) * judgedRounds / 1024;
    QVERIFY2(growth < boundKiB,
        qPrintable(QStringLiteral("resident memory grew by %1 KiB over the last %2 rounds: as "
                                  "much as a leak of 32 bytes at every opening (%3 KiB)")
                       .arg(growth)
                       .arg(judgedRounds)
                       .arg(boundKiB)));
#endif
}

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"

// Where Sekivo starts when the user has not chosen a platform.

#include "app/platformchoice.h"

#include <QTest>
#include <QVersionNumber>

class tst_PlatformChoice : public QObject
{
    Q_OBJECT

private slots:
    void startPlatform_data();
    void startPlatform();
};

void tst_PlatformChoice::startPlatform_data()
{
    QTest::addColumn<QString>("qt");
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<bool>("wayland");
    QTest::addColumn<bool>("x");
    QTest::addColumn<QByteArray>("expected");

    const QByteArrayList none { "sekivo" };
    QTest::newRow("Debian 12 on a Wayland desktop") << "6.4.2" << none << QByteArray() << true
                                                    << true << QByteArray("xcb;wayland");
    QTest::newRow("QT_QPA_PLATFORM chosen")
        << "6.4.2" << none << QByteArray("wayland") << true << true << QByteArray();
    QTest::newRow("-platform chosen") << "6.4.2" << QByteArrayList { "sekivo", "-platform", "wayland" }
                                      << QByteArray() << true << true << QByteArray();
    QTest::newRow("--platform chosen") << "6.4.2" << QByteArrayList { "sekivo", "--platform", "xcb" }
                                       << QByteArray() << true << true << QByteArray();
    QTest::newRow("a program named -platform") << "6.4.2" << QByteArrayList { "-platform" }
                                               << QByteArray() << true << true
                                               << QByteArray("xcb;wayland");
    QTest::newRow("a fixed Qt") << "6.5.0" << none << QByteArray() << true << true << QByteArray();
    QTest::newRow("an X session") << "6.4.2" << none << QByteArray() << false << true << QByteArray();
    QTest::newRow("Wayland without XWayland")
        << "6.4.2" << none << QByteArray() << true << false << QByteArray();
}

void tst_PlatformChoice::startPlatform()
{
    QFETCH(QString, qt);
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, chosen);
    QFETCH(bool, wayland);
    QFETCH(bool, x);
    QFETCH(QByteArray, expected);
    QCOMPARE(::startPlatform(QVersionNumber::fromString(qt), arguments, chosen, wayland, x),
        expected);
}

QTEST_GUILESS_MAIN(tst_PlatformChoice)
#include "tst_platformchoice.moc"

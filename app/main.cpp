#include "app/platformchoice.h"
#include "app/qttranslator.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // The icon and logo are compiled into the static core library; register them explicitly.
    Q_INIT_RESOURCE(images);

    // Through XWayland where Qt's own Wayland client would abort at random (platformchoice.h).
    const QByteArray platform = startPlatform(argc, argv);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);

    // Qt's own event loop rather than GLib's, which Sekivo does not need: GLib's wakes itself
    // with a system call for every event posted, and every widget made posts one (some 600 for
    // the league table's opening), where Qt's wakes once until the loop has run. A choice made
    // in the environment stays. The variable is only read as the application starts, and is
    // dropped after that, so that programs started from Sekivo (the browser) do not inherit it.
    const bool chooseLoop = !qEnvironmentVariableIsSet("QT_NO_GLIB");
    if (chooseLoop)
        qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    if (chooseLoop)
        qunsetenv("QT_NO_GLIB");
    // Matches the window to its launcher (<id>.desktop) and names it to the desktop shell.
    QGuiApplication::setDesktopFileName(QStringLiteral(SEKIVO_APP_ID));
    QTranslator qtTranslator;
    installQtTranslator(qtTranslator, QLocale::system());

    // Qt 6 reads 8-bit literals and translation sources as UTF-8 by default, so the Japanese
    // texts need no codec set-up here.

    MainWindow window;
    window.show();
    return app.exec();
}

#include "app/platformchoice.h"

#include <QVersionNumber>
#include <QtGlobal>

QByteArray startPlatform(const QVersionNumber &qt, const QByteArrayList &arguments,
    const QByteArray &chosenPlatform, bool waylandSession, bool xDisplay)
{
    if (!chosenPlatform.isEmpty() || !waylandSession || !xDisplay
        || qt >= QVersionNumber(6, 5, 0))
        return {};
    // Skip the program's name; Qt takes the option with one dash or two.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == "-platform" || arguments.at(i) == "--platform")
            return {};
    }
    return QByteArrayLiteral("xcb;wayland");
}

QByteArray startPlatform(int argc, char **argv)
{
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qgetenv("XDG_SESSION_TYPE") == "wayland";
    return startPlatform(QVersionNumber::fromString(QLatin1String(qVersion())), arguments,
        qgetenv("QT_QPA_PLATFORM"), wayland, !qEnvironmentVariableIsEmpty("DISPLAY"));
}

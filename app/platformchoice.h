#pragma once

#include <QByteArray>
#include <QByteArrayList>

class QVersionNumber;

// The window-system platform Sekivo starts on when the user has chosen none.
//
// Qt's Wayland client before 6.5 lets its frame-callback thread and the main thread both destroy
// a window's pending frame callback when the window is hidden just after it has drawn (what every
// calculator does when it closes), and libwayland then aborts the program
// ("wl_proxy_unref: Assertion `proxy->refcount > 0' failed"). On such a Qt, in a Wayland session
// that offers XWayland, Sekivo starts on xcb, through XWayland, with wayland as the fallback.
//
// Returns the value for QT_QPA_PLATFORM, or an empty array to leave Qt's own choice: when the
// user has chosen a platform (QT_QPA_PLATFORM, or -platform / --platform among the arguments),
// on a Qt without the fault, outside a Wayland session, or without an X display to fall back on.
QByteArray startPlatform(const QVersionNumber &qt, const QByteArrayList &arguments,
    const QByteArray &chosenPlatform, bool waylandSession, bool xDisplay);

// The same, from the running Qt, the command line and the environment.
QByteArray startPlatform(int argc, char **argv);

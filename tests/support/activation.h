#pragma once

// On Wayland only the compositor activates a window and gives it the keyboard focus, and the
// headless compositor of the tests has no keyboard to give. Tests that need an active window or
// the focus skip there; everything else runs on Wayland as it does offscreen.

#include <QGuiApplication>
#include <QTest>

#define SKIP_WITHOUT_WINDOW_ACTIVATION()                                                           \
    do {                                                                                           \
        if (QGuiApplication::platformName() == QLatin1String("wayland"))                           \
            QSKIP("on Wayland the compositor, not the program, activates windows and gives "       \
                  "the focus; the headless one has no keyboard");                                  \
    } while (false)

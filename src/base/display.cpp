#include "display.h"

#include <QtGlobal>

using namespace Qt::StringLiterals;

bool X11DisplayNamed()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}

bool DisplayNamed()
{
    return X11DisplayNamed() || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString ChosenQtPlatform()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !X11DisplayNamed())
        return {};
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == u"wayland"_s;
    return wayland ? u"xcb;wayland"_s : QString(); // Wayland itself when XWayland is gone
}

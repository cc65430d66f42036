#include "display.h"

#include <QtGlobal>

bool X11DisplayNamed()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}

bool DisplayNamed()
{
    return X11DisplayNamed() || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

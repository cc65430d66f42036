#include "interactive_start.h"

#include "program_location.h"

#include <QLibrary>
#include <QString>
#include <QtGlobal>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Without any of these, Qt's platform plugin aborts with a core dump.
bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void complain(const QString &text)
{
    std::fputs(("encoder: "_L1 + text + u'\n').toLocal8Bit().constData(), stderr);
}

} // namespace

int StartInteractive(int argc, char *argv[])
{
    if (!displayAvailable()) {
        complain(u"a display is needed for the window (no DISPLAY or WAYLAND_DISPLAY is set); "
                 "to tag a file without one, give the tagging arguments"_s);
        return 1;
    }
    // The windows live in their own library so that a tagging run never
    // loads Qt Widgets.
    QLibrary windows(ProgramDirectory() + QString::fromLatin1(WindowLibraryName));
    const auto entry = reinterpret_cast<InteractiveEntry>(windows.resolve(WindowEntryName));
    if (!entry) {
        complain(u"cannot load the windows: "_s + windows.errorString());
        return 1;
    }
    return entry(argc, argv);
}

#include "interactive_start.h"

#include "base/display.h"
#include "base/command_messages.h"
#include "opened_paths.h"
#include "program_location.h"

#include <QLibrary>
#include <QString>
#include <QtGlobal>

#include <cstdio>

using namespace Qt::StringLiterals;

int StartInteractive(int argc, char *argv[], const QStringList &paths)
{
    const QString command = CommandName(argv[0]);
    const auto complain = [&](const QString &text) { PrintMessage(stderr, command, text); };
    if (!DisplayNamed()) {
        const QString what = paths.isEmpty()
                                 ? u"for the window"_s
                                 : u"to show \"%1\""_s.arg(InterpretPaths(paths).folder);
        complain(u"a display is needed %1 (no DISPLAY or WAYLAND_DISPLAY is set); "
                 "to tag a file without one, give the tagging arguments"_s.arg(what));
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
    return entry(argc, argv, paths);
}

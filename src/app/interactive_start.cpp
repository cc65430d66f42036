#include "interactive_start.h"

#include "base/command_messages.h"
#include "base/display.h"
#include "base/shown_name.h"
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
        // The folder is shown escaped and joined, never formatted.
        const QString folder = paths.isEmpty() ? QString() : InterpretPaths(paths).folder;
        const QString what = folder.isEmpty() ? u"for the window"_s
                                              : u"to show \""_s + ShownName(folder) + u'"';
        complain(u"a display is needed "_s + what
                 + u" (no DISPLAY or WAYLAND_DISPLAY is set); "
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
    return entry(argc, argv, paths);
}

// The entry the program calls, through its loader, for an interactive start.

#include "dialogs_stay_on_screen.h"
#include "main_window.h"
#include "program_style.h"
#include "user_language.h"

#include "app/interactive_start.h"
#include "app/opened_paths.h"
#include "base/command_messages.h"
#include "base/display.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QString commandName; // clazy:exclude=non-pod-global-static (Qt's message handler is a plain function)
QtMessageHandler defaultHandler = nullptr;

// Qt ends the program with an abort and a core dump when the display named
// cannot be opened or no platform plugin fits; say so plainly and exit 1.
void exitOnFatalStartError(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        defaultHandler(type, context, text);
        return;
    }
    PrintMessage(stderr, commandName, u"cannot open the window: "_s + text.section(u'\n', 0, 0));
    std::_Exit(1);
}

} // namespace

extern "C" Q_DECL_EXPORT int sondrake_run_interactive(int argc, char *argv[],
                                                        const QStringList &paths)
{
    commandName = CommandName(argv[0]);
    defaultHandler = qInstallMessageHandler(exitOnFatalStartError);
    const QString platform = ChosenQtPlatform();
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform.toLatin1());
    QApplication application(argc, argv);
    if (!platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM"); // the script's terminal chooses its own
    qInstallMessageHandler(defaultHandler);
    UseProgramStyle();
    UseUserLanguage();
    // Names the configuration directory an installed program keeps its settings
    // in, and the X11 window class (the desktop entry's StartupWMClass).
    QApplication::setApplicationName(u"trelvin-sondrake"_s);
    // Ties the windows to the desktop entry. No display name: Qt would add it
    // to every window title, and each window must carry exactly its caption.
    QGuiApplication::setDesktopFileName(QStringLiteral(SONDRAKE_APP_ID));
    QApplication::setWindowIcon(QIcon(u":/trelvin-sondrake.png"_s));
    DialogsStayOnScreen dialogsStayOnScreen;
    application.installEventFilter(&dialogsStayOnScreen);
    Form1 window;
    window.Form_Load();
    window.show();
    window.activateWindow(); // its menu mnemonics work from the first moment
    if (!paths.isEmpty()) // a message about them shows over the window
        QTimer::singleShot(0, &window, [&] { window.OpenPaths(InterpretPaths(paths)); });
    return QApplication::exec();
}

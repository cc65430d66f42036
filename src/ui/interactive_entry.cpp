// The entry the program calls, through its loader, for an interactive start.

#include "main_window.h"

#include "app/interactive_start.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::StringLiterals;

extern "C" Q_DECL_EXPORT int sondrake_run_interactive(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The windows are laid out like classic dialogs, framed captions and all;
    // a style the user asked for still wins.
    if (qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        QApplication::setStyle(u"windows"_s);
    // Names the configuration directory an installed program keeps its settings in.
    QApplication::setApplicationName(u"trelvin-sondrake"_s);
    QApplication::setApplicationDisplayName(u"Trelvin Sondrake"_s);
    QApplication::setWindowIcon(QIcon(u":/trelvin-sondrake.png"_s));
    Form1 window;
    window.Form_Load();
    window.show();
    return application.exec();
}

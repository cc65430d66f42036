#include "dialogs_stay_on_screen.h"

#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>

bool DialogsStayOnScreen::eventFilter(QObject *watched, QEvent *event)
{
    auto *dialog = qobject_cast<QDialog *>(watched);
    if (event->type() == QEvent::WindowStateChange && dialog && dialog->isModal()
        && dialog->isMinimized()) {
        // After the window manager has finished minimising.
        QTimer::singleShot(0, dialog, [window = QPointer<QDialog>(dialog)] {
            if (!window)
                return;
            if (QWidget *below = window->parentWidget() ? window->parentWidget()->window() : nullptr)
                below->showNormal();
            window->showNormal();
            window->activateWindow();
        });
    }
    return QObject::eventFilter(watched, event);
}

#pragma once

#include <QObject>

// Some window managers (openbox among them) offer "minimise" for every
// dialog whatever its hints say, and minimising a modal dialog hides the
// whole program, with no way back on a desktop without a task bar. Installed
// on the application, this brings such a dialog, and the window under it,
// straight back.
class DialogsStayOnScreen : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

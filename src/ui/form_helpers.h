#pragma once

#include <QFont>
#include <QWidget>

#include <initializer_list>

class QRadioButton;

// Title-bar buttons the window manager offers: the main window can be
// minimised and closed (its size is fixed); dialogs and message boxes can
// only be closed, since a minimised modal dialog would hide the whole program.
inline constexpr Qt::WindowFlags MainWindowFlags = Qt::Window | Qt::CustomizeWindowHint
    | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
    | Qt::WindowCloseButtonHint;
inline constexpr Qt::WindowFlags DialogFlags = Qt::Dialog | Qt::CustomizeWindowHint
    | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Sets the keyboard focus order of a form: each widget after the one before.
inline void SetTabOrder(std::initializer_list<QWidget *> chain)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : chain) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

// Bold in whatever font the form has, now and after the font changes: only
// the weight is set, the rest follows the form.
inline void MakeBold(QWidget *widget)
{
    QFont bold;
    bold.setBold(true);
    widget->setFont(bold);
}

// An option group as the keyboard knows it: Tab stops only at the chosen
// button, the arrow keys move within the group. Gives back the chosen one.
QRadioButton *KeepOneTabStop(std::initializer_list<QRadioButton *> group);

// Centres a window on its screen (a dialog whose parent is not shown yet).
void CentreOnScreen(QWidget *window);

// Call once a form's controls are placed in twips: the form grows with the
// user's font (FitToFont), and Return and Enter go to the window, where in a
// dialog they press the default button whatever control has the focus, as
// on every desktop. GNOME's platform theme (Xfce, MATE and Cinnamon use it
// too) makes them "press" keys instead: a frame swallows them on their way
// up from a text field, a drop-down list opens, an option button or check
// box toggles.
void FinishForm(QWidget *form);

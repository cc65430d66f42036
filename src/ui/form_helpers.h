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

// Bold in whatever size the form's font ends up.
inline void MakeBold(QWidget *widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

// An option group as the keyboard knows it: Tab stops only at the chosen
// button, the arrow keys move within the group. Gives back the chosen one.
QRadioButton *KeepOneTabStop(std::initializer_list<QRadioButton *> group);

// Centres a window on its screen (a dialog whose parent is not shown yet).
void CentreOnScreen(QWidget *window);

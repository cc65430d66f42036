#pragma once

#include <QWidget>

#include <initializer_list>

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

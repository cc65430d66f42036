#pragma once

#include <QFont>
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

// Bold in whatever size the form's font ends up.
inline void MakeBold(QWidget *widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

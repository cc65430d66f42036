#include "form_helpers.h"

#include <QRadioButton>
#include <QScreen>

#include <vector>

namespace {

void updateTabStops(const std::vector<QRadioButton *> &group)
{
    for (QRadioButton *button : group)
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace

QRadioButton *KeepOneTabStop(std::initializer_list<QRadioButton *> group)
{
    const std::vector<QRadioButton *> buttons(group);
    QRadioButton *chosen = nullptr;
    for (QRadioButton *button : buttons) {
        if (button->isChecked())
            chosen = button;
        QObject::connect(button, &QRadioButton::toggled, button,
                         [buttons] { updateTabStops(buttons); });
    }
    updateTabStops(buttons);
    return chosen;
}

void CentreOnScreen(QWidget *window)
{
    const QRect screen = window->screen()->availableGeometry();
    window->move(screen.center() - window->rect().center());
}

#include "form_helpers.h"

#include "form_scale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QScreen>

#include <vector>

namespace {

void updateTabStops(const std::vector<QRadioButton *> &group)
{
    for (QRadioButton *button : group)
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// Lets Return and Enter pass a control by, on to its parent.
class ReturnPassesOn : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        event->ignore(); // the parent gets it next
        return true;
    }
};

bool keepsReturnFromTheWindow(const QWidget *control)
{
    if (const auto *list = qobject_cast<const QComboBox *>(control))
        return !list->isEditable();
    return qobject_cast<const QGroupBox *>(control) || qobject_cast<const QCheckBox *>(control)
        || qobject_cast<const QRadioButton *>(control);
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

void FinishForm(QWidget *form)
{
    FitToFont(form);
    auto *filter = new ReturnPassesOn(form);
    for (QWidget *control : form->findChildren<QWidget *>()) {
        if (keepsReturnFromTheWindow(control))
            control->installEventFilter(filter);
    }
}

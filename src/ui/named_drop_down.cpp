#include "named_drop_down.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace {

class NamedDropDownAccessible : public QAccessibleWidget {
public:
    explicit NamedDropDownAccessible(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(kind); // the name it was given
    }

    // The list of choices, as Qt's own drop-down lists offer it.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *namedDropDownAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(NamedDropDown::staticMetaObject.className()))
        return new NamedDropDownAccessible(static_cast<NamedDropDown *>(object));
    return nullptr;
}

} // namespace

NamedDropDown::NamedDropDown(const QString &accessibleName, QWidget *parent) : QComboBox(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(namedDropDownAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setAccessibleName(accessibleName);
    view()->setAccessibleName(accessibleName);
}

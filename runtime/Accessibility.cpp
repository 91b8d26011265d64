#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaObject>
#include <QWidget>

namespace ohmilka {

namespace {
constexpr char roleProperty[] = "ohmilkaPressableRole";

class PressableAccessible : public QAccessibleWidget
{
public:
    PressableAccessible(QWidget *control, QAccessible::Role role) : QAccessibleWidget(control, role)
    {
        addControllingSignal(QStringLiteral("Click()"));
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "Click");
    }
};

QAccessibleInterface *pressableFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->property(roleProperty).isValid())
        return nullptr;
    return new PressableAccessible(widget,
                                   widget->property(roleProperty).value<QAccessible::Role>());
}
} // namespace

void markAsPressable(QWidget *control, QAccessible::Role role, const QString &name,
                     const QString &description)
{
    static const bool installed = [] {
        QAccessible::installFactory(pressableFactory);
        return true;
    }();
    Q_UNUSED(installed);
    control->setProperty(roleProperty, QVariant::fromValue(role));
    // An interface made earlier, as a plain label, is dropped: the next query makes the new one.
    if (QAccessibleInterface *earlier = QAccessible::queryAccessibleInterface(control))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(earlier));
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

} // namespace ohmilka

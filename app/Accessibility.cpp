#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaObject>
#include <QWidget>

namespace ohmilka
{

namespace
{
constexpr char linkProperty[] = "ohmilkaLink";

class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(QWidget *link) : QAccessibleWidget(link, QAccessible::Link)
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

QAccessibleInterface *linkFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && widget->property(linkProperty).toBool())
        return new LinkAccessible(widget);
    return nullptr;
}
} // namespace

void markAsLink(QWidget *control, const QString &name, const QString &description)
{
    static const bool installed = [] {
        QAccessible::installFactory(linkFactory);
        return true;
    }();
    Q_UNUSED(installed);
    control->setProperty(linkProperty, true);
    // An interface made earlier, as a plain label, is dropped: the next query makes a link.
    if (QAccessibleInterface *earlier = QAccessible::queryAccessibleInterface(control))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(earlier));
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

} // namespace ohmilka

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMetaObject>
#include <QStyle>
#include <QWidget>

namespace ohmilka {

namespace {
constexpr char roleProperty[] = "ohmilkaAccessibleRole";
constexpr char pressableProperty[] = "ohmilkaPressable";
constexpr char drawingProperty[] = "ohmilkaDrawing";
constexpr char layoutOnlyProperty[] = "ohmilkaLayoutOnly";

// The controls a user meets inside container, in creation order.
QList<QWidget *> exposedChildren(const QWidget *container)
{
    QList<QWidget *> exposed;
    for (QObject *child : container->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow() || widget->property(drawingProperty).toBool())
            continue;
        if (widget->property(layoutOnlyProperty).toBool())
            exposed += exposedChildren(widget);
        else
            exposed += widget;
    }
    return exposed;
}

// A window or frame: its role, its caption as name, and the controls a user meets.
class ContainerAccessible : public QAccessibleWidget
{
public:
    ContainerAccessible(QWidget *container, QAccessible::Role role)
        : QAccessibleWidget(container, role)
    {}

    QString text(QAccessible::Text t) const override
    {
        auto *frame = qobject_cast<QGroupBox *>(widget());
        if (t == QAccessible::Name && frame && widget()->accessibleName().isEmpty())
            return frame->title();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(exposedChildren(widget()).size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = exposedChildren(widget());
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return int(exposedChildren(widget()).indexOf(qobject_cast<QWidget *>(child->object())));
    }
};

// A label: its name, and its caption as text that can be read.
class LabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit LabelAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return shown();
        return QAccessibleWidget::text(t);
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // Read-only text without selection or cursor.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString shown() const { return static_cast<QLabel *>(widget())->text(); }
};

// Where the character is drawn, on the screen: screen readers' review of a window places the
// label's words by these.
QRect LabelAccessible::characterRect(int offset) const
{
    const auto *label = static_cast<QLabel *>(widget());
    const QString text = shown();
    if (offset < 0 || offset >= text.size())
        return {};
    const QFontMetrics metrics(label->font());
    const QRect area = label->contentsRect();
    const QRect line =
        QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                            QSize(metrics.horizontalAdvance(text), metrics.height()), area);
    const QRect character(line.left() + metrics.horizontalAdvance(text.left(offset)), line.top(),
                          metrics.horizontalAdvance(text.at(offset)), line.height());
    return QRect(label->mapToGlobal(character.topLeft()), character.size());
}

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
        // The click may show a modal window; its loop must not run inside the caller's request.
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "Click", Qt::QueuedConnection);
    }
};

QAccessibleInterface *formsFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->property(roleProperty).isValid())
        return nullptr;
    const auto role = widget->property(roleProperty).value<QAccessible::Role>();
    if (widget->property(pressableProperty).toBool())
        return new PressableAccessible(widget, role);
    if (auto *label = qobject_cast<QLabel *>(widget); label && role == QAccessible::StaticText)
        return new LabelAccessible(label);
    return new ContainerAccessible(widget, role);
}

void setRole(QWidget *widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(formsFactory);
        return true;
    }();
    Q_UNUSED(installed);
    const bool roleChanges = widget->property(roleProperty).isValid();
    widget->setProperty(roleProperty, QVariant::fromValue(role));
    // An interface made for the earlier role is dropped: the next query makes the new one.
    if (roleChanges)
        if (QAccessibleInterface *earlier = QAccessible::queryAccessibleInterface(widget))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(earlier));
}
} // namespace

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(pressableProperty, false);
    setRole(widget, role);
}

void markAsPressable(QWidget *control, QAccessible::Role role, const QString &name,
                     const QString &description)
{
    control->setProperty(pressableProperty, true);
    setRole(control, role);
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

void markAsDrawing(QWidget *widget)
{
    widget->setProperty(drawingProperty, true);
}

void markAsLayoutOnly(QWidget *widget)
{
    widget->setProperty(layoutOnlyProperty, true);
    // Its controls still name it as their parent: a plain pane, so that screen readers do not take
    // it for a window of its own (a frame's role would) and review the whole window around them.
    setRole(widget, QAccessible::Pane);
}

} // namespace ohmilka

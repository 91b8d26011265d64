// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// On AT-SPI (Linux desktops), the event goes out on Qt's own connection to the accessibility bus.
// Qt 6.4's bridge sends a description change only when the description differs, and then with
// the control itself where the new description belongs, which Orca cannot speak. This sends the
// event as AT-SPI defines it: "accessible-description", 0, 0, the words, and a reference to the
// application's root. It relies on two things of Qt's bridge: the connection's name, "a11y",
// and the object paths, /org/a11y/atspi/accessible/ and the accessible's unique id.
//
// Orca 43 speaks a description change only for the object it holds as focused (see
// docs/accessibility.md). A window about to open therefore sends its name as a description
// change as well: Orca holds the window as focused before it handles that change only where it
// took in the pointer press that opened the window after the window became active, and then it
// stays silent at the window's activation; otherwise the change is not for its focus, and Orca
// names the window at its activation alone.

#include "Accessibility.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

namespace {
constexpr char objectPaths[] = "/org/a11y/atspi/accessible/";

// An AT-SPI object reference: the bus name of the application and the object's path.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument &operator<<(QDBusArgument &argument, const ObjectReference &reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ObjectReference &reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}
} // namespace

Q_DECLARE_METATYPE(ObjectReference)

namespace ohmilka {

namespace {
void sendDescriptionChange(QAccessibleInterface *source, const QString &words)
{
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected() || !source || !QAccessible::isActive())
        return; // no screen reader listens
    static const QMetaType registered = qDBusRegisterMetaType<ObjectReference>();
    Q_UNUSED(registered);
    QDBusMessage event = QDBusMessage::createSignal(
        QLatin1String(objectPaths) + QString::number(QAccessible::uniqueId(source)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    event << QStringLiteral("accessible-description") << 0 << 0
          << QVariant::fromValue(QDBusVariant(words))
          << QVariant::fromValue(ObjectReference{
                 bus.baseService(), QDBusObjectPath(QLatin1String(objectPaths) + "root")});
    bus.send(event);
}
} // namespace

void announceThrough(QWidget *control, const QString &words)
{
    sendDescriptionChange(QAccessible::queryAccessibleInterface(control), words);
}

void announceOpening(QWidget *window)
{
    if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(window))
        sendDescriptionChange(accessible, accessible->text(QAccessible::Name));
}

} // namespace ohmilka

#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace ohmilka {

// Announces the control with the given role, name and description; assistive technology can
// press it, which raises the control's Click signal as a mouse click does.
void markAsPressable(QWidget *control, QAccessible::Role role, const QString &name,
                     const QString &description);

} // namespace ohmilka

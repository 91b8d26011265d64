#pragma once

#include <QString>

class QWidget;

namespace ohmilka
{

// Announces the control as a link with the given name and description; assistive technology
// can press it, which raises the control's Click signal as a mouse click does.
void markAsLink(QWidget *control, const QString &name, const QString &description);

} // namespace ohmilka

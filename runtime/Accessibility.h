// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// What assistive technology is told of the windows and controls. Windows report their role and
// caption; containers list only the controls a user meets, leaving out drawings and looking
// through containers that serve the layout alone.

#include <QAccessible>
#include <QString>

class QWidget;

namespace ohmilka {

// The role the widget reports, where Qt's own would be wrong (a plain window reads as a filler).
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

// Announces the control with the given role, name and description; assistive technology can
// press it. The press returns at once; the control's Click signal follows from the event loop,
// as a mouse click's does.
void markAsPressable(QWidget *control, QAccessible::Role role, const QString &name,
                     const QString &description);

// Tells assistive technology something new about the control, as its description: screen readers
// speak a description that changes on the focused control. The same words again are told again.
void announceThrough(QWidget *control, const QString &words);

// Tells assistive technology, before the window shows, that it opens. Where a screen reader
// takes the pointer press that opened the window only once the window is already active (Orca
// 43), it would name the window no more: this names it then, and is silent otherwise.
void announceOpening(QWidget *window);

// Assistive technology does not see the widget: it only draws on its container's surface.
void markAsDrawing(QWidget *widget);

// Assistive technology sees the widget's controls in its place: it only holds them.
void markAsLayoutOnly(QWidget *widget);

} // namespace ohmilka

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace ohmilka {

namespace {
QPalette::ColorRole systemColourRole(ColourValue colour)
{
    switch (colour) {
    case systemWindow:
        return QPalette::Base;
    case systemWindowText:
        return QPalette::Text;
    case systemButtonText:
        return QPalette::ButtonText;
    case systemButtonFace:
    default:
        return QPalette::Button;
    }
}
} // namespace

QColor toQColor(ColourValue colour)
{
    if (colour & 0x80000000u)
        return QGuiApplication::palette().color(systemColourRole(colour));
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace ohmilka

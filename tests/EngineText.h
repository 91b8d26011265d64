// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The engine's texts as QStrings, so that a failed comparison prints them readably.

#include <QString>

#include <string_view>

inline QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

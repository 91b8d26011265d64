// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <string_view>

namespace ohmilka {

// The engine's UTF-8 texts as Qt strings.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace ohmilka

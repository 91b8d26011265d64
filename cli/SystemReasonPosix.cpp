// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "SystemReason.h"

#include <cstring>

namespace ohmilka::cli {

std::string systemReason(int errnoValue)
{
    return std::strerror(errnoValue);
}

} // namespace ohmilka::cli

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
constexpr std::array<const Offering *, 10> all{
    &yageoRcOffering,       &panasonicErjOffering, &vishayCrcwOffering, &stackpoleRmcfOffering,
    &stackpoleRmcpOffering, &vishayTnpwOffering,   &yageoRtOffering,    &bournsCrOffering,
    &teCrgOffering,         &koaRk73bOffering,
};
} // namespace

std::span<const Offering *const> offerings()
{
    return all;
}

} // namespace ohmilka::partnumbers

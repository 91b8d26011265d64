// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Makers.h"
#include "PartNumbers.h"

#include <array>

namespace ohmilka::partnumbers {

namespace {
// Every key; a part number is read by the one that reads it with the fewest unknown codes.
constexpr std::array<const Key *, 22> all{
    &bournsCr,      &koaRk73h,      &koaRk73b,     &koaRk73a, &koaRk73z,   &koaRn73h,
    &koaRn73r,      &koaRn73,       &panasonicErj, &rohmMcr,  &rohmEsr,    &samsungRc,
    &stackpoleRmcf, &stackpoleRmcp, &teCrg,        &uniOhm,   &vishayCrcw, &vishayTnpw,
    &walsinWr,      &yageoRc,       &yageoAc,      &yageoRt,
};
} // namespace

std::span<const Key *const> keys()
{
    return all;
}

} // namespace ohmilka::partnumbers

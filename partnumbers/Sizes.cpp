// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Sizes.h"

#include <algorithm>
#include <array>

namespace ohmilka::partnumbers {

namespace {
// IEC 60115-8's and EIA's chip sizes. 2512 is 6332 in IEC's metric and 6432 in some makers'.
struct SizeName {
    Size size;
    std::string_view otherMetric;
};
constexpr std::array<SizeName, 12> sizes{{
    {{"01005", "0402"}, {}},
    {{"0201", "0603"}, {}},
    {{"0402", "1005"}, {}},
    {{"0603", "1608"}, {}},
    {{"0805", "2012"}, {}},
    {{"1206", "3216"}, {}},
    {{"1210", "3225"}, {}},
    {{"1218", "3246"}, {}},
    {{"1812", "4532"}, {}},
    {{"2010", "5025"}, {}},
    {{"2512", "6332"}, "6432"},
    {{"2020", "5050"}, {}},
}};
} // namespace

std::optional<Size> sizeOfInch(std::string_view code)
{
    for (const SizeName &name : sizes)
        if (name.size.inch == code)
            return name.size;
    return std::nullopt;
}

std::optional<Size> sizeOfMetric(std::string_view code)
{
    for (const SizeName &name : sizes)
        if (name.size.metric == code || (!name.otherMetric.empty() && name.otherMetric == code))
            return name.size;
    return std::nullopt;
}

void sortBySize(std::vector<Size> &sizes)
{
    std::sort(sizes.begin(), sizes.end(),
              [](const Size &a, const Size &b) { return a.metric < b.metric; });
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
}

} // namespace ohmilka::partnumbers

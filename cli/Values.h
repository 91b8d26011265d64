// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The readers of values, tolerances, numbers and series as users write them on the command line.

#include "Call.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::cli {

// A resistance as the user wrote it; refused with the reason it is none, after the option that
// gave it.
Decimal valueOf(const std::string &operand, const Texts &texts,
                std::optional<OptionName> option = std::nullopt);

// A number as values are written, exponents included, without a resistance's prefixes and
// marks: "0.25", "0,5", "1e-6".
std::optional<Decimal> numberOf(std::string_view text);

// The voltages worked with, from 1 µV to below 1 MV, and the least ratio, 10^-9.
inline constexpr int leastVoltageOrder = -6, mostVoltageOrder = 5, leastRatioOrder = -9;

// Why a text is no resistance, naming it: "value '5x': it is not a resistance".
std::string valueProblemText(ValueProblem problem, std::string_view value, const Texts &texts);

// The forms values are written in: "4700, 4k7, 4.7k, …".
std::string_view valueForms(const Texts &texts);

// The one value a command takes as its operand.
Decimal valueOperand(const Call &call);

// The one value, and a tolerance written after it as parts lists write it: "10k 5%".
struct ToleratedValue {
    Decimal ohms;
    std::optional<int> toleranceHundredths;
};
ToleratedValue toleratedValueOperand(const Call &call);
// Refused where the value's own tolerance and --tolerance's (as given) differ.
void refuseTwoTolerances(const ToleratedValue &operand, std::optional<int> option,
                         const std::string &given, const Texts &texts);

// The series of a --series list, "E24,E96"; otherwise when none is given.
std::vector<Series> seriesList(const std::optional<std::string> &given,
                               std::vector<Series> otherwise, const Texts &texts);

// "5", "0.25", "0,25 %", "none": a tolerance in hundredths of a percent.
std::optional<int> toleranceHundredths(std::string_view text);

// A whole number of at most four digits: a band count, a coefficient.
std::optional<int> smallNumber(std::string_view text);

// An option's value that must be there and read: the option's text refused with what it takes.
// A voltage above 0: "3.3", "3,3 V", "3V3", "800mV".
Decimal voltageOption(const Call &call, OptionName option);
// A number of percent, "0.1" or "0,1 %".
Decimal percentOption(const Call &call, OptionName option);
// A whole number from least to most.
int countOption(const Call &call, OptionName option, int least, int most);

// Values parted by commas, semicolons or spaces, "10k,4k7;1M", each refused with its reason. A
// comma between two digits is a decimal comma where that reading gives one of the members
// (ascending) and the two values either side of it are not both members: 4,7k is 4.7 kΩ in
// E24, 100,220 two values. Where both readings are members (1,2k), the option is refused.
std::vector<Decimal> valueList(std::string_view text, std::span<const Decimal> members,
                               OptionName option, const Texts &texts);

// Bounds of a sum of resistances, "10k..1M", both included.
struct ValueRange {
    Decimal least, most;
};
ValueRange valueRangeOption(const Call &call, OptionName option);

} // namespace ohmilka::cli

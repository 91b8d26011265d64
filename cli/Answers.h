// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// How combine and divider write their answers: exact values rounded for display, errors in per
// cent, worst-case ranges, where the parts come from, and whether an answer is near enough.

#include "Json.h"
#include "PartsOnHand.h"

#include <optional>
#include <string>
#include <string_view>

namespace ohmilka::cli {

// Six significant digits: "15.3922 kΩ", "3.30069 V", "0.242424".
std::string roundedOhmsText(double ohms, Language language);
std::string voltsText(double volts, Language language);
std::string roundedNumberText(double number, Language language);
// A range in the prefix of its upper end: "14.63–16.17 kΩ".
std::string ohmsRangeText(double least, double most, Language language);
// A current or a power, three significant digits in the prefix that suits it: "362 mA",
// "4.7 µW".
std::string loadText(double amount, std::string_view unit, Language language);
// A relative error in per cent, three significant digits: "−0.0649 %", "0 %".
std::string errorText(double error, Language language);

// A number for JSON, with 15 significant digits.
Decimal jsonNumber(double number);

// "E24, 1 Ω to 10 MΩ" or "the 37 values in stock.csv", after "from"; in Czech with its
// preposition, "z řady E24, …" or "ze 37 hodnot v souboru stock.csv".
std::string sourceText(const PartsOnHand &parts, const Texts &texts);
// The same facts for JSON: the series or the stock file, the number of values and their range.
JsonObject sourceJson(const PartsOnHand &parts);

// --within, when given: the largest error, as a fraction, that counts as near enough.
std::optional<double> withinAsked(const Call &call);

// The status of answers whose nearest error is nearest: 0, or 1 when --within asks for nearer,
// with a line on standard error and, in JSON, an object of result "none".
int nearEnoughStatus(const Call &call, std::optional<double> within, double nearest);

} // namespace ohmilka::cli

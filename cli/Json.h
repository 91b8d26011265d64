// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The one writer of ohmilka-code's JSON: objects of texts, exact decimals, truth values and
// lists, on one line, with ", " and ": " between their parts.

#include "Decimal.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ohmilka::cli {

// A JSON string: quotes and backslashes escaped, control characters (C0, DEL, C1) as \u00XX,
// and each piece that is not UTF-8 as U+FFFD.
std::string jsonString(std::string_view text);

// A tolerance in hundredths as JSON's number of percent; none for none.
std::optional<Decimal> percentOrNull(std::optional<int> hundredths);

class JsonObject
{
public:
    JsonObject &text(std::string_view key, std::string_view value);
    JsonObject &number(std::string_view key, std::optional<Decimal> value); // null when absent
    JsonObject &truth(std::string_view key, bool value);
    JsonObject &texts(std::string_view key, std::span<const std::string_view> values);
    JsonObject &numbers(std::string_view key, std::span<const Decimal> values);
    JsonObject &objects(std::string_view key, std::span<const JsonObject> values);
    JsonObject &object(std::string_view key, std::optional<JsonObject> value); // null when absent
    JsonObject &null(std::string_view key);
    JsonObject &members(const JsonObject &other); // other's members after these
    std::string str() const { return "{" + members_ + "}"; }

private:
    JsonObject &member(std::string_view key, std::string_view json);

    std::string members_;
};

} // namespace ohmilka::cli

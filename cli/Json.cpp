// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Json.h"

#include "Engine.h"
#include "Utf8.h"

#include <array>

namespace ohmilka::cli {

std::string jsonString(std::string_view text)
{
    static constexpr std::array<char, 16> hex{'0', '1', '2', '3', '4', '5', '6', '7',
                                              '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string json = "\"";
    json.reserve(text.size() + 2);
    while (!text.empty()) {
        const Utf8Character character = firstCharacter(text);
        const char32_t c = character.codePoint;
        if (!character.valid) {
            json += "\uFFFD"; // not UTF-8: the replacement character
        } else if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (isControlCharacter(c)) {
            // DEL and C1 too, which JSON allows raw, so that the line is safe on a terminal.
            json += "\\u00";
            json += hex[c >> 4];
            json += hex[c & 0xF];
        } else {
            json += text.substr(0, character.length);
        }
        text.remove_prefix(character.length);
    }
    return json + "\"";
}

std::optional<Decimal> percentOrNull(std::optional<int> hundredths)
{
    return hundredths ? std::optional(percentOf(*hundredths)) : std::nullopt;
}

JsonObject &JsonObject::member(std::string_view key, std::string_view json)
{
    if (!members_.empty())
        members_ += ", ";
    members_ += jsonString(key);
    members_ += ": ";
    members_ += json;
    return *this;
}

JsonObject &JsonObject::text(std::string_view key, std::string_view value)
{
    return member(key, jsonString(value));
}

JsonObject &JsonObject::number(std::string_view key, std::optional<Decimal> value)
{
    return member(key, value ? decimalText(normalised(*value), ".") : "null");
}

JsonObject &JsonObject::truth(std::string_view key, bool value)
{
    return member(key, value ? "true" : "false");
}

JsonObject &JsonObject::null(std::string_view key)
{
    return member(key, "null");
}

JsonObject &JsonObject::members(const JsonObject &other)
{
    if (!members_.empty() && !other.members_.empty())
        members_ += ", ";
    members_ += other.members_;
    return *this;
}

JsonObject &JsonObject::numbers(std::string_view key, std::span<const Decimal> values)
{
    std::string list = "[";
    for (Decimal value : values)
        list += (list.size() > 1 ? ", " : "") + decimalText(normalised(value), ".");
    return member(key, list + "]");
}

JsonObject &JsonObject::texts(std::string_view key, std::span<const std::string_view> values)
{
    std::string list = "[";
    for (std::string_view value : values)
        list += (list.size() > 1 ? ", " : "") + jsonString(value);
    return member(key, list + "]");
}

JsonObject &JsonObject::object(std::string_view key, std::optional<JsonObject> value)
{
    return member(key, value ? value->str() : "null");
}

JsonObject &JsonObject::objects(std::string_view key, std::span<const JsonObject> values)
{
    std::string list = "[";
    for (const JsonObject &value : values)
        list += (list.size() > 1 ? ", " : "") + value.str();
    return member(key, list + "]");
}

} // namespace ohmilka::cli

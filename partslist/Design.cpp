// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Design.h"

#include "AsciiText.h"

#include <algorithm>

namespace ohmilka::partslist {

namespace {
constexpr std::string_view dnpLabel = "DNP";
}

bool fieldSaysNotFitted(std::string_view name, std::string_view text)
{
    if (name != "DNP" && name != "dnp")
        return false;
    text = trimmed(text);
    return isWord(text, "dnp") || isWord(text, "x") || isWord(text, "yes") || text == "1";
}

std::optional<DesignTable> designTable(const std::vector<DesignSymbol> &symbols)
{
    // The fields by name, in the order they are first met; a DNP field is the DNP column.
    std::vector<std::string> labels{"Reference", "Value"};
    for (const DesignSymbol &symbol : symbols)
        for (const auto &[name, text] : symbol.fields)
            if (!isWord(name, dnpLabel) &&
                std::find(labels.begin(), labels.end(), name) == labels.end())
                labels.push_back(name);
    labels.emplace_back(dnpLabel);
    std::optional<Header> header = headerIn(recordOf(labels), 0);
    if (!header)
        return std::nullopt;
    DesignTable table;
    for (const DesignSymbol &symbol : symbols) {
        std::vector<std::string> fields(labels.size());
        fields[0] = symbol.reference;
        fields[1] = symbol.value;
        for (const auto &[name, text] : symbol.fields)
            if (!isWord(name, dnpLabel))
                fields[static_cast<std::size_t>(std::find(labels.begin(), labels.end(), name) -
                                                labels.begin())] = text;
        fields.back() = symbol.notFitted ? std::string(dnpLabel) : std::string();
        table.rows.push_back(recordOf(fields));
    }
    std::optional<Columns> columns = columnsOf(std::move(*header), table.rows);
    if (!columns)
        return std::nullopt;
    table.columns = std::move(*columns);
    return table;
}

} // namespace ohmilka::partslist

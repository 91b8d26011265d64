// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "KicadSexprNetlist.h"

#include "Sexpr.h"

#include <algorithm>
#include <sstream>

namespace ohmilka::partslist {

namespace {
// A comp's symbol: (ref R1) (value 10k) (footprint …) (fields (field (name MPN) "…") …)
// (property (name "dnp")) (property (name "exclude_from_bom")).
DesignSymbol symbolOf(const Sexpr &netlist, std::uint32_t comp, std::string_view file)
{
    DesignSymbol symbol{std::string(file),
                        static_cast<long>(netlist.node(comp).line),
                        std::string(netlist.value(comp, "ref")),
                        std::string(netlist.value(comp, "value")),
                        {},
                        false};
    if (const std::uint32_t fields = netlist.next(comp, "fields"); fields != Sexpr::none)
        for (std::uint32_t field = netlist.next(fields, "field"); field != Sexpr::none;
             field = netlist.next(fields, "field", field))
            symbol.fields.emplace_back(netlist.value(field, "name"), netlist.argument(field, 1));
    // KiCad 5 writes the footprint beside the fields only.
    if (const std::string_view footprint = netlist.value(comp, "footprint");
        !footprint.empty() &&
        std::none_of(symbol.fields.begin(), symbol.fields.end(),
                     [](const auto &field) { return field.first == "Footprint"; }))
        symbol.fields.emplace_back("Footprint", footprint);
    for (std::uint32_t property = netlist.next(comp, "property"); property != Sexpr::none;
         property = netlist.next(comp, "property", property)) {
        const std::string_view name = netlist.value(property, "name");
        symbol.notFitted = symbol.notFitted || name == "dnp";
        symbol.inBom = symbol.inBom && name != "exclude_from_bom";
    }
    for (const auto &[name, text] : symbol.fields)
        symbol.notFitted = symbol.notFitted || fieldSaysNotFitted(name, text);
    return symbol;
}
} // namespace

bool startsAsKicadSexprNetlist(std::string_view start)
{
    const auto skipBlanks = [&] {
        start.remove_prefix(std::min(start.find_first_not_of(" \t\r\n"), start.size()));
    };
    skipBlanks();
    if (!start.starts_with("(export"))
        return false;
    start.remove_prefix(7);
    skipBlanks();
    return start.starts_with("(version");
}

NetlistReading readKicadSexprNetlist(std::istream &in, std::string_view file)
{
    NetlistReading reading;
    std::ostringstream text;
    text << in.rdbuf();
    const std::optional<Sexpr> netlist = Sexpr::parse(std::move(text).str());
    if (!netlist || netlist->head(netlist->root()) != "export" || in.bad()) {
        reading.broken = true;
        return reading;
    }
    const std::uint32_t components = netlist->next(netlist->root(), "components");
    if (components == Sexpr::none)
        return reading;
    for (std::uint32_t comp = netlist->next(components, "comp"); comp != Sexpr::none;
         comp = netlist->next(components, "comp", comp))
        reading.symbols.push_back(symbolOf(*netlist, comp, file));
    return reading;
}

} // namespace ohmilka::partslist

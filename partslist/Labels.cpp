// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Labels.h"

#include "AsciiText.h"
#include "Decimal.h"

#include <algorithm>
#include <array>
#include <optional>

namespace ohmilka::partslist {

namespace {
struct LabelRow {
    std::string_view label; // normalised
    Role role;
    int rank = 0;
    bool mayBeValue = false;
};
constexpr bool mayBeValue = true;

// Each row names a tool that writes the label; the first such tool where several do.
constexpr std::array labelTable{
    // References.
    LabelRow{"references", Role::Reference},           // KiBoM, KiBot, Proteus
    LabelRow{"reference", Role::Reference},            // OrCAD Capture, PADS, kicad-cli field name
    LabelRow{"refs", Role::Reference},                 // kicad-cli sch export bom, KiCost
    LabelRow{"ref", Role::Reference},                  // Eeschema's bom_csv_sorted_by_ref
    LabelRow{"designator", Role::Reference},           // Altium, EasyEDA, JLCPCB, MacroFab, pcbnew
    LabelRow{"designators", Role::Reference},          // LibrePCB, PCBWay
    LabelRow{"refdes", Role::Reference},               // DipTrace, gEDA bom2, Xpedition
    LabelRow{"referencedesignator", Role::Reference},  // Digi-Key BOM Manager
    LabelRow{"referencedesignators", Role::Reference}, // Octopart, Mouser BOM tool
    LabelRow{"parts", Role::Reference},                // Eagle and Fusion 360 bom.ulp, grouped
    LabelRow{"partreference", Role::Reference},        // OrCAD Capture's part reference
    LabelRow{"schematicreference", Role::Reference},   // Octopart
    LabelRow{"pozice", Role::Reference},               // Czech spreadsheets
    LabelRow{"refnumber", Role::Reference},            // "Ref.-No.", German "Ref.-Nr."
    LabelRow{"referenz", Role::Reference},             // KiCad in German
    LabelRow{"référence", Role::Reference},            // KiCad in French
    LabelRow{"repère", Role::Reference},               // French spreadsheets
    LabelRow{"repères", Role::Reference},              // French spreadsheets, grouped
    LabelRow{"referencia", Role::Reference},           // KiCad in Spanish
    LabelRow{"designador", Role::Reference},           // Spanish and Portuguese spreadsheets
    LabelRow{"riferimento", Role::Reference},          // KiCad in Italian
    LabelRow{"oznaczenie", Role::Reference},           // KiCad in Polish
    LabelRow{"位号", Role::Reference},                 // JLCPCB and EasyEDA in Chinese
    LabelRow{"标号", Role::Reference},                 // Chinese spreadsheets
    LabelRow{"插件位置", Role::Reference},             // Chinese assembly houses' BOMs
    LabelRow{"位置", Role::Reference},                 // Chinese spreadsheets
    // Eagle's list of parts; KiBoM's symbol; OrCAD Capture's value.
    LabelRow{"part", Role::ReferenceCandidate, 0, mayBeValue},
    LabelRow{"bauteil", Role::ReferenceCandidate, 0, mayBeValue}, // Eagle in German
    LabelRow{"bauteile", Role::Reference},                        // Eagle in German, grouped
    LabelRow{"partdesignator", Role::Reference},                  // Seeed Fusion
    LabelRow{"referencedesignation", Role::Reference},            // Octopart
    LabelRow{"customernumber", Role::ReferenceCandidate},         // Mouser "Customer No"
    LabelRow{"label", Role::ReferenceCandidate},                  // Fritzing
    LabelRow{"customerreference", Role::ReferenceCandidate},      // Digi-Key, Mouser
    LabelRow{"označení", Role::ReferenceCandidate},               // Czech spreadsheets
    // Values, in order of precedence.
    LabelRow{"value", Role::Value, 0},       // KiCad, Eagle, DipTrace, PADS, Proteus, LibrePCB
    LabelRow{"val", Role::Value, 0},         // hand-made lists
    LabelRow{"hodnota", Role::Value, 0},     // Czech spreadsheets
    LabelRow{"wert", Role::Value, 0},        // German spreadsheets
    LabelRow{"valeur", Role::Value, 0},      // KiCad in French
    LabelRow{"valor", Role::Value, 0},       // KiCad in Spanish
    LabelRow{"valore", Role::Value, 0},      // KiCad in Italian
    LabelRow{"wartość", Role::Value, 0},     // KiCad in Polish
    LabelRow{"值", Role::Value, 0},          // EasyEDA in Chinese
    LabelRow{"数值", Role::Value, 0},        // Chinese spreadsheets
    LabelRow{"compvalue", Role::Value, 0},   // Cadence Allegro's component report
    LabelRow{"comment", Role::Value, 1},     // Altium, JLCPCB's template
    LabelRow{"designation", Role::Value, 2}, // pcbnew's BOM
    LabelRow{"name", Role::Unknown, 0, mayBeValue}, // EasyEDA; a symbol in DipTrace, TinyCAD
    LabelRow{"descriptionvalue", Role::Unknown, 0, mayBeValue}, // PCBWay's template
    // Tolerances.
    LabelRow{"tolerance", Role::Tolerance},  // KiCad fields, Altium parameters, Digi-Key
    LabelRow{"tol", Role::Tolerance},        // hand-made lists
    LabelRow{"toleranz", Role::Tolerance},   // German spreadsheets
    LabelRow{"tolérance", Role::Tolerance},  // French spreadsheets
    LabelRow{"tolerancia", Role::Tolerance}, // Spanish spreadsheets
    LabelRow{"tolleranza", Role::Tolerance}, // Italian spreadsheets
    LabelRow{"tolerancja", Role::Tolerance}, // Polish spreadsheets
    LabelRow{"精度", Role::Tolerance},       // Chinese spreadsheets
    LabelRow{"comptol", Role::Tolerance},    // Cadence Allegro's component report
    // Quantities.
    LabelRow{"qty", Role::Quantity},            // kicad-cli, KiCost, Eagle, PCBWay, Octopart
    LabelRow{"quantity", Role::Quantity},       // Altium, OrCAD, EasyEDA, DipTrace, Proteus
    LabelRow{"quantityperpcb", Role::Quantity}, // KiBoM, KiBot: "2 (DNF)" where not fitted
    LabelRow{"qnty", Role::Quantity},           // Eeschema's bom_csv_grouped_by_value_with_fp
    LabelRow{"amount", Role::Quantity},         // Fritzing
    LabelRow{"buildquantity", Role::Quantity},  // KiBoM, KiBot
    LabelRow{"orderqty", Role::Quantity},       // Mouser
    LabelRow{"count", Role::Quantity},          // hand-made lists
    LabelRow{"počet", Role::Quantity},          // Czech spreadsheets
    LabelRow{"ks", Role::Quantity},             // Czech spreadsheets: pieces
    LabelRow{"menge", Role::Quantity},          // German spreadsheets
    LabelRow{"anzahl", Role::Quantity},         // German spreadsheets
    LabelRow{"stückzahl", Role::Quantity},      // German spreadsheets
    LabelRow{"quantité", Role::Quantity},       // French spreadsheets
    LabelRow{"qté", Role::Quantity},            // French spreadsheets
    LabelRow{"cantidad", Role::Quantity},       // Spanish spreadsheets
    LabelRow{"quantità", Role::Quantity},       // Italian spreadsheets
    LabelRow{"ilość", Role::Quantity},          // Polish spreadsheets
    LabelRow{"数量", Role::Quantity},           // JLCPCB and EasyEDA in Chinese
    // Item numbers.
    LabelRow{"item", Role::ItemNumber},       // OrCAD, PADS, Eeschema's grouped BOM
    LabelRow{"itemnumber", Role::ItemNumber}, // PCBWay "Item #"
    LabelRow{"id", Role::ItemNumber},         // EasyEDA, pcbnew
    LabelRow{"row", Role::ItemNumber},        // KiBot
    LabelRow{"component", Role::ItemNumber},  // KiBoM, where it numbers the rows
    LabelRow{"itemnumber", Role::ItemNumber}, // kicad-cli ${ITEM_NUMBER}
    LabelRow{"number", Role::ItemNumber},     // "No.", "#"
    LabelRow{"pos", Role::ItemNumber},        // German and Czech spreadsheets
    LabelRow{"lineitem", Role::ItemNumber},   // Digi-Key
    LabelRow{"index", Role::ItemNumber},      // Mouser
    // Fitted or not.
    LabelRow{"dnp", Role::NotFitted},              // kicad-cli, KiBoM, KiCost
    LabelRow{"dnf", Role::NotFitted},              // Altium variants, hand-made lists
    LabelRow{"donotplace", Role::NotFitted},       // Altium variants
    LabelRow{"donotpopulate", Role::NotFitted},    // hand-made lists
    LabelRow{"excludefrombom", Role::NotFitted},   // kicad-cli: "Excluded from BOM"
    LabelRow{"excludefromboard", Role::NotFitted}, // kicad-cli: "Excluded from board"
    LabelRow{"status", Role::Status},              // KiBot: " (DNF)"; Altium: "Approved"
    LabelRow{"nopop", Role::NotFitted},            // KiCost
    LabelRow{"donotinstall", Role::NotFitted},     // assembly houses' templates
    LabelRow{"fitted", Role::Fitted},              // Altium variants
    LabelRow{"populate", Role::Fitted},            // MacroFab
    LabelRow{"populated", Role::Fitted},           // hand-made lists
    LabelRow{"mount", Role::Fitted},               // Seeed Fusion
    LabelRow{"assemble", Role::Fitted},            // Pad2Pad
    LabelRow{"osadit", Role::Fitted},              // Czech spreadsheets
    LabelRow{"assy", Role::Fitted},                // OrCAD CIS variants: NI, not installed
    // Makers.
    LabelRow{"manufacturer", Role::Manufacturer},     // Altium, EasyEDA, PADS, PCBWay, Digi-Key
    LabelRow{"manufacturername", Role::Manufacturer}, // Octopart
    LabelRow{"manf", Role::Manufacturer},             // KiCost
    LabelRow{"mfr", Role::Manufacturer},              // KiCost aliases, Mouser
    LabelRow{"mfg", Role::Manufacturer},              // KiCost and KiBot aliases
    LabelRow{"mnf", Role::Manufacturer},              // KiCost and KiBot aliases
    LabelRow{"výrobce", Role::Manufacturer},          // Czech spreadsheets
    LabelRow{"hersteller", Role::Manufacturer},       // German spreadsheets
    LabelRow{"fabricant", Role::Manufacturer},        // French spreadsheets
    LabelRow{"fabricante", Role::Manufacturer},       // Spanish spreadsheets
    LabelRow{"produttore", Role::Manufacturer},       // Italian spreadsheets
    LabelRow{"producent", Role::Manufacturer},        // Polish spreadsheets
    LabelRow{"制造商", Role::Manufacturer},           // JLCPCB in Chinese
    // Makers' part numbers.
    LabelRow{"mpn", Role::PartNumber},                    // KiBoM, MacroFab, Octopart, LibrePCB
    LabelRow{"manufacturerpartnumber", Role::PartNumber}, // Altium, PADS, Digi-Key
    LabelRow{"manufacturerpart", Role::PartNumber},       // EasyEDA
    LabelRow{"manfnumber", Role::PartNumber},             // KiCost "manf#"
    LabelRow{"mfrnumber", Role::PartNumber},              // Mouser "Mfr. No", "MFR#"
    LabelRow{"mfrpartnumber", Role::PartNumber},          // Farnell, Newark
    LabelRow{"mfgpartnumber", Role::PartNumber},          // PCBWay "Mfg Part #"
    LabelRow{"partnumber", Role::PartNumber},             // Octopart
    LabelRow{"mfgpn", Role::PartNumber},                  // KiCost aliases
    LabelRow{"manufacturerpn", Role::PartNumber},         // KiCost aliases
    LabelRow{"mfgnumber", Role::PartNumber},              // KiCost "mfg#"
    LabelRow{"stockcode", Role::PartNumber},              // Proteus
    LabelRow{"manufacturernumber", Role::PartNumber},     // KiCad fields "Manufacturer_No"
    LabelRow{"manufpn", Role::PartNumber},                // KiCad fields "ManufPN"
    LabelRow{"pn", Role::PartNumber},                     // KiCad fields "PN", "P/N"
    LabelRow{"herstellernummer", Role::PartNumber},       // German spreadsheets
    LabelRow{"herstellerteilenummer", Role::PartNumber},  // German spreadsheets
    LabelRow{"référencefabricant", Role::PartNumber},     // French spreadsheets
    LabelRow{"制造商零件编号", Role::PartNumber},         // JLCPCB in Chinese
    LabelRow{"mpn码", Role::PartNumber},                  // Chinese assembly houses' BOMs
    LabelRow{"型号", Role::PartNumber},                   // Chinese spreadsheets: the model
    // Distributors' and assembly houses' numbers: never the references.
    LabelRow{"lcsc", Role::OrderNumber},                  // JLCPCB's template, EasyEDA
    LabelRow{"lcscpart", Role::OrderNumber},              // JLCPCB's template
    LabelRow{"lcscpartnumber", Role::OrderNumber},        // EasyEDA "LCSC Part #"
    LabelRow{"jlcpcbpartnumber", Role::OrderNumber},      // JLCPCB "JLCPCB Part #"
    LabelRow{"商品编号", Role::OrderNumber},              // LCSC in Chinese
    LabelRow{"digikey", Role::OrderNumber},               // KiCost, Kitspace
    LabelRow{"digikeypartnumber", Role::OrderNumber},     // Digi-Key, KiBoM
    LabelRow{"digikeynumber", Role::OrderNumber},         // "Digi-Key #"
    LabelRow{"mouser", Role::OrderNumber},                // Kitspace
    LabelRow{"mouserpartnumber", Role::OrderNumber},      // Mouser
    LabelRow{"mousernumber", Role::OrderNumber},          // Mouser "Mouser #"
    LabelRow{"farnell", Role::OrderNumber},               // Kitspace
    LabelRow{"newark", Role::OrderNumber},                // Kitspace
    LabelRow{"rs", Role::OrderNumber},                    // Kitspace
    LabelRow{"sku", Role::OrderNumber},                   // Seeed Fusion
    LabelRow{"ordercode", Role::OrderNumber},             // Proteus, Farnell
    LabelRow{"ordernumber", Role::OrderNumber},           // hand-made lists
    LabelRow{"supplierpartnumber", Role::OrderNumber},    // Altium, Octopart
    LabelRow{"supplierpn", Role::OrderNumber},            // KiBot
    LabelRow{"distributorpartnumber", Role::OrderNumber}, // hand-made lists
    // Descriptions: never read for a value.
    LabelRow{"description", Role::Description},    // nearly every tool
    LabelRow{"desc", Role::Description},           // KiCost
    LabelRow{"popis", Role::Description},          // Czech spreadsheets
    LabelRow{"beschreibung", Role::Description},   // German spreadsheets
    LabelRow{"désignation", Role::Description},    // French spreadsheets
    LabelRow{"descripción", Role::Description},    // Spanish spreadsheets
    LabelRow{"descrizione", Role::Description},    // Italian spreadsheets
    LabelRow{"opis", Role::Description},           // Polish spreadsheets
    LabelRow{"描述", Role::Description},           // JLCPCB in Chinese
    LabelRow{"规格", Role::Description},           // Chinese spreadsheets: a part's ratings
    LabelRow{"规格型号", Role::Description},       // Chinese spreadsheets: "规格/型号"
    LabelRow{"compdevicetype", Role::Description}, // Cadence Allegro's component report
    // Footprints.
    LabelRow{"footprint", Role::Footprint},        // KiCad, Altium, EasyEDA, JLCPCB
    LabelRow{"package", Role::Footprint},          // Eagle, LibrePCB, pcbnew up to KiCad 6
    LabelRow{"pcbpackage", Role::Footprint},       // Proteus
    LabelRow{"gehäuse", Role::Footprint},          // Eagle in German
    LabelRow{"pattern", Role::Footprint},          // DipTrace
    LabelRow{"pcbfootprint", Role::Footprint},     // OrCAD Capture
    LabelRow{"packagefootprint", Role::Footprint}, // PCBWay
    LabelRow{"case", Role::Footprint},             // hand-made lists
    LabelRow{"pouzdro", Role::Footprint},          // Czech spreadsheets
    LabelRow{"bauform", Role::Footprint},          // German spreadsheets
    LabelRow{"boîtier", Role::Footprint},          // French spreadsheets
    LabelRow{"empreinte", Role::Footprint},        // KiCad in French
    LabelRow{"encapsulado", Role::Footprint},      // Spanish spreadsheets
    LabelRow{"huella", Role::Footprint},           // KiCad in Spanish
    LabelRow{"contenitore", Role::Footprint},      // Italian spreadsheets
    LabelRow{"obudowa", Role::Footprint},          // Polish spreadsheets
    LabelRow{"封装", Role::Footprint},             // JLCPCB and EasyEDA in Chinese
    LabelRow{"jedectype", Role::Footprint},        // Cadence Allegro "JEDEC_TYPE"
    LabelRow{"pcbdecal", Role::Footprint},         // PADS "PCB Decal"
    LabelRow{"comppackage", Role::Footprint},      // Cadence Allegro's component report
};
} // namespace

std::string normalisedLabel(std::string_view label)
{
    std::string normalised;
    std::string word;
    const auto endWord = [&] {
        normalised += word == "no" || word == "nr" ? "number" : word;
        word.clear();
    };
    for (const char c : label) {
        if (isDigit(c) || isAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80) {
            word += smallLetter(c);
            continue;
        }
        endWord();
        if (c == '#')
            normalised += "number";
    }
    endWord();
    while (normalised.size() > 1 && isDigit(normalised.back()))
        normalised.pop_back();
    return normalised;
}

namespace {
// One edit apart: a letter changed, added, left out, or two neighbours swapped.
bool oneEditApart(std::string_view a, std::string_view b)
{
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > 1)
        return false;
    std::size_t at = 0;
    while (at < a.size() && a[at] == b[at])
        ++at;
    if (at == a.size())
        return a.size() != b.size(); // one letter added at the end, or the same
    if (a.size() != b.size())
        return a.substr(at) == b.substr(at + 1);
    return a.substr(at + 1) == b.substr(at + 1) || // changed
           (at + 1 < a.size() && a[at] == b[at + 1] && a[at + 1] == b[at] &&
            a.substr(at + 2) == b.substr(at + 2)); // swapped
}

// Labels this short are too near each other to be told apart by one edit.
constexpr std::size_t shortestNearLabel = 5;
} // namespace

namespace {
LabelMeaning meaningOfOneLabel(std::string_view label)
{
    const std::string normalised = normalisedLabel(label);
    const auto row = std::find_if(labelTable.begin(), labelTable.end(),
                                  [&](const LabelRow &known) { return known.label == normalised; });
    if (row != labelTable.end())
        return {row->role, row->rank, row->mayBeValue};
    // A misspelling, "Referance", "Desigantor", "Vaule": the meaning of the one known label
    // within one edit, where no two such labels mean different things.
    if (normalised.size() < shortestNearLabel)
        return {};
    std::optional<LabelMeaning> near;
    for (const LabelRow &known : labelTable) {
        if (known.label.size() < shortestNearLabel || !oneEditApart(known.label, normalised))
            continue;
        const LabelMeaning meaning{known.role, known.rank, known.mayBeValue};
        if (near && (near->role != meaning.role || near->rank != meaning.rank ||
                     near->mayBeValue != meaning.mayBeValue))
            return {};
        near = meaning;
    }
    return near.value_or(LabelMeaning{});
}
} // namespace

LabelMeaning meaningOfLabel(std::string_view label)
{
    const LabelMeaning whole = meaningOfOneLabel(label);
    if (whole.role != Role::Unknown || whole.mayBeValue)
        return whole;
    // Two labels in one, "Manufacture Part Number/Seeed SKU": the first that means something.
    for (std::size_t from = 0; from < label.size();) {
        const std::size_t slash = std::min(label.find('/', from), label.size());
        if (from > 0 || slash < label.size())
            if (const LabelMeaning part = meaningOfOneLabel(label.substr(from, slash - from));
                part.role != Role::Unknown || part.mayBeValue)
                return part;
        from = slash + 1;
    }
    return whole;
}

} // namespace ohmilka::partslist

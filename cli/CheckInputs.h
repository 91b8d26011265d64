// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The kinds of input check reads, each into the report: text lists (plain, CSV, aligned
// tables), spreadsheets, KiCad's netlists and schematics. Each names what went wrong on err
// and raises status to 2 where it cannot be read.

#include "CheckReport.h"
#include "Encoding.h"

#include <fstream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace ohmilka::cli {

// What a file is when it is no text, and what to do with it.
std::string binaryFileText(partslist::BinaryKind kind, std::string_view file, const Texts &texts);

// A file that cannot be opened or read: what was found in it so far, then the system's reason.
void reportUnreadableFile(std::string_view file, std::string_view reason, CheckReport &report,
                          const Texts &texts);

// The separator of a list that is an HTML page's tables.
inline constexpr char htmlTables = 4;

// The values of one list: lines of a plain list, rows of CSV under its header row, or rows of an
// HTML page's tables.
void checkList(partslist::DecodingInput &decoding, std::string_view file, char separator,
               CheckReport &report, const Texts &texts, int &status);

// A spreadsheet's sheets, their rows as a CSV export writes them.
void checkSpreadsheet(const std::string &file, CheckReport &report, const Texts &texts,
                      int &status);

// KiCad's netlist, in XML or in S-expressions: its components, those excluded from the BOM
// named.
enum class NetlistFormat { Xml, Sexpr };
void checkNetlist(std::ifstream &stream, const std::string &file, NetlistFormat format,
                  CheckReport &report, const Texts &texts, int &status);

// A KiCad schematic, of KiCad 6 on or KiCad 5, from its root sheet through its hierarchy; the
// files of its sheets.
enum class SchematicFormat { Sexpr, Legacy };
std::vector<std::string> checkSchematic(const std::string &file, SchematicFormat format,
                                        CheckReport &report, const Texts &texts, int &status);

} // namespace ohmilka::cli

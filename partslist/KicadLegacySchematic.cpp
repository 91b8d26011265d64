// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "KicadLegacySchematic.h"

#include "FilePath.h"

#include <cerrno>
#include <fstream>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace ohmilka::partslist {

namespace {
constexpr std::string_view signature = "EESchema Schematic File Version";
constexpr std::size_t deepestSheet = 32;            // hierarchies are a few sheets deep
constexpr std::size_t mostSheetInstances = 1 << 16; // sheets used twice in sheets used twice

// A line's words: bare ones and quoted ones, whose \" and \\ stand for " and \.
std::vector<std::string> wordsOf(std::string_view line)
{
    std::vector<std::string> words;
    for (std::size_t at = 0; at < line.size();) {
        if (line[at] == ' ' || line[at] == '\t') {
            ++at;
            continue;
        }
        std::string &word = words.emplace_back();
        if (line[at] != '"') {
            while (at < line.size() && line[at] != ' ' && line[at] != '\t')
                word += line[at++];
            continue;
        }
        for (++at; at < line.size() && line[at] != '"'; ++at) {
            if (line[at] == '\\' && at + 1 < line.size())
                ++at;
            word += line[at];
        }
        ++at; // the closing quote
    }
    return words;
}

// A field's text as the netlist gives it: "~" is KiCad 5's empty field.
std::string fieldText(std::string text)
{
    return text == "~" ? std::string() : text;
}

struct Component {
    long line = 0;
    std::string stamp, reference, value;
    std::vector<std::pair<std::string, std::string>> fields;
    std::vector<std::pair<std::string, std::string>> references; // AR: path and reference
};

struct SheetBlock {
    std::string stamp, file;
};

struct Sheet {
    std::vector<Component> components;
    std::vector<SheetBlock> sheets;
};

// The $Comp and $Sheet blocks of one file; nullopt where it is no legacy schematic or a block is
// never closed.
std::optional<Sheet> parseSheet(std::istream &in)
{
    Sheet sheet;
    std::string raw;
    long number = 0;
    enum class In { Nothing, Component, Sheet } in_ = In::Nothing;
    while (std::getline(in, raw)) {
        ++number;
        std::string_view line = raw;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (number == 1 && !line.starts_with(signature))
            return std::nullopt;
        if (line == "$Comp") {
            in_ = In::Component;
            sheet.components.push_back({number, {}, {}, {}, {}, {}});
        } else if (line == "$Sheet") {
            in_ = In::Sheet;
            sheet.sheets.emplace_back();
        } else if (line == "$EndComp" || line == "$EndSheet") {
            in_ = In::Nothing;
        } else if (in_ == In::Component) {
            Component &component = sheet.components.back();
            const std::vector<std::string> words = wordsOf(line);
            if (words.size() >= 3 && words[0] == "L")
                component.reference = words[2];
            else if (words.size() >= 4 && words[0] == "U")
                component.stamp = words[3];
            else if (words.size() >= 3 && words[0] == "AR") {
                std::string path, reference;
                for (const std::string &word : words) {
                    if (word.starts_with("Path="))
                        path = word.substr(5);
                    else if (word.starts_with("Ref="))
                        reference = word.substr(4);
                }
                component.references.emplace_back(std::move(path), std::move(reference));
            } else if (words.size() >= 3 && words[0] == "F") {
                std::string text = fieldText(words[2]);
                if (words[1] == "0")
                    component.reference = std::move(text);
                else if (words[1] == "1")
                    component.value = std::move(text);
                else if (words[1] == "2")
                    component.fields.emplace_back("Footprint", std::move(text));
                else if (words[1] == "3")
                    component.fields.emplace_back("Datasheet", std::move(text));
                else if (words.size() >= 4)
                    component.fields.emplace_back(words.back(), std::move(text));
            }
        } else if (in_ == In::Sheet) {
            const std::vector<std::string> words = wordsOf(line);
            if (words.size() >= 2 && words[0] == "U")
                sheet.sheets.back().stamp = words[1];
            else if (words.size() >= 2 && words[0] == "F1")
                sheet.sheets.back().file = words[1];
        }
    }
    if (number == 0 || in_ != In::Nothing || in.bad())
        return std::nullopt;
    return sheet;
}

// AR lines hold Path="/5C7D1234/5C7D0F11" and Ref="R101", quoted; the quotes go.
std::string_view unquoted(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

class LegacyHierarchy
{
public:
    explicit LegacyHierarchy(const std::string &root)
    {
        const std::size_t slash = root.find_last_of("/\\");
        folder_ = slash == std::string::npos ? std::string() : root.substr(0, slash + 1);
    }

    SchematicReading read(const std::string &root)
    {
        visit(root, "", 0);
        return std::move(reading_);
    }

private:
    const Sheet *parsed(const std::string &file)
    {
        if (const auto known = files_.find(file); known != files_.end())
            return known->second.get();
        std::unique_ptr<Sheet> &slot = files_[file];
        std::ifstream in(filePath(file), std::ios::binary);
        if (!in) {
            reading_.problems.push_back({SchematicProblem::Kind::Unreadable, file, errno});
            return nullptr;
        }
        reading_.files.push_back(file);
        if (std::optional<Sheet> sheet = parseSheet(in))
            slot = std::make_unique<Sheet>(std::move(*sheet));
        else
            reading_.problems.push_back({SchematicProblem::Kind::NotWellFormed, file, 0});
        return slot.get();
    }

    // A sheet's components on its path, then its sheets'.
    void visit(const std::string &file, const std::string &path, std::size_t depth)
    {
        const Sheet *sheet = parsed(file);
        if (!sheet || depth > deepestSheet || ++instances_ > mostSheetInstances)
            return;
        for (const Component &component : sheet->components) {
            const std::string place = path + "/" + component.stamp;
            std::string reference = component.reference;
            for (const auto &[arPath, arReference] : component.references)
                if (unquoted(arPath) == place)
                    reference = unquoted(arReference);
            if (reference.empty() || reference.front() == '#')
                continue; // power symbols and flags
            DesignSymbol symbol{file, component.line, reference, component.value, component.fields,
                                false};
            for (const auto &[name, text] : component.fields)
                symbol.notFitted = symbol.notFitted || fieldSaysNotFitted(name, text);
            reading_.symbols.push_back(std::move(symbol));
        }
        for (const SheetBlock &child : sheet->sheets)
            if (!child.file.empty())
                visit(child.file.front() == '/' ? child.file : folder_ + child.file,
                      path + "/" + child.stamp, depth + 1);
    }

    std::string folder_; // sheet files are named from the root's folder
    std::map<std::string, std::unique_ptr<Sheet>, std::less<>> files_;
    std::size_t instances_ = 0;
    SchematicReading reading_;
};
} // namespace

bool startsAsKicadLegacySchematic(std::string_view start)
{
    return start.starts_with(signature);
}

SchematicReading readKicadLegacySchematic(const std::string &root)
{
    return LegacyHierarchy(root).read(root);
}

} // namespace ohmilka::partslist

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "KicadSchematic.h"

#include "FilePath.h"
#include "Sexpr.h"

#include <cerrno>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

namespace ohmilka::partslist {

namespace {
constexpr std::size_t deepestSheet = 32; // hierarchies are a few sheets deep; a loop is not

class Hierarchy
{
public:
    explicit Hierarchy(const std::string &root) : folder_(folderOf(root)) {}

    SchematicReading read(const std::string &root)
    {
        const Sexpr *schematic = parsed(root);
        if (!schematic)
            return std::move(reading_);
        // KiCad 6: the references of every sheet's symbols, at the root.
        if (const std::uint32_t instances = schematic->next(schematic->root(), "symbol_instances");
            instances != Sexpr::none)
            for (std::uint32_t entry = schematic->next(instances, "path"); entry != Sexpr::none;
                 entry = schematic->next(instances, "path", entry))
                rootReferences_[std::string(schematic->argument(entry, 0))] =
                    std::string(schematic->value(entry, "reference"));
        std::string path = "/"; // not "/" + …, which GCC 12 takes for overlapping copies
        path += schematic->value(schematic->root(), "uuid");
        visit(root, path, "", 0);
        return std::move(reading_);
    }

private:
    static std::string folderOf(const std::string &file)
    {
        const std::size_t slash = file.find_last_of("/\\");
        return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
    }

    const Sexpr *parsed(const std::string &file)
    {
        if (const auto known = files_.find(file); known != files_.end())
            return known->second.get();
        std::unique_ptr<Sexpr> &slot = files_[file];
        std::ifstream in(filePath(file), std::ios::binary);
        if (!in) {
            reading_.problems.push_back({SchematicProblem::Kind::Unreadable, file, errno});
            return nullptr;
        }
        reading_.files.push_back(file);
        std::ostringstream text;
        text << in.rdbuf();
        if (std::optional<Sexpr> sexpr = Sexpr::parse(std::move(text).str());
            sexpr && sexpr->head(sexpr->root()) == "kicad_sch")
            slot = std::make_unique<Sexpr>(std::move(*sexpr));
        else
            reading_.problems.push_back({SchematicProblem::Kind::NotWellFormed, file, 0});
        return slot.get();
    }

    // The reference of a symbol on this sheet's path: its instance there, the root's
    // symbol_instances, or else its Reference property, as KiCad takes it: in a flat design of
    // neither, and for a symbol whose instances are another project's (a sheet shared).
    std::string referenceOf(const Sexpr &sheet, std::uint32_t symbol, const std::string &path,
                            const std::string &oldPath) const
    {
        if (const std::uint32_t instances = sheet.next(symbol, "instances");
            instances != Sexpr::none) {
            for (std::uint32_t project = sheet.next(instances, "project"); project != Sexpr::none;
                 project = sheet.next(instances, "project", project))
                for (std::uint32_t entry = sheet.next(project, "path"); entry != Sexpr::none;
                     entry = sheet.next(project, "path", entry))
                    if (sheet.argument(entry, 0) == path)
                        return std::string(sheet.value(entry, "reference"));
        } else if (const auto known = rootReferences_.find(
                       oldPath + "/" + std::string(sheet.value(symbol, "uuid")));
                   known != rootReferences_.end())
            return known->second;
        for (std::uint32_t property = sheet.next(symbol, "property"); property != Sexpr::none;
             property = sheet.next(symbol, "property", property))
            if (sheet.argument(property, 0) == "Reference")
                return std::string(sheet.argument(property, 1));
        return {};
    }

    // A sheet's symbols on its path (KiCad 7: from the root's uuid; KiCad 6: from below it),
    // then its sheets'.
    void visit(const std::string &file, const std::string &path, const std::string &oldPath,
               std::size_t depth)
    {
        const Sexpr *sheet = parsed(file);
        if (!sheet || depth > deepestSheet)
            return;
        const std::uint32_t root = sheet->root();
        for (std::uint32_t symbol = sheet->next(root, "symbol"); symbol != Sexpr::none;
             symbol = sheet->next(root, "symbol", symbol)) {
            DesignSymbol found{file,
                               static_cast<long>(sheet->node(symbol).line),
                               referenceOf(*sheet, symbol, path, oldPath),
                               {},
                               {},
                               false};
            if (found.reference.empty() || found.reference.front() == '#')
                continue; // power symbols and flags
            found.notFitted = sheet->value(symbol, "dnp") == "yes";
            found.inBom = sheet->value(symbol, "in_bom") != "no";
            for (std::uint32_t property = sheet->next(symbol, "property"); property != Sexpr::none;
                 property = sheet->next(symbol, "property", property)) {
                const std::string_view name = sheet->argument(property, 0);
                const std::string_view text = sheet->argument(property, 1);
                if (name == "Value")
                    found.value = text;
                else if (name != "Reference")
                    found.fields.emplace_back(name, text);
                found.notFitted = found.notFitted || fieldSaysNotFitted(name, text);
            }
            reading_.symbols.push_back(std::move(found));
        }
        for (std::uint32_t child = sheet->next(root, "sheet"); child != Sexpr::none;
             child = sheet->next(root, "sheet", child)) {
            std::string subFile;
            for (std::uint32_t property = sheet->next(child, "property"); property != Sexpr::none;
                 property = sheet->next(child, "property", property))
                if (const std::string_view name = sheet->argument(property, 0);
                    name == "Sheetfile" || name == "Sheet file")
                    subFile = sheet->argument(property, 1);
            if (subFile.empty())
                continue;
            const std::string uuid(sheet->value(child, "uuid"));
            visit(subFile.front() == '/' ? subFile : folder_ + subFile, path + "/" + uuid,
                  oldPath + "/" + uuid, depth + 1);
        }
    }

    std::string folder_; // sheet files are named from the root's folder
    std::map<std::string, std::unique_ptr<Sexpr>, std::less<>> files_;
    std::map<std::string, std::string, std::less<>> rootReferences_;
    SchematicReading reading_;
};
} // namespace

bool startsAsKicadSchematic(std::string_view start)
{
    return start.starts_with("(kicad_sch");
}

SchematicReading readKicadSchematic(const std::string &root)
{
    return Hierarchy(root).read(root);
}

} // namespace ohmilka::partslist

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Commands.h"

#include "Check.h"
#include "Decode.h"
#include "Encode.h"
#include "Series.h"
#include "Smd.h"

#include <algorithm>
#include <array>

namespace ohmilka::cli {

namespace {
using O = OptionName;
constexpr std::array decodeOptions{O::Measured};
constexpr std::array encodeOptions{O::Tolerance, O::Bands, O::Tempco, O::Smd};
constexpr std::array seriesOptions{O::Series};
constexpr std::array<OptionName, 0> smdOptions{};
constexpr std::array checkOptions{O::Csv, O::Encoding, O::Series};

constexpr std::array<CommandRow, 5> table{{
    {"decode", decodeCommand, decodeOptions,
     "  decode COLOUR... [--measured VALUE]\n"
     "                        read 1, 3, 4, 5 or 6 colour bands, left to right, and from\n"
     "                        the other end; a band in doubt names its choices: red/orange\n",
     "  decode BARVA... [--measured HODNOTA]\n"
     "                        přečte 1, 3, 4, 5 nebo 6 proužků zleva doprava i z druhého\n"
     "                        konce; proužek v pochybnosti uvede možnosti: červená/oranžová\n"},
    {"encode", encodeCommand, encodeOptions,
     "  encode VALUE [--tolerance PERCENT] [--bands 3|4|5|6] [--tempco PPM]\n"
     "                        the colours that mark a value, such as 4k7 or 470R\n"
     "  encode VALUE --smd    its surface-mount markings: 3 and 4 digits, EIA-96\n",
     "  encode HODNOTA [--tolerance PROCENTA] [--bands 3|4|5|6] [--tempco PPM]\n"
     "                        barvy, které označí hodnotu, například 4k7 nebo 470R\n"
     "  encode HODNOTA --smd  její značky SMD: 3 a 4 číslice, EIA-96\n"},
    {"series", seriesCommand, seriesOptions,
     "  series VALUE [--series E6|E12|E24|E48|E96|E192[,...]]\n"
     "                        whether a value is in the E series, and its neighbours\n",
     "  series HODNOTA [--series E6|E12|E24|E48|E96|E192[,...]]\n"
     "                        zda hodnota patří do řady E, a její sousedé\n"},
    {"smd", smdCommand, smdOptions,
     "  smd MARKING...        read surface-mount markings: 472, 4701, 4R7, 01C\n",
     "  smd ZNAČKA...         přečte značky SMD: 472, 4701, 4R7, 01C\n"},
    {"check", checkCommand, checkOptions,
     "  check [FILE...] [--csv] [--encoding utf-8|utf-16le|utf-16be|windows-1250]\n"
     "        [--series E24,E96]\n"
     "                        check parts lists or BOMs of any EDA tool against the E series\n",
     "  check [SOUBOR...] [--csv] [--encoding utf-8|utf-16le|utf-16be|windows-1250]\n"
     "        [--series E24,E96]\n"
     "                        zkontroluje seznamy součástek nebo BOM z návrhových programů "
     "proti řadám E\n"},
}};

bool owns(const CommandRow &command, OptionName option)
{
    return std::find(command.options.begin(), command.options.end(), option) !=
           command.options.end();
}
} // namespace

std::span<const CommandRow> commandTable()
{
    return table;
}

const CommandRow *commandNamed(std::string_view name)
{
    const auto named = std::find_if(table.begin(), table.end(), [&](const CommandRow &command) {
        return command.name == name;
    });
    return named == table.end() ? nullptr : &*named;
}

std::vector<std::string_view> commandNames()
{
    std::vector<std::string_view> names;
    for (const CommandRow &command : table)
        names.push_back(command.name);
    return names;
}

std::vector<std::string_view> ownersOf(OptionName option)
{
    std::vector<std::string_view> owners;
    for (const CommandRow &command : table)
        if (owns(command, option))
            owners.push_back(command.name);
    return owners;
}

bool takenBy(OptionName option, const CommandRow &command)
{
    return owns(command, option) || ownersOf(option).empty();
}

namespace {
constexpr std::array<ExitStatusRow, 3> exitStatuses{{
    {0, "done; series answers 0 whether or not the value is a member",
     "hotovo; series vrací 0, ať hodnota do řady patří, nebo ne"},
    {1, "a value outside its series, no reading left, or no marking that fits",
     "hodnota mimo svou řadu, žádné čtení nezbylo, nebo se nehodí žádné označení"},
    {2, "a usage or input error, or output that could not be written, named in one line",
     "chyba použití nebo vstupu, nebo výstup, který nešlo zapsat, pojmenované jedním řádkem"},
}};
} // namespace

std::span<const ExitStatusRow> exitStatusTable()
{
    return exitStatuses;
}

std::string usage(const Texts &texts)
{
    std::string text(texts.pick("Usage: ohmilka-code COMMAND ... [--json] [--lang cs|en]\n",
                                "Použití: ohmilka-code PŘÍKAZ ... [--json] [--lang cs|en]\n"));
    for (const CommandRow &command : table)
        text += texts.pick(command.usageEnglish, command.usageCzech);
    text += texts.pick("Options may stand anywhere; -- ends them. -h is --help.\n"
                       "Colours in Czech or English, or as IEC codes: hnědá, hneda, brown, BN.\n"
                       "Exit status:\n",
                       "Volby mohou stát kdekoli; -- je ukončí. -h je --help.\n"
                       "Barvy česky nebo anglicky, nebo kódy IEC: hnědá, hneda, brown, BN.\n"
                       "Návratová hodnota:\n");
    for (const ExitStatusRow &row : exitStatuses)
        text += fmt::format("  {}  {}\n", row.status, texts.pick(row.english, row.czech));
    text += texts.pick(closedPipeEnglish, closedPipeCzech);
    text += '\n';
    return text;
}

} // namespace ohmilka::cli

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CommandTable.h"

#include "Check.h"
#include "Combine.h"
#include "Decode.h"
#include "Divider.h"
#include "Encode.h"
#include "Part.h"
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
constexpr std::array checkOptions{O::Csv, O::Encoding, O::Series, O::Output, O::Suggest};
constexpr std::array partOptions{O::Tolerance, O::Size, O::Maker, O::Series};
constexpr std::array combineOptions{O::Series,    O::Stock, O::Exclude,
                                    O::Tolerance, O::Parts, O::Within};
constexpr std::array dividerOptions{O::Ratio,         O::Vin,     O::Vout,      O::Vref,
                                    O::VrefTolerance, O::Total,   O::Count,     O::Series,
                                    O::Stock,         O::Exclude, O::Tolerance, O::Within};

constexpr std::array<UsageLine, 1> decodeEnglish{
    {{"decode COLOUR... [--measured VALUE]",
      "read 1, 3, 4, 5 or 6 colour bands, left to right, and from\n"
      "the other end; a band in doubt names its choices: red/orange"}}};
constexpr std::array<UsageLine, 1> decodeCzech{
    {{"decode BARVA... [--measured HODNOTA]",
      "přečte 1, 3, 4, 5 nebo 6 proužků zleva doprava i z druhého\n"
      "konce; proužek v pochybnosti uvede možnosti: červená/oranžová"}}};
constexpr std::array<UsageLine, 2> encodeEnglish{
    {{"encode VALUE [--tolerance PERCENT] [--bands 3|4|5|6] [--tempco PPM]",
      "the colours that mark a value, such as 4k7, 470R or \"10k 1%\""},
     {"encode VALUE --smd", "its surface-mount markings: 3 and 4 digits, EIA-96"}}};
constexpr std::array<UsageLine, 2> encodeCzech{
    {{"encode HODNOTA [--tolerance PROCENTA] [--bands 3|4|5|6] [--tempco PPM]",
      "barvy, které označí hodnotu, například 4k7, 470R nebo \"10k 1%\""},
     {"encode HODNOTA --smd", "její značky SMD: 3 a 4 číslice, EIA-96"}}};
constexpr std::array<UsageLine, 1> seriesEnglish{
    {{"series VALUE [--series E6|E12|E24|E48|E96|E192[,...]]",
      "whether a value is in the E series, and its neighbours"}}};
constexpr std::array<UsageLine, 1> seriesCzech{
    {{"series HODNOTA [--series E6|E12|E24|E48|E96|E192[,...]]",
      "zda hodnota patří do řady E, a její sousedé"}}};
constexpr std::array<UsageLine, 1> smdEnglish{
    {{"smd MARKING...", "read surface-mount markings: 472, 4701, 4R7, 01C"}}};
constexpr std::array<UsageLine, 1> smdCzech{
    {{"smd ZNAČKA...", "přečte značky SMD: 472, 4701, 4R7, 01C"}}};
constexpr std::array<UsageLine, 1> checkEnglish{
    {{"check [FILE...] [--csv] [--encoding utf-8|utf-16le|utf-16be|windows-1250]\n"
      "[--series E24,E96] [--output FILE] [--suggest]",
      "check parts lists or BOMs of any EDA tool against the E series"}}};
constexpr std::array<UsageLine, 1> checkCzech{
    {{"check [SOUBOR...] [--csv] [--encoding utf-8|utf-16le|utf-16be|windows-1250]\n"
      "[--series E24,E96] [--output SOUBOR] [--suggest]",
      "zkontroluje seznamy součástek nebo BOM z návrhových programů proti řadám E"}}};
constexpr std::array<UsageLine, 1> partEnglish{
    {{"part VALUE [--tolerance PERCENT] [--size 0603] [--maker MAKER,...]\n"
      "[--series E24|E96|E192[,...]]",
      "the part numbers to order, from each maker's key and tables"}}};
constexpr std::array<UsageLine, 1> partCzech{
    {{"part HODNOTA [--tolerance PROCENTA] [--size 0603] [--maker VÝROBCE,...]\n"
      "[--series E24|E96|E192[,...]]",
      "objednací čísla podle klíče a tabulek každého výrobce"}}};

constexpr std::array<UsageLine, 1> combineEnglish{
    {{"combine VALUE [--parts 1-4] [--series E24 | --stock FILE] [--exclude VALUE,...]\n"
      "[--tolerance PERCENT] [--within PERCENT]",
      "the best 1 to 4 parts in series and parallel for a value"}}};
constexpr std::array<UsageLine, 1> combineCzech{
    {{"combine HODNOTA [--parts 1-4] [--series E24 | --stock SOUBOR] [--exclude HODNOTA,...]\n"
      "[--tolerance PROCENTA] [--within PROCENTA]",
      "nejlepší 1 až 4 součástky v sérii a paralelně pro hodnotu"}}};
constexpr std::array<UsageLine, 1> dividerEnglish{
    {{"divider --ratio R | --vin V --vout V | --vref V --vout V [--vref-tolerance PERCENT]\n"
      "[--total MIN..MAX] [--count N] [--series E96 | --stock FILE]\n"
      "[--exclude VALUE,...] [--tolerance PERCENT] [--within PERCENT]",
      "the best pairs for a ratio or an output voltage,\n"
      "totalling 1k..1M unless --total says otherwise"}}};
constexpr std::array<UsageLine, 1> dividerCzech{
    {{"divider --ratio R | --vin V --vout V | --vref V --vout V [--vref-tolerance PROCENTA]\n"
      "[--total MIN..MAX] [--count N] [--series E96 | --stock SOUBOR]\n"
      "[--exclude HODNOTA,...] [--tolerance PROCENTA] [--within PROCENTA]",
      "nejlepší dvojice pro poměr nebo výstupní napětí,\n"
      "se součtem 1k..1M, neurčí-li jiný --total"}}};

constexpr std::array<CommandRow, 8> table{{
    {"decode", decodeCommand, decodeOptions, decodeEnglish, decodeCzech},
    {"encode", encodeCommand, encodeOptions, encodeEnglish, encodeCzech},
    {"series", seriesCommand, seriesOptions, seriesEnglish, seriesCzech},
    {"smd", smdCommand, smdOptions, smdEnglish, smdCzech},
    {"check", checkCommand, checkOptions, checkEnglish, checkCzech},
    {"part", partCommand, partOptions, partEnglish, partCzech},
    {"combine", combineCommand, combineOptions, combineEnglish, combineCzech},
    {"divider", dividerCommand, dividerOptions, dividerEnglish, dividerCzech},
}};

// Where descriptions start, and how far a synopsis that runs on is indented.
constexpr std::size_t descriptionColumn = 24;
constexpr std::size_t synopsisIndent = 2, runOnIndent = 8;

std::size_t characters(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// A usage line in its columns: the description beside the synopsis where it fits, else under it.
std::string usageText(const UsageLine &line)
{
    std::string text;
    std::size_t at = 0; // the column the text has reached on its last line
    const auto lines = [](std::string_view block) {
        std::vector<std::string_view> parts;
        for (std::size_t start = 0; start <= block.size();) {
            const std::size_t end = std::min(block.find('\n', start), block.size());
            parts.push_back(block.substr(start, end - start));
            start = end + 1;
        }
        return parts;
    };
    const std::vector<std::string_view> synopsis = lines(line.synopsis);
    for (std::size_t i = 0; i < synopsis.size(); ++i) {
        const std::size_t indent = i == 0 ? synopsisIndent : runOnIndent;
        if (i > 0)
            text += '\n';
        text += std::string(indent, ' ') + std::string(synopsis[i]);
        at = indent + characters(synopsis[i]);
    }
    for (const std::string_view description : lines(line.description)) {
        if (at + 2 > descriptionColumn) {
            text += '\n';
            at = 0;
        }
        text += std::string(descriptionColumn - at, ' ') + std::string(description);
        at = descriptionColumn + 1; // the next line of the description starts a line of its own
    }
    return text + '\n';
}

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
    {1,
     "a value outside its series, no reading left, no marking that fits, no part a maker offers, "
     "no answer near enough, or no divider within its total",
     "hodnota mimo svou řadu, nezbylo žádné čtení, nehodí se žádná značka, žádný výrobce díl "
     "nenabízí, žádné řešení není dost blízko nebo žádný dělič nemá součet v mezích"},
    {2,
     "a usage or input error, a resistor that check could not read, or output that could not be "
     "written, named in one line",
     "chyba použití nebo vstupu, rezistor, který check nepřečetl, nebo výstup, který nešlo "
     "zapsat, pojmenované jedním řádkem"},
}};
} // namespace

std::span<const ExitStatusRow> exitStatusTable()
{
    return exitStatuses;
}

std::string usage(const Texts &texts, const CommandRow *command)
{
    std::string text(texts.pick("Usage: ohmilka-code COMMAND ... [--json] [--lang cs|en]\n",
                                "Použití: ohmilka-code PŘÍKAZ ... [--json] [--lang cs|en]\n"));
    for (const CommandRow &row : table)
        if (!command || &row == command)
            for (const UsageLine &line :
                 texts.language() == Language::Czech ? row.usageCzech : row.usageEnglish)
                text += usageText(line);
    text +=
        texts.pick("Options may stand anywhere; -- ends them. -h is --help. A long option\n"
                   "may be shortened to a unique prefix: --tol for --tolerance.\n"
                   "Colours in Czech or English, or as IEC codes: hnědá, hneda, brown, BN.\n"
                   "Exit status:\n",
                   "Volby lze uvést kdekoli; -- ukončí jejich výčet. -h znamená --help. Dlouhou\n"
                   "volbu lze zkrátit na jednoznačnou předponu: --tol místo --tolerance.\n"
                   "Barvy česky, anglicky nebo jako kódy IEC: hnědá, hneda, brown, BN.\n"
                   "Návratová hodnota:\n");
    for (const ExitStatusRow &row : exitStatuses)
        text += fmt::format("  {}  {}\n", row.status, texts.pick(row.english, row.czech));
    text += texts.pick(closedPipeEnglish, closedPipeCzech);
    text += '\n';
    return text;
}

} // namespace ohmilka::cli

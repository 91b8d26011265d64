// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CodeCommandRun.h"
#include "CommandTable.h"
#include "ESeries.h"
#include "Json.h"
#include "ResistorCode.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using ohmilka::cli::Language;

Q_DECLARE_METATYPE(Language)

// ohmilka-code called in-process, as its executable calls it, so that it runs under Wine too.
class TestCodeCommand : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void jsonCarriesExactNumbers_data();
    void jsonCarriesExactNumbers();
    void partNamesWhatIsOfferedNearest_data();
    void partNamesWhatIsOfferedNearest();
    void badInputGetsOneLineAndStatusTwo_data();
    void badInputGetsOneLineAndStatusTwo();
    void jsonEscapesControlCharacters();
    void everyJsonLineParses_data();
    void everyJsonLineParses();
    void jsonNamesEveryOutcome_data();
    void jsonNamesEveryOutcome();
    void inputReachesTheTerminalEscaped_data();
    void inputReachesTheTerminalEscaped();
    void failedWriteIsAnError();
    void bashCompletesEveryWordTheProgramKnows();
    void everyDocumentGivesTheSameExitStatuses_data();
    void everyDocumentGivesTheSameExitStatuses();
    void theReadmesExamplesHold();
    void bothManualPagesNameEveryOption();
    void theManualPagesExamplesHold();

private:
    using Result = CodeCommandResult;
    // A file of the source tree as text; empty when it cannot be read.
    static QString sourceText(const QString &path)
    {
        QFile file(QStringLiteral(OHMILKA_SOURCE_DIR "/") + path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    static Result run(const QStringList &arguments, Language language = Language::English,
                      std::ostream *output = nullptr)
    {
        return runCodeCommand(arguments, language, {}, output);
    }
};

void TestCodeCommand::answers_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    const Language cs = Language::Czech, en = Language::English;
    QTest::newRow("decode in Czech")
        << cs << QStringList{"decode", "hnědá", "černá", "červená", "zlatá"} << 0
        << "1 kΩ ±5 % (0,95–1,05 kΩ), E24\n";
    QTest::newRow("decode five bands")
        << en << QStringList{"decode", "BN", "BK", "BK", "RD", "BN"} << 0
        << "10 kΩ ±1 % (9.9–10.1 kΩ), E96\n120 Ω ±1 % (118.8–121.2 Ω), E24, read from the other "
           "end\n";
    QTest::newRow("--lang first") << cs
                                  << QStringList{"--lang", "en", "decode", "YE", "VT", "RD", "GD"}
                                  << 0 << "4.7 kΩ ±5 % (4.465–4.935 kΩ), E24\n";
    QTest::newRow("--lang last") << en << QStringList{"decode", "YE", "VT", "RD", "GD", "--lang=cs"}
                                 << 0 << "4,7 kΩ ±5 % (4,465–4,935 kΩ), E24\n";
    QTest::newRow("-- ends the options") << en << QStringList{"decode", "--", "RD", "RD", "RD"} << 0
                                         << "2.2 kΩ ±20 % (1.76–2.64 kΩ), E6\n";
    QTest::newRow("read from the other end where the bands as given are no code")
        << en << QStringList{"decode", "gold", "red", "violet", "yellow"} << 0
        << "4.7 kΩ ±5 % (4.465–4.935 kΩ), E24, read from the other end\n";
    QTest::newRow("the reading as given stays first")
        << en << QStringList{"decode", "YE", "YE", "RD", "BN"} << 0
        << "4.4 kΩ ±1 % (4.356–4.444 kΩ), not in E96 or E24\n120 kΩ ±0.02 % (119.976–120.024 "
           "kΩ), E192, read from the other end\n";
    QTest::newRow("a band in doubt")
        << cs << QStringList{"decode", "YE", "VT", "červená/oranžová", "GD"} << 0
        << "žlutá fialová červená zlatá: 4,7 kΩ ±5 % (4,465–4,935 kΩ), E24\n"
           "žlutá fialová oranžová zlatá: 47 kΩ ±5 % (44,65–49,35 kΩ), E24\n";
    QTest::newRow("a band in doubt, measured")
        << en << QStringList{"decode", "YE", "VT", "RD/OG", "GD", "--measured", "4.6k"} << 0
        << "yellow violet red gold: 4.7 kΩ ±5 % (4.465–4.935 kΩ), E24\n"
           "left out, outside the measured value: 1\n";
    QTest::newRow("a repeated alternative is one colour")
        << en << QStringList{"decode", "RD/red/RD", "VT", "BK"} << 0
        << "27 Ω ±20 % (21.6–32.4 Ω), not in E6\n";
    QTest::newRow("no reading left")
        << en << QStringList{"decode", "YE", "VT", "RD/OG", "GD", "--measured", "1k"} << 1 << "";
    QTest::newRow("encode") << en << QStringList{"encode", "4k7"} << 0
                            << "4.7 kΩ: yellow violet red gold (±5 %)\n";
    QTest::newRow("a tolerance after the value")
        << en << QStringList{"encode", "10k 1%"} << 0 << "10 kΩ: brown black orange brown (±1 %)\n";
    QTest::newRow("a tolerance after the value, and the same one asked")
        << en << QStringList{"encode", "10k±1%", "--tolerance", "1"} << 0
        << "10 kΩ: brown black orange brown (±1 %)\n";
    QTest::newRow("encode in Czech") << cs << QStringList{"encode", "4,7k"} << 0
                                     << "4,7 kΩ: žlutá fialová červená zlatá (±5 %)\n";
    QTest::newRow("series named in any case, and once")
        << en << QStringList{"series", "5k", "--series", "e24,E24"} << 0
        << "E24: 5 kΩ is not in the series; nearest 4.7 kΩ (−6 %) below and 5.1 kΩ (+2 %) "
           "above\n";
    QTest::newRow("--lang in capitals") << en << QStringList{"--lang", "CS", "encode", "4k7"} << 0
                                        << "4,7 kΩ: žlutá fialová červená zlatá (±5 %)\n";
    QTest::newRow("series") << en << QStringList{"series", "5k", "--series", "E24"} << 0
                            << "E24: 5 kΩ is not in the series; nearest 4.7 kΩ (−6 %) below and "
                               "5.1 kΩ (+2 %) above\n";
    QTest::newRow("series member in Czech")
        << cs << QStringList{"series", "4k7", "--series", "E96"} << 0
        << "E96: 4,7 kΩ v řadě není; nejbližší nižší 4,64 kΩ (−1,3 %), vyšší 4,75 kΩ (+1,1 %)\n";
    QTest::newRow("smd names every reading")
        << en << QStringList{"smd", "01C", "472", "4R7", "10R"} << 0
        << "01C: 10 kΩ ±1 % (EIA-96)\n472: 4.7 kΩ (3-digit)\n4R7: 4.7 Ω (R code)\n"
           "10R: 10 Ω (R code); 1.24 Ω ±1 % (EIA-96)\n";
    QTest::newRow("smd with one unreadable marking")
        << en << QStringList{"smd", "472", "00C"} << 2 << "472: 4.7 kΩ (3-digit)\n";
    QTest::newRow("encode --smd")
        << en << QStringList{"encode", "4k7", "--smd"} << 0
        << "4.7 kΩ: 472 (3-digit)\n4.7 kΩ: 4701 (4-digit)\n4.7 kΩ has no EIA-96 marking; "
           "nearest: 65B (4.64 kΩ) below, 66B (4.75 kΩ) above\n";
    QTest::newRow("encode --smd, no system")
        << en << QStringList{"encode", "0R0001", "--smd"} << 1
        << "0.1 mΩ has no 3-digit marking; nearest: none below, R01 (10 mΩ) above\n"
           "0.1 mΩ has no 4-digit marking; nearest: none below, R001 (1 mΩ) above\n"
           "0.1 mΩ has no EIA-96 marking; nearest: none below, 01Z (100 mΩ) above\n";
    QTest::newRow("no marking") << en << QStringList{"encode", "4k75", "--bands", "4"} << 1 << "";
    QTest::newRow("part, every family at 4.7 kΩ ±1 % in 0603")
        << en << QStringList{"part", "4.7k", "--tolerance", "1", "--size", "0603"} << 0
        << "4.7 kΩ ±1 %, 0603:\nYageo RC: RC0603FR-074K7L\nPanasonic ERJ: ERJ-3EKF4701V\n"
           "Vishay CRCW: CRCW06034K70FKEA\nStackpole RMCF: RMCF0603FT4K70\n"
           "Stackpole RMCP: RMCP0603FT4K70\nVishay TNPW: TNPW06034K70FEEA\n"
           "Yageo RT: RT0603FRE074K7L\nBourns CR: CR0603-FX-4701ELF\nTE CRG: CRG0603F4K7\n";
    QTest::newRow("part, makers and a metric size, the tolerance in the value")
        << cs << QStringList{"part", "10k 1%", "--size", "1005", "--maker", "vishay,Yageo RC"} << 0
        << "10 kΩ ±1 %, 0402:\nYageo RC: RC0402FR-0710KL\nVishay CRCW: CRCW040210K0FKED\n"
           "Vishay TNPW: TNPW040210K0FEED\n";
    QTest::newRow("part, a value of E192 at each family's widest")
        << en << QStringList{"part", "4.81k"} << 0
        << "4.81 kΩ, 0603:\nVishay TNPW: TNPW06034K81DEEA (±0.5 %)\n";
    QTest::newRow("part, a value outside the series asked for")
        << en << QStringList{"part", "4.7k", "--series", "E96"} << 1 << "";
    QTest::newRow("part, a size only some sizes reach")
        << en << QStringList{"part", "100M", "--size", "0603"} << 1 << "";
    QTest::newRow("version") << en << QStringList{"--version"} << 0 << "ohmilka-code 1.0.0\n";
}

void TestCodeCommand::answers()
{
    QFETCH(Language, language);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    const Result result = run(arguments, language);
    QCOMPARE(result.status, status);
    QCOMPARE(result.out, out);
    QCOMPARE(result.err.count(u'\n'), status == 0 ? 0 : 1);
}

void TestCodeCommand::jsonCarriesExactNumbers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expected"); // JSON, compared as parsed
    QTest::newRow("decode")
        << QStringList{"decode", "yellow", "violet", "red", "gold"} << 0
        << R"json({"result": "read", "bands": ["yellow","violet","red","gold"], "ohms": 4700,
                                  "tolerance_percent": 5, "tempco_ppm_per_k": null,
                                  "min_ohms": 4465, "max_ohms": 4935,
                                  "series": ["E24"], "in_series": true, "sold_series": "E24",
                                  "from_other_end": false,
                                  "text": "4,7 kΩ ±5 % (4,465–4,935 kΩ), E24", "other_readings": []
})json";
    QTest::newRow("decode from the other end")
        << QStringList{"decode", "BN", "BK", "BK", "RD", "BN"} << 0
        << R"json({"result": "read", "bands": ["brown","black","black","red","brown"], "ohms": 10000,
              "tolerance_percent": 1, "tempco_ppm_per_k": null, "min_ohms": 9900,
              "max_ohms": 10100, "series": ["E96", "E24"], "in_series": true,
              "sold_series": "E96", "from_other_end": false,
              "other_readings": [{"bands": ["brown","red","black","black",
              "brown"], "ohms": 120, "tolerance_percent": 1, "tempco_ppm_per_k": null,
              "min_ohms": 118.8, "max_ohms": 121.2, "series": ["E96", "E24"], "in_series": true,
              "sold_series": "E24", "from_other_end": true,
              "text": "120 Ω ±1 % (118,8–121,2 Ω), E24, čteno z druhého konce"}]})json";
    QTest::newRow("decode in doubt")
        << QStringList{"decode", "YE", "VT", "RD/OG", "GD", "--measured", "47k"} << 0
        << R"json({"result": "read", "readings": [{"bands": ["yellow","violet","orange","gold"], "ohms": 47000,
              "tolerance_percent": 5, "tempco_ppm_per_k": null, "min_ohms": 44650,
              "max_ohms": 49350, "series": ["E24"], "in_series": true, "sold_series": "E24",
              "from_other_end": false, "text": "žlutá fialová oranžová zlatá: 47 kΩ ±5 % (44,65–49,35 kΩ), E24"}],
              "dropped": 1, "measured_ohms": 47000, "text": "vynecháno (neodpovídá naměřené hodnotě): 1"})json";
    QTest::newRow("sub-ohm")
        << QStringList{"decode", "RD", "RD", "SR"} << 0
        << R"json({"result": "read", "bands": ["red","red","silver"], "ohms": 0.22,
                                   "tolerance_percent": 20, "tempco_ppm_per_k": null,
                                   "min_ohms": 0.176, "max_ohms": 0.264,
                                   "series": ["E6"], "in_series": true, "sold_series": "E6",
                                   "from_other_end": false,
                                   "text": "220 mΩ ±20 % (176–264 mΩ), E6", "other_readings": []
})json";
    QTest::newRow("encode") << QStringList{"encode", "4k7"} << 0
                            << R"json({"result": "bands", "reason": null, "ohms": 4700,
                                  "bands": ["yellow","violet","red","gold"], "band_count": 4,
                                  "below_ohms": null, "above_ohms": null, "tolerance_percent": 5, "tempco_ppm_per_k": null,
                                  "tempco_by_default": false,
                                  "text": "4,7 kΩ: žlutá fialová červená zlatá (±5 %)"
})json";
    QTest::newRow("encode with a coefficient by default")
        << QStringList{"encode", "4k7", "--bands", "6"} << 0
        << R"json({"result": "bands", "reason": null, "ohms": 4700,
              "bands": ["yellow","violet","black","brown","brown","brown"], "band_count": 6,
              "below_ohms": null, "above_ohms": null, "tolerance_percent": 1, "tempco_ppm_per_k": 100, "tempco_by_default": true,
              "text": "4,7 kΩ: žlutá fialová černá hnědá hnědá hnědá (±1 %, 100 ppm/K, výchozí)"
})json";
    QTest::newRow("no marking") << QStringList{"encode", "4k75", "--bands", "4"} << 1
                                << R"json({"result": "none", "ohms": 4750, "bands": null,
                                      "band_count": 4, "tolerance_percent": null,
                                      "tempco_ppm_per_k": null, "tempco_by_default": null,
                                      "below_ohms": 4700, "above_ohms": 4800})json";
    QTest::newRow("series")
        << QStringList{"series", "5k", "--series", "E24"} << 0
        << R"json({"ohms": 5000, "series": [{"name": "E24", "ohms": 5000, "member": false,
                                  "below_ohms": 4700, "above_ohms": 5100, "below_percent": -6,
                                  "above_percent": 2, "text": "E24: 5 kΩ v řadě není; nejbližší nižší 4,7 kΩ (−6 %), vyšší 5,1 kΩ (+2 %)"}]})json";
    QTest::newRow("smd")
        << QStringList{"smd", "10r"} << 0
        << R"json({"marking": "10r", "result": "read", "reason": null, "text": "10r: 10 Ω (s R); 1,24 Ω ±1 % (EIA-96)", "readings": [
                               {"system": "R code", "ohms": 10, "tolerance_percent": null,
                                "text": "10 Ω"},
                               {"system": "EIA-96", "ohms": 1.24, "tolerance_percent": 1,
                                "text": "1,24 Ω ±1 %"}]})json";
    QTest::newRow("encode --smd") << QStringList{"encode", "49R9", "--smd"} << 0
                                  << R"json({"ohms": 49.9, "result": "marked", "markings": [
                               {"system": "3-digit", "ohms": 49.9, "marking": null,
                                "below": {"marking": "490", "ohms": 49},
                                "above": {"marking": "500", "ohms": 50},
                                "text": "49,9 Ω nemá značku v systému tří číslic; nejbližší: 490 (49 Ω) nižší, 500 (50 Ω) vyšší"},
                               {"system": "4-digit", "ohms": 49.9, "marking": "49R9", "below": null, "above": null,
                                "text": "49,9 Ω: 49R9 (4 číslice)"},
                               {"system": "EIA-96", "ohms": 49.9, "marking": "68X", "below": null, "above": null,
                                "text": "49,9 Ω: 68X (EIA-96)"}]})json";
    QTest::newRow("part")
        << QStringList{"part", "4.7k", "--tolerance", "1", "--size", "2010", "--maker", "Yageo RC"}
        << 0 << R"json({"ohms": 4700, "tolerance_percent": 1, "size": "2010", "size_metric": "5025",
                  "parts": [
                  {"maker": "Yageo", "family": "Yageo RC", "part_number": "RC2010FK-074K7L",
                   "tolerance_percent": 1, "size": "2010",
                   "source": "Yageo RC_L series, V.12 (2022-08-02), Tables 2 and 3",
                   "fields": [
                     {"role": "size", "code": "2010", "meaning": "2010", "others": []},
                     {"role": "tolerance", "code": "F", "meaning": "±1 %", "others": []},
                     {"role": "packaging", "code": "K", "meaning": "embossed taping reel",
                      "others": []},
                     {"role": "tcr", "code": "-", "meaning": "the series' own", "others": []},
                     {"role": "packaging", "code": "07", "meaning": "7 inch reel",
                      "others": [{"code": "13", "meaning": "13 inch reel"}]},
                     {"role": "resistance", "code": "4K7", "meaning": "", "others": []},
                     {"role": "special", "code": "L", "meaning": "default code", "others": []}],
                   "text": "Yageo RC: RC2010FK-074K7L"}],
                  "shortfall": null})json";
    QTest::newRow("part, none offered")
        << QStringList{"part", "4.7k", "--tolerance", "0.1", "--maker", "Bourns"} << 1
        << R"json({"ohms": 4700, "tolerance_percent": 0.1, "size": "0603", "size_metric": "1608",
                  "parts": [],
                  "shortfall": "žádná tabulka výrobce nenabízí ±0,1 %; nabízí se: ±1 %, ±5 %"})json";
}

void TestCodeCommand::jsonCarriesExactNumbers()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, expected);
    const Result result = run(arguments << QStringLiteral("--json"), Language::Czech);
    QCOMPARE(result.status, status);
    // In Czech: the text follows the language; colour names and numbers do not.
    QJsonObject got = QJsonDocument::fromJson(result.out.toUtf8()).object();
    const QJsonObject want = QJsonDocument::fromJson(expected.toUtf8()).object();
    QVERIFY2(!want.isEmpty(), "the expected JSON does not parse");
    if (!want.contains(QStringLiteral("text"))) { // a row of numbers alone
        got.remove(QStringLiteral("text"));
        got.remove(QStringLiteral("reason"));
    }
    QCOMPARE(got, want);
    QVERIFY2(!result.out.contains(QStringLiteral("00000")),
             qPrintable(result.out)); // no binary artefacts
}

void TestCodeCommand::partNamesWhatIsOfferedNearest_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("line"); // on standard error, with the status 1
    QTest::newRow("a tolerance no family has")
        << QStringList{"part", "4k7", "--tolerance", "3", "--maker", "Bourns"}
        << "no maker's table offers ±3 %; offered: ±1 %, ±5 %";
    QTest::newRow("a size no family has at that tolerance")
        << QStringList{"part",   "4k7",  "--tolerance", "0.1",
                       "--size", "2512", "--maker",     "Vishay TNPW"}
        << "no maker's table offers ±0.1 % in 2512; offered in 0201, 0402, 0603, 0805, 1206, 1210";
    QTest::newRow("a value in none of the series at that tolerance")
        << QStringList{"part", "4.75k", "--tolerance", "5"}
        << "4.75 kΩ is in no series offered at ±5 % in 0603 (E24); nearest 4.7 kΩ below and "
           "5.1 kΩ above";
    QTest::newRow("a value in no series at all")
        << QStringList{"part", "4.83k"}
        << "4.83 kΩ is in no series offered in 0603 (E24, E96, E192); nearest 4.81 kΩ below and "
           "4.87 kΩ above";
    QTest::newRow("beyond the ranges")
        << QStringList{"part", "100M", "--maker", "Yageo RC"}
        << "no maker's table offers 100 MΩ ±5 % in 0603, only 1 Ω to 22 MΩ; 100 MΩ ±5 % is "
           "offered in 0805, 1206";
    QTest::newRow("in a gap of the tables")
        << QStringList{"part", "2.2M", "--size", "0402", "--maker", "Bourns"}
        << "no maker's table offers 2.2 MΩ ±5 % in 0402, where 1 Ω to 20 MΩ is offered with gaps; "
           "2.2 MΩ ±5 % is offered in 0201, 0603, 0805, 1206, 2010, 2512";
    QTest::newRow("below every range, in no size")
        << QStringList{"part", "0.0481"}
        << "no maker's table offers 48.1 mΩ in 0603, only 100 mΩ to 22 MΩ; 48.1 mΩ is offered in "
           "no size";
    QTest::newRow("outside the series asked for")
        << QStringList{"part", "4.7k", "--series", "E48,E96"}
        << "4.7 kΩ is not in E48 or E96; nearest 4.64 kΩ below and 4.75 kΩ above";
}

void TestCodeCommand::partNamesWhatIsOfferedNearest()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, line);
    const Result result = run(arguments);
    QCOMPARE(result.status, 1);
    QCOMPARE(result.out, QString());
    QCOMPARE(result.err, "ohmilka-code: " + line + "\n");
}

void TestCodeCommand::badInputGetsOneLineAndStatusTwo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("names"); // what the line must name
    QTest::newRow("no command") << QStringList{} << "commands: decode, encode, series";
    QTest::newRow("unknown colour") << QStringList{"decode", "red", "blak", "red"}
                                    << "band 2: 'blak' is no colour; colours: pink";
    QTest::newRow("black first") << QStringList{"decode", "black", "red", "red"}
                                 << "band 1: black is no first digit; first digits: brown";
    QTest::newRow("two bands") << QStringList{"decode", "red", "red"} << "1, 3, 4, 5 or 6 colours";
    QTest::newRow("ambiguous value") << QStringList{"encode", "1,000"} << "value '1,000'";
    QTest::newRow("negative value after --")
        << QStringList{"encode", "--", "-47"} << "not negative";
    QTest::newRow("two prefixes") << QStringList{"encode", "4k7M"} << "more than one prefix";
    QTest::newRow("empty value") << QStringList{"encode", ""} << "it is empty";
    QTest::newRow("two tolerances") << QStringList{"encode", "10k 5%", "--tolerance", "1"}
                                    << "the value says ±5 %, --tolerance says '1'";
    QTest::newRow("two values") << QStringList{"encode", "10k 4k7"}
                                << "it holds two values, '10k' and '4k7'";
    QTest::newRow("tempco with 4 bands")
        << QStringList{"encode", "4k7", "--bands", "4", "--tempco", "50"} << "--tempco needs 6";
    QTest::newRow("part, no such size")
        << QStringList{"part", "4k7", "--size", "0306"} << "--size: '0306' is no chip size";
    QTest::newRow("part, no such maker")
        << QStringList{"part", "4k7", "--maker", "Acme"}
        << "--maker: 'Acme' is no maker or family whose part numbers are written; they are: Yageo";
    QTest::newRow("part, no tolerance")
        << QStringList{"part", "4k7", "--tolerance", "x"} << "--tolerance: 'x' is no tolerance";
    QTest::newRow("part, a jumper") << QStringList{"part", "0R"} << "0 Ω is a jumper";
    QTest::newRow("part, an empty maker")
        << QStringList{"part", "1k", "--maker", "Yageo,"} << "--maker: '' is no maker";
    QTest::newRow("part, two tolerances") << QStringList{"part", "4k7 5%", "--tolerance", "1"}
                                          << "the value says ±5 %, --tolerance says '1'";
    QTest::newRow("tolerance with 3 bands")
        << QStringList{"encode", "4k7", "--bands", "3", "--tolerance", "5"} << "--bands 3";
    QTest::newRow("unknown tolerance") << QStringList{"encode", "4k7", "--tolerance", "3"}
                                       << "tolerances (%): 0.01, 0.02, 0.05, 0.1";
    QTest::newRow("unknown series")
        << QStringList{"series", "4k7", "--series", "E7"} << "series: E6, E12, E24, E48, E96, E192";
    QTest::newRow("series of 0") << QStringList{"series", "0"} << "0 Ω";
    QTest::newRow("an unknown command before another command's option")
        << QStringList{"decod", "RD", "RD", "RD", "--measured", "1k"}
        << "unknown command 'decod'; commands: decode, encode, series, smd, check";
    QTest::newRow("option of another command")
        << QStringList{"decode", "red", "--bands", "4"} << "--bands belongs to the encode";
    QTest::newRow("unknown option lists the command's own")
        << QStringList{"series", "4k7", "--bogus"}
        << "unknown option '--bogus'; options: --json, --lang, --help (-h), --version, --series";
    QTest::newRow("option without its value")
        << QStringList{"encode", "4k7", "--bands"} << "'--bands' needs a value";
    QTest::newRow("unknown colour among the alternatives")
        << QStringList{"decode", "YE", "VT", "RD/ORNGE", "GD"} << "band 3: 'ORNGE' is no colour";
    QTest::newRow("more than the limit") << QStringList{"decode",
                                                        "BN/RD/OG/YE/GN/BU/VT/GY/WH",
                                                        "BN/RD/OG/YE/GN/BU/VT/GY/WH",
                                                        "BN/RD/OG/YE/GN/BU/VT/GY/WH",
                                                        "RD/OG",
                                                        "BN/RD"}
                                         << "more than 1000 readings";
    QTest::newRow("two bands in doubt")
        << QStringList{"decode", "RD/OG", "RD/OG"} << "1, 3, 4, 5 or 6 colours, not 2";
    const QString thirteen = QStringLiteral("BK/BN/RD/OG/YE/GN/BU/VT/GY/WH/GD/SR/PK");
    QTest::newRow("more combinations than the limit, refused unread")
        << QStringList{"decode", thirteen, thirteen, thirteen, thirteen, thirteen, thirteen}
        << "more than 10000 combinations";
    QTest::newRow("--smd with bands") << QStringList{"encode", "4k7", "--smd", "--bands", "4"}
                                      << "--smd marks no bands; leave out --bands";
    QTest::newRow("unknown language")
        << QStringList{"--lang", "de", "decode", "BK"} << "languages: cs, en";
}

void TestCodeCommand::badInputGetsOneLineAndStatusTwo()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, names);
    const Result result = run(QStringList{QStringLiteral("--json")} + arguments);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    QCOMPARE(result.err.count(u'\n'), 1);
    QVERIFY2(result.err.startsWith(QStringLiteral("ohmilka-code: ")), qPrintable(result.err));
    QVERIFY2(result.err.contains(names), qPrintable(result.err));
}

void TestCodeCommand::jsonEscapesControlCharacters()
{
    const std::string escaped = ohmilka::cli::jsonString("a\tb\x01\"\\\x1f");
    QCOMPARE(QString::fromStdString(escaped), QStringLiteral(R"("a\u0009b\u0001\"\\\u001f")"));
    const QJsonDocument read =
        QJsonDocument::fromJson(QByteArray::fromStdString("[" + escaped + "]"));
    QCOMPARE(read.array().first().toString(), QStringLiteral("a\tb\x01\"\\\x1f"));
}

void TestCodeCommand::everyJsonLineParses_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("input");
    const auto row = [](const char *name, QByteArrayList arguments, QByteArray input = {}) {
        QTest::newRow(name) << (arguments << "--json") << input;
    };
    row("decode", {"decode", "BN", "BK", "BK", "RD", "BN"});
    row("decode in doubt", {"decode", "YE", "VT", "RD/OG", "GD", "--measured", "4.6k"});
    row("encode", {"encode", "4k7", "--bands", "6", "--tempco", "50"});
    row("encode, no marking", {"encode", "4k75", "--bands", "4"});
    row("encode --smd", {"encode", "0.976", "--smd"});
    row("series below a member by less than 1 %", {"series", "22.1", "--series", "E24"});
    row("smd", {"smd", "4R7", "01C", "47Q"});
    row("part", {"part", "4k7", "--tolerance", "1"});
    row("part, none offered", {"part", "4k7", "--tolerance", "3"});
    row("check --suggest", {"check", "--csv", "--suggest"},
        "Ref,Value,Footprint\nR1,4k7,R_0603_1608Metric\nR2,5k,R_0805_2012Metric\nR3,1k,\n");
    row("check", {"check"}, "5k\n4k7 1%\nlots\n0R\n");
    row("check, bytes that are not UTF-8", {"check"},
        "4k7\xff\n\xc3\x28\n\xed\xa0\x80\n\xf4\x90\n");
    row("check, controls", {"check"},
        "\x1b]0;title\x07\n\x7f\xc2\x9b"
        "2J\n");
    row("check CSV", {"check", "--csv"}, "Ref,Value\n\"R1\xfe, R2\",5k\nR3,\"\x01\"\n");
    QDir corpus(QStringLiteral(OHMILKA_SOURCE_DIR "/tests/fuzz/corpus"));
    QVERIFY(!corpus.entryList(QDir::Files).isEmpty());
    for (const QString &name : corpus.entryList(QDir::Files)) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // As the fuzz target takes them: arguments parted at NUL, and a list on stdin.
        const QByteArray words = (name + "-words").toUtf8(), list = (name + "-csv").toUtf8();
        QTest::newRow(words.constData()) << bytes.split('\0') << QByteArray();
        QTest::newRow(list.constData()) << QByteArrayList{"check", "--csv", "--json"} << bytes;
    }
}

void TestCodeCommand::everyJsonLineParses()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, input);
    if (!arguments.contains("--json"))
        arguments << "--json";
    std::istringstream in(input.toStdString());
    const CodeCommandBytes result = runCodeCommandOnBytes(arguments, in);
    for (const QByteArray &line : QByteArray::fromStdString(result.out).split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        QVERIFY2(error.error == QJsonParseError::NoError && document.isObject(), line.constData());
        // Qt reads "-.5" too; the grammar (RFC 8259, section 6) does not.
        static const QRegularExpression strings(QStringLiteral(R"("(?:[^"\\]|\\.)*")"));
        static const QRegularExpression numberLike(QStringLiteral(R"([-+.0-9][-+.0-9eE]*)"));
        static const QRegularExpression number(
            QStringLiteral(R"(^-?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][-+]?[0-9]+)?$)"));
        const QString bare = QString::fromUtf8(line).replace(strings, QStringLiteral("\"\""));
        for (const QRegularExpressionMatch &match : numberLike.globalMatch(bare))
            QVERIFY2(number.match(match.captured()).hasMatch(), line.constData());
        QVERIFY2(!line.contains("\x1b") && !line.contains("\x7f"), line.constData());
    }
}

void TestCodeCommand::inputReachesTheTerminalEscaped_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("shown"); // as it stands in the message
    QTest::newRow("retitling the terminal")
        << QByteArrayList{"check"} << QByteArray("\x1b]0;owned\x07\n") << R"('\x1b]0;owned\x07')";
    QTest::newRow("clearing the screen")
        << QByteArrayList{"encode", "\x1b[2J"} << QByteArray() << R"('\x1b[2J')";
    QTest::newRow("C1 and DEL") << QByteArrayList{"decode", "RD", "\xc2\x9b\x7f", "RD"}
                                << QByteArray() << R"('\xc2\x9b\x7f')";
    QTest::newRow("not UTF-8, tab kept")
        << QByteArrayList{"smd", "4\t\xff"} << QByteArray() << "'4\t\\xff'";
    QTest::newRow("a line break in a quoted cell")
        << QByteArrayList{"check", "--csv"} << QByteArray("Ref,Value\nR1,\"1\n\x1b[A\"\n")
        << R"('1\x0a\x1b[A')";
    QTest::newRow("references and the file name")
        << QByteArrayList{"check", "--csv"} << QByteArray("Ref,Value\n\"R1 \x1b[A\",5k\n")
        << R"(-:2: R1, \x1b[A: 5 kΩ)";
}

void TestCodeCommand::inputReachesTheTerminalEscaped()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QString, shown);
    std::istringstream in(input.toStdString());
    const CodeCommandBytes result = runCodeCommandOnBytes(arguments, in);
    const std::string written = result.out + result.err;
    QVERIFY2(written.find_first_of("\x1b\x07\x7f") == std::string::npos, written.c_str());
    QVERIFY2(written.find("\xc2\x9b") == std::string::npos, written.c_str());
    QVERIFY2(QString::fromUtf8(written).contains(shown), written.c_str());
}

void TestCodeCommand::failedWriteIsAnError()
{
    std::ostringstream full;
    full.setstate(std::ios::badbit);
    const Result result = run({QStringLiteral("-h")}, Language::Czech, &full);
    QCOMPARE(result.status, 2);
    QCOMPARE(result.err.count(u'\n'), 1);
    QVERIFY2(result.err.startsWith(QStringLiteral("ohmilka-code: nelze zapsat výstup")),
             qPrintable(result.err));
}

namespace {
// The words bash offers in a branch of the completion's case, its variables spelled out.
QSet<QString> completionWords(const QString &script, const QString &branch)
{
    QHash<QString, QString> variables;
    static const QRegularExpression local(QStringLiteral(R"re(local (\w+)="([^"]*)")re"));
    for (const QRegularExpressionMatch &match : local.globalMatch(script))
        variables.insert(match.captured(1), match.captured(2));
    const QRegularExpression start(QStringLiteral(R"(\n\s*)") + QRegularExpression::escape(branch) +
                                   QStringLiteral(R"(\))"));
    const QRegularExpressionMatch found = start.match(script);
    if (!found.hasMatch())
        return {};
    const QString body = script.mid(found.capturedEnd(), script.indexOf(";;", found.capturedEnd()) -
                                                             found.capturedEnd());
    QSet<QString> words;
    static const QRegularExpression wordList(QStringLiteral(R"re(-W "([^"]*)")re"));
    for (const QRegularExpressionMatch &list : wordList.globalMatch(body))
        for (QString word : list.captured(1).split(QRegularExpression(QStringLiteral(R"(\s+)")),
                                                   Qt::SkipEmptyParts)) {
            if (word.startsWith(u'$'))
                for (const QString &inner : variables.value(word.mid(1)).simplified().split(u' '))
                    words.insert(inner);
            else
                words.insert(word);
        }
    return words;
}

QSet<QString> optionWords(const ohmilka::cli::CommandRow *command)
{
    QSet<QString> words;
    for (const ohmilka::cli::OptionRow &option : ohmilka::cli::optionTable()) {
        if (command ? !ohmilka::cli::takenBy(option.name, *command)
                    : !ohmilka::cli::ownersOf(option.name).empty())
            continue;
        words.insert(QStringLiteral("--") + QString::fromLatin1(option.longName));
        if (option.shortName)
            words.insert(QStringLiteral("-") + QChar::fromLatin1(option.shortName));
    }
    return words;
}

QSet<QString> wordsOf(const auto &texts)
{
    QSet<QString> words;
    for (const auto &text : texts)
        words.insert(QString::fromUtf8(std::string_view(text)));
    return words;
}
} // namespace

void TestCodeCommand::bashCompletesEveryWordTheProgramKnows()
{
    using namespace ohmilka::cli;
    QFile file(QStringLiteral(OHMILKA_SOURCE_DIR "/cli/ohmilka-code.bash"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString script = QString::fromUtf8(file.readAll());

    QCOMPARE(completionWords(script, QStringLiteral("\"\"")),
             wordsOf(commandNames()) + optionWords(nullptr));
    std::vector<std::string> colours;
    for (const ColourMeaning &colour : colourTable()) {
        colours.emplace_back(colour.english);
        colours.emplace_back(colour.czech);
        // The Czech word without its diacritics, and the IEC code, as --help lists them.
        QString plain = QString::fromUtf8(colour.czech).normalized(QString::NormalizationForm_D);
        plain.remove(QRegularExpression(QStringLiteral("\\p{Mn}")));
        colours.push_back(plain.toStdString());
        if (!colour.iec.empty())
            colours.emplace_back(colour.iec);
    }
    for (const CommandRow &command : commandTable()) {
        QSet<QString> expected = optionWords(&command);
        if (command.name == "decode")
            expected += wordsOf(colours);
        QCOMPARE(completionWords(script, QString::fromUtf8(command.name)), expected);
    }

    std::vector<std::string_view> series;
    for (const Series &one : allSeries())
        series.push_back(one.name);
    std::vector<int> toleranceValues, tempcoValues;
    for (const ColourMeaning &colour : colourTable()) {
        if (colour.toleranceHundredths)
            toleranceValues.push_back(*colour.toleranceHundredths);
        if (colour.tempcoPpm)
            tempcoValues.push_back(*colour.tempcoPpm);
    }
    std::vector<std::string> tolerances, tempcos;
    for (int hundredths : toleranceValues)
        tolerances.push_back(percentText(hundredths, "."));
    for (int ppm : tempcoValues)
        tempcos.push_back(std::to_string(ppm));
    QCOMPARE(completionWords(script, QStringLiteral("--series")), wordsOf(series));
    QCOMPARE(completionWords(script, QStringLiteral("--tolerance")), wordsOf(tolerances));
    QCOMPARE(completionWords(script, QStringLiteral("--tempco")), wordsOf(tempcos));
    QCOMPARE(
        completionWords(script, QStringLiteral("--encoding")),
        wordsOf(std::vector<std::string_view>{"utf-8", "utf-16le", "utf-16be", "windows-1250"}));
    QCOMPARE(completionWords(script, QStringLiteral("--lang")),
             wordsOf(std::vector<std::string_view>{"cs", "en"}));
}

void TestCodeCommand::everyDocumentGivesTheSameExitStatuses_data()
{
    QTest::addColumn<QString>("document"); // in the source tree
    QTest::addColumn<QString>("form");     // how it writes a status: %1 the number, %2 the text
    QTest::addColumn<bool>("czech");
    QTest::newRow("manual page") << "man/ohmilka-code.1.in"
                                 << ".B %1\n%2\n"
                                 << false;
    QTest::newRow("Czech manual page") << "man/ohmilka-code.cs.1.in"
                                       << ".B %1\n%2\n"
                                       << true;
    QTest::newRow("README") << "README.md"
                            << "- %1: %2\n"
                            << false;
    QTest::newRow("usage") << ""
                           << "  %1  %2\n"
                           << false;
    QTest::newRow("Czech usage") << ""
                                 << "  %1  %2\n"
                                 << true;
}

void TestCodeCommand::everyDocumentGivesTheSameExitStatuses()
{
    QFETCH(QString, document);
    QFETCH(QString, form);
    QFETCH(bool, czech);
    const QString text =
        document.isEmpty()
            ? run({QStringLiteral("--help")}, czech ? Language::Czech : Language::English).out
            : sourceText(document);
    QVERIFY(!text.isEmpty());
    for (const ohmilka::cli::ExitStatusRow &row : ohmilka::cli::exitStatusTable())
        QVERIFY2(text.contains(
                     form.arg(row.status).arg(QString::fromUtf8(czech ? row.czech : row.english))),
                 qPrintable(QStringLiteral("status %1").arg(row.status)));
    const std::string_view pipe =
        czech ? ohmilka::cli::closedPipeCzech : ohmilka::cli::closedPipeEnglish;
    QVERIFY(text.contains(QString::fromUtf8(pipe.data(), qsizetype(pipe.size()))));
}

// Each "$ ohmilka-code ..." line of the README's examples, run as the shell would: the lines
// after it are what it prints, stdout and stderr as they come, then "echo $?" its status. A
// list the README shows with "$ iconv -f windows-1250 FILE" is written in that encoding.
void TestCodeCommand::theReadmesExamplesHold()
{
    const QString readme = sourceText(QStringLiteral("README.md"));
    QVERIFY(!readme.isEmpty());
    QStringList lines;
    for (const QString &line : readme.split(u'\n'))
        if (line.startsWith(QStringLiteral("    ")))
            lines << line.mid(4);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    int examples = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString call = lines[i];
        if (!call.startsWith(QStringLiteral("$ ")))
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !lines[end].startsWith(QStringLiteral("$ ")) &&
               !lines[end].isEmpty())
            ++end;
        const QStringList shown = lines.mid(i + 1, end - i - 1);
        if (call.startsWith(QStringLiteral("$ iconv -f windows-1250 "))) {
            QFile list(folder.filePath(call.section(u' ', -1)));
            QVERIFY(list.open(QIODevice::WriteOnly));
            // The letters of the example outside ASCII, as Windows-1250 codes them.
            static const QList<std::pair<QChar, char>> codes{{u'á', '\xE1'}, {u'č', '\xE8'},
                                                             {u'í', '\xED'}, {u'ř', '\xF8'},
                                                             {u'ý', '\xFD'}, {u'±', '\xB1'}};
            for (const QString &line : shown)
                for (const QChar c : line + u'\n') {
                    const auto code =
                        std::find_if(codes.begin(), codes.end(),
                                     [&](const auto &known) { return known.first == c; });
                    QVERIFY2(c.unicode() < 0x80 || code != codes.end(), qPrintable(QString(c)));
                    list.putChar(code != codes.end() ? code->second : c.toLatin1());
                }
            continue;
        }
        if (!call.startsWith(QStringLiteral("$ ohmilka-code ")))
            continue;
        ++examples;
        const bool czech = call.contains(QStringLiteral("LANG=cs_CZ"));
        call = call.section(u'#', 0, 0).trimmed();
        const bool status = call.endsWith(QStringLiteral("; echo $?"));
        call.chop(status ? 9 : 0);
        QStringList arguments = call.mid(15).split(u' ', Qt::SkipEmptyParts);
        for (QString &argument : arguments)
            if (QFileInfo::exists(folder.filePath(argument)))
                argument = folder.filePath(argument);
        const Result result = run(arguments, czech ? Language::Czech : Language::English);
        QString printed = result.out + result.err;
        printed.replace(folder.path() + u'/', QString());
        if (status)
            printed += QString::number(result.status) + u'\n';
        QStringList printedLines = printed.split(u'\n');
        printedLines.removeLast();
        printedLines.sort();
        QStringList shownLines = shown;
        shownLines.sort(); // the two streams as a terminal may interleave them
        QCOMPARE(printedLines, shownLines);
    }
    QVERIFY(examples >= 6);
}

void TestCodeCommand::bothManualPagesNameEveryOption()
{
    for (const char *page : {"man/ohmilka-code.1.in", "man/ohmilka-code.cs.1.in"}) {
        const QString text = sourceText(QString::fromLatin1(page));
        QVERIFY(!text.isEmpty());
        for (const ohmilka::cli::OptionRow &option : ohmilka::cli::optionTable()) {
            const QString name =
                QStringLiteral("\\-\\-") +
                QString::fromLatin1(option.longName).replace(u'-', QStringLiteral("\\-"));
            QVERIFY2(text.contains(name), qPrintable(QString::fromLatin1(page) + u' ' + name));
        }
    }
}

// Each example of both manual pages prints what the page shows, given small lists for the files
// it names: "$ " and the call, then its standard output and error as they come.
void TestCodeCommand::theManualPagesExamplesHold()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const auto write = [&](const QString &name, const QByteArray &text) {
        QFile list(folder.filePath(name));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(text);
    };
    write(QStringLiteral("parts.txt"), "4k7\n10k 1%\n");
    write(QStringLiteral("součástky.txt"), "4k7\n10k 1%\n");
    write(QStringLiteral("bom.csv"), "Ref,Value\nR1,4k7\n");
    for (const char *page : {"man/ohmilka-code.1.in", "man/ohmilka-code.cs.1.in"}) {
        const QString text = sourceText(QString::fromLatin1(page));
        QVERIFY(!text.isEmpty());
        const qsizetype start = text.indexOf(
            QStringLiteral(".nf\n"),
            text.indexOf(QRegularExpression(QStringLiteral("\\.SH (EXAMPLES|PŘÍKLADY)"))));
        const qsizetype end = text.indexOf(QStringLiteral(".fi\n"), start);
        QVERIFY(start > 0 && end > start);
        int examples = 0;
        const QStringList lines = text.mid(start + 4, end - start - 4)
                                      .replace(QStringLiteral("\\-"), QStringLiteral("-"))
                                      .split(u'\n', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString &line = lines[i];
            QVERIFY2(line.startsWith(QStringLiteral("$ ")), qPrintable(line));
            qsizetype next = i + 1;
            while (next < lines.size() && !lines[next].startsWith(QStringLiteral("$ ")))
                ++next;
            QStringList shown = lines.mid(i + 1, next - i - 1);
            i = next - 1;
            QStringList words = line.mid(2).split(u' ', Qt::SkipEmptyParts);
            bool czech = page == std::string_view("man/ohmilka-code.cs.1.in");
            if (words.front().startsWith(QStringLiteral("LANG=")))
                czech = words.takeFirst().startsWith(QStringLiteral("LANG=cs"));
            QCOMPARE(words.takeFirst(), QStringLiteral("ohmilka-code"));
            for (QString &word : words)
                if (QFileInfo::exists(folder.filePath(word)))
                    word = folder.filePath(word);
            const Result result = run(words, czech ? Language::Czech : Language::English);
            QString printed = result.out + result.err;
            printed.replace(folder.path() + u'/', QString());
            QStringList printedLines = printed.split(u'\n', Qt::SkipEmptyParts);
            printedLines.sort();
            shown.sort(); // the two streams as a terminal may interleave them
            QCOMPARE(printedLines, shown);
            ++examples;
        }
        QVERIFY(examples >= 8);
    }
}

void TestCodeCommand::jsonNamesEveryOutcome_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("results"); // each object's result, in order
    const auto words = [](const char *text) {
        return QString::fromUtf8(text).split(u' ', Qt::SkipEmptyParts);
    };
    QTest::newRow("decode, no reading holds the measured value")
        << words("decode YE VT RD GD --measured 10k") << 1 << QStringList{"none"};
    QTest::newRow("decode, no choice is a code: an input error")
        << words("decode GD/SR GD GD GD") << 2 << QStringList{};
    QTest::newRow("smd, an unreadable marking among others")
        << words("smd 472 abc 103") << 2 << QStringList{"read", "unreadable", "read"};
    QTest::newRow("encode, no bands") << words("encode 4k75 --bands 4") << 1 << QStringList{"none"};
    QTest::newRow("encode --smd, no system")
        << words("encode 1.23456 --smd") << 1 << QStringList{"none"};
    QTest::newRow("combine, none within") << words("combine 15.41k --parts 1 --within 0.01") << 1
                                          << QStringList{"header", "answer", "none"};
    QTest::newRow("divider, no pair in the total")
        << words("divider --ratio 0.5 --series E6 --total 1..1.5") << 1 << QStringList{"none"};
    QTest::newRow("divider, none within")
        << words("divider --vin 5 --vout 3.3 --count 2 --within 0.00001") << 1
        << QStringList{"header", "pair", "pair", "none"};
    QTest::newRow("check, a file that cannot be read")
        << words("check /nonexistent/list.csv") << 2 << QStringList{"unreadable_file", "summary"};
}

void TestCodeCommand::jsonNamesEveryOutcome()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, results);
    const Result result = run(arguments << QStringLiteral("--json"));
    QCOMPARE(result.status, status);
    QStringList found;
    for (const QString &line : result.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
        found << object.value("result").toString();
        // What a failure says on standard error, its object says too.
        if (const QString reason = object.value("reason").toString(); !reason.isEmpty()) {
            QCOMPARE(object.value("text").toString(), reason);
            QVERIFY2(result.err.contains(reason), qPrintable(result.err));
        }
    }
    QCOMPARE(found, results);
}

QTEST_GUILESS_MAIN(TestCodeCommand)
#include "test_code_command.moc"

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// What ohmilka-code's command line promises alike across its commands: options given twice,
// shortened or standing alone, numbers and their bounds, empty lists, colour choices, long
// arguments, and the manual's synopses and completion that describe them.

#include "CodeCommandRun.h"
#include "CommandTable.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using ohmilka::cli::Language;

Q_DECLARE_METATYPE(Language)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void optionsAreReadAlike_data();
    void optionsAreReadAlike();
    void numbersAreReadAsValuesAre_data();
    void numbersAreReadAsValuesAre();
    void everyCommandRefusesBeyondTheSameBounds_data();
    void everyCommandRefusesBeyondTheSameBounds();
    void listsThatNameNothingAreOneCase_data();
    void listsThatNameNothingAreOneCase();
    void twoStockFilesAreOneStock();
    void colourChoicesEndAlike_data();
    void colourChoicesEndAlike();
    void messagesQuoteShortly_data();
    void messagesQuoteShortly();
    void czechTextsQuoteAndDeclineAsCzechDoes_data();
    void czechTextsQuoteAndDeclineAsCzechDoes();
    void czechFromFollowsTheSpokenNumber_data();
    void czechFromFollowsTheSpokenNumber();
    void manualSynopsesAreTheUsage_data();
    void manualSynopsesAreTheUsage();
    void completionOffersValuesAfterOptions_data();
    void completionOffersValuesAfterOptions();

private:
    static QString sourceText(const QString &path)
    {
        QFile file(QStringLiteral(OHMILKA_SOURCE_DIR "/") + path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

namespace {
CodeCommandResult run(const QStringList &arguments, Language language = Language::English,
                      const std::string &input = {})
{
    return runCodeCommand(arguments, language, input);
}

// The columns of a table of calls: status, and the line on standard error or the start of the
// output; "" where that stream must be empty.
void callColumns()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QString>("outStart");
}

void checkCall(Language language = Language::English, const std::string &input = {})
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, err);
    QFETCH(QString, outStart);
    const CodeCommandResult result = run(arguments, language, input);
    QCOMPARE(result.err,
             err.isEmpty() ? QString() : QStringLiteral("ohmilka-code: ") + err + u'\n');
    QVERIFY2(outStart.isEmpty() ? result.out.isEmpty() : result.out.startsWith(outStart),
             qPrintable(result.out));
    QCOMPARE(result.status, status);
}
} // namespace

void TestCommandLine::optionsAreReadAlike_data()
{
    callColumns();
    QTest::newRow("an option given twice")
        << QStringList{"encode", "4k7", "--tolerance", "1", "--tolerance", "5"} << 2
        << "'--tolerance' is given twice; give it once"
        << "";
    QTest::newRow("a flag given twice") << QStringList{"encode", "4k7", "--json", "--json"} << 2
                                        << "'--json' is given twice; give it once"
                                        << "";
    QTest::newRow("--series twice is one list")
        << QStringList{"series", "4k7", "--series", "E6", "--series", "E12"} << 0 << ""
        << "E6: 4.7 kΩ is in the series";
    QTest::newRow("--series twice for combine is two series")
        << QStringList{"combine", "4k7", "--series", "E24", "--series", "E96"} << 2
        << "--series: combine takes one series"
        << "";
    QTest::newRow("--exclude twice leaves out both")
        << QStringList{"combine", "4k7", "--parts", "1", "--exclude", "4k7", "--exclude", "5k1"}
        << 0 << ""
        << "4.7 kΩ from E24, 1 Ω to 10 MΩ, ±5 %:\n1 resistor: 4.3 kΩ";
    QTest::newRow("a unique prefix") << QStringList{"encode", "4k7", "--tol", "1"} << 0 << ""
                                     << "4.7 kΩ: yellow violet red brown (±1 %)";
    QTest::newRow("an ambiguous prefix")
        << QStringList{"divider", "--v", "3"} << 2
        << "'--v' is ambiguous; it may be --version, --vin, --vout, --vref, --vref-tolerance"
        << "";
    QTest::newRow("an exact name within longer ones")
        << QStringList{"divider", "--vref", "0.8", "--vout", "3.3"} << 0 << ""
        << "Vref 0.8 V to 3.3 V";
    QTest::newRow("--version with more")
        << QStringList{"--version", "extra"} << 2 << "--version stands alone"
        << "";
    QTest::newRow("--version with --lang") << QStringList{"--version", "--lang", "cs"} << 0 << ""
                                           << "ohmilka-code ";
    QTest::newRow("--help with a command")
        << QStringList{"combine", "--help"} << 0 << ""
        << "Usage: ohmilka-code COMMAND ... [--json] [--lang cs|en]\n  combine VALUE";
    QTest::newRow("--help with a command and a value")
        << QStringList{"combine", "4k7", "--help"} << 2
        << "--help stands alone or with one command's name: --help combine"
        << "";
    QTest::newRow("--help with an unknown command")
        << QStringList{"--help", "combin"} << 2
        << "unknown command 'combin'; commands: decode, encode, series, smd, check, part, "
           "combine, divider (see --help)"
        << "";
}

void TestCommandLine::optionsAreReadAlike()
{
    checkCall();
}

void TestCommandLine::numbersAreReadAsValuesAre_data()
{
    callColumns();
    QTest::newRow("a ratio with an exponent")
        << QStringList{"divider", "--ratio", "25e-2", "--count", "1"} << 0 << ""
        << "ratio 0.25";
    QTest::newRow("a tolerance with an exponent")
        << QStringList{"encode", "4k7", "--tolerance", "1e0"} << 0 << ""
        << "4.7 kΩ: yellow violet red brown (±1 %)";
    QTest::newRow("a count with an exponent")
        << QStringList{"combine", "4k7", "--parts", "1e0"} << 0 << ""
        << "4.7 kΩ from E24, 1 Ω to 10 MΩ, ±5 %:\n1 resistor: 4.7 kΩ, 0 %";
    QTest::newRow("--within with an exponent")
        << QStringList{"combine", "4k7", "--within", "5e-1"} << 0 << ""
        << "4.7 kΩ from E24";
    QTest::newRow("a count that is no whole number")
        << QStringList{"combine", "4k7", "--parts", "1.5"} << 2
        << "--parts: '1.5' is no number from 1 to 4"
        << "";
    QTest::newRow("a per cent with a prefix")
        << QStringList{"combine", "4k7", "--within", "1k"} << 2
        << "--within: '1k' is no number of percent, such as 0.5"
        << "";
    QTest::newRow("a range without its end")
        << QStringList{"divider", "--ratio", "0.25", "--total", "10k.."} << 2
        << "--total: value '': it is empty (forms: 4700, 4k7, 4.7k, 4.7 kΩ, 470R, 0R22, 2M2, "
           "4.7e3, 220m)"
        << "";
    QTest::newRow("a measured value that is none")
        << QStringList{"decode", "BN", "BK", "RD", "GD", "--measured", "x"} << 2
        << "--measured: value 'x': it is not a resistance (forms: 4700, 4k7, 4.7k, 4.7 kΩ, 470R, "
           "0R22, 2M2, 4.7e3, 220m)"
        << "";
}

void TestCommandLine::numbersAreReadAsValuesAre()
{
    checkCall();
}

void TestCommandLine::everyCommandRefusesBeyondTheSameBounds_data()
{
    callColumns();
    const QString resistance = QStringLiteral(
        "value '%1': it is outside the resistances worked with, 1 µΩ to 1 PΩ (forms: 4700, 4k7, "
        "4.7k, 4.7 kΩ, 470R, 0R22, 2M2, 4.7e3, 220m)");
    QTest::newRow("series above") << QStringList{"series", "1e15"} << 2 << resistance.arg("1e15")
                                  << "";
    QTest::newRow("series below") << QStringList{"series", "1e-7"} << 2 << resistance.arg("1e-7")
                                  << "";
    QTest::newRow("combine above")
        << QStringList{"combine", "1e30"} << 2 << resistance.arg("1e30") << "";
    QTest::newRow("encode above") << QStringList{"encode", "1000T"} << 2
                                  << "value '1000T': it is not a resistance (forms: 4700, 4k7, "
                                     "4.7k, 4.7 kΩ, 470R, 0R22, 2M2, 4.7e3, 220m)"
                                  << "";
    QTest::newRow("the highest resistance") << QStringList{"series", "999e12"} << 0 << ""
                                            << "E6: 999000 GΩ is not in the series";
    QTest::newRow("the least resistance") << QStringList{"series", "1e-6"} << 0 << ""
                                          << "E6: 0.001 mΩ is in the series";
    QTest::newRow("--exclude above") << QStringList{"combine", "4k7", "--exclude", "1e20"} << 2
                                     << "--exclude: " + resistance.arg("1e20") << "";
    QTest::newRow("a voltage above")
        << QStringList{"divider", "--vin", "1e30", "--vout", "1"} << 2
        << "--vin: '1e30' is outside the voltages worked with, 1 µV to 1 MV"
        << "";
    QTest::newRow("a voltage below")
        << QStringList{"divider", "--vin", "5", "--vout", "1e-7"} << 2
        << "--vout: '1e-7' is outside the voltages worked with, 1 µV to 1 MV"
        << "";
    QTest::newRow("a ratio below") << QStringList{"divider", "--ratio", "1e-10"} << 2
                                   << "--ratio: '1e-10' is below the least ratio worked with, 1e-9"
                                   << "";
    QTest::newRow("the least ratio")
        << QStringList{"divider", "--ratio", "1e-9", "--count", "1"} << 0 << ""
        << "ratio 0.000000001, from E24";
}

void TestCommandLine::everyCommandRefusesBeyondTheSameBounds()
{
    checkCall();
}

void TestCommandLine::listsThatNameNothingAreOneCase_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blank lines") << QByteArray("\n  \n\t\n");
    QTest::newRow("comments") << QByteArray("# parts\n\n# none yet\n");
    QTest::newRow("comments without a line end") << QByteArray("# parts");
}

void TestCommandLine::listsThatNameNothingAreOneCase()
{
    QFETCH(QByteArray, list);
    const CodeCommandResult result = run({"check", "-"}, Language::English, list.toStdString());
    QCOMPARE(result.err, QStringLiteral("ohmilka-code: standard input names no values: it is "
                                        "empty, or holds only blank lines and comments\n"
                                        "ohmilka-code: checked 0: 0 in series, 0 outside, 0 "
                                        "unreadable; 0 not fitted, 0 other parts skipped\n"));
    QCOMPARE(result.status, 2);
    const CodeCommandResult stock =
        run({"combine", "4k7", "--stock", "-"}, Language::English, list.toStdString());
    QCOMPARE(stock.err, QStringLiteral("ohmilka-code: --stock: standard input names no resistor "
                                       "value above 0\n"));
    QCOMPARE(stock.status, 2);
}

void TestCommandLine::twoStockFilesAreOneStock()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const auto write = [&](const QString &name, const QByteArray &text) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write(QStringLiteral("a.txt"), "1k\n");
    write(QStringLiteral("b.txt"), "2k2\n1k\n");
    write(QStringLiteral("c.pdf"), "%PDF-1.4\n");
    const CodeCommandResult result =
        run({"combine", "3k2", "--parts", "2", "--stock", folder.filePath("a.txt"), "--stock",
             folder.filePath("b.txt")});
    QCOMPARE(result.status, 0);
    QVERIFY2(result.out.contains(QStringLiteral("from the 2 values in ")), qPrintable(result.out));
    QVERIFY2(result.out.contains(QStringLiteral("1 kΩ + 2.2 kΩ")), qPrintable(result.out));
    const CodeCommandResult json =
        run({"combine", "3k2", "--parts", "1", "--json", "--stock", folder.filePath("a.txt"),
             "--stock", folder.filePath("b.txt")});
    QVERIFY2(json.out.contains(QStringLiteral("\"stock_files\": [\"%1\", \"%2\"]")
                                   .arg(folder.filePath("a.txt"), folder.filePath("b.txt"))),
             qPrintable(json.out));
    const CodeCommandResult binary = run({"combine", "3k2", "--stock", folder.filePath("c.pdf")});
    QCOMPARE(binary.err, QStringLiteral("ohmilka-code: --stock: %1 is a PDF document, not a text "
                                        "parts list\n")
                             .arg(folder.filePath("c.pdf")));
    QCOMPARE(binary.status, 2);
}

void TestCommandLine::colourChoicesEndAlike_data()
{
    callColumns();
    QTest::newRow("one band that is no code")
        << QStringList{"decode", "RD"} << 2
        << "band 1: a single band is the black 0 Ω link, not red"
        << "";
    QTest::newRow("choices none of which is a code")
        << QStringList{"decode", "RD/OG"} << 2 << "no choice of these colours is a code"
        << "";
    QTest::newRow("an empty choice after the slash")
        << QStringList{"decode", "BN", "BK", "red/", "GD"} << 2
        << "band 3: 'red/' has an empty choice; write choices as red/orange"
        << "";
    QTest::newRow("an empty choice before the slash")
        << QStringList{"decode", "BN", "BK", "/red", "GD"} << 2
        << "band 3: '/red' has an empty choice; write choices as red/orange"
        << "";
    QTest::newRow("a measured value that leaves none")
        << QStringList{"decode", "BN", "BK", "RD", "GD", "--measured", "2k"} << 1
        << "the one reading does not hold the measured 2 kΩ"
        << "";
}

void TestCommandLine::colourChoicesEndAlike()
{
    checkCall();
}

void TestCommandLine::messagesQuoteShortly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("quoted");
    const QString long100 = QString(100, u'x');
    QTest::newRow("a value") << QStringList{"series", long100} << "'" + QString(40, u'x') + "…'";
    QTest::newRow("an option's value")
        << QStringList{"encode", "4k7", "--bands", long100} << "'" + QString(40, u'x') + "…'";
    QTest::newRow("forty characters whole")
        << QStringList{"series", QString(20, u'ž') + QString(20, u'x')}
        << "'" + QString(20, u'ž') + QString(20, u'x') + "'";
}

void TestCommandLine::messagesQuoteShortly()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, quoted);
    const CodeCommandResult result = run(arguments);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains(quoted), qPrintable(result.err));
    QVERIFY2(result.err.size() < 300, qPrintable(result.err));
}

void TestCommandLine::czechTextsQuoteAndDeclineAsCzechDoes_data()
{
    callColumns();
    QTest::newRow("a value quoted") << QStringList{"series", "xx"} << 2
                                    << "hodnota „xx“: to není hodnota odporu (tvary: 4700, 4k7, "
                                       "4,7k, 4,7 kΩ, 470R, 0R22, 2M2, 4,7e3, 220m)"
                                    << "";
    QTest::newRow("a long value quoted") << QStringList{"series", QString(50, u'x')} << 2
                                         << "hodnota „" + QString(40, u'x') +
                                                "…“: to není hodnota odporu (tvary: 4700, 4k7, "
                                                "4,7k, 4,7 kΩ, 470R, 0R22, 2M2, 4,7e3, 220m)"
                                         << "";
    QTest::newRow("ze before two readings")
        << QStringList{"decode", "BN", "BK", "RD/OG", "GD", "--measured", "5k"} << 1
        << "žádné ze 2 čtení neodpovídá naměřené hodnotě 5 kΩ"
        << "";
    QTest::newRow("ze before two values on standard input")
        << QStringList{"combine", "3k2", "--parts", "1", "--stock", "-"} << 0 << ""
        << "3,2 kΩ ze 2 hodnot na standardním vstupu:";
    QTest::newRow("z before a series") << QStringList{"combine", "4k7", "--parts", "1"} << 0 << ""
                                       << "4,7 kΩ z řady E24, 1 Ω až 10 MΩ, ±5 %:";
    QTest::newRow("a system in the genitive") << QStringList{"encode", "49.9", "--smd"} << 0 << ""
                                              << "49,9 Ω nemá značku v systému tří číslic";
    QTest::newRow("a list label") << QStringList{"encode", "4k7", "--bands", "7"} << 2
                                  << "--bands: „7“ není počet proužků; počty proužků: 3, 4, 5, 6"
                                  << "";
    QTest::newRow("an option with the noun it agrees with")
        << QStringList{"encode", "4k7", "--json=1"} << 2 << "volba „--json“ se zadává bez hodnoty"
        << "";
}

void TestCommandLine::czechTextsQuoteAndDeclineAsCzechDoes()
{
    checkCall(Language::Czech, "1k\n2k2\n");
}

void TestCommandLine::czechFromFollowsTheSpokenNumber_data()
{
    QTest::addColumn<long>("number");
    QTest::addColumn<QString>("from");
    for (const auto &[number, from] : std::initializer_list<std::pair<long, const char *>>{
             {1, "z"},      {2, "ze"},      {3, "ze"},     {5, "z"},    {7, "ze"},    {10, "z"},
             {12, "ze"},    {18, "z"},      {20, "ze"},    {37, "ze"},  {50, "z"},    {100, "ze"},
             {150, "ze"},   {500, "z"},     {1000, "z"},   {1500, "z"}, {2000, "ze"}, {10000, "z"},
             {12000, "ze"}, {100000, "ze"}, {1000000, "z"}})
        QTest::newRow(qPrintable(QString::number(number))) << number << QString::fromLatin1(from);
}

void TestCommandLine::czechFromFollowsTheSpokenNumber()
{
    QFETCH(long, number);
    QFETCH(QString, from);
    QCOMPARE(QString::fromUtf8(ohmilka::cli::czechFrom(number).data()), from);
}

void TestCommandLine::manualSynopsesAreTheUsage_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("section");
    QTest::addColumn<Language>("language");
    QTest::newRow("English") << "man/ohmilka-code.1.in"
                             << ".SH SYNOPSIS\n"
                             << Language::English;
    QTest::newRow("Czech") << "man/ohmilka-code.cs.1.in"
                           << ".SH POUŽITÍ\n"
                           << Language::Czech;
}

// The manual's synopsis lines, with the fonts taken off, are the usage's, in its order.
void TestCommandLine::manualSynopsesAreTheUsage()
{
    QFETCH(QString, page);
    QFETCH(QString, section);
    QFETCH(Language, language);
    const QString text = sourceText(page);
    const qsizetype start = text.indexOf(section);
    QVERIFY(start > 0);
    QStringList manual;
    for (const QString &line : text.mid(start + section.size()).split(u'\n')) {
        if (line.startsWith(u'.') && line != QStringLiteral(".br"))
            break;
        if (line == QStringLiteral(".br"))
            continue;
        QString plain = line;
        plain.remove(QRegularExpression(QStringLiteral(R"(\\f[BIRP])")));
        plain.replace(QStringLiteral("\\-"), QStringLiteral("-"));
        manual << plain;
    }
    manual.removeAll(QString());
    QStringList usage;
    for (const ohmilka::cli::CommandRow &command : ohmilka::cli::commandTable())
        for (const ohmilka::cli::UsageLine &line :
             language == Language::Czech ? command.usageCzech : command.usageEnglish)
            usage << QStringLiteral("ohmilka-code ") +
                         QString::fromUtf8(line.synopsis.data(), qsizetype(line.synopsis.size()))
                             .replace(u'\n', u' ');
    QCOMPARE(manual, usage);
}

void TestCommandLine::completionOffersValuesAfterOptions_data()
{
    QTest::addColumn<QString>("line"); // the words typed, the last one being completed
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("a count") << "divider --count " << QStringList{};
    QTest::newRow("a measured value") << "decode BN BK RD GD --measured " << QStringList{};
    QTest::newRow("a series") << "combine 4k7 --series E1" << QStringList{"E12", "E192"};
    QTest::newRow("band counts") << "encode 4k7 --bands " << QStringList{"3", "4", "5", "6"};
    QTest::newRow("a colour without diacritics") << "decode hned" << QStringList{"hneda"};
    QTest::newRow("a colour with diacritics") << "decode hně" << QStringList{"hnědá"};
    QTest::newRow("a two-letter code") << "decode B" << QStringList{"BK", "BN", "BU"};
    QTest::newRow("options after a value") << "series 4k7 --se" << QStringList{"--series"};
}

// The completion as bash runs it, on the words of a line.
void TestCommandLine::completionOffersValuesAfterOptions()
{
    QFETCH(QString, line);
    QFETCH(QStringList, offered);
    const QString bash = QStandardPaths::findExecutable(QStringLiteral("bash"));
    if (bash.isEmpty())
        QSKIP("no bash here");
    QStringList words = (QStringLiteral("ohmilka-code ") + line).split(u' ');
    QString array;
    for (const QString &word : words)
        array += u'\'' + word + QStringLiteral("' ");
    QProcess shell;
    shell.start(bash, {QStringLiteral("-c"),
                       QStringLiteral("source '%1'; COMP_WORDS=(%2); COMP_CWORD=%3; _ohmilka_code; "
                                      "printf '%s\\n' \"${COMPREPLY[@]}\"")
                           .arg(QStringLiteral(OHMILKA_SOURCE_DIR "/cli/ohmilka-code.bash"), array)
                           .arg(words.size() - 1)});
    QVERIFY(shell.waitForFinished());
    QCOMPARE(shell.exitCode(), 0);
    QStringList got = QString::fromUtf8(shell.readAllStandardOutput()).split(u'\n');
    got.removeAll(QString());
    got.sort();
    offered.sort();
    QCOMPARE(got, offered);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "NumberFormat.h"
#include "Spreadsheet.h"

#include <QFile>
#include <QTest>

#include <istream>
#include <iterator>

using namespace ohmilka::partslist;

Q_DECLARE_METATYPE(std::optional<SpreadsheetProblem>)

namespace {
QString testFile(const QString &name)
{
    return QStringLiteral(OHMILKA_SOURCE_DIR "/tests/spreadsheets/") + name;
}

QByteArray contentOf(const QString &name)
{
    QFile file(testFile(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string rowsOf(Spreadsheet &spreadsheet, std::size_t sheet)
{
    const std::unique_ptr<std::streambuf> rows = spreadsheet.rows(sheet);
    std::istream in(rows.get());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

class SpreadsheetTest : public QObject
{
    Q_OBJECT

private slots:
    void sheetsReadAsTheirCsvExport_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("sheets");
        QTest::addColumn<QString>("exported");
        QTest::newRow("Office Open XML")
            << "bom.xlsx" << QStringList{"Notes", "BOM"} << "bom.xlsx.csv";
        QTest::newRow("its elements prefixed")
            << "prefixed.xlsx" << QStringList{"BOM"} << "bom.xlsx.csv";
        QTest::newRow("OpenDocument") << "bom.ods" << QStringList{"Title", "BOM"} << "bom.ods.csv";
    }
    void sheetsReadAsTheirCsvExport()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, sheets);
        QFETCH(QString, exported);
        Spreadsheet spreadsheet(testFile(file).toStdString());
        QCOMPARE(spreadsheet.problem(), std::nullopt);
        QStringList names;
        for (const std::string &name : spreadsheet.sheets())
            names << QString::fromStdString(name);
        QCOMPARE(names, sheets);
        QCOMPARE(QByteArray::fromStdString(rowsOf(spreadsheet, names.size() - 1)),
                 contentOf(exported));
        QCOMPARE(spreadsheet.problem(), std::nullopt);
        // The same bytes in memory read the same.
        const QByteArray bytes = contentOf(file);
        Spreadsheet inMemory(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                             ZipArchive::defaultLimit);
        QCOMPARE(QByteArray::fromStdString(rowsOf(inMemory, names.size() - 1)),
                 contentOf(exported));
    }

    void whatIsNoSpreadsheetIsRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qulonglong>("limit");
        QTest::addColumn<std::optional<SpreadsheetProblem>>("problem");
        const qulonglong limit = ZipArchive::defaultLimit;
        QTest::newRow("within the limit")
            << "bom.xlsx" << limit << std::optional<SpreadsheetProblem>();
        QTest::newRow("a part beyond the limit")
            << "bom.xlsx" << qulonglong{100} << std::optional(SpreadsheetProblem::TooLarge);
        QTest::newRow("packed absurdly tightly")
            << "tight.xlsx" << limit << std::optional(SpreadsheetProblem::TooLarge);
        QTest::newRow("cut short")
            << "cut-short.xlsx" << limit << std::optional(SpreadsheetProblem::Damaged);
        QTest::newRow("XML not well-formed")
            << "broken.xlsx" << limit << std::optional(SpreadsheetProblem::Damaged);
        QTest::newRow("a zip of text")
            << "notes.zip" << limit << std::optional(SpreadsheetProblem::NoSpreadsheet);
    }
    void whatIsNoSpreadsheetIsRefused()
    {
        QFETCH(QString, file);
        QFETCH(qulonglong, limit);
        QFETCH(std::optional<SpreadsheetProblem>, problem);
        Spreadsheet spreadsheet(testFile(file).toStdString(), limit);
        for (std::size_t sheet = 0; sheet < spreadsheet.sheets().size(); ++sheet)
            rowsOf(spreadsheet, sheet); // some problems show only while a sheet is read
        QCOMPARE(spreadsheet.problem(), problem);
    }

    void numbersShowAsTheirFormat_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("shown");
        QTest::newRow("General, whole") << 4700.0 << "General"
                                        << "4700";
        QTest::newRow("General, 15 digits") << 0.1 + 0.2 << "General"
                                            << "0.3";
        QTest::newRow("General, tiny") << 1e-7 << "General"
                                       << "1E-07";
        QTest::newRow("fixed decimals") << 4.7 << "0.00"
                                        << "4.70";
        QTest::newRow("per cent of a tolerance") << 0.01 << "0%"
                                                 << "1%";
        QTest::newRow("per cent with decimals") << 0.0025 << "0.00%"
                                                << "0.25%";
        QTest::newRow("thousands") << 1234567.891 << "#,##0.00"
                                   << "1,234,567.89";
        QTest::newRow("text after") << 4.99 << "0.0\"k\""
                                    << "5.0k";
        QTest::newRow("escaped text before") << 1500.0 << "\\€#,##0"
                                             << "€1,500";
        QTest::newRow("the first section, its colour left out")
            << 3.14159 << "[Red]0.00;[Blue]-0.00"
            << "3.14";
        QTest::newRow("a date as General") << 44927.0 << "yyyy-mm-dd"
                                           << "44927";
        QTest::newRow("negative zero") << -0.0001 << "0.0"
                                       << "0.0";
        QTest::newRow("a built-in format")
            << 0.05 << QString::fromUtf8(builtInNumberFormat(9)) << "5%";
    }
    void numbersShowAsTheirFormat()
    {
        QFETCH(double, value);
        QFETCH(QString, format);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(formattedNumber(value, format.toStdString())), shown);
    }
};

QTEST_GUILESS_MAIN(SpreadsheetTest)
#include "test_spreadsheet.moc"

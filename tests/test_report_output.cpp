// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "CodeCommandRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// check --output: the report replaces a file only once it is whole, and never a file it reads.
class TestReportOutput : public QObject
{
    Q_OBJECT

private slots:
    void outputsNeverHarmAFile_data();
    void outputsNeverHarmAFile();
    void aReplacedReportKeepsItsModeAndLink();
    void aSheetOfTheSchematicIsNoOutput();
};

namespace {
const QByteArray list = "Ref,Value\nR1,4k7\nR2,10k5\n";
const QByteArray earlier = "an earlier report\n";
const QString reportLine = "FOLDER/bom.csv:3: R2: 10.5 kΩ is not in E24; nearest 10 kΩ (−4.8 %) "
                           "below and 11 kΩ (+4.8 %) above";

QByteArray contents(const QString &file)
{
    QFile read(file);
    return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray("(none)");
}

void write(const QString &file, const QByteArray &bytes)
{
    QFile written(file);
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.write(bytes);
}
} // namespace

void TestReportOutput::outputsNeverHarmAFile_data()
{
    QTest::addColumn<QString>("output");   // in the folder, beside bom.csv and report.txt
    QTest::addColumn<QStringList>("more"); // further files to check
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err");            // a line it holds
    QTest::addColumn<QByteArray>("reportAfter"); // report.txt afterwards; "" for the report
    QTest::newRow("the same file") << "bom.csv" << QStringList() << 2
                                   << "--output: FOLDER/bom.csv is FOLDER/bom.csv, which check "
                                      "reads; name another file"
                                   << earlier;
    QTest::newRow("the same file by another path")
        << "./x/../bom.csv" << QStringList() << 2 << "which check reads" << earlier;
    QTest::newRow("a link to it") << "link.csv" << QStringList() << 2 << "which check reads"
                                  << earlier;
    QTest::newRow("a hard link to it")
        << "hard.csv" << QStringList() << 2 << "which check reads" << earlier;
    QTest::newRow("an earlier report, replaced")
        << "report.txt" << QStringList() << 1 << "checked 2" << QByteArray();
    QTest::newRow("a failing run over an earlier report")
        << "report.txt" << QStringList{"missing.csv"} << 2
        << "--output: FOLDER/report.txt is left as it was, as the run failed" << earlier;
    QTest::newRow("a folder that cannot be written")
        << "/proc/ohmilka-report.txt" << QStringList() << 2
        << "--output: cannot write /proc/ohmilka-report.txt: " << earlier;
    QTest::newRow("a folder that is not there")
        << "none/report.txt" << QStringList() << 2
        << "--output: cannot write FOLDER/none/report.txt: No such file or directory; it is left "
           "as it was"
        << earlier;
}

void TestReportOutput::outputsNeverHarmAFile()
{
    QFETCH(QString, output);
    QFETCH(QStringList, more);
    QFETCH(int, status);
    QFETCH(QString, err);
    QFETCH(QByteArray, reportAfter);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.path();
    QVERIFY(QDir(path).mkdir("x"));
    write(path + "/bom.csv", list);
    write(path + "/report.txt", earlier);
    QVERIFY(QFile::link(path + "/bom.csv", path + "/link.csv"));
    QVERIFY(::link(qPrintable(path + "/bom.csv"), qPrintable(path + "/hard.csv")) == 0);
    QStringList arguments{"check", path + "/bom.csv"};
    for (const QString &file : more)
        arguments << path + "/" + file;
    arguments << "--output" << (output.startsWith('/') ? output : path + "/" + output);
    const CodeCommandResult result = runCodeCommand(arguments);
    QCOMPARE(result.status, status);
    QVERIFY2(result.err.contains(QString(err).replace("FOLDER", path)), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
    QCOMPARE(contents(path + "/bom.csv"), list);
    QCOMPARE(contents(path + "/report.txt"),
             reportAfter.isEmpty() ? (QString(reportLine).replace("FOLDER", path) + '\n').toUtf8()
                                   : reportAfter);
    QVERIFY(QDir(path).entryList(QDir::Files | QDir::Hidden).size() == 4); // nothing left beside
}

void TestReportOutput::aReplacedReportKeepsItsModeAndLink()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.path();
    write(path + "/bom.csv", list);
    write(path + "/report.txt", earlier);
    QVERIFY(chmod(qPrintable(path + "/report.txt"), 0640) == 0);
    QVERIFY(QFile::link(path + "/report.txt", path + "/latest.txt"));
    const CodeCommandResult result =
        runCodeCommand({"check", path + "/bom.csv", "--output", path + "/latest.txt"});
    QCOMPARE(result.status, 1);
    QVERIFY(QFileInfo(path + "/latest.txt").isSymLink());
    QVERIFY(contents(path + "/report.txt").startsWith((path + "/bom.csv:3: R2").toUtf8()));
    struct stat status {
    };
    QVERIFY(stat(qPrintable(path + "/report.txt"), &status) == 0);
    QCOMPARE(status.st_mode & 07777, 0640u);
    // The process's own standard output by name is written as standard output is.
    const CodeCommandResult standard =
        runCodeCommand({"check", path + "/bom.csv", "--output", "/dev/stdout"});
    QCOMPARE(standard.status, 1);
    QVERIFY2(standard.out.contains("R2: 10.5 kΩ"), qPrintable(standard.out));
}

void TestReportOutput::aSheetOfTheSchematicIsNoOutput()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.path();
    for (const QString sheet : {"mixer.kicad_sch", "channel.kicad_sch"})
        QVERIFY(
            QFile::copy(OHMILKA_SOURCE_DIR "/tests/kicad/hierarchy7/" + sheet, path + "/" + sheet));
    const QByteArray channel = contents(path + "/channel.kicad_sch");
    const CodeCommandResult result = runCodeCommand(
        {"check", path + "/mixer.kicad_sch", "--output", path + "/channel.kicad_sch"});
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains("which check reads"), qPrintable(result.err));
    QCOMPARE(contents(path + "/channel.kicad_sch"), channel);
}

QTEST_GUILESS_MAIN(TestReportOutput)
#include "test_report_output.moc"

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// ohmilka-code as a process, as people and scripts start it: the locale from the environment,
// exit statuses, standard output and error apart, a full disk, and input that cannot be read.
class TestCodeProcess : public QObject
{
    Q_OBJECT

private slots:
    void process_data();
    void process();
    void fullDiskFailsWithOneLine();
    void unreadableInputFailsWithOneLine_data();
    void unreadableInputFailsWithOneLine();
    void systemReasonsSpeakTheLocale();
    void eeschemaRunsTheReadmesBomLine();
};

void TestCodeProcess::process_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err"); // its start
    QTest::newRow("Czech locale") << "cs_CZ.UTF-8" << QStringList{"decode", "BN", "BK", "RD", "GD"}
                                  << 0 << "1 kΩ ±5 % (0,95–1,05 kΩ), E24\n"
                                  << "";
    QTest::newRow("no marking: the reason on stderr, the object on stdout")
        << "C.UTF-8" << QStringList{"encode", "4k75", "--bands", "4", "--json"} << 1
        << "{\"result\": \"none\", \"ohms\": 4750, \"reason\": \"4.75 kΩ cannot be marked with 4 "
           "bands; nearest: 4.7 kΩ below, 4.8 kΩ above\", \"bands\": null, \"band_count\": 4, "
           "\"tolerance_percent\": null, \"tempco_ppm_per_k\": null, \"tempco_by_default\": null, "
           "\"below_ohms\": 4700, \"above_ohms\": 4800, \"text\": \"4.75 kΩ cannot be marked "
           "with 4 bands; nearest: 4.7 kΩ below, 4.8 kΩ above\"}\n"
        << "ohmilka-code: 4.75 kΩ cannot be marked";
    QTest::newRow("usage error") << "C.UTF-8" << QStringList{"encode", "-h4"} << 2 << ""
                                 << "ohmilka-code: unknown option '-4'";
}

void TestCodeProcess::process()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("LANG"), lang);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(OHMILKA_CODE), arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), out);
    const QString error = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.isEmpty() ? error.isEmpty() : error.startsWith(err) && error.count(u'\n') == 1,
             qPrintable(error));
}

void TestCodeProcess::systemReasonsSpeakTheLocale()
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LC_ALL"));
    environment.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("cs_CZ.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(OHMILKA_CODE),
                  {QStringLiteral("check"), QStringLiteral("/nonexistent/seznam.csv")});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 2);
    const QString error = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(error.startsWith(QStringLiteral("ohmilka-code: nelze číst /nonexistent/seznam.csv: "
                                             "Adresář nebo soubor neexistuje\n")),
             qPrintable(error));
}

void TestCodeProcess::fullDiskFailsWithOneLine()
{
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(OHMILKA_CODE), {QStringLiteral("--help")});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 2);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
             QStringLiteral("ohmilka-code: cannot write the output: No space left on device\n"));
}

void TestCodeProcess::unreadableInputFailsWithOneLine_data()
{
    QTest::addColumn<QString>("redirection"); // for the shell
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("standard input closed") << "<&-"
                                           << "-"
                                           << "cannot read standard input: Bad file descriptor";
    // The kernel refuses to read the first page of a process's memory with an I/O error.
    QTest::newRow("a device with an I/O error") << ""
                                                << "/proc/self/mem"
                                                << "cannot read /proc/self/mem: Input/output error";
}

void TestCodeProcess::unreadableInputFailsWithOneLine()
{
    QFETCH(QString, redirection);
    QFETCH(QString, file);
    QFETCH(QString, reason);
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), QStringLiteral("exec \"$0\" check \"$1\" ") + redirection,
                   QStringLiteral(OHMILKA_CODE), file});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    const QStringList lines =
        QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), "ohmilka-code: " + reason);
    QVERIFY(lines.value(1).startsWith(QStringLiteral("ohmilka-code: checked 0")));
}

// The README's command line for Eeschema's BOM dialog, run as Eeschema runs a generator: %I and
// %O filled in, the words parted at spaces outside double quotes, and no shell.
void TestCodeProcess::eeschemaRunsTheReadmesBomLine()
{
    QFile readme(QStringLiteral(OHMILKA_SOURCE_DIR "/README.md"));
    QVERIFY(readme.open(QIODevice::ReadOnly | QIODevice::Text));
    QString line;
    for (const QString &text : QString::fromUtf8(readme.readAll()).split(u'\n'))
        if (text.contains(QStringLiteral("\"%I\"")))
            line = text.trimmed();
    QVERIFY(line.startsWith(QStringLiteral("ohmilka-code ")));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString netlist = folder.filePath(QStringLiteral("amplifier.xml"));
    QVERIFY(
        QFile::copy(QStringLiteral(OHMILKA_SOURCE_DIR "/tests/kicad/amplifier-e.xml"), netlist));
    line.replace(QStringLiteral("%I"), netlist)
        .replace(QStringLiteral("%O"), folder.filePath(QStringLiteral("amplifier")));
    QStringList words;
    QString word;
    bool quoted = false;
    for (const QChar c : line + u' ') {
        if (c == u'"')
            quoted = !quoted;
        else if (c == u' ' && !quoted) {
            if (!word.isEmpty())
                words << word;
            word.clear();
        } else
            word += c;
    }
    QProcess process;
    process.start(QStringLiteral(OHMILKA_CODE), words.mid(1));
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 1); // a mismatch and a value outside its series
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QVERIFY(
        QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("checked 4")));
    QFile report(folder.filePath(QStringLiteral("amplifier-check.txt")));
    QVERIFY(report.open(QIODevice::ReadOnly | QIODevice::Text));
    QVERIFY(QString::fromUtf8(report.readAll())
                .contains(QStringLiteral(
                    "R1: value 22 kΩ, but part number ERJ-2RKF2002X is 20 kΩ ±1 %")));
}

QTEST_GUILESS_MAIN(TestCodeProcess)
#include "test_code_process.moc"

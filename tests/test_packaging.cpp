// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Identity.h"
#include "StopOnFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The generated desktop metadata passes its validators, the manual pages render cleanly, and
// installing or packaging lays out the files where desktops and Debian's tools look for them.
class TestPackaging : public QObject
{
    Q_OBJECT

private slots:
    void metadataIsValid_data();
    void metadataIsValid();
    void desktopEntryDescribesTheProgram();
    void manualPagesRenderWithoutWarnings_data();
    void manualPagesRenderWithoutWarnings();
    void installPutsEverythingInItsPlace();
    void releaseBuildGivesALintianCleanPackage();

private:
    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    static Run run(const QString &program, const QStringList &arguments,
                   const QString &folder = QString(), int seconds = 120)
    {
        QProcess process;
        process.setWorkingDirectory(folder);
        process.start(program, arguments);
        Run result;
        if (!process.waitForFinished(seconds * 1000)) {
            result.err = program + QStringLiteral(" did not finish");
            return result;
        }
        if (process.exitStatus() == QProcess::NormalExit)
            result.exitCode = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }
    static QString tool(const QString &name)
    {
        const QString program = QStandardPaths::findExecutable(name);
        if (program.isEmpty())
            qFatal("%s is missing: run scripts/setup.sh", qPrintable(name));
        return program;
    }
    static QString generated(const QString &path)
    {
        return QStringLiteral(OHMILKA_BINARY_DIR "/") + path;
    }
    static void checkHardened(const QString &binary);
    static QString desktopId() { return QString::fromLatin1(ohmilka::identity::desktopId); }
    static QStringList expectedFiles()
    {
        const QString id = desktopId();
        QStringList files{QStringLiteral("bin/ohmilka"),
                          QStringLiteral("bin/ohmilka-code"),
                          QStringLiteral("share/bash-completion/completions/ohmilka-code"),
                          QStringLiteral("share/man/man1/ohmilka-code.1.gz"),
                          QStringLiteral("share/man/cs/man1/ohmilka-code.1.gz"),
                          "share/applications/" + id + ".desktop",
                          "share/metainfo/" + id + ".metainfo.xml",
                          QStringLiteral("share/man/man1/ohmilka.1.gz"),
                          QStringLiteral("share/man/cs/man1/ohmilka.1.gz"),
                          QStringLiteral("share/doc/ohmilka/copyright"),
                          QStringLiteral("share/doc/ohmilka/changelog.gz")};
        for (int size : {32, 48, 64, 128, 256})
            files << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id);
        return files;
    }
};

void TestPackaging::metadataIsValid_data()
{
    QTest::addColumn<QString>("validator");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("desktop entry")
        << "desktop-file-validate"
        << QStringList{generated("resources/" + desktopId() + ".desktop")};
    QTest::newRow("AppStream metadata")
        << "appstreamcli"
        << QStringList{"validate", "--no-net",
                       generated("resources/" + desktopId() + ".metainfo.xml")};
}

void TestPackaging::metadataIsValid()
{
    QFETCH(QString, validator);
    QFETCH(QStringList, arguments);
    const Run validation = run(tool(validator), arguments);
    QVERIFY2(validation.exitCode == 0, qPrintable(validation.out + validation.err));
}

void TestPackaging::desktopEntryDescribesTheProgram()
{
    QSettings entry(generated("resources/" + desktopId() + ".desktop"), QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    QCOMPARE(entry.value("Name").toString(), QString::fromUtf8(ohmilka::identity::name));
    QCOMPARE(entry.value("Comment").toString(), QString::fromUtf8(ohmilka::identity::description));
    QCOMPARE(entry.value("Icon").toString(), desktopId());
    QCOMPARE(entry.value("Exec").toString(), QStringLiteral("ohmilka"));
}

void TestPackaging::manualPagesRenderWithoutWarnings_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("heading");
    QTest::newRow("English") << generated("man/ohmilka.1") << "EXIT STATUS";
    QTest::newRow("Czech") << generated("man/cs/ohmilka.1") << "NÁVRATOVÁ HODNOTA";
    QTest::newRow("ohmilka-code, English") << generated("man/ohmilka-code.1") << "EXIT STATUS";
    QTest::newRow("ohmilka-code, Czech")
        << generated("man/cs/ohmilka-code.1") << "NÁVRATOVÁ HODNOTA";
}

void TestPackaging::manualPagesRenderWithoutWarnings()
{
    QFETCH(QString, page);
    QFETCH(QString, heading);
    const Run man = run(tool("man"), {"--warnings", "-E", "UTF-8", "-l", page});
    QCOMPARE(man.exitCode, 0);
    QVERIFY2(man.err.isEmpty(), qPrintable(man.err));
    QVERIFY2(man.out.contains(heading), qPrintable(man.out));
    QVERIFY(man.out.contains(QString::fromLatin1(ohmilka::identity::authorEmail)));
    QVERIFY(!man.out.contains(QRegularExpression(QStringLiteral("@[A-Z_]+@")))); // all filled
}

void TestPackaging::installPutsEverythingInItsPlace()
{
    QTemporaryDir prefix;
    const Run install = run(QStringLiteral(CMAKE_COMMAND),
                            {"--install", OHMILKA_BINARY_DIR, "--prefix", prefix.path()});
    QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
    for (const QString &file : expectedFiles())
        QVERIFY2(QFileInfo::exists(prefix.filePath(file)), qPrintable(file));
    QVERIFY(QFileInfo(prefix.filePath("bin/ohmilka")).isExecutable());
}

// Built as Debian builds its own programs: full RELRO with immediate binding, the stack
// protector, and every function of lintian's list of fortifiable ones imported in its checked
// form only, but where a library linked in has no checked form to call.
void TestPackaging::checkHardened(const QString &binary)
{
    const Run segments = run(tool("readelf"), {"--program-headers", "--wide", binary});
    QVERIFY2(segments.out.contains(QStringLiteral("GNU_RELRO")), qPrintable(binary));
    const Run dynamic = run(tool("readelf"), {"--dynamic", binary});
    QVERIFY2(dynamic.out.contains(QStringLiteral("BIND_NOW")), qPrintable(binary));

    const Run symbols = run(tool("readelf"), {"--dyn-syms", "--wide", binary});
    QStringList imported;
    for (const QString &line : symbols.out.split(u'\n')) {
        const QStringList fields = line.simplified().split(u' ');
        if (fields.size() >= 8 && fields[6] == QLatin1String("UND"))
            imported << fields[7].section(u'@', 0, 0);
    }
    QVERIFY2(imported.contains(QStringLiteral("__stack_chk_fail")), qPrintable(binary));
    QFile list(QStringLiteral("/usr/share/lintian/data/binaries/hardened-functions"));
    QVERIFY2(list.open(QIODevice::ReadOnly | QIODevice::Text), "lintian's list is missing");
    // minizip, linked statically from Debian's libminizip-dev, reads archives with fread into a
    // buffer its caller passes: no compiler knows that buffer's size, so Debian's own hardened
    // libminizip imports the plain fread as well.
    const QStringList plainInALibrary{QStringLiteral("fread")};
    QStringList unchecked;
    for (const QByteArray &line : list.readAll().split('\n')) {
        const QString function = QString::fromLatin1(line.trimmed());
        if (!function.isEmpty() && !function.startsWith(u'#') && imported.contains(function) &&
            !plainInALibrary.contains(function))
            unchecked << function;
    }
    QVERIFY2(unchecked.isEmpty(),
             qPrintable(binary + " imports unfortified " + unchecked.join(' ')));
}

// The README's packaging command, in a folder of the test's own.
void TestPackaging::releaseBuildGivesALintianCleanPackage()
{
    QTemporaryDir folder;
    const QString build = folder.filePath(QStringLiteral("build"));
    const QString cmake = QStringLiteral(CMAKE_COMMAND);
    Run step = run(cmake, {"--preset", "package", "-B", build}, OHMILKA_SOURCE_DIR);
    QVERIFY2(step.exitCode == 0, qPrintable(step.out + step.err));
    step = run(cmake, {"--build", build, "--parallel", "2"}, QString(), 1200);
    QVERIFY2(step.exitCode == 0, qPrintable(step.out + step.err));
    step = run(QStringLiteral(CPACK_COMMAND),
               {"--config", build + "/CPackConfig.cmake", "-B", folder.path()}, build);
    QVERIFY2(step.exitCode == 0, qPrintable(step.out + step.err));

    const QStringList packages = QDir(folder.path()).entryList({"ohmilka_1.0.0_*.deb"});
    QCOMPARE(packages.size(), 1);
    const QString deb = folder.filePath(packages.first());

    const Run lintian =
        run(tool("lintian"), {"--fail-on", "error,warning", "--display-info", deb}, QString(), 600);
    QVERIFY2(lintian.exitCode == 0, qPrintable(lintian.out + lintian.err));
    QVERIFY2(!lintian.out.contains(QRegularExpression(QStringLiteral("^[EW]: "),
                                                      QRegularExpression::MultilineOption)),
             qPrintable(lintian.out));
    QVERIFY2(!lintian.out.contains(QStringLiteral("hardening-")), qPrintable(lintian.out));

    const QString unpacked = folder.filePath(QStringLiteral("unpacked"));
    QCOMPARE(run(QStringLiteral("dpkg-deb"), {"-x", deb, unpacked}).exitCode, 0);
    for (const char *program : {"ohmilka", "ohmilka-code"})
        RETURN_IF_FAILED(checkHardened(unpacked + "/usr/bin/" + QLatin1String(program)));

    const Run contents = run(QStringLiteral("dpkg-deb"), {"--contents", deb});
    for (const QString &file : expectedFiles())
        QVERIFY2(contents.out.contains(" ./usr/" + file + "\n"),
                 qPrintable(file + " not in\n" + contents.out));
    const Run fields = run(QStringLiteral("dpkg-deb"), {"--field", deb, "Version", "Depends"});
    QVERIFY(fields.out.contains(QStringLiteral("Version: 1.0.0\n")));
    for (const char *dependency : {"libc6", "libqt6widgets6", "fonts-liberation"})
        QVERIFY2(fields.out.contains(QLatin1String(dependency)), qPrintable(fields.out));
    // Debian 12 has libfmt9 and Debian 13 libfmt10: {fmt} is built in, so both install it.
    QVERIFY2(!fields.out.contains(QStringLiteral("libfmt")), qPrintable(fields.out));
    const Run description = run(QStringLiteral("dpkg-deb"), {"--field", deb, "Description"});
    QVERIFY2(description.out.contains(QStringLiteral(" Ohmilka reads")) &&
                 description.out.contains(QStringLiteral(" Ohmilka čte")),
             qPrintable(description.out));
}

QTEST_GUILESS_MAIN(TestPackaging)
#include "test_packaging.moc"

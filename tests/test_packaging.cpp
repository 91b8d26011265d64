#include "ProjectSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The desktop metadata passes its validators, and installing or packaging lays out the files
// where desktops look for them.
class TestPackaging : public QObject
{
    Q_OBJECT

private slots:
    void metadataIsValid_data();
    void metadataIsValid();
    void desktopEntryDescribesTheProgram();
    void installPutsEverythingInItsPlace();
    void debianPackageHoldsTheInstalledFiles();

private:
    static QString run(const QString &program, const QStringList &arguments, int *exitCode)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        if (!process.waitForFinished(120000))
            return QStringLiteral("did not finish");
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return QString::fromUtf8(process.readAll());
    }
    static QString resource(const QString &name)
    {
        return QStringLiteral(OHMILKA_SOURCE_DIR "/resources/") + name;
    }
    static QStringList expectedFiles()
    {
        const QString id = QString::fromLatin1(ohmilka::settings::desktopId);
        QStringList files{QStringLiteral("bin/ohmilka"), "share/applications/" + id + ".desktop",
                          "share/metainfo/" + id + ".metainfo.xml",
                          QStringLiteral("share/doc/ohmilka/LICENSE")};
        for (int size : {32, 48, 64, 128, 256})
            files << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id);
        return files;
    }
};

void TestPackaging::metadataIsValid_data()
{
    const QString id = QString::fromLatin1(ohmilka::settings::desktopId);
    QTest::addColumn<QString>("validator");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("desktop entry")
        << "desktop-file-validate" << QStringList{resource(id + ".desktop")};
    QTest::newRow("AppStream metadata")
        << "appstreamcli" << QStringList{"validate", "--no-net", resource(id + ".metainfo.xml")};
}

void TestPackaging::metadataIsValid()
{
    QFETCH(QString, validator);
    QFETCH(QStringList, arguments);
    const QString program = QStandardPaths::findExecutable(validator);
    QVERIFY2(!program.isEmpty(), qPrintable(validator + " is missing: run scripts/setup.sh"));
    int exitCode = 0;
    const QString output = run(program, arguments, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
}

void TestPackaging::desktopEntryDescribesTheProgram()
{
    QSettings entry(resource(QString::fromLatin1(ohmilka::settings::desktopId) + ".desktop"),
                    QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    QCOMPARE(entry.value("Name").toString(), QString::fromUtf8(ohmilka::settings::title));
    QCOMPARE(entry.value("Comment").toString(), QString::fromUtf8(ohmilka::settings::description));
    QCOMPARE(entry.value("Icon").toString(), QString::fromLatin1(ohmilka::settings::desktopId));
    QCOMPARE(entry.value("Exec").toString(), QStringLiteral("ohmilka"));
}

void TestPackaging::installPutsEverythingInItsPlace()
{
    QTemporaryDir prefix;
    int exitCode = 0;
    const QString output =
        run(QStringLiteral(CMAKE_COMMAND),
            {"--install", OHMILKA_BINARY_DIR, "--prefix", prefix.path()}, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
    for (const QString &file : expectedFiles())
        QVERIFY2(QFileInfo::exists(prefix.filePath(file)), qPrintable(file));
    QVERIFY(QFileInfo(prefix.filePath("bin/ohmilka")).isExecutable());
}

void TestPackaging::debianPackageHoldsTheInstalledFiles()
{
    QTemporaryDir out;
    int exitCode = 0;
    QString output =
        run(QStringLiteral(CPACK_COMMAND),
            {"--config", OHMILKA_BINARY_DIR "/CPackConfig.cmake", "-B", out.path()}, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
    const QStringList packages = QDir(out.path()).entryList({"ohmilka_1.0.0_*.deb"});
    QCOMPARE(packages.size(), 1);
    const QString deb = out.filePath(packages.first());
    output = run(QStringLiteral("dpkg-deb"), {"--contents", deb}, &exitCode);
    QCOMPARE(exitCode, 0);
    for (const QString &file : expectedFiles())
        QVERIFY2(output.contains("./usr/" + file + "\n") || output.contains("./usr/" + file + " "),
                 qPrintable(file + " not in\n" + output));
    output = run(QStringLiteral("dpkg-deb"), {"--field", deb, "Package", "Version", "Depends"},
                 &exitCode);
    QVERIFY(output.contains(QStringLiteral("Package: ohmilka")));
    QVERIFY(output.contains(QStringLiteral("Version: 1.0.0")));
    QVERIFY(output.contains(QStringLiteral("libqt6widgets6")));
}

QTEST_GUILESS_MAIN(TestPackaging)
#include "test_packaging.moc"

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "App.h"
#include "Controls.h"
#include "Forms.h"
#include "StartUp.h"
#include "WindowTesting.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace ohmilka;

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void versionIsPublished();
    void mainWindowComesUpAloneCentredWithItsIcon();
    void closingTheMainWindowAfterEveryPaletteLeavesNothing();
    void aFailingWindowSystemIsNamedInOneLine_data();
    void aFailingWindowSystemIsNamedInOneLine();
};

void TestStartUp::cleanup()
{
    windowtesting::unloadEverything();
}

void TestStartUp::versionIsPublished()
{
    startProgram();
    QCOMPARE(QList<int>({App::Major(), App::Minor(), App::Revision()}), QList<int>({1, 0, 0}));
    QCOMPARE(App::Path(), QCoreApplication::applicationDirPath());
}

void TestStartUp::mainWindowComesUpAloneCentredWithItsIcon()
{
    Form &main = startProgram();
    QCOMPARE(main.objectName(), QStringLiteral("frmNResistor"));
    QVERIFY(main.isVisible());
    QVERIFY(!main.isModal());
    QCOMPARE(FormRegistry::global().loadedForms(), QList<Form *>({&main}));
    const QRect screen = main.screen()->geometry();
    QCOMPARE_LE(qAbs(main.frameGeometry().center().x() - screen.center().x()), 1);
    QCOMPARE_LE(qAbs(main.frameGeometry().center().y() - screen.center().y()), 1);
    QCOMPARE(main.windowIcon().availableSizes(), QList<QSize>({QSize(32, 32)}));
}

void TestStartUp::closingTheMainWindowAfterEveryPaletteLeavesNothing()
{
    QSignalSpy ended(&FormRegistry::global(), &FormRegistry::allUnloaded);
    Form &main = startProgram();
    main.Move(0, 0);
    for (int band = 1; band <= 4; ++band)
        RETURN_IF_FAILED(windowtesting::inWindowOpenedBy(
            main, QStringLiteral("picOdpor%1").arg(band), "frmBarva" + QByteArray::number(band),
            [](Form &palette) {
                const QList<Label *> labels = palette.findChildren<Label *>();
                QVERIFY(!labels.isEmpty());
                QTest::mouseClick(labels.first(), Qt::LeftButton);
            }));
    QCOMPARE(FormRegistry::global().loadedForms().size(), 5);
    main.close();
    QVERIFY(FormRegistry::global().loadedForms().isEmpty());
    QCOMPARE(ended.size(), 1);
}

void TestStartUp::aFailingWindowSystemIsNamedInOneLine_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("said");
    QTest::newRow("no display") << QStringList() << "no display to open the window on";
    QTest::newRow("display not reachable") << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=:4711"}
                                           << "cannot connect to the display :4711";
    QTest::newRow("platform missing")
        << QStringList{"QT_QPA_PLATFORM=bogus"} << "no window-system platform \"bogus\"";
}

void TestStartUp::aFailingWindowSystemIsNamedInOneLine()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, said);
    QProcess program;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        variables.remove(QLatin1String(variable));
    for (const QString &setting : environment)
        variables.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    program.setProcessEnvironment(variables);
    program.start(QStringLiteral(OHMILKA_PROGRAM), QStringList());
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit); // no abort, no core dump
    QCOMPARE(program.exitCode(), 1);
    const QString stderrText = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(stderrText.count(QLatin1Char('\n')), 1);
    QVERIFY2(stderrText.startsWith(QStringLiteral("ohmilka: ") + said), qPrintable(stderrText));
    QVERIFY(program.readAllStandardOutput().isEmpty());
}

QTEST_MAIN(TestStartUp)
#include "test_start_up.moc"

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Controls.h"
#include "Modul1.h"
#include "WindowTesting.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QRegularExpression>
#include <QTest>

using namespace ohmilka;

// Stands in for the user's mail program and browser.
class LaunchRecorder : public QObject
{
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl &url) { opened << url.toString(); }
};

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void opensWithVersionLineAndBlueLinks();
    void linksChangeColourUnderThePointer_data();
    void linksChangeColourUnderThePointer();
    void linksOpenMailAndWeb_data();
    void linksOpenMailAndWeb();
    void launchWithoutAProgramIsSilent();
    void launcherKeepsNothingBetweenCalls();
    void reopenedWindowHasBlueLinks();
    void enterClosesOnlyWhileOkHasTheFocus();
    void linksAreAccessible();

private:
    void withAbout(const std::function<void(Form &)> &steps)
    {
        windowtesting::inUnloadingWindowOpenedBy(*main, QStringLiteral("cmdAbout"), "frmAbout",
                                                 steps);
    }
    static QVariant shown(Form &about, const char *name, const char *property)
    {
        return windowtesting::shownProperty(about, QLatin1String(name), property);
    }
    static QStringList linkColours(Form &about)
    {
        const auto name = [](quint32 c) {
            return c == 0xFF0000   ? QStringLiteral("blue")
                   : c == 0x0000FF ? QStringLiteral("red")
                                   : QString::number(c, 16);
        };
        return {name(shown(about, "lbl2", "ForeColor").toUInt()),
                name(shown(about, "lbl3", "ForeColor").toUInt())};
    }

    frmNResistor *main = nullptr;
    LaunchRecorder recorder;
};

void TestAboutWindow::init()
{
    main = &windowtesting::showMainWindow();
    recorder.opened.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &recorder, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &recorder, "open");
}

void TestAboutWindow::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    windowtesting::unloadEverything();
}

void TestAboutWindow::controlsSitWhereTheLayoutPutsThem_data()
{
    using windowtesting::addLayoutRow;
    windowtesting::addLayoutColumns();
    addLayoutRow("cmdOK", "frmAbout", 3075, 3000, 975, 375);
    addLayoutRow("fraRamecek", "frmAbout", 15, 1560, 4080, 1305);
    addLayoutRow("lbl1", "fraRamecek", 120, 720, 0, 0);
    addLayoutRow("lbl2", "fraRamecek", 660, 720, 0, 0);
    addLayoutRow("lbl3", "fraRamecek", 660, 975, 0, 0);
    addLayoutRow("lbl4", "fraRamecek", 150, 960, 0, 0);
    addLayoutRow("lblVersion", "fraRamecek", 120, 240, 0, 0);
    addLayoutRow("lblDescription", "fraRamecek", 120, 480, 0, 0);
    addLayoutRow("picLogo", "frmAbout", 15, 30, 4065, 1425);
    addLayoutRow("Image1", "frmAbout", 0, 2880, 3000, 540);
}

void TestAboutWindow::controlsSitWhereTheLayoutPutsThem()
{
    withAbout([&](Form &about) {
        QCOMPARE(about.windowTitle(), QStringLiteral("O programu..."));
        QCOMPARE(about.size() * 15, QSize(4110, 3450));
        QVERIFY((about.windowFlags() & Qt::WindowType_Mask) == Qt::Dialog);
        windowtesting::checkLayoutRow(about);
    });
}

void TestAboutWindow::opensWithVersionLineAndBlueLinks()
{
    withAbout([](Form &about) {
        QCOMPARE(shown(about, "lblVersion", "Caption").toString(),
                 QStringLiteral("Version 1.0.0 cz"));
        QCOMPARE(shown(about, "lbl2", "Caption").toString(), QStringLiteral("ohmilka@example.org"));
        QCOMPARE(shown(about, "lbl3", "Caption").toString(), QStringLiteral("ohmilka.example.org"));
        QCOMPARE(shown(about, "lbl1", "Caption").toString(), QStringLiteral("e-mail:"));
        QCOMPARE(shown(about, "lbl4", "Caption").toString(), QStringLiteral("web:"));
        QCOMPARE(linkColours(about), QStringList({"blue", "blue"}));
        for (const char *name : {"lbl1", "lbl4", "lblDescription"})
            QCOMPARE(shown(about, name, "ForeColor").toUInt(), 0x000000u);
        QCOMPARE(shown(about, "fraRamecek", "title").toString(), QString());
        QCOMPARE(about.focusWidget(), windowtesting::control(about, QStringLiteral("picLogo")));
        for (const char *link : {"lbl2", "lbl3"}) {
            const QCursor cursor = shown(about, link, "cursor").value<QCursor>();
            QCOMPARE(cursor.shape(), Qt::BitmapCursor);
            QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
            QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
        }
        auto *banner = windowtesting::control<QLabel>(about, QStringLiteral("Image1"));
        if (!banner)
            return;
        QCOMPARE(banner->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(banner->pixmap().size(), QSize(200, 36));
    });
}

void TestAboutWindow::linksChangeColourUnderThePointer_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QStringList>("colours"); // of the e-mail and the web link
    QTest::newRow("e-mail link turns red") << QStringList{"lbl2"} << QStringList{"red", "blue"};
    QTest::newRow("web link turns red") << QStringList{"lbl3"} << QStringList{"blue", "red"};
    QTest::newRow("staying on a link keeps it red")
        << QStringList{"lbl3", "lbl3"} << QStringList{"blue", "red"};
    QTest::newRow("jump from link to link leaves both red")
        << QStringList{"lbl2", "lbl3"} << QStringList{"red", "red"};
    QTest::newRow("frame surface makes both blue")
        << QStringList{"lbl2", "lbl3", "fraRamecek"} << QStringList{"blue", "blue"};
    QTest::newRow("window surface makes both blue")
        << QStringList{"lbl3", "lbl2", "frmAbout"} << QStringList{"blue", "blue"};
    QTest::newRow("plain labels keep a link red")
        << QStringList{"lbl2", "lbl1", "lbl4", "lblVersion", "lblDescription"}
        << QStringList{"red", "blue"};
    QTest::newRow("logo, banner and OK keep a link red")
        << QStringList{"lbl3", "picLogo", "Image1", "cmdOK"} << QStringList{"blue", "red"};
}

void TestAboutWindow::linksChangeColourUnderThePointer()
{
    QFETCH(QStringList, moves);
    QFETCH(QStringList, colours);
    withAbout([&](Form &about) {
        RETURN_IF_FAILED(windowtesting::pointAt(about, QStringLiteral("cmdOK"))); // a fresh start
        for (const QString &target : moves) {
            if (target == QLatin1String("frmAbout"))
                QTest::mouseMove(&about, QPoint(100, 100)); // between logo and frame
            else if (target == QLatin1String("fraRamecek")) {
                QWidget *frame = windowtesting::control(about, target);
                if (!frame)
                    return;
                QTest::mouseMove(frame, QPoint(250, 12));
            } else
                RETURN_IF_FAILED(windowtesting::pointAt(about, target));
        }
        QCOMPARE(linkColours(about), colours);
    });
}

void TestAboutWindow::linksOpenMailAndWeb_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("url");
    QTest::newRow("e-mail link starts a message")
        << "lbl2"
        << "mailto:ohmilka@example.org?subject=K programu Ohmilka";
    QTest::newRow("web link opens the site") << "lbl3"
                                             << "http://ohmilka.example.org/";
    QTest::newRow("banner opens the site") << "Image1"
                                           << "http://ohmilka.example.org/";
}

void TestAboutWindow::linksOpenMailAndWeb()
{
    QFETCH(QString, control);
    QFETCH(QString, url);
    withAbout([&](Form &about) {
        RETURN_IF_FAILED(windowtesting::click(about, control));
        QCOMPARE(recorder.opened, QStringList{url});
        QVERIFY(about.isVisible());
        QCOMPARE(linkColours(about), QStringList({"blue", "blue"}));
    });
}

void TestAboutWindow::launchWithoutAProgramIsSilent()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    withAbout([](Form &about) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("openUrl")));
        RETURN_IF_FAILED(windowtesting::click(about, QStringLiteral("lbl3")));
        QVERIFY(about.isVisible());
        QCOMPARE(QApplication::topLevelWidgets().count(&about), 1);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("openUrl")));
        QCOMPARE(Modul1::OpenDocument(QStringLiteral("http://ohmilka.example.org/")),
                 Modul1::noProgramForDocument);
    });
}

void TestAboutWindow::launcherKeepsNothingBetweenCalls()
{
    const QString address = QStringLiteral("http://ohmilka.example.org/");
    QCOMPARE(Modul1::OpenDocument(address), Modul1::launchStarted);
    QCOMPARE(Modul1::OpenDocument(address), Modul1::launchStarted);
    QCOMPARE(recorder.opened, QStringList({address, address}));
    QCOMPARE(Modul1::OpenDocument(QString()), Modul1::noProgramForDocument);
    QCOMPARE(recorder.opened.size(), 2);
}

void TestAboutWindow::reopenedWindowHasBlueLinks()
{
    withAbout([](Form &about) {
        RETURN_IF_FAILED(windowtesting::pointAt(about, QStringLiteral("lbl2")));
        RETURN_IF_FAILED(windowtesting::pointAt(about, QStringLiteral("lbl3")));
        windowtesting::click(about, QStringLiteral("cmdOK"));
    });
    RETURN_IF_FAILED();
    withAbout([](Form &about) {
        QCOMPARE(linkColours(about), QStringList({"blue", "blue"}));
        QCOMPARE(shown(about, "lblVersion", "Caption").toString(),
                 QStringLiteral("Version 1.0.0 cz"));
    });
}

void TestAboutWindow::enterClosesOnlyWhileOkHasTheFocus()
{
    bool closed = false;
    withAbout([&](Form &about) {
        QWidget *logo = windowtesting::control(about, QStringLiteral("picLogo"));
        QWidget *ok = windowtesting::control(about, QStringLiteral("cmdOK"));
        if (!logo || !ok)
            return;
        QTest::keyClick(logo, Qt::Key_Return);
        QTest::keyClick(logo, Qt::Key_Escape);
        QTest::keyClick(ok, Qt::Key_Escape);
        QVERIFY(FormRegistry::global().find("frmAbout"));
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
        closed = !FormRegistry::global().find("frmAbout");
    });
    RETURN_IF_FAILED();
    QVERIFY(closed);
}

void TestAboutWindow::linksAreAccessible()
{
    withAbout([this](Form &about) {
        for (const char *name : {"lbl2", "lbl3", "Image1"}) {
            QAccessibleInterface *link = windowtesting::accessible(about, QLatin1String(name));
            if (!link)
                return;
            QVERIFY2(link->role() == QAccessible::Link, name);
            QVERIFY(!link->text(QAccessible::Name).isEmpty());
            QVERIFY(!link->text(QAccessible::Description).isEmpty());
            QVERIFY(link->actionInterface());
            link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QTRY_COMPARE(recorder.opened,
                     QStringList({"mailto:ohmilka@example.org?subject=K programu Ohmilka",
                                  "http://ohmilka.example.org/", "http://ohmilka.example.org/"}));
    });
}

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"

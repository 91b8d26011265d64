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
    static Label *label(Form &about, const char *name)
    {
        return about.findChild<Label *>(QLatin1String(name));
    }
    static QStringList linkColours(Form &about)
    {
        const auto name = [](quint32 c) {
            return c == 0xFF0000   ? QStringLiteral("blue")
                   : c == 0x0000FF ? QStringLiteral("red")
                                   : QString::number(c, 16);
        };
        return {name(label(about, "lbl2")->ForeColor()), name(label(about, "lbl3")->ForeColor())};
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
        QCOMPARE(label(about, "lblVersion")->Caption(), QStringLiteral("Version 1.0.0 cz"));
        QCOMPARE(label(about, "lbl2")->Caption(), QStringLiteral("ohmilka@example.org"));
        QCOMPARE(label(about, "lbl3")->Caption(), QStringLiteral("ohmilka.example.org"));
        QCOMPARE(label(about, "lbl1")->Caption(), QStringLiteral("e-mail:"));
        QCOMPARE(label(about, "lbl4")->Caption(), QStringLiteral("web:"));
        QCOMPARE(linkColours(about), QStringList({"blue", "blue"}));
        for (const char *name : {"lbl1", "lbl4", "lblDescription"})
            QCOMPARE(label(about, name)->ForeColor(), 0x000000u);
        QCOMPARE(about.findChild<Frame *>(QStringLiteral("fraRamecek"))->title(), QString());
        QCOMPARE(about.focusWidget(), about.findChild<QWidget *>(QStringLiteral("picLogo")));
        for (const char *link : {"lbl2", "lbl3"}) {
            const QCursor cursor = label(about, link)->cursor();
            QCOMPARE(cursor.shape(), Qt::BitmapCursor);
            QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
            QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
        }
        auto *banner = about.findChild<QLabel *>(QStringLiteral("Image1"));
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
        QTest::mouseMove(about.findChild<QWidget *>(QStringLiteral("cmdOK"))); // a fresh start
        for (const QString &target : moves) {
            if (target == QLatin1String("frmAbout"))
                QTest::mouseMove(&about, QPoint(100, 100)); // between logo and frame
            else if (target == QLatin1String("fraRamecek"))
                QTest::mouseMove(about.findChild<QWidget *>(target), QPoint(250, 12));
            else
                QTest::mouseMove(about.findChild<QWidget *>(target));
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
        QTest::mouseClick(about.findChild<QWidget *>(control), Qt::LeftButton);
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
        QTest::mouseClick(about.findChild<QWidget *>(QStringLiteral("lbl3")), Qt::LeftButton);
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
        QTest::mouseMove(label(about, "lbl2"));
        QTest::mouseMove(label(about, "lbl3"));
        QTest::mouseClick(about.findChild<QWidget *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    withAbout([](Form &about) {
        QCOMPARE(linkColours(about), QStringList({"blue", "blue"}));
        QCOMPARE(label(about, "lblVersion")->Caption(), QStringLiteral("Version 1.0.0 cz"));
    });
}

void TestAboutWindow::enterClosesOnlyWhileOkHasTheFocus()
{
    bool closed = false;
    withAbout([&](Form &about) {
        QWidget *logo = about.findChild<QWidget *>(QStringLiteral("picLogo"));
        QTest::keyClick(logo, Qt::Key_Return);
        QTest::keyClick(logo, Qt::Key_Escape);
        QWidget *ok = about.findChild<QWidget *>(QStringLiteral("cmdOK"));
        QTest::keyClick(ok, Qt::Key_Escape);
        QVERIFY(FormRegistry::global().find("frmAbout"));
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
        closed = !FormRegistry::global().find("frmAbout");
    });
    QVERIFY(closed);
}

void TestAboutWindow::linksAreAccessible()
{
    withAbout([this](Form &about) {
        for (const char *name : {"lbl2", "lbl3", "Image1"}) {
            QAccessibleInterface *link =
                windowtesting::accessible(windowtesting::control(about, QLatin1String(name)));
            QVERIFY(link);
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

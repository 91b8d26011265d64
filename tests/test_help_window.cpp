// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Controls.h"
#include "WindowTesting.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

using namespace ohmilka;

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void helpLinesReadAsOneParagraph();
    void licenceTextHasSevenLines();
    void okHasTheFocusAndEnterOrSpaceCloses_data();
    void okHasTheFocusAndEnterOrSpaceCloses();
    void escapeDoesNotClose();
    void licenceCanBeSelectedButNotEdited();
    void reopenedWindowStartsAtTheTop();

private:
    // Presses "Nápověda" and runs steps in the help window while it is shown.
    void withHelp(const std::function<void(Form &)> &steps)
    {
        windowtesting::inUnloadingWindowOpenedBy(*main, QStringLiteral("cmdHelp"), "frmNapoveda",
                                                 steps);
    }

    frmNResistor *main = nullptr;
};

void TestHelpWindow::init()
{
    main = &windowtesting::showMainWindow();
}

void TestHelpWindow::cleanup()
{
    windowtesting::unloadEverything();
}

void TestHelpWindow::controlsSitWhereTheLayoutPutsThem_data()
{
    using windowtesting::addLayoutRow;
    windowtesting::addLayoutColumns();
    addLayoutRow("fraBMI", "frmNapoveda", 120, 120, 4695, 1815);
    addLayoutRow("Frame1", "frmNapoveda", 120, 1920, 4695, 2895);
    addLayoutRow("txtLicence", "Frame1", 120, 360, 4455, 2415);
    addLayoutRow("cmdOK", "frmNapoveda", 3840, 4920, 975, 375);
}

void TestHelpWindow::controlsSitWhereTheLayoutPutsThem()
{
    withHelp([&](Form &help) {
        QCOMPARE(help.windowTitle(), QStringLiteral("Nápověda"));
        QCOMPARE(help.size() * 15, QSize(4935, 5385));
        windowtesting::checkLayoutRow(help);
    });
}

void TestHelpWindow::helpLinesReadAsOneParagraph()
{
    withHelp([](Form &help) {
        const auto caption = [&](const char *name) {
            return windowtesting::shownProperty(help, QLatin1String(name), "Caption").toString();
        };
        QCOMPARE(caption("lblinfo"),
                 QStringLiteral("Pro nastavení barev na odporu klikněte na jednotlivé proužky"));
        QCOMPARE(caption("lblInfo1"),
                 QStringLiteral("Vždy musí být nastaveny alespoň 3 proužky, které určují hono-"));
        QCOMPARE(caption("lblInfo2"),
                 QStringLiteral("tu rezistoru. Čtvrtý proužek slouží k určení odchylky +/- "));
        auto *first = windowtesting::control<Label>(help, QStringLiteral("lblinfo"));
        if (!first)
            return;
        QCOMPARE(first->pos(), QPoint(120 / 15, 240 / 15));
        QCOMPARE_GE(first->width(), first->sizeHint().width()); // sized to its caption
        QCOMPARE(caption("Frame1"), QStringLiteral(" Licence "));
        QCOMPARE(caption("fraBMI"), QString());
    });
}

void TestHelpWindow::licenceTextHasSevenLines()
{
    withHelp([](Form &help) {
        const QString text =
            windowtesting::shownProperty(help, QStringLiteral("txtLicence"), "Text").toString();
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(text.count(QLatin1Char('\n')),
                 text.count(QStringLiteral("\r\n"))); // no bare breaks
        QVERIFY(lines[0].contains(QStringLiteral("Ohmilka 1.00")));
        QVERIFY(lines[1].isEmpty());
        QVERIFY(lines[4].isEmpty());
        for (int line : {0, 2, 3, 5, 6})
            QVERIFY2(!lines[line].isEmpty(), qPrintable(QString::number(line + 1)));
        QCOMPARE_GT(lines[3].size(), 200); // paragraphs the box wraps
        QCOMPARE_GT(lines[6].size(), 200);
        QVERIFY(lines[3].contains(QStringLiteral("LICENSE")));
        QVERIFY(!text.endsWith(QStringLiteral("\r\n")));
    });
}

void TestHelpWindow::okHasTheFocusAndEnterOrSpaceCloses_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestHelpWindow::okHasTheFocusAndEnterOrSpaceCloses()
{
    QFETCH(int, key);
    bool closed = false;
    withHelp([&](Form &help) {
        QWidget *ok = windowtesting::control(help, QStringLiteral("cmdOK"));
        if (!ok)
            return;
        QCOMPARE(help.focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key(key));
        closed = !FormRegistry::global().find("frmNapoveda");
    });
    RETURN_IF_FAILED();
    QVERIFY(closed);
}

void TestHelpWindow::escapeDoesNotClose()
{
    withHelp([](Form &help) {
        QWidget *ok = windowtesting::control(help, QStringLiteral("cmdOK"));
        if (!ok)
            return;
        QTest::keyClick(ok, Qt::Key_Escape);
        QTest::keyClick(&help, Qt::Key_Escape);
        QVERIFY(FormRegistry::global().find("frmNapoveda"));
    });
}

void TestHelpWindow::licenceCanBeSelectedButNotEdited()
{
    withHelp([](Form &help) {
        auto *box = windowtesting::control<QPlainTextEdit>(help, QStringLiteral("txtLicence"));
        if (!box)
            return;
        const QString before = box->property("Text").toString();
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("abc"));
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->toPlainText(),
                 QString(before).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QVERIFY(box->isReadOnly());
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box->textCursor().selectedText().size(), box->toPlainText().size());
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    });
}

void TestHelpWindow::reopenedWindowStartsAtTheTop()
{
    withHelp([](Form &help) {
        auto *box = windowtesting::control<QPlainTextEdit>(help, QStringLiteral("txtLicence"));
        if (!box)
            return;
        QCOMPARE_GT(box->verticalScrollBar()->maximum(), 0); // the text is longer than the box
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        box->selectAll();
    });
    RETURN_IF_FAILED();
    withHelp([](Form &help) {
        auto *box = windowtesting::control<QPlainTextEdit>(help, QStringLiteral("txtLicence"));
        if (!box)
            return;
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QVERIFY(!box->textCursor().hasSelection());
    });
}

QTEST_MAIN(TestHelpWindow)
#include "test_help_window.moc"

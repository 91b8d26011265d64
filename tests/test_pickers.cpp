// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Controls.h"
#include "TestColours.h"
#include "WindowTesting.h"

#include <QPointer>
#include <QTest>

using ohmilka::Form;
using ohmilka::FormRegistry;
using ohmilka::frmNResistor;
using ohmilka::Label;
using ohmilka::Unload;
using namespace colour;

class TestPickers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void paletteWindowsAreLaidOut_data();
    void paletteWindowsAreLaidOut();
    void everyLabelShowsItsColour_data();
    void everyLabelShowsItsColour();
    void choosingAColourPaintsOnlyItsBand();
    void wholeValueSetUpWithTheMouse();
    void labelUnderThePointerTurnsBold();
    void reopenedPaletteIsWhereItWasWithTheChoiceStillBold();
    void whiteInBandOneUnloadsItsPalette();
    void closeBoxLeavesTheBandAsItWas();
    void closingTheMainWindowUnloadsEveryPalette();

private:
    Form *picker(int band)
    {
        return FormRegistry::global().find("frmBarva" + QByteArray::number(band));
    }
    quint32 bandColour(int band)
    {
        return windowtesting::shownProperty(*main, QStringLiteral("picOdpor%1").arg(band),
                                            "BackColor")
            .toUInt();
    }
    // Opens band's palette with a click and runs the given steps in it while it is shown.
    void withPalette(int band, const std::function<void(Form &)> &steps)
    {
        windowtesting::inWindowOpenedBy(*main, QStringLiteral("picOdpor%1").arg(band),
                                        "frmBarva" + QByteArray::number(band), steps);
    }
    void choose(int band, const char *label)
    {
        withPalette(
            band, [label](Form &palette) { windowtesting::click(palette, QLatin1String(label)); });
    }
    QStringList boldLabels(Form &palette)
    {
        QStringList bold;
        for (Label *label : palette.findChildren<Label *>())
            if (label->FontBold())
                bold << label->objectName();
        return bold;
    }

    frmNResistor *main = nullptr;
};

void TestPickers::init()
{
    main = &windowtesting::showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(main));
}

void TestPickers::cleanup()
{
    if (FormRegistry::global().find("frmNResistor"))
        Unload(*main);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(FormRegistry::global().loadedForms().isEmpty());
}

void TestPickers::paletteWindowsAreLaidOut_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<int>("frameHeight");
    QTest::addColumn<int>("labels");
    QTest::newRow("band 1") << 1 << "  1. proužek" << QSize(1995, 3570) << "fra1Barva" << 3495 << 9;
    QTest::newRow("band 2") << 2 << "  2. proužek" << QSize(1995, 3930) << "fra2Barva" << 3855
                            << 10;
    QTest::newRow("band 3") << 3 << "  3. proužek" << QSize(1995, 4635) << "fra3barva" << 4575
                            << 12;
    QTest::newRow("band 4") << 4 << "  4. proužek" << QSize(1935, 3210) << "fra4Barva" << 3135 << 8;
}

void TestPickers::paletteWindowsAreLaidOut()
{
    QFETCH(int, band);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QString, frame);
    QFETCH(int, frameHeight);
    QFETCH(int, labels);

    withPalette(band, [&](Form &palette) {
        QCOMPARE(palette.windowTitle(), caption);
        QCOMPARE(palette.size() * 15, client);
        QVERIFY(palette.windowFlags() & Qt::Tool);
        QVERIFY(!(palette.windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(palette.minimumSize(), palette.maximumSize());
        const QRect screen = palette.screen()->geometry();
        QCOMPARE_LE(qAbs(palette.frameGeometry().center().x() - screen.center().x()), 1);
        QCOMPARE_LE(qAbs(palette.frameGeometry().center().y() - screen.center().y()), 1);
        auto *box = windowtesting::control<QGroupBox>(palette, frame);
        if (!box)
            return;
        QCOMPARE(box->title(), QStringLiteral("%1. barva").arg(band));
        QCOMPARE(box->geometry(), QRect(360 / 15, 0, 1335 / 15, frameHeight / 15));
        QCOMPARE(box->findChildren<Label *>().size(), labels);
        palette.close();
    });
}

void TestPickers::everyLabelShowsItsColour_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<quint32>("back");
    QTest::addColumn<quint32>("fore");
    constexpr quint32 onDark = 0xFFFFFF, onLight = 0x000000;
    const auto row = [](const char *name, int band, int r, const char *caption, quint32 back,
                        quint32 fore) {
        QTest::newRow(name) << band << r << QString::fromUtf8(caption) << back << fore;
    };
    row("lblHneda1", 1, 1, "Hnědá", brown, onDark);
    row("lblCervena1", 1, 2, "Červená", red, onDark);
    row("lblOranzova1", 1, 3, "Oranžová", orange, onDark);
    row("lblZluta1", 1, 4, "Žlutá", yellow, onLight);
    row("lblZelena1", 1, 5, "Zelená", green, onDark);
    row("lblModra1", 1, 6, "Modrá", blue, onDark);
    row("lblFialova1", 1, 7, "Fialová", violet, onDark);
    row("lblSeda1", 1, 8, "Šedá", grey, onDark);
    row("lblBila1", 1, 9, "Bílá", white, onLight);
    row("lblCerna2", 2, 1, "Černá", black, onDark);
    row("lblHneda2", 2, 2, "Hnědá", brown, onDark);
    row("lblCervena2", 2, 3, "Červená", red, onDark);
    row("lblOranzova2", 2, 4, "Oranžová", orange, onDark);
    row("lblZluta2", 2, 5, "Žlutá", yellow, onLight);
    row("lblZelena2", 2, 6, "Zelená", green, onDark);
    row("lblModra2", 2, 7, "Modrá", blue, onDark);
    row("lblFialova2", 2, 8, "Fialová", violet, onDark);
    row("lblSeda2", 2, 9, "Šedá", grey, onDark);
    row("lblBila2", 2, 10, "Bílá", white, onLight);
    row("lblStribrna", 3, 1, "Stříbrná", silver, onLight);
    row("lblZlata", 3, 2, "Zlatá", gold, onLight);
    row("lblCerna3", 3, 3, "Černá", black, onDark);
    row("lblHneda3", 3, 4, "Hnědá", brown, onDark);
    row("lblCervena3", 3, 5, "Červená", red, onDark);
    row("lblOranzova3", 3, 6, "Oranžová", orange, onDark);
    row("lblZluta3", 3, 7, "Žlutá", yellow, onLight);
    row("lblZelena3", 3, 8, "Zelená", green, onDark);
    row("lblModra3", 3, 9, "Modrá", blue, onDark);
    row("lblFialova3", 3, 10, "Fialová", violet, onDark);
    row("lblSeda3", 3, 11, "Šedá", grey, onDark);
    row("lblBila3", 3, 12, "Bílá", white, onLight);
    row("lblZadna4", 4, 1, "Žádná", white, onLight);
    row("lblStribrna4", 4, 2, "Stříbrná", silver, onLight);
    row("lblZlata4", 4, 3, "Zlatá", gold, onLight);
    row("lblHneda4", 4, 4, "Hnědá", brown, onDark);
    row("lblCervena4", 4, 5, "Červená", red, onDark);
    row("lblZelena4", 4, 6, "Zelená", green, onDark);
    row("lblModra4", 4, 7, "Modrá", blue, onDark);
    row("lblFialova4", 4, 8, "Fialová", violet, onDark);
}

void TestPickers::everyLabelShowsItsColour()
{
    QFETCH(int, band);
    QFETCH(int, row);
    QFETCH(QString, caption);
    QFETCH(quint32, back);
    QFETCH(quint32, fore);

    withPalette(band, [&](Form &palette) {
        auto *label =
            windowtesting::control<Label>(palette, QLatin1String(QTest::currentDataTag()));
        if (!label)
            return;
        QVERIFY(label->parentWidget()->objectName().startsWith(QStringLiteral("fra")));
        QCOMPARE(label->geometry(),
                 QRect(120 / 15, (240 + 360 * (row - 1)) / 15, 1095 / 15, 255 / 15));
        QCOMPARE(label->Caption(), caption);
        QCOMPARE(label->BackColor(), back);
        QCOMPARE(label->ForeColor(), fore);
        QVERIFY(!label->FontBold());
        QCOMPARE(label->font().family(), QStringLiteral("Arial"));
        QCOMPARE(label->font().pointSizeF(), 8.25);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QTest::mouseClick(label, Qt::LeftButton);
    });
    RETURN_IF_FAILED();
    QCOMPARE(bandColour(band), back);
}

void TestPickers::choosingAColourPaintsOnlyItsBand()
{
    RETURN_IF_FAILED(choose(1, "lblHneda1"));
    RETURN_IF_FAILED(choose(4, "lblZlata4"));
    RETURN_IF_FAILED(windowtesting::click(*main, QStringLiteral("cmdHodnota")));
    const QString shownBefore = windowtesting::shownNumber(*main);

    RETURN_IF_FAILED(choose(2, "lblModra2"));
    QCOMPARE(bandColour(2), blue);
    QCOMPARE(bandColour(1), brown);
    QCOMPARE(bandColour(3), unset);
    QCOMPARE(bandColour(4), gold);
    QVERIFY(picker(2) && !picker(2)->isVisible()); // hidden, still loaded
    QCOMPARE(windowtesting::shownNumber(*main), shownBefore);
    QCOMPARE(windowtesting::shownTolerance(*main), QStringLiteral("+/-  5%"));

    choose(2, "lblModra2"); // the same colour again
    QCOMPARE(bandColour(2), blue);
}

void TestPickers::wholeValueSetUpWithTheMouse()
{
    RETURN_IF_FAILED(choose(1, "lblHneda1"));
    RETURN_IF_FAILED(choose(2, "lblCerna2"));
    RETURN_IF_FAILED(choose(3, "lblCervena3"));
    RETURN_IF_FAILED(choose(4, "lblZlata4"));
    RETURN_IF_FAILED(windowtesting::click(*main, QStringLiteral("cmdHodnota")));
    QCOMPARE(windowtesting::shownNumber(*main), QStringLiteral("1"));
    QCOMPARE(windowtesting::shownUnit(*main), 2); // "k"
    QCOMPARE(windowtesting::shownTolerance(*main), QStringLiteral("+/-  5%"));
}

void TestPickers::labelUnderThePointerTurnsBold()
{
    withPalette(3, [this](Form &palette) {
        QWidget *frame = windowtesting::control(palette, QStringLiteral("fra3barva"));
        QWidget *gold = windowtesting::control(palette, QStringLiteral("lblZlata"));
        if (!frame || !gold)
            return;
        QTest::mouseMove(gold);
        QCOMPARE(boldLabels(palette), QStringList({"lblZlata"}));
        QTest::mouseMove(frame, gold->geometry().bottomLeft() + QPoint(10, 3));
        QCOMPARE(boldLabels(palette), QStringList());
        RETURN_IF_FAILED(windowtesting::pointAt(palette, QStringLiteral("lblCerna3")));
        RETURN_IF_FAILED(
            windowtesting::pointAt(palette, QStringLiteral("lblSeda3"))); // straight onto another
        QCOMPARE(boldLabels(palette), QStringList({"lblCerna3", "lblSeda3"}));
        QTest::mouseMove(&palette, QPoint(5, 5)); // the window's own surface
        QCOMPARE(boldLabels(palette), QStringList());
        RETURN_IF_FAILED(windowtesting::pointAt(palette, QStringLiteral("lblModra3")));
        windowtesting::click(palette, QStringLiteral("lblModra3"));
    });
    RETURN_IF_FAILED();
    QVERIFY(picker(3));
    QCOMPARE(boldLabels(*picker(3)), QStringList({"lblModra3"})); // a click keeps the weight
}

void TestPickers::reopenedPaletteIsWhereItWasWithTheChoiceStillBold()
{
    QPoint movedTo;
    withPalette(2, [&](Form &palette) {
        palette.Move(6000, 4500); // as if the user dragged it
        movedTo = palette.pos();
        RETURN_IF_FAILED(windowtesting::pointAt(palette, QStringLiteral("lblZelena2")));
        windowtesting::click(palette, QStringLiteral("lblZelena2"));
    });
    RETURN_IF_FAILED();
    QPointer<Form> first = picker(2);
    withPalette(2, [&](Form &palette) {
        QCOMPARE(&palette, first.data());
        QCOMPARE(palette.pos(), movedTo);
        QCOMPARE(boldLabels(palette), QStringList({"lblZelena2"}));
        QWidget *frame = windowtesting::control(palette, QStringLiteral("fra2Barva"));
        if (!frame)
            return;
        QTest::mouseMove(frame, QPoint(3, 100));
        QCOMPARE(boldLabels(palette), QStringList());
        palette.close();
    });
}

void TestPickers::whiteInBandOneUnloadsItsPalette()
{
    withPalette(1, [](Form &palette) {
        palette.Move(6000, 4500);
        RETURN_IF_FAILED(windowtesting::pointAt(palette, QStringLiteral("lblBila1")));
        windowtesting::click(palette, QStringLiteral("lblBila1"));
    });
    RETURN_IF_FAILED();
    QCOMPARE(bandColour(1), white);
    QCOMPARE(picker(1), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    withPalette(1, [this](Form &palette) {
        const QRect screen = palette.screen()->geometry();
        QCOMPARE_LE(qAbs(palette.frameGeometry().center().x() - screen.center().x()), 1);
        QCOMPARE(boldLabels(palette), QStringList());
        windowtesting::click(palette, QStringLiteral("lblSeda1"));
    });
    RETURN_IF_FAILED();
    QVERIFY(picker(1) && !picker(1)->isVisible()); // grey only hides it
}

void TestPickers::closeBoxLeavesTheBandAsItWas()
{
    RETURN_IF_FAILED(choose(3, "lblZluta3"));
    RETURN_IF_FAILED(withPalette(3, [](Form &palette) { palette.close(); }));
    QCOMPARE(bandColour(3), yellow);
    QCOMPARE(picker(3), nullptr);
}

void TestPickers::closingTheMainWindowUnloadsEveryPalette()
{
    RETURN_IF_FAILED(choose(1, "lblHneda1"));
    RETURN_IF_FAILED(choose(2, "lblCerna2"));
    RETURN_IF_FAILED(choose(3, "lblCervena3"));
    RETURN_IF_FAILED(choose(4, "lblZadna4"));
    QCOMPARE(FormRegistry::global().loadedForms().size(), 5);
    main->close();
    QVERIFY(FormRegistry::global().loadedForms().isEmpty());
}

QTEST_MAIN(TestPickers)
#include "test_pickers.moc"

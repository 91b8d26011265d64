// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Controls.h"
#include "TestColours.h"
#include "WindowTesting.h"

#include <QAccessible>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif
#include <QTest>

using ohmilka::Form;
using ohmilka::FormRegistry;
using ohmilka::frmNResistor;
using namespace colour;

// What a screen reader hears of the main window and the palettes.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bandBoxesTellTheirColour_data();
    void bandBoxesTellTheirColour();
    void bandBoxesArePressableButtons();
    void resultRowIsNamed();
    void paletteLabelsArePressableButtons();
    void resultRowIsReviewableInTheMainWindow();
    void resultIsAnnouncedThroughQt();

private:
    QAccessibleInterface *accessible(const QString &name)
    {
        return windowtesting::accessible(*main, name);
    }
    quint32 bandColour(int band)
    {
        return windowtesting::shownProperty(*main, QStringLiteral("picOdpor%1").arg(band),
                                            "BackColor")
            .toUInt();
    }

    frmNResistor *main = nullptr;
};

void TestAccessibility::init()
{
    main = &windowtesting::showMainWindow();
}

void TestAccessibility::cleanup()
{
    windowtesting::unloadEverything();
}

void TestAccessibility::bandBoxesTellTheirColour_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<QString>("description");
    QTest::newRow("an unset band says so") << 2 << unset << "nenastaveno";
    QTest::newRow("brown in band 1") << 1 << brown << "Hnědá";
    QTest::newRow("white in band 3") << 3 << white << "Bílá";
    QTest::newRow("white in band 4 is no band") << 4 << white << "Žádná";
    QTest::newRow("silver in band 4") << 4 << silver << "Stříbrná";
    QTest::newRow("black is no colour of band 1") << 1 << black << "nenastaveno";
}

void TestAccessibility::bandBoxesTellTheirColour()
{
    QFETCH(int, band);
    QFETCH(quint32, colour);
    QFETCH(QString, description);
    QAccessibleInterface *box = accessible(QStringLiteral("picOdpor%1").arg(band));
    if (!box)
        return;
    box->object()->setProperty("BackColor", colour);
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("%1. proužek").arg(band));
    QCOMPARE(box->text(QAccessible::Description), description);
}

void TestAccessibility::bandBoxesArePressableButtons()
{
    QAccessibleInterface *band2 = accessible(QStringLiteral("picOdpor2"));
    if (!band2)
        return;
    QCOMPARE(band2->role(), QAccessible::Button);
    QVERIFY(band2->actionInterface());
    // The press returns before the palette opens: a screen reader is never kept waiting.
    band2->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(FormRegistry::global().find("frmBarva2"), nullptr);
    RETURN_IF_FAILED(windowtesting::inWindowOpenedWhen(
        *main, [] { QCoreApplication::processEvents(); }, "frmBarva2",
        [](Form &palette) { windowtesting::click(palette, QStringLiteral("lblModra2")); }));
    QCOMPARE(bandColour(2), blue);
    QCOMPARE(band2->text(QAccessible::Description), QStringLiteral("Modrá"));
}

void TestAccessibility::resultRowIsNamed()
{
    QAccessibleInterface *number = accessible(QStringLiteral("txtHodnota"));
    QAccessibleInterface *unit = accessible(QStringLiteral("cmbHodnota"));
    QAccessibleInterface *ohm = accessible(QStringLiteral("lblO"));
    QAccessibleInterface *tolerance = accessible(QStringLiteral("lblTolerance"));
    if (!number || !unit || !ohm || !tolerance)
        return;
    QCOMPARE(number->text(QAccessible::Name), QStringLiteral("Hodnota"));
    QCOMPARE(unit->text(QAccessible::Name), QStringLiteral("Jednotka"));
    QCOMPARE(ohm->text(QAccessible::Name), QStringLiteral("ohmů"));
    QCOMPARE(tolerance->text(QAccessible::Name),
             QStringLiteral("Odchylka")); // not the frame's title while it is empty
    for (int band = 1; band <= 4; ++band)
        if (QWidget *box = windowtesting::control(*main, QStringLiteral("picOdpor%1").arg(band)))
            box->setProperty("BackColor", red);
    RETURN_IF_FAILED(windowtesting::click(*main, QStringLiteral("cmdHodnota")));
    QCOMPARE(number->text(QAccessible::Value),
             QStringLiteral("2.2").replace('.', QLocale::system().decimalPoint()));
    QCOMPARE(tolerance->text(QAccessible::Name), QStringLiteral("Odchylka"));
    QCOMPARE(tolerance->textInterface()->text(0, -1), QStringLiteral("+/-  2%"));
}

void TestAccessibility::paletteLabelsArePressableButtons()
{
    RETURN_IF_FAILED(windowtesting::inWindowOpenedBy(
        *main, QStringLiteral("picOdpor3"), "frmBarva3", [](Form &palette) {
            QAccessibleInterface *gold =
                windowtesting::accessible(palette, QStringLiteral("lblZlata"));
            if (!gold)
                return;
            QCOMPARE(gold->role(), QAccessible::Button);
            QCOMPARE(gold->text(QAccessible::Name), QStringLiteral("Zlatá"));
            QVERIFY(gold->text(QAccessible::Description).contains(QStringLiteral("3. proužek")));
            QVERIFY(gold->actionInterface());
            gold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QVERIFY(palette.isVisible()); // the choice follows from the event loop
            QTRY_VERIFY(!palette.isVisible());
        }));
    QCOMPARE(bandColour(3), gold);
    QAccessibleInterface *band3 = accessible(QStringLiteral("picOdpor3"));
    QVERIFY(band3);
    QCOMPARE(band3->text(QAccessible::Description), QStringLiteral("Zlatá"));
}

// A screen reader's review of a window takes the window from the focused control's parents and
// places each label's words where they are drawn.
void TestAccessibility::resultRowIsReviewableInTheMainWindow()
{
    QAccessibleInterface *button = accessible(QStringLiteral("cmdHodnota"));
    QAccessibleInterface *tolerance = accessible(QStringLiteral("lblTolerance"));
    if (!button || !tolerance)
        return;
    QAccessibleInterface *parent = button->parent();
    while (parent && parent->object() != main) {
        QVERIFY2(parent->role() != QAccessible::Border && parent->role() != QAccessible::Window,
                 qPrintable(parent->object()->objectName() + " reads as a window"));
        parent = parent->parent();
    }
    QVERIFY(parent);

    for (int band = 1; band <= 4; ++band)
        if (QWidget *box = windowtesting::control(*main, QStringLiteral("picOdpor%1").arg(band)))
            box->setProperty("BackColor", brown);
    RETURN_IF_FAILED(windowtesting::click(*main, QStringLiteral("cmdHodnota")));
    QAccessibleTextInterface *text = tolerance->textInterface();
    QCOMPARE(text->text(0, -1), QStringLiteral("+/-  1%"));
    const QRect label = tolerance->rect();
    QRect previous;
    for (int i = 0; i < text->characterCount(); ++i) {
        const QRect character = text->characterRect(i);
        QVERIFY2(label.contains(character.center()), qPrintable(QString::number(i)));
        QCOMPARE_GE(character.left(), previous.left());
        previous = character;
    }
}

namespace {
QStringList announcements; // what the update handler below was asked to announce
} // namespace

void TestAccessibility::resultIsAnnouncedThroughQt()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QSKIP("Qt before 6.8 has no announcement event: the desktop group hears the AT-SPI signal");
#else
    announcements.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (event->type() == QAccessible::Announcement)
            announcements << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
    });
    QAccessible::setActive(true);
    const quint32 bands[] = {yellow, violet, red, gold};
    for (int band = 1; band <= 4; ++band)
        if (QWidget *box = windowtesting::control(*main, QStringLiteral("picOdpor%1").arg(band)))
            box->setProperty("BackColor", bands[band - 1]);
    windowtesting::click(*main, QStringLiteral("cmdHodnota"));
    windowtesting::click(*main, QStringLiteral("cmdHodnota")); // the same result, told again
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::setActive(false);
    const QString row = "4" + QLocale::system().decimalPoint() + QStringLiteral("7 k Ω +/-  5%");
    QCOMPARE(announcements, QStringList({row, row}));
#endif
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"

#include "Controls.h"
#include "TestColours.h"
#include "WindowTesting.h"

#include <QAccessible>
#include <QTest>

using ohmilka::Form;
using ohmilka::FormRegistry;
using ohmilka::frmNResistor;
using namespace colour;
using windowtesting::accessible;

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

private:
    QWidget *control(const QString &name) { return windowtesting::control(*main, name); }

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
    QWidget *box = control(QStringLiteral("picOdpor%1").arg(band));
    box->setProperty("BackColor", colour);
    QAccessibleInterface *band_ = accessible(box);
    QCOMPARE(band_->text(QAccessible::Name), QStringLiteral("%1. proužek").arg(band));
    QCOMPARE(band_->text(QAccessible::Description), description);
}

void TestAccessibility::bandBoxesArePressableButtons()
{
    QAccessibleInterface *band2 = accessible(control(QStringLiteral("picOdpor2")));
    QCOMPARE(band2->role(), QAccessible::Button);
    QVERIFY(band2->actionInterface());
    // The press returns before the palette opens: a screen reader is never kept waiting.
    band2->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(FormRegistry::global().find("frmBarva2"), nullptr);
    windowtesting::inWindowOpenedWhen(
        *main, [] { QCoreApplication::processEvents(); }, "frmBarva2",
        [](Form &palette) {
            QTest::mouseClick(palette.findChild<QWidget *>(QStringLiteral("lblModra2")),
                              Qt::LeftButton);
        });
    QCOMPARE(control(QStringLiteral("picOdpor2"))->property("BackColor").toUInt(), blue);
    QCOMPARE(band2->text(QAccessible::Description), QStringLiteral("Modrá"));
}

void TestAccessibility::resultRowIsNamed()
{
    QCOMPARE(accessible(control(QStringLiteral("txtHodnota")))->text(QAccessible::Name),
             QStringLiteral("Hodnota"));
    QCOMPARE(accessible(control(QStringLiteral("cmbHodnota")))->text(QAccessible::Name),
             QStringLiteral("Jednotka"));
    QCOMPARE(accessible(control(QStringLiteral("lblO")))->text(QAccessible::Name),
             QStringLiteral("ohmů"));
    QCOMPARE(accessible(control(QStringLiteral("lblTolerance")))->text(QAccessible::Name),
             QStringLiteral("Odchylka")); // not the frame's title while it is empty
    for (int band = 1; band <= 4; ++band)
        control(QStringLiteral("picOdpor%1").arg(band))->setProperty("BackColor", red);
    QTest::mouseClick(control(QStringLiteral("cmdHodnota")), Qt::LeftButton);
    QCOMPARE(accessible(control(QStringLiteral("txtHodnota")))->text(QAccessible::Value),
             QStringLiteral("2.2").replace('.', QLocale::system().decimalPoint()));
    QAccessibleInterface *tolerance = accessible(control(QStringLiteral("lblTolerance")));
    QCOMPARE(tolerance->text(QAccessible::Name), QStringLiteral("Odchylka"));
    QCOMPARE(tolerance->textInterface()->text(0, -1), QStringLiteral("+/-  2%"));
}

void TestAccessibility::paletteLabelsArePressableButtons()
{
    windowtesting::inWindowOpenedBy(
        *main, QStringLiteral("picOdpor3"), "frmBarva3", [this](Form &palette) {
            QAccessibleInterface *gold =
                accessible(palette.findChild<QWidget *>(QStringLiteral("lblZlata")));
            QCOMPARE(gold->role(), QAccessible::Button);
            QCOMPARE(gold->text(QAccessible::Name), QStringLiteral("Zlatá"));
            QVERIFY(gold->text(QAccessible::Description).contains(QStringLiteral("3. proužek")));
            QVERIFY(gold->actionInterface());
            gold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QVERIFY(palette.isVisible()); // the choice follows from the event loop
            QTRY_VERIFY(!palette.isVisible());
        });
    QCOMPARE(control(QStringLiteral("picOdpor3"))->property("BackColor").toUInt(), gold);
    QCOMPARE(accessible(control(QStringLiteral("picOdpor3")))->text(QAccessible::Description),
             QStringLiteral("Zlatá"));
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Controls.h"
#include "TestColours.h"
#include "WindowTesting.h"

#include <QLocale>
#include <QTest>

using ohmilka::frmNResistor;
using ohmilka::instance;
using ohmilka::Label;
using namespace colour;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void opensCentredWithEverythingEmpty();
    void tabOrderFollowsTheLayout();
    void calculateButtonShowsTheValue_data();
    void calculateButtonShowsTheValue();
    void unsetToleranceBandKeepsTheEarlierText();
    void secondPressGivesTheSameResult();
    void handPickedUnitChangesNothing();
    void valueBoxTakesNoTyping();
    void decimalSeparatorFollowsRegionalSettings();

private:
    template <class T = QWidget> T *control(const QByteArray &name)
    {
        return windowtesting::control<T>(*main, QString::fromLatin1(name));
    }
    void setBands(quint32 b1, quint32 b2, quint32 b3, quint32 b4)
    {
        const quint32 bands[] = {b1, b2, b3, b4};
        for (int band = 0; band < 4; ++band)
            if (QWidget *box = control(QByteArray("picOdpor" + QByteArray::number(band + 1))))
                box->setProperty("BackColor", bands[band]);
    }
    void calculate() { windowtesting::click(*main, QStringLiteral("cmdHodnota")); }
    QString shown() { return windowtesting::shownNumber(*main); }
    int unit() { return windowtesting::shownUnit(*main); }
    QString tolerance() { return windowtesting::shownTolerance(*main); }

    frmNResistor *main = nullptr;
};

void TestMainWindow::init()
{
    main = &instance<frmNResistor>();
    main->Show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
}

void TestMainWindow::cleanup()
{
    windowtesting::unloadEverything();
}

void TestMainWindow::controlsSitWhereTheLayoutPutsThem_data()
{
    using windowtesting::addLayoutRow;
    windowtesting::addLayoutColumns();
    addLayoutRow("cmdAbout", "frmNResistor", 4320, 0, 1095, 375);
    addLayoutRow("cmdHelp", "frmNResistor", 3360, 0, 975, 375);
    addLayoutRow("fraHodnota", "frmNResistor", 120, 1320, 5175, 1095);
    addLayoutRow("Picture1", "fraHodnota", 240, 360, 1335, 615);
    addLayoutRow("cmdHodnota", "Picture1", 0, 120, 1215, 375);
    addLayoutRow("txtHodnota", "fraHodnota", 1680, 480, 1215, 375);
    addLayoutRow("cmbHodnota", "fraHodnota", 3000, 480, 735, 315);
    addLayoutRow("lblO", "fraHodnota", 3840, 480, 0, 0);
    addLayoutRow("lblTolerance", "fraHodnota", 4200, 480, 0, 0);
    addLayoutRow("picOdpor4", "frmNResistor", 2745, 750, 135, 420);
    addLayoutRow("picOdpor3", "frmNResistor", 2505, 750, 135, 420);
    addLayoutRow("picOdpor2", "frmNResistor", 2265, 750, 135, 420);
    addLayoutRow("picOdpor1", "frmNResistor", 2040, 750, 135, 420);
    addLayoutRow("Shape1", "frmNResistor", 1920, 720, 1575, 495);
}

void TestMainWindow::controlsSitWhereTheLayoutPutsThem()
{
    windowtesting::checkLayoutRow(*main);
}

void TestMainWindow::opensCentredWithEverythingEmpty()
{
    QCOMPARE(main->windowTitle(), QStringLiteral("Ohmilka v. 1.00 cz"));
    QCOMPARE(main->size(), QSize(5355 / 15, 2490 / 15));
    const QRect screen = main->screen()->geometry();
    QCOMPARE_LE(qAbs(main->frameGeometry().center().x() - screen.center().x()), 1);
    QCOMPARE_LE(qAbs(main->frameGeometry().center().y() - screen.center().y()), 1);
    for (const char *band : {"picOdpor1", "picOdpor2", "picOdpor3", "picOdpor4"})
        QCOMPARE(windowtesting::shownProperty(*main, QLatin1String(band), "BackColor").toUInt(),
                 unset);
    auto *units = control<QComboBox>("cmbHodnota");
    auto *ohm = control<Label>("lblO");
    auto *toleranceLabel = control<Label>("lblTolerance");
    auto *calculateButton = control<QPushButton>("cmdHodnota");
    if (!units || !ohm || !toleranceLabel || !calculateButton)
        return;
    QCOMPARE(shown(), QString());
    QCOMPARE(unit(), -1);
    QCOMPARE(units->currentText(), QString());
    QCOMPARE(tolerance(), QString());
    QCOMPARE(ohm->Caption(), QStringLiteral("W"));
    QCOMPARE(ohm->text(), QStringLiteral("Ω"));
    for (const Label *label : {ohm, toleranceLabel}) {
        QCOMPARE(label->font().pointSizeF(), 9.75);
        QVERIFY(!label->font().bold());
    }
    QCOMPARE(toleranceLabel->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(calculateButton->text(), QStringLiteral("Vypočítej ->"));
    QCOMPARE(units->count(), 5);
    QCOMPARE(QStringList({units->itemText(0), units->itemText(1), units->itemText(2),
                          units->itemText(3), units->itemText(4)}),
             QStringList({"m", "", "k", "M", "G"}));
    QVERIFY(!units->isEditable());
}

void TestMainWindow::tabOrderFollowsTheLayout()
{
    QWidget *first = control("picOdpor1");
    if (!first)
        return;
    QCOMPARE(main->focusWidget(), first);
    QStringList order;
    QWidget *widget = first;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first);
    QCOMPARE(order, QStringList({"picOdpor1", "picOdpor2", "picOdpor3", "picOdpor4", "txtHodnota",
                                 "cmbHodnota", "cmdHelp", "cmdAbout", "Picture1", "cmdHodnota"}));
}

void TestMainWindow::calculateButtonShowsTheValue_data()
{
    QTest::addColumn<quint32>("b1");
    QTest::addColumn<quint32>("b2");
    QTest::addColumn<quint32>("b3");
    QTest::addColumn<quint32>("b4");
    QTest::addColumn<int>("unitIndex");
    QTest::addColumn<QString>("number"); // written with a full stop
    QTest::addColumn<QString>("toleranceText");

    QTest::newRow("one kilo-ohm, five per cent") << brown << black << red << gold << 2 << "1"
                                                 << "+/-  5%";
    QTest::newRow("47 k, ten per cent") << yellow << violet << orange << silver << 2 << "47"
                                        << "+/-  10%";
    QTest::newRow("22 ohms, one per cent") << red << red << black << brown << 1 << "22"
                                           << "+/-  1%";
    QTest::newRow("4.7 k keeps a fraction") << yellow << violet << red << grey << 2 << "4.7"
                                            << "";
    QTest::newRow("560 M") << green << blue << violet << violet << 3 << "560"
                           << "+/-  0.1%";
    QTest::newRow("1.2 G") << brown << red << grey << blue << 4 << "1.2"
                           << "+/-  0.25%";
    QTest::newRow("sub-ohm value in ohms") << yellow << violet << silver << green << 1 << "0.47"
                                           << "+/-  0.5%";
    QTest::newRow("no band set gives zero ohms") << unset << unset << unset << unset << 1 << "0"
                                                 << "";
    QTest::newRow("none in band 4 is twenty per cent")
        << brown << black << black << white << 1 << "10"
        << "+/-  20%";
}

void TestMainWindow::calculateButtonShowsTheValue()
{
    QFETCH(quint32, b1);
    QFETCH(quint32, b2);
    QFETCH(quint32, b3);
    QFETCH(quint32, b4);
    QFETCH(int, unitIndex);
    QFETCH(QString, number);
    QFETCH(QString, toleranceText);

    RETURN_IF_FAILED(setBands(b1, b2, b3, b4));
    RETURN_IF_FAILED(calculate());
    QCOMPARE(shown(), number.replace('.', QLocale::system().decimalPoint()));
    QCOMPARE(unit(), unitIndex);
    QCOMPARE(tolerance(), toleranceText);
}

void TestMainWindow::unsetToleranceBandKeepsTheEarlierText()
{
    RETURN_IF_FAILED(setBands(brown, black, red, violet));
    RETURN_IF_FAILED(calculate());
    RETURN_IF_FAILED(setBands(brown, black, red, unset));
    RETURN_IF_FAILED(calculate());
    QCOMPARE(tolerance(), QStringLiteral("+/-  0.1%"));
    QCOMPARE(shown(), QStringLiteral("1"));
}

void TestMainWindow::secondPressGivesTheSameResult()
{
    RETURN_IF_FAILED(setBands(brown, grey, red, gold));
    RETURN_IF_FAILED(calculate());
    const QStringList first{shown(), QString::number(unit()), tolerance()};
    RETURN_IF_FAILED(calculate());
    QCOMPARE(QStringList({shown(), QString::number(unit()), tolerance()}), first);
}

void TestMainWindow::handPickedUnitChangesNothing()
{
    RETURN_IF_FAILED(setBands(brown, black, green, gold));
    RETURN_IF_FAILED(calculate());
    auto *units = control<QComboBox>("cmbHodnota");
    if (!units)
        return;
    units->setCurrentIndex(0);
    QCOMPARE(shown(), QStringLiteral("1"));
    RETURN_IF_FAILED(calculate());
    QCOMPARE(unit(), 3);
}

void TestMainWindow::valueBoxTakesNoTyping()
{
    auto *box = control<QLineEdit>("txtHodnota");
    if (!box)
        return;
    QTest::keyClicks(box, QStringLiteral("123"));
    QCOMPARE(shown(), QString());
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

void TestMainWindow::decimalSeparatorFollowsRegionalSettings()
{
    const QByteArray language = qgetenv("LC_ALL");
    RETURN_IF_FAILED(setBands(brown, grey, red, unset));
    RETURN_IF_FAILED(calculate());
    if (language.startsWith("cs"))
        QCOMPARE(shown(), QStringLiteral("1,8"));
    else if (language.startsWith("en"))
        QCOMPARE(shown(), QStringLiteral("1.8"));
    else
        QSKIP("regional settings neither Czech nor English");
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"

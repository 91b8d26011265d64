// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Controls.h"
#include "WindowTesting.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace ohmilka;

// Every window as drawn at the scale the test runs with (1 and 2): no text clipped, no control
// outside its container, and the resistor drawn at the screen's own resolution.
class TestWindowDrawing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void noTextIsClipped_data();
    void noTextIsClipped();
    void resistorIsDrawnAtTheScreensResolution();

private:
    static void checkTextFits(QWidget &window, bool labelsTurnBold);

    frmNResistor *main = nullptr;
};

void TestWindowDrawing::init()
{
    main = &windowtesting::showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(main));
}

void TestWindowDrawing::cleanup()
{
    windowtesting::unloadEverything();
}

void TestWindowDrawing::checkTextFits(QWidget &window, bool labelsTurnBold)
{
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        // A window of its own is not clipped by its parent: Qt 6.8 makes the combo box's list
        // popup early, as a hidden child.
        if (widget->isWindow() || !widget->isVisibleTo(&window))
            continue;
        const QString where = window.objectName() + QLatin1Char('.') + widget->objectName() +
                              QLatin1Char(' ') + QLatin1String(widget->metaObject()->className()) +
                              QLatin1String(" in ") + widget->parentWidget()->objectName();
        // The layout lets "O aplikaci..." reach 60 twips past the window's edge: what counts is
        // the part that shows.
        const QRect visible =
            widget->rect().intersected(widget->parentWidget()->rect().translated(-widget->pos()));
        QVERIFY2(visible.width() >= widget->width() - 4, qPrintable(where));
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
            QFont font = label->font();
            font.setBold(labelsTurnBold);
            const QSize text = QFontMetrics(font).size(0, label->text());
            QVERIFY2(text.width() <= label->contentsRect().width() &&
                         text.height() <= label->contentsRect().height(),
                     qPrintable(where));
            // Nothing of the frame a label sits in is drawn over it.
            if (auto *frame = qobject_cast<QGroupBox *>(label->parentWidget()))
                QVERIFY2(label->geometry().right() < frame->width() - 2,
                         qPrintable(where +
                                    QString(" %1 %2 %3 %4")
                                        .arg(label->geometry().right())
                                        .arg(frame->width())
                                        .arg(label->font().pointSizeF())
                                        .arg(QFontInfo(label->font()).family()) +
                                    QString(" px %1 adv %2 hint %3 pos %4")
                                        .arg(QFontInfo(label->font()).pixelSize())
                                        .arg(label->fontMetrics().horizontalAdvance(label->text()))
                                        .arg(label->sizeHint().width())
                                        .arg(label->x())));
        }
        if (auto *button = qobject_cast<QPushButton *>(widget))
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < visible.width() - 4,
                     qPrintable(where));
    }
}

void TestWindowDrawing::noTextIsClipped_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QByteArray>("window");
    QTest::newRow("main window") << "" << QByteArray("frmNResistor");
    for (int band = 1; band <= 4; ++band)
        QTest::addRow("palette %d", band)
            << QStringLiteral("picOdpor%1").arg(band) << "frmBarva" + QByteArray::number(band);
    QTest::newRow("about window") << "cmdAbout" << QByteArray("frmAbout");
    QTest::newRow("help window") << "cmdHelp" << QByteArray("frmNapoveda");
}

void TestWindowDrawing::noTextIsClipped()
{
    QFETCH(QString, opener);
    QFETCH(QByteArray, window);
    if (opener.isEmpty()) {
        checkTextFits(*main, false);
        return;
    }
    windowtesting::inWindowOpenedBy(*main, opener, window, [window](Form &shown) {
        checkTextFits(shown, window.startsWith("frmBarva"));
    });
}

void TestWindowDrawing::resistorIsDrawnAtTheScreensResolution()
{
    const qreal scale = main->devicePixelRatio();
    const QImage drawn = main->grab().toImage();
    QCOMPARE(drawn.size(), main->size() * scale);
    // The left lead: 2 logical pixels of black across its middle, as many device pixels as
    // the scale makes of them, with no grey fringe.
    const int x = qRound(1680 / 15 * scale);
    int black = 0;
    for (int y = qRound(56 * scale); y < qRound(72 * scale); ++y) {
        const QRgb pixel = drawn.pixel(x, y);
        if (qGray(pixel) < 40)
            ++black;
        else
            QVERIFY2(qGray(pixel) > 150, qPrintable(QStringLiteral("grey at %1").arg(y)));
    }
    QCOMPARE(black, qRound(2 * scale));
}

QTEST_MAIN(TestWindowDrawing)
#include "test_window_drawing.moc"

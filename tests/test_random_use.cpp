// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// Seeded random use of every window: clicks, pointer moves and closes, checked after each step.
// OHMILKA_RANDOM_SEQUENCES sets how many sequences run (default 1000), OHMILKA_RANDOM_SEED the
// first seed (default 1); a failure names the seed and step that reproduce it.

#include "Calculation.h"
#include "Controls.h"
#include "Forms.h"
#include "StartUp.h"
#include "WindowTesting.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLocale>
#include <QTest>

#include <random>

using namespace ohmilka;

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    int launches = 0;
public slots:
    void open(const QUrl &) { ++launches; }
};

class TestRandomUse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomSequencesKeepTheProgramConsistent();

private:
    struct Row {
        QString number;
        int unit = -1;
        QString tolerance;
    };

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    Row shownRow()
    {
        return {windowtesting::shownNumber(*main), windowtesting::shownUnit(*main),
                windowtesting::shownTolerance(*main)};
    }
    quint32 band(int n)
    {
        return windowtesting::shownProperty(*main, QStringLiteral("picOdpor%1").arg(n), "BackColor")
            .toUInt();
    }
    void fail(const QString &what)
    {
        if (failure.isEmpty())
            failure = QStringLiteral("seed %1, step %2: %3").arg(seed).arg(step).arg(what);
    }
    // A shared helper fails the test itself where a control or window is missing.
    bool failed() const { return !failure.isEmpty() || QTest::currentTestFailed(); }
    void check();
    // Moves the pointer; false when it was there already, so no widget hears of it. The move
    // goes to the widget's own window: offscreen, hidden windows at the same place may
    // otherwise catch it.
    bool moveTo(QWidget *widget, QPoint at)
    {
        const QPoint global = widget->mapToGlobal(at);
        const bool moved = global != pointer;
        pointer = global;
        QTest::mouseMove(widget->window()->windowHandle(), widget->mapTo(widget->window(), at));
        return moved;
    }
    void step_();
    void usePalette(int n);
    void useAbout();
    void useHelp();
    void openWith(const char *button, const std::function<void(Form &)> &inside, const char *form);

    std::mt19937 random;
    quint32 seed = 0;
    int step = 0;
    QString failure;
    Form *main = nullptr;
    Row expected;
    quint32 bands[5] = {};
    UrlRecorder urls;
    QPoint pointer{-1, -1};
};

void TestRandomUse::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &urls, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &urls, "open");
}

void TestRandomUse::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void TestRandomUse::check()
{
    const Row row = shownRow();
    if (row.number != expected.number || row.unit != expected.unit ||
        row.tolerance != expected.tolerance)
        fail(QStringLiteral("result row \"%1\" %2 \"%3\", expected \"%4\" %5 \"%6\"")
                 .arg(row.number)
                 .arg(row.unit)
                 .arg(row.tolerance, expected.number)
                 .arg(expected.unit)
                 .arg(expected.tolerance));
    for (int n = 1; n <= 4; ++n)
        if (band(n) != bands[n])
            fail(QStringLiteral("band %1 holds %2, expected %3")
                     .arg(n)
                     .arg(band(n), 0, 16)
                     .arg(bands[n], 0, 16));
    int visible = 0;
    for (Form *form : FormRegistry::global().loadedForms())
        visible += form != main && form->isVisible();
    if (visible > 1)
        fail(QStringLiteral("%1 secondary windows visible").arg(visible));
}

void TestRandomUse::openWith(const char *button, const std::function<void(Form &)> &inside,
                             const char *form)
{
    windowtesting::inWindowOpenedBy(*main, QLatin1String(button), form,
                                    [this, inside](Form &window) {
                                        check();
                                        inside(window);
                                    });
    if (Form *window = FormRegistry::global().find(form); window && window->isVisible())
        fail(QStringLiteral("%1 still visible after its Show returned").arg(QLatin1String(form)));
}

void TestRandomUse::usePalette(int n)
{
    openWith(
        qPrintable(QStringLiteral("picOdpor%1").arg(n)),
        [this, n](Form &palette) {
            const QList<Label *> labels = palette.findChildren<Label *>();
            auto *frame = palette.findChild<Frame *>();
            if (labels.isEmpty() || !frame)
                return fail(palette.objectName() + QStringLiteral(" has no colours in a frame"));
            for (int moves = pick(6); moves > 0; --moves) {
                switch (pick(3)) {
                case 0: {
                    Label *label = labels[pick(int(labels.size()))];
                    if (moveTo(label, QPoint(5 + pick(10), 3 + pick(10))) && !label->FontBold())
                        fail(label->objectName() + QStringLiteral(" not bold under the pointer"));
                    break;
                }
                case 1:
                    moveTo(frame, QPoint(3, 40 + pick(100)));
                    break;
                default:
                    moveTo(&palette, QPoint(3 + pick(15), 10 + pick(100)));
                }
                if (QTest::currentTestFailed())
                    return;
            }
            if (pick(5) == 0) {
                palette.close();
                return;
            }
            Label *chosen = labels[pick(int(labels.size()))];
            bands[n] = chosen->BackColor();
            QTest::mouseClick(chosen, Qt::LeftButton);
        },
        qPrintable(QStringLiteral("frmBarva%1").arg(n)));
}

void TestRandomUse::useAbout()
{
    openWith(
        "cmdAbout",
        [this](Form &about) {
            auto *mail = windowtesting::control<Label>(about, QStringLiteral("lbl2"));
            auto *web = windowtesting::control<Label>(about, QStringLiteral("lbl3"));
            QWidget *frame = windowtesting::control(about, QStringLiteral("fraRamecek"));
            if (!mail || !web || !frame)
                return;
            for (int moves = pick(6); moves > 0; --moves) {
                switch (pick(4)) {
                case 0: {
                    Label *hovered = pick(2) ? mail : web;
                    if (moveTo(hovered, QPoint(5, 5)) && hovered->ForeColor() != 0x0000FF)
                        fail(hovered->objectName() + QStringLiteral(" not red under the pointer"));
                    break;
                }
                case 1:
                    if (moveTo(frame, QPoint(250, 12)) &&
                        (mail->ForeColor() != 0xFF0000 || web->ForeColor() != 0xFF0000))
                        fail(QStringLiteral("links not blue over the frame"));
                    break;
                case 2: {
                    const int before = urls.launches;
                    const char *target = pick(3) == 0 ? "Image1" : pick(2) ? "lbl2" : "lbl3";
                    RETURN_IF_FAILED(windowtesting::click(about, QLatin1String(target)));
                    if (urls.launches != before + 1)
                        fail(QStringLiteral("a click on %1 launched %2 times")
                                 .arg(QLatin1String(target))
                                 .arg(urls.launches - before));
                    break;
                }
                default:
                    moveTo(&about, QPoint(100, 100));
                }
            }
            if (pick(2))
                windowtesting::click(about, QStringLiteral("cmdOK"));
            else
                about.close();
        },
        "frmAbout");
}

void TestRandomUse::useHelp()
{
    openWith(
        "cmdHelp",
        [this](Form &help) {
            switch (pick(3)) {
            case 0:
                if (QWidget *ok = windowtesting::control(help, QStringLiteral("cmdOK")))
                    QTest::keyClick(ok, Qt::Key_Return);
                break;
            case 1:
                windowtesting::click(help, QStringLiteral("cmdOK"));
                break;
            default:
                help.close();
            }
        },
        "frmNapoveda");
}

void TestRandomUse::step_()
{
    switch (pick(8)) {
    case 0:
    case 1:
    case 2:
        usePalette(1 + pick(4));
        break;
    case 3:
    case 4: {
        windowtesting::click(*main, QStringLiteral("cmdHodnota"));
        const ResistorValue value = calculateValue(bands[1], bands[2], bands[3], bands[4]);
        expected.unit = value.unitIndex;
        expected.number = QString::fromStdString(
            numberText(value.shownNumber, QLocale::system().decimalPoint().toStdString()));
        if (value.tolerance)
            expected.tolerance =
                QString::fromUtf8(value.tolerance->data(), qsizetype(value.tolerance->size()));
        break;
    }
    case 5:
        expected.unit = pick(5);
        if (auto *units = windowtesting::control<QComboBox>(*main, QStringLiteral("cmbHodnota")))
            units->setCurrentIndex(expected.unit);
        break;
    case 6:
        useAbout();
        break;
    default:
        useHelp();
    }
}

void TestRandomUse::randomSequencesKeepTheProgramConsistent()
{
    const int sequences = qEnvironmentVariableIsSet("OHMILKA_RANDOM_SEQUENCES")
                              ? qEnvironmentVariableIntValue("OHMILKA_RANDOM_SEQUENCES")
                              : 1000;
    const quint32 firstSeed = qEnvironmentVariableIsSet("OHMILKA_RANDOM_SEED")
                                  ? quint32(qEnvironmentVariableIntValue("OHMILKA_RANDOM_SEED"))
                                  : 1;
    for (seed = firstSeed; seed < firstSeed + quint32(sequences) && !failed(); ++seed) {
        random.seed(seed);
        main = &startProgram();
        main->Move(0, 0); // the offscreen pointer finds the first window under it
        expected = Row();
        for (int n = 1; n <= 4; ++n)
            bands[n] = 0x8000000F;
        const int steps = 10 + pick(40);
        for (step = 1; step <= steps && !failed(); ++step) {
            step_();
            check();
            if (QTest::currentTestFailed())
                fail(QStringLiteral("the failure above"));
        }
        main->close();
        if (!FormRegistry::global().loadedForms().isEmpty())
            fail(QStringLiteral("windows still loaded after the main window closed"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestRandomUse)
#include "test_random_use.moc"

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Controls.h"
#include "Forms.h"
#include "Start.h"
#include "WindowTesting.h"
#include "frmNResistor.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace ohmilka;

// Small windows that exercise the layer the way the program's windows do.
class frmProbe : public Form
{
    Q_OBJECT
public:
    frmProbe() : Form(Border::FixedDialog, 1500, 1500, QStringLiteral("probe"))
    {
        cmdClose = add<CommandButton>(this, "cmdClose", {0, 0, 750, 375}, 0);
        connect(cmdClose, &QPushButton::clicked, this, [this] {
            Unload(*this);
            cmdClose->setText(QStringLiteral("still here until the handler returns"));
        });
    }
    CommandButton *cmdClose;
    int loads = 0;
    int unloads = 0;

private:
    void Form_Load() override { ++loads; }
    void Form_Unload() override
    {
        ++unloads;
        Unload(*this); // asking again while unloading has no effect
    }
};

class frmOther : public Form
{
    Q_OBJECT
public:
    frmOther() : Form(Border::FixedToolWindow, 1500, 1500, QStringLiteral("other")) {}
};

class TestFormsLayer : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void oneInstancePerWindowClass();
    void modalShowReturnsWhenHidden();
    void modalShowReturnsWhenUnloaded();
    void windowUnloadsItselfFromItsOwnHandler();
    void unloadRaisesTheEventOnce();
    void backColorReadsBackWhatWasWritten();
    void moveIsInTwipsAndKeepsTheSize();
    void closeBoxUnloads();
    void captionsShowAsWrittenNotAsMarkup();
    void closingTheStartUpWindowUnloadsEveryWindow();
};

void TestFormsLayer::cleanup()
{
    windowtesting::unloadEverything();
}

void TestFormsLayer::oneInstancePerWindowClass()
{
    frmProbe &first = instance<frmProbe>();
    QCOMPARE(&instance<frmProbe>(), &first);
    QCOMPARE(first.objectName(), QStringLiteral("frmProbe"));
    QCOMPARE(first.loads, 1);
    QVERIFY(static_cast<Form *>(&instance<frmOther>()) != static_cast<Form *>(&first));
    QCOMPARE(FormRegistry::global().loadedForms().size(), 2);
}

void TestFormsLayer::modalShowReturnsWhenHidden()
{
    frmProbe &probe = instance<frmProbe>();
    bool wasModal = false;
    QTimer::singleShot(0, &probe, [&] {
        wasModal = QApplication::activeModalWidget() == &probe;
        probe.setProperty("Visible", false);
    });
    probe.Show(Form::vbModal);
    QVERIFY(wasModal);
    QVERIFY(!probe.isVisible());
    QCOMPARE(&instance<frmProbe>(), &probe); // still loaded
    QCOMPARE(probe.unloads, 0);
}

void TestFormsLayer::modalShowReturnsWhenUnloaded()
{
    QPointer<frmProbe> probe = &instance<frmProbe>();
    QTimer::singleShot(0, probe, [&] { Unload(*probe); });
    probe->Show(Form::vbModal);
    QCOMPARE(FormRegistry::global().find("frmProbe"), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(probe.isNull());
    QCOMPARE(instance<frmProbe>().loads, 1); // a fresh window
}

void TestFormsLayer::windowUnloadsItselfFromItsOwnHandler()
{
    QPointer<frmProbe> probe = &instance<frmProbe>();
    QTimer::singleShot(0, probe, [&] { QTest::mouseClick(probe->cmdClose, Qt::LeftButton); });
    probe->Show(Form::vbModal);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(probe.isNull());
    QVERIFY(&instance<frmProbe>() != nullptr);
}

void TestFormsLayer::unloadRaisesTheEventOnce()
{
    frmProbe &probe = instance<frmProbe>();
    QSignalSpy destroyed(&probe, &QObject::destroyed);
    Unload(probe);
    Unload(probe);
    QCOMPARE(probe.unloads, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(destroyed.size(), 1);
}

void TestFormsLayer::backColorReadsBackWhatWasWritten()
{
    PictureBox box(nullptr);
    QCOMPARE(box.property("BackColor").toUInt(), 0x8000000Fu);
    for (quint32 colour : {0x0000FFu, 0xFFFFFFu, 0x000000u, 0x80000005u}) {
        box.setProperty("BackColor", colour);
        QCOMPARE(box.property("BackColor").toUInt(), colour);
    }
}

void TestFormsLayer::moveIsInTwipsAndKeepsTheSize()
{
    frmProbe &probe = instance<frmProbe>();
    const QSize size = probe.size();
    probe.Move(1500, 3000);
    QCOMPARE(probe.pos(), QPoint(100, 200));
    QCOMPARE(probe.size(), size);
    QCOMPARE(probe.Width(), probe.frameGeometry().width() * 15); // the outer size
    QCOMPARE_GE(probe.Width(), 1500);
}

void TestFormsLayer::closeBoxUnloads()
{
    QPointer<frmProbe> probe = &instance<frmProbe>();
    probe->show();
    probe->close();
    QCOMPARE(probe->unloads, 1);
    QCOMPARE(FormRegistry::global().find("frmProbe"), nullptr);
}

void TestFormsLayer::captionsShowAsWrittenNotAsMarkup()
{
    frmProbe &probe = instance<frmProbe>();
    auto *label = new Label(&probe);
    label->setAutoSize(true);
    const QString caption = QStringLiteral("<b>1</b> &lt; 2");
    label->setCaption(caption);
    QCOMPARE_GE(label->width(), label->fontMetrics().horizontalAdvance(caption));
}

void TestFormsLayer::closingTheStartUpWindowUnloadsEveryWindow()
{
    QSignalSpy allUnloaded(&FormRegistry::global(), &FormRegistry::allUnloaded);
    ProjectSettings probeProject;
    probeProject.startUpForm = []() -> Form & { return instance<frmProbe>(); };
    Form &main = startProject(probeProject);
    instance<frmNResistor>();
    instance<frmOther>().hide();
    main.close();
    QVERIFY(FormRegistry::global().loadedForms().isEmpty());
    QCOMPARE(allUnloaded.size(), 1);
}

QTEST_MAIN(TestFormsLayer)
#include "test_forms_layer.moc"

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// Runs the program's own start-up and event loop, uses every palette, closes the main window,
// and expects the application to end by itself with status 0 and nothing left loaded.

#include "Controls.h"
#include "Forms.h"
#include "StartUp.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace ohmilka;

namespace {
bool nothingLeftLoaded = false;

void useEveryPaletteThenClose()
{
    Form *main = FormRegistry::global().find("frmNResistor");
    if (!main)
        return;
    main->Move(0, 0);
    for (int band = 1; band <= 4; ++band) {
        QTimer::singleShot(0, main, [band] {
            Form *palette = FormRegistry::global().find("frmBarva" + QByteArray::number(band));
            const QList<Label *> labels =
                palette ? palette->findChildren<Label *>() : QList<Label *>();
            if (!labels.isEmpty())
                QTest::mouseClick(labels.last(), Qt::LeftButton);
        });
        auto *bandBox = main->findChild<QWidget *>(QStringLiteral("picOdpor%1").arg(band));
        if (!bandBox) {
            std::printf("no band box %d\n", band);
            return;
        }
        QTest::mouseClick(bandBox, Qt::LeftButton);
    }
    const bool allPalettesUsed =
        FormRegistry::global().loadedForms().size() == 4; // white unloads band 1's
    main->close();
    nothingLeftLoaded = allPalettesUsed && FormRegistry::global().loadedForms().isEmpty();
}

void scheduleTheUser()
{
    QTimer::singleShot(0, useEveryPaletteThenClose);
}
} // namespace

int main(int argc, char **argv)
{
    qAddPreRoutine(scheduleTheUser);
    const int status = runProgram(argc, argv);
    const bool passed = status == 0 && nothingLeftLoaded;
    std::printf("%s: exit status %d, %s\n", passed ? "PASS" : "FAIL", status,
                nothingLeftLoaded ? "every window unloaded" : "windows left loaded");
    return passed ? 0 : 1;
}

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// Renders every window to PNG as a user meets it: the main window with a value calculated, a
// palette with the label under the pointer bold, the about window with a link under the
// pointer, and the help window. Usage: render_windows OUTPUT_FOLDER

#include "Controls.h"
#include "Forms.h"
#include "StartUp.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace ohmilka;

namespace {
QString outputFolder;
int written = 0;

void save(QWidget &window, const char *name)
{
    if (window.grab().save(QDir(outputFolder).filePath(QLatin1String(name))))
        ++written;
}

// Presses opener on the main window and runs steps in the window it opens.
void inWindow(Form &main, const QString &opener, const char *window,
              const std::function<void(Form &)> &steps)
{
    QTimer::singleShot(0, &main, [window, steps] {
        if (Form *shown = FormRegistry::global().find(window))
            steps(*shown);
    });
    QTest::mouseClick(main.findChild<QWidget *>(opener), Qt::LeftButton);
}

void choose(Form &main, int band, const char *label)
{
    inWindow(main, QStringLiteral("picOdpor%1").arg(band),
             qPrintable(QStringLiteral("frmBarva%1").arg(band)), [label](Form &palette) {
                 QTest::mouseClick(palette.findChild<QWidget *>(QLatin1String(label)),
                                   Qt::LeftButton);
             });
}

void hover(QWidget *widget)
{
    QTest::mouseMove(widget->window()->windowHandle(),
                     widget->mapTo(widget->window(), QPoint(8, 6)));
}

void renderAll()
{
    Form &main = *FormRegistry::global().find("frmNResistor");
    main.Move(0, 0);
    choose(main, 1, "lblZluta1");
    choose(main, 2, "lblFialova2");
    choose(main, 3, "lblOranzova3");
    choose(main, 4, "lblStribrna4");
    QTest::mouseClick(main.findChild<QWidget *>(QStringLiteral("cmdHodnota")), Qt::LeftButton);
    save(main, "main-window.png");
    inWindow(main, QStringLiteral("picOdpor3"), "frmBarva3", [](Form &palette) {
        hover(palette.findChild<QWidget *>(QStringLiteral("lblCervena3")));
        save(palette, "palette.png");
        palette.close();
    });
    inWindow(main, QStringLiteral("cmdAbout"), "frmAbout", [](Form &about) {
        hover(about.findChild<QWidget *>(QStringLiteral("lbl3")));
        save(about, "about-window.png");
        about.close();
    });
    inWindow(main, QStringLiteral("cmdHelp"), "frmNapoveda", [](Form &help) {
        save(help, "help-window.png");
        help.close();
    });
    main.close();
}

void scheduleRendering()
{
    QTimer::singleShot(0, renderAll);
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs("usage: render_windows OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    outputFolder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outputFolder);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qAddPreRoutine(scheduleRendering);
    const int status = runProgram(argc, argv);
    std::printf("%d windows rendered into %s\n", written, argv[1]);
    return status == 0 && written == 4 ? 0 : 1;
}

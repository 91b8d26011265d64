// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// Start-up probe for bench/startup.py. "ohmilka" runs the program's own start-up; "bare" shows a
// plain Qt window with the same kinds of widgets. Either way the first paint of the window
// prints CLOCK_MONOTONIC in nanoseconds and ends the process at once.

#include "StartUp.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {
class FirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow()) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

void watchForFirstPaint()
{
    qApp->installEventFilter(new FirstPaint(qApp));
}

int bareWindow(int argc, char **argv)
{
    QApplication application(argc, argv);
    watchForFirstPaint();
    QWidget window;
    window.setFixedSize(357, 166);
    new QPushButton(QStringLiteral("O aplikaci..."), &window);
    new QPushButton(QStringLiteral("Nápověda"), &window);
    auto *frame = new QGroupBox(QStringLiteral("Vypočet z barevných proužků"), &window);
    frame->setGeometry(8, 88, 345, 73);
    new QPushButton(QStringLiteral("Vypočítej ->"), frame);
    new QLineEdit(frame);
    auto *units = new QComboBox(frame);
    units->addItems({"m", "", "k", "M", "G"});
    new QLabel(QStringLiteral("Ω"), frame);
    new QLabel(frame);
    for (int band = 0; band < 5; ++band)
        new QFrame(&window);
    window.show();
    return QApplication::exec();
}
} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0)
        return bareWindow(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "ohmilka") == 0) {
        qAddPreRoutine(watchForFirstPaint);
        return ohmilka::runProgram(argc, argv);
    }
    std::fputs("usage: startup_probe ohmilka|bare\n", stderr);
    return 2;
}

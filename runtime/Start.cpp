// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Start.h"

#include "Forms.h"

#include <QApplication>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace ohmilka {

namespace {
ProjectSettings current;
const char *commandName = "";

QString firstPlatformComplaint; // what the platform plugins said first while starting

// One line on what kept the window system from starting, from the platform's first complaint
// and Qt's closing message.
QString startUpFailure(const QString &complaint, const QString &closingMessage)
{
    static const QRegularExpression display(QStringLiteral("could not connect to display (\\S*)"));
    static const QRegularExpression plugin(
        QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
    static const QRegularExpression available(
        QStringLiteral("Available platform plugins are: ([^\\n]*)\\."));
    if (const auto unreachable = display.match(complaint); unreachable.hasMatch()) {
        if (unreachable.captured(1).isEmpty())
            return QStringLiteral("no display to open the window on (is DISPLAY set?)");
        return QStringLiteral("cannot connect to the display %1").arg(unreachable.captured(1));
    }
    if (const auto missing = plugin.match(complaint); missing.hasMatch())
        return QStringLiteral("no window-system platform \"%1\" (available: %2)")
            .arg(missing.captured(1), available.match(closingMessage).captured(1));
    const QString cause = complaint.isEmpty() ? closingMessage.section(u'\n', 0, 0) : complaint;
    return QStringLiteral("cannot start the window system: %1").arg(cause);
}

// While the application object connects to the window system, Qt's complaints about a failure
// end in an abort; say what failed in one line instead.
void startUpMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        if (firstPlatformComplaint.isEmpty() &&
            QByteArrayView(context.category).startsWith("qt.qpa"))
            firstPlatformComplaint = message;
        return;
    }
    std::fprintf(stderr, "%s: %s\n", commandName,
                 qPrintable(startUpFailure(firstPlatformComplaint, message)));
    std::_Exit(1);
}
} // namespace

const ProjectSettings &projectSettings()
{
    return current;
}

Form &startProject(const ProjectSettings &settings)
{
    current = settings;
    Form &startUpForm = settings.startUpForm();
    FormRegistry::global().setStartUpForm(startUpForm);
    startUpForm.Show();
    return startUpForm;
}

int runProject(int argc, char **argv, const ProjectSettings &settings)
{
    if (argc > 0) {
        const std::string_view path(argv[0]);
        commandName = argv[0] + (path.find_last_of("/\\") + 1); // npos + 1 is 0
    }
    const QtMessageHandler previousHandler = qInstallMessageHandler(startUpMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);

    QApplication::setApplicationName(settings.title);
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(settings.versionMajor)
                                            .arg(settings.versionMinor)
                                            .arg(settings.versionRevision));
    QApplication::setDesktopFileName(settings.desktopId);
    // Desktops take the application's icon from its desktop entry and the installed icon theme;
    // the start-up window carries its own title-bar icon.
    // Hidden windows stay loaded; the application ends when no window is loaded.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&FormRegistry::global(), &FormRegistry::allUnloaded, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);

    startProject(settings);
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace ohmilka

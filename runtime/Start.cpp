#include "Start.h"

#include "Forms.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ohmilka {

namespace {
ProjectSettings current;
const char *commandName = "";

// While the application object connects to the display, Qt's complaints about a missing one
// end in an abort; say it in one line instead.
void startUpMessage(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "%s: no display to open the window on (is DISPLAY set?)\n", commandName);
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
        const char *slash = std::strrchr(argv[0], '/');
        commandName = slash ? slash + 1 : argv[0];
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

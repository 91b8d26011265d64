#include "Application.h"

#include "Forms.h"
#include "ProjectSettings.h"
#include "frmNResistor.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace ohmilka {

namespace {
// While the application object connects to the display, Qt's complaints about a missing one
// end in an abort; say it in one line instead.
void startUpMessage(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type != QtFatalMsg)
        return;
    std::fputs("ohmilka: no display to open the window on (is DISPLAY set?)\n", stderr);
    std::_Exit(1);
}
} // namespace

Form &startApplication()
{
    Form &startUpForm = instance<frmNResistor>();
    Q_ASSERT(startUpForm.objectName() == QLatin1String(settings::startUpForm));
    startUpForm.Show();
    return startUpForm;
}

int runApplication(int argc, char **argv)
{
    const QtMessageHandler previousHandler = qInstallMessageHandler(startUpMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);

    QApplication::setApplicationName(QString::fromUtf8(settings::projectName));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(settings::versionMajor)
                                            .arg(settings::versionMinor)
                                            .arg(settings::versionRevision));
    QApplication::setDesktopFileName(QString::fromLatin1(settings::desktopId));
    // Desktops take the application's icon from its desktop entry and the installed icon theme;
    // the main window carries its own title-bar icon.
    // Hidden palettes stay loaded; the application ends when no window is loaded.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&FormRegistry::global(), &FormRegistry::allUnloaded, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);

    startApplication();
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace ohmilka

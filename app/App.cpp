#include "App.h"

#include "ProjectSettings.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace ohmilka {

int App::Major()
{
    return settings::versionMajor;
}

int App::Minor()
{
    return settings::versionMinor;
}

int App::Revision()
{
    return settings::versionRevision;
}

QString App::Path()
{
    return QCoreApplication::applicationDirPath();
}

int Screen::Width()
{
    return twipsFromPixels(QGuiApplication::primaryScreen()->geometry().width());
}

int Screen::Height()
{
    return twipsFromPixels(QGuiApplication::primaryScreen()->geometry().height());
}

} // namespace ohmilka

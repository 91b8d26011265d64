// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "App.h"

#include "Start.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace ohmilka {

int App::Major()
{
    return projectSettings().versionMajor;
}

int App::Minor()
{
    return projectSettings().versionMinor;
}

int App::Revision()
{
    return projectSettings().versionRevision;
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

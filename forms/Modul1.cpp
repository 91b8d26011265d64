// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Modul1.h"

#include <QDesktopServices>
#include <QUrl>

namespace ohmilka::Modul1 {

int OpenDocument(QString document)
{
    const bool started = QDesktopServices::openUrl(QUrl::fromUserInput(document));
    return started ? launchStarted : noProgramForDocument;
}

} // namespace ohmilka::Modul1

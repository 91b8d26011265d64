// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace ohmilka::Modul1 {

inline constexpr int launchStarted = 33; // above 32, as success always was
inline constexpr int noProgramForDocument = 31;

// Opens a document or URL with the user's default program for it, without waiting for that
// program. Returns launchStarted when the desktop took the request, noProgramForDocument
// when it could not.
int OpenDocument(QString document);

} // namespace ohmilka::Modul1

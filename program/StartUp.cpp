// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "StartUp.h"

#include "Forms.h"
#include "Identity.h"
#include "Start.h"
#include "frmNResistor.h"

namespace ohmilka {

namespace {
ProjectSettings programSettings()
{
    return {.title = QString::fromUtf8(identity::name),
            .desktopId = QString::fromLatin1(identity::desktopId),
            .versionMajor = identity::versionMajor,
            .versionMinor = identity::versionMinor,
            .versionRevision = identity::versionRevision,
            .startUpForm = []() -> Form & { return instance<frmNResistor>(); }};
}
} // namespace

Form &startProgram()
{
    return startProject(programSettings());
}

int runProgram(int argc, char **argv)
{
    return runProject(argc, argv, programSettings());
}

} // namespace ohmilka

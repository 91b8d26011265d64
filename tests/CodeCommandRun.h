// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code called in-process, as its executable calls it, with string streams for its
// standard input, output and error.

#include "Command.h"

#include <QString>
#include <QStringList>

#include <sstream>
#include <string>
#include <vector>

struct CodeCommandResult {
    int status = -1;
    QString out;
    QString err;
};

// output, where given, takes the place of the standard output.
inline CodeCommandResult
runCodeCommand(const QStringList &arguments,
               ohmilka::code::Language language = ohmilka::code::Language::English,
               const std::string &input = {}, std::ostream *output = nullptr)
{
    std::vector<std::string> texts;
    for (const QString &argument : arguments)
        texts.push_back(argument.toStdString());
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = ohmilka::code::runCommand(views, language, in, output ? *output : out, err);
    return {status, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

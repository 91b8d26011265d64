// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// ohmilka-code called in-process, as its executable calls it, with string streams for its
// standard input, output and error.

#include "Run.h"

#include <QByteArrayList>
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

struct CodeCommandBytes {
    int status = -1;
    std::string out;
    std::string err;
};

// Arguments, standard input and what is written as bytes, as a terminal hands them over:
// nothing is decoded on the way. output, where given, takes the place of the standard output.
inline CodeCommandBytes
runCodeCommandOnBytes(const QByteArrayList &arguments, std::istream &in,
                      ohmilka::cli::Language language = ohmilka::cli::Language::English,
                      std::ostream *output = nullptr)
{
    std::vector<std::string> texts;
    for (const QByteArray &argument : arguments)
        texts.push_back(argument.toStdString());
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    std::ostringstream out, err;
    const int status = ohmilka::cli::runCommand(views, language, in, output ? *output : out, err);
    return {status, out.str(), err.str()};
}

inline CodeCommandResult
runCodeCommand(const QStringList &arguments,
               ohmilka::cli::Language language = ohmilka::cli::Language::English,
               const std::string &input = {}, std::ostream *output = nullptr)
{
    QByteArrayList bytes;
    for (const QString &argument : arguments)
        bytes << argument.toUtf8();
    std::istringstream in(input);
    const CodeCommandBytes result = runCodeCommandOnBytes(bytes, in, language, output);
    return {result.status, QString::fromStdString(result.out), QString::fromStdString(result.err)};
}

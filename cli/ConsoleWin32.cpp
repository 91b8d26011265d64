// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// On Windows the C library's streams turn LF into CR LF and stop reading at Ctrl-Z, and a
// console shows bytes in its own code page: the streams become binary, so that the output is the
// Linux build's to the byte, and the console's output code page UTF-8 while the call runs.

#include "Console.h"

#include <windows.h>

#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace ohmilka::cli {

std::vector<std::string> commandLine(int, char **)
{
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), size, nullptr, nullptr);
        arguments.push_back(std::move(argument));
    }
    LocalFree(wide);
    return arguments;
}

ConsoleStreams::ConsoleStreams()
{
    // A stream the caller closed has no handle, and the C library would abort on it.
    const DWORD handles[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    FILE *const streams[] = {stdin, stdout, stderr};
    for (int i = 0; i < 3; ++i) {
        const HANDLE handle = GetStdHandle(handles[i]);
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
            _setmode(_fileno(streams[i]), _O_BINARY);
    }
    outputCodePage_ = GetConsoleOutputCP(); // 0 without a console
    if (outputCodePage_ != 0)
        SetConsoleOutputCP(CP_UTF8);
}

ConsoleStreams::~ConsoleStreams()
{
    if (outputCodePage_ != 0)
        SetConsoleOutputCP(outputCodePage_);
}

} // namespace ohmilka::cli

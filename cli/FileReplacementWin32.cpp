// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "FileReplacement.h"

#include "SystemReason.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>

namespace ohmilka::cli {

namespace {
std::filesystem::path followedLinks(const std::filesystem::path &name)
{
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(name, error);
    return error ? name : resolved;
}

bool writeAll(HANDLE file, std::string_view contents)
{
    while (!contents.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size(), 1 << 30));
        DWORD written = 0;
        if (!WriteFile(file, contents.data(), chunk, &written, nullptr) || written == 0)
            return false;
        contents.remove_prefix(written);
    }
    return true;
}
} // namespace

std::optional<std::string> replaceFileContents(const std::string &name, std::string_view contents)
{
    const std::filesystem::path target =
        followedLinks(std::filesystem::path(std::u8string(name.begin(), name.end())));
    const DWORD attributes = GetFileAttributesW(target.c_str());
    std::wstring beside = target.wstring() + L".ohmilka-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE file = CreateFileW(beside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return systemReason(EIO);
    bool done = writeAll(file, contents) && FlushFileBuffers(file);
    std::string reason = done ? std::string() : systemReason(EIO);
    if (!CloseHandle(file) && done) {
        done = false;
        reason = systemReason(EIO);
    }
    // A file held open elsewhere refuses the move, and stays as it was.
    if (done && !MoveFileExW(beside.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        done = false;
        reason = systemReason(EIO);
    }
    if (!done) {
        DeleteFileW(beside.c_str());
        return reason;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(target.c_str(), attributes);
    return std::nullopt;
}

// Windows has no name for the standard streams but the console's, which is no file.
int standardStreamNamed(const std::string &)
{
    return 0;
}

} // namespace ohmilka::cli

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "FileReplacement.h"

#include "SystemReason.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace ohmilka::cli {

namespace {
// The file a name stands for once its links are followed; the name itself where there is none.
std::string followedLinks(const std::string &name)
{
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(name, error);
    return error ? name : resolved.string();
}

// The mode the file has, else the one a new file gets under the process's umask.
mode_t modeFor(const std::string &file)
{
    struct stat status {
    };
    if (stat(file.c_str(), &status) == 0)
        return status.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int descriptor, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = write(descriptor, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            errno = written == 0 ? ENOSPC : errno;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}
} // namespace

std::optional<std::string> replaceFileContents(const std::string &name, std::string_view contents)
{
    const std::string target = followedLinks(name);
    const std::size_t slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    std::string beside = folder + "." + target.substr(folder.size()) + ".XXXXXX";
    const int descriptor = mkstemp(beside.data());
    if (descriptor < 0)
        return systemReason(errno);
    int error = 0;
    if (!writeAll(descriptor, contents) || fchmod(descriptor, modeFor(target)) != 0 ||
        fsync(descriptor) != 0)
        error = errno;
    if (close(descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(beside.c_str(), target.c_str()) != 0)
        error = errno;
    if (error == 0)
        return std::nullopt;
    unlink(beside.c_str());
    return systemReason(error);
}

int standardStreamNamed(const std::string &name)
{
    struct stat named {
    }, stream{};
    if (stat(name.c_str(), &named) != 0)
        return 0;
    for (const int descriptor : {1, 2})
        if (fstat(descriptor, &stream) == 0 && stream.st_dev == named.st_dev &&
            stream.st_ino == named.st_ino)
            return descriptor;
    return 0;
}

} // namespace ohmilka::cli

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// A zip archive read entry by entry through minizip, within bounds: an entry whose declared size
// passes the limit, or that unpacks to more than it declares or than the limit, is refused while
// it is read, never after; so is one packed tighter than any real file is.

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace ohmilka::partslist {

enum class ZipProblem {
    NotZip,   // no zip archive, or one whose directory cannot be read
    TooLarge, // beyond the limit, or packed absurdly tightly
    Corrupt,  // truncated, a wrong checksum, a method minizip does not unpack
};

// Bytes in memory as an archive reads them: where reading stands.
struct ZipInMemory {
    std::string_view bytes;
    std::uint64_t at = 0;
};

class ZipArchive
{
public:
    static constexpr std::uint64_t defaultLimit = 256 << 20;
    // Bytes unpacked per byte packed beyond which an entry of more than a mebibyte is refused:
    // XML with cell references packs 10 to 50 times, a zip bomb by a thousand.
    static constexpr std::uint64_t mostRatio = 200;

    explicit ZipArchive(const std::string &path, std::uint64_t limit = defaultLimit);
    // An archive held in memory, such as one read from standard input; bytes must outlive it.
    ZipArchive(std::string_view bytes, std::uint64_t limit);
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    bool isOpen() const { return archive_ != nullptr; }
    bool has(std::string_view name);

    // Opens an entry for read(); false when it is missing or refused (see problem()).
    bool open(std::string_view name);
    // The next piece of the open entry into buffer: its size, 0 at its end, or -1 when refused.
    long read(char *buffer, std::size_t size);
    // The whole entry; nullopt when missing or refused.
    std::optional<std::string> entry(std::string_view name);

    const std::optional<ZipProblem> &problem() const { return problem_; }

private:
    void closeEntry();

    std::ifstream file_; // for an archive on disk
    ZipInMemory memory_;
    void *archive_ = nullptr; // minizip's unzFile
    std::uint64_t limit_;
    bool entryOpen_ = false;
    std::uint64_t declared_ = 0, unpacked_ = 0;
    std::optional<ZipProblem> problem_;
};

} // namespace ohmilka::partslist

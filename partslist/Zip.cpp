// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Zip.h"

#include "FilePath.h"

#include <minizip/unzip.h>

#include <algorithm>

namespace ohmilka::partslist {

namespace {
constexpr std::uint64_t ratioFloor = 1 << 20; // small entries may pack as tightly as they like

// minizip's file functions over bytes in memory; the stream is the archive's ZipInMemory.
using Memory = ZipInMemory;

voidpf ZCALLBACK openMemory(voidpf opaque, const void *, int)
{
    return opaque;
}

uLong ZCALLBACK readMemory(voidpf, voidpf stream, void *buffer, uLong size)
{
    auto &memory = *static_cast<Memory *>(stream);
    const std::uint64_t left =
        memory.bytes.size() - std::min<std::uint64_t>(memory.at, memory.bytes.size());
    const auto count = static_cast<uLong>(std::min<std::uint64_t>(size, left));
    std::copy_n(memory.bytes.data() + memory.at, count, static_cast<char *>(buffer));
    memory.at += count;
    return count;
}

uLong ZCALLBACK writeMemory(voidpf, voidpf, const void *, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK tellMemory(voidpf, voidpf stream)
{
    return static_cast<Memory *>(stream)->at;
}

long ZCALLBACK seekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto &memory = *static_cast<Memory *>(stream);
    const std::uint64_t base = origin == ZLIB_FILEFUNC_SEEK_SET   ? 0
                               : origin == ZLIB_FILEFUNC_SEEK_CUR ? memory.at
                                                                  : memory.bytes.size();
    if (base + offset > memory.bytes.size())
        return -1;
    memory.at = base + offset;
    return 0;
}

int ZCALLBACK closeMemory(voidpf, voidpf)
{
    return 0;
}

int ZCALLBACK memoryError(voidpf, voidpf)
{
    return 0;
}

// minizip's file functions over a file opened by its path as the system takes it (wide on
// Windows, where minizip's own fopen takes narrow names alone); the stream is the std::ifstream.
voidpf ZCALLBACK openFile(voidpf opaque, const void *, int)
{
    return static_cast<std::ifstream *>(opaque)->is_open() ? opaque : nullptr;
}

uLong ZCALLBACK readFile(voidpf, voidpf stream, void *buffer, uLong size)
{
    auto &file = *static_cast<std::ifstream *>(stream);
    file.read(static_cast<char *>(buffer), static_cast<std::streamsize>(size));
    return static_cast<uLong>(file.gcount());
}

ZPOS64_T ZCALLBACK tellFile(voidpf, voidpf stream)
{
    auto &file = *static_cast<std::ifstream *>(stream);
    file.clear(file.rdstate() & std::ios::badbit); // a short read at the end is no error
    const std::streamoff at = file.tellg();
    return at < 0 ? static_cast<ZPOS64_T>(-1) : static_cast<ZPOS64_T>(at);
}

long ZCALLBACK seekFile(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto &file = *static_cast<std::ifstream *>(stream);
    file.clear(file.rdstate() & std::ios::badbit);
    const std::ios::seekdir from = origin == ZLIB_FILEFUNC_SEEK_SET   ? std::ios::beg
                                   : origin == ZLIB_FILEFUNC_SEEK_CUR ? std::ios::cur
                                                                      : std::ios::end;
    return file.seekg(static_cast<std::streamoff>(offset), from) ? 0 : -1;
}

int ZCALLBACK closeFile(voidpf, voidpf)
{
    return 0; // the archive's member closes it
}

int ZCALLBACK fileError(voidpf, voidpf stream)
{
    return static_cast<std::ifstream *>(stream)->bad() ? 1 : 0;
}
} // namespace

ZipArchive::ZipArchive(const std::string &path, std::uint64_t limit)
    : file_(filePath(path), std::ios::binary), limit_(limit)
{
    zlib_filefunc64_def functions{openFile, readFile,  writeMemory, tellFile,
                                  seekFile, closeFile, fileError,   &file_};
    archive_ = unzOpen2_64(path.c_str(), &functions);
    if (!archive_)
        problem_ = ZipProblem::NotZip;
}

ZipArchive::ZipArchive(std::string_view bytes, std::uint64_t limit)
    : memory_{bytes, 0}, limit_(limit)
{
    zlib_filefunc64_def functions{openMemory, readMemory,  writeMemory, tellMemory,
                                  seekMemory, closeMemory, memoryError, &memory_};
    archive_ = unzOpen2_64("", &functions);
    if (!archive_)
        problem_ = ZipProblem::NotZip;
}

ZipArchive::~ZipArchive()
{
    if (archive_) {
        closeEntry();
        unzClose(archive_);
    }
}

bool ZipArchive::has(std::string_view name)
{
    closeEntry();
    return archive_ && unzLocateFile(archive_, std::string(name).c_str(), 1) == UNZ_OK;
}

void ZipArchive::closeEntry()
{
    if (!entryOpen_)
        return;
    entryOpen_ = false;
    if (unzCloseCurrentFile(archive_) != UNZ_OK && !problem_)
        problem_ = ZipProblem::Corrupt;
}

bool ZipArchive::open(std::string_view name)
{
    if (!has(name))
        return false;
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(archive_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        problem_ = ZipProblem::Corrupt;
        return false;
    }
    if (info.uncompressed_size > limit_ ||
        (info.uncompressed_size > ratioFloor &&
         info.uncompressed_size / mostRatio > info.compressed_size)) {
        problem_ = ZipProblem::TooLarge;
        return false;
    }
    if (unzOpenCurrentFile(archive_) != UNZ_OK) {
        problem_ = ZipProblem::Corrupt;
        return false;
    }
    entryOpen_ = true;
    declared_ = info.uncompressed_size;
    unpacked_ = 0;
    return true;
}

long ZipArchive::read(char *buffer, std::size_t size)
{
    if (!entryOpen_ || problem_)
        return -1;
    const int got = unzReadCurrentFile(archive_, buffer, static_cast<unsigned>(size));
    if (got < 0) {
        problem_ = ZipProblem::Corrupt;
        return -1;
    }
    unpacked_ += static_cast<std::uint64_t>(got);
    if (unpacked_ > declared_ || unpacked_ > limit_) {
        problem_ = unpacked_ > limit_ ? ZipProblem::TooLarge : ZipProblem::Corrupt;
        return -1;
    }
    if (got == 0) {
        closeEntry(); // checks the checksum
        return problem_ ? -1 : 0;
    }
    return got;
}

std::optional<std::string> ZipArchive::entry(std::string_view name)
{
    if (!open(name))
        return std::nullopt;
    std::string whole;
    char piece[1 << 16];
    for (long got; (got = read(piece, sizeof piece)) != 0;) {
        if (got < 0)
            return std::nullopt;
        whole.append(piece, static_cast<std::size_t>(got));
    }
    return whole;
}

} // namespace ohmilka::partslist

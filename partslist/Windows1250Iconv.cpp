// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// Windows-1250 through the C library's iconv.

#include "Encoding.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace ohmilka::partslist {

void appendWindows1250AsUtf8(std::string_view bytes, std::string &utf8)
{
    static const iconv_t converter = [] {
        const iconv_t opened = iconv_open("UTF-8", "WINDOWS-1250");
        if (opened == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("the C library cannot convert Windows-1250");
        return opened;
    }();
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = bytes.size();
    const std::size_t start = utf8.size();
    utf8.resize(start + 3 * bytes.size()); // no character of the code page takes more
    char *out = utf8.data() + start;
    std::size_t outLeft = utf8.size() - start;
    while (inLeft > 0 &&
           iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1)) {
        if (errno != EILSEQ)
            break;
        // One of the five bytes the code page leaves undefined; U+FFFD takes as much room.
        ++in;
        --inLeft;
        for (char c : std::string_view("\xEF\xBF\xBD")) {
            *out++ = c;
            --outLeft;
        }
    }
    utf8.resize(utf8.size() - outLeft);
}

} // namespace ohmilka::partslist

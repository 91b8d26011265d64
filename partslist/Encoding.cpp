// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Encoding.h"

#include "AsciiText.h"
#include "Utf8.h"

#include <algorithm>

namespace ohmilka::cli {

namespace {
constexpr std::string_view signature = "\xEF\xBB\xBF";
constexpr std::size_t chunk = 1 << 16;

enum class Verdict { Ascii, Utf8, NotUtf8, Cut };

// What bytes are from the first byte outside ASCII on; Cut when they end inside a sequence that
// more bytes may complete.
Verdict verdictOn(std::string_view bytes)
{
    std::size_t at = 0;
    while (at < bytes.size() && static_cast<unsigned char>(bytes[at]) < 0x80)
        ++at;
    if (at == bytes.size())
        return Verdict::Ascii;
    while (at < bytes.size()) {
        const Utf8Character character = firstCharacter(bytes.substr(at));
        if (!character.valid) {
            const auto lead = static_cast<unsigned char>(bytes[at]);
            const bool cut = at + character.length == bytes.size() && lead >= 0xC2 && lead <= 0xF4;
            return cut ? Verdict::Cut : Verdict::NotUtf8;
        }
        at += character.length;
    }
    return Verdict::Utf8;
}
} // namespace

TextEncoding encodingNamed(std::string_view name)
{
    const std::string lower = lowered(name);
    if (lower == "utf-8")
        return TextEncoding::Utf8;
    if (lower == "windows-1250")
        return TextEncoding::Windows1250;
    return TextEncoding::Unknown;
}

// What the source has at hand, appended to raw_: at least a byte unless it has ended.
bool DecodingInput::appendFromSource()
{
    if (std::streambuf::traits_type::eq_int_type(source_->sgetc(),
                                                 std::streambuf::traits_type::eof()))
        return false;
    const std::streamsize available = std::max<std::streamsize>(source_->in_avail(), 1);
    const std::size_t had = raw_.size();
    raw_.resize(had + std::min<std::size_t>(static_cast<std::size_t>(available), chunk));
    const std::streamsize read =
        source_->sgetn(raw_.data() + had, static_cast<std::streamsize>(raw_.size() - had));
    raw_.resize(had + static_cast<std::size_t>(read));
    return true;
}

DecodingInput::int_type DecodingInput::underflow()
{
    std::string_view bytes;
    while (bytes.empty()) {
        raw_.clear();
        if (!appendFromSource())
            return traits_type::eof();
        if (!started_) {
            started_ = true;
            // A signature that the first read cut short.
            while (raw_.size() < signature.size() && signature.starts_with(raw_) &&
                   appendFromSource()) {
            }
            if (raw_.starts_with(signature))
                raw_.erase(0, signature.size());
        }
        if (encoding_ == TextEncoding::Unknown) {
            Verdict verdict = verdictOn(raw_);
            while (verdict == Verdict::Cut && appendFromSource())
                verdict = verdictOn(raw_);
            if (verdict != Verdict::Ascii) // cut at the very end is no UTF-8 either
                encoding_ =
                    verdict == Verdict::Utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1250;
        }
        bytes = raw_;
        if (encoding_ == TextEncoding::Windows1250) {
            decoded_.clear();
            appendWindows1250AsUtf8(bytes, decoded_);
            bytes = decoded_;
        }
    }
    char *start = const_cast<char *>(bytes.data());
    setg(start, start, start + bytes.size());
    return traits_type::to_int_type(*gptr());
}

} // namespace ohmilka::cli

// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Encoding.h"

#include "AsciiText.h"
#include "Utf8.h"

#include <algorithm>
#include <optional>

namespace ohmilka::cli {

namespace {
constexpr std::string_view signature = "\xEF\xBB\xBF";
constexpr std::size_t chunk = 1 << 16;

// Valid UTF-8 from the first byte outside ASCII on, a sequence cut by the chunk's end allowed;
// nullopt when every byte is ASCII.
std::optional<bool> validUtf8(std::string_view bytes)
{
    std::size_t at = 0;
    while (at < bytes.size() && static_cast<unsigned char>(bytes[at]) < 0x80)
        ++at;
    if (at == bytes.size())
        return std::nullopt;
    while (at < bytes.size()) {
        const Utf8Character character = firstCharacter(bytes.substr(at));
        const auto lead = static_cast<unsigned char>(bytes[at]);
        const bool cut = at + character.length == bytes.size() && lead >= 0xC2 && lead <= 0xF4;
        if (!character.valid && !cut)
            return false;
        at += character.length;
    }
    return true;
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

// What the source has at hand, at least a byte unless it has ended.
std::size_t DecodingInput::readFromSource()
{
    if (std::streambuf::traits_type::eq_int_type(source_->sgetc(),
                                                 std::streambuf::traits_type::eof()))
        return 0;
    const std::streamsize available = std::max<std::streamsize>(source_->in_avail(), 1);
    raw_.resize(std::min<std::size_t>(static_cast<std::size_t>(available), chunk));
    const std::streamsize read =
        source_->sgetn(raw_.data(), static_cast<std::streamsize>(raw_.size()));
    raw_.resize(static_cast<std::size_t>(read));
    return raw_.size();
}

DecodingInput::int_type DecodingInput::underflow()
{
    std::string_view bytes;
    while (bytes.empty()) {
        if (readFromSource() == 0)
            return traits_type::eof();
        if (!started_) {
            started_ = true;
            // A signature that the first read cut short.
            while (raw_.size() < signature.size() && signature.starts_with(raw_)) {
                const std::string start = raw_;
                if (readFromSource() == 0) {
                    raw_ = start;
                    break;
                }
                raw_.insert(0, start);
            }
            if (raw_.starts_with(signature))
                raw_.erase(0, signature.size());
        }
        bytes = raw_;
        if (encoding_ == TextEncoding::Unknown)
            if (const auto utf8 = validUtf8(bytes))
                encoding_ = *utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1250;
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

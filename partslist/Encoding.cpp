// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Encoding.h"

#include "AsciiText.h"
#include "Utf8.h"

#include <algorithm>
#include <array>
#include <ios>
#include <utility>

namespace ohmilka::partslist {

namespace {
constexpr std::string_view utf8Signature = "\xEF\xBB\xBF";
constexpr std::string_view utf16LeSignature = "\xFF\xFE";
constexpr std::string_view utf16BeSignature = "\xFE\xFF";
constexpr std::size_t chunk = 1 << 16;
constexpr std::size_t startJudged = 512; // bytes that show UTF-16 or a binary file

struct EncodingName {
    TextEncoding encoding;
    std::string_view name;
};
constexpr std::array<EncodingName, 4> encodingNames{{{TextEncoding::Utf8, "UTF-8"},
                                                     {TextEncoding::Utf16Le, "UTF-16LE"},
                                                     {TextEncoding::Utf16Be, "UTF-16BE"},
                                                     {TextEncoding::Windows1250, "Windows-1250"}}};

struct Magic {
    std::string_view start;
    BinaryKind kind;
};
constexpr std::array<Magic, 4> magics{
    {{"PK\x03\x04", BinaryKind::Zip},
     {"PK\x05\x06", BinaryKind::Zip}, // an empty zip
     {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", BinaryKind::OleCompound},
     {"%PDF-", BinaryKind::Pdf}}};

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

// UTF-16 without a signature: text of Latin letters has a zero byte in every other place.
TextEncoding utf16ByZeros(std::string_view start)
{
    std::size_t pairs = start.size() / 2, zerosFirst = 0, zerosSecond = 0;
    for (std::size_t i = 0; i + 1 < start.size(); i += 2) {
        zerosFirst += start[i] == '\0';
        zerosSecond += start[i + 1] == '\0';
    }
    if (pairs < 2)
        return TextEncoding::Unknown;
    if (zerosFirst == 0 && zerosSecond * 2 >= pairs)
        return TextEncoding::Utf16Le;
    if (zerosSecond == 0 && zerosFirst * 2 >= pairs)
        return TextEncoding::Utf16Be;
    return TextEncoding::Unknown;
}
} // namespace

TextEncoding encodingNamed(std::string_view name)
{
    const std::string asked = lowered(name);
    for (const EncodingName &known : encodingNames)
        if (asked == lowered(known.name))
            return known.encoding;
    return TextEncoding::Unknown;
}

std::string_view nameOf(TextEncoding encoding)
{
    for (const EncodingName &known : encodingNames)
        if (known.encoding == encoding)
            return known.name;
    return {};
}

std::optional<TextEncoding> DecodingInput::guessedOtherThanUtf8() const
{
    if (!guessed_ || encoding_ == TextEncoding::Utf8 || encoding_ == TextEncoding::Unknown)
        return std::nullopt;
    return encoding_;
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

// Signatures, UTF-16 by its zero bytes, and files that are no text, from the first bytes.
void DecodingInput::judgeStart()
{
    try {
        while (raw_.size() < startJudged && appendFromSource()) {
        }
    } catch (const std::ios_base::failure &) {
        // What was read comes first; the failure is the reader's once it is used up.
        failure_ = std::current_exception();
    }
    if (raw_.starts_with(utf8Signature)) {
        raw_.erase(0, utf8Signature.size()); // the content still tells UTF-8 from Windows-1250
        return;
    }
    for (const auto &[signature, encoding] : {std::pair{utf16LeSignature, TextEncoding::Utf16Le},
                                              std::pair{utf16BeSignature, TextEncoding::Utf16Be}})
        if (raw_.starts_with(signature) &&
            (encoding_ == TextEncoding::Unknown || encoding_ == encoding)) {
            raw_.erase(0, signature.size());
            encoding_ = encoding;
            guessed_ = false;
            return;
        }
    if (encoding_ != TextEncoding::Unknown)
        return;
    for (const Magic &magic : magics)
        if (raw_.starts_with(magic.start)) {
            binary_ = magic.kind;
            return;
        }
    const std::string_view start = std::string_view(raw_).substr(0, startJudged);
    encoding_ = utf16ByZeros(start);
    if (encoding_ == TextEncoding::Unknown && start.find('\0') != std::string_view::npos)
        binary_ = BinaryKind::Other;
}

void DecodingInput::decodeUtf16(std::string_view bytes, bool atEnd)
{
    const bool bigEndian = encoding_ == TextEncoding::Utf16Be;
    carried_ += bytes;
    decoded_.clear();
    const auto unitAt = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(carried_[at]);
        const auto second = static_cast<unsigned char>(carried_[at + 1]);
        return static_cast<char32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    std::size_t at = 0;
    while (at + 1 < carried_.size()) {
        const char32_t unit = unitAt(at);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (at + 3 >= carried_.size() && !atEnd)
                break; // the read cut a pair
            const char32_t low = at + 3 < carried_.size() ? unitAt(at + 2) : 0;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), decoded_);
                at += 4;
                continue;
            }
        }
        appendUtf8(unit, decoded_); // a lone surrogate as U+FFFD
        at += 2;
    }
    carried_.erase(0, at);
    if (atEnd && !carried_.empty()) {
        appendUtf8(U'\uFFFD', decoded_);
        carried_.clear();
    }
}

DecodingInput::int_type DecodingInput::underflow()
{
    std::string_view bytes;
    while (bytes.empty()) {
        raw_.clear();
        if (!started_) {
            started_ = true;
            judgeStart();
            if (raw_.empty() && failure_)
                std::rethrow_exception(std::exchange(failure_, nullptr));
        } else if (failure_) {
            std::rethrow_exception(std::exchange(failure_, nullptr));
        } else if (!appendFromSource() && carried_.empty()) {
            return traits_type::eof();
        }
        if (binary_ != BinaryKind::None)
            return traits_type::eof();
        if (raw_.empty() && carried_.empty())
            return traits_type::eof();
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
        } else if (encoding_ == TextEncoding::Utf16Le || encoding_ == TextEncoding::Utf16Be) {
            decodeUtf16(bytes, raw_.empty());
            bytes = decoded_;
        }
    }
    char *start = const_cast<char *>(bytes.data());
    setg(start, start, start + bytes.size());
    return traits_type::to_int_type(*gptr());
}

} // namespace ohmilka::partslist

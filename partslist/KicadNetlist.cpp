// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "KicadNetlist.h"

#include "Xml.h"

namespace ohmilka::partslist {

namespace {
class Components : public XmlHandler
{
public:
    Components(std::string_view file, NetlistReading &reading) : file_(file), reading_(reading) {}
    void readFrom(const XmlStream &stream) { stream_ = &stream; }

    void start(std::string_view name, const char **attributes) override
    {
        if (name == "comp") {
            symbol_ = DesignSymbol{std::string(file_),
                                   stream_->line(),
                                   std::string(attribute(attributes, "ref")),
                                   {},
                                   {},
                                   false};
            excluded_ = false;
            inComp_ = true;
            into_ = Into::Nothing;
        } else if (!inComp_) {
            return;
        } else if (name == "value") {
            into_ = Into::Value;
        } else if (name == "field") {
            symbol_.fields.emplace_back(attribute(attributes, "name"), std::string());
            into_ = Into::LastField;
        } else if (name == "property") {
            const std::string_view property = attribute(attributes, "name");
            excluded_ = excluded_ || property == "exclude_from_bom";
            symbol_.notFitted = symbol_.notFitted || property == "dnp";
        }
    }
    void end(std::string_view name) override
    {
        into_ = Into::Nothing;
        if (name != "comp" || !inComp_)
            return;
        inComp_ = false;
        for (const auto &[field, text] : symbol_.fields)
            symbol_.notFitted = symbol_.notFitted || fieldSaysNotFitted(field, text);
        symbol_.inBom = !excluded_;
        reading_.symbols.push_back(std::move(symbol_));
    }
    void text(std::string_view text) override
    {
        if (into_ == Into::Value)
            symbol_.value += text;
        else if (into_ == Into::LastField)
            symbol_.fields.back().second += text;
    }

private:
    std::string_view file_;
    NetlistReading &reading_;
    const XmlStream *stream_ = nullptr;
    DesignSymbol symbol_;
    // Where text goes: named, not pointed at, as a field met inside a field moves the others.
    enum class Into { Nothing, Value, LastField } into_ = Into::Nothing;
    bool inComp_ = false, excluded_ = false;
};
} // namespace

bool startsAsKicadNetlist(std::string_view start)
{
    const std::size_t export_ = start.find("<export");
    return export_ != std::string_view::npos &&
           start.find("version=", export_) != std::string_view::npos;
}

NetlistReading readKicadNetlist(std::istream &in, std::string_view file)
{
    NetlistReading reading;
    Components components(file, reading);
    XmlStream stream(components);
    components.readFrom(stream);
    char piece[1 << 16];
    while (in) {
        in.read(piece, sizeof piece);
        if (!stream.feed({piece, static_cast<std::size_t>(in.gcount())}, !in)) {
            reading.broken = true;
            break;
        }
    }
    reading.broken = reading.broken || (in.bad());
    return reading;
}

} // namespace ohmilka::partslist

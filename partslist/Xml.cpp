// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Xml.h"

#include <expat.h>

#include <climits>

namespace ohmilka::partslist {

namespace {
void XMLCALL started(void *handler, const XML_Char *name, const XML_Char **attributes)
{
    static_cast<XmlHandler *>(handler)->start(localName(name), attributes);
}

void XMLCALL ended(void *handler, const XML_Char *name)
{
    static_cast<XmlHandler *>(handler)->end(localName(name));
}

void XMLCALL characters(void *handler, const XML_Char *text, int length)
{
    static_cast<XmlHandler *>(handler)->text({text, static_cast<std::size_t>(length)});
}
} // namespace

XmlStream::XmlStream(XmlHandler &handler) : parser_(XML_ParserCreate("UTF-8"))
{
    const auto parser = static_cast<XML_Parser>(parser_);
    XML_SetUserData(parser, &handler);
    XML_SetElementHandler(parser, started, ended);
    XML_SetCharacterDataHandler(parser, characters);
}

XmlStream::~XmlStream()
{
    XML_ParserFree(static_cast<XML_Parser>(parser_));
}

bool XmlStream::feed(std::string_view piece, bool last)
{
    const auto parser = static_cast<XML_Parser>(parser_);
    while (piece.size() > INT_MAX) { // expat takes an int's worth at a time
        if (XML_Parse(parser, piece.data(), INT_MAX, XML_FALSE) != XML_STATUS_OK)
            return false;
        piece.remove_prefix(INT_MAX);
    }
    return XML_Parse(parser, piece.data(), static_cast<int>(piece.size()), last) == XML_STATUS_OK;
}

long XmlStream::line() const
{
    const auto parser = static_cast<XML_Parser>(parser_);
#if XML_MAJOR_VERSION > 2 || (XML_MAJOR_VERSION == 2 && XML_MINOR_VERSION >= 9)
    return static_cast<long>(XML_GetCurrentLineNumber64(parser)); // the older one is deprecated
#else
    return static_cast<long>(XML_GetCurrentLineNumber(parser));
#endif
}

std::string_view localName(std::string_view name)
{
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

std::string_view attribute(const char **attributes, std::string_view name)
{
    for (const char **at = attributes; at && *at; at += 2)
        if (localName(*at) == name)
            return at[1];
    return {};
}

} // namespace ohmilka::partslist

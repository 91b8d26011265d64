// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// XML read as a stream through expat, with names and attributes by their local names: "c" for
// "c" and "x:c" alike, as writers of spreadsheets prefix them or not.

#include <string_view>

namespace ohmilka::partslist {

class XmlHandler
{
public:
    virtual ~XmlHandler() = default;
    virtual void start(std::string_view name, const char **attributes) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view text) = 0;
};

class XmlStream
{
public:
    explicit XmlStream(XmlHandler &handler);
    ~XmlStream();
    XmlStream(const XmlStream &) = delete;
    XmlStream &operator=(const XmlStream &) = delete;

    // false once the XML is not well-formed.
    bool feed(std::string_view piece, bool last);
    // The line the parser stands on, from 1: in a handler, the line of the element it is given.
    long line() const;

private:
    void *parser_; // expat's XML_Parser
};

std::string_view localName(std::string_view name);
// An attribute's value by its local name; empty when it is not there.
std::string_view attribute(const char **attributes, std::string_view name);

} // namespace ohmilka::partslist

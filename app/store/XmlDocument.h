#pragma once

#include <pugixml.hpp>

#include <string>

// An XML document navigated with a cursor: a parent element and the current element among
// its children. Searches only move forward through the parent's children and never wrap, so
// successive FindElement calls visit same-named siblings in document order.
//
// Failures are return values; nothing here throws.
class XmlDocument {
public:
    XmlDocument();

    // Reads and decodes a file (byte-order mark, declared encoding, or UTF-8 when valid and the
    // system code page otherwise) and parses it. False when the file cannot be read or the
    // text does not parse (see SetText).
    bool LoadFile(const std::wstring& path);

    // Writes the document in the encoding its declaration names (UTF-8 when none), replacing
    // the file. Characters the encoding cannot hold are lost.
    bool SaveFile(const std::wstring& path) const;

    // Replaces the whole document and parses it; the cursor goes to the document level with
    // nothing current. False for a structural fault (the document is then empty), and also for
    // a document without exactly one root element, which is kept: a new document starts as a
    // lone declaration that AddElement then fills.
    bool SetText(const std::wstring& text);

    bool FindElement(const std::wstring& name);
    bool EnterElement();
    bool LeaveElement();

    // Decoded value; empty when the attribute is missing or nothing is current.
    std::wstring GetAttribute(const std::wstring& name) const;

    // Inserts an empty element after the current one (at the end of the parent's children when
    // nothing is current) and makes it current.
    bool AddElement(const std::wstring& name);
    bool SetAttribute(const std::wstring& name, const std::wstring& value);

private:
    bool Parse(const std::string& utf8);

    pugi::xml_document m_tree;
    pugi::xml_node m_parent;
    pugi::xml_node m_current;
};

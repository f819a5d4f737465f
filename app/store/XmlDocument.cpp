#include "app/store/XmlDocument.h"

#include "app/core/FilePath.h"
#include "app/core/TextCodec.h"
#include "app/store/XmlEncoding.h"
#include "app/store/XmlWriter.h"

#include <fstream>
#include <iterator>

namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration |
                                   pugi::parse_comments | pugi::parse_pi | pugi::parse_doctype;

} // namespace

XmlDocument::XmlDocument() : m_parent(m_tree) {}

bool XmlDocument::LoadFile(const std::wstring& path) {
    std::ifstream file(PathFromWide(path), std::ios::binary);
    if (!file) {
        return false;
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) {
        return false;
    }
    return Parse(WideToUtf8(DecodeXmlBytes(bytes)));
}

bool XmlDocument::SaveFile(const std::wstring& path) const {
    std::string encoding;
    for (pugi::xml_node node = m_tree.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_declaration) {
            encoding = node.attribute("encoding").value();
            break;
        }
    }
    const std::string bytes = EncodeXmlText(Utf8ToWide(WriteXml(m_tree)), encoding);
    std::ofstream file(PathFromWide(path), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

bool XmlDocument::SetText(const std::wstring& text) { return Parse(WideToUtf8(text)); }

bool XmlDocument::Parse(const std::string& utf8) {
    m_current = pugi::xml_node();
    m_parent = m_tree;
    const pugi::xml_parse_result result =
        m_tree.load_buffer(utf8.data(), utf8.size(), kParseOptions, pugi::encoding_utf8);
    // A lone declaration is how a new document starts: kept, though it has no root yet.
    if (!result && result.status != pugi::status_no_document_element) {
        m_tree.reset();
        return false;
    }
    int roots = 0;
    for (pugi::xml_node node = m_tree.first_child(); node; node = node.next_sibling()) {
        roots += node.type() == pugi::node_element ? 1 : 0;
    }
    return roots == 1;
}

bool XmlDocument::FindElement(const std::wstring& name) {
    const std::string wanted = WideToUtf8(name);
    pugi::xml_node node = m_current ? m_current.next_sibling() : m_parent.first_child();
    for (; node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element && wanted == node.name()) {
            m_current = node;
            return true;
        }
    }
    return false;
}

bool XmlDocument::EnterElement() {
    if (!m_current) {
        return false;
    }
    m_parent = m_current;
    m_current = pugi::xml_node();
    return true;
}

bool XmlDocument::LeaveElement() {
    if (m_parent == m_tree) {
        return false;
    }
    m_current = m_parent;
    m_parent = m_parent.parent();
    return true;
}

std::wstring XmlDocument::GetAttribute(const std::wstring& name) const {
    if (!m_current) {
        return {};
    }
    return Utf8ToWide(m_current.attribute(WideToUtf8(name).c_str()).value());
}

bool XmlDocument::AddElement(const std::wstring& name) {
    pugi::xml_node node = m_current ? m_parent.insert_child_after(pugi::node_element, m_current)
                                    : m_parent.append_child(pugi::node_element);
    if (!node) {
        return false;
    }
    node.set_name(WideToUtf8(name).c_str());
    m_current = node;
    return true;
}

bool XmlDocument::SetAttribute(const std::wstring& name, const std::wstring& value) {
    if (!m_current) {
        return false;
    }
    const std::string key = WideToUtf8(name);
    pugi::xml_attribute attribute = m_current.attribute(key.c_str());
    if (!attribute) {
        attribute = m_current.append_attribute(key.c_str());
    }
    return attribute.set_value(WideToUtf8(value).c_str());
}

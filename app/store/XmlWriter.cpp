#include "app/store/XmlWriter.h"

#include <string_view>

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kIndent = "  ";

void AppendEscaped(std::string& out, std::string_view text, bool attribute) {
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += attribute ? "&quot;" : "\"";
            break;
        case '\'':
            out += attribute ? "&apos;" : "'";
            break;
        // Kept as references so that reading the value back gives the same characters.
        case '\n':
            out += attribute ? "&#10;" : "\n";
            break;
        case '\r':
            out += "&#13;";
            break;
        case '\t':
            out += attribute ? "&#9;" : "\t";
            break;
        default:
            out += c;
        }
    }
}

void AppendAttributes(std::string& out, const pugi::xml_node& node) {
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        out += ' ';
        out += attribute.name();
        out += "=\"";
        AppendEscaped(out, attribute.value(), true);
        out += '"';
    }
}

bool HoldsOnlyText(const pugi::xml_node& node) {
    const pugi::xml_node child = node.first_child();
    return child && !child.next_sibling() &&
           (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata);
}

void AppendNode(std::string& out, const pugi::xml_node& node, int depth);

void AppendInline(std::string& out, const pugi::xml_node& node) {
    if (node.type() == pugi::node_cdata) {
        out += "<![CDATA[";
        out += node.value();
        out += "]]>";
    } else {
        AppendEscaped(out, node.value(), false);
    }
}

void AppendElement(std::string& out, const pugi::xml_node& node, int depth) {
    out += '<';
    out += node.name();
    AppendAttributes(out, node);
    if (!node.first_child()) {
        out += "/>";
    } else if (HoldsOnlyText(node)) {
        out += '>';
        AppendInline(out, node.first_child());
        out += "</";
        out += node.name();
        out += '>';
    } else {
        out += '>';
        out += kLineEnd;
        for (const pugi::xml_node& child : node.children()) {
            AppendNode(out, child, depth + 1);
        }
        for (int i = 0; i < depth; ++i) {
            out += kIndent;
        }
        out += "</";
        out += node.name();
        out += '>';
    }
}

void AppendNode(std::string& out, const pugi::xml_node& node, int depth) {
    for (int i = 0; i < depth; ++i) {
        out += kIndent;
    }
    switch (node.type()) {
    case pugi::node_element:
        AppendElement(out, node, depth);
        break;
    case pugi::node_pcdata:
    case pugi::node_cdata:
        AppendInline(out, node);
        break;
    case pugi::node_comment:
        out += "<!--";
        out += node.value();
        out += "-->";
        break;
    case pugi::node_declaration:
        out += "<?";
        out += node.name();
        AppendAttributes(out, node);
        out += "?>";
        break;
    case pugi::node_pi:
        out += "<?";
        out += node.name();
        out += ' ';
        out += node.value();
        out += "?>";
        break;
    case pugi::node_doctype:
        out += "<!DOCTYPE ";
        out += node.value();
        out += '>';
        break;
    default:
        return;
    }
    out += kLineEnd;
}

} // namespace

std::string WriteXml(const pugi::xml_node& document) {
    std::string out;
    for (const pugi::xml_node& node : document.children()) {
        AppendNode(out, node, 0);
    }
    return out;
}

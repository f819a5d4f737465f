#pragma once

#include <pugixml.hpp>

#include <string>

// Writes a document tree as UTF-8 text: one element per line, indented by depth, Windows line
// ends, and attribute values with all five markup characters written as references.
std::string WriteXml(const pugi::xml_node& document);

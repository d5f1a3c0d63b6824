#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pe {

// One element of an XML document: its path of tag names from the root
// ("assembly/dependency"), its attributes and its text, trimmed.
struct XmlElement {
    std::string path;
    std::map<std::string, std::string> attributes;
    std::string text;
};

// The elements of a small XML document such as a manifest, in document order.
// Reads tags, attributes, text, comments and the declaration; entities and
// CDATA are left as they are. Throws MalformedFile when tags do not nest.
std::vector<XmlElement> ReadXmlElements(std::string_view xml);

}  // namespace pe

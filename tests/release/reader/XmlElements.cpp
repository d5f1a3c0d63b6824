#include "XmlElements.h"

#include "ByteView.h"

#include <algorithm>

namespace pe {

namespace {

constexpr std::string_view kSpace = " \t\r\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

std::size_t Require(std::size_t found, const char* what)
{
    if (found == std::string_view::npos)
        throw MalformedFile(std::string("XML: ") + what);
    return found;
}

// The attributes of a start tag, from just after its name to before its ">" or "/>".
std::map<std::string, std::string> ReadAttributes(std::string_view text)
{
    std::map<std::string, std::string> attributes;
    for (std::size_t at = text.find_first_not_of(kSpace); at != std::string_view::npos;
         at = text.find_first_not_of(kSpace, at)) {
        const std::size_t equals = Require(text.find('=', at), "attribute without a value");
        const std::string name(Trim(text.substr(at, equals - at)));
        const std::size_t open = Require(text.find_first_not_of(kSpace, equals + 1), "attribute without a value");
        const char quote = text[open];
        if (quote != '"' && quote != '\'')
            throw MalformedFile("XML: unquoted attribute " + name);
        const std::size_t close = Require(text.find(quote, open + 1), "unterminated attribute");
        attributes[name] = std::string(text.substr(open + 1, close - open - 1));
        at = close + 1;
    }
    return attributes;
}

}  // namespace

std::vector<XmlElement> ReadXmlElements(std::string_view xml)
{
    if (xml.substr(0, kUtf8Bom.size()) == kUtf8Bom)
        xml.remove_prefix(kUtf8Bom.size());

    std::vector<XmlElement> elements;
    std::vector<std::size_t> open;  // indices of the elements not yet closed
    std::vector<std::string> names;
    std::size_t at = 0;
    while (at < xml.size()) {
        const std::size_t tag = xml.find('<', at);
        const std::string_view text = xml.substr(at, tag == std::string_view::npos ? xml.npos : tag - at);
        if (!open.empty())
            elements[open.back()].text += std::string(Trim(text));
        else if (!Trim(text).empty())
            throw MalformedFile("XML: text outside the root element");
        if (tag == std::string_view::npos)
            break;

        if (xml.compare(tag, 4, "<!--") == 0) {
            at = Require(xml.find("-->", tag + 4), "unterminated comment") + 3;
            continue;
        }
        if (xml.compare(tag, 2, "<?") == 0) {
            at = Require(xml.find("?>", tag + 2), "unterminated declaration") + 2;
            continue;
        }
        const std::size_t end = Require(xml.find('>', tag), "unterminated tag");
        std::string_view inside = xml.substr(tag + 1, end - tag - 1);
        at = end + 1;

        if (!inside.empty() && inside.front() == '/') {
            if (names.empty() || Trim(inside.substr(1)) != names.back())
                throw MalformedFile("XML: unexpected end tag " + std::string(inside));
            names.pop_back();
            open.pop_back();
            continue;
        }
        const bool selfClosing = !inside.empty() && inside.back() == '/';
        if (selfClosing)
            inside.remove_suffix(1);
        const std::size_t nameEnd = std::min(inside.find_first_of(kSpace), inside.size());
        const std::string name(inside.substr(0, nameEnd));
        if (name.empty())
            throw MalformedFile("XML: tag without a name");
        if (open.empty() && !elements.empty())
            throw MalformedFile("XML: second root element " + name);

        XmlElement element;
        element.path = names.empty() ? name : elements[open.back()].path + "/" + name;
        element.attributes = ReadAttributes(inside.substr(nameEnd));
        elements.push_back(std::move(element));
        if (!selfClosing) {
            open.push_back(elements.size() - 1);
            names.push_back(name);
        }
    }
    if (!open.empty())
        throw MalformedFile("XML: element " + names.back() + " not closed");
    return elements;
}

}  // namespace pe

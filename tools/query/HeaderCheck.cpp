#include "HeaderCheck.h"

#include <algorithm>
#include <iterator>

namespace {

struct HeaderTag {
    std::string_view tag;
    bool repeats;
    bool (*valueOk)(std::string_view value);
    const char* valueRule;
};

bool AnyValue(std::string_view) { return true; }
bool NoValue(std::string_view value) { return value.empty(); }
bool TwoDigits(std::string_view value)
{
    return value.size() == 2 && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const HeaderTag kHeaderTags[] = {
    {"*BOOK*", false, AnyValue, ""},
    {"*AUTHOR*", false, AnyValue, ""},
    {"*STAMP*", false, AnyValue, ""},
    {"*EXEVER*", false, TwoDigits, "its value must be two ASCII digits"},
    {"*TYPING*", true, AnyValue, ""},
    {"*END*", false, NoValue, "nothing may follow the tag"},
};
constexpr std::size_t kHeaderTagCount = std::size(kHeaderTags);

// "*" capital letters "*" at the line's start, or nothing.
std::string_view TagOf(std::string_view text)
{
    if (!StartsWith(text, "*"))
        return {};
    std::size_t i = 1;
    while (i < text.size() && text[i] >= 'A' && text[i] <= 'Z')
        ++i;
    if (i == 1 || i == text.size() || text[i] != '*')
        return {};
    return text.substr(0, i + 1);
}

std::string Expected(std::size_t next)
{
    if (next == kHeaderTagCount)
        return "no header line is expected after *END*";
    return std::string(kHeaderTags[next].tag) + " is expected";
}

// The tags from first up to, not including, last, separated by spaces.
std::string TagList(std::size_t first, std::size_t last)
{
    std::string list;
    for (std::size_t i = first; i < last; ++i)
        list += (i == first ? "" : " ") + std::string(kHeaderTags[i].tag);
    return list;
}

}  // namespace

void CheckHeader(const std::vector<BookLine>& lines, std::vector<Violation>& violations)
{
    std::size_t next = 0;  // the index of the tag expected next
    int lineAfterHeader = 1;
    for (const BookLine& line : lines) {
        if (line.kind != LineKind::Header)
            continue;
        auto add = [&](std::string what) { violations.push_back({line.number, BookRule::Header, std::move(what)}); };
        lineAfterHeader = line.number + 1;
        std::string tag(TagOf(line.text));
        if (tag.empty()) {
            add("line without a tag; " + Expected(next));
            continue;
        }
        auto found = std::find_if(std::begin(kHeaderTags), std::end(kHeaderTags),
                                  [&](const HeaderTag& known) { return known.tag == tag; });
        if (found == std::end(kHeaderTags)) {
            add("unknown tag " + tag + "; " + Expected(next));
            continue;
        }
        std::size_t index = static_cast<std::size_t>(found - std::begin(kHeaderTags));
        bool repeated = found->repeats && index + 1 == next;
        if (index < next && !repeated) {
            add(tag + " out of order; " + Expected(next));
            continue;
        }
        if (index > next)
            add("missing before " + tag + ": " + TagList(next, index));
        next = index + 1;
        if (!found->valueOk(line.text.substr(tag.size())))
            add(tag + ": " + found->valueRule);
    }
    if (next < kHeaderTagCount)
        violations.push_back(
            {lineAfterHeader, BookRule::Header, "the header ends without " + TagList(next, kHeaderTagCount)});
}

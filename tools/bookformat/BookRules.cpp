#include "BookRules.h"

#include "BookFormat.h"
#include "LineSplitter.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

namespace bookformat {
namespace {

constexpr std::size_t kNowhere = std::string_view::npos;

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
    {tag::kBook, false, AnyValue, ""},
    {tag::kAuthor, false, AnyValue, ""},
    {tag::kStamp, false, AnyValue, ""},
    {tag::kExever, false, TwoDigits, "its value must be two ASCII digits"},
    {tag::kTyping, true, AnyValue, ""},
    {tag::kEnd, false, NoValue, "nothing may follow the tag"},
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

// The offset of the last line that begins with "*1*", the closing chapter line.
std::optional<std::size_t> ClosingChapterLine(std::string_view book)
{
    std::size_t lineFeed = book.rfind(std::string("\n") + std::string(kChapterLineStart));
    if (lineFeed != kNowhere)
        return lineFeed + 1;
    if (StartsWith(book, kChapterLineStart))
        return 0;
    return std::nullopt;
}

class Checker {
public:
    Checker(std::string_view book, const ReportViolation& report, std::size_t detailsPerRule)
        : m_book(book), m_report(report), m_detailsPerRule(detailsPerRule), m_closingChapter(ClosingChapterLine(book))
    {
    }

    RuleCounts Run()
    {
        LineSplitter lines(m_book);
        Line line;
        bool inHeader = true;
        bool endLine = false;
        while (lines.Next(line)) {
            if (inHeader && line.kind != LineKind::Header) {
                inHeader = false;
                FinishHeader();
                CheckBodyStart(line);
            }
            if (line.kind == LineKind::Header)
                CheckHeaderLine(line);
            CheckLineEnd(line);
            CheckMarkers(line);
            if (line.kind == LineKind::Entry)
                CheckEntryLine(line);
            endLine = line.kind == LineKind::End;
        }
        if (inHeader) {
            FinishHeader();
            Add(m_book.size(), Rule::Body, "the book has no chapter line");
        }
        if (!endLine)
            Add(line.offset, Rule::EndLine, "the last line does not begin with *EOF*");
        return m_counts;
    }

private:
    // Counts every violation, and hands on the first few of each rule: only
    // for those is a text made, by calling makeText.
    template <typename MakeText>
    void Add(std::size_t offset, Rule rule, MakeText&& makeText)
    {
        if (++m_counts[static_cast<std::size_t>(rule)] <= m_detailsPerRule)
            m_report({offset, rule, std::string(makeText())});
    }

    void Add(std::size_t offset, Rule rule, const char* text)
    {
        Add(offset, rule, [text] { return text; });
    }

    // The header's tags in their order: *BOOK* *AUTHOR* *STAMP* *EXEVER*
    // *TYPING* (one or more lines) *END*, with the values that are fixed.
    void CheckHeaderLine(const Line& line)
    {
        m_afterHeader = line.offset + line.Bytes();
        std::string tag(TagOf(line.text));
        if (tag.empty())
            return Add(line.offset, Rule::Header, [&] { return "line without a tag; " + Expected(m_nextTag); });
        auto found = std::find_if(std::begin(kHeaderTags), std::end(kHeaderTags),
                                  [&](const HeaderTag& known) { return known.tag == tag; });
        if (found == std::end(kHeaderTags))
            return Add(line.offset, Rule::Header, [&] { return "unknown tag " + tag + "; " + Expected(m_nextTag); });
        std::size_t index = static_cast<std::size_t>(found - std::begin(kHeaderTags));
        bool repeated = found->repeats && index + 1 == m_nextTag;
        if (index < m_nextTag && !repeated)
            return Add(line.offset, Rule::Header, [&] { return tag + " out of order; " + Expected(m_nextTag); });
        if (index > m_nextTag)
            Add(line.offset, Rule::Header, [&] { return "missing before " + tag + ": " + TagList(m_nextTag, index); });
        m_nextTag = index + 1;
        if (!found->valueOk(line.text.substr(tag.size())))
            Add(line.offset + tag.size(), Rule::Header, [&] { return tag + ": " + found->valueRule; });
    }

    // After the header's last line: the tags that never came.
    void FinishHeader()
    {
        if (m_nextTag < kHeaderTagCount)
            Add(m_afterHeader, Rule::Header,
                [&] { return "the header ends without " + TagList(m_nextTag, kHeaderTagCount); });
    }

    // The first body line, which must be a chapter line.
    void CheckBodyStart(const Line& line)
    {
        if (!m_closingChapter)
            Add(line.offset, Rule::Body, "the book has no chapter line");
        else if (line.kind != LineKind::Chapter)
            Add(line.offset, Rule::Body, "the body does not begin with a chapter line");
    }

    void CheckLineEnd(const Line& line)
    {
        if (line.end == LineEnd::LoneLf)
            Add(line.offset + line.text.size(), Rule::LineEnds, "LF without CR before it");
        if (line.end == LineEnd::Missing)
            Add(line.offset, Rule::LineEnds, "the last line does not end with CR LF");
        std::size_t cr = line.text.find('\r');
        if (cr != kNowhere)
            Add(line.offset + cr, Rule::LineEnds, "CR without LF after it");
    }

    void CheckMarkers(const Line& line)
    {
        std::size_t entry = line.text.find(kEntryMarker, 1);
        if (entry != kNowhere)
            Add(line.offset + entry, Rule::EntryMarkerOnlyAtLineStart,
                "\"@ \" inside a line would start an entry there");
        std::size_t chapter = line.text.find(kChapterMarker, 1);
        if (chapter != kNowhere)
            Add(line.offset + chapter, Rule::ChapterMarkerOnlyAtLineStart,
                "\"*1\" inside a line would end the walk's last entry there");
        else if (StartsWith(line.text, kChapterMarker) && line.kind != LineKind::Chapter)
            Add(line.offset, Rule::ChapterMarkerOnlyAtLineStart, "\"*1\" not followed by \"*\"");
        if (m_closingChapter && line.offset > *m_closingChapter) {
            std::size_t marker = std::min(line.text.find(kEntryMarker), line.text.find(kChapterMarker));
            if (marker != kNowhere)
                Add(line.offset + marker, Rule::NothingAfterClosingChapter,
                    "\"@ \" or \"*1\" after the closing chapter line");
        }
        std::size_t nul = line.text.find('\0');
        if (nul != kNowhere)
            Add(line.offset + nul, Rule::NoNulByte, "NUL byte (the lookups stop there)");
    }

    void CheckEntryLine(const Line& line)
    {
        std::size_t tokenStart = kEntryMarker.size();
        std::size_t tokenEnd = line.text.find(' ', tokenStart);
        bool spaceFollows = tokenEnd != kNowhere;
        std::string_view token = line.text.substr(tokenStart, spaceFollows ? tokenEnd - tokenStart : kNowhere);
        std::size_t at = line.offset + tokenStart;
        if (!spaceFollows)
            Add(at, Rule::TokenEndsOnItsLine, "no space after the token on its line");
        else if (token.size() > kTokenLimit)
            Add(at, Rule::TokenEndsOnItsLine, [&] {
                return "token of " + std::to_string(token.size()) + " bytes, over the walk's limit of " +
                       std::to_string(kTokenLimit);
            });

        if (token.empty() || token.front() != kRootOpen) {
            if (token.empty())
                Add(at, Rule::Body, "entry line without a headword");
            return;
        }
        if (token.size() < 2 || token.back() != kRootClose)
            Add(at, Rule::BracketedToken,
                spaceFollows && line.text.find(kRootClose, tokenEnd) != kNowhere
                    ? "space inside the brackets"
                    : "bracketed token does not end with \"]\"");
        else if (token.size() == 2)
            Add(at, Rule::BracketedToken, "nothing between the brackets");
        else if (!spaceFollows)
            Add(at, Rule::BracketedToken, "\"]\" not followed by a space");
    }

    std::string_view m_book;
    const ReportViolation& m_report;
    std::size_t m_detailsPerRule;
    RuleCounts m_counts{};
    std::optional<std::size_t> m_closingChapter;
    std::size_t m_nextTag = 0;      // the index of the header tag expected next
    std::size_t m_afterHeader = 0;  // the offset just after the last header line
};

}  // namespace

RuleCounts CheckRules(std::string_view book, const ReportViolation& report, std::size_t detailsPerRule)
{
    return Checker(book, report, detailsPerRule).Run();
}

const char* RuleName(Rule rule)
{
    static const char* const kNames[kRuleCount] = {
        "rule 1", "rule 2", "rule 3", "rule 4", "rule 5", "rule 6", "line ends", "header", "body", "end line",
    };
    return kNames[static_cast<int>(rule)];
}

}  // namespace bookformat

#include "Glossary.h"

#include <optional>

namespace {

constexpr std::string_view kBase64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::string_view kDatabaseEntry = "00database";
constexpr std::string_view kPronunciationStart = " /";

std::optional<std::size_t> Base64Number(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::size_t value = 0;
    for (char digit : digits) {
        std::size_t at = kBase64.find(digit);
        if (at == std::string_view::npos)
            return std::nullopt;
        value = value * 64 + at;
    }
    return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t end; (end = text.find(separator)) != std::string_view::npos; text.remove_prefix(end + 1))
        parts.push_back(text.substr(0, end));
    parts.push_back(text);
    return parts;
}

// "2. Adunque" is the gloss "Adunque": articles with several glosses number them.
std::string_view WithoutNumber(std::string_view gloss)
{
    std::size_t digits = gloss.find_first_not_of("0123456789");
    if (digits > 0 && digits != std::string_view::npos && gloss.substr(digits, 2) == ". ")
        return gloss.substr(digits + 2);
    return gloss;
}

// The article's first line is the headword and its pronunciation between slashes.
GlossaryRecord ReadArticle(int sourceLine, std::string_view article)
{
    std::vector<std::string_view> lines = Split(article, '\n');
    std::string_view first = lines.front();
    std::size_t pronunciation = first.find(kPronunciationStart);
    if (pronunciation != std::string_view::npos && first.back() == '/')
        first = first.substr(0, pronunciation);
    GlossaryRecord record{sourceLine, std::string(first), {}};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (!lines[i].empty())
            record.glosses.emplace_back(WithoutNumber(lines[i]));
    }
    return record;
}

}  // namespace

std::vector<GlossaryRecord> ReadGlossary(Source source, std::string_view index, std::string_view dictionary,
                                         Diagnostics& diagnostics)
{
    std::vector<GlossaryRecord> records;
    std::vector<std::string_view> lines = Split(index, '\n');
    if (lines.back().empty())
        lines.pop_back();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Origin origin{source, static_cast<int>(i) + 1};
        std::vector<std::string_view> fields = Split(lines[i], '\t');
        std::optional<std::size_t> offset = fields.size() == 3 ? Base64Number(fields[1]) : std::nullopt;
        std::optional<std::size_t> length = fields.size() == 3 ? Base64Number(fields[2]) : std::nullopt;
        if (!offset || !length) {
            diagnostics.Error(origin, "expected an index line \"word TAB offset TAB length\" in base 64");
            return records;
        }
        if (*offset > dictionary.size() || *length > dictionary.size() - *offset) {
            diagnostics.Error(origin, "the article lies beyond the end of the dictionary text");
            return records;
        }
        if (fields[0].substr(0, kDatabaseEntry.size()) == kDatabaseEntry)
            continue;
        std::string_view article = dictionary.substr(*offset, *length);
        while (!article.empty() && article.back() == '\n')
            article.remove_suffix(1);
        records.push_back(ReadArticle(origin.line, article));
    }
    return records;
}

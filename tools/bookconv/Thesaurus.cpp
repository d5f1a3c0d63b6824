#include "Thesaurus.h"

#include <charconv>

namespace {

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

std::vector<std::string> SplitFields(std::string_view line)
{
    std::vector<std::string> fields;
    for (;;) {
        std::size_t bar = line.find('|');
        fields.emplace_back(line.substr(0, bar));
        if (bar == std::string_view::npos)
            return fields;
        line.remove_prefix(bar + 1);
    }
}

// The N of "headword|N": a positive decimal count, or 0 when the field is none.
int SenseCount(std::string_view field)
{
    int count = 0;
    auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), count);
    bool whole = error == std::errc() && end == field.data() + field.size();
    return whole && count > 0 ? count : 0;
}

}  // namespace

std::vector<ThesaurusRecord> ReadThesaurus(std::string_view text, Diagnostics& diagnostics)
{
    std::vector<ThesaurusRecord> records;
    std::vector<std::string_view> lines = SplitLines(text);
    if (lines.empty() || lines[0] != "UTF-8") {
        diagnostics.Error({Source::Thesaurus, 1}, "the first line must name the encoding UTF-8");
        return records;
    }

    std::size_t next = 1;
    while (next < lines.size()) {
        int lineNumber = static_cast<int>(next) + 1;
        std::string_view line = lines[next];
        std::size_t bar = line.rfind('|');
        int count = bar == std::string_view::npos ? 0 : SenseCount(line.substr(bar + 1));
        if (count == 0) {
            diagnostics.Error({Source::Thesaurus, lineNumber}, "expected a headword line \"headword|N\" with N of at least 1");
            return records;
        }
        if (lines.size() - next - 1 < static_cast<std::size_t>(count)) {
            diagnostics.Error({Source::Thesaurus, lineNumber}, "the headword announces " + std::to_string(count) +
                                              " sense lines, but the text ends before them");
            return records;
        }

        ThesaurusRecord record{lineNumber, std::string(line.substr(0, bar)), {}};
        for (int i = 1; i <= count; ++i) {
            std::vector<std::string> fields = SplitFields(lines[next + i]);
            std::string label = std::move(fields.front());
            fields.erase(fields.begin());
            record.senses.push_back({lineNumber + i, std::move(label), std::move(fields)});
        }
        records.push_back(std::move(record));
        next += 1 + count;
    }
    return records;
}

#include "CheckReport.h"

#include "BookFigures.h"
#include "BookRules.h"

#include <algorithm>

using namespace bookformat;

namespace {

// Line numbers of offsets, counted from the last offset asked about, so that
// offsets that mostly grow cost one pass over the book.
class LineNumbers {
public:
    explicit LineNumbers(std::string_view book) : m_book(book) {}

    std::size_t At(std::size_t offset)
    {
        if (offset >= m_offset)
            m_line += static_cast<std::size_t>(std::count(m_book.begin() + m_offset, m_book.begin() + offset, '\n'));
        else
            m_line -= static_cast<std::size_t>(std::count(m_book.begin() + offset, m_book.begin() + m_offset, '\n'));
        m_offset = offset;
        return m_line;
    }

private:
    std::string_view m_book;
    std::size_t m_offset = 0;
    std::size_t m_line = 1;
};

}  // namespace

int ReportCheck(std::string_view book, std::ostream& out)
{
    LineNumbers lines(book);
    RuleCounts found = CheckRules(
        book,
        [&](const Violation& violation) {
            out << "line " << lines.At(violation.offset) << ": " << RuleName(violation.rule) << ": " << violation.what
                << '\n';
        },
        kShownPerRule);

    std::size_t total = 0;
    for (int rule = 0; rule < kRuleCount; ++rule) {
        std::size_t count = found[static_cast<std::size_t>(rule)];
        if (count > kShownPerRule)
            out << RuleName(static_cast<Rule>(rule)) << ": and " << count - kShownPerRule << " more\n";
        total += count;
    }
    if (total == 0)
        out << "Every rule holds.\n";
    else
        out << total << (total == 1 ? " violation.\n" : " violations.\n");
    out << '\n' << FormatFigures(MeasureBook(book));
    return total == 0 ? 0 : 1;
}

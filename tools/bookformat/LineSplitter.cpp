#include "LineSplitter.h"

#include "BookFormat.h"

namespace bookformat {

bool LineSplitter::Next(Line& line)
{
    if (m_next >= m_book.size())
        return false;
    line.offset = m_next;
    std::size_t lf = m_book.find('\n', m_next);
    if (lf == std::string_view::npos) {
        line.text = m_book.substr(m_next);
        line.end = LineEnd::Missing;
        m_next = m_book.size();
    } else {
        bool cr = lf > m_next && m_book[lf - 1] == '\r';
        line.text = m_book.substr(m_next, lf - m_next - (cr ? 1 : 0));
        line.end = cr ? LineEnd::CrLf : LineEnd::LoneLf;
        m_next = lf + 1;
    }

    if (StartsWith(line.text, kChapterLineStart))
        line.kind = LineKind::Chapter;
    else if (StartsWith(line.text, kEntryMarker))
        line.kind = LineKind::Entry;
    else
        line.kind = m_inHeader ? LineKind::Header : LineKind::Continuation;
    m_inHeader = line.kind == LineKind::Header && line.text != tag::kEnd;
    if (m_next == m_book.size() && StartsWith(line.text, kEndLineStart))
        line.kind = LineKind::End;
    return true;
}

}  // namespace bookformat

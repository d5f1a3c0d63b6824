#include "WordWeights.h"

#include "Letters.h"

WordWeights::WordWeights(const ranking::FrequencyList& list, bookformat::Windows1256& encoding,
                         FrequencyCounts& counts)
{
    counts.forms = static_cast<int>(list.forms.size());
    counts.malformedLines = static_cast<int>(list.malformedLines.size());
    for (const ranking::FormCount& form : list.forms) {
        bookformat::Conversion bytes = encoding.FromUtf8(form.form);
        if (!bytes.ok) {
            ++counts.notWindows1256;
            continue;
        }
        m_counts[bookformat::Unmarked(bytes.text)] += form.count;
    }
}

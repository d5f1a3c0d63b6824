#include "WordWeights.h"

#include "Spelling.h"

#include <set>

namespace {

constexpr std::string_view kArticle = "\xC7\xE1";  // "ال"

}  // namespace

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
        m_counts[spelling::Unmarked(bytes.text)] += form.count;
    }
}

long long WordWeights::OfForm(std::string_view form) const
{
    auto found = m_counts.find(form);
    return found == m_counts.end() ? 0 : found->second;
}

long long WordWeights::OfWords(const std::vector<std::string>& words) const
{
    long long weight = 0;
    for (const std::string& word : std::set<std::string>(words.begin(), words.end()))
        weight += OfForm(word) + OfForm(std::string(kArticle) + word);
    return weight;
}

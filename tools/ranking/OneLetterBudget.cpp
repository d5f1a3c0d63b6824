#include "OneLetterBudget.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace ranking {
namespace {

constexpr std::size_t kLineEnd = 2;  // CR LF

}  // namespace

bool OneLetterBudget::Take(std::string_view headword)
{
    if (headword.empty())
        return false;
    ListSize& list = m_lists[headword.front()];
    if (list.headwords + 1 > m_budget.headwords || list.bytes + headword.size() + kLineEnd > m_budget.bytes)
        return false;
    ++list.headwords;
    list.bytes += headword.size() + kLineEnd;
    return true;
}

std::vector<bool> ChooseWithinBudget(const std::vector<Candidate>& candidates, OneLetterBudget lists)
{
    std::vector<std::size_t> order(candidates.size());
    std::iota(order.begin(), order.end(), 0);
    auto rank = [&](std::size_t i) {
        const Candidate& c = candidates[i];
        return std::make_tuple(-c.weight, c.glossTier, c.kindOrder, c.headword.size(), c.headword);
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return rank(a) < rank(b); });

    std::vector<bool> kept(candidates.size(), false);
    for (std::size_t i : order) {
        const std::vector<std::size_t>& targets = candidates[i].targets;
        bool leads = targets.empty() || std::any_of(targets.begin(), targets.end(), [&](std::size_t t) { return kept[t]; });
        kept[i] = leads && lists.Take(candidates[i].headword);
    }
    return kept;
}

}  // namespace ranking

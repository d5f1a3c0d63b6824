#pragma once

#include <cstddef>
#include <map>
#include <string_view>
#include <vector>

namespace ranking {

// What typing one byte lists: every headword that begins with it, each
// followed by CR LF.
struct ListSize {
    std::size_t headwords = 0;
    std::size_t bytes = 0;
};

// The most that the first keystroke may list. The edit control lays each
// line of a list out in about the same time, so the longest such list sets
// the slowest keystroke.
struct ListBudget {
    std::size_t headwords;
    std::size_t bytes;
};
inline constexpr ListBudget kOneLetterBudget{6000, 45000};

// The one-letter lists as headwords are taken into them.
class OneLetterBudget {
public:
    explicit OneLetterBudget(ListBudget budget) : m_budget(budget) {}

    // Takes the headword into its list when the list stays within the budget
    // with it; otherwise takes nothing and returns false.
    bool Take(std::string_view headword);

private:
    ListBudget m_budget;
    std::map<char, ListSize> m_lists;
};

// A headword that competes for its list: the more often a reader meets the
// word it leads to, the more common its English gloss, the earlier its kind
// (the caller's order) and the shorter it is, the earlier it is taken.
struct Candidate {
    std::string_view headword;
    long long weight = 0;
    int glossTier = 0;
    int kindOrder = 0;
    // A headword that only leads to others (a spelling people type) stays
    // only when one of these candidates, by index, stayed before it.
    std::vector<std::size_t> targets;
};

// Whether each candidate stays: taken in the order above while its list,
// which may hold other headwords already, has room.
std::vector<bool> ChooseWithinBudget(const std::vector<Candidate>& candidates, OneLetterBudget lists);

}  // namespace ranking

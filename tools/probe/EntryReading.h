#pragma once

#include <string>
#include <string_view>
#include <vector>

// How a probe reads an entry's text, in Windows-1256, as a learner does.
namespace probe {

// The English glosses in the order the entry gives them, in small letters:
// the runs of text between the entry's separators (| ; ؛ ، : and brackets)
// that hold a Latin letter, a leading "to " left out.
std::vector<std::string> EnglishGlosses(std::string_view entry);

// Whether a gloss is the meaning or holds it as whole words: "be read" holds "read".
bool GlossHolds(std::string_view gloss, std::string_view meaning);

// The entry's Arabic words as written, marks included.
std::vector<std::string> ArabicWords(std::string_view entry);

// Whether the entry names the Arabic word or phrase, compared without marks,
// each alone or with the article: "الماء" names "ماء".
bool NamesArabic(std::string_view entry, std::string_view words);

}  // namespace probe

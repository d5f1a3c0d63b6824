#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the search box leads a reader to who types a whole word, in
// Windows-1256: the entry that its listing shows at once, or, where the
// word itself is listed, the entry that a click on it shows; nullopt where
// neither.
std::optional<std::string> EntryTypedFor(const char* book, const std::string& word);

// The headwords that an entry's text refers the reader to where it is only a
// reference: " W انظر: X، Y" names X and Y, and " W انظر: كَتَبَ (write + I)
// ؛ كِتاب (books)" names كتب and كتاب, their marks taken off. Empty for any
// other entry.
std::vector<std::string> ReferredHeadwords(std::string_view entry);

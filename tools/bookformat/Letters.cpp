#include "Letters.h"

#include <algorithm>
#include <iterator>

namespace bookformat {
namespace {

constexpr std::string_view kMarks = "\xF0\xF1\xF2\xF3\xF5\xF6\xF8\xFA\xDC";  // the eight marks, then the tatweel

}  // namespace

bool IsMark(char byte)
{
    return kMarks.find(byte) != std::string_view::npos;
}

std::string Unmarked(std::string_view word)
{
    std::string bare;
    std::copy_if(word.begin(), word.end(), std::back_inserter(bare), [](char byte) { return !IsMark(byte); });
    return bare;
}

std::string SmallLetters(std::string_view text)
{
    std::string small(text);
    std::transform(small.begin(), small.end(), small.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return small;
}

}  // namespace bookformat

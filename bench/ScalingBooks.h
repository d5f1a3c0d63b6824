#pragma once

#include <cstddef>
#include <string>

// Books for seeing how the walk's time grows with the text.

// copies of book, one after the other: a longer book of the same shape.
std::string RepeatedBook(const std::string& book, int copies);

// The start of book, up to a line end near 100 KB, then chapter lines and no
// further entry marker up to size bytes: after its last entry the walk visits
// every one of them.
std::string BookWithChapterLineTail(const std::string& book, std::size_t size);

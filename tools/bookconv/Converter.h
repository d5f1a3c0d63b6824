#pragma once

#include "Diagnostics.h"

#include <optional>
#include <string>
#include <string_view>

struct Book {
    std::string text;  // Windows-1256, CR LF after every line
    int entries = 0;
    int pages = 0;
};

// The book made from a thesaurus text. Whatever the conversion removes or
// keeps although it is irregular is noted; nullopt when any error was
// reported, so that no broken book is ever written.
std::optional<Book> ConvertThesaurus(std::string_view source, Diagnostics& diagnostics);

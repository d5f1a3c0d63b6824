#pragma once

// The program's walk and lookups held to the reference model, for the native
// tests and the fuzz target alike.

#include "ReferenceWalk.h"

#include <string>
#include <string_view>
#include <vector>

// The program's walk over book, in the model's terms. Throws std::logic_error
// when a headword's length and the NUL that ends it in the buffer disagree.
std::vector<reference::Entry> RecordWalk(const char* book);

// Empty when the program's walk over book yields exactly model's entries;
// otherwise the first difference.
std::string WalkDifference(const char* book, const std::vector<reference::Entry>& model);

// Empty when both lookups of query on book answer as the model does, the flag
// included; otherwise the first difference.
std::string LookupDifference(const char* book, const std::vector<reference::Entry>& model, std::string_view query);

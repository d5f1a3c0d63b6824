#pragma once

#include "CString.h"

#include <cstddef>
#include <string>

// A book to measure on, and the queries of the benchmark cases, found by one
// walk over it.
struct BenchBook {
    std::string name;
    const char* text = nullptr;  // NUL-terminated
    std::size_t length = 0;      // for the baseline only: the lookups never see it
    CString commonInitial;       // the one-byte query that lists the most headwords
    CString middleHeadword;      // the headword of the entry halfway through the walk
    CString firstHeadword;
    CString lastHeadword;
    CString missing;             // a one-byte query that begins no headword
};

BenchBook DescribeBook(std::string name, const char* text, std::size_t length);

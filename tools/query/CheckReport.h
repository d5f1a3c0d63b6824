#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>

// At most so many violations of each rule are printed; the rest are counted.
constexpr std::size_t kShownPerRule = 20;

// What "check" prints: each violation with its line number as it is found,
// up to kShownPerRule per rule and then how many more, the verdict, and the
// book's figures. The book must be followed by a NUL byte that its size does
// not count. Returns the exit status: 0 when every rule holds, else 1.
int ReportCheck(std::string_view book, std::ostream& out);

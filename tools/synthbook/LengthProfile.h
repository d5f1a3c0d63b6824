#pragma once

#include <vector>

// The lengths of count lines whose spread follows the book's: short
// definitions are common, a third of the lines run past 255 bytes and a few
// reach 3,000. The values are ascending; callers shuffle them.
std::vector<int> ProfileLengths(int count);

#pragma once

#include "BookCheck.h"
#include "BookLines.h"

#include <vector>

// The header's tags in their order: *BOOK* *AUTHOR* *STAMP* *EXEVER*
// *TYPING* (one or more lines) *END*, with the values that are fixed.
void CheckHeader(const std::vector<BookLine>& lines, std::vector<Violation>& violations);

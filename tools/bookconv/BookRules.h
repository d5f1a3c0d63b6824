#pragma once

#include "BookLine.h"
#include "Diagnostics.h"

// Reports, as errors at the source line of the offending bytes, everything in
// the line that would mislead the lookups' walk over the book: an entry
// marker "@ " or a chapter marker "*1" anywhere but at the start of its own
// kind of line, an entry's headword without a space after it or longer than
// the walk takes, a headword that would read as a bracketed root without
// being one, and NUL, CR or LF inside the line.
void CheckLine(const BookLine& line, Diagnostics& diagnostics);

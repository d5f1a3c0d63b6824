#pragma once

#include <string>

// A book in the embedded book's format with its figures: 975,848 bytes,
// 3,768 entries (3,471 with a bracketed root), 30 chapters, realistic line
// lengths. Generated Arabic text; the same bytes on every call and platform.
std::string GenerateSyntheticBook();

#pragma once

#include "Canvas.h"

// The program's artwork, an open book with the letter ain on its right-hand
// page, painted for an icon of 48, 32 or 16 pixels.
Canvas PaintBook(int size);

#pragma once

#include "Image.h"

#include <cstdint>
#include <vector>

using Palette = std::vector<Rgb>;

// The sixteen colours every Windows display has, in their usual order.
const Palette& WindowsPalette16();
// A 6x6x6 colour cube followed by forty greys that fall between the cube's own.
const Palette& CubePalette256();

// The entry closest to the colour, weighing errors in hue above errors in lightness.
std::uint8_t NearestIndex(const Palette& palette, Rgb colour);

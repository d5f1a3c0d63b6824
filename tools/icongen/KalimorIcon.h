#pragma once

#include "IcoFile.h"

#include <vector>

// Icon 128 of the program: 48, 32 and 16 pixels, each in 16 colours, 256
// colours and 24-bit colour, largest first.
std::vector<IconImage> KalimorIconImages();

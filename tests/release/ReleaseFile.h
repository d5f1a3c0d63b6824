#pragma once

#include "PeImage.h"
#include "ResourceTree.h"

#include <string>

// The release program and the book file, each read once. When one cannot be
// read, every call throws, so each test that needs it fails.
const pe::PeImage& ReleaseImage();
const pe::ResourceTree& ReleaseResources();
const std::string& BookFile();

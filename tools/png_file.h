#pragma once

// A PNG file from icon art, for the desktop's icon theme: the image scaled up by whole pixels
// (the art is pixel art), 8-bit RGBA, uncompressed deflate blocks. Small, and needs no library.

#include <string>

#include "platform/dialog_template.h"

std::string IconPng(const IconImage& image, int scale);

#pragma once
#include <string>

#include "editor/support/SrcBitmap.h"

// The editor's built-in pictures, by resource name (case-insensitive):
// "SrcEditInternalImages", a strip of ten bookmark glyphs of 11 x 14
// pixels, and "SrcEditWrapped", the 15 x 14 word-wrap mark on lime.
// An unknown name raises EResNotFound.
TSrcBitmap LoadBitmapResource(const std::string& Name);

// The background of the bookmark glyphs, usable as their transparent colour.
constexpr TColor kInternalImagesBackground = clFuchsia;

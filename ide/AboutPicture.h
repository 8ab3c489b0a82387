#pragma once
#include <cstddef>
#include <cstdint>

// The about box's picture, a JPEG built into the program.
extern const uint8_t AboutPictureJpeg[];
extern const size_t AboutPictureJpegSize;

#pragma once
#include <QImage>
#include <cstddef>
#include <cstdint>

// Decodes a JPEG held in memory into an RGB image; a null image when the
// bytes cannot be decoded.
QImage DecodeJpeg(const uint8_t* data, size_t size);

#pragma once
// Reading BMP files into bitmaps, and writing bitmaps back as 24-bit BMP
// files. The reader takes the files image editors write: a file header and a
// BITMAPINFOHEADER (or one of its longer successors), uncompressed 24 or 32
// bits per pixel or 1, 4 or 8 bits through a palette, rows bottom-up or
// top-down. Anything else is rejected with a message that names the file and
// the problem; no input, however broken, crashes the reader.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "host/expected.h"
#include "host/picture.h"

namespace okit {

// Files wider or higher than this are refused as implausible for a skin or
// a form picture, which also bounds what a malformed header can allocate.
inline constexpr int kMaxBmpDimension = 16384;

// Decodes the bytes of a BMP file. `file_name` only labels errors.
Expected<Bitmap> decode_bmp(std::span<const std::uint8_t> bytes, const std::string& file_name);

// Reads and decodes the BMP file at `path`.
Expected<Bitmap> read_bmp_file(const std::string& path);

// The bitmap as a 24-bit bottom-up BMP file; a transparent key is not
// recorded, the key colour is written like any other colour.
std::vector<std::uint8_t> encode_bmp24(const Bitmap& bitmap);

}  // namespace okit

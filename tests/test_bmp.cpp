// The BMP reader: the layouts image editors write, a round trip through our
// own encoder, and malformed files, which must be rejected with the problem
// named and never crash the reader.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <optional>

#include "host/bmp.h"

namespace okit {
namespace {

// The header fields of a BMP file, to build well-formed and deliberately
// broken files alike. `pixel_bytes` follows the palette as given.
struct BmpFields {
  std::int32_t width = 2;
  std::int32_t height = 2;
  std::uint32_t bits = 24;
  std::uint32_t planes = 1;
  std::uint32_t compression = 0;
  std::uint32_t info_size = 40;
  std::uint32_t colours_used = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::vector<std::uint8_t> pixel_bytes;
  std::optional<std::uint32_t> data_offset;
};

BmpFields fields(std::int32_t width, std::int32_t height, std::uint32_t bits = 24) {
  BmpFields f;
  f.width = width;
  f.height = height;
  f.bits = bits;
  return f;
}

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::vector<std::uint8_t> build_bmp(const BmpFields& f) {
  const std::uint32_t headers = 14 + f.info_size + 4 * static_cast<std::uint32_t>(f.palette.size());
  std::vector<std::uint8_t> out = {'B', 'M'};
  put(out, headers + static_cast<std::uint32_t>(f.pixel_bytes.size()), 4);
  put(out, 0, 4);
  put(out, f.data_offset.value_or(headers), 4);
  put(out, f.info_size, 4);
  put(out, static_cast<std::uint32_t>(f.width), 4);
  put(out, static_cast<std::uint32_t>(f.height), 4);
  put(out, f.planes, 2);
  put(out, f.bits, 2);
  put(out, f.compression, 4);
  put(out, static_cast<std::uint32_t>(f.pixel_bytes.size()), 4);
  put(out, 3780, 4);
  put(out, 3780, 4);
  put(out, f.colours_used, 4);
  put(out, 0, 4);
  out.resize(14 + f.info_size, 0);  // the longer headers' extra fields
  for (std::uint32_t colour : f.palette) put(out, colour, 4);  // blue, green, red, unused
  out.insert(out.end(), f.pixel_bytes.begin(), f.pixel_bytes.end());
  return out;
}

Bitmap bitmap_of(int width, int height, std::vector<std::uint32_t> pixels) {
  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.pixels = std::move(pixels);
  return bitmap;
}

void expect_pixels(const Expected<Bitmap>& decoded, const Bitmap& expected) {
  ASSERT_TRUE(decoded) << decoded.error().message;
  EXPECT_EQ(decoded->width, expected.width);
  EXPECT_EQ(decoded->height, expected.height);
  EXPECT_EQ(decoded->pixels, expected.pixels);
  EXPECT_FALSE(decoded->transparent_key);
}

TEST(BmpReader, RoundTripsThroughTheEncoderWithAndWithoutRowPadding) {
  // Five pixels of three bytes need one byte of padding per row; four need none.
  const Bitmap padded = bitmap_of(5, 3, {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF,  //
                                         0x000000, 0x010203, 0xA0B0C0, 0xECE9D8, 0x003C74,  //
                                         0x7F9DB9, 0xFF00FF, 0x808080, 0x0A0B0C, 0xFEDCBA});
  const Bitmap unpadded = bitmap_of(4, 2, {1, 2, 3, 4, 0x100, 0x200, 0x30000, 0x400000});
  for (const Bitmap& original : {padded, unpadded}) {
    expect_pixels(decode_bmp(encode_bmp24(original), "round.bmp"), original);
  }
}

TEST(BmpReader, ReadsTopDownRowsAndTheLongerHeaders) {
  // Rows of 2 pixels (6 bytes) padded to 8, stored from the top.
  BmpFields top_down = fields(2, -2);
  top_down.pixel_bytes = {0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0, 0,   // 0x010203, 0x040506
                          0x09, 0x08, 0x07, 0x0C, 0x0B, 0x0A, 0, 0};  // 0x070809, 0x0A0B0C
  const Bitmap expected = bitmap_of(2, 2, {0x010203, 0x040506, 0x070809, 0x0A0B0C});
  expect_pixels(decode_bmp(build_bmp(top_down), "top.bmp"), expected);

  BmpFields bottom_up = top_down;
  bottom_up.height = 2;
  std::rotate(bottom_up.pixel_bytes.begin(), bottom_up.pixel_bytes.begin() + 8, bottom_up.pixel_bytes.end());
  for (std::uint32_t info_size : {40u, 108u, 124u}) {
    bottom_up.info_size = info_size;
    expect_pixels(decode_bmp(build_bmp(bottom_up), "bottom.bmp"), expected);
  }
}

TEST(BmpReader, ReadsThirtyTwoBitAndPalettedPixels) {
  BmpFields rgbx = fields(2, -1, 32);
  rgbx.pixel_bytes = {0x33, 0x22, 0x11, 0xFF, 0x66, 0x55, 0x44, 0x00};  // the fourth byte is ignored
  expect_pixels(decode_bmp(build_bmp(rgbx), "rgbx.bmp"), bitmap_of(2, 1, {0x112233, 0x445566}));

  // Three colours named in the header; a 3-pixel row of indices is padded to 4 bytes.
  BmpFields eight = fields(3, 2, 8);
  eight.colours_used = 3;
  eight.palette = {0xFF0000, 0x00FF00, 0x0000FF};
  eight.pixel_bytes = {2, 1, 0, 0, 0, 1, 2, 0};  // bottom row first
  expect_pixels(decode_bmp(build_bmp(eight), "eight.bmp"),
                bitmap_of(3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x0000FF, 0x00FF00, 0xFF0000}));

  // Packed pixels start at the most significant bits of each byte.
  BmpFields four = fields(3, 1, 4);
  four.palette.assign(16, 0);
  four.palette[1] = 0x111111;
  four.palette[15] = 0xFFFFFF;
  four.pixel_bytes = {0x1F, 0x10, 0, 0};
  expect_pixels(decode_bmp(build_bmp(four), "four.bmp"), bitmap_of(3, 1, {0x111111, 0xFFFFFF, 0x111111}));

  BmpFields one = fields(10, 1, 1);
  one.palette = {0x000000, 0xFFFFFF};
  one.pixel_bytes = {0b10110000, 0b01000000, 0, 0};
  expect_pixels(decode_bmp(build_bmp(one), "one.bmp"),
                bitmap_of(10, 1, {0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, 0, 0xFFFFFF}));
}

struct Malformed {
  std::vector<std::uint8_t> bytes;
  std::string message;
};

std::vector<Malformed> malformed_files() {
  BmpFields good = fields(5, 3);
  good.pixel_bytes.assign(48, 0x40);
  const std::vector<std::uint8_t> good_file = build_bmp(good);
  auto with = [&](auto change) {
    BmpFields fields = good;
    change(fields);
    return build_bmp(fields);
  };
  std::vector<std::uint8_t> wrong_magic = good_file;
  wrong_magic[0] = 'P';
  BmpFields paletted = fields(4, 1, 8);
  paletted.colours_used = 3;
  paletted.palette = {0, 0, 0};
  paletted.pixel_bytes = {0, 1, 2, 3};

  return {
      {{}, "not a BMP file"},
      {{'B'}, "not a BMP file"},
      {wrong_magic, "not a BMP file"},
      {{good_file.begin(), good_file.begin() + 20}, "truncated header"},
      {{good_file.begin(), good_file.begin() + 40}, "truncated header"},
      {with([](BmpFields& f) { f.info_size = 12; }), "unsupported header size 12"},
      {with([](BmpFields& f) { f.planes = 2; }), "invalid plane count 2"},
      {with([](BmpFields& f) { f.bits = 16; }), "unsupported bit depth 16"},
      {with([](BmpFields& f) { f.bits = 0; }), "unsupported bit depth 0"},
      {with([](BmpFields& f) { f.compression = 1; }), "unsupported compression 1"},
      {with([](BmpFields& f) { f.width = 0; }), "invalid size 0 x 3"},
      {with([](BmpFields& f) { f.width = -5; }), "invalid size -5 x 3"},
      {with([](BmpFields& f) { f.height = 0; }), "invalid size 5 x 0"},
      {with([](BmpFields& f) { f.width = 16385; }), "size 16385 x 3 exceeds the limit of 16384 x 16384"},
      {with([](BmpFields& f) { f.height = INT_MIN; }), "size 5 x -2147483648 exceeds the limit of 16384 x 16384"},
      {with([](BmpFields& f) { f.width = INT_MAX; }), "size 2147483647 x 3 exceeds the limit of 16384 x 16384"},
      {with([](BmpFields& f) { f.pixel_bytes.pop_back(); }), "truncated pixel data"},
      {with([](BmpFields& f) { f.height = 16384; }), "truncated pixel data"},
      {with([](BmpFields& f) { f.data_offset = 0xFFFFFFFF; }), "truncated pixel data"},
      {with([](BmpFields& f) { f.data_offset = 20; }), "pixel data offset 20 lies inside the headers"},
      {build_bmp([&] {
         BmpFields f = paletted;
         f.colours_used = 300;
         return f;
       }()),
       "a palette of 300 colours does not fit 8 bits per pixel"},
      {build_bmp([&] {
         BmpFields f = paletted;
         f.colours_used = 200;  // the file holds three entries
         f.pixel_bytes.clear();
         return f;
       }()),
       "truncated palette"},
      {build_bmp(paletted), "palette index 3 is outside the 3-colour palette in row 0"},
  };
}

TEST(BmpReader, RejectsMalformedFilesNamingTheFileAndTheProblem) {
  for (const Malformed& file : malformed_files()) {
    const Expected<Bitmap> decoded = decode_bmp(file.bytes, "d1.bmp");
    ASSERT_FALSE(decoded) << file.message;
    EXPECT_EQ(decoded.error().file, "d1.bmp");
    EXPECT_EQ(decoded.error().message, file.message);
  }
}

TEST(BmpReader, EveryCutOfAGoodFileIsRejected) {
  const std::vector<std::uint8_t> file = encode_bmp24(bitmap_of(3, 3, std::vector<std::uint32_t>(9, 0xABCDEF)));
  for (std::size_t length = 0; length < file.size(); ++length) {
    EXPECT_FALSE(decode_bmp(std::span(file).first(length), "cut.bmp")) << length << " bytes";
  }
}

TEST(BmpReader, ReadsFilesAndNamesAMissingOne) {
  const std::string path = (std::filesystem::temp_directory_path() / "okit_test_bmp_reader.bmp").string();
  const Bitmap original = bitmap_of(3, 1, {0x112233, 0x445566, 0x778899});
  const std::vector<std::uint8_t> bytes = encode_bmp24(original);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  expect_pixels(read_bmp_file(path), original);
  std::filesystem::remove(path);

  const Expected<Bitmap> missing = read_bmp_file(path);
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().file, path);
  EXPECT_EQ(missing.error().message, "cannot open the file");
}

}  // namespace
}  // namespace okit

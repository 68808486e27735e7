#include "host/bmp.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "host/bmp_encoder.h"

namespace okit {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
// BITMAPINFOHEADER and its successors (V2, V3, V4, V5). They all begin with
// the same 40 bytes, which is all a BI_RGB image needs.
constexpr std::uint32_t kInfoHeaderSizes[] = {40, 52, 56, 108, 124};
constexpr std::uint32_t kUncompressed = 0;

std::uint32_t read16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | static_cast<std::uint32_t>(bytes[at + 1]) << 8;
}

std::uint32_t read32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return read16(bytes, at) | read16(bytes, at + 2) << 16;
}

std::int64_t read_signed32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::int32_t>(read32(bytes, at));
}

// What the headers say, already checked against each other and the file size
// except for the pixel data itself.
struct Layout {
  std::int64_t width = 0;
  std::int64_t height = 0;  // positive; `top_down` keeps the direction
  bool top_down = false;
  int bits = 0;
  std::size_t palette_at = 0;
  std::size_t palette_entries = 0;
  std::size_t data_at = 0;
};

bool known_info_size(std::uint32_t size) {
  for (std::uint32_t known : kInfoHeaderSizes) {
    if (size == known) return true;
  }
  return false;
}

bool paletted(int bits) { return bits == 1 || bits == 4 || bits == 8; }

// Checks the headers in the order a reader meets them, so the message names
// the first thing that is wrong.
std::optional<std::string> read_layout(std::span<const std::uint8_t> bytes, Layout& layout) {
  if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') return "not a BMP file";
  if (bytes.size() < kFileHeaderSize + 4) return "truncated header";
  const std::uint32_t info_size = read32(bytes, kFileHeaderSize);
  if (!known_info_size(info_size)) return "unsupported header size " + std::to_string(info_size);
  if (bytes.size() < kFileHeaderSize + info_size) return "truncated header";

  const std::uint32_t planes = read16(bytes, 26);
  if (planes != 1) return "invalid plane count " + std::to_string(planes);
  layout.bits = static_cast<int>(read16(bytes, 28));
  if (layout.bits != 24 && layout.bits != 32 && !paletted(layout.bits)) {
    return "unsupported bit depth " + std::to_string(layout.bits);
  }
  const std::uint32_t compression = read32(bytes, 30);
  if (compression != kUncompressed) return "unsupported compression " + std::to_string(compression);

  const std::int64_t width = read_signed32(bytes, 18);
  const std::int64_t height = read_signed32(bytes, 22);
  const std::string size_text = std::to_string(width) + " x " + std::to_string(height);
  if (width <= 0 || height == 0) return "invalid size " + size_text;
  layout.width = width;
  layout.top_down = height < 0;
  layout.height = height < 0 ? -height : height;
  if (layout.width > kMaxBmpDimension || layout.height > kMaxBmpDimension) {
    const std::string limit = std::to_string(kMaxBmpDimension);
    return "size " + size_text + " exceeds the limit of " + limit + " x " + limit;
  }

  layout.palette_at = kFileHeaderSize + info_size;
  if (paletted(layout.bits)) {
    const std::size_t most = std::size_t{1} << layout.bits;
    const std::uint32_t used = read32(bytes, 46);
    if (used > most) {
      return "a palette of " + std::to_string(used) + " colours does not fit " + std::to_string(layout.bits) +
             " bits per pixel";
    }
    layout.palette_entries = used == 0 ? most : used;
    if (bytes.size() < layout.palette_at + 4 * layout.palette_entries) return "truncated palette";
  }
  layout.data_at = read32(bytes, 10);
  if (layout.data_at < layout.palette_at + 4 * layout.palette_entries) {
    return "pixel data offset " + std::to_string(layout.data_at) + " lies inside the headers";
  }
  return std::nullopt;
}

std::uint32_t rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 | b;
}

std::vector<std::uint32_t> read_palette(std::span<const std::uint8_t> bytes, const Layout& layout) {
  std::vector<std::uint32_t> palette(layout.palette_entries);
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const std::size_t at = layout.palette_at + 4 * i;  // blue, green, red, unused
    palette[i] = rgb(bytes[at + 2], bytes[at + 1], bytes[at]);
  }
  return palette;
}

// One row of the file into one row of the bitmap. Paletted rows pack their
// pixels from the most significant bit of each byte.
std::optional<std::string> decode_row(const std::uint8_t* row, const Layout& layout,
                                      const std::vector<std::uint32_t>& palette, std::uint32_t* out) {
  for (std::int64_t x = 0; x < layout.width; ++x) {
    if (layout.bits >= 24) {
      const std::uint8_t* p = row + x * (layout.bits / 8);
      out[x] = rgb(p[2], p[1], p[0]);
      continue;
    }
    const std::int64_t bit = x * layout.bits;
    const int shift = 8 - layout.bits - static_cast<int>(bit % 8);
    const std::uint32_t index = (row[bit / 8] >> shift) & ((1u << layout.bits) - 1);
    if (index >= palette.size()) {
      return "palette index " + std::to_string(index) + " is outside the " + std::to_string(palette.size()) +
             "-colour palette";
    }
    out[x] = palette[index];
  }
  return std::nullopt;
}

LoadError error_in(const std::string& file_name, std::string message) {
  return LoadError{file_name, 0, std::move(message)};
}

}  // namespace

Expected<Bitmap> decode_bmp(std::span<const std::uint8_t> bytes, const std::string& file_name) {
  Layout layout;
  if (auto problem = read_layout(bytes, layout)) return error_in(file_name, *problem);

  // Rows are padded to whole 32-bit words. The sizes are bounded above, so
  // the products cannot overflow.
  const std::size_t stride = static_cast<std::size_t>((layout.width * layout.bits + 31) / 32 * 4);
  const std::size_t height = static_cast<std::size_t>(layout.height);
  if (layout.data_at > bytes.size() || bytes.size() - layout.data_at < stride * height) {
    return error_in(file_name, "truncated pixel data");
  }

  const std::vector<std::uint32_t> palette = read_palette(bytes, layout);
  Bitmap bitmap;
  bitmap.width = static_cast<int>(layout.width);
  bitmap.height = static_cast<int>(layout.height);
  bitmap.pixels.resize(static_cast<std::size_t>(bitmap.width) * height);
  for (std::size_t y = 0; y < height; ++y) {
    const std::size_t file_row = layout.top_down ? y : height - 1 - y;
    const std::uint8_t* row = bytes.data() + layout.data_at + file_row * stride;
    std::uint32_t* out = bitmap.pixels.data() + y * static_cast<std::size_t>(bitmap.width);
    if (auto problem = decode_row(row, layout, palette, out)) {
      return error_in(file_name, *problem + " in row " + std::to_string(y));
    }
  }
  return bitmap;
}

Expected<Bitmap> read_bmp_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return error_in(path, "cannot open the file");
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return error_in(path, "cannot read the file");
  return decode_bmp(bytes, path);
}

std::vector<std::uint8_t> encode_bmp24(const Bitmap& bitmap) {
  RgbImage image;
  image.width = bitmap.width;
  image.height = bitmap.height;
  image.pixels.reserve(bitmap.pixels.size());
  for (std::uint32_t pixel : bitmap.pixels) {
    image.pixels.push_back({static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                            static_cast<std::uint8_t>(pixel)});
  }
  return encode_bmp24(image);
}

}  // namespace okit

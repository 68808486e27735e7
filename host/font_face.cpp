#include "host/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H

#include <cstdlib>

#include "host/text/text_services.h"

namespace okit {
namespace {

constexpr int kSmallestScalablePixels = 6;
constexpr FT_Int32 kMonochromeLoad = FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME;
// One pixel, in FreeType's 26.6 fixed point.
constexpr FT_Pos kOnePixel = 64;

int ceil_pixels(FT_Pos value) { return static_cast<int>((value + 63) >> 6); }

std::string describe_open_error(FT_Error error) {
  if (error == FT_Err_Cannot_Open_Resource) return "cannot open the file";
  if (error == FT_Err_Unknown_File_Format) return "not a font file";
  return "FreeType error " + std::to_string(error);
}

// Returns an empty string when the face now has a 13-pixel line, otherwise
// the reason it cannot have one.
std::string select_line_height(FT_Face face) {
  for (int strike = 0; strike < face->num_fixed_sizes; ++strike) {
    if (face->available_sizes[strike].height != kLineHeightPixels) continue;
    if (FT_Select_Size(face, strike) == 0) return {};
  }
  if (FT_IS_SCALABLE(face)) {
    for (int pixels = kLineHeightPixels; pixels >= kSmallestScalablePixels; --pixels) {
      const bool set = FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)) == 0;
      if (set && ceil_pixels(face->size->metrics.height) <= kLineHeightPixels) return {};
    }
  }
  return "no " + std::to_string(kLineHeightPixels) + "-pixel strike";
}

// A stand-in face at the classic body: the strike nearest 13 pixels per em,
// or the scalable outlines at exactly that size.
bool select_body(FT_Face face) {
  if (FT_IS_SCALABLE(face)) return FT_Set_Pixel_Sizes(face, 0, kBodyPixels) == 0;
  int nearest = -1;
  for (int strike = 0; strike < face->num_fixed_sizes; ++strike) {
    const int distance = std::abs(static_cast<int>(face->available_sizes[strike].y_ppem >> 6) - kBodyPixels);
    if (nearest < 0 || distance < std::abs(static_cast<int>(face->available_sizes[nearest].y_ppem >> 6) - kBodyPixels))
      nearest = strike;
  }
  return nearest >= 0 && FT_Select_Size(face, nearest) == 0;
}

// FreeType rows may run bottom-up (negative pitch); this finds row `y`
// counted from the top either way.
const unsigned char* bitmap_row(const FT_Bitmap& bitmap, unsigned y) {
  const int pitch = bitmap.pitch;
  if (pitch >= 0) return bitmap.buffer + static_cast<std::size_t>(y) * static_cast<unsigned>(pitch);
  return bitmap.buffer + static_cast<std::size_t>(bitmap.rows - 1 - y) * static_cast<unsigned>(-pitch);
}

bool is_pixel_set(const FT_Bitmap& bitmap, const unsigned char* row, unsigned x) {
  if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) return (row[x / 8] & (0x80 >> (x % 8))) != 0;
  return bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && row[x] >= 128;
}

void copy_coverage(const FT_Bitmap& bitmap, GlyphBitmap& glyph) {
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.coverage.assign(static_cast<std::size_t>(bitmap.width) * bitmap.rows, 0);
  for (unsigned y = 0; y < bitmap.rows; ++y) {
    const unsigned char* row = bitmap_row(bitmap, y);
    for (unsigned x = 0; x < bitmap.width; ++x) {
      if (is_pixel_set(bitmap, row, x)) glyph.coverage[y * bitmap.width + x] = 255;
    }
  }
}

}  // namespace

struct FontFace::Impl {
  Impl(FT_Library ft_library, FT_Face ft_face) : library(ft_library), face(ft_face) {}
  ~Impl() {
    FT_Done_Face(face);
    FT_Done_FreeType(library);
  }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;
  bool load_glyph(FT_UInt index) const { return FT_Load_Glyph(face, index, kMonochromeLoad) == 0; }

  FT_Library library;
  FT_Face face;
};

FontFace::FontFace(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

std::unique_ptr<FontFace> FontFace::load(const std::string& path, std::string* reason) {
  FT_Library library = nullptr;
  if (const FT_Error error = FT_Init_FreeType(&library); error != 0) {
    *reason = "FreeType does not start: error " + std::to_string(error);
    return nullptr;
  }
  FT_Face face = nullptr;
  if (const FT_Error error = FT_New_Face(library, path.c_str(), 0, &face); error != 0) {
    *reason = describe_open_error(error);
    FT_Done_FreeType(library);
    return nullptr;
  }
  if (std::string problem = select_line_height(face); !problem.empty()) {
    *reason = std::move(problem);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return nullptr;
  }
  return std::unique_ptr<FontFace>(new FontFace(std::make_unique<Impl>(library, face)));
}

std::unique_ptr<FontFace> FontFace::load_fallback(const std::string& path, int index, bool bold, std::string* reason) {
  FT_Library library = nullptr;
  if (const FT_Error error = FT_Init_FreeType(&library); error != 0) {
    *reason = "FreeType does not start: error " + std::to_string(error);
    return nullptr;
  }
  FT_Face face = nullptr;
  if (const FT_Error error = FT_New_Face(library, path.c_str(), index, &face); error != 0) {
    *reason = describe_open_error(error);
    FT_Done_FreeType(library);
    return nullptr;
  }
  if (!select_body(face)) {
    *reason = "no usable size";
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return nullptr;
  }
  auto loaded = std::unique_ptr<FontFace>(new FontFace(std::make_unique<Impl>(library, face)));
  loaded->bold_face_ = bold;
  return loaded;
}

FontFace::~FontFace() {
  shaping_font_.reset();  // it references the face
}

int FontFace::ascent() const { return ceil_pixels(impl_->face->size->metrics.ascender); }
int FontFace::descent() const { return ceil_pixels(-impl_->face->size->metrics.descender); }
int FontFace::line_height() const { return ceil_pixels(impl_->face->size->metrics.height); }

bool FontFace::has_glyph(char32_t code_point) const { return FT_Get_Char_Index(impl_->face, code_point) != 0; }

const ShapingFont& FontFace::shaping_font() const {
  // Only lines the text engine lays out ask for it, so the engine is loaded.
  if (!shaping_font_) shaping_font_ = text_services()->shaping_font(impl_->face);
  return *shaping_font_;
}

GlyphBitmap FontFace::render(char32_t code_point, bool bold) const {
  return render_glyph(FT_Get_Char_Index(impl_->face, code_point), bold);
}

GlyphBitmap FontFace::render_glyph(unsigned glyph_index, bool bold) const {
  GlyphBitmap glyph;
  // Index 0 is the face's own missing glyph; it is also the last resort when
  // a glyph the character map names fails to load.
  if (!impl_->load_glyph(glyph_index) && !impl_->load_glyph(0)) return glyph;
  const FT_GlyphSlot slot = impl_->face->glyph;
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  if (!bold || bold_face_) {
    copy_coverage(slot->bitmap, glyph);
    return glyph;
  }
  // Bold is the regular glyph smeared one pixel to the right, so it keeps the
  // regular strike's shapes; the advance grows by the same pixel.
  FT_Bitmap emboldened;
  FT_Bitmap_Init(&emboldened);
  if (FT_Bitmap_Copy(impl_->library, &slot->bitmap, &emboldened) == 0 && emboldened.width > 0 && emboldened.rows > 0) {
    FT_Bitmap_Embolden(impl_->library, &emboldened, kOnePixel, 0);
  }
  copy_coverage(emboldened, glyph);
  FT_Bitmap_Done(impl_->library, &emboldened);
  glyph.advance += 1;
  return glyph;
}

}  // namespace okit

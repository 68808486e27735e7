#include "host/font.h"

#include <array>
#include <iostream>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "host/font_face.h"
#include "host/utf8.h"

namespace okit {
namespace {

constexpr const char* kDefaultFontPath = "/usr/share/wine/fonts/ms_sans_serif.ttf";

// Tried in order when the configured face is not usable. The default face
// comes first so that a mistyped --font still gets the classic look.
constexpr std::array<const char*, 3> kFallbackFontPaths = {
    kDefaultFontPath,
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
};

// The metrics used when no face opens at all: the classic line, and a fixed
// advance so that layouts still come out a plausible size.
constexpr int kBuiltinAscent = 11;
constexpr int kBuiltinDescent = 2;
constexpr int kBuiltinAdvance = 6;

// The code points with a direct slot in the glyph cache; the rest go to a map.
constexpr std::size_t kDirectGlyphs = 256;

}  // namespace

// The face and its glyph cache. Latin text, nearly all the text a form
// shows, hits a plain array; other code points are looked up in a map. Both
// fill on first use, so measuring text allocates nothing once warm.
struct Font::Impl {
  struct Style {
    std::array<std::optional<GlyphBitmap>, kDirectGlyphs> direct;
    std::unordered_map<char32_t, GlyphBitmap> others;
  };

  std::unique_ptr<FontFace> face;  // null: built-in metrics, nothing drawn
  std::mutex mutex;                // the caches fill from const methods
  std::array<Style, 2> styles;     // regular, bold

  GlyphBitmap render(char32_t code_point, bool bold) const {
    if (face) return face->render(code_point, bold);
    GlyphBitmap blank;
    blank.advance = kBuiltinAdvance + (bold ? 1 : 0);
    return blank;
  }

  // The caller holds `mutex`. References stay valid: neither the array nor
  // the map's nodes move when the map grows.
  const GlyphBitmap& glyph(char32_t code_point, bool bold) {
    Style& style = styles[bold ? 1 : 0];
    if (code_point < kDirectGlyphs) {
      std::optional<GlyphBitmap>& slot = style.direct[code_point];
      if (!slot) slot = render(code_point, bold);
      return *slot;
    }
    auto found = style.others.find(code_point);
    if (found == style.others.end()) found = style.others.emplace(code_point, render(code_point, bold)).first;
    return found->second;
  }
};

namespace {

// Copies the set pixels of one glyph whose top-left corner lands at (x, y),
// skipping every pixel outside the mask.
void blit_glyph(const GlyphBitmap& glyph, long long x, long long y, std::uint8_t* mask, int mask_width,
                int mask_height, int stride) {
  for (int row = 0; row < glyph.rows; ++row) {
    const long long target_y = y + row;
    if (target_y < 0 || target_y >= mask_height) continue;
    for (int column = 0; column < glyph.width; ++column) {
      const long long target_x = x + column;
      if (target_x < 0 || target_x >= mask_width) continue;
      if (glyph.coverage[static_cast<std::size_t>(row) * glyph.width + column] != 0) {
        mask[target_y * stride + target_x] = 255;
      }
    }
  }
}

std::unique_ptr<FontFace> open_fallback_face(const std::string& failed_path, std::span<const char* const> candidates,
                                             std::string* fallback_path) {
  for (const char* candidate : candidates) {
    if (failed_path == candidate) continue;
    std::string ignored_reason;
    if (auto face = FontFace::load(candidate, &ignored_reason)) {
      *fallback_path = candidate;
      return face;
    }
  }
  return nullptr;
}

}  // namespace

Font::Font(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Font::~Font() = default;

std::unique_ptr<Font> Font::open(const std::string& path, std::string* warning) {
  return open(path, kFallbackFontPaths, warning);
}

std::unique_ptr<Font> Font::open(const std::string& path, std::span<const char* const> fallback_paths,
                                 std::string* warning) {
  auto impl = std::make_unique<Impl>();
  std::string reason;
  impl->face = FontFace::load(path, &reason);
  std::string message;
  if (!impl->face) {
    std::string fallback_path;
    impl->face = open_fallback_face(path, fallback_paths, &fallback_path);
    const std::string replacement = impl->face ? fallback_path : "built-in 6-pixel metrics, no text drawn";
    message = "okit: warning: font " + path + " not usable (" + reason + "); using " + replacement;
  }
  if (warning != nullptr) *warning = std::move(message);
  return std::unique_ptr<Font>(new Font(std::move(impl)));
}

int Font::ascent() const { return impl_->face ? impl_->face->ascent() : kBuiltinAscent; }
int Font::descent() const { return impl_->face ? impl_->face->descent() : kBuiltinDescent; }
int Font::line_height() const { return impl_->face ? impl_->face->line_height() : kLineHeightPixels; }

int Font::text_width(std::string_view utf8, bool bold) const {
  return draw_text(utf8, bold, nullptr, 0, 0, 0, 0, 0);
}

int Font::draw_text(std::string_view utf8, bool bold, std::uint8_t* mask, int mask_width, int mask_height,
                    int stride, int left, int top) const {
  // Without a mask this only measures. A mask that cannot hold its own width
  // is drawn into nowhere rather than overrun; the advance is still reported
  // so layout stays right.
  const bool can_draw = mask != nullptr && mask_width > 0 && mask_height > 0 && stride >= mask_width;
  const long long baseline = static_cast<long long>(top) + ascent();
  std::lock_guard lock(impl_->mutex);
  long long pen = left;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const GlyphBitmap& glyph = impl_->glyph(next_code_point(utf8, pos), bold);
    if (can_draw) blit_glyph(glyph, pen + glyph.left, baseline - glyph.top, mask, mask_width, mask_height, stride);
    pen += glyph.advance;
  }
  if (bold && !utf8.empty()) pen += 1;
  return static_cast<int>(pen - left);
}

namespace {

std::string& configured_font_path() {
  static std::string path = kDefaultFontPath;
  return path;
}

}  // namespace

void set_font_path(std::string path) { configured_font_path() = std::move(path); }

const Font& default_font() {
  static const std::unique_ptr<Font> font = [] {
    std::string warning;
    auto opened = Font::open(configured_font_path(), &warning);
    if (!warning.empty()) std::cerr << warning << '\n';
    return opened;
  }();
  return *font;
}

}  // namespace okit

#include "host/font.h"

#include <array>
#include <cstdio>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <unordered_map>

#include "host/font_face.h"
#include "host/text/line_layout.h"
#include "host/text/plain_text.h"
#include "host/text/text_services.h"
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

// Lines laid out by the full path that are kept for the next draw; a form
// shows far fewer, and the cache starts over when full.
constexpr std::size_t kCachedLines = 512;

// Looks lines up by string_view, so a cached line costs no allocation.
struct LineHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
using LineCache = std::unordered_map<std::string, LineLayout, LineHash, std::equal_to<>>;

std::string code_point_name(char32_t code_point) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code_point));
  return name;
}

}  // namespace

// The face and its glyph cache. Latin text, nearly all the text a form
// shows, hits a plain array; other code points are looked up in a map. Both
// fill on first use, so measuring text allocates nothing once warm.
//
// Text the classic face draws one glyph per character, left to right (the
// "plain" text), is measured and drawn glyph by glyph as it always was. Any
// other line goes through the full layout (host/text/line_layout.h), whose
// stand-in faces, glyphs and finished lines are cached here too.
struct Font::Impl final : GlyphSource {
  struct Style {
    std::array<std::optional<GlyphBitmap>, kDirectGlyphs> direct;
    std::unordered_map<char32_t, GlyphBitmap> others;
    LineCache lines;
  };

  std::string path;
  std::unique_ptr<FontFace> face;  // null: built-in metrics, nothing drawn
  std::mutex mutex;                // the caches fill from const methods
  std::array<Style, 2> styles;     // regular, bold
  std::array<std::optional<bool>, kDirectGlyphs> plain_direct;
  std::unordered_map<char32_t, bool> plain_others;

  // Stand-in faces: number n is stand_ins[n - 1]; the same file opened once.
  std::unique_ptr<FaceFinder> face_finder;
  std::vector<std::unique_ptr<FontFace>> stand_ins;
  std::map<std::pair<std::string, int>, int> stand_in_numbers;
  std::array<std::unordered_map<char32_t, int>, 2> face_of_character;
  std::unordered_map<std::uint64_t, GlyphBitmap> shaped_glyphs;
  std::set<std::string> scripts_warned;

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

  bool plain(char32_t code_point) {
    if (!face) return true;
    std::optional<bool>* slot = nullptr;
    if (code_point < kDirectGlyphs) {
      slot = &plain_direct[code_point];
      if (*slot) return **slot;
    } else if (auto found = plain_others.find(code_point); found != plain_others.end()) {
      return found->second;
    }
    // Outside the plain blocks the engine decides; without it, every
    // character is drawn the plain way.
    const bool answer = (in_plain_blocks(code_point) && (code_point < 0x20 || face->has_glyph(code_point))) ||
                        !text_services();
    if (slot)
      *slot = answer;
    else
      plain_others.emplace(code_point, answer);
    return answer;
  }

  bool plain(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();)
      if (!plain(next_code_point(utf8, pos))) return false;
    return true;
  }

  const LineLayout& line(std::string_view utf8, bool bold) {
    auto& lines = styles[bold ? 1 : 0].lines;
    if (auto found = lines.find(utf8); found != lines.end()) return found->second;
    if (lines.size() >= kCachedLines) lines.clear();
    return lines.emplace(std::string(utf8), text_services()->lay_out_line(utf8, bold, *this)).first->second;
  }

  // ---- GlyphSource ---------------------------------------------------------
  bool classic_has(char32_t code_point) override { return face->has_glyph(code_point); }

  int face_for(char32_t code_point, bool bold) override {
    auto& known = face_of_character[bold ? 1 : 0];
    if (auto found = known.find(code_point); found != known.end()) return found->second;
    const int number = find_stand_in(code_point, bold);
    known.emplace(code_point, number);
    return number;
  }

  const FontFace& face_numbered(int number) const { return number == 0 ? *face : *stand_ins[number - 1]; }
  const ShapingFont& shaping_font(int number) override { return face_numbered(number).shaping_font(); }
  bool adds_bold(int number, bool bold) override { return face_numbered(number).adds_bold(bold); }

  const GlyphBitmap& classic_glyph(char32_t code_point, bool bold) override { return glyph(code_point, bold); }

  const GlyphBitmap& glyph(int face_number, unsigned glyph_index, bool bold) override {
    const std::uint64_t key = (static_cast<std::uint64_t>(face_number) << 33) |
                              (static_cast<std::uint64_t>(bold) << 32) | glyph_index;
    auto found = shaped_glyphs.find(key);
    if (found == shaped_glyphs.end())
      found = shaped_glyphs.emplace(key, face_numbered(face_number).render_glyph(glyph_index, bold)).first;
    return found->second;
  }

  int find_stand_in(char32_t code_point, bool bold) {
    // No face draws control characters (a line feed in a caption, say): they
    // keep the classic face's box, as on the plain path, without a search or
    // a warning about fonts.
    if (code_point < 0x20 || (code_point >= 0x7F && code_point < 0xA0)) return 0;
    if (!face_finder) face_finder = text_services()->face_finder(path);
    const std::optional<FontFile> file = face_finder->find(code_point, bold);
    if (!file) {
      const std::string characters = text_services()->characters_of(code_point);
      if (scripts_warned.insert(characters).second)
        std::cerr << "okit: warning: no installed font has " << characters << " (" << code_point_name(code_point)
                  << "); they show as boxes\n";
      return 0;
    }
    const auto key = std::make_pair(file->path, file->index);
    if (auto found = stand_in_numbers.find(key); found != stand_in_numbers.end()) return found->second;
    std::string reason;
    auto loaded = FontFace::load_fallback(file->path, file->index, file->bold, &reason);
    if (!loaded) {
      std::cerr << "okit: warning: font " << file->path << " not usable (" << reason << ")\n";
      stand_in_numbers.emplace(key, 0);
      return 0;
    }
    stand_ins.push_back(std::move(loaded));
    const int number = static_cast<int>(stand_ins.size());
    stand_in_numbers.emplace(key, number);
    return number;
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
  impl->path = path;
  impl->face = FontFace::load(path, &reason);
  std::string message;
  if (!impl->face) {
    std::string fallback_path;
    impl->face = open_fallback_face(path, fallback_paths, &fallback_path);
    impl->path = fallback_path;
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
  if (!impl_->plain(utf8)) {
    const LineLayout& line = impl_->line(utf8, bold);
    if (can_draw) {
      for (const PlacedGlyph& placed : line.glyphs)
        blit_glyph(*placed.glyph, static_cast<long long>(left) + placed.x + placed.glyph->left,
                   baseline - placed.rise - placed.glyph->top, mask, mask_width, mask_height, stride);
    }
    return line.width;
  }
  long long pen = left;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const GlyphBitmap& glyph = impl_->glyph(next_code_point(utf8, pos), bold);
    if (can_draw) blit_glyph(glyph, pen + glyph.left, baseline - glyph.top, mask, mask_width, mask_height, stride);
    pen += glyph.advance;
  }
  if (bold && !utf8.empty()) pen += 1;
  return static_cast<int>(pen - left);
}

std::vector<CharacterSpan> Font::character_spans(std::string_view utf8, bool bold) const {
  std::lock_guard lock(impl_->mutex);
  if (!impl_->plain(utf8)) return impl_->line(utf8, bold).characters;
  std::vector<CharacterSpan> spans;
  int pen = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const int advance = impl_->glyph(next_code_point(utf8, pos), bold).advance;
    spans.push_back({pen, pen + advance, false});
    pen += advance;
  }
  return spans;
}

int Font::stand_in_count() const {
  std::lock_guard lock(impl_->mutex);
  return static_cast<int>(impl_->stand_ins.size());
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

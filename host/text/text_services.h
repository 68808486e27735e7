#pragma once
// The text engine: what text beyond the classic face needs of ICU, FriBidi,
// HarfBuzz and fontconfig. It is a module of its own (libOpalineKitText),
// loaded the first time a line needs it, so a program whose text the classic
// face draws maps none of those libraries. Without the module, text is
// drawn and edited one code point at a time, as the classic face draws it.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/text/line_layout.h"

namespace okit {

// An installed face that has a character the classic face lacks.
struct FontFile {
  std::string path;
  int index = 0;      // the face inside a collection
  bool bold = false;  // the face itself is bold
  bool operator==(const FontFile&) const = default;
};

// Finds installed faces by character, in fontconfig's order of preference
// for a sans-serif face at the classic body; one per font, as it keeps what
// it has ranked.
class FaceFinder {
 public:
  virtual ~FaceFinder() = default;
  virtual std::optional<FontFile> find(char32_t code_point, bool bold) = 0;
};

class TextServices {
 public:
  // Where the user-perceived characters of `utf8` begin, in code points,
  // with 0 and the length; empty when ICU cannot tell.
  virtual std::vector<std::int32_t> grapheme_boundaries(std::string_view utf8) const = 0;
  // The line laid out as host/text/line_layout.h describes.
  virtual LineLayout lay_out_line(std::string_view utf8, bool bold, GlyphSource& source) const = 0;
  // `skip_path`: the classic face's own file, never a stand-in for itself.
  virtual std::unique_ptr<FaceFinder> face_finder(std::string skip_path) const = 0;
  // How a warning names the characters of a code point's script: "Han
  // characters", "symbols and punctuation".
  virtual std::string characters_of(char32_t code_point) const = 0;
  // The shaping data of a FreeType face (an FT_Face), which it references.
  virtual std::unique_ptr<ShapingFont> shaping_font(void* ft_face) const = 0;

 protected:
  ~TextServices() = default;
};

// The engine, loaded on the first call; null when the module cannot be
// loaded (one warning on standard error says why).
const TextServices* text_services();

}  // namespace okit

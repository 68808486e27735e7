#include "text_engine/face_finder.h"

#include <fontconfig/fontconfig.h>

#include "host/font_face.h"

namespace okit {
namespace {

// fontconfig's list of every installed face in order of preference for the
// pattern, with each face's character set. Untrimmed: a face that adds no
// character to better-ranked ones is still kept, since it may be the only
// one whose weight matches.
struct Ranking {
  FcFontSet* fonts = nullptr;
  ~Ranking() {
    if (fonts) FcFontSetDestroy(fonts);
  }
};

FcFontSet* rank_faces(bool bold) {
  FcConfig* config = FcInitLoadConfigAndFonts();
  if (!config) return nullptr;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, kBodyPixels);
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcFontSet* fonts = FcFontSort(config, pattern, FcFalse, nullptr, &result);
  FcPatternDestroy(pattern);
  FcConfigDestroy(config);
  return fonts;
}

class RankedFaces final : public FaceFinder {
 public:
  explicit RankedFaces(std::string skip_path) : skip_path_(std::move(skip_path)) {}

  std::optional<FontFile> find(char32_t code_point, bool bold) override {
    std::unique_ptr<Ranking>& ranking = rankings_[bold ? 1 : 0];
    if (!ranking) {
      ranking = std::make_unique<Ranking>();
      ranking->fonts = rank_faces(bold);
    }
    if (!ranking->fonts) return std::nullopt;
    for (int i = 0; i < ranking->fonts->nfont; ++i) {
      FcPattern* font = ranking->fonts->fonts[i];
      FcCharSet* characters = nullptr;
      if (FcPatternGetCharSet(font, FC_CHARSET, 0, &characters) != FcResultMatch) continue;
      if (!FcCharSetHasChar(characters, code_point)) continue;
      FcChar8* file = nullptr;
      if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) continue;
      const std::string path(reinterpret_cast<const char*>(file));
      if (path == skip_path_) continue;
      int index = 0, weight = FC_WEIGHT_REGULAR;
      FcPatternGetInteger(font, FC_INDEX, 0, &index);
      FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
      return FontFile{path, index, weight >= FC_WEIGHT_BOLD};
    }
    return std::nullopt;
  }

 private:
  std::string skip_path_;
  std::unique_ptr<Ranking> rankings_[2];  // regular, bold
};

}  // namespace

std::unique_ptr<FaceFinder> make_face_finder(std::string skip_path) {
  return std::make_unique<RankedFaces>(std::move(skip_path));
}

}  // namespace okit

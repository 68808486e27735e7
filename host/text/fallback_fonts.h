#pragma once
// Which installed font file has a character the classic face lacks, as
// fontconfig ranks them for a sans-serif face of the classic body. The
// ranking is made once per weight, on the first character that needs it, so
// a form whose text the classic face covers never starts fontconfig; after
// that each lookup is a walk over the ranked files' character sets.

#include <memory>
#include <optional>
#include <string>

namespace okit {

struct FontFile {
  std::string path;
  int index = 0;      // the face inside a collection
  bool bold = false;  // the face itself is bold
  bool operator==(const FontFile&) const = default;
};

class FallbackFonts {
 public:
  // `skip_path`: the classic face's own file, never a stand-in for itself.
  explicit FallbackFonts(std::string skip_path);
  ~FallbackFonts();
  FallbackFonts(const FallbackFonts&) = delete;
  FallbackFonts& operator=(const FallbackFonts&) = delete;

  // The best-ranked installed face that has `code_point`, or none.
  std::optional<FontFile> find(char32_t code_point, bool bold);

 private:
  struct Ranking;
  std::string skip_path_;
  std::unique_ptr<Ranking> rankings_[2];  // regular, bold
};

}  // namespace okit

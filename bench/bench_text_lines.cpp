// Measuring and drawing one line of text, once its glyphs and layout are
// cached: a Latin line, drawn glyph by glyph in the classic face, against a
// line in several scripts that needs stand-in faces, shaping and
// bidirectional order.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "host/font.h"

namespace okit::bench {
namespace {

// Both 100 code points.
const std::string kLatin =
    "The quick brown fox jumps over the lazy dog while five boxing wizards jump quickly past it all, twic";
const std::string kMixed =
    "Tokyo \u6771\u4EAC \u0645\u0631\u062D\u0628\u0627 \u05E9\u05DC\u05D5\u05DD \u0928\u092E\u0938\u094D\u0924\u0947 "
    "\uC548\uB155 \u041F\u0440\u0438\u0432\u0435\u0442 Cafe\u0301 \u2713 \u0645\u0631\u062D\u0628\u0627 "
    "abc \u05E9\u05DC\u05D5\u05DD 123 \u4E2D\u6587 \u0915\u094D\u0937 \u0393\u03B5\u03B9\u03AC \u2605 the end of this line..";

void measure_and_draw(benchmark::State& state, const std::string& line) {
  const Font& font = default_font();
  constexpr int kWidth = 1000, kHeight = 20;
  std::vector<std::uint8_t> mask(kWidth * kHeight);
  font.draw_text(line, false, mask.data(), kWidth, kHeight, kWidth, 0, 0);  // the first, caching draw
  for (auto _ : state) {
    benchmark::DoNotOptimize(font.text_width(line, false));
    benchmark::DoNotOptimize(font.draw_text(line, false, mask.data(), kWidth, kHeight, kWidth, 0, 0));
  }
  state.counters["width_px"] = font.text_width(line, false);
}

void BM_TextLine_Latin(benchmark::State& state) { measure_and_draw(state, kLatin); }
void BM_TextLine_MixedScripts(benchmark::State& state) { measure_and_draw(state, kMixed); }
BENCHMARK(BM_TextLine_Latin);
BENCHMARK(BM_TextLine_MixedScripts);

}  // namespace
}  // namespace okit::bench

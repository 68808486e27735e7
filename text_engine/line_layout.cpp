#include "text_engine/line_layout.h"

#include <algorithm>
#include <numeric>
#include <span>

#include <hb.h>
#include <unicode/unorm2.h>
#include <unicode/utf16.h>

#include "host/utf8.h"
#include "text_engine/bidi.h"
#include "text_engine/graphemes.h"
#include "text_engine/shaping_font.h"

namespace okit {
namespace {

std::vector<char32_t> decode(std::string_view utf8) {
  std::vector<char32_t> code_points;
  for (std::size_t pos = 0; pos < utf8.size();) code_points.push_back(next_code_point(utf8, pos));
  return code_points;
}

// The first code point of every user-perceived character, plus the end.
std::vector<std::int32_t> cluster_bounds(std::string_view utf8, std::size_t length) {
  std::vector<std::int32_t> bounds = grapheme_boundaries(utf8);
  if (bounds.empty()) {  // ICU failed (no data): each code point stands alone
    bounds.resize(length + 1);
    std::iota(bounds.begin(), bounds.end(), 0);
  }
  return bounds;
}

// The one character a sequence composes to (e + U+0301 is U+00E9), or 0.
char32_t composed_form(std::span<const char32_t> sequence) {
  constexpr std::int32_t kRoom = 32;
  UChar input[kRoom], output[kRoom];
  std::int32_t length = 0;
  for (char32_t code_point : sequence) {
    if (length + 2 > kRoom) return 0;
    U16_APPEND_UNSAFE(input, length, static_cast<UChar32>(code_point));
  }
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
  const std::int32_t composed_length = U_SUCCESS(status) ? unorm2_normalize(nfc, input, length, output, kRoom, &status) : 0;
  if (U_FAILURE(status) || composed_length == 0) return 0;
  std::int32_t read = 0;
  UChar32 first = 0;
  U16_NEXT(output, read, composed_length, first);
  return read == composed_length ? static_cast<char32_t>(first) : 0;
}

struct Cluster {
  std::size_t first = 0;  // code point index
  std::size_t end = 0;
  int face = 0;
  char32_t composed = 0;  // non-zero: the classic face shows the whole cluster as this character
  std::int8_t level = 0;
  hb_script_t script = HB_SCRIPT_COMMON;
};

bool is_real_script(hb_script_t script) {
  return script != HB_SCRIPT_COMMON && script != HB_SCRIPT_INHERITED && script != HB_SCRIPT_UNKNOWN;
}

hb_script_t script_of(std::span<const char32_t> sequence) {
  hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
  for (char32_t code_point : sequence) {
    const hb_script_t script = hb_unicode_script(unicode, code_point);
    if (is_real_script(script)) return script;
  }
  return HB_SCRIPT_COMMON;
}

// The classic face shows a cluster when it has every character of it, or the
// one character it composes to; otherwise the face found for the first
// character it lacks shows all of it, so marks sit on their own letter.
void choose_face(Cluster& cluster, std::span<const char32_t> sequence, bool bold, GlyphSource& source) {
  const auto lacking = std::ranges::find_if(sequence, [&](char32_t c) { return !source.classic_has(c); });
  if (lacking == sequence.end()) return;
  if (sequence.size() > 1) {
    const char32_t composed = composed_form(sequence);
    if (composed != 0 && source.classic_has(composed)) {
      cluster.composed = composed;
      return;
    }
  }
  cluster.face = source.face_for(*lacking, bold);
}

struct Run {
  std::size_t first_cluster = 0;
  std::size_t end_cluster = 0;
  int face = 0;
  std::int8_t level = 0;
  hb_script_t script = HB_SCRIPT_COMMON;
  bool rtl() const { return (level & 1) != 0; }
};

// Runs of clusters that share a face and a level (and, for shaped faces, a
// script), in logical order.
std::vector<Run> split_runs(const std::vector<Cluster>& clusters) {
  std::vector<Run> runs;
  for (std::size_t i = 0; i < clusters.size(); ++i) {
    const Cluster& cluster = clusters[i];
    if (!runs.empty()) {
      Run& run = runs.back();
      const bool same_script = cluster.face == 0 || !is_real_script(cluster.script) ||
                               !is_real_script(run.script) || cluster.script == run.script;
      if (run.face == cluster.face && run.level == cluster.level && same_script) {
        if (!is_real_script(run.script)) run.script = cluster.script;
        run.end_cluster = i + 1;
        continue;
      }
    }
    runs.push_back({i, i + 1, cluster.face, cluster.level, cluster.script});
  }
  return runs;
}

// Rule L2 of the bidirectional algorithm on whole runs: from the highest
// level down to the lowest odd one, every stretch of runs at that level or
// above is reversed.
std::vector<std::size_t> visual_order(const std::vector<Run>& runs) {
  std::vector<std::size_t> order(runs.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::int8_t highest = 0, lowest_odd = 127;
  for (const Run& run : runs) {
    highest = std::max(highest, run.level);
    if (run.rtl()) lowest_odd = std::min(lowest_odd, run.level);
  }
  for (int level = highest; level >= lowest_odd; --level) {
    for (std::size_t i = 0; i < order.size();) {
      if (runs[order[i]].level < level) {
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < order.size() && runs[order[end]].level >= level) ++end;
      std::reverse(order.begin() + static_cast<std::ptrdiff_t>(i), order.begin() + static_cast<std::ptrdiff_t>(end));
      i = end;
    }
  }
  return order;
}

class LineBuilder {
 public:
  LineBuilder(const std::vector<char32_t>& text, bool bold, GlyphSource& source)
      : text_(text), bold_(bold), source_(source) {
    line_.characters.resize(text.size());
  }

  void classic_run(const Run& run, const std::vector<Cluster>& clusters) {
    for (std::size_t n = run.first_cluster; n < run.end_cluster; ++n) {
      const Cluster& cluster = clusters[run.rtl() ? run.end_cluster - 1 - (n - run.first_cluster) : n];
      if (cluster.composed != 0) {
        const int left = pen_;
        place(source_.classic_glyph(shown(cluster.composed, run), bold_), 0);
        share(cluster.first, cluster.end, left, pen_, run.rtl());
        continue;
      }
      for (std::size_t k = cluster.first; k < cluster.end; ++k) {
        const std::size_t i = run.rtl() ? cluster.end - 1 - (k - cluster.first) : k;
        const int left = pen_;
        place(source_.classic_glyph(shown(text_[i], run), bold_), 0);
        line_.characters[i] = {left, pen_, run.rtl()};
      }
    }
  }

  void shaped_run(const Run& run, const std::vector<Cluster>& clusters) {
    const std::size_t first = clusters[run.first_cluster].first, end = clusters[run.end_cluster - 1].end;
    hb_buffer_t* buffer = hb_buffer_create();
    // The whole line is the context, so letters join across run edges.
    hb_buffer_add_codepoints(buffer, reinterpret_cast<const hb_codepoint_t*>(text_.data()),
                             static_cast<int>(text_.size()), static_cast<unsigned>(first),
                             static_cast<int>(end - first));
    hb_buffer_set_direction(buffer, run.rtl() ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer, run.script);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(harfbuzz_font(source_.shaping_font(run.face)), buffer, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
    const int extra = source_.adds_bold(run.face, bold_) ? 1 : 0;
    // Glyphs come in visual order; those of one cluster are next to each other.
    std::vector<std::pair<std::size_t, std::pair<int, int>>> extents;  // cluster start, [left, right)
    for (unsigned g = 0; g < count; ++g) {
      const int left = pen_;
      const GlyphBitmap& glyph = source_.glyph(run.face, infos[g].codepoint, bold_);
      line_.glyphs.push_back({&glyph, pen_ + round_pixels(positions[g].x_offset), round_pixels(positions[g].y_offset)});
      pen_ += round_pixels(positions[g].x_advance) + (positions[g].x_advance != 0 ? extra : 0);
      const std::size_t cluster = infos[g].cluster;
      if (!extents.empty() && extents.back().first == cluster)
        extents.back().second.second = pen_;
      else
        extents.push_back({cluster, {left, pen_}});
    }
    hb_buffer_destroy(buffer);
    std::vector<std::size_t> starts;
    for (const auto& extent : extents) starts.push_back(extent.first);
    std::ranges::sort(starts);
    for (const auto& [cluster, span] : extents) {
      const auto next = std::ranges::upper_bound(starts, cluster);
      share(cluster, next == starts.end() ? end : *next, span.first, span.second, run.rtl());
    }
  }

  LineLayout finish() {
    line_.width = pen_ + (bold_ && !text_.empty() ? 1 : 0);
    return std::move(line_);
  }

 private:
  static int round_pixels(hb_position_t value) { return static_cast<int>((value + 32) >> 6); }

  static char32_t shown(char32_t code_point, const Run& run) { return run.rtl() ? mirrored(code_point) : code_point; }

  void place(const GlyphBitmap& glyph, int rise) {
    line_.glyphs.push_back({&glyph, pen_, rise});
    pen_ += glyph.advance;
  }

  // Code points [first, end) shown together in [left, right): each gets an
  // equal part, in reading order.
  void share(std::size_t first, std::size_t end, int left, int right, bool rtl) {
    const auto parts = static_cast<int>(end - first);
    for (int k = 0; k < parts; ++k) {
      const int near = (right - left) * k / parts, far = (right - left) * (k + 1) / parts;
      line_.characters[first + static_cast<std::size_t>(k)] =
          rtl ? CharacterSpan{right - far, right - near, true} : CharacterSpan{left + near, left + far, false};
    }
  }

  const std::vector<char32_t>& text_;
  bool bold_;
  GlyphSource& source_;
  LineLayout line_;
  int pen_ = 0;
};

}  // namespace

LineLayout lay_out_line(std::string_view utf8, bool bold, GlyphSource& source) {
  const std::vector<char32_t> text = decode(utf8);
  const std::vector<std::int8_t> levels = bidi_levels(text);
  const std::vector<std::int32_t> bounds = cluster_bounds(utf8, text.size());
  std::vector<Cluster> clusters;
  for (std::size_t b = 0; b + 1 < bounds.size(); ++b) {
    Cluster cluster{static_cast<std::size_t>(bounds[b]), static_cast<std::size_t>(bounds[b + 1])};
    const std::span<const char32_t> sequence(text.data() + cluster.first, cluster.end - cluster.first);
    choose_face(cluster, sequence, bold, source);
    cluster.level = levels[cluster.first];
    cluster.script = script_of(sequence);
    clusters.push_back(cluster);
  }
  const std::vector<Run> runs = split_runs(clusters);
  LineBuilder line(text, bold, source);
  for (std::size_t r : visual_order(runs)) {
    if (runs[r].face == 0)
      line.classic_run(runs[r], clusters);
    else
      line.shaped_run(runs[r], clusters);
  }
  return line.finish();
}

}  // namespace okit

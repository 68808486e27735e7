#include "host/paint/caption_text.h"

#include "host/elements/mnemonic.h"
#include "host/paint/canvas.h"
#include "host/paint/colors.h"

namespace okit {

namespace {

void draw_line_in(Canvas& canvas, std::string_view line, Point at, bool bold, std::uint32_t rgb,
                  std::optional<std::size_t> underline) {
  canvas.text(line, at, bold, rgb);
  if (underline) canvas.underline_character(line, *underline, at, bold, rgb);
}

}  // namespace

void draw_caption_line(Canvas& canvas, std::string_view line, Point at, const CaptionStyle& style,
                       std::optional<std::size_t> underline) {
  if (style.enabled) {
    draw_line_in(canvas, line, at, style.bold, style.rgb, underline);
    return;
  }
  draw_line_in(canvas, line, {at.x + 1, at.y + 1}, style.bold, system_color(SystemColor::ButtonHighlight), underline);
  draw_line_in(canvas, line, at, style.bold, system_color(SystemColor::GrayText), underline);
}

std::optional<LinePosition> locate_access_key(std::string_view caption, const std::vector<std::string>& lines) {
  const auto marked = mnemonic_offset(caption);
  if (!marked) return std::nullopt;
  const std::string shown = strip_mnemonic(caption);
  std::size_t start = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t end = start + lines[i].size();
    if (*marked >= start && *marked < end) return LinePosition{i, *marked - start};
    const bool crlf = end + 1 < shown.size() && shown[end] == '\r' && shown[end + 1] == '\n';
    start = end + (crlf ? 2 : 1);
  }
  return std::nullopt;
}

}  // namespace okit

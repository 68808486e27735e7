#include "host/elements/label.h"

#include <algorithm>
#include <cmath>

#include "host/elements/mnemonic.h"
#include "host/elements/property_checks.h"
#include "host/elements/standard_events.h"
#include "host/font.h"

namespace okit {

namespace {

// Splits at CR LF, LF or CR, the line breaks a caption may carry.
std::vector<std::string_view> hard_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

// Breaks one line between words so that each piece fits `width` pixels. A
// word wider than the label stays whole on a line of its own, overhanging.
void wrap_line(const Font& font, bool bold, std::string_view line, int width, std::vector<std::string>& out) {
  std::string current;
  bool line_started = false;
  for (std::size_t pos = 0; pos <= line.size();) {
    const std::size_t space = std::min(line.find(' ', pos), line.size());
    const std::string_view word = line.substr(pos, space - pos);
    std::string candidate = line_started ? current + ' ' + std::string(word) : std::string(word);
    if (line_started && font.text_width(candidate, bold) > width) {
      out.push_back(std::move(current));
      current = std::string(word);
    } else {
      current = std::move(candidate);
    }
    line_started = true;
    pos = space + 1;
  }
  out.push_back(std::move(current));
}

}  // namespace

Label::Label(std::string name) : Element(std::move(name)) {}

char Label::access_key() const { return use_mnemonic_ ? mnemonic_of(caption_) : 0; }

void Label::put_Caption(std::string v) {
  set_and_invalidate(caption_, std::move(v));
  apply_auto_size();
}

void Label::put_BackStyle(std::int16_t v) { set_and_invalidate(back_style_, checked_range(v, 0, 1)); }

// AutoSize and WordWrap decide whether the caption wraps, so they change the
// lines drawn even when the size stays.
void Label::put_AutoSize(bool v) {
  set_and_invalidate(auto_size_, v);
  apply_auto_size();
}

void Label::put_Alignment(std::int16_t v) { set_and_invalidate(alignment_, checked_range(v, 0, 2)); }

void Label::put_WordWrap(bool v) {
  set_and_invalidate(word_wrap_, v);
  apply_auto_size();
}

void Label::put_UseMnemonic(bool v) {
  set_and_invalidate(use_mnemonic_, v);
  apply_auto_size();
}

void Label::put_FontBold(bool v) {
  set_and_invalidate(font_bold_, v);
  apply_auto_size();
}

std::vector<std::string> Label::display_lines() const {
  const std::string shown = use_mnemonic_ ? strip_mnemonic(caption_) : caption_;
  const int width = static_cast<int>(std::lround(width_twips() / kTwipsPerPixel));
  std::vector<std::string> lines;
  for (std::string_view line : hard_lines(shown)) {
    if (wraps())
      wrap_line(default_font(), font_bold_, line, width, lines);
    else
      lines.emplace_back(line);
  }
  return lines;
}

// A wrapping label's line count depends on its width, so a new width can
// change the height it needs.
void Label::on_resized() {
  if (word_wrap_) apply_auto_size();
}

void Label::apply_auto_size() {
  if (!auto_size_) return;
  const Font& font = default_font();
  const auto lines = display_lines();
  double width = width_twips();
  if (!word_wrap_) {
    int widest = 0;
    for (const auto& line : lines) widest = std::max(widest, font.text_width(line, font_bold_));
    width = widest * kTwipsPerPixel;
  }
  const double height = static_cast<double>(lines.size()) * font.line_height() * kTwipsPerPixel;
  set_bounds_twips(left_twips(), top_twips(), width, height);
}

namespace {

constexpr NamedValue kAlignments[] = {{"Left", 0}, {"Right", 1}, {"Centre", 2}};
constexpr NamedValue kBackStyles[] = {{"Transparent", 0}, {"Opaque", 1}};

}  // namespace

const ClassInfo& Label::class_info() const {
  namespace ev = standard_events;
  static const ClassInfo info{
      "Label",
      "Host",
      {
          prop<&Label::Caption, &Label::put_Caption>("Caption", 0, PropType::String),
          prop<&Label::ForeColor, &Label::put_ForeColor>("ForeColor", -513, PropType::Color),
          prop<&Label::BackColor, &Label::put_BackColor>("BackColor", -501, PropType::Color),
          with_named_values(prop<&Label::BackStyle, &Label::put_BackStyle>("BackStyle", -502, PropType::Integer),
                            kBackStyles),
          prop<&Label::AutoSize, &Label::put_AutoSize>("AutoSize", -500, PropType::Boolean),
          with_named_values(prop<&Label::Alignment, &Label::put_Alignment>("Alignment", 1, PropType::Integer),
                            kAlignments),
          prop<&Label::WordWrap, &Label::put_WordWrap>("WordWrap", 2, PropType::Boolean),
          prop<&Label::UseMnemonic, &Label::put_UseMnemonic>("UseMnemonic", 3, PropType::Boolean),
          prop<&Label::FontBold, &Label::put_FontBold>("FontBold", 4, PropType::Boolean),
      },
      {ev::click(), ev::dbl_click(), ev::mouse_down(), ev::mouse_move(), ev::mouse_up()},
      &element_class_info(),
  };
  return info;
}

}  // namespace okit

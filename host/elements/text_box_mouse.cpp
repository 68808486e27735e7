// The edit field's mouse: a left press places the caret at the character
// boundary nearest to it (Shift+press extends the selection to there),
// moving with the button held drags the selection, and a double click
// selects the word under the cursor. The boundaries are those of
// user-perceived characters: a press inside a letter with its combining
// marks, an emoji sequence or a flag goes to whichever of its edges is
// nearer.

#include <cmath>

#include "host/elements/text_box.h"
#include "host/elements/word_boundaries.h"
#include "host/text/grapheme_breaks.h"

namespace okit {

namespace {
constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kShiftHeld = 1;

// The cluster boundary nearest to `x` (in the text's own pixels). The ruler
// gives the nearest code point boundary; inside a cluster, the nearer of its
// two edges wins, a tie going right as the ruler's does.
std::int32_t cluster_boundary_nearest(const TextRuler& shown, std::string_view text, int x) {
  const std::int32_t nearest = shown.boundary_nearest(x);
  const text::GraphemeBreaks clusters(text);
  if (clusters.is_boundary(nearest)) return nearest;
  const std::int32_t start = clusters.floor(nearest);
  const std::int32_t end = clusters.ceil(nearest);
  return x - shown.x_of(start) < shown.x_of(end) - x ? start : end;
}
}  // namespace

// The field raises the event first and acts afterwards, as the classic field
// does: a MouseDown handler still sees the caret where it was. It acts on
// where the mouse really was, whatever the handler did to the by-reference
// arguments.
void TextBox::mouse_input(std::string_view event, std::span<Value> args) {
  auto keep_alive = shared_from_this();
  const bool has_point = args.size() >= 4;
  const std::int16_t button = has_point ? args[0].to_integer() : 0;
  const std::int16_t shift = has_point ? args[1].to_integer() : 0;
  const int x = has_point ? field_x(args[2].to_single()) : 0;
  raise(event, args);
  if (!alive()) return;
  // The mouse places the caret in the text as it is, without a composition.
  if (event == "MouseDown" || event == "DblClick" || dragging_) end_composition();
  const EditBuffer before = buffer_;
  if (event == "MouseDown" && button == kLeftButton)
    press(x, (shift & kShiftHeld) != 0);
  else if (event == "MouseMove" && dragging_ && (button & kLeftButton) != 0)
    drag(x);
  else if (event == "MouseUp" && button == kLeftButton)
    dragging_ = false;
  else if (event == "DblClick")
    select_word(last_press_x_);
  after_edit(before, false);
}

int TextBox::field_x(float x) const {
  return static_cast<int>(std::floor(x * twips_per_unit(position_scale(), false) / kTwipsPerPixel));
}

int TextBox::text_x(const TextRuler& shown, int x) const {
  return x - text_left() + shown.stop(first_stop_);
}

void TextBox::press(int x, bool extend) {
  dragging_ = true;
  last_press_x_ = x;
  const TextRuler shown = ruler();
  buffer_.move_caret(cluster_boundary_nearest(shown, buffer_.text(), text_x(shown, x)), extend);
}

// Dragging past an edge moves the caret to the first or last character in
// reach, and the view scrolls after it.
void TextBox::drag(int x) {
  const TextRuler shown = ruler();
  buffer_.move_caret(cluster_boundary_nearest(shown, buffer_.text(), text_x(shown, x)), true);
}

// The selection ends after the word, where typing continues. In a masked
// field the words are secret, so a double click selects everything.
void TextBox::select_word(int x) {
  dragging_ = false;
  if (!password_char_.empty()) {
    buffer_.select_all();
    return;
  }
  const TextRuler shown = ruler();
  const words::Run run = words::WordStops(buffer_.text()).run_at(shown.character_at(text_x(shown, x)));
  buffer_.select(run.begin, run.end);
}

}  // namespace okit

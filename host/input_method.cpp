// Input methods: the composition and the commits they send reach the
// element holding the keyboard focus, the commits as typed text.

#include "host/desktop.h"
#include "host/paint/rect_math.h"
#include "host/typed_text.h"

namespace okit {

void Desktop::compose_text(std::string_view composition) {
  if (in_design_mode(active_form())) return;
  if (Element* target = focused()) target->compose(composition);
}

void Desktop::commit_text(std::string_view text) {
  compose_text({});
  for (const std::int16_t ch : typed_characters(text)) key_press(ch);
}

std::optional<TextInputSpot> Desktop::text_input_spot() const {
  Element* target = focused();
  if (!target) return std::nullopt;
  std::optional<TextInputSpot> spot = target->text_input_spot();
  if (spot) spot->caret_line = offset(spot->caret_line, target->screen_origin());
  return spot;
}

}  // namespace okit

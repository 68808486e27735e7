// Input methods where a scenario cannot look: the spot the desktop gives an
// input method for its candidate list, the SDL backend's text events (on
// SDL's dummy video driver, which has windows but no input method, so the
// test posts the events one would send), and the scenario commands' checks.

#include <gtest/gtest.h>

#include <cstring>

#include "app/scenario_parser.h"
#include "backend/sdl/sdl_backend.h"
#include "backend/sdl/sdl_text_input.h"
#include "controls_desktop.h"
#include "host/elements/command_button.h"
#include "host/elements/text_box.h"
#include "host/font.h"
#include "paint_testing.h"

namespace okit {
namespace {

// A form whose client area starts at screen (100, 50), with a field 60 pixels
// wide at (10, 10) in it, focused: its text starts at screen (113, 63).
class FieldWithKeyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    form = desktop.create_form("frm");
    form->set_bounds_twips(100 * 15, 50 * 15, 300 * 15, 100 * 15);
    field = testing::place<TextBox>(*form, "txt", {10, 10, 70, 31});
    button = testing::place<CommandButton>(*form, "cmd", {10, 40, 91, 65});
    desktop.activate(form.get());
    desktop.set_focus(*field);
  }
  static int width(std::string_view text) { return default_font().text_width(text, false); }

  testing::ControlsDesktop desktop;
  std::shared_ptr<Form> form;
  std::shared_ptr<TextBox> field;
  std::shared_ptr<CommandButton> button;
};

TEST_F(FieldWithKeyboard, TheCandidateListGoesUnderTheCaretOfTheCompositionInView) {
  field->put_Text("ab");
  field->put_SelStart(2);
  const int line = default_font().line_height();
  EXPECT_EQ(desktop.text_input_spot(), (TextInputSpot{{113 + width("ab"), 63, 114 + width("ab"), 63 + line}, false}));

  desktop.compose_text("xy");
  EXPECT_EQ(desktop.text_input_spot(),
            (TextInputSpot{{113 + width("abxy"), 63, 114 + width("abxy"), 63 + line}, true}));
  desktop.compose_text("a composition far wider than the field");
  const Rect caret = desktop.text_input_spot()->caret_line;
  EXPECT_GT(field->first_visible_stop(), 0) << "the field scrolled to the composition's end";
  EXPECT_LE(caret.right, 113 + field->text_room()) << "and the caret stayed inside it";

  // In a window twice the size, the rectangle SDL takes is in its pixels.
  const SDL_Rect in_window = text_input_rect(caret, {100, 50}, 2);
  EXPECT_EQ(in_window.x, (caret.left - 100) * 2);
  EXPECT_EQ(in_window.y, 26);
  EXPECT_EQ(in_window.w, 2);
  EXPECT_EQ(in_window.h, 2 * line);

  desktop.set_focus(*button);
  EXPECT_EQ(desktop.text_input_spot(), std::nullopt) << "a button takes no text";
  EXPECT_EQ(field->composition(), "") << "and the field's composition went with the focus";
}

// SDL's video subsystem on the dummy driver, for as long as this lives.
class DummyVideo {
 public:
  DummyVideo() {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    available_ = SDL_Init(SDL_INIT_VIDEO) == 0;
  }
  ~DummyVideo() {
    if (available_) SDL_Quit();
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
  }
  bool available() const { return available_; }

 private:
  bool available_ = false;
};

// The SDL window of the only form: window ids count from 1 in a fresh
// video subsystem.
std::uint32_t only_window_id() {
  for (std::uint32_t id = 1; id < 16; ++id)
    if (SDL_GetWindowFromID(id)) return id;
  return 0;
}

void post_text_editing(std::uint32_t window, const char* text) {
  SDL_Event event{};
  if (std::strlen(text) < SDL_TEXTEDITINGEVENT_TEXT_SIZE) {
    event.edit.type = SDL_TEXTEDITING;
    event.edit.windowID = window;
    std::strcpy(event.edit.text, text);
  } else {
    event.editExt.type = SDL_TEXTEDITING_EXT;
    event.editExt.windowID = window;
    event.editExt.text = SDL_strdup(text);  // the backend frees it
  }
  SDL_PushEvent(&event);
}

void post_text_input(std::uint32_t window, const char* text) {
  SDL_Event event{};
  event.text.type = SDL_TEXTINPUT;
  event.text.windowID = window;
  std::strcpy(event.text.text, text);
  SDL_PushEvent(&event);
}

TEST_F(FieldWithKeyboard, SdlTextEditingComposesAndTextInputCommits) {
  DummyVideo video;
  if (!video.available()) GTEST_SKIP() << "SDL's dummy video driver is not available: " << SDL_GetError();
  SdlBackend backend(desktop, 1);
  backend.handle_pending();
  const std::uint32_t window = only_window_id();
  ASSERT_NE(window, 0u);
  field->put_Text("");

  post_text_editing(window, "\xE3\x81\x8B");  // か
  backend.handle_pending();
  EXPECT_EQ(field->composition(), "\xE3\x81\x8B");
  EXPECT_EQ(field->Text(), "");

  const std::string long_composition(40, 'k');
  post_text_editing(window, long_composition.c_str());
  backend.handle_pending();
  EXPECT_EQ(field->composition(), long_composition) << "a composition too long for the event arrives whole";

  post_text_input(window, "\xE6\x97\xA5\xE6\x9C\xAC");  // 日本
  backend.handle_pending();
  EXPECT_EQ(field->Text(), "\xE6\x97\xA5\xE6\x9C\xAC");
  EXPECT_EQ(field->composition(), "");

  post_text_editing(window, "x");
  post_text_editing(window, "");
  backend.handle_pending();
  EXPECT_EQ(field->composition(), "") << "an empty composition cancels";
  EXPECT_EQ(field->SelStart(), 2);
}

TEST(ScenarioInputMethods, ComposeAndCommitTakeOneWellFormedString) {
  const auto problem = [](std::string_view line) {
    auto script = parse_script(line, "s.scn");
    return script ? std::string() : script.error().message;
  };
  EXPECT_EQ(problem("compose \"\"\ncommit \"\xC3\xA9\" & Chr(7)\n"), "");
  EXPECT_EQ(problem("compose"), "usage: compose \"TEXT\"");
  EXPECT_EQ(problem("commit 12"), "usage: commit \"TEXT\"");
  EXPECT_EQ(problem("commit \"a\" \"b\""), "usage: commit \"TEXT\"");
  EXPECT_EQ(problem("compose \"a\xFF\""), "compose: TEXT is not valid UTF-8");
}

}  // namespace
}  // namespace okit

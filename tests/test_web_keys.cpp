// The web backend's key translation, held against the SDL backend's: a key
// must send the same key code and type the same control character in a page
// as in a desktop window, or a form's handlers would see other keys there.

#include <gtest/gtest.h>

#include <string_view>

#include "backend/sdl/sdl_keys.h"
#include "backend/web/web_keys.h"

namespace okit {
namespace {

struct SameKey {
  std::string_view dom;
  SDL_Keycode sdl;
};

// KeyboardEvent.code names a key by its place, SDL by what it types on a US
// layout; on that layout they are the same keys.
constexpr SameKey kSameKeys[] = {
    {"KeyA", SDLK_a},           {"KeyM", SDLK_m},          {"KeyZ", SDLK_z},           {"Digit0", SDLK_0},
    {"Digit9", SDLK_9},         {"F1", SDLK_F1},           {"F10", SDLK_F10},          {"F12", SDLK_F12},
    {"Backspace", SDLK_BACKSPACE}, {"Tab", SDLK_TAB},      {"Enter", SDLK_RETURN},     {"NumpadEnter", SDLK_KP_ENTER},
    {"ShiftLeft", SDLK_LSHIFT}, {"ShiftRight", SDLK_RSHIFT}, {"ControlLeft", SDLK_LCTRL}, {"ControlRight", SDLK_RCTRL},
    {"AltLeft", SDLK_LALT},     {"AltRight", SDLK_RALT},   {"Escape", SDLK_ESCAPE},    {"Space", SDLK_SPACE},
    {"PageUp", SDLK_PAGEUP},    {"PageDown", SDLK_PAGEDOWN}, {"End", SDLK_END},        {"Home", SDLK_HOME},
    {"ArrowLeft", SDLK_LEFT},   {"ArrowUp", SDLK_UP},      {"ArrowRight", SDLK_RIGHT}, {"ArrowDown", SDLK_DOWN},
    {"Insert", SDLK_INSERT},    {"Delete", SDLK_DELETE},
};

TEST(WebKeys, EveryKeySendsTheCodeItSendsOnTheDesktop) {
  for (const SameKey& key : kSameKeys) {
    EXPECT_NE(key_code_for_dom(key.dom), 0) << key.dom;
    EXPECT_EQ(key_code_for_dom(key.dom), key_code_for(key.sdl)) << key.dom;
  }
}

TEST(WebKeys, KeysWithoutACodeAndMisshapenNamesSendNothing) {
  for (const std::string_view code : {"F13", "F0", "F01", "F-1", "F1x", "F", "Key", "KeyAB", "Keya", "Key1",
                                      "Digit", "Digit10", "Numpad1", "MetaLeft", "", "enter"})
    EXPECT_EQ(key_code_for_dom(code), 0) << '"' << code << '"';
}

TEST(WebKeys, ControlCharactersAreTheDesktopsForEveryModifier) {
  constexpr std::int16_t kShift = 1, kCtrl = 2, kAlt = 4;
  constexpr std::uint16_t kSdlMods[] = {KMOD_NONE, KMOD_LSHIFT, KMOD_LCTRL, KMOD_LALT,
                                        KMOD_LCTRL | KMOD_LSHIFT, KMOD_LCTRL | KMOD_RALT};
  constexpr std::int16_t kWebMasks[] = {0, kShift, kCtrl, kAlt, kCtrl | kShift, kCtrl | kAlt};
  for (const SameKey& key : kSameKeys) {
    for (std::size_t i = 0; i < std::size(kWebMasks); ++i)
      EXPECT_EQ(control_character_for_dom(key.dom, kWebMasks[i]), control_character_for(key.sdl, kSdlMods[i]))
          << key.dom << " with shift mask " << kWebMasks[i];
  }
  // The results the comparison rests on, so that two equal mistakes fail.
  EXPECT_EQ(control_character_for_dom("KeyA", kCtrl), 1);
  EXPECT_EQ(control_character_for_dom("KeyZ", kCtrl | kShift), 26);
  EXPECT_EQ(control_character_for_dom("NumpadEnter", 0), 13);
  EXPECT_EQ(control_character_for_dom("KeyA", kCtrl | kAlt), 0);
}

}  // namespace
}  // namespace okit

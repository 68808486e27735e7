// The SDL backend's translation of keys and typed text into the host's key
// messages; no display is needed for it.

#include <gtest/gtest.h>

#include "backend/sdl/sdl_keys.h"

namespace okit {
namespace {

TEST(SdlKeys, KeyCodesFollowTheClassicSet) {
  EXPECT_EQ(key_code_for(SDLK_a), 65);
  EXPECT_EQ(key_code_for(SDLK_z), 90);
  EXPECT_EQ(key_code_for(SDLK_0), 48);
  EXPECT_EQ(key_code_for(SDLK_9), 57);
  EXPECT_EQ(key_code_for(SDLK_F1), 112);
  EXPECT_EQ(key_code_for(SDLK_F12), 123);
  EXPECT_EQ(key_code_for(SDLK_LEFT), 37);
  EXPECT_EQ(key_code_for(SDLK_UP), 38);
  EXPECT_EQ(key_code_for(SDLK_RIGHT), 39);
  EXPECT_EQ(key_code_for(SDLK_DOWN), 40);
  EXPECT_EQ(key_code_for(SDLK_HOME), 36);
  EXPECT_EQ(key_code_for(SDLK_END), 35);
  EXPECT_EQ(key_code_for(SDLK_PAGEUP), 33);
  EXPECT_EQ(key_code_for(SDLK_PAGEDOWN), 34);
  EXPECT_EQ(key_code_for(SDLK_BACKSPACE), 8);
  EXPECT_EQ(key_code_for(SDLK_TAB), 9);
  EXPECT_EQ(key_code_for(SDLK_RETURN), 13);
  EXPECT_EQ(key_code_for(SDLK_KP_ENTER), 13);
  EXPECT_EQ(key_code_for(SDLK_ESCAPE), 27);
  EXPECT_EQ(key_code_for(SDLK_SPACE), 32);
  EXPECT_EQ(key_code_for(SDLK_INSERT), 45);
  EXPECT_EQ(key_code_for(SDLK_DELETE), 46);
  // Keys without a code are dropped rather than sent as something else.
  EXPECT_EQ(key_code_for(SDLK_F13), 0);
  EXPECT_EQ(key_code_for(SDLK_AUDIOPLAY), 0);
}

TEST(SdlKeys, ModifiersBecomeTheShiftMask) {
  EXPECT_EQ(shift_mask_for(KMOD_NONE), 0);
  EXPECT_EQ(shift_mask_for(KMOD_LSHIFT), 1);
  EXPECT_EQ(shift_mask_for(KMOD_RCTRL), 2);
  EXPECT_EQ(shift_mask_for(KMOD_LALT), 4);
  EXPECT_EQ(shift_mask_for(KMOD_RSHIFT | KMOD_LCTRL | KMOD_RALT), 7);
  // Lock keys are no modifiers of a key stroke.
  EXPECT_EQ(shift_mask_for(KMOD_CAPS | KMOD_NUM), 0);
}

TEST(SdlKeys, ControlCharactersComeFromTheKeyNotFromText) {
  EXPECT_EQ(control_character_for(SDLK_RETURN, KMOD_NONE), 13);
  EXPECT_EQ(control_character_for(SDLK_BACKSPACE, KMOD_NONE), 8);
  EXPECT_EQ(control_character_for(SDLK_ESCAPE, KMOD_SHIFT), 27);
  EXPECT_EQ(control_character_for(SDLK_a, KMOD_LCTRL), 1);
  EXPECT_EQ(control_character_for(SDLK_z, KMOD_RCTRL | KMOD_SHIFT), 26);
  // Printable keys type through text input; Ctrl+Alt is a layout's way to
  // type a printable character.
  EXPECT_EQ(control_character_for(SDLK_a, KMOD_NONE), 0);
  EXPECT_EQ(control_character_for(SDLK_a, KMOD_LCTRL | KMOD_RALT), 0);
  EXPECT_EQ(control_character_for(SDLK_1, KMOD_LCTRL), 0);
}

TEST(SdlKeys, TypedTextBecomesOneKeyPressPerCharacter) {
  EXPECT_EQ(typed_characters("aZ "), (std::vector<std::int16_t>{'a', 'Z', ' '}));
  EXPECT_EQ(typed_characters("\xC3\xA9\xE2\x82\xAC"), (std::vector<std::int16_t>{0xE9, 0x20AC}));
  // A character beyond what one KeyPress carries comes as two; control
  // characters are left out.
  EXPECT_EQ(typed_characters("\xF0\x9F\x98\x80\xEC\x95\x88"),
            (std::vector<std::int16_t>{static_cast<std::int16_t>(0xD83D), static_cast<std::int16_t>(0xDE00),
                                       static_cast<std::int16_t>(0xC548)}))
      << "beyond U+FFFF: two surrogates; beyond U+7FFF: the unit read as unsigned";
  EXPECT_TRUE(typed_characters("\x7F\x01").empty());
  EXPECT_TRUE(typed_characters("").empty());
}

}  // namespace
}  // namespace okit

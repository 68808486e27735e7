#include "backend/web/web_keys.h"

#include <charconv>

#include "host/desktop.h"

namespace okit {

namespace {

struct KeyPair {
  std::string_view dom;
  std::int16_t code;
};

// Keys whose codes follow no range of the DOM's names.
constexpr KeyPair kNamedKeys[] = {
    {"Backspace", 8},    {"Tab", 9},          {"Enter", 13},     {"NumpadEnter", 13}, {"ShiftLeft", 16},
    {"ShiftRight", 16},  {"ControlLeft", 17}, {"ControlRight", 17}, {"AltLeft", 18},   {"AltRight", 18},
    {"Pause", 19},       {"CapsLock", 20},    {"Escape", 27},    {"Space", 32},       {"PageUp", 33},
    {"PageDown", 34},    {"End", 35},         {"Home", 36},      {"ArrowLeft", 37},   {"ArrowUp", 38},
    {"ArrowRight", 39},  {"ArrowDown", 40},   {"Insert", 45},    {"Delete", 46},
};

// The one character after `prefix` ("KeyQ" -> 'Q'), or 0.
char single_after(std::string_view code, std::string_view prefix) {
  if (code.size() != prefix.size() + 1 || code.substr(0, prefix.size()) != prefix) return 0;
  return code.back();
}

// 1 to 12 for "F1" to "F12", or 0.
int function_key_number(std::string_view code) {
  if (code.size() < 2 || code.size() > 3 || code[0] != 'F' || code[1] == '0') return 0;
  int number = 0;
  const char* end = code.data() + code.size();
  const auto [stop, error] = std::from_chars(code.data() + 1, end, number);
  return error == std::errc() && stop == end && number >= 1 && number <= 12 ? number : 0;
}

}  // namespace

std::int16_t key_code_for_dom(std::string_view code) {
  if (const char letter = single_after(code, "Key"); letter >= 'A' && letter <= 'Z') return letter;
  if (const char digit = single_after(code, "Digit"); digit >= '0' && digit <= '9') return digit;
  if (const int number = function_key_number(code)) return static_cast<std::int16_t>(111 + number);
  for (const KeyPair& pair : kNamedKeys)
    if (pair.dom == code) return pair.code;
  return 0;
}

std::int16_t control_character_for_dom(std::string_view code, std::int16_t shift) {
  if (code == "Enter" || code == "NumpadEnter") return 13;
  if (code == "Backspace") return 8;
  if (code == "Escape") return 27;
  // Ctrl+Alt is how some layouts type printable characters, so only Ctrl on
  // its own makes a control character.
  const bool ctrl_only = (shift & shift_mask::Ctrl) && !(shift & shift_mask::Alt);
  if (const char letter = single_after(code, "Key"); ctrl_only && letter >= 'A' && letter <= 'Z')
    return static_cast<std::int16_t>(1 + (letter - 'A'));
  return 0;
}

}  // namespace okit

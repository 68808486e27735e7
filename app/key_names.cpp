#include "app/key_names.h"

#include <array>
#include <cctype>
#include <string>

#include "host/dispatch.h"

namespace okit {

namespace {

struct NamedKey {
  std::string_view name;
  std::int16_t code;
};

constexpr std::array kNamedKeys{
    NamedKey{"Space", 32},   NamedKey{"Enter", 13},    NamedKey{"Tab", 9},      NamedKey{"Escape", 27},
    NamedKey{"Left", 37},    NamedKey{"Right", 39},    NamedKey{"Up", 38},      NamedKey{"Down", 40},
    NamedKey{"Home", 36},    NamedKey{"End", 35},      NamedKey{"Back", 8},     NamedKey{"Delete", 46},
    NamedKey{"Insert", 45},  NamedKey{"PageUp", 33},   NamedKey{"PageDown", 34},
};

// The US layout's shifted digit row and punctuation keys.
constexpr std::string_view kDigitsShifted = ")!@#$%^&*(";
struct PunctuationKey {
  char plain, shifted;
  std::int16_t code;
};
constexpr std::array kPunctuation{
    PunctuationKey{';', ':', 186}, PunctuationKey{'=', '+', 187}, PunctuationKey{',', '<', 188},
    PunctuationKey{'-', '_', 189}, PunctuationKey{'.', '>', 190}, PunctuationKey{'/', '?', 191},
    PunctuationKey{'`', '~', 192}, PunctuationKey{'[', '{', 219}, PunctuationKey{'\\', '|', 220},
    PunctuationKey{']', '}', 221}, PunctuationKey{'\'', '"', 222},
};

std::optional<std::int16_t> key_code_of(std::string_view name) {
  for (const auto& key : kNamedKeys)
    if (equals_ignore_case(key.name, name)) return key.code;
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    return static_cast<std::int16_t>(std::toupper(static_cast<unsigned char>(name[0])));
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
    int n = 0;
    for (char c : name.substr(1)) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
      n = n * 10 + (c - '0');
      if (n > 12) return std::nullopt;
    }
    if (n >= 1) return static_cast<std::int16_t>(111 + n);
  }
  return std::nullopt;
}

}  // namespace

std::optional<KeyStroke> parse_key(std::string_view name) {
  KeyStroke stroke;
  while (true) {
    const auto plus = name.find('+');
    if (plus == std::string_view::npos || plus == name.size() - 1) break;
    const auto prefix = name.substr(0, plus);
    if (equals_ignore_case(prefix, "Shift"))
      stroke.shift |= 1;
    else if (equals_ignore_case(prefix, "Ctrl"))
      stroke.shift |= 2;
    else if (equals_ignore_case(prefix, "Alt"))
      stroke.shift |= 4;
    else
      return std::nullopt;
    name.remove_prefix(plus + 1);
  }
  const auto code = key_code_of(name);
  if (!code) return std::nullopt;
  stroke.key_code = *code;
  return stroke;
}

std::int16_t typed_character(const KeyStroke& stroke) {
  const bool shift = stroke.shift & 1, ctrl = stroke.shift & 2, alt = stroke.shift & 4;
  const std::int16_t code = stroke.key_code;
  if (alt) return 0;
  if (code >= 'A' && code <= 'Z') {
    if (ctrl) return static_cast<std::int16_t>(code - 'A' + 1);
    return shift ? code : static_cast<std::int16_t>(code - 'A' + 'a');
  }
  if (ctrl) return 0;
  if (code >= '0' && code <= '9') return shift ? kDigitsShifted[code - '0'] : code;
  switch (code) {
    case 32: case 13: case 8: case 27: return code;
    default: break;
  }
  for (const auto& key : kPunctuation)
    if (key.code == code) return shift ? key.shifted : key.plain;
  return 0;
}

std::optional<KeyStroke> stroke_for_character(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (std::islower(u)) return KeyStroke{static_cast<std::int16_t>(std::toupper(u)), 0};
  if (std::isupper(u)) return KeyStroke{static_cast<std::int16_t>(u), 1};
  if (std::isdigit(u)) return KeyStroke{static_cast<std::int16_t>(u), 0};
  if (c == ' ') return KeyStroke{32, 0};
  if (const auto pos = kDigitsShifted.find(c); pos != std::string_view::npos)
    return KeyStroke{static_cast<std::int16_t>('0' + pos), 1};
  for (const auto& key : kPunctuation) {
    if (key.plain == c) return KeyStroke{key.code, 0};
    if (key.shifted == c) return KeyStroke{key.code, 1};
  }
  return std::nullopt;
}

}  // namespace okit

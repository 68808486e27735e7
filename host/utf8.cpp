#include "host/utf8.h"

#include <optional>

namespace okit {
namespace {

struct LeadByte {
  int length = 0;        // bytes in the whole sequence; 0 when the byte cannot start one
  char32_t payload = 0;  // the code point bits the lead byte carries
};

LeadByte classify_lead(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2, static_cast<char32_t>(lead & 0x1F)};
  if (lead >= 0xE0 && lead <= 0xEF) return {3, static_cast<char32_t>(lead & 0x0F)};
  if (lead >= 0xF0 && lead <= 0xF4) return {4, static_cast<char32_t>(lead & 0x07)};
  return {};
}

// The byte after the lead has a narrower range for some leads: that is what
// rules out overlong forms (E0, F0), surrogates (ED) and code points beyond
// U+10FFFF (F4) without decoding them first.
bool is_valid_continuation(unsigned char lead, int index, unsigned char byte) {
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (index == 1) {
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  return byte >= low && byte <= high;
}

// Decodes one sequence; nullopt when it is malformed.
std::optional<char32_t> decode_one(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  const LeadByte sequence = classify_lead(lead);
  if (sequence.length == 0) return std::nullopt;
  char32_t code_point = sequence.payload;
  for (int index = 1; index < sequence.length; ++index) {
    if (pos >= text.size()) return std::nullopt;
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (!is_valid_continuation(lead, index, byte)) return std::nullopt;
    code_point = (code_point << 6) | (byte & 0x3F);
    ++pos;
  }
  return code_point;
}

}  // namespace

char32_t next_code_point(std::string_view text, std::size_t& pos) {
  return decode_one(text, pos).value_or(kReplacementCharacter);
}

bool is_valid_utf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();)
    if (!decode_one(text, pos)) return false;
  return true;
}

std::string encode_utf8(char32_t code_point) {
  std::string out;
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code_point >> 18));
    out += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
  return out;
}

}  // namespace okit

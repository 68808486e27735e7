#pragma once
// Form files as text documents: reading them into a tree of Begin ... End
// blocks and writing such a tree back in the fixed layout people diff. This
// layer knows nothing about controls; the loader above it decides whether a
// class or a key means anything.
//
//   VERSION 5.00
//   Object = "{GUID}#8.0#0"; "OpalineKit"
//   Begin Host.Form Form1
//      Caption         =   "Demo"
//      Begin OpalineKit.cmd_Opaline_Button Button1
//         Left            =   240
//      End
//   End
//
// Reading is tolerant where it costs nothing (indentation, key case, CRLF, a
// UTF-8 byte order mark, comment lines, a missing VERSION line) and strict
// where a mistake would otherwise load something different from what was
// meant: the first problem fails the whole read with "FILE:LINE: message".

#include <string>
#include <string_view>
#include <vector>

#include "host/expected.h"
#include "host/value.h"

namespace okit {

struct FormProperty {
  std::string key;
  Value value;
  int line = 0;  // where it was read; 0 for properties built in memory

  // Same key (as written) and same value; the line is where the text came
  // from, not part of the content.
  bool operator==(const FormProperty& other) const { return key == other.key && value == other.value; }
};

// One Begin ... End block.
struct FormBlock {
  std::string library;     // "Host", "OpalineKit": the text before the dot
  std::string class_name;  // "Form", "cmd_Opaline_Button"
  std::string name;        // "Form1", "Button1"
  int line = 0;            // line of its Begin; 0 for blocks built in memory
  std::vector<FormProperty> properties;  // in file order
  std::vector<FormBlock> children;       // in file order, which is z-order: first = bottom

  // The property with this key, compared case-insensitively; nullptr when
  // there is none. A block never holds two properties with the same key.
  const FormProperty* find(std::string_view key) const;

  // Same content; line numbers are ignored as for FormProperty.
  bool operator==(const FormBlock& other) const;
};

struct FormDocument {
  std::string version = "5.00";
  std::vector<std::string> object_lines;  // the `Object = ...` lines as written, trimmed
  FormBlock form;                          // the top-level Begin block

  bool operator==(const FormDocument& other) const = default;
};

// Limits that turn a hostile or corrupt file into a clear error instead of
// exhausting memory or the stack of whoever walks the tree.
inline constexpr std::size_t kMaxFormFileBytes = 16u << 20;
inline constexpr std::size_t kMaxFormLineBytes = 64u << 10;
inline constexpr int kMaxFormDepth = 64;  // the form's own block counts as depth 1

// Reads a whole file's text; `file` names it in errors.
Expected<FormDocument> parse_form(std::string_view text, std::string_view file);

// A missing or unreadable file gives a LoadError with line 0.
Expected<FormDocument> read_form_file(const std::string& path);

// The document in the fixed layout: 3 spaces of indent per level, keys padded
// to 16 characters, "\n" line endings, one line per property. Values with no
// text form (objects) are written as Nothing, which no reader accepts;
// callers never store them.
std::string write_form(const FormDocument& doc);

// Writes to a new file next to `path` and renames it over `path`, so a failed
// save leaves the previous file as it was. The new file keeps the old one's
// permissions. Text the reader would refuse (not UTF-8, or a line longer
// than kMaxFormLineBytes) is refused here and nothing is written. Errors
// carry line 0.
Expected<bool> write_form_file(const std::string& path, const FormDocument& doc);

// The value text of one property line (everything after the first '='):
//   "text"  with "" for a quote       -> String (may contain ' and =, and line breaks)
//   "ab" & Chr(7) & ChrW(133)         -> String: control characters as
//                                        format_value writes them
//   -1  'True  /  0   'False          -> Boolean: any number marked by a 'True or
//                                        'False comment, nonzero is True
//   True / False                      -> Boolean
//   12 / 40000 / 3000000000           -> Integer, Long or Double by size
//   1.5 / 1E+20                       -> Double (never Single)
//   &H80000008&                       -> Long, two's complement
//   Empty / Null                      -> Empty, Null
// Text after a ' outside a string is a comment. Errors carry only a message
// (no file or line); the form reader adds those.
Expected<Value> parse_form_value(std::string_view text);

// The inverse of parse_form_value, up to the subtypes the text can tell
// apart: Integer and Long are written in decimal, so a Long that fits 16 bits
// reads back as an Integer; Single and Double are always written with a point
// or an exponent, so both read back as Doubles rather than as integers.
// Strings are written as format_value prints them, so a line break becomes
// Chr(13) & Chr(10) and the value stays on its line.
std::string format_form_value(const Value& v);

}  // namespace okit

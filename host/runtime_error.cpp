#include "host/runtime_error.h"

namespace okit {

namespace {

struct ErrorText {
  int number;
  const char* text;
};

// The texts scripts and designers have always shown for these numbers; code
// elsewhere matches on them, so they are kept word for word.
constexpr ErrorText kClassicTexts[] = {
    {5, "Invalid procedure call or argument"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {9, "Subscript out of range"},
    {11, "Division by zero"},
    {13, "Type mismatch"},
    {91, "Object variable or With block variable not set"},
    {94, "Invalid use of Null"},
    {380, "Invalid property value"},
    {383, "Property is read-only"},
    {394, "Property is write-only"},
    {424, "Object required"},
    {429, "Can't create object"},
    {438, "Object doesn't support this property or method"},
    {481, "Invalid picture"},
};

}  // namespace

const char* classic_error_text(int number) {
  for (const ErrorText& entry : kClassicTexts) {
    if (entry.number == number) return entry.text;
  }
  return "Application-defined or object-defined error";
}

}  // namespace okit

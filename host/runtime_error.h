#pragma once
// Run-time errors of the host model. They carry the classic error number and
// its text, so a script, a designer and a C++ program all report the same
// thing ("error 380 Invalid property value").

#include <stdexcept>
#include <string>

#include "host/export.h"

namespace okit {

namespace err {
inline constexpr int InvalidCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int TypeMismatch = 13;
inline constexpr int InvalidUseOfNull = 94;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int ReadOnlyProperty = 383;
inline constexpr int ObjectRequired = 424;
inline constexpr int CantCreateObject = 429;
inline constexpr int NoSuchMember = 438;
inline constexpr int InvalidPicture = 481;
}  // namespace err

// The classic text of an error number ("Overflow" for 6); an unknown number
// gives "Application-defined or object-defined error".
OKIT_EXPORT const char* classic_error_text(int number);

class OKIT_EXPORT RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(int number) : RuntimeError(number, classic_error_text(number)) {}
  RuntimeError(int number, const std::string& text) : std::runtime_error(text), number_(number) {}
  int number() const { return number_; }

 private:
  int number_;
};

}  // namespace okit

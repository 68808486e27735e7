#pragma once
// A small result type for loaders and parsers: either a value or an error that
// names the file, the line and what was wrong. (std::expected arrives with
// C++23; this keeps the library on C++20.)

#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

#include "host/export.h"

namespace okit {

struct OKIT_EXPORT LoadError {
  std::string file;
  int line = 0;  // 1-based; 0 when the problem is not tied to a line
  std::string message;
  // "FILE:LINE: message", the form every command-line tool prints.
  std::string to_string() const {
    return file + ":" + std::to_string(line) + ": " + message;
  }
};

// A LoadError thrown, for application code that loads with Form::load.
class OKIT_EXPORT FormFileError : public std::runtime_error {
 public:
  explicit FormFileError(LoadError error) : std::runtime_error(error.to_string()), error_(std::move(error)) {}
  const LoadError& error() const { return error_; }

 private:
  LoadError error_;
};

template <typename T>
class OKIT_EXPORT Expected {
 public:
  Expected(T value) : state_(std::move(value)) {}
  Expected(LoadError error) : state_(std::move(error)) {}
  bool has_value() const { return state_.index() == 0; }
  explicit operator bool() const { return has_value(); }
  T& value() { return std::get<0>(state_); }
  const T& value() const { return std::get<0>(state_); }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  const LoadError& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, LoadError> state_;
};

}  // namespace okit

#pragma once
// PropertyBag: the named-value store a control reads its settings from and
// writes them to. Keys keep the order they were written in, which is the
// order a form file lists them; a value equal to the default passed to
// WriteProperty is not stored, and a missing key reads as the default.

#include <string>
#include <string_view>
#include <vector>

#include "host/value.h"

namespace okit {

class PropertyBag {
 public:
  struct Entry {
    std::string key;
    Value value;
  };

  PropertyBag() = default;
  explicit PropertyBag(std::vector<Entry> entries) : entries_(std::move(entries)) {}

  Value ReadProperty(std::string_view name, const Value& default_value = Value()) const;
  void WriteProperty(std::string_view name, const Value& value, const Value& default_value = Value());

  const std::vector<Entry>& entries() const { return entries_; }
  // Keys that were stored but never read (a form file's unknown keys).
  std::vector<std::string> unread_keys() const;
  // The key the last ReadProperty asked for, so a loader can say which value
  // a control could not take.
  const std::string& last_read() const { return last_read_; }

 private:
  std::vector<Entry> entries_;
  mutable std::vector<bool> read_;
  mutable std::string last_read_;
};

// Whether two values count as equal for the omit-the-default rule: the same
// after converting the stored value to the default's subtype.
bool same_as_default(const Value& value, const Value& default_value);

}  // namespace okit

#include "host/property_bag.h"

#include "host/dispatch.h"

namespace okit {

Value PropertyBag::ReadProperty(std::string_view name, const Value& default_value) const {
  read_.resize(entries_.size(), false);
  last_read_ = name;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (equals_ignore_case(entries_[i].key, name)) {
      read_[i] = true;
      return entries_[i].value;
    }
  }
  return default_value;
}

void PropertyBag::WriteProperty(std::string_view name, const Value& value, const Value& default_value) {
  std::erase_if(entries_, [&](const Entry& e) { return equals_ignore_case(e.key, name); });
  read_.clear();
  if (!default_value.is_empty() && same_as_default(value, default_value)) return;
  entries_.push_back({std::string(name), value});
}

std::vector<std::string> PropertyBag::unread_keys() const {
  read_.resize(entries_.size(), false);
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (!read_[i]) keys.push_back(entries_[i].key);
  return keys;
}

bool same_as_default(const Value& value, const Value& default_value) {
  if (value == default_value) return true;
  try {
    switch (default_value.type()) {
      case VarType::Boolean: return value.to_bool() == default_value.as_boolean();
      case VarType::Integer:
      case VarType::Long: return value.to_long() == default_value.to_long();
      case VarType::Single:
      case VarType::Double: return value.to_double() == default_value.to_double();
      case VarType::String: return value.type() == VarType::String && value.as_string() == default_value.as_string();
      default: return false;
    }
  } catch (const RuntimeError&) {
    return false;
  }
}

}  // namespace okit

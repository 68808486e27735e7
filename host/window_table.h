#pragma once
// Window handles. Forms, control surfaces and windowed child elements
// (edit fields, push buttons, picture boxes) each own a handle, a 32-bit
// number that lives as long as the element and is never reused while the
// process runs, so a stale handle finds nothing rather than a stranger. An
// element takes its number when it is made; the desktop whose form it joins
// lists it, so a handle leads to its element only on that desktop.

#include <cstdint>
#include <unordered_map>

#include "host/export.h"

namespace okit {

class Element;

// A fresh handle number. The numbers are the one thing desktops share: they
// are identities handed out once, never looked up here.
OKIT_EXPORT std::int32_t allocate_window_number();

class OKIT_EXPORT WindowTable {
 public:
  void add(std::int32_t hwnd, Element& owner) { owners_.emplace(hwnd, &owner); }
  void remove(std::int32_t hwnd) { owners_.erase(hwnd); }
  // The element that owns a live handle on this desktop, or nullptr.
  Element* find(std::int32_t hwnd) const {
    auto it = owners_.find(hwnd);
    return it == owners_.end() ? nullptr : it->second;
  }

 private:
  std::unordered_map<std::int32_t, Element*> owners_;
};

}  // namespace okit

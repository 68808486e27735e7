#include "host/window_table.h"

#include <unordered_map>

namespace okit {
namespace {

struct WindowTable {
  // Handles start at a value that looks like a handle, not like a count, and
  // step by 4 as handles classically do.
  std::int32_t next = 0x00010010;
  std::unordered_map<std::int32_t, Element*> owners;
};

WindowTable& table() {
  static WindowTable instance;
  return instance;
}

}  // namespace

std::int32_t allocate_window(Element& owner) {
  auto& t = table();
  const std::int32_t hwnd = t.next;
  t.next += 4;
  t.owners.emplace(hwnd, &owner);
  return hwnd;
}

void release_window(std::int32_t hwnd) { table().owners.erase(hwnd); }

Element* find_window(std::int32_t hwnd) {
  auto& owners = table().owners;
  auto it = owners.find(hwnd);
  return it == owners.end() ? nullptr : it->second;
}

}  // namespace okit

#pragma once
// Window handles. Forms, control surfaces and windowed child elements
// (edit fields, push buttons, picture boxes) each own a handle, a 32-bit
// number that lives as long as the element and is never reused while the
// process runs, so a stale handle finds nothing rather than a stranger.

#include <cstdint>

namespace okit {

class Element;

std::int32_t allocate_window(Element& owner);
void release_window(std::int32_t hwnd);
// The element that owns a live handle, or nullptr.
Element* find_window(std::int32_t hwnd);

}  // namespace okit

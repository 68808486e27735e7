#pragma once
// The host's element kinds by name, for form files ("Host.Label"), the
// scenario command `place` and design-time layouts.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/element.h"

namespace okit {

// Creates an element of the kind named (Image, Label, PictureBox, Timer,
// TextBox, CommandButton, Line, Shape; case-insensitive), or returns nullptr
// for a name that is no host kind.
std::shared_ptr<Element> create_host_element(std::string_view kind, std::string name);

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const Size&) const = default;
};

// The size in pixels a designer gives a newly placed element of `kind` when
// no size is asked for; {0, 0} for kinds that are not placed that way.
Size default_control_size(std::string_view kind);

}  // namespace okit

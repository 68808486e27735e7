#include "host/elements/element_kinds.h"

#include <array>

#include "host/elements/command_button.h"
#include "host/elements/image.h"
#include "host/elements/label.h"
#include "host/elements/line.h"
#include "host/elements/picture_box.h"
#include "host/elements/shape.h"
#include "host/elements/text_box.h"
#include "host/elements/timer.h"

namespace okit {

namespace {

struct Kind {
  std::string_view name;
  std::shared_ptr<Element> (*create)(std::string name);
  Size default_size;
};

template <typename T>
std::shared_ptr<Element> make(std::string name) {
  return std::make_shared<T>(std::move(name));
}

constexpr std::array kKinds{
    Kind{"Image", &make<Image>, {}},
    Kind{"Label", &make<Label>, {81, 17}},
    Kind{"PictureBox", &make<PictureBox>, {}},
    Kind{"Timer", &make<Timer>, {}},
    Kind{"TextBox", &make<TextBox>, {81, 25}},
    Kind{"CommandButton", &make<CommandButton>, {81, 25}},
    Kind{"Line", &make<Line>, {}},
    Kind{"Shape", &make<Shape>, {}},
};

const Kind* find_kind(std::string_view name) {
  for (const auto& kind : kKinds)
    if (equals_ignore_case(kind.name, name)) return &kind;
  return nullptr;
}

}  // namespace

std::shared_ptr<Element> create_host_element(std::string_view kind, std::string name) {
  const Kind* found = find_kind(kind);
  return found ? found->create(std::move(name)) : nullptr;
}

Size default_control_size(std::string_view kind) {
  const Kind* found = find_kind(kind);
  return found ? found->default_size : Size{};
}

}  // namespace okit

#include "host/accessible_tree.h"

#include <unordered_map>

#include "host/form.h"

namespace okit {

namespace {

// The nearest control that `control` is placed inside, or null on the form.
const Element* container_of(const Element& control) {
  for (const Element* up = control.parent(); up && up->role() != ElementRole::Form; up = up->parent())
    if (up->role() == ElementRole::Control) return up;
  return nullptr;
}

}  // namespace

std::vector<AccessibleNode> accessible_tree(Form& form) {
  std::vector<AccessibleNode> roots;
  // Where each described control's node is: a path of child indexes, since
  // the vectors move as they grow. Form::controls() lists a container before
  // what it holds.
  std::unordered_map<const Element*, std::vector<std::size_t>> paths;
  for (Element* control : form.controls()) {
    Description description = control->describe();
    if (description.role.empty()) continue;
    std::vector<AccessibleNode>* siblings = &roots;
    std::vector<std::size_t> path;
    for (const Element* up = container_of(*control); up; up = container_of(*up)) {
      if (auto found = paths.find(up); found != paths.end()) {
        path = found->second;
        break;
      }
    }
    for (std::size_t index : path) siblings = &(*siblings)[index].children;
    path.push_back(siblings->size());
    siblings->push_back({control, std::move(description), {}});
    paths.emplace(control, std::move(path));
  }
  return roots;
}

}  // namespace okit

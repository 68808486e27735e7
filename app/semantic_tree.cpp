#include "app/semantic_tree.h"

#include <cstdio>

#include "host/accessible_tree.h"

namespace okit {

namespace {

std::string quoted(std::string_view text) { return '"' + escape_tree_text(text) + '"'; }

// The states a line shows, in the order it shows them.
std::string states_of(const DescribedState& state) {
  std::string states;
  const auto add = [&states](bool holds, std::string_view name) {
    if (holds) (states += ' ') += name;
  };
  add(state.focused, "focused");
  add(state.disabled, "disabled");
  add(state.pressed, "pressed");
  add(state.active, "active");
  add(state.hidden, "hidden");
  return states;
}

std::string tree_line(const Description& d, int depth) {
  std::string line(2 * static_cast<std::size_t>(depth), ' ');
  ((line += d.role) += ' ') += quoted(d.name);
  if (d.value) line += " value=" + (d.value_is_text ? quoted(*d.value) : *d.value);
  line += states_of(d.states);
  if (d.access_key) line += " key=" + escape_tree_text(std::string(1, d.access_key));
  return line;
}

void print(const std::vector<AccessibleNode>& nodes, int depth, std::string& tree) {
  for (const AccessibleNode& node : nodes) {
    (tree += tree_line(node.description, depth)) += '\n';
    print(node.children, depth + 1, tree);
  }
}

}  // namespace

std::string escape_tree_text(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      (out += '\\') += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte == 0x7f) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", byte);
      out += hex;
    } else {
      out += c;  // UTF-8 passes through unchanged
    }
  }
  return out;
}

std::string semantic_tree(Form& form) {
  std::string tree;
  print(accessible_tree(form), 0, tree);
  return tree;
}

}  // namespace okit

#include "app/semantic_tree.h"

#include <array>
#include <cstdio>
#include <optional>

#include "controls/checkbox/chk_Opaline_CheckBox.h"
#include "host/desktop.h"
#include "host/elements/image.h"
#include "host/elements/mnemonic.h"
#include "host/elements/text_box.h"
#include "host/form.h"

namespace okit {

namespace {

struct ClassRole {
  std::string_view class_name;
  std::string_view role;
};

// Every class not listed is an `element`.
constexpr std::array kRoles{
    ClassRole{"ctl_Opaline_Form", "window"},       ClassRole{"cmd_Opaline_Button", "button"},
    ClassRole{"CommandButton", "button"},          ClassRole{"chk_Opaline_CheckBox", "checkbox"},
    ClassRole{"txt_Opaline_opal", "textbox"},      ClassRole{"TextBox", "textbox"},
    ClassRole{"fam_Opaline_Framebordder", "group"}, ClassRole{"stp_Brook_TabStrip", "tablist"},
    ClassRole{"Label", "label"},                   ClassRole{"Image", "image"},
    ClassRole{"PictureBox", "picture"},
};

std::string_view role_of(const Element& control) {
  for (const auto& entry : kRoles)
    if (entry.class_name == control.class_info().name) return entry.role;
  return "element";
}

// A timer is never seen nor reached, so a screen reader has nothing to say
// about it.
bool is_invisible(const Element& control) { return control.class_info().name == "Timer"; }

// The first element of the control's own layout that `wanted` accepts, depth
// first; controls placed inside a container are their own lines, not part of
// it, and are not searched.
template <typename Predicate>
Element* find_own(const Element& control, Predicate wanted) {
  for (const auto& child : control.children()) {
    if (child->role() == ElementRole::Control) continue;
    if (wanted(*child)) return child.get();
    if (Element* found = find_own(*child, wanted)) return found;
  }
  return nullptr;
}

Element* own_element(const Element& control, std::string_view name) {
  return find_own(control, [name](const Element& e) { return equals_ignore_case(e.name(), name); });
}

// The bitmap handle an image shows; 0 for none or for an element that is no
// image.
std::int32_t picture_of(const Element* e) {
  const auto* image = dynamic_cast<const Image*>(e);
  return image && image->picture() ? image->picture()->Handle() : 0;
}

// The skinned controls keep their looks only as pictures: a look is showing
// when the image in view shows the same bitmap as the hidden image of that
// look.
bool shows_look(const Element& control, std::string_view image_in_view, std::string_view look_image) {
  const std::int32_t shown = picture_of(own_element(control, image_in_view));
  return shown != 0 && shown == picture_of(own_element(control, look_image));
}

std::string quoted(std::string_view text) { return '"' + escape_tree_text(text) + '"'; }

// The caption as it is shown, or nothing for a class without one: the
// access-key markers go, unless a label shows them as they are.
std::optional<std::string> shown_caption(Element& e) {
  const ClassInfo& info = e.class_info();
  if (!info.find_property("Caption")) return std::nullopt;
  const Value caption = e.get_property("Caption");
  if (caption.type() != VarType::String) return std::nullopt;
  if (info.find_property("UseMnemonic") && e.get_property("UseMnemonic") == Value::boolean(false))
    return caption.as_string();
  return strip_mnemonic(caption.as_string());
}

// A text box is named by its control name: its text is its value.
std::string name_of(Element& control, std::string_view role) {
  if (role == "textbox") return control.name();
  return shown_caption(control).value_or(control.name());
}

std::string check_value(const chk_Opaline_CheckBox& box) {
  switch (box.get_Value()) {
    case chk_None: return "unchecked";
    case chk_Checked: return "checked";
    case chk_Inactive: return "mixed";
    default: return std::to_string(box.get_Value());  // the box keeps its last look; say what was set
  }
}

// The host field a text box control is built around (or that it is), whose
// shown text is masked for a password.
const TextBox* text_field(Element& control) {
  if (auto* field = dynamic_cast<TextBox*>(&control)) return field;
  return dynamic_cast<TextBox*>(find_own(control, [](const Element& e) { return dynamic_cast<const TextBox*>(&e); }));
}

// The tab strip keeps no selection of its own: the selected tab is the one
// whose tab image shows the on-picture.
std::optional<std::string> selected_tab(const Element& strip) {
  for (int tab = 1; own_element(strip, "img_caption" + std::to_string(tab)); ++tab) {
    const std::string number = std::to_string(tab);
    if (!shows_look(strip, "img_caption" + number, "img_on")) continue;
    if (Element* caption = own_element(strip, "lbl_caption" + number)) return shown_caption(*caption);
  }
  return std::nullopt;
}

std::optional<std::string> value_of(Element& control, std::string_view role) {
  if (auto* box = dynamic_cast<chk_Opaline_CheckBox*>(&control)) return check_value(*box);
  if (role == "textbox")
    if (const TextBox* field = text_field(control)) return quoted(field->display_text());
  if (role == "tablist")
    if (auto caption = selected_tab(control)) return quoted(*caption);
  return std::nullopt;
}

std::string states_of(Element& control, std::string_view role, const Form& form) {
  std::string states;
  const auto add = [&states](std::string_view state) { (states += ' ') += state; };
  if (control_holding(form.focused()) == &control) add("focused");
  if (!control.input_enabled()) add("disabled");
  // The skinned button shows its pressed left cap (c1) in its left slice (v1).
  if (role == "button" && shows_look(control, "v1", "c1")) add("pressed");
  if (role == "window" && form.desktop() && form.desktop()->active_form() == &form) add("active");
  if (!control.shown()) add("hidden");
  return states;
}

int container_depth(const Element& control) {
  int depth = 0;
  for (const Element* up = control.parent(); up && up->role() != ElementRole::Form; up = up->parent())
    if (up->role() == ElementRole::Control) ++depth;
  return depth;
}

std::string tree_line(Element& control, const Form& form) {
  const std::string_view role = role_of(control);
  std::string line(2 * static_cast<std::size_t>(container_depth(control)), ' ');
  ((line += role) += ' ') += quoted(name_of(control, role));
  if (auto value = value_of(control, role)) line += " value=" + *value;
  line += states_of(control, role, form);
  if (const char key = control.access_key()) line += " key=" + escape_tree_text(std::string(1, key));
  return line;
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
  for (Element* control : form.controls())
    if (!is_invisible(*control)) (tree += tree_line(*control, form)) += '\n';
  return tree;
}

}  // namespace okit

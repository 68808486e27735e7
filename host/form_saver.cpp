// Saving a live form as a form-file document: the form's own keys, then each
// control with the host's keys in alphabetical order, its extent, and the keys
// its WriteProperties writes, containers followed by the controls they hold.

#include <algorithm>
#include <cmath>

#include "host/desktop.h"
#include "host/elements/element_kinds.h"
#include "host/form_loader.h"
#include "host/property_bag.h"
#include "host/user_control.h"

namespace okit {

namespace {

// Twips print as whole numbers when they are whole.
Value twips_value(double twips) {
  if (twips == std::floor(twips) && std::abs(twips) <= 2147483647.0) {
    const auto whole = static_cast<std::int32_t>(twips);
    if (whole >= -32768 && whole <= 32767) return static_cast<std::int16_t>(whole);
    return whole;
  }
  return static_cast<float>(twips);
}

// HIMETRIC from twips, halves away from zero.
Value extent_value(double twips) { return twips_value(std::round(twips * 2540.0 / 1440.0)); }

// A host element writes the properties of its own table that differ from a
// freshly created element of its kind, in table order.
void write_host_properties(Element& control, FormBlock& block) {
  auto fresh = create_host_element(control.class_info().name, control.name());
  if (!fresh) return;
  for (const PropertyInfo& info : control.class_info().properties) {
    if (info.read_only() || !info.persisted) continue;
    const Value current = info.get(control);
    if (current == info.get(*fresh)) continue;
    block.properties.push_back({std::string(info.name), current, 0});
  }
}

FormBlock describe_control(Element& control) {
  FormBlock block;
  block.library = std::string(library_of(control));
  block.class_name = std::string(control.class_info().name);
  block.name = control.name();
  auto host_key = [&](std::string_view key, Value v) { block.properties.push_back({std::string(key), std::move(v), 0}); };
  host_key("Height", twips_value(control.height_twips()));
  host_key("Left", twips_value(control.left_twips()));
  host_key("TabIndex", control.tab_index());
  host_key("Top", twips_value(control.top_twips()));
  host_key("Width", twips_value(control.width_twips()));
  if (auto* surface = dynamic_cast<UserControl*>(&control)) {
    host_key("_ExtentX", extent_value(control.width_twips()));
    host_key("_ExtentY", extent_value(control.height_twips()));
    PropertyBag bag;
    surface->WriteProperties(bag);
    for (const auto& entry : bag.entries()) host_key(entry.key, entry.value);
  } else {
    write_host_properties(control, block);
  }
  for (const auto& child : control.children())
    if (child->role() == ElementRole::Control) block.children.push_back(describe_control(*child));
  return block;
}

}  // namespace

FormDocument describe_form(Form& form) {
  FormDocument doc;
  FormBlock& top = doc.form;
  top.library = "Host";
  top.class_name = "Form";
  top.name = form.name();
  auto key = [&](std::string_view k, Value v) { top.properties.push_back({std::string(k), std::move(v), 0}); };
  if (form.back_color() != Form::kDefaultBackColor) key("BackColor", form.back_color());
  if (form.border_style() != Form::kDefaultBorderStyle) key("BorderStyle", form.border_style());
  key("Caption", form.caption());
  key("ClientHeight", twips_value(form.height_twips()));
  key("ClientLeft", twips_value(form.left_twips()));
  key("ClientTop", twips_value(form.top_twips()));
  key("ClientWidth", twips_value(form.width_twips()));
  for (const auto& child : form.children()) {
    if (child->role() != ElementRole::Control) continue;
    top.children.push_back(describe_control(*child));
  }
  // The library's type information is named once any control comes from it.
  const auto from_library = [](const Element* control) { return library_of(*control) != kHostLibrary; };
  const std::vector<Element*> controls = form.controls();
  if (form.desktop() && std::any_of(controls.begin(), controls.end(), from_library))
    doc.object_lines.push_back(form.desktop()->class_catalog().form_file_object_line());
  return doc;
}

}  // namespace okit

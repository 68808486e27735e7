#include "host/form_loader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <vector>
#include <unordered_set>

#include "host/desktop.h"
#include "host/elements/element_kinds.h"
#include "host/property_bag.h"
#include "host/user_control.h"
#include "host/place_control.h"

namespace okit {

namespace {

// The keys the host keeps for every control; the rest belong to the control.
constexpr std::string_view kHostKeys[] = {"Height", "Left", "TabIndex", "Top", "Width", "_ExtentX", "_ExtentY"};

bool is_host_key(std::string_view key) {
  for (auto k : kHostKeys)
    if (equals_ignore_case(k, key)) return true;
  return false;
}

LoadError error_at(const std::string& file, int line, std::string message) {
  return LoadError{file, line, std::move(message)};
}

// A value that must be a number, as a double; nullopt when it is not one.
std::optional<double> number_of(const Value& v) {
  if (!v.is_numeric()) return std::nullopt;
  return v.to_double();
}

// ---- Checking the document before anything is built ---------------------------

std::optional<LoadError> check_block(const Desktop* desktop, const FormBlock& block, const std::string& file,
                                     int depth);

// Some keys are stored in 16 or 32 bits rather than as twips; a value that
// does not fit its declared type is refused here instead of wrapping when
// built.
std::optional<LoadError> check_fits(const FormProperty& p, PropType type, const std::string& file) {
  try {
    coerce(p.value, type);
  } catch (const RuntimeError&) {
    return error_at(file, p.line, "value of " + p.key + " is out of range");
  }
  return std::nullopt;
}

std::optional<LoadError> check_host_key(const FormProperty& p, const std::string& file) {
  const auto n = number_of(p.value);
  if (!n) return error_at(file, p.line, "value of " + p.key + " is not a number");
  if (std::abs(*n) > 2147483647.0) return error_at(file, p.line, "value of " + p.key + " is out of range");
  if (equals_ignore_case(p.key, "TabIndex"))
    if (auto problem = check_fits(p, PropType::Integer, file)) return problem;
  if ((equals_ignore_case(p.key, "Width") || equals_ignore_case(p.key, "Height")) && *n < 0)
    return error_at(file, p.line, p.key + " must not be negative");
  return std::nullopt;
}

std::optional<LoadError> check_control(const Desktop* desktop, const FormBlock& block, const std::string& file,
                                       int depth) {
  std::shared_ptr<Element> probe;
  try {
    probe = create_control(desktop, block.library, block.class_name);
  } catch (const RuntimeError& error) {
    return error_at(file, block.line, "cannot create " + block.library + "." + block.class_name + " (error " +
                                          std::to_string(error.number()) + " " + error.what() + ")");
  }
  const bool is_surface = dynamic_cast<UserControl*>(probe.get()) != nullptr;
  for (const auto& p : block.properties) {
    if (is_host_key(p.key)) {
      if (auto problem = check_host_key(p, file)) return problem;
      continue;
    }
    if (is_surface) continue;  // the control reads its own keys and ignores others
    const PropertyInfo* info = probe->class_info().find_property(p.key);
    if (!info || info->read_only())
      return error_at(file, p.line, "unknown property " + p.key + " of " + block.class_name);
    try {
      coerce(p.value, info->type);
    } catch (const RuntimeError&) {
      return error_at(file, p.line, "value " + format_value(p.value) + " of " + p.key + " does not convert");
    }
  }
  if (!block.children.empty() && !(is_surface && static_cast<UserControl&>(*probe).is_container()))
    return error_at(file, block.children.front().line, block.name + " cannot hold other controls");
  for (const auto& child : block.children)
    if (auto problem = check_block(desktop, child, file, depth + 1)) return problem;
  return std::nullopt;
}

std::optional<LoadError> check_form_geometry(const FormProperty& p, const std::string& file) {
  const bool size = equals_ignore_case(p.key, "ClientWidth") || equals_ignore_case(p.key, "ClientHeight");
  const bool place = equals_ignore_case(p.key, "ClientLeft") || equals_ignore_case(p.key, "ClientTop");
  if (!size && !place) return std::nullopt;
  const double n = p.value.to_double();
  if (place && std::abs(n) > 2147483647.0) return error_at(file, p.line, "value of " + p.key + " is out of range");
  if (size && n < 0) return error_at(file, p.line, p.key + " must not be negative");
  if (size && n > kMaxFormTwips)
    return error_at(file, p.line,
                    p.key + " is larger than the largest form (" + std::to_string(kMaxFormPixels) + " pixels, " +
                        std::to_string(static_cast<int>(kMaxFormTwips)) + " twips)");
  return std::nullopt;
}

std::optional<LoadError> check_block(const Desktop* desktop, const FormBlock& block, const std::string& file,
                                     int depth) {
  if (depth > 0) return check_control(desktop, block, file, depth);
  if (!equals_ignore_case(block.library, kHostLibrary) || !equals_ignore_case(block.class_name, "Form"))
    return error_at(file, block.line, "expected 'Begin Host.Form NAME', found " + block.library + "." + block.class_name);
  for (const auto& p : block.properties) {
    const PropertyInfo* property = Form::saved_property(p.key);
    if (!property && !Form::is_client_rect_key(p.key))
      return error_at(file, p.line, "unknown property " + p.key + " of Form");
    const bool text = property && property->type == PropType::String;
    if (!text && !number_of(p.value)) return error_at(file, p.line, "value of " + p.key + " is not a number");
    if (auto problem = check_form_geometry(p, file)) return problem;
    if (property && !text)
      if (auto problem = check_fits(p, property->type, file)) return problem;
  }
  for (const auto& child : block.children)
    if (auto problem = check_block(desktop, child, file, depth + 1)) return problem;
  return std::nullopt;
}

// Every control costs memory whether it shows or not; a file cannot ask for
// an unbounded number of them.
std::optional<LoadError> check_control_count(const FormBlock& block, const std::string& file, int& count) {
  for (const auto& child : block.children) {
    if (++count > kMaxFormControls)
      return error_at(file, child.line, "the form holds more than " + std::to_string(kMaxFormControls) + " controls");
    if (auto problem = check_control_count(child, file, count)) return problem;
  }
  return std::nullopt;
}

// Control names must be unique within a form.
std::optional<LoadError> check_names(const FormBlock& block, const std::string& file,
                                     std::unordered_set<std::string>& seen) {
  for (const auto& child : block.children) {
    std::string lower = child.name;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (!seen.insert(std::move(lower)).second)
      return error_at(file, child.line, "a control named " + child.name + " already exists");
    if (auto problem = check_names(child, file, seen)) return problem;
  }
  return std::nullopt;
}

// ---- Building ---------------------------------------------------------------------

double key_or(const FormBlock& block, std::string_view key, double fallback) {
  const FormProperty* p = block.find(key);
  return p ? p->value.to_double() : fallback;
}

// A control that could not take its saved settings: where and why.
struct BuildFailure {
  int line;
  std::string message;
};

std::string describe(const RuntimeError& error) {
  return "error " + std::to_string(error.number()) + " " + error.what();
}

// A control reads its own keys from a property bag (and may ignore some); a
// host element takes each key as a property put.
ControlSettings saved_settings(const FormBlock& block, std::vector<UnreadKey>* unread_keys) {
  return [&block, unread_keys](Element& control) {
    auto* surface = dynamic_cast<UserControl*>(&control);
    if (!surface) {
      for (const auto& p : block.properties)
        if (!is_host_key(p.key)) control.put_property(p.key, p.value);
      return;
    }
    std::vector<PropertyBag::Entry> entries;
    for (const auto& p : block.properties)
      if (!is_host_key(p.key)) entries.push_back({p.key, p.value});
    PropertyBag bag(std::move(entries));
    try {
      surface->ReadProperties(bag);
    } catch (const RuntimeError& error) {
      const FormProperty* p = block.find(bag.last_read());
      throw BuildFailure{p ? p->line : block.line,
                         describe(error) + " reading " + bag.last_read() + " of " + block.name};
    }
    if (unread_keys)
      for (const auto& key : bag.unread_keys()) {
        const FormProperty* p = block.find(key);
        unread_keys->push_back({p ? p->line : block.line, block.name, key});
      }
  };
}

void build_control(const FormBlock& block, Element& container, std::vector<UnreadKey>* unread_keys) {
  auto control = create_control(container.desktop(), block.library, block.class_name);
  const ControlPlacement placement{block.name, static_cast<std::int16_t>(key_or(block, "TabIndex", 0)),
                                   key_or(block, "Left", 0), key_or(block, "Top", 0),
                                   key_or(block, "Width", control->width_twips()),
                                   key_or(block, "Height", control->height_twips())};
  control = settle_control(std::move(control), container, placement, saved_settings(block, unread_keys));
  if (!control->alive()) return;
  for (const auto& child : block.children) build_control(child, *control, unread_keys);
}

}  // namespace

std::shared_ptr<Element> create_control(const Desktop* desktop, std::string_view library,
                                        std::string_view class_name) {
  if (equals_ignore_case(library, kHostLibrary))
    if (auto element = create_host_element(class_name, std::string(class_name))) return element;
  if (!desktop || !desktop->has_class_catalog()) throw RuntimeError(err::CantCreateObject);
  ClassCatalog& catalog = desktop->class_catalog();
  if (equals_ignore_case(library, catalog.library_name())) return catalog.create(class_name);
  throw RuntimeError(err::CantCreateObject);
}

std::string_view library_of(const Element& control) { return control.class_info().library; }

namespace {

std::optional<LoadError> check_document(const Desktop* desktop, const FormBlock& top, const std::string& file) {
  int count = 0;
  if (auto problem = check_control_count(top, file, count)) return problem;
  if (auto problem = check_block(desktop, top, file, 0)) return problem;
  std::unordered_set<std::string> names;
  return check_names(top, file, names);
}

// Gives a form on the desktop the properties and controls of `top`; on a
// failure the caller decides what becomes of the form.
std::optional<LoadError> fill_form(Form& form, const FormBlock& top, const std::string& file,
                                   std::vector<UnreadKey>* unread_keys) {
  try {
    const FormProperty* caption = top.find("Caption");
    form.put_Caption(caption ? caption->value.to_string() : top.name);
    form.put_BorderStyle(static_cast<std::int16_t>(key_or(top, "BorderStyle", Form::kDefaultBorderStyle)));
    form.put_BackColor(static_cast<std::int32_t>(key_or(top, "BackColor", Form::kDefaultBackColor)));
    form.place_twips(key_or(top, "ClientLeft", 0), key_or(top, "ClientTop", 0),
                     key_or(top, "ClientWidth", Form::kDefaultClientWidth),
                     key_or(top, "ClientHeight", Form::kDefaultClientHeight));
    for (const auto& child : top.children) build_control(child, form, unread_keys);
  } catch (const BuildFailure& failure) {
    return error_at(file, failure.line, failure.message);
  } catch (const RuntimeError& error) {
    return error_at(file, top.line, describe(error) + " while loading " + top.name);
  }
  return std::nullopt;
}

}  // namespace

Expected<std::shared_ptr<Form>> load_form(Desktop& desktop, const FormDocument& doc, const std::string& file,
                                          std::vector<UnreadKey>* unread_keys) {
  const FormBlock& top = doc.form;
  if (auto problem = check_document(&desktop, top, file)) return *problem;
  if (desktop.find_form(top.name))
    return error_at(file, top.line, "a form named " + top.name + " is already loaded");

  auto form = desktop.create_form(top.name);
  if (auto problem = fill_form(*form, top, file, unread_keys)) {
    desktop.unload(*form);
    return *problem;
  }
  if (form->alive()) {
    desktop.activate(form.get());
    desktop.focus_first(*form);
  }
  return form;
}

Expected<bool> reload_form(Form& form, const FormDocument& doc, const std::string& file) {
  const FormBlock& top = doc.form;
  const Desktop* desktop = form.desktop();
  if (auto problem = check_document(desktop, top, file)) return *problem;
  if (auto other = desktop ? desktop->find_form(top.name) : nullptr; other && other.get() != &form)
    return error_at(file, top.line, "a form named " + top.name + " is already loaded");
  for (const auto& child : std::vector(form.children()))
    if (child->alive()) child->destroy();
  form.set_name(top.name);
  if (auto problem = fill_form(form, top, file, nullptr)) return *problem;
  return true;
}

std::shared_ptr<Form> Form::load(Desktop& desktop, const std::string& path) {
  auto doc = read_form_file(path);
  if (!doc) throw FormFileError(doc.error());
  auto form = load_form(desktop, *doc, path);
  if (!form) throw FormFileError(form.error());
  return *form;
}

}  // namespace okit

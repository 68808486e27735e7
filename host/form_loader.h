#pragma once
// Turning form files into live forms and back. Loading checks the whole
// document first (classes, keys, values) so a broken file loads nothing, then
// builds each control in file order, depth first: create, read properties,
// resize, show; the first focus is given after all of them.

#include <memory>
#include <string>
#include <string_view>

#include "host/expected.h"
#include "host/form.h"
#include "host/form_file.h"

namespace okit {

// The library form files name the host's own element kinds with
// ("Host.Label").
inline constexpr std::string_view kHostLibrary = "Host";

// Creates a control by its form-file class: a host element kind
// ("Host.Label") or a class of the desktop's catalog
// ("OpalineKit.cmd_Opaline_Button"). Throws RuntimeError 429 when there is
// no such class (on no desktop, only host element kinds exist).
std::shared_ptr<Element> create_control(const Desktop* desktop, std::string_view library,
                                        std::string_view class_name);

// Keys a control's ReadProperties did not read: typos, or keys of another
// version of the control.
struct UnreadKey {
  int line = 0;
  std::string control;
  std::string key;
};

// The most controls one form file may hold (all levels together).
inline constexpr int kMaxFormControls = 10000;

// Loads `doc` as a new form on `desktop`, shown and active.
Expected<std::shared_ptr<Form>> load_form(Desktop& desktop, const FormDocument& doc, const std::string& file,
                                          std::vector<UnreadKey>* unread_keys = nullptr);

// Loads `doc` into a form already on a desktop in place of everything it
// holds, keeping the form object (and so its window): a designer's undo
// swaps a form's contents rather than the form. After a failure the form
// holds what was built before it.
Expected<bool> reload_form(Form& form, const FormDocument& doc, const std::string& file);

// The document that saving a form writes.
FormDocument describe_form(Form& form);

// The library of a control's class as form files name it ("Host",
// "OpalineKit").
std::string_view library_of(const Element& control);

}  // namespace okit

#include "app/designer/designer.h"

#include <algorithm>
#include <cctype>

#include "api/install_controls.h"
#include "app/designer/property_grid.h"
#include "host/form_file.h"
#include "host/form_loader.h"

namespace okit {

bool is_valid_name(std::string_view name) {
  if (name.empty() || name.size() > 40 || !std::isalpha(static_cast<unsigned char>(name[0]))) return false;
  return std::all_of(name.begin(), name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

Designer::Designer(Desktop* shared)
    : own_desktop_(shared ? nullptr : std::make_unique<Desktop>()), desktop_(shared ? *shared : *own_desktop_) {
  install_controls(desktop_);
  desktop_.set_application(this);
}

Designer::~Designer() {
  desktop_.unload_all();
  desktop_.set_application(nullptr);
}

void Designer::start_new(const std::string& name, const std::string& path) {
  if (!is_valid_name(name)) throw RuntimeError(err::InvalidPropertyValue, "cannot name a form \"" + name + "\"");
  FormDocument doc;
  doc.form = {"Host", "Form", name, 0, {{"Caption", Value(name)}}, {}};
  load_text(write_form(doc));
  path_ = path;
  saved_text_ = text();
  modified_ = false;
}

Expected<bool> Designer::open(const std::string& path) {
  auto doc = read_form_file(path);
  if (!doc) return doc.error();
  if (form_) desktop_.unload(*form_);
  form_.reset();
  loading_ = true;
  auto loaded = load_form(desktop_, *doc, path);
  loading_ = false;
  if (!loaded) return loaded.error();
  form_ = *loaded;
  path_ = path;
  saved_text_ = text();
  modified_ = false;
  return true;
}

Expected<bool> Designer::restore(const std::string& recovery_path) {
  const std::string saved_path = path_;
  if (auto opened = open(recovery_path); !opened) return opened;
  path_ = saved_path;
  saved_text_.clear();
  modified_ = true;
  return true;
}

std::string Designer::text() const { return write_form(describe_form(*form_)); }

// ---- Undo ---------------------------------------------------------------------------

void Designer::edit(const std::function<void()>& change) {
  Snapshot before = snapshot();
  try {
    change();
  } catch (const RuntimeError&) {
    restore(before);
    throw;
  }
  modified_ = true;
  if (text() == before.text) return;  // nothing to undo (a move by nothing)
  undo_.push_back(std::move(before));
  redo_.clear();
}

// Loading text the form itself wrote: a failure means the writer and the
// loader disagree, which no edit can repair; the form stays as it is.
void Designer::load_text(const std::string& text) {
  auto doc = parse_form(text, "<design>");
  if (!doc) throw RuntimeError(err::InvalidCall, "cannot restore the form: " + doc.error().to_string());
  load_document(*doc);
}

// Undo, redo and nesting swap the form's contents, keeping the form object
// and so its window.
void Designer::load_document(const FormDocument& doc) {
  loading_ = true;
  std::optional<LoadError> failure;
  if (form_) {
    if (auto reloaded = reload_form(*form_, doc, "<design>"); !reloaded) failure = reloaded.error();
  } else if (auto loaded = load_form(desktop_, doc, "<design>")) {
    form_ = *loaded;
  } else {
    failure = loaded.error();
  }
  loading_ = false;
  if (failure) throw RuntimeError(err::InvalidCall, "cannot restore the form: " + failure->to_string());
}

void Designer::restore(const Snapshot& state) {
  load_text(state.text);
  selection_.clear();
  for (const auto& name : state.selection)
    if (form_->find_control(name)) selection_.push_back(name);
}

bool Designer::undo() { return step(undo_, redo_); }

bool Designer::redo() { return step(redo_, undo_); }

// Goes back to the last state of `from`, keeping the present one on `to`.
bool Designer::step(std::vector<Snapshot>& from, std::vector<Snapshot>& to) {
  if (from.empty()) return false;
  to.push_back(snapshot());
  restore(from.back());
  from.pop_back();
  after_restore();
  return true;
}

void Designer::after_restore() { modified_ = text() != saved_text_; }

// ---- Properties ---------------------------------------------------------------------

Element& Designer::object(const std::string& name) const {
  if (equals_ignore_case(name, form_->name())) return *form_;
  auto found = form_->find_control(name);
  if (!found) throw RuntimeError(err::ObjectRequired, "Object required: no control named " + name);
  return *found;
}

void Designer::set(const std::string& name, const std::string& property, const Value& value) {
  edit([&] { object(name).put_property(property, value); });
}

Value Designer::get(const std::string& name, const std::string& property) const {
  return object(name).get_property(property);
}

void Designer::enter(const std::string& name, const std::string& property, std::string_view entered) {
  const PropertyRow row = property_row(object(name), property);
  if (row.name == "Name") rename(name, std::string(entered));
  else set(name, row.name, read_entry(row, entered));
}

void Designer::rename(const std::string& name, const std::string& new_name) {
  Element& renamed = object(name);
  if (renamed.name() == new_name) return;
  check_new_name(new_name);
  edit([&] {
    for (auto& selected : selection_)
      if (selected == renamed.name()) selected = new_name;
    renamed.set_name(new_name);
  });
}

void Designer::property_changed(Element&, std::string_view) {
  if (!loading_) modified_ = true;
}

// ---- Selection ----------------------------------------------------------------------

void Designer::select(const std::string& name, bool add) {
  const std::string exact = control(name).name();
  if (!add) selection_.clear();
  if (std::find(selection_.begin(), selection_.end(), exact) == selection_.end()) selection_.push_back(exact);
}

void Designer::deselect(const std::string& name) {
  std::erase_if(selection_, [&](const std::string& s) { return equals_ignore_case(s, name); });
}

Element& Designer::control(const std::string& name) const {
  auto found = form_->find_control(name);
  if (!found) throw RuntimeError(err::ObjectRequired, "Object required: no control named " + name);
  return *found;
}

std::vector<Element*> Designer::selected_controls() const {
  if (selection_.empty()) throw RuntimeError(err::InvalidCall, "Invalid procedure call: nothing is selected");
  std::vector<Element*> controls;
  for (const auto& name : selection_) controls.push_back(&control(name));
  return controls;
}

// ---- File state ---------------------------------------------------------------------

std::string Designer::title() const { return form_->name() + " - okit design" + (modified_ ? " *" : ""); }

Expected<bool> Designer::save(const std::string& path) {
  const std::string target = path.empty() ? path_ : path;
  if (target.empty()) return LoadError{form_->name(), 0, "no file to save to: name one"};
  auto written = write_form_file(target, describe_form(*form_));
  if (!written) return written.error();
  path_ = target;
  saved_text_ = text();
  modified_ = false;
  return true;
}

}  // namespace okit

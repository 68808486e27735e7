#include "host/desktop.h"

#include <algorithm>

#include "host/user_control.h"

namespace okit {

Desktop::Desktop() : clipboard_(std::make_unique<InProcessClipboard>()) {}

// Posted messages may hold forms; they go before the forms are unloaded so
// that nothing runs on a desktop that is going away.
Desktop::~Desktop() {
  messages_.clear();
  unload_all();
}

ClassCatalog& Desktop::class_catalog() const {
  if (!catalog_) throw RuntimeError(err::CantCreateObject);
  return *catalog_;
}

void Desktop::unload_all() {
  for (const auto& form : std::vector(forms_)) unload(*form);
}

void Desktop::install_clipboard(std::unique_ptr<Clipboard> replacement) {
  clipboard_ = replacement ? std::move(replacement) : std::make_unique<InProcessClipboard>();
}

// ---- Forms and activation ------------------------------------------------------

std::shared_ptr<Form> Desktop::create_form(std::string name) {
  auto form = std::make_shared<Form>(std::move(name));
  form->join(*this);
  forms_.push_back(form);
  return form;
}

std::shared_ptr<Form> Desktop::find_form(std::string_view name) const {
  for (const auto& form : forms_)
    if (equals_ignore_case(form->name(), name)) return form;
  return nullptr;
}

void Desktop::close_by_user(Form& form) {
  auto keep_alive = form.shared_from_this();
  if (!form.close_guard() || form.close_guard()()) unload(form);
}

void Desktop::unload(Form& form) {
  auto keep_alive = form.shared_from_this();
  const bool was_active = active_form() == &form;
  std::erase_if(forms_, [&](const auto& f) { return f.get() == &form; });
  std::erase_if(activation_history_, [&](const auto& w) {
    auto locked = w.lock();
    return !locked || locked.get() == &form;
  });
  if (Element* held = capture(); held && held->form() == &form) capture_.reset();
  form.destroy();
  if (!was_active) return;
  set_active(nullptr);
  // The window that was active before this one takes over, as when a
  // top-level window closes.
  while (!activation_history_.empty()) {
    auto previous = std::static_pointer_cast<Form>(activation_history_.back().lock());
    activation_history_.pop_back();
    if (previous && previous->alive()) {
      activate(previous.get());
      return;
    }
  }
}

// Every control's timer asks this on every tick, so it only reads: expired()
// takes no reference, where lock() would update the count twice.
Form* Desktop::active_form() const {
  if (active_.expired()) return nullptr;
  return active_form_->alive() ? active_form_ : nullptr;
}

void Desktop::set_active(Form* form) {
  active_form_ = form;
  if (form)
    active_ = form->weak_from_this();
  else
    active_.reset();
}

std::int32_t Desktop::active_window() const {
  const Form* form = active_form();
  return form ? form->hwnd() : 0;
}

void Desktop::activate(Form* form) {
  Form* old = active_form();
  if (old == form) return;
  if (old) {
    std::erase_if(activation_history_, [&](const auto& w) { return w.lock().get() == old; });
    activation_history_.push_back(old->weak_from_this());
  }
  set_active(form);
  if (form) std::erase_if(activation_history_, [&](const auto& w) { return w.lock().get() == form; });
  // The focused elements of both forms gain or lose the keyboard with them.
  for (Form* changed : {old, form})
    if (Element* focus = changed ? changed->focused() : nullptr) focus->keyboard_focus_changed();
}

std::vector<Form*> Desktop::stacking_order() const {
  std::vector<Form*> history;
  for (const auto& entry : activation_history_)
    if (Form* form = living_form(entry)) history.push_back(form);
  Form* active = active_form();
  std::vector<Form*> order;
  for (const auto& form : forms_)
    if (form.get() != active && std::find(history.begin(), history.end(), form.get()) == history.end())
      order.push_back(form.get());
  order.insert(order.end(), history.begin(), history.end());
  if (active) order.push_back(active);
  return order;
}

// ---- Messages ------------------------------------------------------------------

void Desktop::post(std::function<void()> message) { messages_.push_back(std::move(message)); }

void Desktop::do_events() {
  while (!messages_.empty()) {
    auto message = std::move(messages_.front());
    messages_.pop_front();
    try {
      message();
    } catch (const RuntimeError& error) {
      report(error);
    }
  }
}

void Desktop::advance(double ms) {
  const double until = timers_.now() + ms;
  while (true) {
    bool fired = false;
    try {
      fired = timers_.fire_next(until);
    } catch (const RuntimeError& error) {
      report(error);
      fired = true;
    }
    if (!fired) break;
    do_events();
  }
  timers_.set_now(until);
}

// ---- Events ----------------------------------------------------------------------

// The application's handlers may unload the control's form while the
// application still reads the control.
void Desktop::element_event(Element& source, std::string_view event, std::span<Value> args) {
  if (!app_) return;
  auto source_until_return = source.keep_alive();
  app_->control_event(source, event, args);
}

void Desktop::report(const RuntimeError& error) {
  if (app_) app_->unhandled_error(error);
}

void Desktop::run_move_loop(Element& window) {
  if (move_loop_) move_loop_(window);
}

}  // namespace okit

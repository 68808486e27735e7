// The AT-SPI bridge: publishes every form of a desktop as an ATK window of
// the program's application object, keeps the published tree in step with
// the forms' descriptions after each round of the loop (emitting the
// events a screen reader follows), and runs GLib's main context, where the
// AT-SPI ATK bridge talks D-Bus, inside the backend's own wait.

#include <atk-bridge.h>

#include <algorithm>

#include "accessibility/accessible_object.h"
#include "accessibility/atk_util.h"
#include "host/accessibility.h"
#include "host/accessible_tree.h"
#include "host/desktop.h"
#include "host/elements/char_positions.h"
#include "host/elements/text_box.h"
#include "host/form.h"

namespace okit {
namespace {

// The states whose changes clients hear of.
constexpr AtkStateType kWatchedStates[] = {ATK_STATE_FOCUSED,  ATK_STATE_ENABLED,  ATK_STATE_SENSITIVE,
                                           ATK_STATE_CHECKED,  ATK_STATE_INDETERMINATE, ATK_STATE_PRESSED,
                                           ATK_STATE_SELECTED, ATK_STATE_ACTIVE,   ATK_STATE_SHOWING,
                                           ATK_STATE_VISIBLE,  ATK_STATE_EDITABLE};

bool is_text(const Description& d) { return d.role == "textbox"; }

class AtkBridge final : public AccessibilityBridge {
 public:
  AtkBridge(Desktop& desktop, const AccessibilityScreen& screen) : desktop_(desktop), screen_(screen) {}

  ~AtkBridge() override {
    if (started_) atk_bridge_adaptor_cleanup();
    if (root_) g_object_unref(root_);
  }

  bool start(const std::string& program, std::string* problem) {
    auto node = fresh_node();
    node->description.role = "application";
    node->description.name = program;
    root_ = make_accessible(std::move(node), ObjectKind::Plain);
    atk_object_set_role(root_, ATK_ROLE_APPLICATION);
    atk_object_set_name(root_, program.c_str());
    install_atk_util(root_);
    if (atk_bridge_adaptor_init(nullptr, nullptr) != 0) {
      *problem = "the accessibility bus cannot be reached";
      return false;
    }
    started_ = true;
    update();
    return true;
  }

  // ---- The loop ----------------------------------------------------------------

  int prepare(std::vector<WatchedFile>& files, int timeout_ms) override {
    GMainContext* context = g_main_context_default();
    if (!g_main_context_acquire(context)) return timeout_ms;
    acquired_ = true;
    g_main_context_prepare(context, &priority_);
    gint glib_timeout = -1;
    gint count = 0;
    while ((count = g_main_context_query(context, priority_, &glib_timeout, polls_.data(),
                                         static_cast<gint>(polls_.size()))) > static_cast<gint>(polls_.size()))
      polls_.resize(static_cast<std::size_t>(count));
    polled_ = static_cast<std::size_t>(count);
    first_file_ = files.size();
    for (std::size_t i = 0; i < polled_; ++i)
      files.push_back({polls_[i].fd, static_cast<short>(polls_[i].events), 0});
    if (glib_timeout >= 0 && (timeout_ms < 0 || glib_timeout < timeout_ms)) return glib_timeout;
    return timeout_ms;
  }

  void dispatch(const std::vector<WatchedFile>& files) override {
    if (!acquired_) return;
    for (std::size_t i = 0; i < polled_ && first_file_ + i < files.size(); ++i)
      polls_[i].revents = static_cast<gushort>(files[first_file_ + i].revents);
    GMainContext* context = g_main_context_default();
    if (g_main_context_check(context, priority_, polls_.data(), static_cast<gint>(polled_)))
      g_main_context_dispatch(context);
    g_main_context_release(context);
    acquired_ = false;
  }

  // ---- Keeping the tree in step -------------------------------------------------

  // Descriptions are compared only when something may have changed: a
  // request ran, or the look, the layout, the forms, the active form, the
  // focus or a form's caption moved on since the last comparison. An idle
  // window with running timers repaints nothing and costs nothing here.
  void update() override {
    std::vector<std::function<void()>> asked;
    asked.swap(requests_);
    for (auto& request : asked)
      if (request) request();
    const Snapshot now = snapshot();
    if (asked.empty() && now == last_) return;
    last_ = now;
    std::vector<AtkObject*> windows;
    for (const std::shared_ptr<Form>& form : desktop_.forms()) windows.push_back(window_for(*form));
    replace_children(root_, std::move(windows));
  }

 private:
  struct Snapshot {
    std::uint64_t look = 0, layout = 0;
    const Form* active = nullptr;
    const Element* focused = nullptr;
    std::vector<std::pair<const Form*, std::string>> forms;
    bool operator==(const Snapshot&) const = default;
  };

  Snapshot snapshot() const {
    Snapshot s{desktop_.look_epoch(), desktop_.layout_epoch(), desktop_.active_form(), desktop_.focused(), {}};
    for (const std::shared_ptr<Form>& form : desktop_.forms()) s.forms.emplace_back(form.get(), form->caption());
    return s;
  }

  std::unique_ptr<Node> fresh_node() {
    auto node = std::make_unique<Node>();
    node->extents = [this](const Node& n) { return extents_of(n); };
    node->later = [this](std::function<void()> request) { requests_.push_back(std::move(request)); };
    return node;
  }

  AtkObject* window_for(Form& form) {
    AtkObject* window = find_child(root_, [&form](const Node& n) { return n.form == &form && n.element.expired(); });
    Description d = form.describe();
    d.states.active = desktop_.active_form() == &form;
    if (!window) {
      auto node = fresh_node();
      node->form = &form;
      node->form_alive = std::static_pointer_cast<Element>(form.shared_from_this());
      node->parent = root_;
      node->description = d;
      window = make_accessible(std::move(node), ObjectKind::Window);
      atk_object_set_role(window, ATK_ROLE_FRAME);
      atk_object_set_name(window, d.name.c_str());
    } else {
      g_object_ref(window);
      const bool was_active = node_of(window).description.states.active;
      refresh(window, d);
      if (was_active != d.states.active) g_signal_emit_by_name(window, d.states.active ? "activate" : "deactivate");
    }
    sync_children(window, form, accessible_tree(form), {});
    return window;
  }

  // The published children of `parent`: the parts its description lists,
  // then the controls placed inside it.
  void sync_children(AtkObject* parent, Form& form, const std::vector<AccessibleNode>& controls,
                     const std::vector<Description>& parts) {
    std::vector<AtkObject*> next;
    for (std::size_t i = 0; i < parts.size(); ++i) next.push_back(part_for(parent, form, parts[i], i));
    for (const AccessibleNode& control : controls) next.push_back(control_for(parent, form, control));
    replace_children(parent, std::move(next));
  }

  AtkObject* part_for(AtkObject* parent, Form& form, const Description& d, std::size_t index) {
    AtkObject* part = nullptr;
    const auto& existing = node_of(parent).children;
    if (index < existing.size() && node_of(existing[index]).element.expired() &&
        node_of(existing[index]).description.role == d.role)
      part = existing[index];
    if (part) {
      g_object_ref(part);
      refresh(part, d);
    } else {
      auto node = fresh_node();
      node->form = &form;
      node->form_alive = std::static_pointer_cast<Element>(form.shared_from_this());
      node->parent = parent;
      node->description = d;
      part = make_accessible(std::move(node), ObjectKind::Plain);
      atk_object_set_role(part, atk_role(d, false));
      atk_object_set_name(part, d.name.c_str());
    }
    sync_children(part, form, {}, d.children);
    return part;
  }

  AtkObject* control_for(AtkObject* parent, Form& form, const AccessibleNode& control) {
    Element* element = control.element;
    AtkObject* object =
        find_child(parent, [element](const Node& n) { return !n.element.expired() && n.element.lock().get() == element; });
    if (object) {
      g_object_ref(object);
      refresh(object, control.description);
    } else {
      auto node = fresh_node();
      node->element = std::static_pointer_cast<Element>(element->shared_from_this());
      node->form = &form;
      node->form_alive = std::static_pointer_cast<Element>(form.shared_from_this());
      node->parent = parent;
      node->description = control.description;
      const bool text = is_text(control.description);
      object = make_accessible(std::move(node), text ? ObjectKind::Text : ObjectKind::Plain);
      atk_object_set_role(object, atk_role(control.description, false));
      atk_object_set_name(object, control.description.name.c_str());
      if (text) remember_text(node_of(object));
    }
    sync_children(object, form, control.children, control.description.children);
    return object;
  }

  template <typename Match>
  static AtkObject* find_child(AtkObject* parent, Match match) {
    for (AtkObject* child : node_of(parent).children)
      if (match(node_of(child))) return child;
    return nullptr;
  }

  // Sets the children of `parent` to `next` (each holding a reference the
  // list now owns), announcing those that came and went.
  static void replace_children(AtkObject* parent, std::vector<AtkObject*> next) {
    Node& node = node_of(parent);
    std::vector<AtkObject*> previous;
    previous.swap(node.children);
    node.children = next;
    for (std::size_t i = 0; i < previous.size(); ++i) {
      if (std::find(next.begin(), next.end(), previous[i]) == next.end())
        g_signal_emit_by_name(parent, "children-changed::remove", static_cast<guint>(i), previous[i]);
    }
    for (std::size_t i = 0; i < next.size(); ++i) {
      if (std::find(previous.begin(), previous.end(), next[i]) == previous.end())
        g_signal_emit_by_name(parent, "children-changed::add", static_cast<guint>(i), next[i]);
    }
    for (AtkObject* old : previous) g_object_unref(old);
  }

  // Takes the new description, announcing the name, the states and a text
  // field's text and caret where they changed.
  static void refresh(AtkObject* object, const Description& d) {
    Node& node = node_of(object);
    AtkStateSet* before = atk_object_ref_state_set(object);
    const bool renamed = node.description.name != d.name;
    node.description = d;
    if (renamed) atk_object_set_name(object, d.name.c_str());
    AtkStateSet* after = atk_object_ref_state_set(object);
    for (AtkStateType state : kWatchedStates) {
      const bool now = atk_state_set_contains_state(after, state);
      if (atk_state_set_contains_state(before, state) != now) atk_object_notify_state_change(object, state, now);
    }
    g_object_unref(before);
    g_object_unref(after);
    if (is_text(d)) announce_text(object);
  }

  static void remember_text(Node& node) {
    if (const TextBox* field = node.text_field()) {
      node.shown_text = field->display_text();
      node.caret = field->buffer().caret();
    }
  }

  // What changed between the text last published and now: one deleted and
  // one inserted stretch between the common start and the common end.
  static void announce_text(AtkObject* object) {
    Node& node = node_of(object);
    const TextBox* field = node.text_field();
    if (!field) return;
    const std::string now = field->display_text();
    const std::string& was = node.shown_text;
    if (now != was) {
      std::size_t start = 0;
      while (start < now.size() && start < was.size() && now[start] == was[start]) ++start;
      while (start > 0 && (static_cast<unsigned char>(now[start]) & 0xC0) == 0x80) --start;
      std::size_t end_now = now.size(), end_was = was.size();
      while (end_now > start && end_was > start && now[end_now - 1] == was[end_was - 1]) --end_now, --end_was;
      while (end_now < now.size() && (static_cast<unsigned char>(now[end_now]) & 0xC0) == 0x80) ++end_now, ++end_was;
      const gint at = chars::count(std::string_view(now).substr(0, start));
      const gint removed = chars::count(std::string_view(was).substr(start, end_was - start));
      const gint inserted = chars::count(std::string_view(now).substr(start, end_now - start));
      if (removed > 0) g_signal_emit_by_name(object, "text-changed::delete", at, removed);
      if (inserted > 0) g_signal_emit_by_name(object, "text-changed::insert", at, inserted);
    }
    const int caret = field->buffer().caret();
    if (now != was || caret != node.caret) g_signal_emit_by_name(object, "text-caret-moved", caret);
    node.shown_text = now;
    node.caret = caret;
  }

  // A client may still hold an object whose form is gone: it then has no
  // extents.
  Rect extents_of(const Node& node) const {
    if (!node.form || node.form_alive.expired()) return {};
    const std::shared_ptr<Element> element = node.element.lock();
    if (!element) {
      // A form is its client area; a part of a control stands where the
      // control does.
      if (node.parent && node.parent != root_ && !node_of(node.parent).element.expired())
        return extents_of(node_of(node.parent));
      const Rect outer = node.form->pixel_rect();
      return screen_.on_screen(*node.form, {0, 0, outer.width(), outer.height()});
    }
    const Point origin = element->screen_origin(), client = node.form->client_screen_origin();
    const Rect size = element->pixel_rect();
    const int left = origin.x - client.x, top = origin.y - client.y;
    return screen_.on_screen(*node.form, {left, top, left + size.width(), top + size.height()});
  }

  Desktop& desktop_;
  const AccessibilityScreen& screen_;
  AtkObject* root_ = nullptr;
  bool started_ = false;
  std::vector<std::function<void()>> requests_;
  Snapshot last_;
  // GLib's main context, between prepare and dispatch.
  bool acquired_ = false;
  gint priority_ = 0;
  std::vector<GPollFD> polls_ = std::vector<GPollFD>(8);
  std::size_t polled_ = 0, first_file_ = 0;
};

}  // namespace
}  // namespace okit

extern "C" OKIT_EXPORT okit::AccessibilityBridge* okit_start_accessibility(okit::Desktop& desktop,
                                                                         const okit::AccessibilityScreen& screen,
                                                                         const std::string& program,
                                                                         std::string* problem) {
  auto bridge = std::make_unique<okit::AtkBridge>(desktop, screen);
  if (!bridge->start(program, problem)) return nullptr;
  return bridge.release();
}

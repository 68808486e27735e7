#include "accessibility/accessible_object.h"

#include <algorithm>

#include "host/element.h"
#include "host/elements/char_positions.h"
#include "host/elements/text_box.h"
#include "host/utf8.h"

namespace okit {
namespace {

struct OkitAccessible {
  AtkObject parent;
  Node* node;
};
struct OkitAccessibleClass {
  AtkObjectClass parent_class;
};

Node& node(gpointer object) { return *reinterpret_cast<OkitAccessible*>(object)->node; }

// ---- AtkObject ---------------------------------------------------------------

gint n_children(AtkObject* object) { return static_cast<gint>(node(object).children.size()); }

AtkObject* ref_child(AtkObject* object, gint index) {
  const auto& children = node(object).children;
  if (index < 0 || static_cast<std::size_t>(index) >= children.size()) return nullptr;
  return ATK_OBJECT(g_object_ref(children[static_cast<std::size_t>(index)]));
}

gint index_in_parent(AtkObject* object) {
  const Node& self = node(object);
  if (!self.parent) return -1;
  const auto& siblings = node_of(self.parent).children;
  const auto found = std::find(siblings.begin(), siblings.end(), object);
  return found == siblings.end() ? -1 : static_cast<gint>(found - siblings.begin());
}

bool can_take_focus(const std::string& role) {
  return role == "button" || role == "checkbox" || role == "textbox" || role == "tablist";
}

AtkStateSet* ref_state_set(AtkObject* object) {
  AtkStateSet* set = atk_state_set_new();
  const Node& self = node(object);
  const Description& d = self.description;
  const DescribedState& s = d.states;
  if (!s.disabled) {
    atk_state_set_add_state(set, ATK_STATE_ENABLED);
    atk_state_set_add_state(set, ATK_STATE_SENSITIVE);
  }
  if (!s.hidden) {
    atk_state_set_add_state(set, ATK_STATE_VISIBLE);
    atk_state_set_add_state(set, ATK_STATE_SHOWING);
  }
  if (can_take_focus(d.role)) atk_state_set_add_state(set, ATK_STATE_FOCUSABLE);
  if (s.focused) atk_state_set_add_state(set, ATK_STATE_FOCUSED);
  if (s.pressed) atk_state_set_add_state(set, ATK_STATE_PRESSED);
  if (s.checked) atk_state_set_add_state(set, ATK_STATE_CHECKED);
  if (s.mixed) atk_state_set_add_state(set, ATK_STATE_INDETERMINATE);
  if (s.selected) atk_state_set_add_state(set, ATK_STATE_SELECTED);
  if (s.active) atk_state_set_add_state(set, ATK_STATE_ACTIVE);
  if (d.role == "tab") atk_state_set_add_state(set, ATK_STATE_SELECTABLE);
  if (d.role == "textbox") {
    atk_state_set_add_state(set, ATK_STATE_SINGLE_LINE);
    if (!s.read_only && !s.disabled) atk_state_set_add_state(set, ATK_STATE_EDITABLE);
  }
  return set;
}

void finalize(GObject* object);

void object_class_init(gpointer klass, gpointer) {
  auto* atk_class = ATK_OBJECT_CLASS(klass);
  atk_class->get_n_children = n_children;
  atk_class->ref_child = ref_child;
  atk_class->get_index_in_parent = index_in_parent;
  atk_class->ref_state_set = ref_state_set;
  G_OBJECT_CLASS(klass)->finalize = finalize;
}

// ---- AtkComponent: extents on the real screen ----------------------------------

void get_extents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height, AtkCoordType) {
  const Node& self = node(component);
  const Rect r = self.extents ? self.extents(self) : Rect{};
  *x = r.left;
  *y = r.top;
  *width = r.width();
  *height = r.height();
}

void component_init(gpointer iface, gpointer) {
  static_cast<AtkComponentIface*>(iface)->get_extents = get_extents;
}

// ---- AtkAction: what the description offers, named "click" ---------------------

gint n_actions(AtkAction* action) { return static_cast<gint>(node(action).description.actions.size()); }

const DescribedAction* action_at(AtkAction* action, gint index) {
  const auto& actions = node(action).description.actions;
  return index >= 0 && static_cast<std::size_t>(index) < actions.size() ? &actions[static_cast<std::size_t>(index)]
                                                                       : nullptr;
}

gboolean do_action(AtkAction* action, gint index) {
  const DescribedAction* chosen = action_at(action, index);
  if (!chosen) return FALSE;
  Node& self = node(action);
  self.later(chosen->perform);
  return TRUE;
}

// Every action a control offers is what a click does there.
const gchar* action_name(AtkAction* action, gint index) { return action_at(action, index) ? "click" : nullptr; }

const gchar* action_description(AtkAction* action, gint index) {
  const DescribedAction* chosen = action_at(action, index);
  return chosen ? chosen->effect.c_str() : nullptr;
}

const gchar* key_binding(AtkAction* action, gint index) {
  const Node& self = node(action);
  if (index != 0 || !self.description.access_key) return nullptr;
  thread_local std::string binding;
  binding = std::string("Alt+").append(1, static_cast<char>(std::toupper(self.description.access_key)));
  return binding.c_str();
}

void action_init(gpointer iface, gpointer) {
  auto* a = static_cast<AtkActionIface*>(iface);
  a->get_n_actions = n_actions;
  a->do_action = do_action;
  a->get_name = action_name;
  a->get_description = action_description;
  a->get_keybinding = key_binding;
}

// ---- AtkText and AtkEditableText, on the field's shown text --------------------

std::string shown(const Node& self) {
  const TextBox* field = self.text_field();
  return field ? field->display_text() : std::string();
}

gchar* get_text(AtkText* text, gint start, gint end) {
  const std::string all = shown(node(text));
  if (end < 0) end = chars::count(all);
  const std::size_t from = chars::byte_offset(all, start), to = chars::byte_offset(all, std::max(start, end));
  return g_strndup(all.data() + from, to - from);
}

gint character_count(AtkText* text) { return chars::count(shown(node(text))); }

gint caret_offset(AtkText* text) {
  const TextBox* field = node(text).text_field();
  return field ? field->buffer().caret() : 0;
}

gunichar character_at(AtkText* text, gint offset) {
  const std::string all = shown(node(text));
  std::size_t pos = chars::byte_offset(all, offset);
  return pos < all.size() ? next_code_point(all, pos) : 0;
}

gint n_selections(AtkText* text) {
  const TextBox* field = node(text).text_field();
  return field && field->SelLength() > 0 ? 1 : 0;
}

gchar* get_selection(AtkText* text, gint index, gint* start, gint* end) {
  const TextBox* field = node(text).text_field();
  *start = *end = 0;
  if (!field || index != 0 || field->SelLength() == 0) return nullptr;
  *start = field->SelStart();
  *end = field->SelStart() + field->SelLength();
  return get_text(text, *start, *end);
}

// Requests that change the field run after the bus call is answered, as
// the user's own input would.
void change_field(AtkObject* object, std::function<void(TextBox&)> change) {
  Node& self = node(object);
  std::weak_ptr<Element> element = self.element;
  Node* target = &self;
  self.later([element, target, change] {
    if (element.expired()) return;
    if (TextBox* field = target->text_field()) change(*field);
  });
}

gboolean set_selection(AtkText* text, gint index, gint start, gint end) {
  if (index != 0) return FALSE;
  change_field(ATK_OBJECT(text), [start, end](TextBox& field) {
    field.put_SelStart(std::min(start, end));
    field.put_SelLength(std::abs(end - start));
  });
  return TRUE;
}

gboolean add_selection(AtkText* text, gint start, gint end) { return set_selection(text, 0, start, end); }

gboolean remove_selection(AtkText* text, gint index) {
  if (index != 0) return FALSE;
  change_field(ATK_OBJECT(text), [](TextBox& field) { field.put_SelLength(0); });
  return TRUE;
}

gboolean set_caret_offset(AtkText* text, gint offset) {
  change_field(ATK_OBJECT(text), [offset](TextBox& field) { field.put_SelStart(offset); });
  return TRUE;
}

void text_init(gpointer iface, gpointer) {
  auto* t = static_cast<AtkTextIface*>(iface);
  t->get_text = get_text;
  t->get_character_count = character_count;
  t->get_caret_offset = caret_offset;
  t->get_character_at_offset = character_at;
  t->get_n_selections = n_selections;
  t->get_selection = get_selection;
  t->add_selection = add_selection;
  t->remove_selection = remove_selection;
  t->set_selection = set_selection;
  t->set_caret_offset = set_caret_offset;
}

// A locked field refuses edits, as it refuses typing.
bool editable(AtkEditableText* text) {
  const TextBox* field = node(text).text_field();
  return field && !field->Locked() && !node(text).description.states.disabled;
}

void set_text_contents(AtkEditableText* text, const gchar* contents) {
  if (!editable(text)) return;
  std::string value = contents ? contents : "";
  change_field(ATK_OBJECT(text), [value](TextBox& field) { field.put_Text(value); });
}

void insert_text(AtkEditableText* text, const gchar* inserted, gint length, gint* position) {
  if (!editable(text) || !inserted) return;
  std::string value = length < 0 ? std::string(inserted) : std::string(inserted, static_cast<std::size_t>(length));
  const gint at = *position;
  *position += chars::count(value);
  change_field(ATK_OBJECT(text), [value, at](TextBox& field) {
    field.put_SelStart(at);
    field.put_SelLength(0);
    field.put_SelText(value);
  });
}

void delete_text(AtkEditableText* text, gint start, gint end) {
  if (!editable(text)) return;
  change_field(ATK_OBJECT(text), [start, end](TextBox& field) {
    field.put_SelStart(start);
    field.put_SelLength(std::max(0, end - start));
    field.put_SelText("");
  });
}

void editable_text_init(gpointer iface, gpointer) {
  auto* e = static_cast<AtkEditableTextIface*>(iface);
  e->set_text_contents = set_text_contents;
  e->insert_text = insert_text;
  e->delete_text = delete_text;
}

// ---- The three types ---------------------------------------------------------

GType register_type(const char* name, GType parent, std::initializer_list<std::pair<GType, GInterfaceInitFunc>> ifaces,
                    GClassInitFunc class_init) {
  GTypeInfo info{};
  info.class_size = sizeof(OkitAccessibleClass);
  info.class_init = class_init;
  info.instance_size = sizeof(OkitAccessible);
  const GType type = g_type_register_static(parent, name, &info, static_cast<GTypeFlags>(0));
  for (const auto& [iface, init] : ifaces) {
    const GInterfaceInfo iface_info{init, nullptr, nullptr};
    g_type_add_interface_static(type, iface, &iface_info);
  }
  return type;
}

GType plain_type() {
  static const GType type = register_type("OkitAccessible", ATK_TYPE_OBJECT,
                                          {{ATK_TYPE_COMPONENT, component_init}, {ATK_TYPE_ACTION, action_init}},
                                          object_class_init);
  return type;
}

GType text_type() {
  static const GType type =
      register_type("OkitAccessibleText", plain_type(),
                    {{ATK_TYPE_TEXT, text_init}, {ATK_TYPE_EDITABLE_TEXT, editable_text_init}}, nullptr);
  return type;
}

GType window_type() {
  static const GType type = register_type("OkitAccessibleWindow", plain_type(), {{ATK_TYPE_WINDOW, nullptr}}, nullptr);
  return type;
}

void finalize(GObject* object) {
  Node* self = reinterpret_cast<OkitAccessible*>(object)->node;
  for (AtkObject* child : self->children) g_object_unref(child);
  delete self;
  G_OBJECT_CLASS(g_type_class_peek(ATK_TYPE_OBJECT))->finalize(object);
}

}  // namespace

TextBox* Node::text_field() const {
  const std::shared_ptr<Element> held = element.lock();
  if (!held) return nullptr;
  if (auto* field = dynamic_cast<TextBox*>(held.get())) return field;
  // A skinned field holds a host one inside.
  std::vector<Element*> pending{held.get()};
  while (!pending.empty()) {
    Element* e = pending.back();
    pending.pop_back();
    if (auto* field = dynamic_cast<TextBox*>(e)) return field;
    for (const auto& child : e->children()) pending.push_back(child.get());
  }
  return nullptr;
}

AtkObject* make_accessible(std::unique_ptr<Node> node, ObjectKind kind) {
  const GType type = kind == ObjectKind::Text ? text_type() : kind == ObjectKind::Window ? window_type() : plain_type();
  auto* object = static_cast<OkitAccessible*>(g_object_new(type, nullptr));
  object->node = node.release();
  AtkObject* atk = ATK_OBJECT(object);
  atk_object_initialize(atk, nullptr);
  return atk;
}

Node& node_of(AtkObject* object) { return node(object); }

AtkRole atk_role(const Description& d, bool is_form) {
  if (is_form) return ATK_ROLE_FRAME;
  const std::string& role = d.role;
  if (role == "button") return ATK_ROLE_PUSH_BUTTON;
  if (role == "checkbox") return ATK_ROLE_CHECK_BOX;
  if (role == "textbox") return d.states.password ? ATK_ROLE_PASSWORD_TEXT : ATK_ROLE_TEXT;
  if (role == "group") return ATK_ROLE_PANEL;
  if (role == "tablist") return ATK_ROLE_PAGE_TAB_LIST;
  if (role == "tab") return ATK_ROLE_PAGE_TAB;
  if (role == "label") return ATK_ROLE_LABEL;
  if (role == "image" || role == "picture") return ATK_ROLE_IMAGE;
  if (role == "window") return ATK_ROLE_TITLE_BAR;  // the caption control inside a form
  if (role == "application") return ATK_ROLE_APPLICATION;
  return ATK_ROLE_PANEL;
}

}  // namespace okit

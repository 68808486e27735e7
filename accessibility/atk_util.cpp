#include "accessibility/atk_util.h"

#include <map>

namespace okit {
namespace {

AtkObject* the_root = nullptr;
// Emission hook id to its signal, to remove it again.
std::map<guint, guint>& hooks() {
  static std::map<guint, guint> by_id;
  return by_id;
}

AtkObject* get_root() { return the_root; }
const gchar* toolkit_name() { return "OpalineKit"; }
const gchar* toolkit_version() { return OKIT_VERSION; }

// event_type is "ATK:AtkObject:state-change" and the like: a type (a class
// or an interface such as AtkWindow) and one of its signals.
guint add_global_event_listener(GSignalEmissionHook listener, const gchar* event_type) {
  gchar** parts = g_strsplit(event_type, ":", 3);
  guint id = 0;
  if (parts[0] && parts[1] && parts[2]) {
    const GType type = g_type_from_name(parts[1]);
    if (type != 0) {
      if (G_TYPE_IS_INTERFACE(type))
        g_type_default_interface_ref(type);
      else
        g_type_class_ref(type);
      const guint signal = g_signal_lookup(parts[2], type);
      if (signal != 0) {
        id = g_signal_add_emission_hook(signal, 0, listener, g_strdup(event_type), g_free);
        hooks()[id] = signal;
      }
    }
  }
  g_strfreev(parts);
  return id;
}

void remove_global_event_listener(guint id) {
  const auto found = hooks().find(id);
  if (found == hooks().end()) return;
  g_signal_remove_emission_hook(found->second, id);
  hooks().erase(found);
}

}  // namespace

void install_atk_util(AtkObject* root) {
  the_root = root;
  auto* util = ATK_UTIL_CLASS(g_type_class_ref(ATK_TYPE_UTIL));
  util->get_root = get_root;
  util->get_toolkit_name = toolkit_name;
  util->get_toolkit_version = toolkit_version;
  util->add_global_event_listener = add_global_event_listener;
  util->remove_global_event_listener = remove_global_event_listener;
}

}  // namespace okit

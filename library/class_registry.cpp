#include "library/class_registry.h"

#include <algorithm>
#include <utility>

namespace okit {
namespace {

// Finds the entry of a class by name in a const or mutable entry list.
template <typename Entries>
auto find_named(Entries& entries, std::string_view class_name) -> decltype(&*entries.begin()) {
  const auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return equals_ignore_case(e.type->name, class_name); });
  return it == entries.end() ? nullptr : &*it;
}

}  // namespace

std::shared_ptr<Element> ClassFactory::create_instance() const { return class_registry().create(type_->name); }

ClassRegistry::ClassRegistry() {
  for (const ClassTypeInfo& type : opaline_classes())
    entries_.push_back({&type, nullptr, ClassFactory(type), nullptr, 0});
}

const ClassRegistry::Entry* ClassRegistry::find_entry(const Guid& class_id) const {
  const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.type->class_id == class_id; });
  return it == entries_.end() ? nullptr : &*it;
}

// The control's own class_info() binds the same record for dispatch; binding
// here too makes a record that disagrees with the library stop the program
// at start-up rather than at the first use of the class.
void ClassRegistry::register_control(const ControlRecord& record) {
  (void)bind_record(record);
  std::lock_guard lock(mutex_);
  Entry* entry = find_named(entries_, record.class_name);
  entry->factory = record.create;
  entry->record = &record;
  entry->registered_as = ++registrations_;
}

std::vector<const ControlRecord*> ClassRegistry::records() const {
  std::lock_guard lock(mutex_);
  std::vector<const Entry*> registered;
  for (const Entry& entry : entries_)
    if (entry.record) registered.push_back(&entry);
  std::sort(registered.begin(), registered.end(),
            [](const Entry* a, const Entry* b) { return a->registered_as < b->registered_as; });
  std::vector<const ControlRecord*> out;
  for (const Entry* entry : registered) out.push_back(entry->record);
  return out;
}

std::string_view ClassRegistry::library_name() const { return type_library().name; }

std::string ClassRegistry::form_file_object_line() const {
  return "Object = \"" + type_library_reference() + "\"; \"" + std::string(type_library().name) + "\"";
}

ControlFactory ClassRegistry::register_factory(std::string_view class_name, ControlFactory factory) {
  std::lock_guard lock(mutex_);
  Entry* entry = find_named(entries_, class_name);
  if (entry == nullptr) {
    throw RuntimeError(err::InvalidCall,
                       "Cannot register a factory for '" + std::string(class_name) + "': OpalineKit has no such class");
  }
  return std::exchange(entry->factory, std::move(factory));
}

std::shared_ptr<Element> ClassRegistry::create(std::string_view class_name) {
  ControlFactory factory;
  {
    std::lock_guard lock(mutex_);
    if (const Entry* entry = find_named(entries_, class_name)) factory = entry->factory;
  }
  if (!factory) throw RuntimeError(err::CantCreateObject);
  // The factory runs unlocked: a container's factory may create its children
  // through this registry.
  std::shared_ptr<Element> object = factory();
  if (!object) throw RuntimeError(err::CantCreateObject);
  std::lock_guard lock(mutex_);
  std::erase_if(created_, [](const std::weak_ptr<Element>& w) { return w.expired(); });
  created_.push_back(object);
  return object;
}

const ClassTypeInfo* ClassRegistry::find_class(std::string_view class_name) const {
  const Entry* entry = find_named(entries_, class_name);
  return entry ? entry->type : nullptr;
}

const ClassTypeInfo* ClassRegistry::find_class(const Guid& class_id) const {
  const Entry* entry = find_entry(class_id);
  return entry ? entry->type : nullptr;
}

const ClassFactory* ClassRegistry::class_factory(const Guid& class_id) const {
  std::lock_guard lock(mutex_);
  const Entry* entry = find_entry(class_id);
  return entry && entry->factory ? &entry->class_factory : nullptr;
}

bool ClassRegistry::is_registered() const {
  std::lock_guard lock(mutex_);
  return registered_;
}

void ClassRegistry::mark_registered(bool registered) {
  std::lock_guard lock(mutex_);
  registered_ = registered;
}

int ClassRegistry::live_objects() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(std::count_if(created_.begin(), created_.end(), [](const std::weak_ptr<Element>& w) { return !w.expired(); }));
}

ClassRegistry& class_registry() {
  static ClassRegistry registry;
  return registry;
}

}  // namespace okit

#pragma once
// The class registry: the one place that knows which control classes the
// library publishes and how to create them. The composition root
// (controls/controls.cpp) registers each control's record once at start-up;
// the host creates controls through it by class name (form files, as the
// desktop's class catalog) or, through DllGetClassObject, by class GUID.
//
// Factories make elements, because the host places what it creates in a
// form's element tree; every control's surface is one.
//
// The registry also counts the objects it created that are still alive, so
// DllCanUnloadNow can tell whether the library may be unloaded.

#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include "host/class_catalog.h"
#include "host/element.h"
#include "host/export.h"
#include "library/control_record.h"
#include "library/type_library.h"

namespace okit {

// What DllGetClassObject hands out: the creator of one class. It lives as
// long as the library, so callers never free it.
class OKIT_EXPORT ClassFactory {
 public:
  explicit ClassFactory(const ClassTypeInfo& type) : type_(&type) {}
  const ClassTypeInfo& type_info() const { return *type_; }
  // Creates an instance through the registry, so it is counted as alive.
  std::shared_ptr<Element> create_instance() const;

 private:
  const ClassTypeInfo* type_;
};

class OKIT_EXPORT ClassRegistry : public ClassCatalog {
 public:
  ClassRegistry();
  ClassRegistry(const ClassRegistry&) = delete;
  ClassRegistry& operator=(const ClassRegistry&) = delete;

  // Publishes a control: binds its record to the library's rows (throwing
  // std::logic_error with the class and member when they disagree, so a
  // mismatch stops the program at start-up) and installs its factory.
  // Registering a class again replaces its record. The registry keeps a
  // reference: records live as long as the program (each is a static of its
  // control's folder).
  void register_control(const ControlRecord& record);
  // The registered records, in the order they were registered.
  std::vector<const ControlRecord*> records() const;

  // Installs the factory of a published class and returns the one it
  // replaces (empty if none), so a caller can put it back. An empty factory
  // withdraws the class. Raises Invalid procedure call (5) naming the class
  // when the library publishes no class of that name.
  ControlFactory register_factory(std::string_view class_name, ControlFactory factory);

  // ---- ClassCatalog ---------------------------------------------------------
  std::string_view library_name() const override;
  // A new instance of the class. Raises Can't create object (429) when the
  // class is unknown or has no factory, or the factory returns nothing.
  std::shared_ptr<Element> create(std::string_view class_name) override;
  std::string form_file_object_line() const override;

  // The type information of a published class (name case-insensitive), or
  // nullptr.
  const ClassTypeInfo* find_class(std::string_view class_name) const;
  const ClassTypeInfo* find_class(const Guid& class_id) const;

  // The factory object of a class that can be created now, or nullptr.
  const ClassFactory* class_factory(const Guid& class_id) const;

  // Whether DllRegisterServer has registered the type library and the
  // classes (and DllUnregisterServer has not removed them since).
  bool is_registered() const;
  void mark_registered(bool registered);

  // How many objects created here are still alive.
  int live_objects() const;

 private:
  struct Entry {
    const ClassTypeInfo* type;
    ControlFactory factory;
    ClassFactory class_factory;
    const ControlRecord* record = nullptr;
    int registered_as = 0;  // registration order
  };

  const Entry* find_entry(const Guid& class_id) const;

  mutable std::mutex mutex_;
  std::vector<Entry> entries_;  // one per published class; never resized after construction
  // Weak references expire exactly when an object is destroyed, however
  // many owners it had, which a wrapper around the returned pointer could
  // not see.
  mutable std::vector<std::weak_ptr<Element>> created_;
  bool registered_ = false;
  int registrations_ = 0;
};

// The library's registry, as its exported entry points (DllGetClassObject,
// DllCanUnloadNow) reach it. It publishes no control until the composition
// root registers them.
OKIT_EXPORT ClassRegistry& class_registry();

}  // namespace okit

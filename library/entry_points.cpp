#include "library/entry_points.h"

#include "library/class_registry.h"

using okit::class_registry;
using okit::HResult;
namespace hr = okit::hr;

// The platform's control runtime keeps its registrations in the system
// registry; here the class registry is the whole runtime, so registering is
// marking the library's classes as available to designers.
HResult DllRegisterServer() {
  class_registry().mark_registered(true);
  return hr::Ok;
}

HResult DllUnregisterServer() {
  class_registry().mark_registered(false);
  return hr::Ok;
}

HResult DllGetClassObject(const okit::Guid* clsid, const okit::Guid* iid, void** out) {
  if (out == nullptr) return hr::InvalidPointer;
  *out = nullptr;
  if (clsid == nullptr || iid == nullptr) return hr::InvalidPointer;
  const okit::ClassFactory* factory = class_registry().class_factory(*clsid);
  if (factory == nullptr) return hr::ClassNotAvailable;
  if (*iid != okit::kUnknownInterfaceId && *iid != okit::kClassFactoryInterfaceId) return hr::NoInterface;
  // The factory object is immutable to its users; the void** contract of the
  // entry point simply has no const.
  *out = const_cast<okit::ClassFactory*>(factory);
  return hr::Ok;
}

HResult DllCanUnloadNow() { return class_registry().live_objects() == 0 ? hr::Ok : hr::False; }

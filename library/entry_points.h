#pragma once
// The four functions every in-process component server exports, so a host
// can register the library, obtain class factories and decide when to unload
// it. They return the platform's 32-bit result codes (HRESULT).

#include <cstdint>

#include "host/export.h"
#include "library/guid.h"

namespace okit {

using HResult = std::int32_t;

namespace hr {
inline constexpr HResult Ok = 0;                                                  // S_OK
inline constexpr HResult False = 1;                                               // S_FALSE
inline constexpr HResult NoInterface = static_cast<HResult>(0x80004002u);         // E_NOINTERFACE
inline constexpr HResult InvalidPointer = static_cast<HResult>(0x80004003u);      // E_POINTER
inline constexpr HResult ClassNotAvailable = static_cast<HResult>(0x80040111u);   // CLASS_E_CLASSNOTAVAILABLE
}  // namespace hr

// The interfaces a class factory answers to: the base interface every
// object has, and the factory interface itself.
inline constexpr Guid kUnknownInterfaceId = guid_literal("{00000000-0000-0000-C000-000000000046}");
inline constexpr Guid kClassFactoryInterfaceId = guid_literal("{00000001-0000-0000-C000-000000000046}");

}  // namespace okit

extern "C" {

// Registers the type library and the six classes. Always S_OK.
OKIT_EXPORT okit::HResult DllRegisterServer();

// Removes what DllRegisterServer registered. Always S_OK.
OKIT_EXPORT okit::HResult DllUnregisterServer();

// Sets *out to the okit::ClassFactory of the class `clsid` (owned by the
// library; never freed by the caller) and returns S_OK. CLASS_E_CLASSNOTAVAILABLE
// when the library publishes no such class or its code is not linked in;
// E_NOINTERFACE when `iid` is neither the base nor the factory interface;
// E_POINTER when an argument is null. *out is null on every failure.
OKIT_EXPORT okit::HResult DllGetClassObject(const okit::Guid* clsid, const okit::Guid* iid, void** out);

// S_OK when no object created through the library is alive, else S_FALSE.
OKIT_EXPORT okit::HResult DllCanUnloadNow();

}  // extern "C"

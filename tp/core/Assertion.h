#pragma once

// Defensive checks of the platform's counted pointers and lists: a failed
// check is written as one error record followed by a backtrace, and the
// program carries on with a safe result.

#include <TP/Core/Logging.h>

#include <QByteArray>

#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <type_traits>
#include <typeinfo>

namespace TP {
namespace Core {

// The full name of T as the log tags spell it: "class TP::Xml::Element".
template <class T>
QByteArray typeNameOf() {
  const char* mangled = typeid(T).name();
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
  QByteArray name = (status == 0 && demangled) ? QByteArray(demangled.get()) : QByteArray(mangled);
  if (std::is_class<T>::value) name.prepend("class ");
  return name;
}

inline void assertionFailed(const char* tag, const char* condition, const char* message) {
  TP::Core::Logging::ApacheLogger(__FILE__, __LINE__, tag, TP::Core::Logging::LevelError,
                                  "AppLogger")
      << "Assertion '" << condition << "' failed: " << message;
  TP::Core::Logging::do_backtrace();
}

inline void assertionFailed(const QByteArray& tag, const char* condition, const char* message) {
  assertionFailed(tag.constData(), condition, message);
}

}  // namespace Core
}  // namespace TP

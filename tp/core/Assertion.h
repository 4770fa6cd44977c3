#pragma once

// Defensive checks of the platform's counted pointers and lists: a failed
// check is written as one error record followed by a backtrace, and the
// program carries on with a safe result.
//
// These headers are the base library's public face and include nothing of
// its implementation: the two writers below are defined by the library
// (beside its logging), so a program that uses these headers links it.

#include <QByteArray>
#include <QString>

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

// One error record "Assertion '<condition>' failed: <message>" under the
// tag, followed by a backtrace.
void assertionFailed(const char* tag, const char* condition, const char* message);

// One trace record of the program's own category, optionally followed by a
// backtrace.
void traceRecord(const char* file, int line, const char* tag, const QString& text,
                 bool withBacktrace);

// A pointer as the log records spell it ("0x" and lower-case hex digits).
inline QString pointerText(const void* pointer) {
  return QStringLiteral("0x") + QString::number(reinterpret_cast<quintptr>(pointer), 16);
}

inline void assertionFailed(const QByteArray& tag, const char* condition, const char* message) {
  assertionFailed(tag.constData(), condition, message);
}

}  // namespace Core
}  // namespace TP

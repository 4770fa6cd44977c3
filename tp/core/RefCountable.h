#pragma once

#include <tp/core/Assertion.h>

#include <QString>

#include <cstdint>
#include <limits>

namespace TP {
namespace Core {

// Counts above this are taken as a leak or a corrupted object and traced.
constexpr std::uint32_t REFCOUNT_MAX = 10000;

// Base of every reference-counted platform object. The count is a plain
// integer: these objects are created, shared and released on the GUI thread
// only. Objects are deleted through the virtual destructor by their last
// holder (see SmartPtr) when the delete-at-zero flag is set.
//
// Misuse never corrupts the count: releasing an object whose count is
// already 0 is logged and leaves it at 0 (so the object is not deleted a
// second time), and a count at its numeric limit is logged and stays there
// (the object then lives on rather than being freed while still held).
class RefCountable {
 public:
  explicit RefCountable(bool deleteAtZero = true, const QString& name = QString())
      : m_DeleteAtZero(deleteAtZero), m_Name(name) {}
  virtual ~RefCountable() {
    if (m_RefCount != 0)
      TP::Core::assertionFailed("TP::Core::RefCountable::~RefCountable", "m_RefCount == 0",
                                "Destroyed while still referenced");
  }

  void Reference() {
    if (m_Trace || m_RefCount >= REFCOUNT_MAX) {
      TP::Core::traceRecord(__FILE__, __LINE__, "TP::Core::RefCountable::Reference",
                            TP::Core::pointerText(this) + QStringLiteral(" Refcount upping to ") +
                                QString::number(static_cast<unsigned long long>(m_RefCount) + 1) +
                                QStringLiteral(" for ") + m_Name,
                            true);
    }
    if (m_RefCount == std::numeric_limits<std::uint32_t>::max()) {
      // Wrapping to 0 would let the next release delete a held object.
      TP::Core::assertionFailed("TP::Core::RefCountable::Reference", "m_RefCount > 0",
                                "Refcount error!");
      return;
    }
    ++m_RefCount;
  }

  // True when the caller held the last count and must delete the object.
  bool Unreference() {
    if (m_Trace || m_RefCount == 0 || m_RefCount >= REFCOUNT_MAX) {
      TP::Core::traceRecord(__FILE__, __LINE__, "TP::Core::RefCountable::Unreference",
                            TP::Core::pointerText(this) + QStringLiteral(" Refcount lowering to ") +
                                QString::number(static_cast<long long>(m_RefCount) - 1) +
                                QStringLiteral(" for ") + m_Name,
                            true);
    }
    if (m_RefCount == 0) {
      TP::Core::assertionFailed("TP::Core::RefCountable::Unreference", "m_RefCount > 0",
                                "Refcount error!");
      return false;
    }
    if (m_RefCount >= REFCOUNT_MAX)
      TP::Core::assertionFailed("TP::Core::RefCountable::Unreference", "m_RefCount < REFCOUNT_MAX",
                                "Refcount error!");
    --m_RefCount;
    return m_RefCount == 0 && m_DeleteAtZero;
  }

  std::uint32_t ReferenceCount() const { return m_RefCount; }

  bool DeleteAtZero() const { return m_DeleteAtZero; }
  void SetDeleteAtZero(bool on) { m_DeleteAtZero = on; }
  bool Trace() const { return m_Trace; }
  void SetTrace(bool on) { m_Trace = on; }
  QString Name() const { return m_Name; }
  void SetName(const QString& name) { m_Name = name; }

 protected:
  // A copy is a new object: it starts unreferenced, whatever the original's
  // count; assignment keeps the target's own count.
  RefCountable(const RefCountable& other)
      : m_DeleteAtZero(other.m_DeleteAtZero), m_Trace(other.m_Trace), m_Name(other.m_Name) {}
  RefCountable& operator=(const RefCountable& other) {
    m_DeleteAtZero = other.m_DeleteAtZero;
    m_Trace = other.m_Trace;
    m_Name = other.m_Name;
    return *this;
  }

 private:
  std::uint32_t m_RefCount = 0;
  bool m_DeleteAtZero = true;
  bool m_Trace = false;
  QString m_Name;
};

}  // namespace Core
}  // namespace TP

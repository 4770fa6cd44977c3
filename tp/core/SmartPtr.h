#pragma once

#include <tp/core/Assertion.h>
#include <tp/core/RefCountable.h>

#include <utility>

namespace TP {
namespace Core {
namespace Refcounting {

// Intrusive counted pointer over a RefCountable. One pointer holds one count;
// the holder that releases the last count of an object with the
// delete-at-zero flag deletes it.
//
// operator-> on a null pointer logs "NULL pointer dereference" with a
// backtrace and returns null: callers test the pointer (isNull(), or its
// bool value) before using it. There is deliberately no operator*, which
// could only hand out a null reference.
template <class T>
class SmartPtr {
 public:
  SmartPtr() = default;
  SmartPtr(T* object) : m_T(object) {  // NOLINT: raw pointers convert on purpose
    if (m_T) {
      if (m_T->Trace() || m_T->ReferenceCount() > REFCOUNT_MAX)
        traceCall("SmartPtr", " calling Reference() for ");
      m_T->Reference();
    }
  }
  SmartPtr(const SmartPtr& other) : m_T(other.m_T) {
    if (m_T) {
      if (m_T->Trace() || m_T->ReferenceCount() == 0 || m_T->ReferenceCount() > REFCOUNT_MAX)
        traceCall("SmartPtr", " calling Reference() for ");
      m_T->Reference();
    }
  }
  // Moving hands the count over; the source becomes null.
  SmartPtr(SmartPtr&& other) noexcept : m_T(other.m_T) { other.m_T = nullptr; }

  virtual ~SmartPtr() { release("~SmartPtr"); }

  SmartPtr& operator=(T* object) {
    checkLimit("operator =");
    if (object == m_T) return *this;
    // The old object goes first, then the new one is referenced.
    release("operator =");
    m_T = object;
    if (m_T) {
      if (m_T->Trace() || m_T->ReferenceCount() == 0 || m_T->ReferenceCount() > REFCOUNT_MAX)
        traceCall("operator =", " calling Reference() for ");
      m_T->Reference();
    }
    return *this;
  }
  SmartPtr& operator=(const SmartPtr& other) { return *this = other.m_T; }
  SmartPtr& operator=(SmartPtr&& other) noexcept {
    if (this != &other) {
      T* incoming = other.m_T;
      other.m_T = nullptr;
      release("operator =");
      m_T = incoming;
    }
    return *this;
  }

  T* operator->() const {
    if (m_T && m_T->ReferenceCount() >= REFCOUNT_MAX)
      TP::Core::assertionFailed(tag("operator ->"), "!m_T || m_T->ReferenceCount() < REFCOUNT_MAX",
                                "Refcount error!");
    if (!m_T) TP::Core::assertionFailed(tag("operator ->"), "m_T", "NULL pointer dereference");
    return m_T;
  }

  T* Raw() const {
    checkLimit("Raw");
    return m_T;
  }

  bool isNull() const { return m_T == nullptr; }
  explicit operator bool() const { return m_T != nullptr; }
  bool operator!() const { return m_T == nullptr; }

  friend bool operator==(const SmartPtr& a, const SmartPtr& b) { return a.m_T == b.m_T; }
  friend bool operator!=(const SmartPtr& a, const SmartPtr& b) { return a.m_T != b.m_T; }
  friend bool operator==(const SmartPtr& a, const T* b) { return a.m_T == b; }
  friend bool operator!=(const SmartPtr& a, const T* b) { return a.m_T != b; }

 private:
  static QByteArray tag(const char* operation) {
    return QByteArray("TP::Core::Refcounting::SmartPtr<") + TP::Core::typeNameOf<T>() +
           ">::" + operation;
  }

  void traceCall(const char* operation, const char* what) const {
    TP::Core::traceRecord(__FILE__, __LINE__, tag(operation).constData(),
                          QStringLiteral("SmartPtr ") + TP::Core::pointerText(this) +
                              QLatin1String(what) + TP::Core::pointerText(m_T),
                          false);
  }

  void checkLimit(const char* operation) const {
    if (m_T && m_T->ReferenceCount() >= REFCOUNT_MAX)
      TP::Core::assertionFailed(tag(operation), "!m_T || m_T->ReferenceCount() < REFCOUNT_MAX",
                                "Refcount error!");
  }

  void release(const char* operation) {
    if (!m_T) return;
    if (m_T->Trace() || m_T->ReferenceCount() == 0 || m_T->ReferenceCount() > REFCOUNT_MAX)
      traceCall(operation, " calling Unreference() for ");
    T* object = m_T;
    m_T = nullptr;
    if (object->Unreference()) delete object;
  }

  T* m_T = nullptr;
};

}  // namespace Refcounting
}  // namespace Core
}  // namespace TP

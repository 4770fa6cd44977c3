#pragma once

#include <RAZ/Utils/DestructionObserver.h>

#include <QObject>

#include <type_traits>

namespace RAZ {
namespace Utils {

namespace Detail {

// The QObject behind a platform object, or null when it has none (then the
// pointer cannot notice the object's destruction).
template <class T>
const QObject* observable(const T* object) {
  if (!object) return nullptr;
  if constexpr (std::is_base_of<QObject, T>::value)
    return static_cast<const QObject*>(object);
  else if constexpr (std::is_polymorphic<T>::value)
    return dynamic_cast<const QObject*>(object);
  else
    return nullptr;
}

}  // namespace Detail

namespace Const {

// Observing pointer to a platform object: it does not own the object and
// reads as null once the object has been destroyed. GUI thread only.
template <class T>
class SharedPointer : public RAZ::Utils::DestructionObserver {
 public:
  SharedPointer() = default;
  SharedPointer(const T* object)  // NOLINT: raw pointers convert on purpose
      : DestructionObserver(Detail::observable(object)), m_ptr(object) {}
  SharedPointer(const SharedPointer& other) : DestructionObserver(other), m_ptr(other.m_ptr) {}
  SharedPointer& operator=(const SharedPointer& other) {
    DestructionObserver::operator=(other);
    m_ptr = other.m_ptr;
    return *this;
  }
  SharedPointer& operator=(const T* object) {
    attach(Detail::observable(object));
    m_ptr = object;
    return *this;
  }
  ~SharedPointer() override = default;

  const T* data() const { return m_ptr; }
  const T* get() const { return m_ptr; }
  const T* operator->() const { return m_ptr; }
  bool isNull() const { return m_ptr == nullptr; }
  explicit operator bool() const { return m_ptr != nullptr; }
  bool operator!() const { return m_ptr == nullptr; }

  friend bool operator==(const SharedPointer& a, const SharedPointer& b) {
    return a.m_ptr == b.m_ptr;
  }
  friend bool operator!=(const SharedPointer& a, const SharedPointer& b) {
    return a.m_ptr != b.m_ptr;
  }

 protected:
  void observedDestroyed() override { m_ptr = nullptr; }

  const T* m_ptr = nullptr;
};

}  // namespace Const

// The same pointer with non-const access.
template <class T>
class SharedPointer : public Const::SharedPointer<T> {
 public:
  SharedPointer() = default;
  SharedPointer(T* object) : Const::SharedPointer<T>(object) {}  // NOLINT
  SharedPointer(const SharedPointer& other) : Const::SharedPointer<T>(other) {}
  SharedPointer& operator=(const SharedPointer& other) {
    Const::SharedPointer<T>::operator=(other);
    return *this;
  }
  SharedPointer& operator=(T* object) {
    Const::SharedPointer<T>::operator=(object);
    return *this;
  }
  ~SharedPointer() override = default;

  T* data() const { return const_cast<T*>(this->m_ptr); }
  T* get() const { return data(); }
  T* operator->() const { return data(); }
};

}  // namespace Utils
}  // namespace RAZ

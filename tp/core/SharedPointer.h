#pragma once

#include <QObject>
#include <QPointer>

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
// reads as null once the object has been destroyed (from the start of the
// QObject's destruction on). An object that is no QObject cannot be watched:
// the pointer then keeps its address. GUI thread only.
template <class T>
class SharedPointer {
 public:
  SharedPointer() = default;
  SharedPointer(const T* object)  // NOLINT: raw pointers convert on purpose
      : m_ptr(object), m_guard(Detail::observable(object)), m_watched(!m_guard.isNull()) {}
  SharedPointer(const SharedPointer& other) = default;
  SharedPointer& operator=(const SharedPointer& other) = default;
  SharedPointer& operator=(const T* object) {
    m_ptr = object;
    m_guard = Detail::observable(object);
    m_watched = !m_guard.isNull();
    return *this;
  }
  virtual ~SharedPointer() = default;

  const T* data() const { return live(); }
  const T* get() const { return live(); }
  const T* operator->() const { return live(); }
  bool isNull() const { return live() == nullptr; }
  explicit operator bool() const { return live() != nullptr; }
  bool operator!() const { return live() == nullptr; }

  friend bool operator==(const SharedPointer& a, const SharedPointer& b) {
    return a.live() == b.live();
  }
  friend bool operator!=(const SharedPointer& a, const SharedPointer& b) {
    return a.live() != b.live();
  }

 protected:
  const T* live() const { return (m_watched && m_guard.isNull()) ? nullptr : m_ptr; }

 private:
  const T* m_ptr = nullptr;
  QPointer<const QObject> m_guard;
  bool m_watched = false;
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

  T* data() const { return const_cast<T*>(this->live()); }
  T* get() const { return data(); }
  T* operator->() const { return data(); }
};

}  // namespace Utils
}  // namespace RAZ

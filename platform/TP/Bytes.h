#pragma once

#include <QByteArray>
#include <QMetaType>

#include <cstddef>

namespace TP {

// The byte string exchanged with the platform libraries. It is an implicitly
// shared value: copies are cheap and never alias writable memory.
class Bytes {
 public:
  Bytes() = default;
  Bytes(const QByteArray& data) : m_data(data) {}  // NOLINT: deliberate implicit conversion
  Bytes(const char* data, int length);
  Bytes(const Bytes&) = default;
  Bytes(Bytes&&) noexcept = default;
  Bytes& operator=(const Bytes&) = default;
  Bytes& operator=(Bytes&&) noexcept = default;
  ~Bytes() = default;

  // A deep copy of `length` bytes at `data`.
  static Bytes Copy(const void* data, int length);
  // Wraps `length` bytes at `data` without copying. The caller keeps the
  // memory alive and unchanged for as long as the result or any copy of it
  // lives; modifying the result detaches it first.
  static Bytes Use(const void* data, int length);

  int Length() const { return m_data.size(); }
  bool IsEmpty() const { return m_data.isEmpty(); }
  bool isEmpty() const { return m_data.isEmpty(); }
  const unsigned char* Pointer() const {
    return reinterpret_cast<const unsigned char*>(m_data.constData());
  }
  const char* constData() const { return m_data.constData(); }

  // <0, 0, >0 like memcmp, shorter-is-smaller on a common prefix.
  int Compare(const Bytes& other) const;

  // Like Compare, with ASCII letters compared without case: 0 means equal.
  int caseInsensitiveAsciiCompare(const Bytes& other) const;

  void Append(const Bytes& other) { m_data.append(other.m_data); }
  void Clear() { m_data.clear(); }

  QByteArray toByteArray() const { return m_data; }
  operator QByteArray() const { return m_data; }  // NOLINT: deliberate implicit conversion

  friend bool operator==(const Bytes& a, const Bytes& b) { return a.m_data == b.m_data; }
  friend bool operator!=(const Bytes& a, const Bytes& b) { return a.m_data != b.m_data; }
  friend bool operator<(const Bytes& a, const Bytes& b) { return a.Compare(b) < 0; }

 private:
  QByteArray m_data;
};

}  // namespace TP

Q_DECLARE_METATYPE(TP::Bytes)

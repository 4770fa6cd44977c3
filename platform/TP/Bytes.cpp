#include "TP/Bytes.h"

#include <cstring>

namespace TP {

Bytes::Bytes(const char* data, int length)
    : m_data(data && length > 0 ? QByteArray(data, length) : QByteArray()) {}

Bytes Bytes::Copy(const void* data, int length) {
  return Bytes(static_cast<const char*>(data), length);
}

Bytes Bytes::Use(const void* data, int length) {
  if (!data || length <= 0) return Bytes();
  return Bytes(QByteArray::fromRawData(static_cast<const char*>(data), length));
}

int Bytes::Compare(const Bytes& other) const {
  const int common = qMin(Length(), other.Length());
  if (common > 0) {
    const int c =
        std::memcmp(m_data.constData(), other.m_data.constData(), static_cast<size_t>(common));
    if (c != 0) return c < 0 ? -1 : 1;
  }
  if (Length() == other.Length()) return 0;
  return Length() < other.Length() ? -1 : 1;
}

int Bytes::caseInsensitiveAsciiCompare(const Bytes& other) const {
  const int common = qMin(Length(), other.Length());
  const unsigned char* a = Pointer();
  const unsigned char* b = other.Pointer();
  for (int i = 0; i < common; ++i) {
    unsigned char x = a[i];
    unsigned char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    if (x != y) return x < y ? -1 : 1;
  }
  if (Length() == other.Length()) return 0;
  return Length() < other.Length() ? -1 : 1;
}

}  // namespace TP

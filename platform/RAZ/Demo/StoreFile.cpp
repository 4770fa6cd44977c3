#include "RAZ/Demo/StoreFile.h"

#include <QDataStream>
#include <QMetaType>
#include <QVector>
#include <QtEndian>

namespace RAZ {
namespace Demo {
namespace StoreFile {

namespace {

const char kMagic[] = "zent-demo-service";
const int kVersion = 1;
const QDataStream::Version kStreamVersion = QDataStream::Qt_5_15;
const quint32 kNull = 0xFFFFFFFFu;

// Walks the bytes as Qt's data stream (version 5.15) writes a store, one
// value at a time with a stack of its own in place of recursion.
class Walk {
 public:
  explicit Walk(const QByteArray& bytes) : m_at(bytes.constData()), m_left(bytes.size()) {}

  bool store() {
    qint32 version = 0;
    if (!byteArray(kMagic) || !number(version) || version != kVersion) return false;
    return container(true) && values();
  }

 private:
  struct Open {
    quint32 left;
    bool keyed;  // a map's entries each begin with their key
  };

  bool skip(qint64 n) {
    if (n < 0 || n > m_left) return false;
    m_at += n;
    m_left -= n;
    return true;
  }

  template <typename T>
  bool number(T& value) {
    if (m_left < qint64(sizeof(T))) return false;
    value = qFromBigEndian<T>(m_at);
    return skip(sizeof(T));
  }

  bool byteArray(const char* expected = nullptr) {
    quint32 size = 0;
    if (!number(size)) return false;
    if (size == kNull) return !expected;
    if (expected && (size != qstrlen(expected) || m_left < size ||
                     QByteArray::fromRawData(m_at, int(size)) != expected))
      return false;
    return skip(size);
  }

  bool string() {
    quint32 size = 0;
    if (!number(size)) return false;
    if (size == kNull) return true;
    // Two bytes a character: an odd length is no text.
    return size % 2 == 0 && skip(size);
  }

  bool container(bool keyed) {
    quint32 count = 0;
    if (!number(count) || m_open.size() >= kMaxDepth) return false;
    m_open.append({count, keyed});
    return true;
  }

  // A time zone as the stream writes it: its id, and for a fixed offset
  // the offset's own description.
  bool timeZone() {
    quint32 size = 0;
    if (m_left < 4) return false;
    size = qFromBigEndian<quint32>(m_at);
    const QByteArray offsetId =
        QByteArray::fromRawData("\0O\0f\0f\0s\0e\0t\0F\0r\0o\0m\0U\0t\0c", 26);
    const bool offset = size == quint32(offsetId.size()) && m_left >= 4 + size &&
                        QByteArray::fromRawData(m_at + 4, int(size)) == offsetId;
    if (!string()) return false;
    if (!offset) return true;
    qint32 seconds = 0, country = 0;
    return string() && number(seconds) && string() && string() && number(country) && string();
  }

  // One value with its type and null mark; a container opens.
  bool variant() {
    quint32 type = 0;
    qint8 null = 0;
    if (!number(type) || !number(null)) return false;
    switch (type) {
      case QMetaType::UnknownType:
        return true;
      case QMetaType::Bool:
      case QMetaType::Char:
      case QMetaType::SChar:
      case QMetaType::UChar:
        return skip(1);
      case QMetaType::QChar:
      case QMetaType::Short:
      case QMetaType::UShort:
        return skip(2);
      case QMetaType::Int:
      case QMetaType::UInt:
      case QMetaType::QTime:
        return skip(4);
      case QMetaType::LongLong:
      case QMetaType::ULongLong:
      case QMetaType::Long:
      case QMetaType::ULong:
      case QMetaType::Double:
      case QMetaType::Float:  // as a double: the stream's default precision
      case QMetaType::QDate:
        return skip(8);
      case QMetaType::QDateTime: {
        qint8 timeSpec = 0;
        if (!skip(12) || !number(timeSpec)) return false;
        switch (timeSpec) {
          case Qt::LocalTime:
          case Qt::UTC:
            return true;
          case Qt::OffsetFromUTC:
            return skip(4);
          case Qt::TimeZone:
            return timeZone();
          default:
            return false;
        }
      }
      case QMetaType::QString:
        return string();
      case QMetaType::QByteArray:
      case QMetaType::QUrl:
        return byteArray();
      case QMetaType::QStringList: {
        quint32 count = 0;
        if (!number(count)) return false;
        // Each string takes four bytes at least: a count beyond the file
        // ends at its end.
        for (quint32 i = 0; i < count; ++i)
          if (!string()) return false;
        return true;
      }
      case QMetaType::QVariantMap:
      case QMetaType::QVariantHash:
        return container(true);
      case QMetaType::QVariantList:
        return container(false);
      default:
        // Nothing else is ever stored; a type read by name could be anything.
        return false;
    }
  }

  bool values() {
    while (!m_open.isEmpty()) {
      Open& open = m_open.last();
      if (open.left == 0) {
        m_open.removeLast();
        continue;
      }
      --open.left;
      if (open.keyed && !string()) return false;
      if (!variant()) return false;
    }
    return true;
  }

  const char* m_at;
  qint64 m_left;
  QVector<Open> m_open;
};

}  // namespace

bool read(const QByteArray& bytes, QVariantMap& data) {
  data.clear();
  if (bytes.size() > kMaxBytes || !Walk(bytes).store()) return false;
  QDataStream in(bytes);
  in.setVersion(kStreamVersion);
  QByteArray magic;
  qint32 version = 0;
  in >> magic >> version >> data;
  if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion) {
    data.clear();
    return false;
  }
  return true;
}

QByteArray write(const QVariantMap& data) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setVersion(kStreamVersion);
  out << QByteArray(kMagic) << qint32(kVersion) << data;
  return bytes;
}

}  // namespace StoreFile
}  // namespace Demo
}  // namespace RAZ

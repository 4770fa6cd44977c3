#pragma once

#include <QByteArray>
#include <QVariantMap>

namespace RAZ {
namespace Demo {

// The demo service's store as it lies on the disk: a magic text, a format
// version and one map of what the service keeps, in Qt's data stream.
//
// Qt reads nested maps and lists by recursion, with no limit: a file nested
// deeply enough (a damaged or planted one) would overflow the stack at every
// sign-in. So the bytes are walked first, without recursion, and read only
// when every value is of a kind the store holds, every length lies inside
// the file and nothing is nested deeper than kMaxDepth.
namespace StoreFile {

// Deepest nesting of maps and lists read; the store's own is about six.
constexpr int kMaxDepth = 32;
// Largest file read as a store; a bigger one is not ours.
constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

// The store's data from the file's bytes; false when they are no store of
// this format or cannot be read safely (then `data` is empty).
bool read(const QByteArray& bytes, QVariantMap& data);

// The bytes of a store holding `data`.
QByteArray write(const QVariantMap& data);

}  // namespace StoreFile
}  // namespace Demo
}  // namespace RAZ

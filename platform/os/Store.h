#pragma once

#include <QString>
#include <QVariant>

namespace Os {

// The operating system's per-user key/value store (what the Windows registry
// is to the program). Keys are registry-style paths with back-slashes, such
// as "HKEY_CURRENT_USER\Environment"; each key holds named values. On this
// platform the store is one INI file of our own, so nothing ever writes files
// named after registry keys.
namespace Store {

QVariant value(const QString& key, const QString& name, const QVariant& defaultValue = QVariant());
void setValue(const QString& key, const QString& name, const QVariant& value);
bool contains(const QString& key, const QString& name);
// Removes the key with every value and sub-key below it.
void removeKey(const QString& key);

// The backing file: $ZENT_OS_STORE when set, else "os-store.ini" in the
// user's configuration folder for this program.
QString filePath();
// Replaces the backing file (tests); an empty path restores the default.
void setFilePath(const QString& path);

}  // namespace Store
}  // namespace Os

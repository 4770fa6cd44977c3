#pragma once

#include <QByteArray>

namespace RAZ {

// The program's 56-byte cipher key. The application keys its cipher with it
// (mode 2) at start-up; the build tool that enciphers the shipped
// configuration files uses the same bytes. Kept in this one place.
QByteArray programKey();

// The cipher mode used with the key.
constexpr int programCipherMode() { return 2; }

}  // namespace RAZ

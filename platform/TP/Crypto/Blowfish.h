#pragma once

#include "TP/Bytes.h"

#include <QByteArray>

namespace TP {
namespace Crypto {

// Blowfish cipher keyed once and then used to encipher and decipher whole
// messages. A plain value: copies share nothing mutable, so a keyed cipher can
// be copied into another object, and every call is safe from any thread.
//
// Modes:
//   ModeEcb (1): ECB with PKCS#7 padding. Output length is the input length
//                rounded up to the next multiple of 8 (an empty input gives one
//                block of padding).
//   ModeCbc (2): CBC with PKCS#7 padding and a fresh random 8-byte IV that is
//                written in front of the ciphertext. Output: IV || ciphertext,
//                so the same plaintext never enciphers to the same bytes twice.
//                This is the mode the program uses for configuration files and
//                stored credentials.
//
// Failures (not keyed, input of the wrong length, bad padding, wrong key)
// give an empty result and set *ok to false; they are logged, never fatal.
class Blowfish {
 public:
  enum Mode { ModeEcb = 1, ModeCbc = 2 };

  static constexpr int BlockSize = 8;
  static constexpr int MinKeyLength = 4;
  static constexpr int MaxKeyLength = 56;

  Blowfish() = default;

  // Keys the cipher. Keys of 4 to 56 bytes are accepted; an unknown mode or
  // a key of another length leaves the cipher unkeyed and returns false.
  bool Initialize(const TP::Bytes& key, int mode);
  bool isValid() const { return m_valid; }
  int mode() const { return m_mode; }

  TP::Bytes Encrypt(const TP::Bytes& plain, bool* ok = nullptr) const;
  TP::Bytes Decrypt(const TP::Bytes& cipher, bool* ok = nullptr) const;
  QByteArray Encrypt(const QByteArray& plain, bool* ok = nullptr) const;
  QByteArray Decrypt(const QByteArray& cipher, bool* ok = nullptr) const;
  // Disambiguates string literals and char buffers.
  QByteArray Encrypt(const char* plain, bool* ok = nullptr) const {
    return Encrypt(QByteArray(plain), ok);
  }

  // Raw ECB over whole 8-byte blocks, no padding, independent of the mode:
  // the primitive the modes are built on, exposed so the cipher can be
  // checked against published block vectors.
  TP::Bytes EncryptBlocks(const TP::Bytes& blocks, bool* ok = nullptr) const;
  TP::Bytes DecryptBlocks(const TP::Bytes& blocks, bool* ok = nullptr) const;

  // True when the process can provide Blowfish at all (the legacy provider
  // was found). Initialize fails when it cannot.
  static bool isAvailable();

 private:
  QByteArray m_key;
  int m_mode = 0;
  bool m_valid = false;
};

}  // namespace Crypto
}  // namespace TP

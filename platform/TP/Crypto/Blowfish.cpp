#include "TP/Crypto/Blowfish.h"

#include "TP/Core/Logging.h"

#include <openssl/evp.h>
#include <openssl/provider.h>
#include <openssl/rand.h>

#include <memory>

namespace TP {
namespace Crypto {

namespace {

// Blowfish lives in OpenSSL's legacy provider. It is loaded into a library
// context of our own so that the process-wide default context, which Qt's
// TLS uses, keeps exactly the providers it was configured with.
class Engine {
 public:
  static Engine& instance() {
    static Engine engine;
    return engine;
  }

  bool available() const { return m_ecb && m_cbc; }
  const EVP_CIPHER* ecb() const { return m_ecb; }
  const EVP_CIPHER* cbc() const { return m_cbc; }
  bool randomBytes(unsigned char* out, int length) const {
    return RAND_bytes_ex(m_context, out, static_cast<size_t>(length), 0) == 1;
  }

 private:
  Engine() {
    m_context = OSSL_LIB_CTX_new();
    if (!m_context) return;
    m_default = OSSL_PROVIDER_load(m_context, "default");
    m_legacy = OSSL_PROVIDER_load(m_context, "legacy");
    if (!m_legacy || !m_default) return;
    m_ecb = EVP_CIPHER_fetch(m_context, "BF-ECB", nullptr);
    m_cbc = EVP_CIPHER_fetch(m_context, "BF-CBC", nullptr);
  }
  ~Engine() {
    EVP_CIPHER_free(m_ecb);
    EVP_CIPHER_free(m_cbc);
    if (m_legacy) OSSL_PROVIDER_unload(m_legacy);
    if (m_default) OSSL_PROVIDER_unload(m_default);
    OSSL_LIB_CTX_free(m_context);
  }
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  OSSL_LIB_CTX* m_context = nullptr;
  OSSL_PROVIDER* m_default = nullptr;
  OSSL_PROVIDER* m_legacy = nullptr;
  EVP_CIPHER* m_ecb = nullptr;
  EVP_CIPHER* m_cbc = nullptr;
};

struct ContextDeleter {
  void operator()(EVP_CIPHER_CTX* c) const { EVP_CIPHER_CTX_free(c); }
};
using ContextPtr = std::unique_ptr<EVP_CIPHER_CTX, ContextDeleter>;

// One whole-message pass. `iv` is null for ECB.
bool runCipher(const EVP_CIPHER* cipher, const QByteArray& key, const unsigned char* iv,
               bool encrypt, bool padding, const unsigned char* in, int inLength, QByteArray* out) {
  ContextPtr ctx(EVP_CIPHER_CTX_new());
  if (!ctx) return false;
  const int enc = encrypt ? 1 : 0;
  if (EVP_CipherInit_ex2(ctx.get(), cipher, nullptr, nullptr, enc, nullptr) != 1) return false;
  if (EVP_CIPHER_CTX_set_key_length(ctx.get(), key.size()) != 1) return false;
  if (EVP_CipherInit_ex2(ctx.get(), nullptr,
                         reinterpret_cast<const unsigned char*>(key.constData()), iv, enc,
                         nullptr) != 1)
    return false;
  EVP_CIPHER_CTX_set_padding(ctx.get(), padding ? 1 : 0);

  QByteArray buffer(inLength + Blowfish::BlockSize, Qt::Uninitialized);
  auto* dst = reinterpret_cast<unsigned char*>(buffer.data());
  int written = 0;
  if (inLength > 0 && EVP_CipherUpdate(ctx.get(), dst, &written, in, inLength) != 1) return false;
  int tail = 0;
  if (EVP_CipherFinal_ex(ctx.get(), dst + written, &tail) != 1) return false;
  buffer.truncate(written + tail);
  *out = buffer;
  return true;
}

void setOk(bool* ok, bool value) {
  if (ok) *ok = value;
}

}  // namespace

bool Blowfish::isAvailable() { return Engine::instance().available(); }

bool Blowfish::Initialize(const TP::Bytes& key, int mode) {
  m_valid = false;
  m_key.clear();
  m_mode = 0;
  if (mode != ModeEcb && mode != ModeCbc) {
    TP_LOG("TP::Crypto::Blowfish::Initialize", TP::Core::Logging::LevelError)
        << "Unknown cipher mode " << mode;
    return false;
  }
  if (key.Length() < MinKeyLength || key.Length() > MaxKeyLength) {
    TP_LOG("TP::Crypto::Blowfish::Initialize", TP::Core::Logging::LevelError)
        << "Key of " << key.Length() << " bytes refused";
    return false;
  }
  if (!Engine::instance().available()) {
    TP_LOG("TP::Crypto::Blowfish::Initialize", TP::Core::Logging::LevelError)
        << "Blowfish is not available (OpenSSL legacy provider missing)";
    return false;
  }
  // Deep copy: the key must not alias memory the caller may reuse.
  m_key = QByteArray(key.constData(), key.Length());
  m_mode = mode;
  m_valid = true;
  return true;
}

QByteArray Blowfish::Encrypt(const QByteArray& plain, bool* ok) const {
  setOk(ok, false);
  if (!m_valid) {
    TP_LOG("TP::Crypto::Blowfish::Encrypt", TP::Core::Logging::LevelError)
        << "Cipher used before it was keyed";
    return QByteArray();
  }
  const Engine& engine = Engine::instance();
  const auto* in = reinterpret_cast<const unsigned char*>(plain.constData());
  QByteArray out;
  if (m_mode == ModeEcb) {
    if (!runCipher(engine.ecb(), m_key, nullptr, true, true, in, plain.size(), &out)) {
      TP_LOG("TP::Crypto::Blowfish::Encrypt", TP::Core::Logging::LevelError) << "Encipher failed";
      return QByteArray();
    }
  } else {
    unsigned char iv[BlockSize];
    if (!engine.randomBytes(iv, BlockSize)) {
      TP_LOG("TP::Crypto::Blowfish::Encrypt", TP::Core::Logging::LevelError)
          << "No random bytes for the IV";
      return QByteArray();
    }
    QByteArray body;
    if (!runCipher(engine.cbc(), m_key, iv, true, true, in, plain.size(), &body)) {
      TP_LOG("TP::Crypto::Blowfish::Encrypt", TP::Core::Logging::LevelError) << "Encipher failed";
      return QByteArray();
    }
    out = QByteArray(reinterpret_cast<const char*>(iv), BlockSize) + body;
  }
  setOk(ok, true);
  return out;
}

QByteArray Blowfish::Decrypt(const QByteArray& cipher, bool* ok) const {
  setOk(ok, false);
  if (!m_valid) {
    TP_LOG("TP::Crypto::Blowfish::Decrypt", TP::Core::Logging::LevelError)
        << "Cipher used before it was keyed";
    return QByteArray();
  }
  const int minimum = m_mode == ModeCbc ? 2 * BlockSize : BlockSize;
  if (cipher.size() < minimum || cipher.size() % BlockSize != 0) {
    TP_LOG("TP::Crypto::Blowfish::Decrypt", TP::Core::Logging::LevelError)
        << "Refused " << cipher.size() << " bytes: not a whole number of blocks";
    return QByteArray();
  }
  const Engine& engine = Engine::instance();
  const auto* in = reinterpret_cast<const unsigned char*>(cipher.constData());
  QByteArray out;
  bool done;
  if (m_mode == ModeEcb) {
    done = runCipher(engine.ecb(), m_key, nullptr, false, true, in, cipher.size(), &out);
  } else {
    done = runCipher(engine.cbc(), m_key, in, false, true, in + BlockSize,
                     cipher.size() - BlockSize, &out);
  }
  if (!done) {
    // Bad padding: the data is corrupt or was enciphered with another key.
    TP_LOG("TP::Crypto::Blowfish::Decrypt", TP::Core::Logging::LevelError)
        << "Decipher failed: corrupt data or wrong key";
    return QByteArray();
  }
  setOk(ok, true);
  return out;
}

TP::Bytes Blowfish::Encrypt(const TP::Bytes& plain, bool* ok) const {
  return TP::Bytes(Encrypt(plain.toByteArray(), ok));
}

TP::Bytes Blowfish::Decrypt(const TP::Bytes& cipher, bool* ok) const {
  return TP::Bytes(Decrypt(cipher.toByteArray(), ok));
}

TP::Bytes Blowfish::EncryptBlocks(const TP::Bytes& blocks, bool* ok) const {
  setOk(ok, false);
  if (!m_valid || blocks.IsEmpty() || blocks.Length() % BlockSize != 0) return TP::Bytes();
  QByteArray out;
  if (!runCipher(Engine::instance().ecb(), m_key, nullptr, true, false, blocks.Pointer(),
                 blocks.Length(), &out))
    return TP::Bytes();
  setOk(ok, true);
  return TP::Bytes(out);
}

TP::Bytes Blowfish::DecryptBlocks(const TP::Bytes& blocks, bool* ok) const {
  setOk(ok, false);
  if (!m_valid || blocks.IsEmpty() || blocks.Length() % BlockSize != 0) return TP::Bytes();
  QByteArray out;
  if (!runCipher(Engine::instance().ecb(), m_key, nullptr, false, false, blocks.Pointer(),
                 blocks.Length(), &out))
    return TP::Bytes();
  setOk(ok, true);
  return TP::Bytes(out);
}

}  // namespace Crypto
}  // namespace TP

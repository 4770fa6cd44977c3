// Stored accounts as the program finds them on disk: any file, enciphered
// or not, loads (or is kept aside) without harm, and accounts that load
// are written back and read again unchanged.
#include <QDir>
#include <QFileInfo>

#include <RAZ/ProgramKey.h>
#include <RAZ/Utils/Credentials.h>
#include <TP/Bytes.h>
#include <TP/Crypto/Blowfish.h>

#include "FuzzSupport.h"

ZENT_FUZZ_APPLICATION(QCoreApplication)

using RAZ::Utils::Credentials::CredentialsData;
using RAZ::Utils::Credentials::CredentialsManager;
using RAZ::Utils::Credentials::UserCredentials;

namespace {

// What an account shows and signs in with (a display name equal to the
// user name is the same as none).
QStringList shown(const QList<UserCredentials>& accounts) {
  QStringList out;
  for (const UserCredentials& account : accounts)
    for (int type : account.types()) {
      const CredentialsData d = account.getCredentials(type);
      out << QString::number(type) + d.getUsername() + QChar(1) + d.getPassword() + QChar(1) +
                 d.getDisplayname() + QChar(1) + d.getDmUrl() + QChar(1) +
                 QString::number(d.getDefaultDomain());
    }
  return out;
}

TP::Crypto::Blowfish& cipher() {
  static TP::Crypto::Blowfish c;
  static const bool keyed = c.Initialize(TP::Bytes(RAZ::programKey()), RAZ::programCipherMode());
  if (!keyed) ZentFuzz::fail("no cipher", QString());
  return c;
}

void loadAndCheck(const QByteArray& fileContent) {
  const QString path = ZentFuzz::scratchFile(fileContent, "credentials.dat");
  QFile::remove(path + QStringLiteral(".unreadable"));
  CredentialsManager manager(path, &cipher());
  if (!manager.load()) ZentFuzz::fail("load failed", QString());
  if (manager.loadProblem() != CredentialsManager::LoadProblem::None) {
    // Kept aside, never lost.
    if (!QFileInfo::exists(manager.keptAs())) ZentFuzz::fail("unread file lost", manager.keptAs());
    return;
  }
  QList<QStringList> before;
  for (int type = 0; type <= 4; ++type) before << shown(manager.getCredentials(type));
  if (!manager.save()) ZentFuzz::fail("accounts that loaded could not be saved", QString());
  CredentialsManager again(path, &cipher());
  if (!again.load() || again.loadProblem() != CredentialsManager::LoadProblem::None)
    ZentFuzz::fail("own file not read back", QString());
  for (int type = 0; type <= 4; ++type)
    if (shown(again.getCredentials(type)) != before.at(type))
      ZentFuzz::fail("accounts changed on the way", QString::number(type));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 16384) return 0;
  const QByteArray input = ZentFuzz::bytes(data, size);
  loadAndCheck(input);
  // The same bytes enciphered reach the account reader itself.
  bool ok = false;
  const QByteArray enciphered = cipher().Encrypt(input, &ok);
  if (ok) loadAndCheck(enciphered);
  return 0;
}

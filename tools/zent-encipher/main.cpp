// Enciphers a file with the program's key, as the program reads its
// configuration files:  zent-encipher <plain input> <enciphered output>
// With --check the input must also be a valid configuration.

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <RAZ/Configuration/Config.h>
#include <RAZ/ProgramKey.h>
#include <TP/Crypto/Blowfish.h>

#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  const bool check = args.removeAll(QStringLiteral("--check")) > 0;
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: zent-encipher [--check] <plain input> <enciphered output>\n");
    return 2;
  }
  QFile in(args.at(0));
  if (!in.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "zent-encipher: cannot read %s\n", qPrintable(args.at(0)));
    return 1;
  }
  const QByteArray plain = in.readAll();
  if (check && !RAZ::Configuration::Config(plain, args.at(0)).isValid()) {
    std::fprintf(stderr, "zent-encipher: %s is not a valid configuration\n",
                 qPrintable(args.at(0)));
    return 1;
  }
  TP::Crypto::Blowfish cipher;
  if (!cipher.Initialize(TP::Bytes(RAZ::programKey()), RAZ::programCipherMode())) {
    std::fprintf(stderr, "zent-encipher: the cipher is not available\n");
    return 1;
  }
  bool ok = false;
  const QByteArray enciphered = cipher.Encrypt(plain, &ok);
  if (!ok) {
    std::fprintf(stderr, "zent-encipher: enciphering failed\n");
    return 1;
  }
  QSaveFile out(args.at(1));
  if (!out.open(QIODevice::WriteOnly) || out.write(enciphered) != enciphered.size() ||
      !out.commit()) {
    std::fprintf(stderr, "zent-encipher: cannot write %s\n", qPrintable(args.at(1)));
    return 1;
  }
  return 0;
}

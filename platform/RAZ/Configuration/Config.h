#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>

class QFile;

namespace TP {
namespace Crypto {
class Blowfish;
}
}  // namespace TP

namespace RAZ {
namespace Configuration {

// One named configuration of the service, built from the deciphered text of a
// configuration file:
//
//   <config name="Office">
//     <value id="400" type="bool">false</value>
//     <value id="401" type="string">https://verify.example</value>
//     <value id="12" type="int">30</value>
//   </config>
//
// Types are "bool" (true/false/1/0), "int" and "string". A value whose text
// does not fit its type, a duplicate id or an unknown type is skipped and
// logged; the rest of the file still counts. A text that is not such a
// document, or a document without a name, gives an invalid configuration
// (isValid() false, getName() empty).
//
// Values are read by integer id:
//   value(id, def)      the stored value as a QVariant of its type, or def;
//   getBool/getInt/getString(id, def)
//                       the stored value when it has that type, else def
//                       (a value of another type is never converted).
//
// Type "pairs" holds a list of text pairs, written "a=b;c=d" (for example
// the test-call numbers by language: "en=*611;es=*612"); it reads as a
// QVariantList of two-element QStringLists, in the written order. An entry
// without "=" has an empty second text.
class Config {
 public:
  Config(const QByteArray& deciphered, const QString& path);

  bool isValid() const { return !m_name.isEmpty(); }
  QString getName() const { return m_name; }
  QString getPath() const { return m_path; }
  // The deciphered text the configuration was built from.
  QByteArray source() const { return m_source; }

  bool contains(int id) const { return m_values.contains(id); }
  QList<int> ids() const;
  QVariant value(int id, const QVariant& def = QVariant()) const;
  bool getBool(int id, bool def = false) const;
  int getInt(int id, int def = 0) const;
  QString getString(int id, const QString& def = QString()) const;

  // Replaces the configuration file `current` with the configuration in
  // `candidate` (a configuration delivered at run time). `candidateEnciphered`
  // tells whether the candidate's bytes are enciphered already. The candidate
  // is accepted only when it is a valid configuration; it is then written,
  // enciphered with the file cipher, over the file of `current` (through a
  // temporary file, so a failed write leaves the old file whole) and
  // `*accepted` is set to true. Otherwise `*accepted` is false and the
  // current file is untouched. `accepted` may be null.
  static void FileConfig(QFile& current, QFile& candidate, bool candidateEnciphered,
                         bool* accepted);

  // The cipher FileConfig uses; set by RAZ::Client::Initialize, cleared with
  // the client. Not owned.
  static void setFileCipher(TP::Crypto::Blowfish* cipher);
  static TP::Crypto::Blowfish* fileCipher();

 private:
  void parse();

  QString m_name;
  QString m_path;
  QByteArray m_source;
  QHash<int, QVariant> m_values;
};

}  // namespace Configuration
}  // namespace RAZ

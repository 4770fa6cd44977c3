#include "RAZ/Configuration/Config.h"

#include <QAtomicPointer>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include "RAZ/Utils/FileWrites.h"

#include <TP/Core/Logging.h>
#include <TP/Crypto/Blowfish.h>

namespace RAZ {
namespace Configuration {

namespace {

// A configuration is a few kilobytes; anything far larger is not one.
const qint64 kMaxConfigSize = 4 * 1024 * 1024;

QAtomicPointer<TP::Crypto::Blowfish> g_fileCipher;

bool parseBool(const QString& text, bool* ok) {
  const QString t = text.trimmed().toLower();
  *ok = true;
  if (t == QLatin1String("true") || t == QLatin1String("1")) return true;
  if (t == QLatin1String("false") || t == QLatin1String("0")) return false;
  *ok = false;
  return false;
}

}  // namespace

Config::Config(const QByteArray& deciphered, const QString& path)
    : m_path(path), m_source(deciphered) {
  parse();
}

void Config::parse() {
  if (m_source.isEmpty()) return;
  if (m_source.size() > kMaxConfigSize) {
    TP_LOG("RAZ::Configuration::Config::parse", TP::Core::Logging::LevelError)
        << "Configuration too large, ignored: " << m_path;
    return;
  }
  QXmlStreamReader xml(m_source);
  QString name;
  QHash<int, QVariant> values;
  if (!xml.readNextStartElement() || xml.name() != QLatin1String("config")) {
    TP_LOG("RAZ::Configuration::Config::parse", TP::Core::Logging::LevelWarning)
        << "Not a configuration document: " << m_path;
    return;
  }
  name = xml.attributes().value(QLatin1String("name")).toString().trimmed();
  while (xml.readNextStartElement()) {
    if (xml.name() != QLatin1String("value")) {
      xml.skipCurrentElement();
      continue;
    }
    const QXmlStreamAttributes attrs = xml.attributes();
    bool idOk = false;
    const int id = attrs.value(QLatin1String("id")).toInt(&idOk);
    const QString type = attrs.value(QLatin1String("type")).toString().trimmed().toLower();
    const QString text = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    if (xml.hasError()) break;
    if (!idOk || id < 0) {
      TP_LOG("RAZ::Configuration::Config::parse", TP::Core::Logging::LevelWarning)
          << "Value without a valid id skipped";
      continue;
    }
    if (values.contains(id)) {
      TP_LOG("RAZ::Configuration::Config::parse", TP::Core::Logging::LevelWarning)
          << "Duplicate value id " << id << " skipped";
      continue;
    }
    bool ok = false;
    QVariant v;
    if (type == QLatin1String("bool")) {
      const bool b = parseBool(text, &ok);
      if (ok) v = b;
    } else if (type == QLatin1String("int")) {
      const int i = text.trimmed().toInt(&ok);
      if (ok) v = i;
    } else if (type == QLatin1String("string") || type.isEmpty()) {
      v = text;
      ok = true;
    } else if (type == QLatin1String("pairs")) {
      QVariantList pairs;
      const auto parts = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
      for (const QString& entry : parts) {
        const int equals = entry.indexOf(QLatin1Char('='));
        pairs << QVariant(QStringList{entry.left(equals).trimmed(),
                                      equals < 0 ? QString() : entry.mid(equals + 1).trimmed()});
      }
      v = pairs;
      ok = true;
    }
    if (!ok) {
      TP_LOG("RAZ::Configuration::Config::parse", TP::Core::Logging::LevelWarning)
          << "Value " << id << " of type " << type << " does not parse, skipped";
      continue;
    }
    values.insert(id, v);
  }
  if (xml.hasError()) {
    TP_LOG("RAZ::Configuration::Config::parse", TP::Core::Logging::LevelWarning)
        << "Malformed configuration " << m_path << ": " << xml.errorString();
    return;
  }
  if (name.isEmpty()) {
    TP_LOG("RAZ::Configuration::Config::parse", TP::Core::Logging::LevelWarning)
        << "Configuration without a name: " << m_path;
    return;
  }
  m_name = name;
  m_values = values;
}

QList<int> Config::ids() const { return m_values.keys(); }

QVariant Config::value(int id, const QVariant& def) const { return m_values.value(id, def); }

bool Config::getBool(int id, bool def) const {
  const QVariant v = m_values.value(id);
  return v.type() == QVariant::Bool ? v.toBool() : def;
}

int Config::getInt(int id, int def) const {
  const QVariant v = m_values.value(id);
  return v.type() == QVariant::Int ? v.toInt() : def;
}

QString Config::getString(int id, const QString& def) const {
  const QVariant v = m_values.value(id);
  return v.type() == QVariant::String ? v.toString() : def;
}

void Config::setFileCipher(TP::Crypto::Blowfish* cipher) { g_fileCipher.storeRelease(cipher); }

TP::Crypto::Blowfish* Config::fileCipher() { return g_fileCipher.loadAcquire(); }

void Config::FileConfig(QFile& current, QFile& candidate, bool candidateEnciphered,
                        bool* accepted) {
  if (accepted) *accepted = false;
  TP::Crypto::Blowfish* cipher = fileCipher();
  if (!cipher) {
    TP_LOG("RAZ::Configuration::Config::FileConfig", TP::Core::Logging::LevelError)
        << "No configuration cipher set";
    return;
  }
  const QString target = current.fileName();
  if (target.isEmpty()) {
    TP_LOG("RAZ::Configuration::Config::FileConfig", TP::Core::Logging::LevelError)
        << "No current configuration file";
    return;
  }
  const bool wasOpen = candidate.isOpen();
  if (!wasOpen && !candidate.open(QIODevice::ReadOnly)) {
    TP_LOG("RAZ::Configuration::Config::FileConfig", TP::Core::Logging::LevelError)
        << "Cannot read candidate configuration " << candidate.fileName() << ": "
        << candidate.errorString();
    return;
  }
  if (wasOpen) candidate.seek(0);
  const QByteArray raw = candidate.read(kMaxConfigSize + 1);
  if (!wasOpen) candidate.close();
  const QByteArray plain = candidateEnciphered ? cipher->Decrypt(raw) : raw;
  const Config config(plain, target);
  if (!config.isValid()) {
    TP_LOG("RAZ::Configuration::Config::FileConfig", TP::Core::Logging::LevelWarning)
        << "Candidate configuration rejected: not a valid configuration";
    return;
  }
  const QByteArray enciphered = cipher->Encrypt(plain);
  if (enciphered.isEmpty()) {
    TP_LOG("RAZ::Configuration::Config::FileConfig", TP::Core::Logging::LevelError)
        << "Enciphering the configuration failed";
    return;
  }
  if (current.isOpen()) current.close();
  // The service's configuration may hold its addresses and credentials:
  // written whole, and the user's alone from its first byte.
  QString error;
  if (!RAZ::Utils::FileWrites::replace(target, enciphered, 0600, &error)) {
    TP_LOG("RAZ::Configuration::Config::FileConfig", TP::Core::Logging::LevelError)
        << "Cannot write configuration " << target << ": " << error;
    return;
  }
  TP_LOG("RAZ::Configuration::Config::FileConfig", TP::Core::Logging::LevelInformation)
      << "Configuration " << config.getName() << " written to " << target;
  if (accepted) *accepted = true;
}

}  // namespace Configuration
}  // namespace RAZ

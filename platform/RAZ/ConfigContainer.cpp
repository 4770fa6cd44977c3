#include "RAZ/ConfigContainer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <TP/Core/Logging.h>
#include <TP/Crypto/Blowfish.h>

namespace RAZ {

namespace {
const qint64 kMaxFileSize = 4 * 1024 * 1024;
}

ConfigContainer::ConfigContainer(QObject* parent) : QObject(parent) {}

ConfigContainer::~ConfigContainer() = default;

void ConfigContainer::setCipher(TP::Crypto::Blowfish* cipher) { m_cipher = cipher; }

void ConfigContainer::setSearchFolders(const QStringList& folders) { m_folders = folders; }

bool ConfigContainer::isConfigFileName(const QString& fileName) {
  const QFileInfo info(fileName);
  return info.fileName().startsWith(QLatin1String("config")) &&
         info.suffix() == QLatin1String("xml");
}

int ConfigContainer::reloadConfigFiles() {
  const QString previous = m_current;
  m_retired += m_configs;
  m_configs.clear();
  m_current.clear();
  m_unreadable.clear();
  int loaded = 0;
  m_reloading = true;
  for (const QString& folder : qAsConst(m_folders)) {
    loaded = scanFolder(folder);
    if (loaded > 0) break;
  }
  m_reloading = false;
  if (loaded == 0)
    TP_LOG("RAZ::ConfigContainer::reloadConfigFiles", TP::Core::Logging::LevelError)
        << "No configuration found in " << m_folders.join(QStringLiteral(", "));
  if (config(previous))
    m_current = previous;
  else if (!m_configs.isEmpty())
    m_current = m_configs.first()->getName();
  emit configsChanged();
  if (m_current != previous) emit currentConfigChanged();
  return loaded;
}

int ConfigContainer::scanFolder(const QString& folder) {
  if (folder.isEmpty()) return 0;
  const QDir dir(folder);
  if (!dir.exists()) return 0;
  int loaded = 0;
  const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::Name);
  for (const QFileInfo& file : files) {
    if (!isConfigFileName(file.fileName())) continue;
    if (addConfigFile(file.absoluteFilePath())) ++loaded;
  }
  return loaded;
}

bool ConfigContainer::addConfigFile(const QString& path) {
  if (!m_cipher) {
    TP_LOG("RAZ::ConfigContainer::addConfigFile", TP::Core::Logging::LevelError)
        << "No cipher to read " << path;
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    TP_LOG("RAZ::ConfigContainer::addConfigFile", TP::Core::Logging::LevelError)
        << "Cannot read configuration file " << path << ": " << file.errorString();
    m_unreadable << path + QStringLiteral(": ") + file.errorString();
    return false;
  }
  if (file.size() > kMaxFileSize) {
    TP_LOG("RAZ::ConfigContainer::addConfigFile", TP::Core::Logging::LevelError)
        << "Configuration file too large: " << path;
    m_unreadable << path + QStringLiteral(": too large");
    return false;
  }
  const QByteArray raw = file.readAll();
  if (raw.isEmpty()) {
    TP_LOG("RAZ::ConfigContainer::addConfigFile", TP::Core::Logging::LevelWarning)
        << "Empty configuration file skipped: " << path;
    m_unreadable << path + QStringLiteral(": empty");
    return false;
  }
  const QByteArray plain = m_cipher->Decrypt(raw);
  if (plain.isEmpty()) {
    TP_LOG("RAZ::ConfigContainer::addConfigFile", TP::Core::Logging::LevelError)
        << "Configuration file does not decipher, skipped: " << path;
    m_unreadable << path + QStringLiteral(": does not decipher");
    return false;
  }
  return addConfig(plain, path);
}

bool ConfigContainer::addConfig(const QByteArray& deciphered, const QString& path) {
  auto config = QSharedPointer<Configuration::Config>::create(deciphered, path);
  if (!config->isValid()) {
    TP_LOG("RAZ::ConfigContainer::addConfig", TP::Core::Logging::LevelError)
        << "Not a valid configuration, skipped: " << path;
    if (!path.isEmpty()) m_unreadable << path + QStringLiteral(": not a valid configuration");
    return false;
  }
  if (this->config(config->getName())) {
    TP_LOG("RAZ::ConfigContainer::addConfig", TP::Core::Logging::LevelWarning)
        << "Configuration name " << config->getName() << " already loaded, skipped: " << path;
    return false;
  }
  m_configs.append(config);
  TP_LOG("RAZ::ConfigContainer::addConfig", TP::Core::Logging::LevelInformation)
      << "Configuration " << config->getName() << " loaded from " << path;
  if (m_current.isEmpty() && !m_reloading) {
    m_current = config->getName();
    emit currentConfigChanged();
  }
  return true;
}

QStringList ConfigContainer::configNames() const {
  QStringList names;
  for (const auto& config : m_configs) names << config->getName();
  return names;
}

bool ConfigContainer::setCurrentConfig(const QString& name) {
  if (!config(name)) {
    TP_LOG("RAZ::ConfigContainer::setCurrentConfig", TP::Core::Logging::LevelWarning)
        << "No configuration named " << name;
    return false;
  }
  if (m_current != name) {
    m_current = name;
    emit currentConfigChanged();
  }
  return true;
}

const Configuration::Config* ConfigContainer::currentConfig() const { return config(m_current); }

const Configuration::Config* ConfigContainer::config(const QString& name) const {
  if (name.isEmpty()) return nullptr;
  for (const auto& config : m_configs)
    if (config->getName() == name) return config.data();
  return nullptr;
}

}  // namespace RAZ

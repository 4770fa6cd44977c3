#pragma once

#include <QList>
#include <QObject>
#include <QSharedPointer>
#include <QStringList>

#include "RAZ/Configuration/Config.h"

namespace TP {
namespace Crypto {
class Blowfish;
}
}  // namespace TP

namespace RAZ {

// The named configurations the program can sign in with, read from the
// enciphered configuration files ("config*.xml") of the first search folder
// that holds at least one readable configuration.
//
// A file that cannot be read, does not decipher or does not parse as a named
// configuration is skipped and logged; a second configuration with a name
// already taken is skipped too. Configuration pointers handed out stay valid
// for the container's lifetime, also across reloadConfigFiles(): a session may
// keep using the configuration it signed in with.
class ConfigContainer : public QObject {
  Q_OBJECT

 public:
  explicit ConfigContainer(QObject* parent = nullptr);
  ~ConfigContainer() override;

  // The cipher the files are deciphered with (not owned).
  void setCipher(TP::Crypto::Blowfish* cipher);
  // Folders searched, in order, by reloadConfigFiles().
  void setSearchFolders(const QStringList& folders);
  QStringList searchFolders() const { return m_folders; }

  // True when `fileName` is a configuration file name: starts with "config"
  // (case-sensitive) and has the suffix "xml".
  static bool isConfigFileName(const QString& fileName);

  // Rescans the search folders; returns the number of configurations loaded.
  // The current configuration is kept by name when it is still there, else the
  // first configuration becomes current.
  int reloadConfigFiles();
  // Adds the configuration of one enciphered file; false (logged) when it is
  // skipped.
  bool addConfigFile(const QString& path);
  // Adds a configuration from deciphered text; false when it is not a valid
  // configuration or its name is taken.
  bool addConfig(const QByteArray& deciphered, const QString& path);

  // Names in load order (folder listing sorted by file name).
  QStringList configNames() const;
  // The configuration files the last reload skipped as unreadable, each as
  // "<path>: <reason>".
  QStringList unreadableFiles() const { return m_unreadable; }
  // Makes the named configuration current; false when there is none.
  bool setCurrentConfig(const QString& name);
  // The current configuration, or null when there is none.
  const Configuration::Config* currentConfig() const;
  const Configuration::Config* config(const QString& name) const;

 signals:
  void configsChanged();
  void currentConfigChanged();

 private:
  int scanFolder(const QString& folder);

  TP::Crypto::Blowfish* m_cipher = nullptr;
  QStringList m_folders;
  QStringList m_unreadable;
  QList<QSharedPointer<Configuration::Config>> m_configs;
  // Configurations replaced by a reload; kept so that pointers stay valid.
  QList<QSharedPointer<Configuration::Config>> m_retired;
  QString m_current;
  bool m_reloading = false;
};

}  // namespace RAZ

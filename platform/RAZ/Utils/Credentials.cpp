#include "RAZ/Utils/Credentials.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <TP/Core/Logging.h>
#include <TP/Crypto/Blowfish.h>

#include "RAZ/Utils/FileWrites.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace RAZ {
namespace Utils {
namespace Credentials {

namespace {

const int kFormatVersion = 1;

QJsonObject toJson(const CredentialsData& d) {
  QJsonObject o;
  o.insert(QStringLiteral("username"), d.getUsername());
  o.insert(QStringLiteral("password"), d.getPassword());
  o.insert(QStringLiteral("dmUrl"), d.getDmUrl());
  o.insert(QStringLiteral("defaultDomain"), d.getDefaultDomain());
  if (d.getDisplayname() != d.getUsername())
    o.insert(QStringLiteral("displayname"), d.getDisplayname());
  return o;
}

CredentialsData fromJson(const QJsonObject& o) {
  CredentialsData d;
  d.setUsername(o.value(QStringLiteral("username")).toString());
  d.setPassword(o.value(QStringLiteral("password")).toString());
  d.setDmUrl(o.value(QStringLiteral("dmUrl")).toString());
  d.setDefaultDomain(o.value(QStringLiteral("defaultDomain")).toBool());
  d.setDisplayname(o.value(QStringLiteral("displayname")).toString());
  return d;
}

}  // namespace

bool CredentialsData::operator==(const CredentialsData& o) const {
  return m_username == o.m_username && m_password == o.m_password &&
         m_displayname == o.m_displayname && m_dmUrl == o.m_dmUrl &&
         m_defaultDomain == o.m_defaultDomain;
}

CredentialsManager::CredentialsManager(const QString& path, TP::Crypto::Blowfish* cipher,
                                       FileFactory fileFactory, QObject* parent)
    : QObject(parent), m_path(path), m_cipher(cipher), m_fileFactory(std::move(fileFactory)) {
  qRegisterMetaType<RAZ::Utils::Credentials::UserCredentials>(
      "RAZ::Utils::Credentials::UserCredentials");
}

CredentialsManager::~CredentialsManager() = default;

QFile* CredentialsManager::newFile(const QString& name) {
  QFile* file = m_fileFactory ? m_fileFactory(name, nullptr) : nullptr;
  return file ? file : new QFile(name);
}

void CredentialsManager::keepUnreadFile(LoadProblem problem, const QString& detail) {
  m_loadProblem = problem;
  m_loadProblemDetail = detail;
  // Keep the unread file rather than overwrite it at the next save.
  const QString aside = m_path + QStringLiteral(".unreadable");
  // An earlier unreadable file may still be the only copy of some account:
  // move it on under a dated name instead of deleting it.
  if (QFileInfo::exists(aside)) {
    const QString older =
        aside + QLatin1Char('.') +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
    if (std::rename(QFile::encodeName(aside).constData(), QFile::encodeName(older).constData()) !=
        0)
      TP_LOG("RAZ::Utils::Credentials::CredentialsManager::load", TP::Core::Logging::LevelError)
          << "Cannot move " << aside << " aside";
  }
  // A plain rename: it works for a file we may not read and for a folder.
  const bool moved =
      !QFileInfo::exists(aside) &&
      std::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(aside).constData()) == 0;
  // A file that could not be moved aside must never be overwritten.
  m_saveBlocked = !moved;
  m_keptAs = moved ? aside : m_path;
  TP_LOG("RAZ::Utils::Credentials::CredentialsManager::load", TP::Core::Logging::LevelError)
      << "The credentials file " << m_path << " could not be read (" << static_cast<int>(problem)
      << ": " << detail << "); "
      << (moved ? "kept aside as " + aside
                : QStringLiteral("it could not be moved aside and is never written over"));
}

bool CredentialsManager::load() {
  m_accounts.clear();
  m_loadProblem = LoadProblem::None;
  m_loadProblemDetail.clear();
  m_keptAs.clear();
  m_saveBlocked = false;
  if (m_path.isEmpty()) {
    TP_LOG("RAZ::Utils::Credentials::CredentialsManager::load", TP::Core::Logging::LevelError)
        << "No credentials file given";
    return false;
  }
  const QFileInfo info(m_path);
  if (!QDir().mkpath(info.absolutePath())) {
    TP_LOG("RAZ::Utils::Credentials::CredentialsManager::load", TP::Core::Logging::LevelFatal)
        << "Cannot create the credentials folder " << info.absolutePath();
    return false;
  }
  // A dangling link or anything else in the file's place counts as there.
  if (!info.exists() && !info.isSymLink()) return true;

  std::unique_ptr<QFile> file(newFile(m_path));
  if (!file->open(QIODevice::ReadOnly)) {
    keepUnreadFile(LoadProblem::CannotOpen, file->errorString());
    return true;
  }
  if (file->size() > kMaxFileSize) {
    file->close();
    keepUnreadFile(LoadProblem::TooLarge, QString::number(info.size()));
    return true;
  }
  const QByteArray raw = file->readAll();
  const bool readWell = file->error() == QFileDevice::NoError;
  const QString readError = file->errorString();
  file->close();
  if (!readWell) {
    keepUnreadFile(LoadProblem::CannotOpen, readError);
    return true;
  }
  bool ok = false;
  const QByteArray plain = m_cipher ? m_cipher->Decrypt(raw, &ok) : QByteArray();
  QJsonParseError error{};
  const QJsonDocument doc = ok ? QJsonDocument::fromJson(plain, &error) : QJsonDocument();
  if (!ok || !doc.isObject() ||
      doc.object().value(QStringLiteral("version")).toInt() != kFormatVersion) {
    keepUnreadFile(LoadProblem::DoesNotDecipher, QString());
    return true;
  }
  const QJsonArray accounts = doc.object().value(QStringLiteral("accounts")).toArray();
  for (const QJsonValue& value : accounts) {
    const QJsonObject account = value.toObject();
    UserCredentials credentials;
    for (auto it = account.begin(); it != account.end(); ++it) {
      bool typeOk = false;
      const int type = it.key().toInt(&typeOk);
      if (typeOk) credentials.setCredentials(type, fromJson(it.value().toObject()));
    }
    if (!credentials.isEmpty()) m_accounts.append(credentials);
  }
  return true;
}

bool CredentialsManager::save() {
  if (m_saveBlocked) {
    TP_LOG("RAZ::Utils::Credentials::CredentialsManager::save", TP::Core::Logging::LevelError)
        << "The unreadable credentials file is still in place: not overwritten";
    return false;
  }
  if (!m_cipher) {
    TP_LOG("RAZ::Utils::Credentials::CredentialsManager::save", TP::Core::Logging::LevelError)
        << "No cipher: not saved";
    return false;
  }
  QJsonArray accounts;
  for (const UserCredentials& credentials : qAsConst(m_accounts)) {
    QJsonObject account;
    const auto types = credentials.types();
    for (int type : types)
      account.insert(QString::number(type), toJson(credentials.getCredentials(type)));
    accounts.append(account);
  }
  QJsonObject root;
  root.insert(QStringLiteral("version"), kFormatVersion);
  root.insert(QStringLiteral("accounts"), accounts);
  bool ok = false;
  const QByteArray enciphered =
      m_cipher->Encrypt(QJsonDocument(root).toJson(QJsonDocument::Compact), &ok);
  if (!ok) {
    TP_LOG("RAZ::Utils::Credentials::CredentialsManager::save", TP::Core::Logging::LevelError)
        << "Enciphering failed";
    return false;
  }

  const QString temp = m_path + QStringLiteral(".new");
  QFile::remove(temp);
  std::unique_ptr<QFile> file(newFile(temp));
  // Created the user's alone from its first byte: a file made with the
  // umask's mode and restricted afterwards can be opened by anyone in
  // between, and a descriptor opened then reads whatever is written later.
  QString createError;
  if (!FileWrites::createExclusive(*file, 0600, &createError)) {
    TP_LOG("RAZ::Utils::Credentials::CredentialsManager::save", TP::Core::Logging::LevelError)
        << "Cannot create " << temp << ": " << createError;
    FileWrites::recordFailure(QDir::toNativeSeparators(m_path), createError);
    return false;
  }
  QString writeError;
  // Named by the file itself, not its temporary.
  const bool written =
      FileWrites::write(*file, enciphered, &writeError, QDir::toNativeSeparators(m_path));
  file->close();
  int renameError = 0;
  if (written &&
      std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(m_path).constData()) != 0)
    renameError = errno;
  if (!written || renameError != 0) {
    TP_LOG("RAZ::Utils::Credentials::CredentialsManager::save", TP::Core::Logging::LevelError)
        << "Cannot write the credentials file " << m_path;
    if (written)
      FileWrites::recordFailure(QDir::toNativeSeparators(m_path),
                                QString::fromLocal8Bit(std::strerror(renameError)));
    QFile::remove(temp);
    return false;
  }
  return true;
}

void CredentialsManager::toFullUri(QString& name) {
  name = name.trimmed();
  if (name.startsWith(QLatin1String("sip:"), Qt::CaseInsensitive)) name = name.mid(4).trimmed();
}

int CredentialsManager::indexOf(int type, const QString& name) const {
  if (name.isEmpty()) return -1;
  for (int i = 0; i < m_accounts.size(); ++i) {
    const UserCredentials& account = m_accounts.at(i);
    if (account.hasCredentials(type) &&
        account.getCredentials(type).getUsername().compare(name, Qt::CaseInsensitive) == 0)
      return i;
  }
  return -1;
}

QList<UserCredentials> CredentialsManager::getCredentials(int type) const {
  QList<UserCredentials> result;
  for (const UserCredentials& account : m_accounts)
    if (account.hasCredentials(type)) result.append(account);
  return result;
}

bool CredentialsManager::getCredentials(int type, const QString& fullName,
                                        UserCredentials& out) const {
  QString name = fullName;
  toFullUri(name);
  const int index = indexOf(type, name);
  if (index < 0) return false;
  out = m_accounts.at(index);
  return true;
}

CredentialsData CredentialsManager::getCurrentCredentials(int type) const {
  const int index = indexOf(m_loginType, m_loginUsername);
  if (index < 0) return CredentialsData();
  return m_accounts.at(index).getCredentials(type);
}

void CredentialsManager::addCredentials(const UserCredentials& given) {
  if (given.isEmpty()) return;
  // Accounts are stored under their completed user names.
  UserCredentials credentials = given;
  const auto types = given.types();
  for (int t : types) {
    CredentialsData data = given.getCredentials(t);
    QString username = data.getUsername();
    toFullUri(username);
    data.setUsername(username);
    credentials.setCredentials(t, data);
  }
  const int type =
      credentials.hasCredentials(m_loginType) ? m_loginType : credentials.types().constFirst();
  const QString name = credentials.getCredentials(type).getUsername();
  if (name.isEmpty()) {
    TP_LOG("RAZ::Utils::Credentials::CredentialsManager::addCredentials",
           TP::Core::Logging::LevelWarning)
        << "Account without a user name not stored";
    return;
  }
  const int index = indexOf(type, name);
  if (index >= 0)
    m_accounts[index] = credentials;
  else
    m_accounts.append(credentials);
  save();
  emit credentialsChanged();
}

void CredentialsManager::updateCredentials(const UserCredentials& credentials) {
  addCredentials(credentials);
}

void CredentialsManager::removeCredentials(const UserCredentials& credentials) {
  QList<int> types = credentials.types();
  if (types.removeAll(m_loginType) > 0) types.prepend(m_loginType);
  for (int t : types) {
    QString name = credentials.getCredentials(t).getUsername();
    toFullUri(name);
    const int index = indexOf(t, name);
    if (index < 0) continue;
    m_accounts.removeAt(index);
    save();
    emit credentialsChanged();
    return;
  }
  TP_LOG("RAZ::Utils::Credentials::CredentialsManager::removeCredentials",
         TP::Core::Logging::LevelWarning)
      << "No stored account to remove";
}

void CredentialsManager::setConfiguration(const RAZ::Configuration::Config* config) {
  m_config = config;
}

void CredentialsManager::setSavePassword(bool save) { m_savePassword = save; }

void CredentialsManager::setLoginUsername(const QString& fullName) {
  m_loginUsername = fullName;
  toFullUri(m_loginUsername);
}

}  // namespace Credentials
}  // namespace Utils
}  // namespace RAZ

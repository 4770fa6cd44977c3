#pragma once

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QString>

#include <functional>

class QFile;

namespace TP {
namespace Crypto {
class Blowfish;
}
}  // namespace TP

namespace RAZ {
namespace Configuration {
class Config;
}

namespace Utils {
namespace Credentials {

// Login types: which service an account's data signs in to.
enum LoginType { LoginSip = 0, LoginXmpp = 1, LoginXsi = 2 };

// Every kind of stored credentials: the login types, then the directory
// (LDAP) and web-collaboration accounts.
enum Type { TypeSip = 0, TypeXmpp = 1, TypeXsi = 2, TypeLdap = 3, TypeWebCollab = 4 };

// The data of one account for one login type.
class CredentialsData {
 public:
  CredentialsData() = default;

  QString getUsername() const { return m_username; }
  void setUsername(const QString& username) { m_username = username; }
  QString getPassword() const { return m_password; }
  void setPassword(const QString& password) { m_password = password; }
  // The name shown for the account; the user name when none was set.
  QString getDisplayname() const { return m_displayname.isEmpty() ? m_username : m_displayname; }
  void setDisplayname(const QString& name) { m_displayname = name; }
  // Address of the device-management (XSI) server the account belongs to.
  QString getDmUrl() const { return m_dmUrl; }
  void setDmUrl(const QString& url) { m_dmUrl = url; }
  // True when the user typed no domain and the configuration's default applies.
  bool getDefaultDomain() const { return m_defaultDomain; }
  void setDefaultDomain(bool useDefault) { m_defaultDomain = useDefault; }

  bool isEmpty() const { return m_username.isEmpty(); }
  bool operator==(const CredentialsData& o) const;
  bool operator!=(const CredentialsData& o) const { return !(*this == o); }

 private:
  QString m_username;
  QString m_password;
  QString m_displayname;
  QString m_dmUrl;
  bool m_defaultDomain = false;
};

// One stored account: its data per login type.
class UserCredentials {
 public:
  UserCredentials() = default;

  // The data of the type, or empty data when the account has none.
  CredentialsData getCredentials(int type) const { return m_data.value(type); }
  void setCredentials(int type, const CredentialsData& data) { m_data.insert(type, data); }
  bool hasCredentials(int type) const { return m_data.contains(type); }
  QList<int> types() const { return m_data.keys(); }
  bool isEmpty() const { return m_data.isEmpty(); }
  // Forgets the data of the type.
  void removeCredentials(int type) { m_data.remove(type); }

  bool operator==(const UserCredentials& o) const { return m_data == o.m_data; }

 private:
  QMap<int, CredentialsData> m_data;
};

// The stored accounts, kept enciphered in one file ("credentials.dat"). The
// file is created readable and writable by the user only before any secret is
// written, and replaced through a temporary file so a failed write never
// loses the accounts already stored. Accounts are found by login type and
// user name (compared without regard to case).
class CredentialsManager : public QObject {
  Q_OBJECT

 public:
  using FileFactory = std::function<QFile*(const QString& name, QObject* parent)>;

  // `cipher` is not owned and must outlive the manager. Without a file factory
  // plain QFile objects are used.
  CredentialsManager(const QString& path, TP::Crypto::Blowfish* cipher,
                     FileFactory fileFactory = FileFactory(), QObject* parent = nullptr);
  ~CredentialsManager() override;

  // Why a file that exists gave no accounts.
  enum class LoadProblem { None, CannotOpen, TooLarge, DoesNotDecipher };

  // Largest file read as stored accounts; a bigger one is not ours.
  static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

  // Makes sure the file's folder exists and reads the stored accounts. False
  // when the folder cannot be created. A file that exists but cannot be opened,
  // is too large or does not decipher is kept aside as "<name>.unreadable"
  // (logged) and the manager starts empty; when it cannot be moved aside it
  // stays where it is and is never written over (see savesBlocked).
  bool load();
  QString path() const { return m_path; }

  // What the last load found wrong with an existing file (None when it read
  // well or there was no file), the system's reason when it could not be
  // opened, and where the file is now kept.
  LoadProblem loadProblem() const { return m_loadProblem; }
  QString loadProblemDetail() const { return m_loadProblemDetail; }
  QString keptAs() const { return m_keptAs; }
  // True when an unread file still lies at path(): nothing is saved over it.
  bool savesBlocked() const { return m_saveBlocked; }

  int loginType() const { return m_loginType; }
  // The kinds of credentials this installation keeps (all five unless set).
  QList<int> availableTypes() const { return m_availableTypes; }
  void setAvailableTypes(const QList<int>& types) { m_availableTypes = types; }
  // Writes the accounts to the file; false (logged) when they could not be
  // written.
  bool save();

  // Completes a user name in place: surrounding blanks and a "sip:" scheme are
  // removed.
  static void toFullUri(QString& name);

  // Every stored account that has data of the type.
  QList<UserCredentials> getCredentials(int type) const;
  // Fills `out` with the account whose data of the type has the user name;
  // false (and `out` untouched) when there is none.
  bool getCredentials(int type, const QString& fullName, UserCredentials& out) const;
  // The data of the type of the account signing in (see setLoginUsername).
  CredentialsData getCurrentCredentials(int type) const;

  QString loginUsername() const { return m_loginUsername; }
  QString getLoginUsername() const { return m_loginUsername; }
  bool savePassword() const { return m_savePassword; }
  const RAZ::Configuration::Config* configuration() const { return m_config; }

 public slots:
  // Adds the account, or replaces the stored one with the same user name, and
  // writes the file. User names are stored completed (see toFullUri).
  void addCredentials(const RAZ::Utils::Credentials::UserCredentials& given);
  // Same as addCredentials; kept for callers that change an account.
  void updateCredentials(const RAZ::Utils::Credentials::UserCredentials& credentials);
  // Removes the stored account these credentials belong to (found by the
  // login type's user name, else by any of its types) and writes the file.
  void removeCredentials(const RAZ::Utils::Credentials::UserCredentials& credentials);
  void setConfiguration(const RAZ::Configuration::Config* config);
  void setSavePassword(bool save);
  void setLoginUsername(const QString& fullName);

 signals:
  void credentialsChanged();

 private:
  int indexOf(int type, const QString& name) const;
  QFile* newFile(const QString& name);
  void keepUnreadFile(LoadProblem problem, const QString& detail);

  QString m_path;
  TP::Crypto::Blowfish* m_cipher;
  FileFactory m_fileFactory;
  QList<UserCredentials> m_accounts;
  int m_loginType = LoginSip;
  QList<int> m_availableTypes{TypeSip, TypeXmpp, TypeXsi, TypeLdap, TypeWebCollab};
  QString m_loginUsername;
  bool m_savePassword = false;
  bool m_saveBlocked = false;
  LoadProblem m_loadProblem = LoadProblem::None;
  QString m_loadProblemDetail;
  QString m_keptAs;
  const RAZ::Configuration::Config* m_config = nullptr;
};

}  // namespace Credentials
}  // namespace Utils
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Utils::Credentials::UserCredentials)
Q_DECLARE_METATYPE(RAZ::Utils::Credentials::CredentialsData)
Q_DECLARE_METATYPE(RAZ::Utils::Credentials::Type)

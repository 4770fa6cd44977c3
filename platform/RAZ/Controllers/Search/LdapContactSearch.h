#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <memory>

#include "RAZ/Controllers/Search/ContactSearch.h"

class QThread;

namespace RAZ {
namespace Configuration {
class Config;
}
namespace Utils {
namespace Credentials {
class CredentialsManager;
}
}  // namespace Utils
namespace Controllers {
namespace Search {

class LdapWorker;
struct LdapShared;

// The corporate directory: an LDAP server searched with OpenLDAP's client
// library on a thread of its own, so a slow or unreachable server never holds
// up the window. A new search or cancel() abandons the running one; its answer
// is never delivered. The client library is loaded by the first search, on
// that thread (see LdapClient.h); where it cannot be, every search fails
// with Unavailable.
//
// Read from the configuration: 165 the source exists (bool), 410 the server
// ("ldap://host:port"), 411 the search base, 412 the search filter with "%1"
// for the text (default: name, surname, given name, e-mail or number), 413
// the server requires a bind (bool), 414 the time-out of one request in
// seconds (default 10). The bind name and password are the LDAP credentials
// (type 3) of the credentials store.
//
// Only the attributes a result uses are asked for: cn, displayName,
// givenName, sn, mail, telephoneNumber, mobile, homePhone, street,
// departmentNumber, ou, l, st, postalCode and jid (never photos).
// Results carry them in lower case as additional data, an
// attribute of several values as all of them joined by ", ", with cn as the
// display name, givenName, sn, mail (its first value) as IM address when
// "jid" is not given, and telephoneNumber as the number; further numbers
// take the mobile and personal slots an entry leaves free. At most 200
// entries are asked for; moreResults() tells when the server had more.
class LdapContactSearch : public ContactSearch {
  Q_OBJECT

 public:
  // Why the last search failed.
  enum Failure {
    NoFailure = 0,
    NotConfigured,
    ServerDown,
    AuthenticationFailed,
    Timeout,
    Other,
    // The LDAP client library cannot be loaded.
    Unavailable
  };
  Q_ENUM(Failure)

  LdapContactSearch(const RAZ::Configuration::Config* config,
                    RAZ::Utils::Credentials::CredentialsManager* credentials,
                    QObject* parent = nullptr);
  ~LdapContactSearch() override;

  // The configuration names a server (the source can be used at all).
  bool isConfigured() const;
  bool isChecked() const { return m_checked; }
  void setChecked(bool checked) { m_checked = checked; }
  // The server requires a bind name and password.
  bool getAuthenticationRequired() const;
  // The credentials store holds LDAP credentials.
  bool getLdapCredentials() const;
  // The last bind was refused.
  bool getAuthenticationFailed() const { return m_authenticationFailed; }
  Failure lastFailure() const { return m_failure; }
  // The library's own text for the last failure (for the log and the user).
  QString lastError() const { return m_error; }
  // The last results were cut short by a size limit: more entries match.
  bool moreResults() const { return m_moreResults; }

  void search(RAZ::Controllers::Search::ContactSearchData data) override;
  void cancel() override;

  // The filter text for a typed text: filter characters escaped, each "*"
  // kept as the wildcard it is meant to be.
  static QString escapeFilterText(const QString& text);

 signals:
  void requestLdapCredentials();
  void hideLdapCredentialsError();
  void searchFailed();

 private:
  void onAnswer(quint64 generation, const QList<QVariantMap>& entries, int failure,
                const QString& error, bool truncated);

  const RAZ::Configuration::Config* m_config;
  RAZ::Utils::Credentials::CredentialsManager* m_credentials;
  bool m_checked = true;
  bool m_authenticationFailed = false;
  bool m_moreResults = false;
  Failure m_failure = NoFailure;
  QString m_error;
  std::shared_ptr<LdapShared> m_shared;
  QThread* m_thread;
  LdapWorker* m_worker;
};

}  // namespace Search
}  // namespace Controllers
}  // namespace RAZ

#include "RAZ/Controllers/Search/LdapContactSearch.h"

#include <QDebug>
#include <QMetaObject>
#include <QStringList>
#include <QThread>
#include <atomic>

#include "RAZ/Configuration/Config.h"
#include "RAZ/Configuration/ConfigIds.h"
#include "RAZ/Controllers/Search/LdapClient.h"
#include "RAZ/Utils/Credentials.h"

namespace RAZ {
namespace Controllers {
namespace Search {

namespace {
namespace ConfigId = RAZ::Configuration::ConfigId;
constexpr int kDefaultTimeoutSeconds = 10;
constexpr int kSizeLimit = 200;
const char* const kDefaultFilter =
    "(|(cn=%1)(sn=%1)(givenName=%1)(mail=%1)(telephoneNumber=%1)(mobile=%1))";
// What a result is made of (entryOf below, and the contact the search
// manager makes of it: e-mail, city, state, postal code). An entry holds
// much more, photos and certificates many times the size of the rest:
// asking for all of it makes a search over a slow link run out of time.
const char* const kAttributes[] = {"cn",     "displayName",      "givenName", "sn",
                                   "mail",   "telephoneNumber",  "mobile",    "homePhone",
                                   "street", "departmentNumber", "ou",        "l",
                                   "st",     "postalCode",       "jid"};
}  // namespace

// What the controller and its worker share: the number of the search that
// still counts. A worker whose number is no longer current abandons.
struct LdapShared {
  std::atomic<quint64> generation{0};
};

class LdapWorker : public QObject {
  Q_OBJECT

 public:
  explicit LdapWorker(std::shared_ptr<LdapShared> shared) : m_shared(std::move(shared)) {}

  void run(quint64 generation, const LdapClient::Request& request) {
    if (!current(generation)) return;
    QString whyNot;
    LdapClient* client = ldapClient(&whyNot);
    if (!client) {
      emit answer(generation, {}, LdapContactSearch::Unavailable,
                  QStringLiteral("the LDAP client cannot be loaded: ") + whyNot, false);
      return;
    }
    const LdapClient::Answer found =
        client->search(request, [this, generation] { return !current(generation); });
    if (found.outcome == LdapClient::Abandoned) return;  // nobody waits for it
    QList<QVariantMap> entries;
    entries.reserve(found.entries.size());
    for (const QVariantMap& attributes : found.entries) entries.append(entryOf(attributes));
    emit answer(generation, entries, failureOf(found.outcome), found.error, found.truncated);
  }

 signals:
  void answer(quint64 generation, const QList<QVariantMap>& entries, int failure,
              const QString& error, bool truncated);

 private:
  bool current(quint64 generation) const { return m_shared->generation.load() == generation; }

  static int failureOf(LdapClient::Outcome outcome) {
    switch (outcome) {
      case LdapClient::Found:
        return LdapContactSearch::NoFailure;
      case LdapClient::BadServer:
        return LdapContactSearch::NotConfigured;
      case LdapClient::Refused:
        return LdapContactSearch::AuthenticationFailed;
      case LdapClient::Unreachable:
        return LdapContactSearch::ServerDown;
      case LdapClient::TimedOut:
        return LdapContactSearch::Timeout;
      case LdapClient::Abandoned:
      case LdapClient::Failed:
        break;
    }
    return LdapContactSearch::Other;
  }

  // Every value of an attribute (one of several values comes as a list),
  // and the first.
  static QStringList valuesOf(const QVariant& value) {
    if (value.type() == QVariant::StringList) return value.toStringList();
    const QString text = value.toString();
    return text.isEmpty() ? QStringList() : QStringList(text);
  }
  static QString firstOf(const QVariant& value) {
    const QStringList values = valuesOf(value);
    return values.isEmpty() ? QString() : values.first();
  }

  static QVariantMap entryOf(const QVariantMap& attributes) {
    QVariantMap entry;
    for (auto it = attributes.begin(); it != attributes.end(); ++it) {
      // "title" is a job title here, not the department the entry's other
      // sources mean by it.
      if (it.key() == QLatin1String("title")) continue;
      // An attribute of several values (two mail addresses) reads as all of them.
      entry.insert(it.key(), valuesOf(it.value()).join(QStringLiteral(", ")));
    }
    auto take = [&](const char* key, const char* from) {
      const QString value = firstOf(attributes.value(QLatin1String(from)));
      if (!value.isEmpty()) entry.insert(QLatin1String(key), value);
    };
    take("name", "cn");
    take("name", "displayname");
    take("first", "givenname");
    take("last", "sn");
    take("work", "telephonenumber");
    take("mobile", "mobile");
    take("homephone", "homephone");
    take("streetaddress", "street");
    take("department", "departmentnumber");
    take("department", "ou");
    // Numbers are called, so each stays whole: a contact has one work, one
    // mobile and one personal number, and the numbers past the first of
    // their kind take the slots left free (a second office number becomes
    // the mobile one of an entry without one, else the personal one).
    QStringList spare = valuesOf(attributes.value(QStringLiteral("telephonenumber"))).mid(1) +
                        valuesOf(attributes.value(QStringLiteral("mobile"))).mid(1) +
                        valuesOf(attributes.value(QStringLiteral("homephone"))).mid(1);
    for (const char* slot : {"mobile", "homephone"})
      if (!spare.isEmpty() && firstOf(attributes.value(QLatin1String(slot))).isEmpty())
        entry.insert(QLatin1String(slot), spare.takeFirst());
    if (!entry.contains(QStringLiteral("jid")))
      entry.insert(QStringLiteral("jid"), firstOf(attributes.value(QStringLiteral("mail"))));
    return entry;
  }

  std::shared_ptr<LdapShared> m_shared;
};

LdapContactSearch::LdapContactSearch(const RAZ::Configuration::Config* config,
                                     RAZ::Utils::Credentials::CredentialsManager* credentials,
                                     QObject* parent)
    : ContactSearch(QList<QVariantMap>(), parent),
      m_config(config),
      m_credentials(credentials),
      m_shared(std::make_shared<LdapShared>()),
      m_thread(new QThread),
      m_worker(new LdapWorker(m_shared)) {
  m_thread->setObjectName(QStringLiteral("ldap-search"));
  m_worker->moveToThread(m_thread);
  connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
  connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
  connect(m_worker, &LdapWorker::answer, this, &LdapContactSearch::onAnswer, Qt::QueuedConnection);
  m_thread->start();
}

LdapContactSearch::~LdapContactSearch() {
  // The worker abandons at its next look; a connect that still hangs finishes
  // on its own and the thread then deletes itself and the worker, so closing
  // the session never waits for the server.
  ++m_shared->generation;
  disconnect(m_worker, nullptr, this, nullptr);
  m_thread->quit();
}

bool LdapContactSearch::isConfigured() const {
  return m_config && m_config->value(ConfigId::LdapContactSearch).toBool() &&
         !m_config->value(ConfigId::LdapServer).toString().trimmed().isEmpty();
}

bool LdapContactSearch::getAuthenticationRequired() const {
  return m_config && m_config->value(ConfigId::LdapBindRequired).toBool();
}

bool LdapContactSearch::getLdapCredentials() const {
  return m_credentials &&
         !m_credentials->getCurrentCredentials(RAZ::Utils::Credentials::TypeLdap).isEmpty();
}

QString LdapContactSearch::escapeFilterText(const QString& text) {
  QString escaped;
  escaped.reserve(text.size() + 8);
  const QByteArray utf8 = text.toUtf8();
  for (const char c : utf8) {
    switch (c) {
      case '(':
      case ')':
      case '\\':
      case '\0':
        escaped += QStringLiteral("\\%1").arg(uint(uchar(c)), 2, 16, QLatin1Char('0'));
        break;
      default:
        escaped += QLatin1Char(c);
    }
  }
  // Bytes above ASCII were copied one by one: put them back together.
  return QString::fromUtf8(escaped.toLatin1());
}

void LdapContactSearch::search(RAZ::Controllers::Search::ContactSearchData data) {
  const quint64 generation = ++m_shared->generation;
  LdapClient::Request request;
  request.timeoutSeconds = kDefaultTimeoutSeconds;
  request.sizeLimit = kSizeLimit;
  for (const char* attribute : kAttributes) request.attributes << QLatin1String(attribute);
  if (m_config) {
    request.server = m_config->value(ConfigId::LdapServer).toString().trimmed();
    request.base = m_config->value(ConfigId::LdapSearchBase).toString();
    request.filter = m_config->value(ConfigId::LdapFilter).toString();
    const int timeout = m_config->value(ConfigId::LdapTimeout).toInt();
    if (timeout > 0) request.timeoutSeconds = timeout;
  }
  if (request.filter.isEmpty()) request.filter = QLatin1String(kDefaultFilter);
  QString text = data.isDefault() ? QStringLiteral("*") : data.text().trimmed();
  if (text.isEmpty()) text = QStringLiteral("*");
  request.filter = request.filter.arg(escapeFilterText(text));
  if (m_credentials) {
    const RAZ::Utils::Credentials::CredentialsData stored =
        m_credentials->getCurrentCredentials(RAZ::Utils::Credentials::TypeLdap);
    request.bindName = stored.getUsername();
    request.password = stored.getPassword();
  }
  if (!isConfigured()) {
    QMetaObject::invokeMethod(
        this,
        [this, generation] {
          onAnswer(generation, {}, NotConfigured, QStringLiteral("no directory server configured"),
                   false);
        },
        Qt::QueuedConnection);
    return;
  }
  QMetaObject::invokeMethod(
      m_worker, [worker = m_worker, generation, request] { worker->run(generation, request); },
      Qt::QueuedConnection);
}

void LdapContactSearch::cancel() { ++m_shared->generation; }

void LdapContactSearch::onAnswer(quint64 generation, const QList<QVariantMap>& entries, int failure,
                                 const QString& error, bool truncated) {
  if (generation != m_shared->generation.load()) return;
  m_failure = Failure(failure);
  m_error = error;
  m_moreResults = m_failure == NoFailure && truncated;
  if (m_failure != NoFailure) {
    qWarning().noquote() << "Corporate directory search failed:" << error;
    if (m_failure == AuthenticationFailed) {
      m_authenticationFailed = true;
      emit requestLdapCredentials();
    }
    emit searchFailed();
    return;
  }
  if (m_authenticationFailed) {
    m_authenticationFailed = false;
    emit hideLdapCredentialsError();
  }
  deliver(entries);
}

}  // namespace Search
}  // namespace Controllers
}  // namespace RAZ

#include "LdapContactSearch.moc"

#include "RAZ/Controllers/Search/LdapContactSearch.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QMetaObject>
#include <QThread>
#include <atomic>

#include <lber.h>
#include <ldap.h>

#include "RAZ/Configuration/Config.h"
#include "RAZ/Utils/Credentials.h"

namespace RAZ {
namespace Controllers {
namespace Search {

namespace {
constexpr int kAvailableId = 165;
constexpr int kServerId = 170;
constexpr int kBaseId = 171;
constexpr int kFilterId = 172;
constexpr int kBindRequiredId = 173;
constexpr int kTimeoutId = 174;
constexpr int kDefaultTimeoutSeconds = 10;
// How often the worker looks for a newer search while the server is busy.
constexpr int kPollMs = 50;
constexpr int kSizeLimit = 200;
const char* const kDefaultFilter =
    "(|(cn=%1)(sn=%1)(givenName=%1)(mail=%1)(telephoneNumber=%1)(mobile=%1))";

struct Request {
  QString server;
  QString base;
  QString filter;
  QString bindName;
  QString password;
  int timeoutSeconds = kDefaultTimeoutSeconds;
};
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

  void run(quint64 generation, const Request& request) {
    if (!current(generation)) return;
    QList<QVariantMap> entries;
    QString error;
    const int failure = execute(generation, request, entries, error);
    if (failure < 0) return;  // abandoned: nobody waits for it
    emit answer(generation, entries, failure, error);
  }

 signals:
  void answer(quint64 generation, const QList<QVariantMap>& entries, int failure,
              const QString& error);

 private:
  bool current(quint64 generation) const { return m_shared->generation.load() == generation; }

  static int failureOf(int rc) {
    switch (rc) {
      case LDAP_INVALID_CREDENTIALS:
      case LDAP_INAPPROPRIATE_AUTH:
      case LDAP_STRONG_AUTH_REQUIRED:
        return LdapContactSearch::AuthenticationFailed;
      case LDAP_SERVER_DOWN:
      case LDAP_CONNECT_ERROR:
        return LdapContactSearch::ServerDown;
      case LDAP_TIMEOUT:
      case LDAP_TIMELIMIT_EXCEEDED:
        return LdapContactSearch::Timeout;
      default:
        return LdapContactSearch::Other;
    }
  }

  static int resultCode(LDAP* ld) {
    int rc = LDAP_OTHER;
    ldap_get_option(ld, LDAP_OPT_RESULT_CODE, &rc);
    return rc;
  }

  // Waits for the answer to `msgid`, one message at a time. Returns 1 with a
  // message, 0 when the search was superseded (abandoned), -1 on an error or
  // at the deadline (rc set).
  int wait(LDAP* ld, int msgid, quint64 generation, const QDeadlineTimer& deadline,
           LDAPMessage** message, int* rc) {
    for (;;) {
      if (!current(generation)) {
        ldap_abandon_ext(ld, msgid, nullptr, nullptr);
        return 0;
      }
      if (deadline.hasExpired()) {
        ldap_abandon_ext(ld, msgid, nullptr, nullptr);
        *rc = LDAP_TIMEOUT;
        return -1;
      }
      timeval poll{0, kPollMs * 1000};
      const int type = ldap_result(ld, msgid, LDAP_MSG_ONE, &poll, message);
      if (type == 0) continue;
      if (type < 0) {
        *rc = resultCode(ld);
        return -1;
      }
      return 1;
    }
  }

  static QVariantMap entryOf(LDAP* ld, LDAPMessage* message) {
    QVariantMap attributes;
    BerElement* ber = nullptr;
    for (char* attribute = ldap_first_attribute(ld, message, &ber); attribute;
         attribute = ldap_next_attribute(ld, message, ber)) {
      berval** values = ldap_get_values_len(ld, message, attribute);
      if (values && values[0])
        attributes.insert(QString::fromUtf8(attribute).toLower(),
                          QString::fromUtf8(values[0]->bv_val, int(values[0]->bv_len)));
      ldap_value_free_len(values);
      ldap_memfree(attribute);
    }
    if (ber) ber_free(ber, 0);

    QVariantMap entry;
    for (auto it = attributes.begin(); it != attributes.end(); ++it) {
      // "title" is a job title here, not the department the entry's other
      // sources mean by it.
      if (it.key() != QLatin1String("title")) entry.insert(it.key(), it.value());
    }
    auto take = [&](const char* key, const char* from) {
      const QString value = attributes.value(QLatin1String(from)).toString();
      if (!value.isEmpty()) entry.insert(QLatin1String(key), value);
    };
    take("name", "cn");
    take("name", "displayname");
    take("first", "givenname");
    take("last", "sn");
    take("work", "telephonenumber");
    take("streetaddress", "street");
    take("department", "departmentnumber");
    take("department", "ou");
    if (!entry.contains(QStringLiteral("jid")))
      entry.insert(QStringLiteral("jid"), attributes.value(QStringLiteral("mail")));
    return entry;
  }

  // Runs the whole exchange; returns a LdapContactSearch::Failure, or -1
  // when the search was abandoned.
  int execute(quint64 generation, const Request& request, QList<QVariantMap>& entries,
              QString& error) {
    LDAP* ld = nullptr;
    int rc = ldap_initialize(&ld, request.server.toUtf8().constData());
    if (rc != LDAP_SUCCESS || !ld) {
      error = QString::fromUtf8(ldap_err2string(rc));
      return LdapContactSearch::NotConfigured;
    }
    struct Closer {
      LDAP* ld;
      ~Closer() { ldap_unbind_ext_s(ld, nullptr, nullptr); }
    } closer{ld};

    int version = LDAP_VERSION3;
    ldap_set_option(ld, LDAP_OPT_PROTOCOL_VERSION, &version);
    ldap_set_option(ld, LDAP_OPT_REFERRALS, LDAP_OPT_OFF);
    timeval timeout{request.timeoutSeconds, 0};
    ldap_set_option(ld, LDAP_OPT_NETWORK_TIMEOUT, &timeout);
    ldap_set_option(ld, LDAP_OPT_TIMEOUT, &timeout);
    const QDeadlineTimer deadline(qint64(request.timeoutSeconds) * 1000);

    // Bind: with the stored name and password, or anonymously.
    const QByteArray name = request.bindName.toUtf8();
    QByteArray password = request.password.toUtf8();
    berval credentials{ber_len_t(password.size()), password.data()};
    int msgid = 0;
    rc = ldap_sasl_bind(ld, name.isEmpty() ? nullptr : name.constData(), LDAP_SASL_SIMPLE,
                        &credentials, nullptr, nullptr, &msgid);
    if (rc != LDAP_SUCCESS) {
      error = QString::fromUtf8(ldap_err2string(rc));
      return failureOf(rc);
    }
    LDAPMessage* message = nullptr;
    int waited = wait(ld, msgid, generation, deadline, &message, &rc);
    if (waited == 0) return -1;
    if (waited < 0) {
      error = QString::fromUtf8(ldap_err2string(rc));
      return failureOf(rc);
    }
    int bindResult = LDAP_OTHER;
    rc = ldap_parse_result(ld, message, &bindResult, nullptr, nullptr, nullptr, nullptr, 1);
    if (rc != LDAP_SUCCESS) bindResult = rc;
    if (bindResult != LDAP_SUCCESS) {
      error = QString::fromUtf8(ldap_err2string(bindResult));
      return failureOf(bindResult);
    }

    const QByteArray base = request.base.toUtf8();
    const QByteArray filter = request.filter.toUtf8();
    rc = ldap_search_ext(ld, base.constData(), LDAP_SCOPE_SUBTREE, filter.constData(), nullptr, 0,
                         nullptr, nullptr, &timeout, kSizeLimit, &msgid);
    if (rc != LDAP_SUCCESS) {
      error = QString::fromUtf8(ldap_err2string(rc));
      return failureOf(rc);
    }
    for (;;) {
      waited = wait(ld, msgid, generation, deadline, &message, &rc);
      if (waited == 0) return -1;
      if (waited < 0) {
        error = QString::fromUtf8(ldap_err2string(rc));
        return failureOf(rc);
      }
      const int type = ldap_msgtype(message);
      if (type == LDAP_RES_SEARCH_ENTRY) {
        entries.append(entryOf(ld, message));
        ldap_msgfree(message);
        continue;
      }
      if (type != LDAP_RES_SEARCH_RESULT) {
        ldap_msgfree(message);
        continue;
      }
      int searchResult = LDAP_OTHER;
      rc = ldap_parse_result(ld, message, &searchResult, nullptr, nullptr, nullptr, nullptr, 1);
      if (rc != LDAP_SUCCESS) searchResult = rc;
      // A size limit still gives the entries found up to it.
      if (searchResult == LDAP_SUCCESS || searchResult == LDAP_SIZELIMIT_EXCEEDED)
        return LdapContactSearch::NoFailure;
      error = QString::fromUtf8(ldap_err2string(searchResult));
      return failureOf(searchResult);
    }
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
  return m_config && m_config->value(kAvailableId).toBool() &&
         !m_config->value(kServerId).toString().trimmed().isEmpty();
}

bool LdapContactSearch::getAuthenticationRequired() const {
  return m_config && m_config->value(kBindRequiredId).toBool();
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
  Request request;
  if (m_config) {
    request.server = m_config->value(kServerId).toString().trimmed();
    request.base = m_config->value(kBaseId).toString();
    request.filter = m_config->value(kFilterId).toString();
    const int timeout = m_config->value(kTimeoutId).toInt();
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
          onAnswer(generation, {}, NotConfigured, QStringLiteral("no directory server configured"));
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
                                 const QString& error) {
  if (generation != m_shared->generation.load()) return;
  m_failure = Failure(failure);
  m_error = error;
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

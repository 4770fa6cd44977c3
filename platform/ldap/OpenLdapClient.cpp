// The corporate directory's use of OpenLDAP's client library, built as
// libzent_ldap.so and loaded on the first search (see
// RAZ/Controllers/Search/LdapClient.h). It links no library of the program's
// own: everything it has to report goes into the answer.
#include "RAZ/Controllers/Search/LdapClient.h"

#include <QStringList>

#include <QDeadlineTimer>

#include <lber.h>
#include <ldap.h>

#include <vector>

namespace RAZ {
namespace Controllers {
namespace Search {
namespace {

// How often a busy server's search looks whether it has been given up.
constexpr int kPollMs = 50;

LdapClient::Outcome outcomeOf(int rc) {
  switch (rc) {
    case LDAP_INVALID_CREDENTIALS:
    case LDAP_INAPPROPRIATE_AUTH:
    case LDAP_STRONG_AUTH_REQUIRED:
      return LdapClient::Refused;
    case LDAP_SERVER_DOWN:
    case LDAP_CONNECT_ERROR:
      return LdapClient::Unreachable;
    case LDAP_TIMEOUT:
    case LDAP_TIMELIMIT_EXCEEDED:
      return LdapClient::TimedOut;
    default:
      return LdapClient::Failed;
  }
}

LdapClient::Answer failure(int rc) {
  LdapClient::Answer answer;
  answer.outcome = outcomeOf(rc);
  answer.error = QString::fromUtf8(ldap_err2string(rc));
  return answer;
}

LdapClient::Answer abandonedAnswer() {
  LdapClient::Answer answer;
  answer.outcome = LdapClient::Abandoned;
  return answer;
}

int resultCode(LDAP* ld) {
  int rc = LDAP_OTHER;
  ldap_get_option(ld, LDAP_OPT_RESULT_CODE, &rc);
  return rc;
}

// Waits for the answer to `msgid`, one message at a time. Returns 1 with a
// message, 0 when the search was given up (abandoned at the server too), -1
// on an error or at the deadline (rc set).
int wait(LDAP* ld, int msgid, const std::function<bool()>& abandoned,
         const QDeadlineTimer& deadline, LDAPMessage** message, int* rc) {
  for (;;) {
    if (abandoned()) {
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

QVariantMap attributesOf(LDAP* ld, LDAPMessage* message) {
  QVariantMap attributes;
  BerElement* ber = nullptr;
  for (char* attribute = ldap_first_attribute(ld, message, &ber); attribute;
       attribute = ldap_next_attribute(ld, message, ber)) {
    berval** values = ldap_get_values_len(ld, message, attribute);
    QStringList texts;
    for (int i = 0; values && values[i]; ++i)
      texts << QString::fromUtf8(values[i]->bv_val, int(values[i]->bv_len));
    if (texts.size() == 1)
      attributes.insert(QString::fromUtf8(attribute).toLower(), texts.first());
    else if (texts.size() > 1)
      attributes.insert(QString::fromUtf8(attribute).toLower(), texts);
    ldap_value_free_len(values);
    ldap_memfree(attribute);
  }
  if (ber) ber_free(ber, 0);
  return attributes;
}

class OpenLdapClient : public LdapClient {
 public:
  Answer search(const Request& request, const std::function<bool()>& abandoned) override {
    LDAP* ld = nullptr;
    int rc = ldap_initialize(&ld, request.server.toUtf8().constData());
    if (rc != LDAP_SUCCESS || !ld) {
      Answer answer;
      answer.outcome = BadServer;
      answer.error = QString::fromUtf8(ldap_err2string(rc));
      return answer;
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

    // Bind: with the given name and password, or anonymously.
    const QByteArray name = request.bindName.toUtf8();
    QByteArray password = request.password.toUtf8();
    berval credentials{ber_len_t(password.size()), password.data()};
    int msgid = 0;
    rc = ldap_sasl_bind(ld, name.isEmpty() ? nullptr : name.constData(), LDAP_SASL_SIMPLE,
                        &credentials, nullptr, nullptr, &msgid);
    if (rc != LDAP_SUCCESS) return failure(rc);
    LDAPMessage* message = nullptr;
    int waited = wait(ld, msgid, abandoned, deadline, &message, &rc);
    if (waited == 0) return abandonedAnswer();
    if (waited < 0) return failure(rc);
    int bindResult = LDAP_OTHER;
    rc = ldap_parse_result(ld, message, &bindResult, nullptr, nullptr, nullptr, nullptr, 1);
    if (rc != LDAP_SUCCESS) bindResult = rc;
    if (bindResult != LDAP_SUCCESS) return failure(bindResult);

    const QByteArray base = request.base.toUtf8();
    const QByteArray filter = request.filter.toUtf8();
    // The attribute names as the library takes them: a null-terminated list,
    // or none at all for every attribute.
    QList<QByteArray> names;
    std::vector<char*> attributes;
    for (const QString& attribute : request.attributes) names << attribute.toUtf8();
    for (QByteArray& attribute : names) attributes.push_back(attribute.data());
    attributes.push_back(nullptr);
    rc = ldap_search_ext(ld, base.constData(), LDAP_SCOPE_SUBTREE, filter.constData(),
                         names.isEmpty() ? nullptr : attributes.data(), 0, nullptr, nullptr,
                         &timeout, request.sizeLimit, &msgid);
    if (rc != LDAP_SUCCESS) return failure(rc);
    Answer answer;
    for (;;) {
      waited = wait(ld, msgid, abandoned, deadline, &message, &rc);
      if (waited == 0) return abandonedAnswer();
      if (waited < 0) return failure(rc);
      const int type = ldap_msgtype(message);
      if (type == LDAP_RES_SEARCH_ENTRY) {
        answer.entries.append(attributesOf(ld, message));
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
      if (searchResult != LDAP_SUCCESS && searchResult != LDAP_SIZELIMIT_EXCEEDED)
        return failure(searchResult);
      answer.outcome = Found;
      answer.truncated = searchResult == LDAP_SIZELIMIT_EXCEEDED;
      return answer;
    }
  }
};

}  // namespace
}  // namespace Search
}  // namespace Controllers
}  // namespace RAZ

extern "C" Q_DECL_EXPORT RAZ::Controllers::Search::LdapClient* zentCreateLdapClient() {
  return new RAZ::Controllers::Search::OpenLdapClient;
}

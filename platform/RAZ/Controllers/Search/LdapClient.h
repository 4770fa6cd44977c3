#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>

namespace RAZ {
namespace Controllers {
namespace Search {

// What the corporate directory uses of OpenLDAP's client library. It lives in
// a library of its own (libzent_ldap.so beside the program), loaded on the
// first directory search: the client library brings SASL, GnuTLS and their
// helpers (some ten libraries) that the sign-in window does not need and a
// start would otherwise wait for.
//
// A search blocks its caller (the directory's worker thread) until the server
// has answered, the time is up or the caller gives the search up. The client
// keeps nothing between searches: each one opens, binds and closes a
// connection of its own, so searches on several threads do not meet.
class LdapClient {
 public:
  struct Request {
    // "ldap://host:port".
    QString server;
    // The simple bind's name and password; an empty name binds anonymously.
    QString bindName;
    QString password;
    // The subtree searched and the filter, already escaped.
    QString base;
    QString filter;
    // The attributes asked for; none asks for all of them.
    QStringList attributes;
    // For the whole exchange: connecting, binding and searching.
    int timeoutSeconds = 10;
    // The most entries the server is to send; 0 leaves it to the server.
    int sizeLimit = 0;
  };

  // How a search ended.
  enum Outcome {
    Found,        // entries (possibly none, or the first sizeLimit of more)
    Abandoned,    // the caller gave it up: nobody is told
    BadServer,    // the server address cannot be used
    Refused,      // the bind was refused
    Unreachable,  // no connection to the server
    TimedOut,     // no answer in time
    Failed        // anything else the server or library reported
  };

  struct Answer {
    Outcome outcome = Failed;
    // One map per entry: attribute names in lower case, each with its value
    // as text, or with all its values as a string list when it has several.
    QList<QVariantMap> entries;
    // Found, but the size limit (the request's or the server's) cut the
    // entries short: more match than were sent.
    bool truncated = false;
    // The library's text for what went wrong.
    QString error;
  };

  virtual ~LdapClient() = default;

  // Runs the whole exchange. `abandoned` is asked while the server is busy
  // (a few times a second); once it answers true the search is given up.
  virtual Answer search(const Request& request, const std::function<bool()>& abandoned) = 0;
};

// The library's client, loaded on the first call and kept for the process's
// life; null when the library cannot be loaded (logged once), with the reason
// in `whyNot`. Programs of the build that do not live beside the library
// (tests, tools) find it through ZENT_DIST_DIR.
LdapClient* ldapClient(QString* whyNot = nullptr);

}  // namespace Search
}  // namespace Controllers
}  // namespace RAZ

// The library's one exported function: LdapClient* ().
#define ZENT_LDAP_ENTRY "zentCreateLdapClient"

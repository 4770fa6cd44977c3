#pragma once

#include <QObject>
#include <QString>

#include "RAZ/Sessions/SessionManagerBase.h"

namespace RAZ {
namespace Demo {

// The built-in demo service behind the stand-in client, and the scripting
// interface tests drive it with. One per process; GUI thread only.
//
// Any user name is accepted with the password "demo"; another password is
// refused with the authentication error. Sessions are not offered yet: an
// accepted sign-in currently ends with the connect-failure error.
class Service : public QObject {
  Q_OBJECT

 public:
  static Service& instance();
  static QString demoPassword() { return QStringLiteral("demo"); }

  // Script: the next sign-in fails with `error`, whatever its credentials.
  // ErrorNone clears a scripted failure.
  void failNextSignin(RAZ::Sessions::Error error);
  // Forgets every scripted behaviour and count.
  void reset();

  // The outcome of a sign-in with these credentials (consumes a scripted
  // failure). ErrorNone means the session may open.
  RAZ::Sessions::Error signinOutcome(const QString& username, const QString& password);
  int signinAttempts() const { return m_signinAttempts; }
  // Whether the service can open sessions at all.
  bool sessionsAvailable() const { return false; }

 private:
  Service() = default;

  RAZ::Sessions::Error m_nextError = RAZ::Sessions::ErrorNone;
  int m_signinAttempts = 0;
};

}  // namespace Demo
}  // namespace RAZ

#include "RAZ/Demo/Service.h"

namespace RAZ {
namespace Demo {

Service& Service::instance() {
  static Service service;
  return service;
}

void Service::failNextSignin(RAZ::Sessions::Error error) { m_nextError = error; }

void Service::reset() {
  m_nextError = RAZ::Sessions::ErrorNone;
  m_signinAttempts = 0;
}

RAZ::Sessions::Error Service::signinOutcome(const QString& username, const QString& password) {
  ++m_signinAttempts;
  if (m_nextError != RAZ::Sessions::ErrorNone) {
    const RAZ::Sessions::Error error = m_nextError;
    m_nextError = RAZ::Sessions::ErrorNone;
    return error;
  }
  if (username.trimmed().isEmpty() || password != demoPassword())
    return RAZ::Sessions::ErrorAuthentication;
  return sessionsAvailable() ? RAZ::Sessions::ErrorNone : RAZ::Sessions::ErrorConnectFailure;
}

}  // namespace Demo
}  // namespace RAZ

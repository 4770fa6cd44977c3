#include "RAZ/Xsi/XsiCredentialsControl.h"

#include <QPointer>
#include <QTimer>

#include <TP/Core/Logging.h>

namespace RAZ {
namespace Xsi {

XsiCredentialsControl::XsiCredentialsControl(QObject* parent) : QObject(parent) {
  qRegisterMetaType<RAZ::Xsi::XsiErrorInfo>("RAZ::Xsi::XsiErrorInfo");
}

void XsiCredentialsControl::updateCredentialsStatus() {
  if (!m_hasDaysLeft) return;
  const int days = m_daysLeft;
  QTimer::singleShot(0, this, [this, days] { emit credentialsDaysLeft(days); });
}

void XsiCredentialsControl::changePassword(const QString& oldPassword, const QString& newPassword) {
  XsiErrorInfo error;
  if (m_nextError.isError()) {
    error = m_nextError;
    m_nextError = XsiErrorInfo();
  } else if (oldPassword != m_password) {
    error.code = 401;
    error.message = tr("The current password is not correct.");
  } else if (newPassword.isEmpty() || newPassword == oldPassword) {
    error.code = 400;
    error.message = tr("The new password is not accepted.");
  }
  const bool ok = !error.isError();
  if (ok) {
    m_password = newPassword;
    m_hasDaysLeft = false;
  }
  TP_LOG("RAZ::Xsi::XsiCredentialsControl::changePassword",
         ok ? TP::Core::Logging::LevelInformation : TP::Core::Logging::LevelWarning)
      << "Password change " << (ok ? "accepted" : "refused");
  QTimer::singleShot(0, this, [this, ok, error] { emit passwordChangeResult(ok, error); });
}

}  // namespace Xsi
}  // namespace RAZ

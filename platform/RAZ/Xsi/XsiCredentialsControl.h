#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>

namespace RAZ {
namespace Xsi {

// Why an XSI request failed.
struct XsiErrorInfo {
  int code = 0;     // 0 none; otherwise the service's error number
  QString message;  // the service's text, shown escaped
  bool isError() const { return code != 0; }
};

// The password of the XSI (device-management) account: how long it stays
// valid and changing it. Results arrive from the event loop.
class XsiCredentialsControl : public QObject {
  Q_OBJECT

 public:
  explicit XsiCredentialsControl(QObject* parent = nullptr);

  // Days the password stays valid, as the demo service sets it; no value
  // (the default) means the service reports no expiry.
  void setDaysLeft(int days) {
    m_daysLeft = days;
    m_hasDaysLeft = true;
  }
  // The password the account holds now (the one signed in with).
  void setCurrentPassword(const QString& password) { m_password = password; }
  // The next change is refused with this error (demo scripting).
  void failNextChange(const RAZ::Xsi::XsiErrorInfo& error) { m_nextError = error; }

 public slots:
  // Asks the service for the password's expiry: credentialsDaysLeft follows
  // when it reports one.
  void updateCredentialsStatus();
  // Changes the password: passwordChangeResult(true) follows when the old
  // password is right and the new one is non-empty and differs from it.
  void changePassword(const QString& oldPassword, const QString& newPassword);

 signals:
  void credentialsDaysLeft(int days);
  void passwordChangeResult(bool success, const RAZ::Xsi::XsiErrorInfo& error);

 private:
  bool m_hasDaysLeft = false;
  int m_daysLeft = 0;
  QString m_password;
  RAZ::Xsi::XsiErrorInfo m_nextError;
};

// What a telephony-service request placed for the user (a call from the
// user's phone) reports back.
class XsiCallback {
  Q_GADGET
 public:
  enum Error {
    NoError = 0,
    CredentialsMissing = 1,
    AuthenticationFailed = 2,
    NetworkError = 3,
    MaximumActiveCalls = 100019,
    ParticipantNotFound = 101002,
    MaximumParticipants = 110649
  };
  Q_ENUM(Error)
};

// The XSI engine of the session (call park and other telephony-service
// requests go through it).
class XsiEngine : public QObject {
  Q_OBJECT

 public:
  explicit XsiEngine(const QString& userId, QObject* parent = nullptr)
      : QObject(parent), m_userId(userId) {}
  QString userId() const { return m_userId; }
  // A call the service was asked to place from the user's phone failed.
  void reportCallError(RAZ::Xsi::XsiCallback::Error error) {
    emit requestXsiCallErrorDialog(error);
  }

 signals:
  void requestXsiCallErrorDialog(RAZ::Xsi::XsiCallback::Error error);

 private:
  QString m_userId;
};

}  // namespace Xsi
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Xsi::XsiErrorInfo)

#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>

#include "dialogs/MessageWindow.h"

class QAuthenticator;
class QNetworkAccessManager;
class QTimer;

namespace Utils {

// Asks the user whether their postal address needs updating and, if so,
// sends them to the page of the address service and follows its status
// stream until it reports the outcome. A failure (refusal, network error,
// time-out, the user giving up) is reported by verificationFailed(); the
// application signs out on it.
class ExternalServiceVerification : public QObject {
  Q_OBJECT

 public:
  enum State { Idle = 0, WaitingVerification = 1, FollowingStatus = 2 };

  // How long a request may go without a response before it counts as failed.
  static const int DefaultResponseTimeoutMs = 30000;
  // Status data kept while waiting for the rest of an object; more than this
  // without a complete object is dropped as garbage.
  static const int MaxPendingStatusBytes = 64 * 1024;

  explicit ExternalServiceVerification(QObject* parent = nullptr);
  ~ExternalServiceVerification() override;

  void setServiceUrl(const QString& url);
  void setCredentials(const QString& user, const QString& password);
  void setResponseTimeout(int ms);

  int state() const { return m_state; }
  Dialogs::MessageWindow* waitWindow() const { return m_waitWindow; }
  bool isRequestRunning() const { return m_reply != nullptr; }

  // Splits status data into complete JSON objects. The objects found are
  // appended to `objects`; what remains of an unfinished object stays in
  // `buffer`. Text outside any object is dropped (and counted in `dropped`).
  static void takeJsonObjects(QByteArray& buffer, QList<QByteArray>& objects,
                              int* dropped = nullptr);

 signals:
  void verificationFailed();
  void verificationSuccessful();

 public slots:
  void start();
  void stop();

 private slots:
  void authenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator);
  void accepted();
  void closed();
  void finished();
  void error(QNetworkReply::NetworkError code);
  void downloadProgress(qint64 bytesReceived, qint64 bytesTotal);
  void readAvailable();
  void responseStarted();
  void responseTimedOut();

 private:
  QNetworkReply* sendRequest(const QString& url);
  void startWaitingStatus(const QString& statusUrl);
  void dropReply();
  void handleStatusData(const QByteArray& data);
  void closeWindows();

  QString m_serviceUrl;
  QNetworkAccessManager* m_networkManager = nullptr;
  QNetworkReply* m_reply = nullptr;
  int m_state = Idle;
  QPointer<Dialogs::MessageWindow> m_waitWindow;
  QPointer<Dialogs::MessageWindow> m_question;
  QString m_user;
  QString m_password;

  QByteArray m_statusBuffer;
  QTimer* m_responseTimer = nullptr;
};

}  // namespace Utils

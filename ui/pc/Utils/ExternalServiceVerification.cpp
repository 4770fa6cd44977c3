#include "Utils/ExternalServiceVerification.h"

#include <QAuthenticator>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Utils/SettingsKeys.h"
#include "dialogs/MessageWindow.h"

namespace Utils {

namespace {

const char* const kAuthTriesProperty = "zentAuthenticationTries";
const int kMaxLoggedBytes = 2000;

QString forLog(const QByteArray& data) {
  QString text = QString::fromUtf8(data.left(kMaxLoggedBytes));
  if (data.size() > kMaxLoggedBytes) text += QStringLiteral("... (%1 bytes)").arg(data.size());
  return text;
}

bool isWebAddress(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  return url.isValid() && !url.host().isEmpty() &&
         (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

}  // namespace

ExternalServiceVerification::ExternalServiceVerification(QObject* parent) : QObject(parent) {
  m_networkManager = new QNetworkAccessManager(this);
  connect(m_networkManager, SIGNAL(authenticationRequired(QNetworkReply*, QAuthenticator*)), this,
          SLOT(authenticationRequired(QNetworkReply*, QAuthenticator*)));
  m_responseTimer = new QTimer(this);
  m_responseTimer->setSingleShot(true);
  m_responseTimer->setInterval(DefaultResponseTimeoutMs);
  connect(m_responseTimer, SIGNAL(timeout()), this, SLOT(responseTimedOut()));
  TP_LOG("ExternalServiceVerification::ExternalServiceVerification",
         TP::Core::Logging::LevelInformation)
      << "Address verification created";
}

ExternalServiceVerification::~ExternalServiceVerification() {
  TP_LOG("ExternalServiceVerification::~ExternalServiceVerification",
         TP::Core::Logging::LevelInformation)
      << "Address verification destroyed";
  dropReply();
  // Windows left behind would ask on behalf of nobody.
  closeWindows();
}

void ExternalServiceVerification::setServiceUrl(const QString& url) { m_serviceUrl = url; }

void ExternalServiceVerification::setCredentials(const QString& user, const QString& password) {
  m_user = user;
  m_password = password;
}

void ExternalServiceVerification::setResponseTimeout(int ms) {
  m_responseTimer->setInterval(qMax(1, ms));
}

void ExternalServiceVerification::start() {
  TP_LOG("ExternalServiceVerification::start", TP::Core::Logging::LevelInformation)
      << "Starting address verification";
  if (m_serviceUrl.isEmpty()) {
    TP_LOG("ExternalServiceVerification::start", TP::Core::Logging::LevelError)
        << "No address verification service configured";
    return;
  }
  // A verification already running is given up: its request would
  // otherwise still report into the new one.
  dropReply();
  closeWindows();
  m_state = Idle;
  m_statusBuffer.clear();

  m_question = Dialogs::MessageWindow::showQuestion(
      tr("Address Verification"), tr("Do you need to update your address?"), false,
      QDialogButtonBox::Yes | QDialogButtonBox::No, false, true, nullptr);
  connect(m_question, SIGNAL(messageAccepted(bool)), this, SLOT(accepted()));
}

void ExternalServiceVerification::accepted() {
  TP_LOG("ExternalServiceVerification::accepted", TP::Core::Logging::LevelInformation)
      << "The user updates the address";
  dropReply();
  if (m_waitWindow) {
    m_waitWindow->disconnect(this);
    m_waitWindow->hide();
    m_waitWindow->deleteLater();
  }
  m_waitWindow = Dialogs::MessageWindow::showQuestion(
      tr("Waiting..."), tr("After your address has been updated you will be able to proceed."),
      false, QDialogButtonBox::Cancel, false, true, nullptr);
  connect(m_waitWindow, SIGNAL(closed()), this, SLOT(closed()));
  connect(m_waitWindow, SIGNAL(messageRejected(bool)), this, SLOT(stop()));
  connect(m_waitWindow, SIGNAL(messageRejected(bool)), this, SIGNAL(verificationFailed()));
  connect(this, SIGNAL(verificationFailed()), m_waitWindow, SLOT(deleteLater()));
  connect(this, SIGNAL(verificationSuccessful()), m_waitWindow, SLOT(deleteLater()));

  m_statusBuffer.clear();
  m_reply = sendRequest(m_serviceUrl);
  m_state = WaitingVerification;
}

QNetworkReply* ExternalServiceVerification::sendRequest(const QString& url) {
  QNetworkRequest request{QUrl(url)};
  const QString userAgent =
      RAZ::Settings(RAZ::Settings::Application).value(Utils::SettingsKey::UserAgent).toString();
  if (!userAgent.isEmpty()) request.setRawHeader("User-Agent", userAgent.toUtf8());
  request.setRawHeader("Accept", "application/json");
  QNetworkReply* reply = m_networkManager->get(request);
  connect(reply, SIGNAL(finished()), this, SLOT(finished()));
  connect(reply, SIGNAL(errorOccurred(QNetworkReply::NetworkError)), this,
          SLOT(error(QNetworkReply::NetworkError)));
  connect(reply, SIGNAL(downloadProgress(qint64, qint64)), this,
          SLOT(downloadProgress(qint64, qint64)));
  connect(reply, SIGNAL(readyRead()), this, SLOT(readAvailable()));
  connect(reply, SIGNAL(metaDataChanged()), this, SLOT(responseStarted()));
  m_responseTimer->start();
  return reply;
}

void ExternalServiceVerification::startWaitingStatus(const QString& statusUrl) {
  TP_LOG("ExternalServiceVerification::startWaitingStatus", TP::Core::Logging::LevelInformation)
      << "Following the status at " << statusUrl;
  m_statusBuffer.clear();
  m_reply = sendRequest(statusUrl);
  m_state = FollowingStatus;
}

void ExternalServiceVerification::dropReply() {
  m_responseTimer->stop();
  if (!m_reply) return;
  QNetworkReply* reply = m_reply;
  m_reply = nullptr;
  // Disconnected first: the cancellation of a request given up on is no news.
  reply->disconnect(this);
  reply->abort();
  reply->deleteLater();
}

void ExternalServiceVerification::closeWindows() {
  for (QPointer<Dialogs::MessageWindow>* window : {&m_question, &m_waitWindow}) {
    if (!*window) continue;
    (*window)->disconnect(this);
    disconnect(this, nullptr, window->data(), nullptr);
    (*window)->hide();
    (*window)->deleteLater();
    *window = nullptr;
  }
}

void ExternalServiceVerification::finished() {
  TP_LOG("ExternalServiceVerification::finished", TP::Core::Logging::LevelInformation)
      << "Request finished";
  if (!m_reply || sender() != m_reply) return;
  QNetworkReply* reply = m_reply;
  m_reply = nullptr;
  m_responseTimer->stop();
  const QByteArray data = reply->readAll();
  const int httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const bool failed = reply->error() != QNetworkReply::NoError;
  TP_LOG("ExternalServiceVerification::finished", TP::Core::Logging::LevelInformation)
      << "HTTP status: " << httpStatus << ", data: " << forLog(data);
  reply->deleteLater();

  if (m_state == WaitingVerification) {
    // An error reply was reported already; its body is not the answer.
    if (failed) return;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
      TP_LOG("ExternalServiceVerification::finished", TP::Core::Logging::LevelError)
          << "The verification reply is not a JSON object (" << parseError.errorString()
          << " at offset " << parseError.offset << "); waiting for the user to cancel";
      return;
    }
    const QJsonObject object = document.object();
    const QString redirectUrl = object.value(QStringLiteral("redirect_url")).toString();
    const QString statusUrl = object.value(QStringLiteral("status_url")).toString();
    const QString token = object.value(QStringLiteral("token")).toString();
    TP_LOG("ExternalServiceVerification::finished", TP::Core::Logging::LevelInformation)
        << "redirect_url: " << redirectUrl;
    TP_LOG("ExternalServiceVerification::finished", TP::Core::Logging::LevelInformation)
        << "status_url: " << statusUrl;
    TP_LOG("ExternalServiceVerification::finished", TP::Core::Logging::LevelInformation)
        << "token: " << token;

    const QUrl redirect(redirectUrl);
    if (!redirect.userName().isEmpty()) {
      m_user = redirect.userName(QUrl::FullyDecoded);
      m_password = redirect.password(QUrl::FullyDecoded);
    }
    // Only web pages are opened: the address comes from outside the program.
    if (isWebAddress(redirect)) {
      if (!QDesktopServices::openUrl(redirect))
        TP_LOG("ExternalServiceVerification::finished", TP::Core::Logging::LevelError)
            << "Failed to open the address page";
    } else {
      TP_LOG("ExternalServiceVerification::finished", TP::Core::Logging::LevelError)
          << "The address page is not a web address: " << redirectUrl;
    }
    if (!isWebAddress(QUrl(statusUrl))) {
      TP_LOG("ExternalServiceVerification::finished", TP::Core::Logging::LevelError)
          << "The status address is not a web address: " << statusUrl;
      return;
    }
    startWaitingStatus(statusUrl);
  } else if (m_state == FollowingStatus) {
    if (!failed && !data.isEmpty()) handleStatusData(data);
    if (m_state != FollowingStatus) return;  // the outcome arrived with the last data
    if (!m_statusBuffer.trimmed().isEmpty())
      TP_LOG("ExternalServiceVerification::finished", TP::Core::Logging::LevelError)
          << "The status stream ended inside an unfinished object: " << forLog(m_statusBuffer);
    TP_LOG("ExternalServiceVerification::finished", TP::Core::Logging::LevelInformation)
        << "The status stream ended without an outcome";
    m_statusBuffer.clear();
    m_state = Idle;
  }
}

void ExternalServiceVerification::error(QNetworkReply::NetworkError code) {
  auto* reply = qobject_cast<QNetworkReply*>(sender());
  TP_LOG("ExternalServiceVerification::error", TP::Core::Logging::LevelError)
      << "Network error " << int(code)
      << (reply ? QStringLiteral(": ") + reply->errorString() : QString());
  if (reply && reply != m_reply) return;
  m_responseTimer->stop();
  const bool wasRunning = m_state != Idle;
  m_state = Idle;
  if (code != QNetworkReply::OperationCanceledError && wasRunning) emit verificationFailed();
}

void ExternalServiceVerification::responseStarted() {
  if (sender() != m_reply) return;
  // The status stream may stay silent while the user edits the address;
  // only the verification request must keep answering.
  if (m_state == FollowingStatus)
    m_responseTimer->stop();
  else
    m_responseTimer->start();
}

void ExternalServiceVerification::responseTimedOut() {
  TP_LOG("ExternalServiceVerification::responseTimedOut", TP::Core::Logging::LevelError)
      << "The address service did not answer within " << m_responseTimer->interval() << " ms";
  const bool wasRunning = m_reply != nullptr && m_state != Idle;
  dropReply();
  m_statusBuffer.clear();
  m_state = Idle;
  if (wasRunning) emit verificationFailed();
}

void ExternalServiceVerification::downloadProgress(qint64 bytesReceived, qint64 bytesTotal) {
  if (!m_reply || sender() != m_reply) return;
  TP_LOG("ExternalServiceVerification::downloadProgress", TP::Core::Logging::LevelDetail)
      << "bytesReceived: " << bytesReceived << ", bytesTotal: " << bytesTotal;
  readAvailable();
}

void ExternalServiceVerification::readAvailable() {
  // Progress notices are rate-limited by the network layer: every arrival of
  // data is read here, so no status waits for the next one.
  if (!m_reply) return;
  if (m_state == WaitingVerification) {
    m_responseTimer->start();
    return;
  }
  if (m_state != FollowingStatus || m_reply->bytesAvailable() <= 0) return;
  const QByteArray data = m_reply->readAll();
  TP_LOG("ExternalServiceVerification::readAvailable", TP::Core::Logging::LevelInformation)
      << forLog(data);
  handleStatusData(data);
}

void ExternalServiceVerification::handleStatusData(const QByteArray& data) {
  // Objects may arrive split over several reads or several in one read.
  m_statusBuffer += data;
  QList<QByteArray> objects;
  int dropped = 0;
  takeJsonObjects(m_statusBuffer, objects, &dropped);
  if (dropped > 0)
    TP_LOG("ExternalServiceVerification::handleStatusData", TP::Core::Logging::LevelWarning)
        << "Ignored " << dropped << " bytes outside JSON objects";
  if (m_statusBuffer.size() > MaxPendingStatusBytes) {
    TP_LOG("ExternalServiceVerification::handleStatusData", TP::Core::Logging::LevelError)
        << "Dropped " << m_statusBuffer.size() << " bytes of status data without a complete object";
    m_statusBuffer.clear();
  }
  for (const QByteArray& text : qAsConst(objects)) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
      TP_LOG("ExternalServiceVerification::handleStatusData", TP::Core::Logging::LevelError)
          << "Status data is not a JSON object (" << parseError.errorString()
          << "): " << forLog(text);
      continue;
    }
    const QJsonValue value = document.object().value(QStringLiteral("statusCode"));
    bool ok = value.isDouble();
    const int statusCode = ok ? value.toInt() : value.toVariant().toString().toInt(&ok);
    if (!ok) {
      TP_LOG("ExternalServiceVerification::handleStatusData", TP::Core::Logging::LevelWarning)
          << "Status without a status code: " << forLog(text);
      continue;
    }
    TP_LOG("ExternalServiceVerification::handleStatusData", TP::Core::Logging::LevelInformation)
        << "Status Received: " << statusCode;
    if (statusCode == 0) {
      stop();
      emit verificationSuccessful();
      return;
    }
    if (statusCode == 1 || statusCode == 5 || statusCode == 30) {
      stop();
      emit verificationFailed();
      return;
    }
  }
}

void ExternalServiceVerification::takeJsonObjects(QByteArray& buffer, QList<QByteArray>& objects,
                                                  int* dropped) {
  const int n = buffer.size();
  int pos = 0;
  int consumed = 0;
  int skipped = 0;
  while (pos < n) {
    while (pos < n && QChar::isSpace(uchar(buffer.at(pos)))) ++pos;
    if (pos >= n) {
      consumed = n;
      break;
    }
    if (buffer.at(pos) != '{') {
      const int next = buffer.indexOf('{', pos);
      const int end = next < 0 ? n : next;
      skipped += end - pos;
      pos = end;
      consumed = end;
      continue;
    }
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    int end = -1;
    for (int i = pos; i < n; ++i) {
      const char c = buffer.at(i);
      if (inString) {
        if (escaped)
          escaped = false;
        else if (c == '\\')
          escaped = true;
        else if (c == '"')
          inString = false;
        continue;
      }
      if (c == '"') {
        inString = true;
      } else if (c == '{' || c == '[') {
        ++depth;
      } else if (c == '}' || c == ']') {
        if (--depth == 0) {
          end = i;
          break;
        }
      }
    }
    if (end < 0) break;  // the rest of this object is still to come
    objects << buffer.mid(pos, end - pos + 1);
    pos = end + 1;
    consumed = pos;
  }
  buffer.remove(0, consumed);
  if (dropped) *dropped = skipped;
}

void ExternalServiceVerification::closed() {
  if (m_state == Idle) return;
  stop();
  emit verificationFailed();
}

void ExternalServiceVerification::stop() {
  TP_LOG("ExternalServiceVerification::stop", TP::Core::Logging::LevelInformation)
      << "Stopping address verification";
  dropReply();
  m_statusBuffer.clear();
  m_state = Idle;
}

void ExternalServiceVerification::authenticationRequired(QNetworkReply* reply,
                                                         QAuthenticator* authenticator) {
  TP_LOG("ExternalServiceVerification::authenticationRequired", TP::Core::Logging::LevelInformation)
      << "The address service asks for credentials";
  // Offering the same credentials again would only be refused again.
  const int tries = reply ? reply->property(kAuthTriesProperty).toInt() : 0;
  if (tries > 0) {
    TP_LOG("ExternalServiceVerification::authenticationRequired", TP::Core::Logging::LevelError)
        << "The address service refused the credentials";
    return;
  }
  if (reply) reply->setProperty(kAuthTriesProperty, tries + 1);
  authenticator->setUser(m_user);
  authenticator->setPassword(m_password);
}

}  // namespace Utils

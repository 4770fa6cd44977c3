#include "Widgets/Notifications/CommunicationNotification.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QQmlContext>
#include <QQmlError>

#include <TP/Core/Logging.h>

namespace QML {

const char* const CommunicationNotification::SourceUrl =
    "qrc:/windows/Notifications/CommunicationNotification.qml";

CommunicationNotification::CommunicationNotification(QObject* session, NotificationType type,
                                                     QWidget* parent)
    : View(parent), m_session(session), m_type(type) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_TranslucentBackground);
  setClearColor(Qt::transparent);
  setResizeMode(QQuickWidget::SizeViewToRootObject);
  rootContext()->setContextProperty(QStringLiteral("rootWindow"), this);
  if (session) {
    // The scene reads nothing from a session that has gone.
    connect(session, SIGNAL(destroyed()), this, SIGNAL(sessionChanged()));
  }
}

CommunicationNotification::~CommunicationNotification() = default;

void CommunicationNotification::load() {
  setSource(QUrl(QString::fromLatin1(SourceUrl)));
  if (status() == QQuickWidget::Error) {
    const auto list = errors();
    for (const QQmlError& error : list) {
      TP_LOG("QML::CommunicationNotification::load", TP::Core::Logging::LevelError)
          << error.toString();
    }
  }
}

void CommunicationNotification::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) emit languageChanged();
  View::changeEvent(e);
}

QPoint CommunicationNotification::mousePos() const { return mapFromGlobal(QCursor::pos()); }

QString CommunicationNotification::applicationName() const {
  return QCoreApplication::applicationName();
}

void CommunicationNotification::answerWith(const QString& how) {
  if (how != m_answer) {
    m_answer = how;
    emit answerChanged();
  }
  emit callNotificationAccepted();
}

}  // namespace QML

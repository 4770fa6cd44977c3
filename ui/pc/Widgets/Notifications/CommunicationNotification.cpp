#include "Widgets/Notifications/CommunicationNotification.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QFile>
#include <QQmlContext>
#include <QQmlError>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <TP/Core/Logging.h>

#include "libqml/utils/QmlHelper.h"

namespace QML {

const char* const CommunicationNotification::SourceUrl =
    "qrc:/windows/Notifications/CommunicationNotification.qml";

CommunicationNotification::CommunicationNotification(QObject* session, NotificationType type,
                                                     QWidget* parent)
    : View(parent), m_session(session), m_type(type) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  // It rings in while the user types elsewhere: the keys stay where they
  // go (Ctrl+Shift+A hands them to the popup).
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TranslucentBackground);
  setClearColor(Qt::transparent);
  setResizeMode(QQuickWidget::SizeViewToRootObject);
  rootContext()->setContextProperty(QStringLiteral("rootWindow"), this);
  if (session) {
    // The scene reads nothing from a session that has gone.
    connect(session, SIGNAL(destroyed()), this, SIGNAL(sessionChanged()));
    if (qobject_cast<RAZ::Controllers::CommunicationSession*>(session)) {
      connect(session, SIGNAL(contactChanged()), this, SLOT(showParty()));
      showParty();
    }
  }
}

void CommunicationNotification::showParty() {
  auto* session = qobject_cast<RAZ::Controllers::CommunicationSession*>(m_session.data());
  if (!session) return;
  RAZ::Contacts::IContact* contact = session->getContact();
  if (contact != m_partyContact) {
    if (m_partyContact) disconnect(m_partyContact, nullptr, this, nullptr);
    m_partyContact = contact;
    if (contact) {
      connect(contact, SIGNAL(presenceChanged()), this, SLOT(showParty()));
      connect(contact, SIGNAL(changed()), this, SLOT(showParty()));
    }
  }
  // A party without a contact (a number, a room) has neither; a theme
  // without presence pictures shows none rather than a broken one.
  const QUrl icon(contact ? qmlHelper()->getPresenceIcon(contact->getPresenceState(), false)
                          : QString());
  const bool iconExists =
      icon.scheme() == QLatin1String("qrc") && QFile::exists(QLatin1Char(':') + icon.path());
  session->setPresenceIcon(iconExists ? icon : QUrl());
  const QString picture = contact ? contact->getAvatarUrl() : QString();
  QUrl pictureUrl(picture);
  if (!picture.isEmpty() && pictureUrl.isRelative()) pictureUrl = QUrl::fromLocalFile(picture);
  session->setContactPicture(pictureUrl);
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

void CommunicationNotification::showEvent(QShowEvent* e) {
  QWidget* active = QApplication::activeWindow();
  if (active && active != this) m_returnTo = active;
  m_giveBackArmed = true;
  View::showEvent(e);
}

bool CommunicationNotification::event(QEvent* e) {
  if (e->type() == QEvent::MouseButtonPress) m_activationAllowed = true;
  // A window system that gives the keyboard to whatever shows up would
  // hand the user's typing to the popup: it goes back where the user was,
  // unless the user asked for the popup (a click, with the pointer on
  // it, or Ctrl+Shift+A). Only the activation that came with the popup is
  // given back: one asked for later is the user's.
  if (e->type() == QEvent::WindowActivate && m_giveBackArmed && !m_activationAllowed &&
      m_returnTo && m_returnTo->isVisible() && !frameGeometry().contains(QCursor::pos())) {
    m_giveBackArmed = false;
    QPointer<QWidget> back = m_returnTo;
    QPointer<CommunicationNotification> self(this);
    QTimer::singleShot(0, back, [back, self] {
      // Answered or clicked meanwhile, or another window took the keyboard
      // (the call window the answer opened): nothing to give back.
      if (back && self && !self->m_activationAllowed && QApplication::activeWindow() == self)
        back->activateWindow();
    });
  }
  return View::event(e);
}

void CommunicationNotification::focusInEvent(QFocusEvent* e) {
  View::focusInEvent(e);
  takeKeyboard();
}

void CommunicationNotification::takeKeyboard() {
  QQuickItem* root = rootObject();
  if (!root) return;
  QQuickItem* focus = quickWindow()->activeFocusItem();
  if (focus && focus != root && focus != quickWindow()->contentItem()) return;
  QMetaObject::invokeMethod(root, "takeKeyboard");
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

#include "Widgets/Notifications/ContactMouseOver.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <RAZ/Contacts/Contacts.h>
#include <TP/Core/Logging.h>

#include "Utils/ActionsHelper.h"
#include "Utils/PresenceHelper.h"

namespace QML {

const char* const ContactMouseOver::SourceUrl = "qrc:/windows/MainWindow/ContactMouseOver.qml";

ContactMouseOver::ContactMouseOver(QWidget* parent) : View(parent) {
  setResizeMode(QQuickWidget::SizeViewToRootObject);
  setWindowFlags(Qt::ToolTip);
  // Hovering a list must never take the keyboard from it.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  m_hideTimer = new QTimer(this);
  m_hideTimer->setSingleShot(true);
  connect(m_hideTimer, SIGNAL(timeout()), this, SLOT(hide()));
}

bool ContactMouseOver::activate() {
  setSource(QUrl(QString::fromLatin1(SourceUrl)));
  if (status() == QQuickWidget::Error) {
    TP_LOG("QML::ContactMouseOver::activate", TP::Core::Logging::LevelError)
        << "The contact card did not load";
  }
  return true;
}

void ContactMouseOver::setContact(QObject* contact) {
  if (m_contact.data() != contact) {
    if (m_contact) disconnect(m_contact.data(), nullptr, this, nullptr);
    m_contact = contact;
    if (contact) {
      // The card shows what is known now, also when it changes under it.
      if (contact->metaObject()->indexOfSignal("presenceChanged()") >= 0)
        connect(contact, SIGNAL(presenceChanged()), this, SIGNAL(detailsChanged()));
      if (contact->metaObject()->indexOfSignal("changed()") >= 0)
        connect(contact, SIGNAL(changed()), this, SIGNAL(detailsChanged()));
    }
    emit contactChanged();
    emit detailsChanged();
    adjustSize();
  }
  m_hideTimer->start(HideAfterMs);
}

void ContactMouseOver::setAffiliation(int affiliation) {
  if (affiliation == m_affiliation) return;
  m_affiliation = affiliation;
  emit affiliationChanged();
}

QString ContactMouseOver::presenceText() const {
  if (!m_contact) return QString();
  const QVariant state = m_contact->property("presence");
  return state.isValid() ? Utils::PresenceHelper::textForState(state.toInt()) : QString();
}

QStringList ContactMouseOver::numbers() const {
  QStringList lines;
  auto* contact = qobject_cast<RAZ::Contacts::IContact*>(m_contact.data());
  if (!contact) return lines;
  // The labels are those of the call menus, so both read alike.
  for (int type : {13, 14, 15, 16, 39}) {
    const QString number = contact->getProperty(type).toString().trimmed();
    if (!number.isEmpty())
      lines << Utils::ActionsHelper::numberLabel(type) + QStringLiteral(": ") + number;
  }
  return lines;
}

QPoint ContactMouseOver::placeFor(const QPoint& cursor, const QSize& card, const QRect& available) {
  // Compared with the area's edges, not its size: on a screen right of or
  // below another one, the size alone would flip every card.
  const int x = cursor.x() + card.width() + 5 > available.right() + 1
                    ? cursor.x() - card.width() - 5
                    : cursor.x() + 5;
  const int y =
      cursor.y() + card.height() > available.bottom() + 1 ? cursor.y() - card.height() : cursor.y();
  return QPoint(x, y);
}

void ContactMouseOver::showAtCursor() {
  const QPoint cursor = QCursor::pos();
  QScreen* screen = QGuiApplication::screenAt(cursor);
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size());
  move(placeFor(cursor, size(), available));
  show();
}

}  // namespace QML

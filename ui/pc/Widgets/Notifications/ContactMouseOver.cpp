#include "Widgets/Notifications/ContactMouseOver.h"

#include <QTimer>

#include <TP/Core/Logging.h>

namespace QML {

const char* const ContactMouseOver::SourceUrl = "qrc:/windows/MainWindow/ContactMouseOver.qml";

ContactMouseOver::ContactMouseOver(QWidget* parent) : View(parent) {
  setResizeMode(QQuickWidget::SizeViewToRootObject);
  setWindowFlags(Qt::ToolTip);
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
    m_contact = contact;
    emit contactChanged();
    adjustSize();
  }
  m_hideTimer->start(HideAfterMs);
}

void ContactMouseOver::setAffiliation(int affiliation) {
  if (affiliation == m_affiliation) return;
  m_affiliation = affiliation;
  emit affiliationChanged();
}

}  // namespace QML

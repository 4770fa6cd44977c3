#include "libqml/components/PresenceRequestDialog.h"

#include <QAbstractItemModel>
#include <QEvent>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <TP/Core/Logging.h>

namespace QML {

PresenceRequestDialog::PresenceRequestDialog(
    RAZ::Sessions::SessionManagerBase* session,
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts, bool alwaysOnTop)
    : Window(alwaysOnTop, nullptr), m_session(session), m_contacts(contacts) {
  setObjectName(QStringLiteral("presenceRequestDialog"));
  // The window hides itself when the list empties; it lives for the session.
  setAttribute(Qt::WA_DeleteOnClose, false);
  setTitle(tr("Presence Request"));
  m_model = contacts ? contacts->getModel(RAZ::Contacts::Contacts::PresenceRequestsKind) : nullptr;
  if (m_model) {
    connect(m_model, SIGNAL(rowsInserted(QModelIndex, int, int)), this, SLOT(modelDataChanged()));
    connect(m_model, SIGNAL(rowsRemoved(QModelIndex, int, int)), this, SLOT(modelDataChanged()));
    connect(m_model, SIGNAL(dataChanged(QModelIndex, QModelIndex)), this, SLOT(modelDataChanged()));
  }
  setSource(QStringLiteral("qrc:/windows/PresenceRequestDialog/PresenceRequestDialog.qml"));
}

PresenceRequestDialog::~PresenceRequestDialog() = default;

void PresenceRequestDialog::setItemHeight(int h) {
  if (h == m_itemHeight) return;
  m_itemHeight = h;
  emit itemHeightChanged();
}

void PresenceRequestDialog::setHeightExtraSpacing(int h) {
  if (h == m_heightExtraSpacing) return;
  m_heightExtraSpacing = h;
  emit heightExtraSpacingChanged();
}

bool PresenceRequestDialog::add(QObject* object) {
  auto* contact = qobject_cast<RAZ::Contacts::IContact*>(object);
  if (!contact) return false;
  TP_LOG("QML::PresenceRequestDialog::add", TP::Core::Logging::LevelInformation)
      << "Presence request accepted";
  contact->updateProperties({{QString::number(RAZ::Contacts::Properties::KeyIgnored), false}}, {},
                            true);
  return true;
}

void PresenceRequestDialog::ignore(QObject* object) {
  auto* contact = qobject_cast<RAZ::Contacts::IContact*>(object);
  if (!contact) return;
  contact->updateProperties({{QString::number(RAZ::Contacts::Properties::KeyIgnored), true}}, {},
                            true);
}

void PresenceRequestDialog::modelDataChanged() {
  if (!m_model) return;
  const int rows = m_model->rowCount();
  if (rows == 0) {
    hide();
    return;
  }
  resize(width(), qMax(minimumWindowSize().height(), rows * m_itemHeight + m_heightExtraSpacing));
  showAndActivate();
}

void PresenceRequestDialog::changeEvent(QEvent* event) {
  Window::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) setTitle(tr("Presence Request"));
}

}  // namespace QML

#include "libqml/components/PresenceRequestDialog.h"

#include <QPointer>
#include <QTimer>

#include <QAbstractItemModel>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/ContactSynchronizer.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <TP/Core/Logging.h>

#include "Utils/ConfigIds.h"
#include "Utils/WindowManager.h"

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
  setSource(QStringLiteral("qrc:/windows/PresenceRequestDialog/PresenceRequestDialog.qml"));
  // Put aside unanswered, as every window is: the requests wait with the
  // service and come back with the next sign-in or the next request.
  closeOnKeys(CloseKeys::CtrlWAndEscape);
  // Connected after the scene's list: resizing lays the list out at once, and
  // a list not yet told of a removed row would build a delegate for it.
  if (m_model) {
    connect(m_model, SIGNAL(rowsInserted(QModelIndex, int, int)), this,
            SLOT(searchContacts(QModelIndex, int, int)));
    connect(m_model, SIGNAL(rowsInserted(QModelIndex, int, int)), this, SLOT(modelDataChanged()));
    connect(m_model, SIGNAL(rowsRemoved(QModelIndex, int, int)), this, SLOT(modelDataChanged()));
    connect(m_model, SIGNAL(dataChanged(QModelIndex, QModelIndex)), this, SLOT(modelDataChanged()));
  }
  // Requests already waiting when the session opened are looked up now and
  // shown once the session's windows are up, like the ones that come later.
  if (m_model && m_model->rowCount() > 0) {
    searchContacts(QModelIndex(), 0, m_model->rowCount() - 1);
    QTimer::singleShot(0, this, &PresenceRequestDialog::modelDataChanged);
  }
}

PresenceRequestDialog::~PresenceRequestDialog() = default;

void PresenceRequestDialog::setItemHeight(int h) {
  if (h == m_itemHeight) return;
  m_itemHeight = h;
  emit itemHeightChanged();
  // The scene measured its rows again (another text size, another language).
  if (isVisible()) fitRows();
}

void PresenceRequestDialog::setHeightExtraSpacing(int h) {
  if (h == m_heightExtraSpacing) return;
  m_heightExtraSpacing = h;
  emit heightExtraSpacingChanged();
  if (isVisible()) fitRows();
}

void PresenceRequestDialog::fitRows() {
  const int rows = m_model ? m_model->rowCount() : 0;
  resize(width(), qMax(minimumWindowSize().height(), rows * m_itemHeight + m_heightExtraSpacing));
}

bool PresenceRequestDialog::add(QObject* object) {
  auto* contact = qobject_cast<RAZ::Contacts::IContact*>(object);
  if (!contact) return false;
  TP_LOG("QML::PresenceRequestDialog::add", TP::Core::Logging::LevelInformation)
      << "Presence request accepted";
  // Allow the requester to see the user's presence, then see theirs.
  QPointer<RAZ::Contacts::IContact> guard(contact);
  contact->authorize(0);
  return guard && guard->subscribe();
}

void PresenceRequestDialog::ignore(QObject* object) {
  auto* contact = qobject_cast<RAZ::Contacts::IContact*>(object);
  if (!contact) return;
  // Ignoring is a mark of its own: no property of the contact is touched.
  contact->setIgnored(true);
}

void PresenceRequestDialog::modelDataChanged() {
  if (!m_model) return;
  const int rows = m_model->rowCount();
  if (rows == 0) {
    if (isVisible()) giveKeyboardBack();
    hide();
    return;
  }
  const bool shown = isVisible();
  fitRows();
  // It opens over the main window the user works in, not where the
  // platform puts a new window (its top-left corner without a manager).
  if (!shown) Utils::WindowManager::placeOver(this);
  showAndActivate();
}

void PresenceRequestDialog::comeForward() {
  if (!isVisible() || !m_model || m_model->rowCount() == 0) return;
  raise();
  activateWindow();
}

void PresenceRequestDialog::closeEvent(QCloseEvent* event) {
  Window::closeEvent(event);
  if (event->isAccepted()) giveKeyboardBack();
}

void PresenceRequestDialog::giveKeyboardBack() {
  if (!isActiveWindow()) return;
  // Without a window manager nobody else would: the keys typed next and the
  // first click on the main window would go nowhere.
  const auto windows = QApplication::topLevelWidgets();
  for (QWidget* w : windows)
    if (w != this && w->isVisible() && w->objectName() == QLatin1String("mainWindow")) {
      w->activateWindow();
      return;
    }
}

void PresenceRequestDialog::changeEvent(QEvent* event) {
  Window::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) setTitle(tr("Presence Request"));
}

void PresenceRequestDialog::searchContacts(const QModelIndex& parent, int first, int last) {
  if (!m_model || !m_session) return;
  const bool useIm = m_session->configuration() &&
                     m_session->configuration()->getBool(Utils::ConfigId::XmppPresenceAndChat);
  for (int row = first; row <= last; ++row) {
    const QModelIndex i = m_model->index(row, 0, parent);
    if (!i.isValid()) break;
    auto* contact = qobject_cast<RAZ::Contacts::IContact*>(
        i.data(RAZ::Contacts::Contacts::ContactObjectRole).value<QObject*>());
    if (!contact) continue;
    auto* sync =
        new RAZ::Contacts::ContactSynchronizer(m_session->contactSearchController(), useIm, this);
    connect(sync, SIGNAL(syncDone()), this, SLOT(contactSynchronized()));
    connect(sync, SIGNAL(syncError()), this, SLOT(contactSynchronized()));
    m_waiting.insert(sync, contact->getId());
  }
  startNextSearch();
}

void PresenceRequestDialog::startNextSearch() {
  // One search at a time. One that cannot start is dropped and the next
  // waiting one tried, so no request stays without its directory details.
  while (!m_running && !m_waiting.isEmpty()) {
    RAZ::Contacts::ContactSynchronizer* sync = m_waiting.begin().key();
    RAZ::Contacts::ContactPtr contact =
        m_contacts ? m_contacts->getContact(m_waiting.value(sync)) : RAZ::Contacts::ContactPtr();
    if (contact &&
        sync->syncWithDirectory(contact.data(), RAZ::Contacts::Properties::KeyImAddress)) {
      m_running = sync;
      return;
    }
    m_waiting.remove(sync);
    sync->deleteLater();
  }
}

void PresenceRequestDialog::contactSynchronized() {
  auto* sync = qobject_cast<RAZ::Contacts::ContactSynchronizer*>(sender());
  if (!sync || !m_waiting.contains(sync)) return;
  const int id = m_waiting.take(sync);
  if (sync == m_running) m_running = nullptr;
  if (RAZ::Contacts::ContactPtr contact = m_contacts ? m_contacts->getContact(id) : nullptr) {
    // Only what the contact lacks is added; its own values stay.
    QVariantMap found = sync->getProperties();
    const QVariantMap current = contact->getProperties(QList<int>());
    for (auto it = current.begin(); it != current.end(); ++it) found.remove(it.key());
    if (!found.isEmpty()) contact->updateProperties(found, QVariantMap(), false);
  }
  sync->deleteLater();
  startNextSearch();
}

}  // namespace QML

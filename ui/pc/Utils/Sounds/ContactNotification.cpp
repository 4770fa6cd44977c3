#include "Utils/Sounds/ContactNotification.h"

#include <RAZ/Contacts/Contacts.h>

#include <TP/Core/Logging.h>

#include <QAbstractItemModel>
#include "Utils/SettingsKeys.h"

namespace Utils {
namespace ContactNotification {

NotificationBase::NotificationBase(QAbstractItemModel* model, int onlineRole, QObject* parent)
    : QObject(parent), m_onlineRole(onlineRole), m_model(model) {
  if (!m_model) {
    TP_LOG("NotificationBase::NotificationBase", TP::Core::Logging::LevelWarning)
        << "no contact list; presence sounds are off";
    return;
  }
  connect(m_model, SIGNAL(rowsInserted(QModelIndex, int, int)), this,
          SLOT(rowsInserted(QModelIndex, int, int)));
  connect(m_model, SIGNAL(rowsAboutToBeRemoved(QModelIndex, int, int)), this,
          SLOT(rowsRemoved(QModelIndex, int, int)));
  connect(m_model, SIGNAL(dataChanged(QModelIndex, QModelIndex)), this,
          SLOT(dataChanged(QModelIndex, QModelIndex)));
}

void NotificationBase::recordSilently() {
  if (m_model) checkRows(0, m_model->rowCount() - 1, false);
}

void NotificationBase::checkRows(int first, int last, bool announce) {
  if (!m_model) return;
  bool announced = false;
  for (int row = first; row <= last; ++row) {
    const QModelIndex index = m_model->index(row, 0);
    const QVariant online = index.data(m_onlineRole);
    if (!online.isValid()) continue;
    const int id = index.data(ContactIdRole).toInt();
    const bool now = online.toBool();
    const bool before = m_states.value(id, false);
    if (!m_states.contains(id)) m_states.insert(id, false);
    if (now == before) continue;
    m_states[id] = now;
    if (announce && !announced && isNotifiable(now)) {
      announced = true;
      notify(id);
    }
  }
}

void NotificationBase::rowsInserted(const QModelIndex&, int first, int last) {
  checkRows(first, last, true);
}

void NotificationBase::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
  checkRows(topLeft.row(), bottomRight.row(), true);
}

void NotificationBase::rowsRemoved(const QModelIndex&, int first, int last) {
  if (!m_model) return;
  int lastId = 0;
  for (int row = first; row <= last; ++row) {
    lastId = m_model->index(row, 0).data(ContactIdRole).toInt();
    m_states.remove(lastId);
  }
  if (isNotifiable(false)) notify(lastId);
}

ContactPlayer::ContactPlayer(const QString& settingsKey, const QString& fileName, int onlineRole,
                             QAbstractItemModel* model, QObject* parent)
    : NotificationBase(model, onlineRole, parent), m_player(settingsKey, fileName, nullptr) {
  // Contacts already online when the session starts are only recorded: an
  // announcement here would greet the user with a sound for nothing new.
  recordSilently();
}

void ContactPlayer::notify(int) {
  m_player.setLoops(1);
  m_player.play();
}

ContactOnlinePlayer::ContactOnlinePlayer(QAbstractItemModel* model, QObject* parent)
    : ContactPlayer(Utils::SettingsKey::SoundContactOnlineEnabled,
                    QStringLiteral(":/sounds/contact_online.wav"), OnlineRole, model, parent) {}

ContactOnlinePlayer::ContactOnlinePlayer(
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts, QObject* parent)
    : ContactOnlinePlayer(
          contacts ? contacts->getModel(RAZ::Contacts::Contacts::ContactListKind) : nullptr,
          parent) {}

}  // namespace ContactNotification
}  // namespace Utils

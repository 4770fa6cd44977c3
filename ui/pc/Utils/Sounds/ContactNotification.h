#pragma once

#include "Utils/Sounds/SettingsBoolPlayer.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <RAZ/Contacts/Contacts.h>
#include <tp/core/SharedPointer.h>

class QAbstractItemModel;
class QModelIndex;

namespace Utils {
namespace ContactNotification {

// Follows the contact list model, remembers whether each contact was last
// seen online, and announces a change of that state (at most one announcement
// per model notice) when the subclass finds the new state worth announcing.
class NotificationBase : public QObject {
  Q_OBJECT
 public:
  // Model roles of the contact list.
  enum {
    ContactIdRole = RAZ::Contacts::Contacts::IdRole,
    OnlineRole = RAZ::Contacts::Contacts::OnlineRole
  };

  // `model` is the contacts manager's contact list (kind 1); not owned.
  NotificationBase(QAbstractItemModel* model, int onlineRole, QObject* parent = nullptr);

  // The last online state seen per contact id.
  const QHash<int, bool>& states() const { return m_states; }

 protected:
  virtual void notify(int contactId) = 0;
  virtual bool isNotifiable(bool online) = 0;

  // Records the rows' states without announcing anything.
  void recordSilently();

 public slots:
  void rowsInserted(const QModelIndex& parent, int first, int last);
  void rowsRemoved(const QModelIndex& parent, int first, int last);
  void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);

 private:
  void checkRows(int first, int last, bool announce);

  int m_onlineRole;
  QHash<int, bool> m_states;
  QPointer<QAbstractItemModel> m_model;
};

// Plays a sound, gated by a user preference, when a contact's change is
// announced.
class ContactPlayer : public NotificationBase {
  Q_OBJECT
 public:
  ContactPlayer(const QString& settingsKey, const QString& fileName, int onlineRole,
                QAbstractItemModel* model, QObject* parent = nullptr);

  Utils::Sounds::SettingsBoolPlayer& player() { return m_player; }

 protected:
  void notify(int contactId) override;

 private:
  Utils::Sounds::SettingsBoolPlayer m_player;
};

// The sound of a contact coming online.
class ContactOnlinePlayer : public ContactPlayer {
  Q_OBJECT
 public:
  explicit ContactOnlinePlayer(QAbstractItemModel* model, QObject* parent = nullptr);
  // Follows the contact list (kind 1) of the session's contacts manager.
  explicit ContactOnlinePlayer(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                               QObject* parent = nullptr);

 protected:
  bool isNotifiable(bool online) override { return online; }
};

}  // namespace ContactNotification
}  // namespace Utils

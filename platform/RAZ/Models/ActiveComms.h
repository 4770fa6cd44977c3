#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSortFilterProxyModel>

namespace RAZ {
namespace Controllers {
class CommsSessionController;
class CommunicationSession;
}  // namespace Controllers
namespace Models {

// The running communication sessions of a signed-in session, one row each,
// oldest first: what the main window lists as active communications.
//
// Roles: Qt::DisplayRole the party's name, then the item type (always a
// session), the session object, the session's activity bits, the call's
// state (NoCallState without a call) and the party's contact identifier.
class ActiveCommsModel : public QAbstractListModel {
  Q_OBJECT

 public:
  enum Role {
    ItemTypeRole = 317,
    SessionRole = 350,
    ActivityRole = 351,
    CallStateRole = 352,
    ContactIdRole = 353
  };
  static constexpr int NoCallState = -1;

  ActiveCommsModel(RAZ::Controllers::CommsSessionController* controller, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;
  RAZ::Controllers::CommunicationSession* sessionAt(int row) const;

 signals:
  // A call was answered: the list's selection should move to it.
  void selectActiveSession();

 private:
  void add(RAZ::Controllers::CommunicationSession* session);
  void remove(QObject* session);
  void changed(QObject* session);
  // A room's row shows the room's name and whether the user owns it.
  void watchChat(RAZ::Controllers::CommunicationSession* session);

  QPointer<RAZ::Controllers::CommsSessionController> m_controller;
  QList<QPointer<RAZ::Controllers::CommunicationSession>> m_sessions;
  QHash<QObject*, QPointer<QObject>> m_watchedChats;  // session -> its chat
};

// The active communications in display order.
class ActiveCommsFilter : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit ActiveCommsFilter(QObject* parent = nullptr);

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

}  // namespace Models
}  // namespace RAZ

#include "RAZ/Models/ActiveComms.h"

#include "RAZ/Controllers/ChatInterface.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Controllers/CommunicationSession.h"
#include "RAZ/MediaEngine/CallBasePtr.h"
#include "RAZ/Models/SelectionHandler.h"

namespace RAZ {
namespace Models {

using RAZ::Controllers::CommunicationSession;

ActiveCommsModel::ActiveCommsModel(RAZ::Controllers::CommsSessionController* controller,
                                   QObject* parent)
    : QAbstractListModel(parent), m_controller(controller) {
  if (!controller) return;
  const auto commsList = controller->commsList();
  for (CommunicationSession* session : commsList) add(session);
  connect(controller, &RAZ::Controllers::CommsSessionController::sessionCreated, this,
          [this](CommunicationSession* session, bool) { add(session); });
}

void ActiveCommsModel::add(CommunicationSession* session) {
  if (!session) return;
  for (const auto& known : qAsConst(m_sessions))
    if (known == session) return;
  beginInsertRows(QModelIndex(), m_sessions.size(), m_sessions.size());
  m_sessions.append(session);
  endInsertRows();
  connect(session, QOverload<CommunicationSession*>::of(&CommunicationSession::closed), this,
          [this](CommunicationSession* s) { remove(s); });
  connect(session, &QObject::destroyed, this, &ActiveCommsModel::remove);
  connect(session, &CommunicationSession::sessionStateChanged, this,
          [this, session] { changed(session); });
  connect(session, &CommunicationSession::partyNameChanged, this,
          [this, session] { changed(session); });
  connect(session, &CommunicationSession::chatActiveChanged, this,
          [this, session] { watchChat(session); });
  watchChat(session);
  connect(session, &CommunicationSession::callStateChanged, this,
          [this, session](RAZ::MediaEngine::CallBasePtr*,
                          RAZ::MediaEngine::CallBasePtr::CallState state) {
            changed(session);
            if (state == RAZ::MediaEngine::CallBasePtr::StateInCall) emit selectActiveSession();
          });
}

void ActiveCommsModel::watchChat(CommunicationSession* session) {
  RAZ::Controllers::ChatInterface* chat = session->getChatInterface();
  if (!chat || m_watchedChats.value(session) == chat) return;
  m_watchedChats.insert(session, chat);
  QPointer<CommunicationSession> guard(session);
  auto update = [this, guard] {
    if (guard) changed(guard);
  };
  connect(chat, &RAZ::Controllers::ChatInterface::subjectChanged, this, update);
  connect(chat, &RAZ::Controllers::ChatInterface::roomOwnerChanged, this, update);
}

void ActiveCommsModel::remove(QObject* session) {
  m_watchedChats.remove(session);
  for (int row = 0; row < m_sessions.size(); ++row) {
    // A destroyed session's guard is already null: drop those rows as well.
    if (m_sessions.at(row) == session || m_sessions.at(row).isNull()) {
      beginRemoveRows(QModelIndex(), row, row);
      m_sessions.removeAt(row);
      endRemoveRows();
      --row;
    }
  }
}

void ActiveCommsModel::changed(QObject* session) {
  for (int row = 0; row < m_sessions.size(); ++row)
    if (m_sessions.at(row) == session) emit dataChanged(index(row), index(row));
}

int ActiveCommsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_sessions.size();
}

CommunicationSession* ActiveCommsModel::sessionAt(int row) const {
  return row >= 0 && row < m_sessions.size() ? m_sessions.at(row).data() : nullptr;
}

QVariant ActiveCommsModel::data(const QModelIndex& index, int role) const {
  CommunicationSession* session = index.isValid() ? sessionAt(index.row()) : nullptr;
  if (!session) return QVariant();
  switch (role) {
    case Qt::DisplayRole:
      return session->partyName();
    case ItemTypeRole:
      return int(Groups::ItemSession);
    case SessionRole:
      return QVariant::fromValue(static_cast<QObject*>(session));
    case ActivityRole:
      return session->getState();
    case CallStateRole:
      return session->getCall() ? int(session->getCall()->getCallState()) : NoCallState;
    case ContactIdRole:
      return session->contactId();
    default:
      return QVariant();
  }
}

QHash<int, QByteArray> ActiveCommsModel::roleNames() const {
  QHash<int, QByteArray> roles = QAbstractListModel::roleNames();
  roles.insert(ItemTypeRole, "itemType");
  roles.insert(SessionRole, "session");
  roles.insert(ActivityRole, "activity");
  roles.insert(CallStateRole, "callState");
  roles.insert(ContactIdRole, "contactId");
  return roles;
}

ActiveCommsFilter::ActiveCommsFilter(QObject* parent) : QSortFilterProxyModel(parent) {
  setDynamicSortFilter(true);
}

bool ActiveCommsFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  // Calls before chats; otherwise the order they started in.
  const bool leftCall = left.data(ActiveCommsModel::ActivityRole).toUInt() & 2u;
  const bool rightCall = right.data(ActiveCommsModel::ActivityRole).toUInt() & 2u;
  if (leftCall != rightCall) return leftCall;
  return left.row() < right.row();
}

}  // namespace Models
}  // namespace RAZ

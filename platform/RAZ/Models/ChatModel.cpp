#include "RAZ/Models/ChatModel.h"

#include <QTimer>

#include <algorithm>

namespace RAZ {
namespace Models {

using RAZ::Data::Message::Data;

ChatModel::ChatModel(QObject* parent) : QObject(parent) {}

ChatModel::~ChatModel() = default;

Data ChatModel::getLastMessage() const { return m_shown.isEmpty() ? Data() : m_shown.last(); }

int ChatModel::appendMessage(Data message) {
  message.setId(m_nextId++);
  if (!message.getTime().isValid()) message.setTime(QDateTime::currentDateTime());
  const bool sameRun = !m_shown.isEmpty() &&
                       m_shown.last().getSenderId() == message.getSenderId() &&
                       m_shown.last().getDirection() == message.getDirection();
  message.setIsFirstMessage(!sameRun);
  m_session.append(message);
  m_shown.append(message);
  Data copy = message;
  emit messageAdded(m_shown.size() - 1, copy);
  return message.getId();
}

void ChatModel::addHistory(Data message) {
  message.setId(m_nextId++);
  m_history.append(message);
  std::stable_sort(m_history.begin(), m_history.end(),
                   [](const Data& a, const Data& b) { return a.getTime() < b.getTime(); });
}

bool ChatModel::removeMessage(int id) {
  for (int i = 0; i < m_shown.size(); ++i) {
    if (m_shown.at(i).getId() != id) continue;
    Data removed = m_shown.takeAt(i);
    m_session.erase(std::remove_if(m_session.begin(), m_session.end(),
                                   [id](const Data& d) { return d.getId() == id; }),
                    m_session.end());
    m_history.erase(std::remove_if(m_history.begin(), m_history.end(),
                                   [id](const Data& d) { return d.getId() == id; }),
                    m_history.end());
    emit messageRemoved(i, removed);
    return true;
  }
  return false;
}

bool ChatModel::updateMessageStatus(int id, int status, bool sent) {
  for (int i = 0; i < m_shown.size(); ++i) {
    if (m_shown.at(i).getId() != id) continue;
    m_shown[i].setStatus(status);
    m_shown[i].setSent(sent);
    Data copy = m_shown.at(i);
    emit messageUpdated(i, copy);
    return true;
  }
  return false;
}

QDateTime ChatModel::cutOff(int age) {
  const QDateTime today(QDate::currentDate(), QTime(0, 0));
  switch (age) {
    case Yesterday:
      return today.addDays(-1);
    case LastWeek:
      return today.addDays(-7);
    case LastMonth:
      return today.addMonths(-1);
    case All:
      return QDateTime();
    default:
      // The recent conversation: a chat opened again, or after a restart,
      // goes on from what was said in it during the last day.
      return QDateTime::currentDateTime().addSecs(-kRecentSecs);
  }
}

void ChatModel::rebuild() {
  const QDateTime from = cutOff(m_age);
  m_shown.clear();
  for (const Data& d : qAsConst(m_history))
    if (!from.isValid() || d.getTime() >= from) m_shown.append(d);
  m_shown.append(m_session);
  for (int i = 0; i < m_shown.size(); ++i) {
    const bool sameRun = i > 0 && m_shown.at(i - 1).getSenderId() == m_shown.at(i).getSenderId() &&
                         m_shown.at(i - 1).getDirection() == m_shown.at(i).getDirection();
    m_shown[i].setIsFirstMessage(!sameRun);
  }
}

void ChatModel::getMessagesFrom(int age) {
  m_age = age;
  // The service answers later, never inside the request.
  QTimer::singleShot(0, this, [this] {
    rebuild();
    emit modelReset();
  });
}

void ChatModel::deleteHistory() {
  m_history.clear();
  m_session.clear();
  m_shown.clear();
  emit historyDeleted();
  QTimer::singleShot(0, this, [this] { emit modelReset(); });
}

}  // namespace Models
}  // namespace RAZ

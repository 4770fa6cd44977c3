#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>

#include "RAZ/Data/Message.h"

namespace RAZ {
namespace Models {

// The messages of one chat, oldest first. The history of earlier days is
// kept too; the model shows the current session's messages plus the history
// period last asked for (getMessagesFrom), which it reports with modelReset()
// from the event loop, as the service would. The period Session holds the
// history of the last day (kRecentSecs), so that a chat opened again shows
// the recent conversation.
class ChatModel : public QObject {
  Q_OBJECT

 public:
  // History periods.
  enum MessageAge { Session = 0, Yesterday = 1, LastWeek = 2, LastMonth = 3, All = 4 };
  Q_ENUM(MessageAge)
  static constexpr int kRecentSecs = 24 * 60 * 60;

  explicit ChatModel(QObject* parent = nullptr);
  ~ChatModel() override;

  QList<RAZ::Data::Message::Data> getMessages() const { return m_shown; }
  // The newest shown message; one with id 0 when there is none.
  RAZ::Data::Message::Data getLastMessage() const;
  int messageCount() const { return m_shown.size(); }

  // --- Service side (the demo service and its scripts) ---
  // Adds a message of the running session and reports it. Its id is given
  // here; it opens a group unless the previous shown message has the same
  // sender and direction. Returns the id.
  int appendMessage(RAZ::Data::Message::Data message);
  // Adds an older message to the stored history (not shown until a history
  // period that holds it is asked for).
  void addHistory(RAZ::Data::Message::Data message);
  // Removes / changes a shown message by id; false when there is none.
  bool removeMessage(int id);
  bool updateMessageStatus(int id, int status, bool sent);
  // Asks the window to show the hint on adding participants.
  void requestAddUsersInfo() { emit showAddUsersInfo(); }

 public slots:
  void getMessagesFrom(int age);
  void deleteHistory();
  void setMessagesRead(bool read) { m_read = read; }

 signals:
  void messageAdded(int index, RAZ::Data::Message::Data& message);
  void messageRemoved(int index, RAZ::Data::Message::Data& message);
  void messageUpdated(int index, RAZ::Data::Message::Data& message);
  void modelReset();
  void showAddUsersInfo();
  // The user deleted the chat's history (the service forgets it too).
  void historyDeleted();

 private:
  static QDateTime cutOff(int age);
  void rebuild();

  QList<RAZ::Data::Message::Data> m_history;  // stored, oldest first
  QList<RAZ::Data::Message::Data> m_session;  // this session's
  QList<RAZ::Data::Message::Data> m_shown;
  int m_age = Session;
  int m_nextId = 1;
  bool m_read = false;
};

}  // namespace Models
}  // namespace RAZ

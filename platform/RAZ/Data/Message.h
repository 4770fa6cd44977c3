#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

namespace RAZ {
namespace Data {
namespace Message {

// One chat message as the chat model keeps it.
class Data {
 public:
  enum Direction { Sent = 0, Received = 1 };
  enum Type { Chat = 0, Sms = 2 };
  // Status bits: 2 marks a message whose send request timed out.
  enum Status { StatusNone = 0, StatusTimedOut = 2 };

  Data() = default;
  Data(int id, int direction, const QString& senderId, const QString& text, const QDateTime& time)
      : m_id(id), m_direction(direction), m_senderId(senderId), m_text(text), m_time(time) {}

  // True for the first message of a run of messages of one sender.
  bool getIsFirstMessage() const { return m_first; }
  int getId() const { return m_id; }
  int getDirection() const { return m_direction; }
  int getType() const { return m_type; }
  QDateTime getTime() const { return m_time; }
  QString getSenderId() const { return m_senderId; }
  QString getText() const { return m_text; }
  bool getSent() const { return m_sent; }
  int getStatus() const { return m_status; }

  void setIsFirstMessage(bool first) { m_first = first; }
  void setId(int id) { m_id = id; }
  void setType(int type) { m_type = type; }
  void setTime(const QDateTime& time) { m_time = time; }
  void setText(const QString& text) { m_text = text; }
  void setSent(bool sent) { m_sent = sent; }
  void setStatus(int status) { m_status = status; }

 private:
  bool m_first = true;
  int m_id = 0;
  int m_direction = Sent;
  int m_type = Chat;
  QString m_senderId;
  QString m_text;
  QDateTime m_time;
  bool m_sent = true;
  int m_status = StatusNone;
};

}  // namespace Message
}  // namespace Data
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Data::Message::Data)

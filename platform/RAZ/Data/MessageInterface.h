#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include "RAZ/Data/Message.h"

namespace RAZ {
namespace Data {
namespace Message {

// One chat message as a scene sees it: what the chat model keeps of it,
// read only. Scenes name its direction as Message.Sent and
// Message.Received.
class Interface : public QObject {
  Q_OBJECT
  Q_PROPERTY(int id READ getId CONSTANT)
  Q_PROPERTY(int direction READ getDirection CONSTANT)
  Q_PROPERTY(QString senderId READ getSenderId CONSTANT)
  Q_PROPERTY(QString text READ getText CONSTANT)
  Q_PROPERTY(QDateTime time READ getTime CONSTANT)

 public:
  enum Direction { Sent = Data::Sent, Received = Data::Received };
  Q_ENUM(Direction)

  explicit Interface(const Data& message = Data(), QObject* parent = nullptr)
      : QObject(parent), m_message(message) {}

  int getId() const { return m_message.getId(); }
  int getDirection() const { return m_message.getDirection(); }
  QString getSenderId() const { return m_message.getSenderId(); }
  QString getText() const { return m_message.getText(); }
  QDateTime getTime() const { return m_message.getTime(); }

 private:
  Data m_message;
};

}  // namespace Message
}  // namespace Data
}  // namespace RAZ

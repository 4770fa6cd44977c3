#include "RAZ/Controllers/ChatInterface.h"

#include "RAZ/Models/ChatModel.h"
#include "RAZ/Models/ChatParticipants.h"
#include "RAZ/Models/FTModel.h"

namespace RAZ {
namespace Controllers {

ChatInterface::ChatInterface(const QString& peer, bool isRoom, QObject* parent)
    : QObject(parent),
      m_peer(peer),
      m_room(isRoom),
      m_chatModel(new RAZ::Models::ChatModel(this)),
      m_participants(new RAZ::Models::ChatParticipants(this)) {
  if (!m_room) m_ftModel = new RAZ::Models::FTModel(this);
  connect(this, &ChatInterface::messageReceived, this, &ChatInterface::storeReceived);
}

ChatInterface::~ChatInterface() { emit closed(this, 0); }

void ChatInterface::setIsTyping(bool typing) {
  if (typing == m_typing) return;
  m_typing = typing;
  emit isTypingChanged();
}

void ChatInterface::setTypers(const QStringList& typers) {
  if (typers == m_typers) return;
  m_typers = typers;
  emit typersChanged(typers);
}

bool ChatInterface::sendMessage(const QString& text) {
  if (text.trimmed().isEmpty()) return false;
  m_chatModel->appendMessage(
      RAZ::Data::Message::Data(0, RAZ::Data::Message::Data::Sent, QString(), text, QDateTime()));
  setIsTyping(false);
  emit messageSent(text);
  return true;
}

void ChatInterface::deleteMessage(int id) { m_chatModel->removeMessage(id); }

void ChatInterface::accept() {
  if (m_accepted) return;
  m_accepted = true;
  emit accepted();
}

void ChatInterface::storeReceived(const QString& from, const QString& text) {
  // A party that sends has stopped typing.
  QStringList typers = m_typers;
  if (m_room)
    typers.removeAll(from);
  else
    typers.clear();
  setTypers(typers);
  m_chatModel->appendMessage(
      RAZ::Data::Message::Data(0, RAZ::Data::Message::Data::Received, from, text, QDateTime()));
}

}  // namespace Controllers
}  // namespace RAZ

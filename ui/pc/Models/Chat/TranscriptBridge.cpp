#include "Models/Chat/TranscriptBridge.h"

#include <RAZ/Controllers/ChatInterface.h>

#include "Models/Chat/MessageModel.h"

namespace Models {
namespace Chat {

void TranscriptBridge::acceptClicked(const QString& transferId) {
  if (m_model) QMetaObject::invokeMethod(m_model, "acceptFtClicked", Q_ARG(QVariant, transferId));
}

void TranscriptBridge::cancelClicked(const QString& transferId) {
  if (m_model) QMetaObject::invokeMethod(m_model, "cancelFtClicked", Q_ARG(QVariant, transferId));
}

void TranscriptBridge::openFileClicked(const QString& transferId) {
  if (m_model) QMetaObject::invokeMethod(m_model, "openFileClicked", Q_ARG(QVariant, transferId));
}

void TranscriptBridge::showInFolderClicked(const QString& transferId) {
  if (m_model)
    QMetaObject::invokeMethod(m_model, "showFileInFolderClicked", Q_ARG(QVariant, transferId));
}

void TranscriptBridge::setModel(MessageModel* model) {
  if (model == m_model) return;
  if (m_model) disconnect(m_model, &QObject::destroyed, this, &TranscriptBridge::modelChanged);
  m_model = model;
  if (model) connect(model, &QObject::destroyed, this, &TranscriptBridge::modelChanged);
  emit modelChanged();
}

void TranscriptBridge::setChat(RAZ::Controllers::ChatInterface* chat) {
  if (chat == m_chat) return;
  if (m_chat) disconnect(m_chat, &QObject::destroyed, this, &TranscriptBridge::chatChanged);
  m_chat = chat;
  if (chat) connect(chat, &QObject::destroyed, this, &TranscriptBridge::chatChanged);
  emit chatChanged();
}

void TranscriptBridge::setLastMessage(const QString& html) {
  if (html == m_lastMessage) return;
  m_lastMessage = html;
  emit lastMessageChanged();
}

QObject* TranscriptBridge::modelObject() const { return m_model.data(); }
void TranscriptBridge::setModelObject(QObject* model) {
  setModel(qobject_cast<MessageModel*>(model));
}
QObject* TranscriptBridge::chatObject() const { return m_chat.data(); }
void TranscriptBridge::setChatObject(QObject* chat) {
  setChat(qobject_cast<RAZ::Controllers::ChatInterface*>(chat));
}

void TranscriptBridge::performHtmlCommand(const QString& command, int id) {
  if (command != QLatin1String("delete") || !m_chat) return;
  m_chat->deleteMessage(id);
}

QString TranscriptBridge::jsString(const QString& text) {
  QString out;
  out.reserve(text.size() + 2);
  out += QLatin1Char('"');
  for (QChar c : text) {
    const ushort u = c.unicode();
    if (u == '"' || u == '\\' || u == '\'' || u == '<' || u == '>' || u == '&' || u < 0x20 ||
        u == 0x2028 || u == 0x2029 || u == 0x7f) {
      out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
    } else {
      out += c;
    }
  }
  out += QLatin1Char('"');
  return out;
}

}  // namespace Chat
}  // namespace Models

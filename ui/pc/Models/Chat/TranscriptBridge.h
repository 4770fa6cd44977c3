#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <RAZ/Controllers/ChatInterface.h>

namespace Models {
namespace Chat {

class MessageModel;

// The object the transcript page's script sees as window.qml: it hands
// fragments over (lastMessage / getLatestMessage) and takes the page's
// clicks back to the transcript model and the chat.
class TranscriptBridge : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString lastMessage READ lastMessage WRITE setLastMessage NOTIFY lastMessageChanged)
  // The scene's way in: the transcript model and the session's chat.
  Q_PROPERTY(QObject* model READ modelObject WRITE setModelObject NOTIFY modelChanged)
  Q_PROPERTY(QObject* chat READ chatObject WRITE setChatObject NOTIFY chatChanged)

 public:
  explicit TranscriptBridge(QObject* parent = nullptr) : QObject(parent) {}

  // Each is followed until it is replaced or destroyed; either change is
  // notified.
  void setModel(Models::Chat::MessageModel* model);
  void setChat(RAZ::Controllers::ChatInterface* chat);
  QObject* modelObject() const;
  void setModelObject(QObject* model);
  QObject* chatObject() const;
  void setChatObject(QObject* chat);
  // A text as a script string literal: quotes, backslashes, markup
  // characters, line ends and separators are escaped (for the scene's calls
  // into the page).
  Q_INVOKABLE QString scriptString(const QString& text) const { return jsString(text); }
  static QString jsString(const QString& text);
  QString lastMessage() const { return m_lastMessage; }
  void setLastMessage(const QString& html);

  Q_INVOKABLE QString getLatestMessage() const { return m_lastMessage; }
  Q_INVOKABLE void acceptClicked(const QString& transferId);
  Q_INVOKABLE void cancelClicked(const QString& transferId);
  Q_INVOKABLE void openFileClicked(const QString& transferId);
  Q_INVOKABLE void showInFolderClicked(const QString& transferId);
  // "delete" asks the chat to delete the message; other commands are ignored.
  Q_INVOKABLE void performHtmlCommand(const QString& command, int id);

 signals:
  void lastMessageChanged();
  void modelChanged();
  void chatChanged();

 private:
  QPointer<Models::Chat::MessageModel> m_model;
  QPointer<RAZ::Controllers::ChatInterface> m_chat;
  QString m_lastMessage;
};

}  // namespace Chat
}  // namespace Models

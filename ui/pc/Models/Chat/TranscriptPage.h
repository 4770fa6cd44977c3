#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWebPage>

#include <RAZ/Controllers/ChatInterface.h>

#include "Models/Chat/MessageModel.h"

namespace Models {
namespace Chat {

// The object the transcript page's script sees as window.qml: it hands
// fragments over (lastMessage / getLatestMessage) and takes the page's
// clicks back to the transcript model and the chat.
class TranscriptBridge : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString lastMessage READ lastMessage WRITE setLastMessage)

 public:
  explicit TranscriptBridge(QObject* parent = nullptr) : QObject(parent) {}

  void setModel(Models::Chat::MessageModel* model) { m_model = model; }
  void setChat(RAZ::Controllers::ChatInterface* chat) { m_chat = chat; }
  QString lastMessage() const { return m_lastMessage; }
  void setLastMessage(const QString& html) { m_lastMessage = html; }

  Q_INVOKABLE QString getLatestMessage() const { return m_lastMessage; }
  Q_INVOKABLE void acceptClicked(const QString& transferId);
  Q_INVOKABLE void cancelClicked(const QString& transferId);
  Q_INVOKABLE void openFileClicked(const QString& transferId);
  Q_INVOKABLE void showInFolderClicked(const QString& transferId);
  // "delete" asks the chat to delete the message; other commands are ignored.
  Q_INVOKABLE void performHtmlCommand(const QString& command, int id);

 private:
  QPointer<Models::Chat::MessageModel> m_model;
  QPointer<RAZ::Controllers::ChatInterface> m_chat;
  QString m_lastMessage;
};

// Shows a transcript model in a web page and runs the page's side of the
// bridge: the document is reloaded whenever the model rebuilds it, and each
// fragment, rename and transfer update is handed to the page's script.
// The page may belong to a view item; it is not owned. It loads only the
// page's own resources (RestrictedNetworkAccess) and clicked links take the
// web views' one route (WebLinkRouter).
class TranscriptPage : public QObject {
  Q_OBJECT

 public:
  TranscriptPage(Models::Chat::MessageModel* model, QWebPage* page, QObject* parent = nullptr);
  ~TranscriptPage() override;

  QWebPage* page() const { return m_page; }
  TranscriptBridge* bridge() const { return m_bridge; }
  void setChat(RAZ::Controllers::ChatInterface* chat) { m_bridge->setChat(chat); }

  // A text as a script string literal: quotes, backslashes, markup
  // characters, line ends and separators are escaped.
  static QString jsString(const QString& text);

 public slots:
  void reload();

 signals:
  // A link of the page was clicked; it has been routed already.
  void linkActivated(const QUrl& url);

 private slots:
  void addMessage(QVariant html, QVariant prepend);
  void contactNameChanged(QVariant contactId, QVariant name);
  void ftStateChanged(QVariant id, QVariant innerHtml);
  void ftProgressChanged(QVariant id, QVariant percent, QVariant bytes);
  void publishBridge();
  void loadFinished(bool ok);
  void linkClicked(const QUrl& url);

 private:
  QVariant run(const QString& script);

  QPointer<Models::Chat::MessageModel> m_model;
  QPointer<QWebPage> m_page;
  TranscriptBridge* m_bridge;
};

}  // namespace Chat
}  // namespace Models

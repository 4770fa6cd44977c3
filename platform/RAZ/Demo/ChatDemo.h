#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "RAZ/Data/FTAdapter.h"
#include "RAZ/Data/Message.h"

class QTimer;

namespace RAZ {
namespace Controllers {
class ChatInterface;
class CommunicationSession;
}  // namespace Controllers
namespace Demo {

// The demo service's side of one chat: the peer types before answering,
// offers a file now and then (while the demo's spontaneous events are on),
// and accepted files arrive with progress. A one-to-one chat of an account
// (its own address known) finds the messages the service archived with that
// peer in its history, and what is written in it is archived in turn.
// Lives as a child of the chat.
class ChatDemo : public QObject {
  Q_OBJECT

 public:
  // Gives the chat its demo behaviour (once).
  static void attach(RAZ::Controllers::ChatInterface* chat, const QString& ownAddress = QString());
  // Gives the session's chat, and every chat it opens later, its demo
  // behaviour (as each opens, before anybody uses it).
  static void followChatsOf(RAZ::Controllers::CommunicationSession* session,
                            const QString& ownAddress = QString());

  // Demo timings.
  static constexpr int kTypingDelayMs = 300;
  static constexpr int kTypingTimeoutMs = 4000;
  static constexpr int kOfferIntervalMs = 10 * 60000;
  static constexpr int kProgressStepMs = 150;
  static constexpr int kPeerAcceptDelayMs = 1500;

  // --- Scripting interface for tests (each acts from the event loop) ---
  // The chat's peer (or `from`) sends a message.
  static void receiveMessage(RAZ::Controllers::ChatInterface* chat, const QString& from,
                             const QString& text);
  // A party enters the room: its address and the name it goes by there
  // (false when the chat is no room).
  static bool enterRoom(RAZ::Controllers::ChatInterface* chat, const QString& jid,
                        const QString& name);
  // The room's owner names the room and gives it a subject (false when the
  // chat is no room of the open session).
  static bool changeRoom(RAZ::Controllers::ChatInterface* chat, const QString& name,
                         const QString& subject);
  // The parties typing now.
  static void setTypers(RAZ::Controllers::ChatInterface* chat, const QStringList& typers);
  // Adds a transfer to a one-to-one chat at once and returns it (null in a
  // room): direction 0 an offer from the peer, 1 a file the user sends.
  static RAZ::Data::FTAdapter* offerFile(RAZ::Controllers::ChatInterface* chat,
                                         const QString& fileName, qint64 size, int direction = 0,
                                         const QString& id = QString());
  // The chat's peer offers the user a file now, as it does now and then
  // while online (an offline peer offers nothing: null).
  static RAZ::Data::FTAdapter* offerSomethingIn(RAZ::Controllers::ChatInterface* chat);
  // Moves a transfer (as the service would report it).
  static void setTransferState(RAZ::Data::FTAdapter* transfer, RAZ::Data::FTAdapter::State state);
  static void setTransferProgress(RAZ::Data::FTAdapter* transfer, int percent);
  // Accepted offers run by themselves (default) or wait for the script.
  static void setAutoTransfer(bool on);
  // Stores a received file's content at `path`; the system's reason when it
  // could not (nothing is then left under that name).
  static QString storeReceivedFile(const QString& path, const QByteArray& content);

 private:
  ChatDemo(RAZ::Controllers::ChatInterface* chat, const QString& ownAddress);
  void archive(const RAZ::Data::Message::Data& message);
  void onMessageSent();
  // The user's offer waits for the peer, who takes it after a moment.
  void onTransferAdded(RAZ::Data::FTAdapter* transfer);
  void offerSomething();
  void runTransfer(RAZ::Data::FTAdapter* transfer);
  void stepTransfer(QPointer<RAZ::Data::FTAdapter> transfer);

  QPointer<RAZ::Controllers::ChatInterface> m_chat;
  QTimer* m_offerTimer = nullptr;
  QString m_ownAddress;
  int m_offers = 0;
};

}  // namespace Demo
}  // namespace RAZ

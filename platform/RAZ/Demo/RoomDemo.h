#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QTimer;

namespace RAZ {
namespace Controllers {
class CommunicationSession;
class CommsSessionController;
class XmppChatController;
}  // namespace Controllers
namespace Sessions {
class SessionManagerBase;
}
namespace Demo {

// The demo service's side of rooms and shares in one session: personal
// rooms ("My Room") open with their owner and the user in them, and the
// owner answers; a moderator's dismissal or promotion changes the room;
// the user's own room opens when the user starts it; now and then (while
// the demo's spontaneous events are on) somebody online shares a screen
// with the user. Everything acts through the controllers' public calls and
// signals, from the event loop. Lives as a child of the session.
class RoomDemo : public QObject {
  Q_OBJECT

 public:
  // Gives the session its rooms' demo behaviour (once).
  static void attach(RAZ::Sessions::SessionManagerBase* session);

  // Demo timings.
  static constexpr int kOwnerAnswerDelayMs = 1200;
  static constexpr int kFirstShareMs = 7 * 60000;
  static constexpr int kShareIntervalMs = 25 * 60000;

  // A demo contact who is online and free shares a screen with the user,
  // in a fixed order (what the timer does). The contact's id, or 0 when
  // nobody can.
  int shareSomeScreen();

 private:
  explicit RoomDemo(RAZ::Sessions::SessionManagerBase* session);
  void openOwnRoom();
  void furnishPersonalRoom(RAZ::Controllers::CommunicationSession* session);
  void moderate(const QString& roomJid, const QString& nick, const QString& change);

  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  QTimer* m_shareTimer;
  int m_nextSharer = 0;
};

}  // namespace Demo
}  // namespace RAZ

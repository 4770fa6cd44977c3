#pragma once

#include <QSize>
#include <QString>

#include "RAZ/Controllers/CommunicationSession.h"

namespace RAZ {
namespace Demo {

// Scripts the demo parties' side of calls, chats and shares, for tests and
// for trying the communications windows by hand. Like every demo script, an
// event never happens inside the call that asks for it: it is carried out
// from the event loop, and dropped (logged) when its session has gone by
// then. Each returns false when there is nothing to act on now.
class CommsScript {
 public:
  // A session of its own, with no signed-in account behind it: what a test
  // builds a communications window on. Incoming calls ring (state 2),
  // outgoing ones dial (state 1). Owned by `parent` until closed.
  static RAZ::Controllers::CommunicationSession* makeSession(
      RAZ::Controllers::CommunicationSession::Kind kind, bool incoming, const QString& name,
      QObject* parent = nullptr);

  // A demo contact of the open account calls the user (video or audio);
  // the session is announced by the account's session controller.
  static bool ringIn(int contactId, bool video);

  // The party answers, puts the call on hold (or takes it back), or the
  // call fails (the network drops it: it closes).
  static bool answer(RAZ::Controllers::CommunicationSession* session);
  static bool hold(RAZ::Controllers::CommunicationSession* session);
  static bool fail(RAZ::Controllers::CommunicationSession* session);
  // The party's phone rings (an outgoing call still dialling), the party
  // declines the call or is busy (the call closes), or asks to add video.
  static bool ringOut(RAZ::Controllers::CommunicationSession* session);
  static bool decline(RAZ::Controllers::CommunicationSession* session);
  static bool busy(RAZ::Controllers::CommunicationSession* session);
  // The party calling the user hangs up before the call is answered (it
  // rang out on the caller's side).
  static bool giveUp(RAZ::Controllers::CommunicationSession* session);
  static bool requestVideo(RAZ::Controllers::CommunicationSession* session);
  // Video starts on the call, with a local camera picture of `localSize`.
  static bool startVideo(RAZ::Controllers::CommunicationSession* session,
                         const QSize& localSize = QSize(640, 480));
  // The party shares a screen with the user (a viewer's share with moving
  // frames), or the user presents (owner).
  // `olderLibrary`: the share comes through the older sharing library.
  static bool shareScreen(RAZ::Controllers::CommunicationSession* session, bool userPresents,
                          bool olderLibrary = false);
  // The party stops sharing its screen: the share closes.
  static bool stopSharing(RAZ::Controllers::CommunicationSession* session);
  // A moderator dismisses the user from the room's chat.
  static bool dismissFromChat(RAZ::Controllers::CommunicationSession* session,
                              const QString& kickerName);
  // The share library reports an error (code, kind as its enumerations).
  static bool shareError(RAZ::Controllers::CommunicationSession* session, int code, int kind);
  // The touch tones the party has heard on the session's call so far
  // (empty without a call).
  static QString tonesHeard(RAZ::Controllers::CommunicationSession* session);
  // The session's chat starts (a message arrives) or, in a room, the
  // participants change.
  static bool openChat(RAZ::Controllers::CommunicationSession* session);
};

}  // namespace Demo
}  // namespace RAZ

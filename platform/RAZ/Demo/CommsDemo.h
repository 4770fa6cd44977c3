#pragma once

#include <QHash>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>

#include "RAZ/Controllers/PartySide.h"

namespace RAZ {
namespace Controllers {
class CommunicationSession;
class ChatInterface;
class CommsSessionController;
class XmppChat;
}  // namespace Controllers
namespace Sessions {
class SessionManagerBase;
}
namespace Demo {

// The demo service's side of one session's calls and chats: its parties
// take the user's calls as their presence says (after a ring or two most
// answer, those in a meeting decline, those on a call are busy, offline ones
// do not answer), the user's call settings turn calls to the user away, a
// party who starts a chat says something, chat partners and room members
// answer what the user writes, and every chat gets its ChatDemo. It hears of
// each session from the session controller's signals and acts through the
// sessions' public calls, from the event loop. Lives as a child of the
// session, whose controller it plays the parties for.
class CommsDemo : public QObject, public RAZ::Controllers::PartySide {
  Q_OBJECT

 public:
  // Gives the session its communications' demo behaviour (once); `address`
  // is the user's own (whose call settings apply, who hears no answer from
  // itself in a room).
  static void attach(RAZ::Sessions::SessionManagerBase* session, const QString& address);
  // The session's, or null.
  static CommsDemo* of(const RAZ::Sessions::SessionManagerBase* session);
  ~CommsDemo() override;

  // A party's own client reports a presence: shown at once, or, while the
  // party is on the phone with the user, kept for when the last call with
  // the user ends (the service shows the call until then). False for a
  // party the session does not know.
  bool partyPresence(int contactId, int state, const QString& note);
  // The party of a one-to-one chat starts writing in it (from the event
  // loop): what a party who starts a chat says first.
  static void partyStartsWriting(RAZ::Controllers::ChatInterface* chat);
  // Whether the party is on the phone with the user: a call with the user
  // connected (talking or on hold), not one that still rings.
  bool isOnThePhone(int contactId) const { return m_beforeCall.contains(contactId); }

  // Demo timings: a party's answer to a chat message, its phone (until it
  // rings, and one ring).
  static constexpr int kAnswerDelayMs = 1200;
  static constexpr int kDialMs = 700;
  static constexpr int kRingMs = 2500;

  QString turnAwayNote() const override;
  void callPlaced(RAZ::Controllers::CommunicationSession* session, int contactId) override;
  // A party takes a hand-over as its presence says: one on a call is busy,
  // one in a meeting declines, one offline is not reached.
  int transferRefusal(const QString& address) const override;

 private:
  CommsDemo(RAZ::Controllers::CommsSessionController* comms, const QString& address,
            QObject* parent);
  void onSessionStarted(RAZ::Controllers::CommunicationSession* session, bool incoming);
  // Once the user is in the room, a member other than the user answers
  // what the user says (once per chat, however often the user gets in).
  void membersAnswer(RAZ::Controllers::XmppChat* chat);
  // The service shows whoever talks with the user as on the phone, the
  // user too, while a call lasts; each gets back its own presence after.
  void followCalls();

  // The presence each party on the phone with the user had before (or
  // reported since), by contact id.
  QHash<int, QPair<int, QString>> m_beforeCall;
  // The user's own presence before the first call connected; -1 when the
  // service shows no call of the user's.
  int m_ownBeforeCall = -1;

  QPointer<RAZ::Controllers::CommsSessionController> m_comms;
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  QString m_address;
};

}  // namespace Demo
}  // namespace RAZ

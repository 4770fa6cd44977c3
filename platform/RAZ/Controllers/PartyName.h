#pragma once

#include <QString>

namespace RAZ {
namespace Contacts {
class Contacts;
class IContact;
}  // namespace Contacts
namespace MediaEngine {
class CallBasePtr;
}
namespace Controllers {

class CommunicationSession;

// What the program calls the other party of a communication. The
// communications window (title, call and chat panes), the incoming-call
// popup, the active-communications list, the history and the messages about
// a call all ask here, so that they agree.
//
// Nothing is kept between two questions: each answer is read from the
// session, its contact and its call as they are at that moment, so a
// contact renamed later is shown under its new name wherever the name is
// asked again (CommunicationSession::partyNameChanged says when). Nothing
// outside the contact list and the call is read either: no settings, no
// store of the system's, which matters while a call rings.
class PartyName {
 public:
  // The name of a session's party. A one-to-one session is named after its
  // contact when the list gives the contact a name; otherwise, and always
  // for a group (a room, My Room, a conference), after what the session was
  // started with or told since (a dialled number, the room's name, the
  // conference's parties); failing that, after the caller. `contact`, when
  // given, is set to the contact the name is of, or to null.
  static QString of(const RAZ::Controllers::CommunicationSession* session,
                    RAZ::Contacts::IContact** contact = nullptr);

  // The list's contact of a call's remote party, or null. A conference is
  // looked up by its own address; another call by the address it was handed
  // over from, then by the caller's, and last by the party's other
  // addresses (the list compares them in the form two addresses of one
  // party share).
  static RAZ::Contacts::IContact* contactOf(const RAZ::MediaEngine::CallBasePtr* call,
                                            const RAZ::Contacts::Contacts* contacts);

  // The name a call's addresses give its remote party: its contact's name;
  // else the display name of the address it was handed over from; else the
  // caller's display name, unless that only marks a hand-over ("Transfer",
  // or `handOverMark` in the user's language); else the user part of the
  // address. When that gives nothing, or only what a caller who hides sends
  // ("unavailable", "anonymous"), the answer is `unknown` and `replaced` is
  // set.
  static QString ofCall(const RAZ::MediaEngine::CallBasePtr* call,
                        const RAZ::Contacts::Contacts* contacts, const QString& unknown,
                        const QString& handOverMark, bool* replaced = nullptr);
};

}  // namespace Controllers
}  // namespace RAZ

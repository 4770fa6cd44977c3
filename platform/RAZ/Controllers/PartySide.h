#pragma once

#include <QString>

namespace RAZ {
namespace Controllers {

class CommunicationSession;

// The far side of the user's communications as the service plays it: who
// answers the user's calls and which calls to the user it puts through.
// The session controller asks; it never learns who plays the parties. The
// implementation is given by whoever builds the session's parts and outlives
// the controller's use of it. GUI thread only.
class PartySide {
 public:
  virtual ~PartySide() = default;

  // Why the service does not put a party's call through to the user now
  // (the note the history keeps), or empty when the call rings.
  virtual QString turnAwayNote() const = 0;

  // The user's call to a party has just been placed (its session holds the
  // call, dialling; `contactId` is the party's contact, 0 or less for an
  // address no contact owns). The party's phone rings, and the party
  // answers, declines or is busy through the session's public calls, never
  // inside this call.
  virtual void callPlaced(RAZ::Controllers::CommunicationSession* session, int contactId) = 0;

  // Whether the party at `address` takes a call the user hands over blind:
  // 0 when it does (or the service cannot tell), else the signalling code
  // the hand-over fails with (486 busy, 603 declined, 480 unavailable).
  virtual int transferRefusal(const QString& address) const {
    Q_UNUSED(address);
    return 0;
  }
};

}  // namespace Controllers
}  // namespace RAZ

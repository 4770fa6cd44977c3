#pragma once

#include <QDateTime>
#include <QHash>
#include <QPair>
#include <QPointer>
#include <QString>

#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/CommunicationSession.h"

#include "RAZ/Sessions/SessionManagerBase.h"

class QTimer;

namespace RAZ {
namespace Contacts {
class Contacts;
}
}  // namespace RAZ

namespace RAZ {
namespace Contacts {
class IContact;
}
namespace Controllers {
class CommunicationSession;
}
namespace MediaEngine {
class MediaHandlerAudio;
class MediaHandlerVideo;
}  // namespace MediaEngine
namespace Demo {

// A session of the demo service. Its objects are built when the sign-in
// succeeds (open) from the demo data, as children of the session, so they
// go with it.
class DemoSession : public RAZ::Sessions::SessionManagerBase {
  Q_OBJECT

 public:
  explicit DemoSession(const RAZ::Configuration::Config* config, QObject* parent = nullptr);
  ~DemoSession() override;

  // A contact from an entry of the demo data (id, first, last, jid, sip,
  // email, work, mobile, extension, groups, presence, status, favourite).
  static RAZ::Contacts::IContact* makeContact(const QVariantMap& entry);

  // Builds the session's objects for the account; called once, before the
  // client reports the session open.
  void open(const QString& username, const QString& password);

  // Starts or stops the demo contacts' presence changes.
  void setPresenceChanges(bool on, int intervalMs);
  // One presence change of the fixed sequence (what the timer does).
  void changeSomePresence();
  // A demo contact who is online calls the user, in a fixed order; the
  // caller hangs up when nobody answers for a while. Now and then on its
  // own, unless ZENT_DEMO_INCOMING_CALLS=0 or ZENT_DEMO_PRESENCE_CHANGES=0.
  // Returns the contact's id, or 0 when nobody can call.
  int ringSomeoneIn();
  // A caller leaves a message in the user's voice mailbox: the count of
  // waiting messages goes up and the messages source reports it from the
  // event loop. Now and then on its own, as incoming calls are.
  void leaveVoiceMail();

  // The party a call to this address reaches (what the service's routing
  // knows): the contact of the list whose number, extension, SIP or IM
  // address it is, or the service's echo test for the test-call numbers;
  // null for an address nobody owns.
  RAZ::Contacts::ContactPtr partyOf(const QString& address);
  // The service's own lines (the echo test, the voice mailbox): they call
  // nobody.
  bool isServiceLine(const QString& address) const {
    return isTestCallNumber(address) || isVoiceMailNumber(address);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What the demo's side does with a new session: a call to the user gives
  // up after the ring time; a call to the echo test is answered at once.
  void onSessionCreated(RAZ::Controllers::CommunicationSession* session, bool incoming);
  bool isTestCallNumber(const QString& address) const;
  RAZ::Contacts::ContactPtr personOutsideTheList(const QString& address, const QString& number);
  // The configuration's voice-mail number, in any of its forms.
  bool isVoiceMailNumber(const QString& address) const;
  // The demo's two cameras, named in the interface language, where the
  // system has none.
  static void addDemoCameras(RAZ::MediaEngine::MediaHandlerVideo* video);
  void answerVoiceMail(RAZ::Controllers::CommunicationSession* session, bool incoming);

  // The service's own names (groups, rooms, the place it found) in the
  // interface language, each where the user has not changed it since.
  void sayNamesAgain();
  void buildContacts(RAZ::Contacts::Contacts* contacts, const QString& username,
                     const QString& address);
  void recordEnded(int contactId, const QString& address, const QString& name, int kind,
                   bool incoming, const QDateTime& start, int durationSec, bool missed, int room);
  void recordTurnedAway(int contactId, const QString& address, const QString& name, int kind,
                        const QString& note);

  bool m_built = false;
  RAZ::MediaEngine::MediaHandlerAudio* m_audio = nullptr;
  QTimer* m_presenceTimer = nullptr;
  QTimer* m_incomingCallTimer = nullptr;
  QTimer* m_voiceMailTimer = nullptr;
  RAZ::Sessions::MessagesSource* m_mailbox = nullptr;
  QString m_address;
  int m_nextCaller = 0;
  // The echo test's party, one per test-call number.
  QHash<QString, QPointer<RAZ::Contacts::IContact>> m_echoParties;
  // The people outside the list calls reached, by name.
  QHash<QString, QPointer<RAZ::Contacts::IContact>> m_outsideParties;
  quint32 m_seed = 20240601u;
  // What the session last said of each name: the group's by id, the
  // room's name and subject by JID, the place's city and country.
  QHash<int, QString> m_saidGroups;
  QHash<QString, QPair<QString, QString>> m_saidRooms;
  QPair<QString, QString> m_saidPlace;
  bool m_sayAgainPending = false;
};

}  // namespace Demo
}  // namespace RAZ

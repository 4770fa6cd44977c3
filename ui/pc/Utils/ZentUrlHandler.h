#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/MyRoom/Controller.h>
#include <RAZ/Services/Xmpp/XmppService.h>
#include <RAZ/Sessions/Session.h>

namespace RAZ {
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Dialogs {
class MessageWindow;
}

namespace Utils {

// One product link ("zent:" followed by its payload): it names somebody's
// personal meeting room. The handler decodes the link, waits until the
// session's SIP and XMPP connections (and the My Room controller, for a
// personal room) are ready and then asks for the My Room session. When that
// does not happen within 20 s the user is told "Failed to Join Room".
//
// Payload: Base64 of the Latin-1 text call="…";chat="…";webcollab="…";jid="…"
// (attributes with empty values left out).
//
// Any web page or mail can hand the desktop such a link, so its call is
// only ever the room's own dial-in: it is taken when it is the conference
// number of the room's owner (the user, for the user's own room), and
// dialled only after the user says Yes. Otherwise the room is joined
// without a call.
class ZentUrlHandler : public QObject {
  Q_OBJECT

 public:
  static const int kJoinTimeoutMs = 20000;
  // The longest payload taken: the four attributes of a real room, with
  // room to spare. Anything longer is no link of a room and is refused
  // before it is read.
  static const int kMaxPayloadLength = 8192;

  explicit ZentUrlHandler(const QString& payload, QObject* parent = nullptr);
  ~ZentUrlHandler() override;

  // Starts on the signed-in session. Null (nobody signed in) does nothing:
  // the link waits for the session that opens next. Once started, later
  // calls do nothing, so a link is acted on at most once.
  void initialize(RAZ::Sessions::SessionManagerBase* sessionManager);

  QString link() const { return m_payload; }
  QString call() const { return m_call; }
  QString chat() const { return m_Chat; }
  QString webcollab() const { return m_webcollab; }
  QString contactJid() const { return m_ContactJid; }
  bool isWaiting() const { return m_timer.isActive(); }
  // True once the link was acted on: the room joined, or the question
  // about its call asked.
  bool hasEmitted() const { return m_emitted; }
  // The question whether to dial the room's call, while it is open.
  Dialogs::MessageWindow* callQuestion() const;

  // The attribute text of a payload (Latin-1), empty when it is no Base64.
  static QString decodePayload(const QString& payload);
  // The value of key="value" in an attribute text (first occurrence,
  // case-sensitive); empty when the key or its closing quote is missing.
  static QString attribute(const QString& text, const QString& key);
  // The payload for these values, as the invitation writer makes it.
  static QString encodePayload(const QString& call, const QString& chat, const QString& webcollab,
                               const QString& jid);
  // The address to dial for a link's call when it reaches the conference
  // at `dialIn` (the number alone, any number of PIN groups after ";"):
  // the dial-in as an address with the link's PINs; empty when the link
  // names another number or anything else.
  static QString conferenceCall(const QString& call, const QString& dialIn);

 public slots:
  bool requestVCard();
  void vCardReceived(const QString& jid, const RAZ::Services::Xmpp::VCardIq& vCard);

 signals:
  void createMyRoomSession(const QString& call, const QString& chat, const QString& webcollab);

 public:
  Q_INVOKABLE void onStateChanged(const RAZ::Sessions::SubSession* subSession,
                                  RAZ::Sessions::Session::State state);
  Q_INVOKABLE void onMyRoomReady();
  Q_INVOKABLE void onTimeout();

 private slots:
  void subSessionStateChanged(RAZ::Sessions::Session::State state);

 private:
  void addSubsession(RAZ::Sessions::SubSession* subSession, QVariant& flag);
  void checkReady();
  void cleanup();
  // The conference number of the room the link names, from its owner;
  // empty when the room has none the session knows.
  QString roomDialIn() const;
  void join(const QString& call);

  QString m_payload;
  QString m_call;
  QString m_Chat;
  QString m_webcollab;
  QString m_ContactJid;
  QVariant m_sipReady;
  QVariant m_xmppReady;
  QVariant m_myRoomReady;
  QList<QPointer<RAZ::Sessions::SubSession>> m_subSessions;
  QPointer<RAZ::MyRoom::Controller> m_myRoom;
  QPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<RAZ::Services::Xmpp::XmppService> m_xmpp;
  QPointer<RAZ::Services::Xmpp::XmppContactDataService> m_contactData;
  QString m_ownRoom;
  QPointer<Dialogs::MessageWindow> m_question;
  QTimer m_timer;
  bool m_initialized = false;
  bool m_emitted = false;
};

}  // namespace Utils

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

namespace Utils {

// One product link ("zent:" followed by its payload): it names somebody's
// personal meeting room. The handler decodes the link, waits until the
// session's SIP and XMPP connections (and the My Room controller, for a
// personal room) are ready and then asks for the My Room session. When that
// does not happen within 20 s the user is told "Failed to Join Room".
//
// Payload: Base64 of the Latin-1 text call="…";chat="…";webcollab="…";jid="…"
// (attributes with empty values left out).
class ZentUrlHandler : public QObject {
  Q_OBJECT

 public:
  static const int kJoinTimeoutMs = 20000;

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
  bool hasEmitted() const { return m_emitted; }

  // The attribute text of a payload (Latin-1), empty when it is no Base64.
  static QString decodePayload(const QString& payload);
  // The value of key="value" in an attribute text (first occurrence,
  // case-sensitive); empty when the key or its closing quote is missing.
  static QString attribute(const QString& text, const QString& key);
  // The payload for these values, as the invitation writer makes it.
  static QString encodePayload(const QString& call, const QString& chat, const QString& webcollab,
                               const QString& jid);

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
  QTimer m_timer;
  bool m_initialized = false;
  bool m_emitted = false;
};

}  // namespace Utils

#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>
#include <memory>

#include "RAZ/Controllers/CommunicationSession.h"
#include "RAZ/MediaEngine/IMediaHandlerAudio.h"
#include "RAZ/Sessions/SessionManagerBase.h"
#include "RAZ/Utils/Location.h"

class QTimer;

namespace RAZ {
class Client;
namespace Controllers {
class ChatInterface;
}
namespace ApiProvider {
class Controller;
}
namespace Demo {

class ProxyCredentialsReceiver;

// The built-in demo service behind the stand-in client, and the scripting
// interface tests drive it with. One per process; GUI thread only.
//
// Any user name is accepted with the password "demo"; another password is
// refused with the authentication error. An accepted sign-in opens a session
// with the demo data (contacts, groups, history, directory, rooms, call
// settings) read from the stand-in's resources.
//
// Scripted events never happen inside the call that asks for them: each is
// carried out from the event loop. Scripts that act on a session act on the
// session open at that moment and are dropped (logged) when there is none;
// they return false then.
class Service : public QObject {
  Q_OBJECT

 public:
  static Service& instance();
  static QString demoPassword() { return QStringLiteral("demo"); }

  // Forgets every scripted behaviour and count, and puts the defaults back
  // (step delay, presence changes on, the demo data read afresh).
  void reset();

  // --- Sign-in ---
  // Script: the next sign-in fails with `error`, whatever its credentials.
  // ErrorNone clears a scripted failure.
  void failNextSignin(RAZ::Sessions::Error error);
  // The outcome of a sign-in with these credentials (consumes a scripted
  // failure). ErrorNone means the session may open.
  RAZ::Sessions::Error signinOutcome(const QString& username, const QString& password);
  int signinAttempts() const { return m_signinAttempts; }
  // Time between the sign-in steps, so the progress can be seen (default
  // 150 ms, or ZENT_DEMO_STEP_DELAY_MS; tests and the benchmark use 0: one
  // event-loop turn per step).
  void setStepDelay(int ms) { m_stepDelay = ms < 0 ? 0 : ms; }
  int stepDelay() const { return m_stepDelay; }

  // --- Events of an open session (each false when no session is open) ---
  // The connection drops: sessionError(ConnectionLost), then sessionClosed.
  bool dropConnection();
  // The server ends the session: sessionClosed without a sign-out.
  bool closeSessionFromServer();
  // The service signs the user out (used elsewhere): the session's
  // forceLogout(), then the server closes the session.
  bool forceLogout();
  // The XSI password expires in `days` (negative: expired): the session's
  // credentials control emits credentialsDaysLeft(days), now and whenever
  // asked again.
  bool reportCredentialsDaysLeft(int days);
  // A contact's presence changes (state 0..19, status text); somebody on
  // the phone with the user shows the call until it ends, and this then.
  bool changePresence(int contactId, int state, const QString& statusText);
  // A party starts a communication session with the user; a call from
  // somebody on a call with the user already is refused (false). Every call
  // to the user gives up after the ring time (setRingTime) unanswered.
  // Refused (false) too for the user's own id and for somebody offline (no
  // offline client calls, writes or shares).
  bool incomingSession(int contactId, RAZ::Controllers::CommunicationSession::Kind kind);
  // The same from a number or address: its owner as the service routes it
  // (a contact, a person of the directory), or, for a call, a caller the
  // service knows only by that number. Refused for an address nobody owns
  // (a chat or share), for the service's own lines and for what is no
  // number or address at all.
  bool incomingSessionFrom(const QString& address,
                           RAZ::Controllers::CommunicationSession::Kind kind);

  // The demo's next caller, someone available and not on a call with the
  // user already, calls now (what the demo does now and then on its own).
  // The caller's id, or 0 when nobody can call.
  int someoneCalls();
  // Whether the contact is on a call with the user now.
  bool isOnACallWithUser(int contactId) const;
  // The contact offers the user a file in the chat open with it; false
  // (nothing offered) when there is no such chat or the contact is offline.
  bool offerFile(int contactId);
  // Whether the peer of a one-to-one chat of the open session is online.
  bool peerIsOnline(const RAZ::Controllers::ChatInterface* chat) const;
  // How long a party calling the user lets the phone ring before it gives
  // up, for every call to the user (default 30 s; 0 or less: the default).
  void setRingTime(int ms);
  // While held, a party the user calls takes no further step (its phone
  // ringing, its answer, its refusal): the call stays as it is, being placed,
  // for as long as a tester needs to look at it; released, what came due
  // meanwhile follows in order. Not held after reset().
  void holdCalledParties(bool hold);
  // The presence states of a party on a call (14, 15) or in a meeting
  // (11 to 13, 16 to 19).
  static bool isBusyOrInMeeting(int presence);

  // A call from the contact (0 with `address`: a party outside the list,
  // named as the service knows the address's owner) was missed: a new entry
  // of the history. Refused for an unknown id, for the user's own, for
  // somebody offline or on a call with the user now.
  bool missedCall(int contactId, const QString& address = QString());
  // A caller leaves a message in the user's voice mailbox: its count of
  // waiting messages goes up by one and the session reports it.
  bool leaveVoiceMail();
  // Someone asks to see the user's presence (properties as in the demo
  // data: id, first, last, jid, sip).
  bool presenceRequest(const QVariantMap& entry);
  // Whether a new session starts with the demo data's presence requests
  // waiting for an answer (the default, put back by reset()).
  void setPresenceRequestsAtSignIn(bool on) { m_requestsAtSignIn = on; }
  bool presenceRequestsAtSignIn() const { return m_requestsAtSignIn; }
  // The account answered (accepted or ignored) the demo data's request of
  // this id: the service does not ask again.
  void notePresenceRequestAnswered(const QString& username, int id);
  bool presenceRequestAnswered(const QString& username, int id) const;
  // The user's own audio conference (My Room dial-in) number becomes this;
  // empty: the user has provided none. Sessions started later read it.
  bool setOwnConferenceNumber(const QString& number);
  // The contact list becomes read-only (or writable again).
  bool setContactsReadOnly(bool on);
  // The service's call logs cannot be fetched (true) or can again (false):
  // the next fetches of the XSI call history fail.
  bool failCallLogRetrieval(bool on);
  // The corporate directory refuses the user's credentials (true) or takes
  // them again (false): its requestLdapCredentials() or
  // hideLdapCredentialsError().
  bool reportLdapCredentialsError(bool on);
  // The session starts (true) or ends (false) reconnecting.
  bool setReconnecting(bool on);
  // A connection of the session (SubSession::Type) changes state.
  bool setSubSessionState(int type, int state);
  // The service is lost: the session starts reconnecting and its call and
  // chat connections close. restoreService() brings both back and ends the
  // reconnection.
  bool loseService();
  bool restoreService();
  // The speaker's volume or mute changes outside the program.
  bool setSpeaker(int volume, bool mute);

  // An add-in asks to connect: the add-in interface lists it for a
  // decision (false without one).
  bool announceAddin(const QString& name, const QString& vendor, const QString& description,
                     const QString& version);

  // What an account's contact list is between its sessions (the service
  // keeps it; empty before the account's first sign-out).
  QVariantMap accountState(const QString& username) const;
  void setAccountState(const QString& username, const QVariantMap& state);
  // The location an account (its own address) published last, which the
  // service reports when the account signs in again; empty before the first.
  RAZ::Utils::Location::Info publishedLocation(const QString& address) const;
  void setPublishedLocation(const QString& address, const RAZ::Utils::Location::Info& info);
  // The messages waiting in an account's voice mailbox (its own address);
  // calling the mailbox hears them (the count goes to 0).
  int voiceMails(const QString& address) const;
  void setVoiceMails(const QString& address, int count);
  // The one-to-one chat messages an account (its own address) exchanged
  // with a peer, oldest first, as the service archives them: each a map of
  // "direction", "sender", "text" and "time". The newest kChatArchiveSize
  // are kept.
  static constexpr int kChatArchiveSize = 500;
  QList<QVariantMap> chatArchive(const QString& address, const QString& peer) const;
  void archiveChatMessage(const QString& address, const QString& peer, const QVariantMap& entry);
  void forgetChatArchive(const QString& address, const QString& peer);
  // A peer's archive key: its address without a "sip:" or "xmpp:" scheme,
  // so that the chats it started and those the user started are one.
  static QString archivePeer(const QString& peer);
  // What the service was told (the accounts' lists and history, the
  // locations, the mailboxes, the answered requests, the call settings, the
  // chat archive) is
  // kept in its store, the file storePath(), written whole at every change
  // and read at the first need, so that it is there again when the program
  // starts anew, as a real service's data is. No data folder: memory only.
  QString storePath() const;
  // The service forgets what it holds in memory and reads its store again,
  // as after the program started anew (tests: a restart within one process).
  void reloadStore();
  // Where a store that could not be read (damaged, or not safely: see
  // StoreFile) was set aside, once: the service then started afresh. Empty
  // when the store was read, or this was told already. When it could not be
  // moved, the store's own path (it is written over at the next change).
  QString takeStoreSetAside();
  // How long a store that could not be written waits for the next attempt.
  static constexpr int kStoreRetryMs = 30 * 1000;
  // --- Devices of a session's media engine ---
  // Each acts on `session`, or on the open session when that is null, and is
  // false when there is neither (or it has no such media handler). Device
  // changes are reported by the handler from the event loop.
  // The system's playback and recording devices become these.
  bool setAudioDevices(const QList<RAZ::MediaEngine::AudioDevice>& playback,
                       const QList<RAZ::MediaEngine::AudioDevice>& recording,
                       RAZ::Sessions::SessionManagerBase* session = nullptr);
  // The microphone gives this absolute level (0..32768) while it is measured;
  // a negative level returns to the real or synthetic one.
  bool setMicrophoneLevel(long level, RAZ::Sessions::SessionManagerBase* session = nullptr);
  // A camera is plugged in (with its capture levels) or unplugged.
  bool plugCamera(const QByteArray& id, const QString& name, const QList<int>& levels,
                  RAZ::Sessions::SessionManagerBase* session = nullptr);
  bool unplugCamera(const QByteArray& id, RAZ::Sessions::SessionManagerBase* session = nullptr);
  // The number of calls the session's call controller holds.
  bool setCallCount(int count, RAZ::Sessions::SessionManagerBase* session = nullptr);

  // --- Client prompts (each false without a client) ---
  // A newer version exists. Only http and https addresses are passed on.
  bool announceNewVersion(bool mandatory, const QUrl& url);
  // The proxy wants credentials: the client emits requestProxyCredentials
  // with the receiver below and its reply slot; the answer is recorded.
  bool requestProxyCredentials(bool noPrompt, const QString& user, bool secure);
  // The emergency-call disclaimer: the client emits showDisclaimerDialog and
  // records disclaimerAccepted / disclaimerRejected.
  bool showDisclaimer();

  // The receiver of proxy-credential answers and what it received.
  QObject* proxyCredentialsReceiver() const;
  int proxyAnswers() const;
  QString lastProxyUser() const;
  bool lastProxyPasswordGiven() const;

  // --- Demo contacts changing presence now and then ---
  // On by default; the change sequence is fixed (seeded), so two runs see
  // the same changes. Off stops the timer of every open session.
  void setPresenceChanges(bool on);
  bool presenceChanges() const { return m_presenceChanges; }
  int presenceInterval() const { return m_presenceInterval; }
  void setPresenceInterval(int ms);

  // Notes a demo contact may give with a presence state, so that a change
  // of state never keeps the note of the old one ("Available for the demo
  // call" on a busy contact). Empty for the offline states: no note. In the
  // interface language of the moment, as every text below.
  static QStringList presenceNotes(int state);

  // The demo's own words (group, room and place names, notes, answers: never
  // a person's name) in the interface language installed now. The service
  // speaks the language the user chose when it makes a text; what it made
  // before a language switch stays as it was, as a real service's data does.
  // A text the catalogues do not know is given as it is.
  static QString say(const QString& english);
  // Every text of the demo data (data/*.json) said through say(): what the
  // catalogues must hold.
  static QStringList dataTexts();

  // The demo data (parsed once from the resources), its texts said in the
  // interface language of the moment of asking. With ZENT_DEMO_CONTACTS=N
  // (N > 0) the contacts are N generated ones (names, presence with a fitting
  // note, numbers, groups) in place of the hand-written ones, to see how the
  // program copes with a large address book.
  QList<QVariantMap> contacts() const;
  QList<QVariantMap> groups() const;
  QList<QVariantMap> presenceRequests() const;
  QList<QVariantMap> callHistory() const;
  QList<QVariantMap> directory() const;
  QList<QVariantMap> chatRooms() const;
  QVariantMap callSettings() const;

  // Configuration values the next sessions hold before the configuration
  // signed in with (the values' XML elements, `<value id=... type=...>`;
  // empty: the configuration as it is): tests point the corporate
  // directory at a server of their own this way.
  void setConfigurationValues(const QByteArray& values) { m_configurationValues = values; }
  // The configuration a session signed in with `chosen` runs on: `chosen`
  // itself, or a copy holding those values first. Copies live as long as
  // the service, since the session's objects read them up to their end.
  const RAZ::Configuration::Config* sessionConfiguration(const RAZ::Configuration::Config* chosen);

  // The client scripted events go to (the last one initialised).
  void setClient(RAZ::Client* client);
  // Scripting from outside the process: with ZENT_DEMO_CONTROL set, the
  // service listens on a local socket of that name for one command a line
  // ("lose-service", "restore-service", "fail-call-logs", "fetch-call-logs",
  // "ldap-credentials-error", "ldap-credentials-fixed", "incoming-call ID",
  // "incoming-chat ID", "incoming-share ID", "missed-call ID", "someone-calls",
  // "offer-file ID", "voice-mail"; an incoming or missed one names its
  // party by a number or address too), so that a person trying the program can cause
  // what tests cause. Each answers "ok" or "refused". Started once, by the
  // first client.
  void startControlChannel();
  RAZ::Client* client() const;

 signals:
  void presenceChangesChanged(bool on);
  void proxyCredentialsReceived(const QString& user);
  // The store could not be written (`failure`: the file and the reason, as
  // the user reads them); what it holds is written again later.
  void storeNotSaved(const QString& failure);

 private:
  Service();
  ~Service() override;
  RAZ::Sessions::SessionManagerBase* openSession() const;
  void loadData() const;
  void ensureStore() const;
  void keepUnreadStore(const QString& problem) const;
  void writeStore();

  RAZ::Sessions::Error m_nextError = RAZ::Sessions::ErrorNone;
  int m_signinAttempts = 0;
  int m_stepDelay = 150;
  bool m_presenceChanges = true;
  bool m_requestsAtSignIn = true;
  int m_presenceInterval = 15000;
  QPointer<RAZ::Client> m_client;
  ProxyCredentialsReceiver* m_proxyReceiver;

  // What the service holds, read from its store at the first need.
  mutable QHash<QString, QVariantMap> m_accounts;
  mutable QHash<QString, RAZ::Utils::Location::Info> m_locations;
  mutable QHash<QString, int> m_voiceMails;
  mutable QHash<QString, QSet<int>> m_answeredRequests;
  // Own address -> peer -> messages.
  mutable QHash<QString, QHash<QString, QList<QVariantMap>>> m_chatArchives;
  mutable bool m_storeRead = false;
  mutable QString m_storeSetAside;
  bool m_storePending = false;
  QTimer* m_storeRetry = nullptr;
  // Found once: the program's names may be gone when the last session ends.
  mutable QString m_storePath;
  mutable bool m_loaded = false;
  mutable QList<QVariantMap> m_contacts, m_groups, m_requests, m_history, m_directory, m_rooms;
  mutable QVariantMap m_callSettings;
  QByteArray m_configurationValues;
  QList<std::shared_ptr<RAZ::Configuration::Config>> m_configurations;
};

// Receives the answer to a proxy-credentials request (the reply slot the
// client hands to the application).
class ProxyCredentialsReceiver : public QObject {
  Q_OBJECT

 public:
  explicit ProxyCredentialsReceiver(QObject* parent = nullptr) : QObject(parent) {}
  static const char* replySlot() { return SLOT(proxyCredentialsProvided(QString, QString)); }
  int answers() const { return m_answers; }
  QString lastUser() const { return m_user; }
  bool lastPasswordGiven() const { return m_passwordGiven; }

 public slots:
  // The password is kept only as "given or not": it is never logged or stored.
  void proxyCredentialsProvided(const QString& user, const QString& password);

 signals:
  void received(const QString& user);

 private:
  int m_answers = 0;
  QString m_user;
  bool m_passwordGiven = false;
};

}  // namespace Demo
}  // namespace RAZ

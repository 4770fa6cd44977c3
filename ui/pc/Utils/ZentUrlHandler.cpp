#include "Utils/ZentUrlHandler.h"

#include <QDialogButtonBox>
#include <QRegularExpression>
#include <QUrl>

#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/MyRoomController.h>
#include <RAZ/Services/Xmpp/XmppJidValidator.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Utils/Parsers.h>
#include <TP/Core/Logging.h>

#include "dialogs/MessageWindow.h"

namespace Utils {

namespace {
// The contact property that holds the owner's personal room.
const int kConferenceRoomProperty = 47;
}  // namespace

ZentUrlHandler::ZentUrlHandler(const QString& payload, QObject* parent)
    : QObject(parent), m_payload(payload) {
  m_timer.setSingleShot(true);
  m_timer.setInterval(kJoinTimeoutMs);
  connect(&m_timer, SIGNAL(timeout()), this, SLOT(onTimeout()));
}

ZentUrlHandler::~ZentUrlHandler() {
  // A question nobody can answer for this link any more goes with it.
  if (m_question) {
    disconnect(m_question, nullptr, this, nullptr);
    m_question->close();
  }
}

QString ZentUrlHandler::decodePayload(const QString& payload) {
  // A desktop or browser may hand the link over percent-encoded or in the
  // "zent://" form; Base64 has no "%" and an attribute text never encodes
  // to a leading "/", so neither can be mistaken for payload.
  QString text = payload.trimmed();
  if (text.contains(QLatin1Char('%'))) text = QUrl::fromPercentEncoding(text.toLatin1());
  while (text.startsWith(QLatin1Char('/'))) text.remove(0, 1);
  const QByteArray bytes = QByteArray::fromBase64(
      text.toLatin1(), QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
  // The writer encodes Latin-1: read it back the same way.
  return QString::fromLatin1(bytes);
}

QString ZentUrlHandler::attribute(const QString& text, const QString& key) {
  const QString start = key + QStringLiteral("=\"");
  const int from = text.indexOf(start);
  if (from < 0) return QString();
  const int begin = from + start.size();
  const int end = text.indexOf(QLatin1Char('"'), begin);
  if (end < 0) return QString();
  return text.mid(begin, end - begin);
}

QString ZentUrlHandler::encodePayload(const QString& call, const QString& chat,
                                      const QString& webcollab, const QString& jid) {
  QStringList parts;
  const QList<QPair<QString, QString>> values = {{QStringLiteral("call"), call},
                                                 {QStringLiteral("chat"), chat},
                                                 {QStringLiteral("webcollab"), webcollab},
                                                 {QStringLiteral("jid"), jid}};
  for (const auto& v : values)
    if (!v.second.isEmpty()) parts << v.first + QStringLiteral("=\"") + v.second + QLatin1Char('"');
  return QString::fromLatin1(parts.join(QLatin1Char(';')).toLatin1().toBase64());
}

Dialogs::MessageWindow* ZentUrlHandler::callQuestion() const { return m_question.data(); }

QString ZentUrlHandler::conferenceCall(const QString& call, const QString& dialIn) {
  using RAZ::Utils::PhoneNumberParser;
  const QString number = PhoneNumberParser::normalizePhoneNumber(dialIn);
  if (!PhoneNumberParser::isValidPhoneNumber(number)) return QString();
  // A number with the conference's PIN groups, as the invitation writes
  // it; a host of the link's choosing is never dialled.
  static const QRegularExpression form(
      QStringLiteral("\\A(?:(?:sips?|tel):)?([^;@]+)((?:;[0-9*#]{1,32}){0,4})\\z"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = form.match(call.trimmed());
  if (!match.hasMatch()) return QString();
  const QString linked = PhoneNumberParser::normalizePhoneNumber(
      QUrl::fromPercentEncoding(match.captured(1).toUtf8()));
  if (linked != number) return QString();
  return RAZ::Utils::SipUriParser().parseUriTp(number) + match.captured(2);
}

QString ZentUrlHandler::roomDialIn() const {
  if (m_Chat.isEmpty() || !m_contacts) return QString();
  using namespace RAZ::Contacts::Properties;
  // The user's own room is known by the user's own account.
  if (const RAZ::Contacts::ContactPtr own = m_contacts->ownContact()) {
    QString room = own->getProperty(KeyMyRoomChat).toString();
    if (room.isEmpty()) room = m_ownRoom;
    if (!room.isEmpty() && room.compare(m_Chat, Qt::CaseInsensitive) == 0)
      return own->getProperty(KeyMyRoomDialIn).toString();
  }
  // Somebody's room: the contact whose room it is.
  using RAZ::Services::Xmpp::XmppJidValidator;
  const QString owners[] = {m_ContactJid,
                            XmppJidValidator::getRoomJidPart(m_Chat, XmppJidValidator::RoomMyRoom)};
  for (const QString& jid : owners) {
    if (jid.isEmpty()) continue;
    const RAZ::Contacts::ContactPtr owner = m_contacts->getContactByJid(jid);
    if (!owner ||
        owner->getProperty(KeyMyRoomChat).toString().compare(m_Chat, Qt::CaseInsensitive) != 0)
      continue;
    // The room's dial-in where the owner's card has one, else the owner's
    // conference number (as the directory gives it).
    const QString dialIn = owner->getProperty(KeyMyRoomDialIn).toString();
    return dialIn.isEmpty() ? owner->getProperty(KeyConference).toString() : dialIn;
  }
  return QString();
}

void ZentUrlHandler::initialize(RAZ::Sessions::SessionManagerBase* sessionManager) {
  if (!sessionManager) {
    TP_LOG("Utils::ZentUrlHandler::initialize", TP::Core::Logging::LevelInformation)
        << "Nobody is signed in: the link waits for the session";
    return;
  }
  if (m_initialized) return;
  m_initialized = true;

  // Only looked up in, through a guard: the manager may go before the handler.
  m_contacts = const_cast<RAZ::Contacts::Contacts*>(sessionManager->contactsManager().data());
  m_xmpp = sessionManager->xmppService();

  const QString text = decodePayload(m_payload);
  TP_LOG("Utils::ZentUrlHandler::initialize", TP::Core::Logging::LevelInformation)
      << "uri: " << text;
  m_call = attribute(text, QStringLiteral("call"));
  m_webcollab = attribute(text, QStringLiteral("webcollab"));
  m_ContactJid = attribute(text, QStringLiteral("jid"));
  TP_LOG("Utils::ZentUrlHandler::initialize", TP::Core::Logging::LevelInformation)
      << "m_ContactJid: " << m_ContactJid;

  if (m_ContactJid.isEmpty()) {
    m_Chat = attribute(text, QStringLiteral("chat"));
  } else {
    if (m_contacts) {
      RAZ::Contacts::ContactPtr owner = m_contacts->getContactByJid(m_ContactJid);
      if (owner) {
        m_Chat = owner->getProperty(kConferenceRoomProperty).toString();
        TP_LOG("Utils::ZentUrlHandler::initialize", TP::Core::Logging::LevelInformation)
            << "m_Chat: " << m_Chat;
      }
    }
    if (m_Chat.isEmpty() && !requestVCard() && m_xmpp)
      connect(m_xmpp, SIGNAL(connected()), this, SLOT(requestVCard()), Qt::UniqueConnection);
  }

  RAZ::Controllers::CommsSessionController* comms = sessionManager->commsSessionController();
  if (!comms) return;
  connect(this, SIGNAL(createMyRoomSession(QString, QString, QString)), comms,
          SLOT(createMyRoomSession(QString, QString, QString)));
  if (!m_call.isEmpty())
    addSubsession(sessionManager->subSession(RAZ::Sessions::SubSession::TypeSip), m_sipReady);
  if (!m_Chat.isEmpty() || !m_webcollab.isEmpty())
    addSubsession(sessionManager->subSession(RAZ::Sessions::SubSession::TypeXmpp), m_xmppReady);
  RAZ::Controllers::MyRoomController* myRoom = sessionManager->myroomController();
  if (myRoom) m_ownRoom = myRoom->roomJid();
  if (myRoom && myRoom->isMyRoomChat(m_Chat)) {
    m_myRoom = myRoom;
    m_myRoomReady = myRoom->isReady();
    TP_LOG("Utils::ZentUrlHandler::initialize", TP::Core::Logging::LevelInformation)
        << "is MyRoom: " << static_cast<const void*>(myRoom)
        << " ready: " << m_myRoomReady.toBool();
    connect(myRoom, SIGNAL(myRoomReady()), this, SLOT(onMyRoomReady()));
  }
  checkReady();
}

void ZentUrlHandler::addSubsession(RAZ::Sessions::SubSession* subSession, QVariant& flag) {
  if (!subSession || !subSession->enabled()) return;
  m_subSessions << subSession;
  flag = subSession->state() == RAZ::Sessions::Session::Active;
  TP_LOG("Utils::ZentUrlHandler::addSubsession", TP::Core::Logging::LevelInformation)
      << "Subsession included: " << static_cast<const void*>(subSession)
      << ")  ready: " << flag.toBool();
  connect(subSession, SIGNAL(stateChanged(RAZ::Sessions::Session::State)), this,
          SLOT(subSessionStateChanged(RAZ::Sessions::Session::State)));
}

void ZentUrlHandler::subSessionStateChanged(RAZ::Sessions::Session::State state) {
  onStateChanged(qobject_cast<RAZ::Sessions::SubSession*>(sender()), state);
}

void ZentUrlHandler::onStateChanged(const RAZ::Sessions::SubSession* subSession,
                                    RAZ::Sessions::Session::State state) {
  if (!subSession) return;
  TP_LOG("Utils::ZentUrlHandler::onStateChanged", TP::Core::Logging::LevelInformation)
      << static_cast<const void*>(subSession) << ") in state: " << int(state);
  const bool ready = state == RAZ::Sessions::Session::Active;
  if (subSession->type() == RAZ::Sessions::SubSession::TypeSip && m_sipReady.isValid())
    m_sipReady = ready;
  else if (subSession->type() == RAZ::Sessions::SubSession::TypeXmpp && m_xmppReady.isValid())
    m_xmppReady = ready;
  checkReady();
}

void ZentUrlHandler::onMyRoomReady() {
  TP_LOG("Utils::ZentUrlHandler::onMyRoomReady", TP::Core::Logging::LevelInformation)
      << static_cast<const void*>(sender());
  m_myRoomReady = true;
  checkReady();
}

void ZentUrlHandler::checkReady() {
  if (m_Chat.isEmpty() || m_emitted) return;
  m_timer.start();
  for (const QVariant* flag : {&m_sipReady, &m_xmppReady, &m_myRoomReady})
    if (flag->isValid() && !flag->toBool()) return;
  cleanup();
  m_emitted = true;
  const QString dialIn = m_call.isEmpty() ? QString() : roomDialIn();
  const QString call = dialIn.isEmpty() ? QString() : conferenceCall(m_call, dialIn);
  if (call.isEmpty()) {
    if (!m_call.isEmpty())
      TP_LOG("Utils::ZentUrlHandler::checkReady", TP::Core::Logging::LevelWarning)
          << "The link's call is not the room's own conference: the room is joined without it";
    join(QString());
    return;
  }
  // Nothing is dialled from a link before the user has seen the number.
  m_question = Dialogs::MessageWindow::showQuestion(
      tr("Call from a Link"),
      tr("A link to a room asks to call its conference, %1. Do you want to join the room with "
         "this call?")
          .arg(RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(dialIn)),
      false, QDialogButtonBox::Yes | QDialogButtonBox::No);
  connect(m_question, &Dialogs::MessageWindow::accepted, this,
          [this, call](bool yes, bool) { join(yes ? call : QString()); });
}

void ZentUrlHandler::join(const QString& call) {
  TP_LOG("Utils::ZentUrlHandler::join", TP::Core::Logging::LevelInformation)
      << (call.isEmpty() ? "Joining the room without a call" : "Joining the room with its call");
  emit createMyRoomSession(call, m_Chat, m_webcollab);
}

void ZentUrlHandler::cleanup() {
  for (const auto& sub : qAsConst(m_subSessions))
    if (sub) disconnect(sub, nullptr, this, nullptr);
  m_subSessions.clear();
  if (m_myRoom) disconnect(m_myRoom, nullptr, this, nullptr);
  m_myRoom = nullptr;
  // A later reconnect must not ask for the vCard, and so join, again.
  if (m_xmpp) disconnect(m_xmpp, nullptr, this, nullptr);
  if (m_contactData) disconnect(m_contactData, nullptr, this, nullptr);
  m_timer.stop();
}

bool ZentUrlHandler::requestVCard() {
  RAZ::Services::Xmpp::XmppContactDataService* data =
      m_xmpp ? m_xmpp->getXmppContactDataService() : nullptr;
  if (!data) return false;
  if (m_xmpp) disconnect(m_xmpp, SIGNAL(connected()), this, SLOT(requestVCard()));
  m_contactData = data;
  qRegisterMetaType<RAZ::Services::Xmpp::VCardIq>("RAZ::Services::Xmpp::VCardIq");
  connect(data, SIGNAL(vCardReceived(QString, RAZ::Services::Xmpp::VCardIq)), this,
          SLOT(vCardReceived(QString, RAZ::Services::Xmpp::VCardIq)),
          Qt::ConnectionType(Qt::UniqueConnection | Qt::QueuedConnection));
  return data->requestVCard(m_ContactJid);
}

void ZentUrlHandler::vCardReceived(const QString& jid, const RAZ::Services::Xmpp::VCardIq& vCard) {
  if (jid != m_ContactJid) return;
  m_Chat = QString::fromUtf8(QByteArray::fromBase64(vCard.confChat()));
  TP_LOG("Utils::ZentUrlHandler::vCardReceived", TP::Core::Logging::LevelInformation)
      << "m_Chat: " << m_Chat;
  if (QObject* source = sender()) disconnect(source, nullptr, this, nullptr);
  if (m_Chat.isEmpty()) return;
  // The chat room is known only now: watch what it needs.
  checkReady();
}

void ZentUrlHandler::onTimeout() {
  cleanup();
  using RAZ::Services::Xmpp::XmppJidValidator;
  QString name = XmppJidValidator::getRoomJidPart(m_Chat, XmppJidValidator::RoomMyRoom);
  if (!name.isEmpty()) {
    RAZ::Contacts::ContactPtr owner =
        m_contacts ? m_contacts->getContactByJid(name) : RAZ::Contacts::ContactPtr(nullptr);
    if (owner) name = owner->getDisplayName();
  } else {
    name = m_Chat;
  }
  TP_LOG("Utils::ZentUrlHandler::onTimeout", TP::Core::Logging::LevelWarning)
      << "Joining the room timed out";
  Dialogs::MessageWindow::showInformation(
      tr("Failed to Join Room"),
      tr("Failed to join %1's room due to network connection issues. Please try again after the "
         "connection is restored")
          .arg(name),
      false, QDialogButtonBox::Ok, false, nullptr);
}

}  // namespace Utils

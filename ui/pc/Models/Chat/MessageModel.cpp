#include "Models/Chat/MessageModel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegExp>
#include <QTimer>
#include <QUrl>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Models/ChatParticipants.h>
#include <RAZ/Models/FTModel.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/FileWrites.h>
#include <RAZ/Webcollab/WebcollabControllerBase.h>
#include <TP/Core/Logging.h>

#include "Application.h"
#include "Utils/ConfigIds.h"
#include "Utils/GlobalConstants.h"
#include "Utils/Retranslator.h"
#include "Utils/StringHelper.h"
#include "libqml/utils/Style.h"

namespace Models {
namespace Chat {

using RAZ::Data::FTAdapter;
using RAZ::Data::Message::Data;

namespace {

// --- Page templates (filled in one pass with MessageModel::fill); those
// the program shares are its constants ---
namespace Shared = Utils::Constants::Chat;
const char kPageHead[] =
    "<html><head><style type='text/css'><!--%1--></style>"
    "<script language='javascript' type='text/javascript' "
    "src='qrc:/windows/CommunicationsWindow/Chat/progressbar.js'></script>"
    "<script language='javascript' type='text/javascript' "
    "src='qrc:/windows/CommunicationsWindow/Chat/chat.js'></script></head>\n";
const char kBodyStart[] = "<body><div id='messagelist'>";
const char kBodyEnd[] = "</div></body>";
const QString& kDate = Shared::DateLine;
const QString& kLocalSender = Shared::LocalSender;
const QString& kRemoteSender = Shared::RemoteSender;
const QString& kSmsSender = Shared::LocalSenderWithIcon;
const QString& kContent = Shared::MessageBody;
const QString& kAddUsersInfo = Shared::AddParticipantsHint;
const QString& kJoinPart = Shared::JoinLeaveLine;
const QString& kShareNote = Shared::ShareParticipantsLine;
const QString& kRoomClosing = Shared::RoomClosingLine;

const QString& kFtEntry = Shared::TransferBlock;
const QString& kFtDetails = Shared::TransferFileLine;
const QString& kFtProgressBar = Shared::TransferProgressBar;
const QString& kFtAcceptDecline = Shared::IncomingTransferButtons;
const QString& kFtStatusCancel = Shared::RunningTransferButton;
const QString& kFtOpenShow = Shared::FinishedTransferButtons;
const char kFtLoaded[] = "<span id='ft_loaded-%1'>0</span>";

const char kCssResource[] = ":/windows/CommunicationsWindow/Chat/chatstyle.css.in";

QString T(const char* templ) { return QString::fromLatin1(templ); }
const QString& T(const QString& templ) { return templ; }

// --- The expressions of the message text ---
// QRegExp keeps match state: every use works on its own copy.
QRegExp webExpression() { return Shared::LinkExpression; }
QRegExp mailExpression() { return Shared::EmailExpression; }

// The link target of an address the web expression found, or empty when it
// must stay text. The expression takes any "word:/" prefix ("javascript://",
// "file:/", the product's own scheme) and bare host names with a path; only
// http, https and ftp addresses and "www." addresses become links, the
// latter with "http://" put before them so they never resolve against the
// page itself.
QString linkTarget(const QString& address) {
  if (address.startsWith(QLatin1String("http://")) ||
      address.startsWith(QLatin1String("https://")) || address.startsWith(QLatin1String("ftp://")))
    return address;
  static const QRegExp www(QStringLiteral("^www\\d{0,3}[.]"));
  if (QRegExp(www).indexIn(address) == 0) return QStringLiteral("http://") + address;
  return QString();
}

// Private-use characters as character references: without a smiley set
// they are shown as typed, and the page cannot take them for anything else.
QString privateUseAsReferences(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (QChar c : text) {
    if (RAZ::Models::SmileysPtr::isTokenCharacter(c))
      out += QStringLiteral("&#x%1;").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    else
      out += c;
  }
  return out;
}

QString withoutSmileyTokens(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (QChar c : text)
    if (!RAZ::Models::SmileysPtr::isTokenCharacter(c)) out += c;
  return out;
}

QString esc(const QString& text) { return text.toHtmlEscaped(); }

// Who an entry is from, as the transcript tells entries apart: the user, or
// the remote party by its id.
QString senderKey(bool own, const QString& remoteId) {
  return own ? QStringLiteral("local") : QStringLiteral("remote:") + remoteId;
}

// Quick tests that let most texts skip the (slow) expressions: an address
// needs ":/", "www" or a dot and a slash; an e-mail address an at-sign.
bool mayHoldWebAddress(const QString& text) {
  return text.contains(QLatin1String(":/")) || text.contains(QLatin1String("www")) ||
         (text.contains(QLatin1Char('.')) && text.contains(QLatin1Char('/')));
}
bool mayHoldMailAddress(const QString& text) { return text.contains(QLatin1Char('@')); }

}  // namespace

// ---------------------------------------------------------------------------
// Construction and sources

MessageModel::MessageModel(QObject* parent) : QObject(parent), m_ownDisplayName(tr("Me")) {
  RAZ::Settings installation(RAZ::Settings::Installation);
  m_maxMessageLength = installation.value(QStringLiteral("chat/maxMessageLength")).toInt();
  if (QML::Style* style = QML::Style::instance()) {
    connect(style, SIGNAL(colorsChanged()), this, SLOT(cssChanged()));
    connect(style, SIGNAL(fontFamilyChanged()), this, SLOT(cssChanged()));
  }
  generateCss();
  m_htmlContent = pageHead() + T(kBodyStart) + T(kBodyEnd);
  Utils::QObjectLanguageChange::registerObject(this);
}

bool MessageModel::event(QEvent* e) {
  // Names, times and dates on the page are said again in the new language;
  // the rebuilt page holds every entry it held. One rebuild for the events
  // a switch sends.
  if (e->type() == QEvent::LanguageChange && !m_retranslatePending) {
    m_retranslatePending = true;
    QTimer::singleShot(0, this, [this] {
      m_retranslatePending = false;
      if (!m_ownNameGiven) m_ownDisplayName = tr("Me");
      if (m_chatModel || m_ftModel) modelReset();
    });
  }
  return QObject::event(e);
}

MessageModel::~MessageModel() = default;

void MessageModel::setSourceModel(RAZ::Models::ChatModel* model) {
  TP::Core::Logging::CTraceScope trace("Models::Chat::MessageModel::setSourceModel");
  if (m_chatModel) disconnect(m_chatModel, nullptr, this, nullptr);
  m_chatModel = model;
  if (!model) return;
  connect(model, SIGNAL(messageAdded(int, RAZ::Data::Message::Data&)), this,
          SLOT(messageAdded(int, RAZ::Data::Message::Data&)));
  connect(model, SIGNAL(messageRemoved(int, RAZ::Data::Message::Data&)), this,
          SLOT(messageRemoved(int, RAZ::Data::Message::Data&)));
  connect(model, SIGNAL(messageUpdated(int, RAZ::Data::Message::Data&)), this,
          SLOT(messageUpdated(int, RAZ::Data::Message::Data&)));
  connect(model, SIGNAL(modelReset()), this, SLOT(modelReset()));
  connect(model, SIGNAL(showAddUsersInfo()), this, SLOT(onShowAddUsersInfo()));
}

void MessageModel::setParticipants(RAZ::Models::ChatParticipants* participants) {
  TP::Core::Logging::CTraceScope trace("Models::Chat::MessageModel::setParticipants");
  if (m_participants) disconnect(m_participants, nullptr, this, nullptr);
  m_participants = participants;
  if (!participants) return;
  // The names the chat already knows (its peer, the room's parties present
  // when the window opened): headers and typing notices show them too.
  const QMap<QString, QString> known = participants->participants();
  for (auto it = known.cbegin(); it != known.cend(); ++it)
    if (!it.value().isEmpty() && !m_participantNames.contains(it.key()))
      m_participantNames.insert(it.key(), it.value());
  connect(participants, SIGNAL(participantNameChanged(QString, QString)), this,
          SLOT(participantNameChanged(QString, QString)));
  connect(participants, SIGNAL(participantAdded(QString, QString)), this,
          SLOT(participantAdded(QString, QString)));
  connect(participants, SIGNAL(participantRemoved(QString)), this,
          SLOT(participantRemoved(QString)));
}

void MessageModel::setSmileys(
    const TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr>& smileys) {
  m_smileys = smileys;
}

void MessageModel::setOwnDisplayName(const QString& name) {
  TP_LOG("Models::Chat::MessageModel::setOwnDisplayName", TP::Core::Logging::LevelInformation)
      << "Own: " << name;
  m_ownDisplayName = name;
  m_ownNameGiven = true;
}

void MessageModel::setMessagesRead(bool read) {
  if (m_chatModel) m_chatModel->setMessagesRead(read);
}

void MessageModel::setConfiguration(const RAZ::Configuration::Config* config) {
  m_config = config;
  m_configSet = true;
}

const RAZ::Configuration::Config* MessageModel::configuration() const {
  if (m_configSet) return m_config;
  auto* app = qobject_cast<Application*>(qApp);
  return app ? app->getConfig() : nullptr;
}

// ---------------------------------------------------------------------------
// Page state

void MessageModel::pageLoadFinished() {
  TP::Core::Logging::CTraceScope trace("Models::Chat::MessageModel::pageLoadFinished");
  m_pageLoaded = true;
  while (!m_pendingHtml.isEmpty()) emit messageAdded(m_pendingHtml.takeFirst(), false);
  for (auto it = m_participantNames.cbegin(); it != m_participantNames.cend(); ++it) {
    const QString cleaned = cleanId(it.key());
    TP_LOG("Models::Chat::MessageModel::pageLoadFinished", TP::Core::Logging::LevelDetail)
        << " Contact[" << it.key() << "]"
        << " AfterRemove Contact[" << cleaned << "]";
    emit contactNameChanged(cleaned, esc(it.value()));
  }
}

void MessageModel::updateMessagesFrom(int age) {
  m_historyAge = age;
  if (!m_chatModel) {
    // Nothing will answer with a reset: the page stays as it is.
    TP_LOG("Models::Chat::MessageModel::updateMessagesFrom", TP::Core::Logging::LevelWarning)
        << "No chat model";
    return;
  }
  m_pageLoaded = false;
  m_chatModel->getMessagesFrom(age);
}

void MessageModel::deleteHistory() {
  // The notes go with the history they stood in.
  m_notes.clear();
  if (m_ftModel) m_ftModel->deleteHistory();
  if (m_chatModel) m_chatModel->deleteHistory();
}

void MessageModel::addHtml(const QString& html, bool incoming, bool prepend) {
  if (m_pageLoaded) {
    emit messageAdded(html, prepend);
  } else if (prepend) {
    m_pendingHtml.prepend(html);
  } else {
    m_pendingHtml.append(html);
  }
  if (incoming) emit incomingMessage();
}

// ---------------------------------------------------------------------------
// Style sheet

void MessageModel::generateCss() {
  QFile file(QString::fromLatin1(kCssResource));
  if (!file.open(QIODevice::ReadOnly)) {
    TP_LOG("Models::Chat::MessageModel::generateCss", TP::Core::Logging::LevelWarning)
        << "No style sheet " << kCssResource;
    return;
  }
  QString css = QString::fromUtf8(file.readAll());
  const QML::Style* style = QML::Style::instance();
  if (style && !style->replaceCssWithStyle(css)) {
    TP_LOG("Models::Chat::MessageModel::generateCss", TP::Core::Logging::LevelWarning)
        << "FAIL: invalid template date in .css.in";
    return;
  }
  m_css = css;
}

QString MessageModel::pageHead() const { return fill(T(kPageHead), {m_css}); }

void MessageModel::cssChanged() {
  generateCss();
  modelReset();
}

// ---------------------------------------------------------------------------
// Helpers

QString MessageModel::fill(const QString& templ, const QStringList& args) {
  QString out;
  out.reserve(templ.size() + 64);
  const int n = templ.size();
  for (int i = 0; i < n; ++i) {
    const QChar c = templ.at(i);
    if (c == QLatin1Char('%') && i + 1 < n) {
      const int digit = templ.at(i + 1).digitValue();
      if (digit >= 1 && digit <= args.size()) {
        out += args.at(digit - 1);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

QString MessageModel::cleanId(const QString& id) {
  QString out;
  out.reserve(id.size());
  for (QChar c : id) {
    const ushort u = c.unicode();
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' ||
        u == '-')
      out += c;
  }
  return out;
}

QString MessageModel::pageId(const QString& transferId) {
  bool plain = !transferId.isEmpty();
  for (QChar c : transferId) {
    const ushort u = c.unicode();
    if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' ||
          u == '-' || u == '.')) {
      plain = false;
      break;
    }
  }
  if (plain) return transferId;
  return QLatin1Char('~') + QString::fromLatin1(transferId.toUtf8().toHex());
}

QString MessageModel::transferIdFromPage(const QString& id) {
  if (!id.startsWith(QLatin1Char('~'))) return id;
  return QString::fromUtf8(QByteArray::fromHex(id.mid(1).toLatin1()));
}

QString MessageModel::dateSeparator(const QDateTime& time) const {
  return fill(T(kDate), {esc(Utils::StringHelper::formatDate(time.date()))});
}

// ---------------------------------------------------------------------------
// Message text

QString MessageModel::textToHtml(const QString& text) const {
  return textToHtml(text, m_smileys.isNull() ? nullptr : m_smileys.Raw());
}

QString MessageModel::textToHtml(const QString& text, const RAZ::Models::SmileysPtr* smileys) {
  // Without a set, private-use characters are shown as typed.
  const QString in = smileys ? smileys->replaceSmileysWithUid(text) : text;
  // One pass over the text: each address the expressions find becomes a
  // link and everything between them is escaped as it is. Nothing is added
  // or dropped, so the text stripped of our tags reads as it was typed.
  QRegExp webExp = webExpression();
  QRegExp mailExp = mailExpression();
  int nextWeb = mayHoldWebAddress(in) ? webExp.indexIn(in, 0) : -1;
  int nextMail = mayHoldMailAddress(in) ? mailExp.indexIn(in, 0) : -1;
  QString out;
  out.reserve(in.size() + in.size() / 4);
  auto plain = [&out, smileys](const QStringRef& part) {
    for (QChar c : part) {
      switch (c.unicode()) {
        case '\n':
        case '\r':
          out += QStringLiteral("<br/>");
          break;
        case '<':
          out += QStringLiteral("&lt;");
          break;
        case '>':
          out += QStringLiteral("&gt;");
          break;
        case '&':
          out += QStringLiteral("&amp;");
          break;
        case '"':
          out += QStringLiteral("&quot;");
          break;
        default:
          if (!smileys && RAZ::Models::SmileysPtr::isTokenCharacter(c))
            out += privateUseAsReferences(QString(c));
          else
            out += c;
      }
    }
  };
  int at = 0;
  while (nextWeb >= 0 || nextMail >= 0) {
    // The address that starts first wins; of two at one place, the longer.
    const bool isWeb = nextWeb >= 0 &&
                       (nextMail < 0 || nextWeb < nextMail ||
                        (nextWeb == nextMail && webExp.matchedLength() >= mailExp.matchedLength()));
    const int start = isWeb ? nextWeb : nextMail;
    int length = qMax(1, isWeb ? webExp.matchedLength() : mailExp.matchedLength());
    plain(in.midRef(at, start - at));
    QString address = isWeb ? webExp.cap(1) : mailExp.cap(1);
    // A typed private-use character stays whole: its mark never ends a link
    // without it.
    if (smileys && !address.isEmpty() &&
        RAZ::Models::SmileysPtr::isLiteralMark(address.at(address.size() - 1)) &&
        start + length < in.size()) {
      address += in.at(start + length);
      ++length;
    }
    const QString shown =
        smileys ? address.toHtmlEscaped() : privateUseAsReferences(address.toHtmlEscaped());
    if (isWeb) {
      const QString target = linkTarget(withoutSmileyTokens(address));
      // The attribute gets the escaped address: a quote in it cannot end
      // the attribute.
      if (target.isEmpty())
        plain(in.midRef(start, length));
      else
        out += QStringLiteral("<a href=\"") + esc(target) + QStringLiteral("\">") + shown +
               QStringLiteral("</a>");
    } else {
      // The expression's last character may be a smiley token: it stays in
      // the link's text but never in its address, where its picture would
      // land.
      out += QStringLiteral("<a href=\"mailto:") + esc(withoutSmileyTokens(address)) +
             QStringLiteral("\">") + shown + QStringLiteral("</a>");
    }
    at = start + length;
    if (nextWeb >= 0 && nextWeb < at) nextWeb = webExp.indexIn(in, at);
    if (nextMail >= 0 && nextMail < at) nextMail = mailExp.indexIn(in, at);
  }
  plain(in.midRef(at));
  if (smileys) out = smileys->replaceUidsWithImgs(out, 16, 16);
  return out;
}

// ---------------------------------------------------------------------------
// Messages

QString MessageModel::createHtml(Data& message) {
  TP_LOG("Models::Chat::MessageModel::createHtml", TP::Core::Logging::LevelInformation)
      << "Models::Chat::MessageModel::createHtml";
  QString out;
  const QDateTime time = message.getTime();
  if (!(m_lastDate.isValid() && m_lastDate.daysTo(time) == 0)) out = dateSeparator(time);

  // A message whose entry follows one of another party (a file between two
  // messages of one run) says again who wrote it.
  const QString sender = senderKey(message.getDirection() == Data::Sent, message.getSenderId());
  if (message.getIsFirstMessage() || sender != m_lastSender) {
    const bool isSms = message.getType() == Data::Sms;
    QString name;
    if (message.getDirection() == Data::Sent) {
      name = m_ownDisplayName;
      TP_LOG("Models::Chat::MessageModel::createHtml", TP::Core::Logging::LevelDetail)
          << "Own: " << name;
      if (isSms) name += message.getSent() ? tr(" sent an SMS") : tr(" Sending SMS...");
    } else {
      const QString known = m_participantNames.value(message.getSenderId());
      if (!known.isEmpty()) {
        name = known;
        TP_LOG("Models::Chat::MessageModel::createHtml", TP::Core::Logging::LevelDetail)
            << "FromParticipants: " << name;
      } else {
        name = message.getSenderId();
        TP_LOG("Models::Chat::MessageModel::createHtml", TP::Core::Logging::LevelDetail)
            << "FromMessage: " << name;
      }
      if (isSms) name += tr(" sent an SMS");
    }
    const QString escapedName = esc(name);
    TP_LOG("Models::Chat::MessageModel::createHtml", TP::Core::Logging::LevelDetail)
        << "FromMessage id[" << message.getSenderId() << "]";
    const QString id = cleanId(message.getSenderId());
    TP_LOG("Models::Chat::MessageModel::createHtml", TP::Core::Logging::LevelDetail)
        << "AfterRemove id[" << id << "]";
    const QString timeText = esc(Utils::StringHelper::formatTime(time.time()));
    if (isSms && (message.getStatus() & 0xFE) == 0) {
      out += fill(T(kSmsSender), {QString::number(message.getId()),
                                  message.getSent() ? QStringLiteral("display:none") : QString(),
                                  id, escapedName, timeText});
    } else if (isSms || message.getDirection() == Data::Sent) {
      out += fill(T(kLocalSender), {id, escapedName, timeText});
    } else {
      out += fill(T(kRemoteSender), {id, escapedName, timeText});
    }
  }

  const QString body = textToHtml(message.getText());
  QString content = fill(
      T(kContent),
      {message.getDirection() == Data::Sent ? QStringLiteral("local") : QStringLiteral("remote"),
       body});
  if (message.getStatus() & Data::StatusTimedOut)
    content += QLatin1Char('\n') + esc(tr("Request timed out, message wasn't sent."));
  out += content;

  m_lastSender = sender;
  TP_LOG("Models::Chat::MessageModel::createHtml", TP::Core::Logging::LevelDetail)
      << "Last sender: " << m_lastSender;
  m_lastDate = time;
  if (message.getDirection() == Data::Received) {
    m_lastMessageReceived = time;
    emit lastMessageReceivedChanged();
  }
  return out;
}

void MessageModel::messageAdded(int index, Data& message) {
  Q_UNUSED(index);
  if (RAZ::Webcollab::WebcollabControllerBase::containsShareTags(message.getText()) != 0) return;
  addHtml(createHtml(message), message.getDirection() == Data::Received, false);
}

void MessageModel::messageRemoved(int index, Data& message) {
  Q_UNUSED(index);
  Q_UNUSED(message);
  modelReset();
}

void MessageModel::messageUpdated(int index, Data& message) {
  // An updated message changes on the page at the next rebuild.
  Q_UNUSED(index);
  Q_UNUSED(message);
}

void MessageModel::modelReset() {
  TP::Core::Logging::CTraceScope trace("Models::Chat::MessageModel::modelReset");
  m_lastSender.clear();
  m_lastDate = QDateTime();
  m_pendingHtml.clear();

  QList<FTAdapter*> transfers;
  if (m_ftModel) transfers = m_ftModel->getTransfersFrom(m_historyAge);
  QList<Data> messages;
  if (m_chatModel) messages = m_chatModel->getMessages();

  QStringList entries;
  QList<QDateTime> times;  // of each entry
  entries.reserve(transfers.size() + messages.size() + m_notes.size());
  int t = 0;
  int m = 0;
  while (t < transfers.size() && m < messages.size()) {
    if (transfers.at(t)->getTime() < messages.at(m).getTime()) {
      connectFtSignals(transfers.at(t));
      entries << fileTransferHtml(transfers.at(t));
      times << transfers.at(t)->getTime();
      ++t;
    } else {
      Data& message = messages[m];
      const bool share =
          RAZ::Webcollab::WebcollabControllerBase::containsShareTags(message.getText()) != 0;
      entries << (share ? QString() : createHtml(message));
      times << message.getTime();
      ++m;
    }
  }
  for (; t < transfers.size(); ++t) {
    connectFtSignals(transfers.at(t));
    entries << fileTransferHtml(transfers.at(t));
    times << transfers.at(t)->getTime();
  }
  for (; m < messages.size(); ++m) {
    Data& message = messages[m];
    if (RAZ::Webcollab::WebcollabControllerBase::containsShareTags(message.getText()) == 0) {
      entries << createHtml(message);
      times << message.getTime();
    }
  }

  // The notes go back where they were, among the entries by their time,
  // said in the language of the moment; the hint stays first.
  QStringList page;
  page.reserve(entries.size() + m_notes.size());
  for (const Note& note : qAsConst(m_notes))
    if (note.kind == Note::AddUsersInfo) page << noteHtml(note);
  int next = 0;
  auto notesBefore = [&](const QDateTime* until) {
    for (; next < m_notes.size() && (!until || m_notes.at(next).time < *until); ++next)
      if (m_notes.at(next).kind != Note::AddUsersInfo) page << noteHtml(m_notes.at(next));
  };
  for (int i = 0; i < entries.size(); ++i) {
    notesBefore(&times.at(i));
    page << entries.at(i);
  }
  notesBefore(nullptr);

  m_htmlContent = pageHead() + T(kBodyStart) + page.join(QLatin1Char('\n')) + T(kBodyEnd);
  emit htmlChanged();
}

// ---------------------------------------------------------------------------
// Notes

QString MessageModel::noteHtml(const Note& note) const {
  const QString time = Utils::StringHelper::formatTime(note.time.time());
  switch (note.kind) {
    case Note::Joined:
      return fill(T(kJoinPart), {esc(tr("%1 has joined chat %2").arg(note.name, time))});
    case Note::Left:
      return fill(T(kJoinPart), {esc(tr("%1 has left chat %2").arg(note.name, time))});
    case Note::JoinedShare:
      return fill(T(kShareNote), {esc(tr("%1 joined Desktop Share %2").arg(note.name, time))});
    case Note::LeftShare:
      return fill(T(kShareNote), {esc(tr("%1 left Desktop Share %2").arg(note.name, time))});
    case Note::RoomClosing:
      return fill(T(kRoomClosing),
                  {esc(tr("Your share will close in %1 minute(s) due to inactivity unless "
                          "you continue using the share before that.")
                           .arg(note.seconds / 60u))});
    case Note::RoomClosed:
      return fill(T(kRoomClosing), {esc(tr("Your share has been closed."))});
    case Note::AddUsersInfo:
      break;
  }
  return fill(T(kAddUsersInfo), {esc(tr("Drag and drop contacts from the contact list to add them "
                                        "as participants to this chat."))});
}

void MessageModel::addNote(Note::Kind kind, const QString& name, uint seconds) {
  m_notes.append(Note{kind, name, seconds, QDateTime::currentDateTime()});
  addHtml(noteHtml(m_notes.last()), false, kind == Note::AddUsersInfo);
}

void MessageModel::participantAdded(QString id, QString name) {
  TP_LOG("Models::Chat::MessageModel::participantAdded", TP::Core::Logging::LevelInformation)
      << "participantAdded[" << id << "] == (" << name << ")";
  addNote(Note::Joined, name);
}

void MessageModel::participantRemoved(QString name) {
  TP_LOG("Models::Chat::MessageModel::participantRemoved", TP::Core::Logging::LevelInformation)
      << "participantRemoved(" << name << ")";
  addNote(Note::Left, name);
}

void MessageModel::participantJoinedShare(QString name) { addNote(Note::JoinedShare, name); }

void MessageModel::participantLeftShare(QString name) { addNote(Note::LeftShare, name); }

void MessageModel::onRoomIsClosing(uint seconds) { addNote(Note::RoomClosing, QString(), seconds); }

void MessageModel::onRoomClosed() { addNote(Note::RoomClosed); }

void MessageModel::onShowAddUsersInfo() { addNote(Note::AddUsersInfo); }

// ---------------------------------------------------------------------------
// Names and typing

void MessageModel::participantNameChanged(QString contactId, QString newName) {
  TP::Core::Logging::CTraceScope trace("Models::Chat::MessageModel::participantNameChanged");
  TP_LOG("Models::Chat::MessageModel::participantNameChanged", TP::Core::Logging::LevelDetail)
      << "Contact[" << contactId << "]==" << m_participantNames.value(contactId) << ";";
  m_participantNames.insert(contactId, newName);
  TP_LOG("Models::Chat::MessageModel::participantNameChanged", TP::Core::Logging::LevelDetail)
      << "Contact[" << contactId << "]==" << newName << ";";
  const QString cleaned = cleanId(contactId);
  TP_LOG("Models::Chat::MessageModel::participantNameChanged", TP::Core::Logging::LevelDetail)
      << "AfterRemove Contact[" << cleaned << "]==" << newName << ";";
  emit contactNameChanged(cleaned, esc(newName));
}

void MessageModel::typersChanged(QStringList typers) {
  TP_LOG("Models::Chat::MessageModel::typersChanged", TP::Core::Logging::LevelInformation)
      << " Typers: " << typers.join(QStringLiteral(", "));
  QStringList names;
  for (const QString& typer : typers) {
    const QString key = typer.toLower();
    QString name = m_participantNames.value(key);
    if (name.isEmpty()) name = key;
    names << name;
  }
  if (names.isEmpty())
    m_typingNotification.clear();
  else if (names.size() == 1)
    m_typingNotification = tr("%1 is typing...");
  else
    m_typingNotification = tr("%1 are typing...");
  // The notice is shown as plain text (never markup): names go in as they are.
  if (!names.isEmpty())
    m_typingNotification = fill(m_typingNotification, {names.join(QStringLiteral(", "))});
  emit typingNotificationChanged();
}

// ---------------------------------------------------------------------------
// File transfers

void MessageModel::setFtModel(RAZ::Models::FTModel* model) {
  if (m_ftModel) detachFtModel();
  m_ftModel = model;
  if (model) {
    connect(model, SIGNAL(newFTAdded(RAZ::Data::FTAdapter*)), this,
            SLOT(addFiletransfer(RAZ::Data::FTAdapter*)));
    connect(this, SIGNAL(cancelFt(QVariant)), model, SLOT(cancelFtClicked(QVariant)));
    connect(this, SIGNAL(acceptFt(QVariant)), model, SLOT(acceptFtClicked(QVariant)));
  }
  modelReset();
  emit pendingOffersChanged();
}

void MessageModel::detachFtModel() {
  if (!m_ftModel) return;
  disconnect(m_ftModel, SIGNAL(newFTAdded(RAZ::Data::FTAdapter*)), this,
             SLOT(addFiletransfer(RAZ::Data::FTAdapter*)));
  disconnect(this, SIGNAL(cancelFt(QVariant)), m_ftModel, SLOT(cancelFtClicked(QVariant)));
  disconnect(this, SIGNAL(acceptFt(QVariant)), m_ftModel, SLOT(acceptFtClicked(QVariant)));
  m_ftModel = nullptr;
  emit pendingOffersChanged();
}

bool MessageModel::lastActivityIsFileOffer() const {
  return lastActivityIsFileOffer(m_chatModel, m_ftModel);
}

bool MessageModel::lastActivityIsFileOffer(const RAZ::Models::ChatModel* chat,
                                           RAZ::Models::FTModel* transfers) {
  if (!transfers || !chat) return false;
  FTAdapter* ft = transfers->getLastFt();
  if (!ft || !ft->isValid() || ft->getState() != FTAdapter::StateOffered) return false;
  if (chat->messageCount() == 0) return true;
  return chat->getLastMessage().getTime() < ft->getTime();
}

QVariantList MessageModel::pendingOffers() const {
  QVariantList offers;
  if (!m_ftModel) return offers;
  const QList<FTAdapter*> transfers = m_ftModel->getTransfersFrom(RAZ::Models::FTModel::All);
  for (FTAdapter* ft : transfers) {
    if (!ft || !ft->isValid() || ft->getDirection() != FTAdapter::Receiving) continue;
    // The states whose entry offers Accept and Decline.
    const int state = ft->getState();
    if (state != FTAdapter::StateNew && state != FTAdapter::StateRequested &&
        state != FTAdapter::StateOffered)
      continue;
    offers << QVariantMap{{QStringLiteral("id"), pageId(ft->getId())},
                          {QStringLiteral("fileName"), ft->getFileName()}};
  }
  return offers;
}

void MessageModel::addFiletransfer(FTAdapter* ft) {
  if (!ft) return;
  addHtml(fileTransferHtml(ft), ft->getDirection() == FTAdapter::Receiving, false);
  connectFtSignals(ft);
  emit pendingOffersChanged();
}

void MessageModel::connectFtSignals(FTAdapter* ft) {
  switch (ft->getState()) {
    case FTAdapter::StateRequested:
    case FTAdapter::StateNegotiating:
    case FTAdapter::StateConnecting:
    case FTAdapter::StateTransferring:
    case FTAdapter::StateOffered:
    case FTAdapter::StateResuming:
      break;
    default:
      return;
  }
  disconnect(ft, nullptr, this, nullptr);
  connect(ft, SIGNAL(stateChanged(RAZ::Data::FTAdapter::State)), this,
          SLOT(ftStateChanged(RAZ::Data::FTAdapter::State)));
  connect(ft, SIGNAL(progressChanged(QString, int, qint64)), this,
          SLOT(ftProgressChanged(QString, int, qint64)));
}

QString MessageModel::formatFileSize(qint64 bytes) {
  if (bytes < 1024) return tr("%1 B").arg(bytes);
  if (bytes < 1048576) return tr("%1 KB").arg(double(bytes) / 1024.0, 0, 'f', 1);
  if (bytes < 1073741824) return tr("%1 MB").arg(double(bytes) / 1048576.0, 0, 'f', 1);
  return tr("%1 GB").arg(double(bytes) / 1073741824.0, 0, 'f', 1);
}

int MessageModel::progressBarOffset(int percent) { return int(percent * 0.51 - 51.0); }

int MessageModel::configLimit(int id) const {
  const RAZ::Configuration::Config* config = configuration();
  return config ? config->value(id).toInt() : 0;
}

bool MessageModel::isIncomingFileTooLarge(const FTAdapter* ft) const {
  const int limit = configLimit(Utils::ConfigId::IncomingFileSizeLimit);
  return limit >= 1 && ft->getFileSize() > limit;
}

bool MessageModel::isOutgoingFileTooLarge(const FTAdapter* ft) const {
  const int limit = configLimit(Utils::ConfigId::OutgoingFileSizeLimit);
  return limit >= 1 && ft->getFileSize() > limit;
}

QString MessageModel::transferStatusLine(FTAdapter* ft, const QString& size) const {
  const QString id = pageId(ft->getId());
  const QString status = ft->getDirection() == FTAdapter::Sending ? tr("Sending file %1 of %2")
                                                                  : tr("Receiving file %1 of %2");
  const QString statusText = fill(esc(status), {fill(T(kFtLoaded), {id}), esc(size)});
  return fill(T(kFtStatusCancel), {id, statusText, esc(tr("Cancel Transfer"))});
}

QString MessageModel::failedText(const FTAdapter* ft) const {
  // A received file that could not be stored (a full disk) says why: the
  // user has to make room before asking for it again.
  if (ft->getError().isEmpty()) return tr("Transfer failed");
  //: %1 is the system's reason, e.g. "No space left on device"
  return tr("Transfer failed. The file could not be saved: %1")
      .arg(RAZ::Utils::FileWrites::shownReason(ft->getError()));
}

QString MessageModel::fileMissingDetails(const FTAdapter* ft) const {
  return fill(T(kFtDetails),
              {esc(ft->getFileName()), QString(), esc(tr("The file does not exist"))});
}

QString MessageModel::fileTransferHtml(FTAdapter* ft) {
  const QString id = pageId(ft->getId());
  QString header;
  const QString peer = cleanId(ft->getPeerId());
  const QDateTime time = ft->getTime();
  // The partner is the peer of both directions; a file the user sends is
  // the user's entry.
  const QString sender = senderKey(ft->getDirection() == FTAdapter::Sending, ft->getPeerId());
  if (sender != m_lastSender) {
    m_lastSender = sender;
    const QString timeText = esc(Utils::StringHelper::formatTime(time.time()));
    if (ft->getDirection() == FTAdapter::Sending) {
      // The page renames a party's headers by the party's id: the user's own
      // file must not carry the partner's, or it is shown as the partner's.
      header = fill(T(kLocalSender), {QString(), esc(m_ownDisplayName), timeText});
    } else {
      QString name = m_participantNames.value(ft->getPeerId());
      if (name.isEmpty()) name = ft->getPeerId();
      header = fill(T(kRemoteSender), {peer, esc(name), timeText});
    }
  }
  QString date;
  if (!(m_lastDate.isValid() && m_lastDate.daysTo(time) == 0)) date = dateSeparator(time);
  if (!time.isNull()) m_lastDate = time;

  const QString size = formatFileSize(ft->getFileSize());
  const QString bar =
      fill(T(kFtProgressBar), {id, QString::number(progressBarOffset(ft->getPercent()))});
  const QString name = esc(ft->getFileName());
  QString details;
  switch (ft->getState()) {
    case FTAdapter::StateNew:
    case FTAdapter::StateRequested:
    case FTAdapter::StateOffered:
      if (!ft->isValid()) {
        details = fill(T(kFtDetails), {name, QString(), esc(tr("Transfer failed"))});
      } else if (ft->getDirection() == FTAdapter::Receiving) {
        details =
            fill(T(kFtDetails),
                 {name, fill(T(kFtAcceptDecline), {id, esc(tr("Accept")), esc(tr("Decline"))}),
                  esc(tr("File Size %1").arg(size))});
      } else {
        details = fill(
            T(kFtDetails),
            {name, bar,
             fill(T(kFtStatusCancel), {id, esc(tr("Waiting...")), esc(tr("Cancel Transfer"))})});
        if (isOutgoingFileTooLarge(ft)) ft->cancel();
      }
      break;
    case FTAdapter::StateTransferring:
      details = fill(T(kFtDetails), {name, bar, transferStatusLine(ft, size)});
      break;
    case FTAdapter::StateSent:
      details = fill(T(kFtDetails), {name, QString(), esc(tr("File sent"))});
      break;
    case FTAdapter::StateCancelled:
      details = fill(T(kFtDetails),
                     {name, QString(),
                      esc(ft->isValid() && ft->getDirection() == FTAdapter::Receiving &&
                                  isIncomingFileTooLarge(ft)
                              ? tr("File Size %1. The incoming file is too large. The transfer "
                                   "has been cancelled.")
                                    .arg(size)
                              : tr("Transfer cancelled"))});
      break;
    case FTAdapter::StateFailed:
      details = fill(T(kFtDetails), {name, QString(), esc(failedText(ft))});
      break;
    case FTAdapter::StateTimedOut:
      details = fill(T(kFtDetails), {name, QString(), esc(tr("Transfer timed out"))});
      break;
    case FTAdapter::StateEncryptionMismatch:
      details = fill(T(kFtDetails),
                     {name, QString(), esc(tr("Transfer failed. Incompatible encryption level."))});
      break;
    case FTAdapter::StateReceived:
      if (QFileInfo::exists(ft->getFilePath()))
        details =
            fill(T(kFtDetails), {name, QString(),
                                 fill(T(kFtOpenShow), {id, esc(tr("File received, click to open")),
                                                       esc(tr("Show in Folder"))})});
      else
        details = fileMissingDetails(ft);
      break;
    default:
      return QString();
  }
  return date + header + fill(T(kFtEntry), {id, details});
}

void MessageModel::ftStateChanged(FTAdapter::State state) {
  auto* ft = qobject_cast<FTAdapter*>(sender());
  if (!ft) return;
  emit pendingOffersChanged();
  const QString id = pageId(ft->getId());
  const QString bar = fill(T(kFtProgressBar), {id, QString::number(-51)});
  const QString name = esc(ft->getFileName());
  const QString size = formatFileSize(ft->getFileSize());
  QString status;
  switch (state) {
    case FTAdapter::StateTransferring:
      status = transferStatusLine(ft, size);
      break;
    case FTAdapter::StateSent:
      status = esc(tr("File sent"));
      break;
    case FTAdapter::StateCancelled:
      if (ft->isValid() && ft->getDirection() == FTAdapter::Receiving && isIncomingFileTooLarge(ft))
        status = esc(tr("File Size %1. The incoming file is too large. The transfer has been "
                        "cancelled.")
                         .arg(size));
      else if (ft->isValid() && ft->getDirection() == FTAdapter::Sending &&
               isOutgoingFileTooLarge(ft))
        status = esc(tr("File Size %1. The outgoing file is too large. The transfer has been "
                        "cancelled.")
                         .arg(size));
      else
        status = esc(tr("Transfer cancelled"));
      break;
    case FTAdapter::StateFailed:
      status = esc(failedText(ft));
      break;
    case FTAdapter::StateTimedOut:
      status = esc(tr("Transfer timed out"));
      break;
    case FTAdapter::StateEncryptionMismatch:
      status = esc(tr("Transfer failed. Incompatible encryption level."));
      break;
    case FTAdapter::StateReceived:
      status = fill(T(kFtOpenShow),
                    {id, esc(tr("File received, click to open")), esc(tr("Show in Folder"))});
      break;
    default:
      return;
  }
  const QString details =
      fill(T(kFtDetails), {name, state == FTAdapter::StateTransferring ? bar : QString(), status});
  emit stateChanged(id, details);
  emit progressChanged(id, ft->getPercent(), ft->getFileSize());
}

void MessageModel::ftProgressChanged(QString id, int percent, qint64 bytes) {
  emit progressChanged(pageId(id), percent, formatFileSize(bytes));
}

void MessageModel::acceptFtClicked(QVariant id) {
  emit acceptFt(transferIdFromPage(id.toString()));
}

void MessageModel::cancelFtClicked(QVariant id) {
  emit cancelFt(transferIdFromPage(id.toString()));
}

void MessageModel::openFileClicked(QVariant id) {
  const QString transferId = transferIdFromPage(id.toString());
  FTAdapter* ft = m_ftModel ? m_ftModel->getFt(transferId) : nullptr;
  if (!ft) {
    TP_LOG("Models::Chat::MessageModel::openFileClicked", TP::Core::Logging::LevelError)
        << "ft is NULL";
    return;
  }
  const QString path = ft->getFilePath();
  TP_LOG("Models::Chat::MessageModel::openFileClicked", TP::Core::Logging::LevelInformation)
      << "File: " << path;
  if (QFileInfo::exists(path)) {
    const bool ok = QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    TP_LOG("Models::Chat::MessageModel::openFileClicked", TP::Core::Logging::LevelInformation)
        << "Opening file " << (ok ? "succeeded." : "failed.");
  } else {
    emit stateChanged(pageId(transferId), fileMissingDetails(ft));
  }
}

void MessageModel::showFileInFolderClicked(QVariant id) {
  const QString transferId = transferIdFromPage(id.toString());
  TP_LOG("Models::Chat::MessageModel::showFileInFolderClicked", TP::Core::Logging::LevelInformation)
      << "id: " << transferId << " model: " << static_cast<const void*>(m_ftModel.data());
  if (m_ftModel) {
    FTAdapter* ft = m_ftModel->getFt(transferId);
    if (!ft) {
      TP_LOG("Models::Chat::MessageModel::showFileInFolderClicked", TP::Core::Logging::LevelError)
          << "ft is NULL";
    } else {
      const QString path = ft->getFilePath();
      TP_LOG("Models::Chat::MessageModel::showFileInFolderClicked", TP::Core::Logging::LevelDetail)
          << "filePath: " << path;
      if (QFileInfo::exists(path)) {
        const QString folder = path.left(path.lastIndexOf(QLatin1Char('/')));
        TP_LOG("Models::Chat::MessageModel::showFileInFolderClicked",
               TP::Core::Logging::LevelDetail)
            << "filePath truncated: " << folder;
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
      } else {
        const QString html = fileMissingDetails(ft);
        emit stateChanged(pageId(transferId), html);
        TP_LOG("Models::Chat::MessageModel::showFileInFolderClicked",
               TP::Core::Logging::LevelDetail)
            << "html: " << html;
      }
    }
  }
  TP_LOG("Models::Chat::MessageModel::showFileInFolderClicked", TP::Core::Logging::LevelDetail)
      << "Exiting";
}

}  // namespace Chat
}  // namespace Models

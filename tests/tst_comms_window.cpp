// The communications window: its layout as a function of the session's
// activity, one window per session and its end, drops, the close question,
// dismissals, keys, files played into a call and share errors. Sessions are
// driven through the demo's communications script.
#include <QApplication>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMap>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Webcollab/WebcollabBase.h>

#include "TestSupport.h"
#include "Widgets/Custom/VideoCall.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/CommunicationsWindowLayout.h"

using QML::CommunicationsWindow;
using RAZ::Actions::Action;
using RAZ::Controllers::CommunicationSession;
using RAZ::Demo::CommsScript;
using RAZ::MediaEngine::CallBasePtr;
namespace L = QML::CommsLayout;

Q_DECLARE_METATYPE(QList<L::Pane>)

namespace {

int openQuestions() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<Dialogs::MessageWindow*>(w) && w->isVisible()) ++n;
  return n;
}

QString panesText(const QList<L::Pane>& panes) {
  static const char* names[] = {"call", "video", "chat", "participants", "share", "bar"};
  QStringList out;
  for (L::Pane p : panes) out << QLatin1String(names[p]);
  return out.join(QLatin1Char(','));
}

// Sets the parts of a session that a data row names, by the names of
// L::Flags' members ("video chat share viewer"); the rest stay off. Reports
// a word that names no part.
QString sessionParts(const QString& parts, L::Flags* f) {
  static const QMap<QString, bool L::Flags::*> members = {
      {QStringLiteral("video"), &L::Flags::video},
      {QStringLiteral("audio"), &L::Flags::audio},
      {QStringLiteral("group"), &L::Flags::group},
      {QStringLiteral("chat"), &L::Flags::chat},
      {QStringLiteral("share"), &L::Flags::share},
      {QStringLiteral("viewer"), &L::Flags::viewer},
      {QStringLiteral("chatAction"), &L::Flags::chatAction},
      {QStringLiteral("classified"), &L::Flags::classified}};
  for (const QString& word : parts.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (!members.contains(word)) return QStringLiteral("no session part \"%1\"").arg(word);
    f->*members.value(word) = true;
  }
  return QString();
}

CommunicationsWindow* windowFor(CommunicationSession* session) {
  auto* w = new CommunicationsWindow(nullptr, session, nullptr, false);
  w->Activate();
  return w;
}

// The transcript model's signals and slots that the window wires, and the
// properties its chat scene reads.
class FakeTranscript : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString htmlContent READ empty CONSTANT)
  Q_PROPERTY(QString typingNotification READ empty CONSTANT)
  Q_PROPERTY(QDateTime lastMessageReceived READ never CONSTANT)
  Q_PROPERTY(int maxMessageLength READ maxMessageLength CONSTANT)
 public:
  QString empty() const { return QString(); }
  QDateTime never() const { return QDateTime(); }
  int maxMessageLength() const { return 1000; }
  int joined = 0;
  int readMarks = 0;
 public slots:
  void participantJoinedShare(const QString&) { ++joined; }
  void participantLeftShare(const QString&) {}
  void onRoomIsClosing(unsigned) {}
  void onRoomClosed() {}
  void setMessagesRead(bool) { ++readMarks; }
  void pageLoadFinished() {}
 signals:
  void messageAdded(QVariant message, QVariant prepend = false);
  void incomingMessage();
  void stateChanged(QVariant id, QVariant html);
  void progressChanged(QVariant id, QVariant percent, QVariant bytes);
  void contactNameChanged(QVariant id, QVariant name);
};

}  // namespace

class CommsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void layoutTable_data();
  void layoutTable();
  void layoutVisibility_data();
  void layoutVisibility();
  void layoutFollowsSession_data();
  void layoutFollowsSession();
  void enlargedWindowKeepsItsSize();
  void baseWindowResetKeepsLayoutMinimum();
  void helpContext();
  void oneWindowPerSessionEndsWithIt();
  void goneSessionIsNoOp();
  void drops_data();
  void drops();
  void closeDuringCallAsksOnce_data();
  void closeDuringCallAsksOnce();
  void closeChatEndsSessionAtOnce();
  void wiringTwiceSendsOnce();
  void transcriptModelsAreSwappedWhole();
  void chatOpensWithoutSceneWarnings();
  void keys();
  void callSceneShowsControls();
  void dismissals();
  void fileIntoCallIsATemporaryCopy();
  void shareErrors_data();
  void shareErrors();
  void videoCallGetsTheTestPicture();
  void dialpadPlacement_data();
  void dialpadPlacement();
};

void CommsWindowTest::initTestCase() {
  ZentTest::installStrictMessageHandler();
  ZentTest::initScenes();
  // Text small enough for the call scene to need no more than its size at
  // rest, so that the sizes below are the layout's own; a scene that needs
  // more (long labels, large text) widens the window, which the call
  // window's scenario tests check.
  QFont small = QApplication::font();
  small.setPixelSize(10);
  QApplication::setFont(small);
}

// Every arrangement the window knows, with the minimum size it gives.
void CommsWindowTest::layoutTable_data() {
  QTest::addColumn<QString>("parts");  // the parts the session has (sessionParts)
  QTest::addColumn<int>("arrangement");
  QTest::addColumn<QString>("column");
  QTest::addColumn<QString>("row");
  QTest::addColumn<QSize>("minimum");
  QTest::newRow("1 video group chat share viewer")
      << "video group chat share viewer" << 1 << "video,participants,chat"
      << "share" << QSize(660, 620);
  QTest::newRow("2 video group chat share presenter")
      << "video group chat share" << 2 << "participants,chat"
      << "video,share" << QSize(920, 440);
  QTest::newRow("3 group chat share viewer")
      << "group chat share viewer" << 3 << "participants,chat"
      << "share" << QSize(660, 440);
  QTest::newRow("4 group chat share presenter") << "group chat share" << 4 << ""
                                                << "participants,chat,share" << QSize(820, 310);
  QTest::newRow("5 video chat share viewer") << "video chat share viewer" << 5 << "video,chat"
                                             << "share" << QSize(660, 470);
  QTest::newRow("6 video chat share presenter") << "video chat share" << 6 << ""
                                                << "chat,video,share" << QSize(920, 310);
  QTest::newRow("7 video group chat") << "video group chat" << 7 << "participants,chat"
                                      << "video" << QSize(720, 440);
  QTest::newRow("8 video group") << "video group" << 8 << ""
                                 << "participants,video" << QSize(680, 310);
  QTest::newRow("9 chat share presenter") << "chat share" << 9 << ""
                                          << "chat,share" << QSize(620, 310);
  QTest::newRow("9 chat share viewer: narrow chat") << "chat share viewer" << 9 << ""
                                                    << "chat,share" << QSize(660, 310);
  QTest::newRow("10 chat video") << "video chat" << 10 << ""
                                 << "chat,video" << QSize(720, 310);
  QTest::newRow("11 group chat") << "group chat" << 11 << ""
                                 << "participants,chat" << QSize(620, 290);
  QTest::newRow("12 group share") << "group share viewer" << 12 << ""
                                  << "participants,share" << QSize(620, 310);
  QTest::newRow("13 video") << "video" << 13 << ""
                            << "video" << QSize(480, 310);
  QTest::newRow("13 video and share before the chat is on") << "video share viewer" << 13 << ""
                                                            << "video" << QSize(240, 215);
  QTest::newRow("14 share") << "share viewer" << 14 << ""
                            << "share" << QSize(420, 310);
  QTest::newRow("15 chat") << "chat" << 15 << ""
                           << "chat" << QSize(420, 290);
  QTest::newRow("15 chat classified") << "chat classified" << 15 << ""
                                      << "chat" << QSize(420, 310);
  QTest::newRow("16 audio group") << "audio group" << 16 << ""
                                  << "participants" << QSize(480, 185);
  QTest::newRow("17 audio") << "audio" << 17 << ""
                            << "call" << QSize(480, 150);
  QTest::newRow("17 audio classified") << "audio classified" << 17 << ""
                                       << "call" << QSize(480, 170);
  QTest::newRow("18 nothing") << "" << 18 << ""
                              << "" << QSize(0, 35);
}

void CommsWindowTest::layoutTable() {
  QFETCH(QString, parts);
  QFETCH(int, arrangement);
  QFETCH(QString, column);
  QFETCH(QString, row);
  QFETCH(QSize, minimum);
  L::Flags f;
  REQUIRE(sessionParts(parts, &f));
  f.chatBit = f.chat;
  f.chatAction = true;
  const L::Plan p = L::plan(f);
  QCOMPARE(p.arrangement, arrangement);
  QCOMPARE(panesText(p.column), column);
  QCOMPARE(panesText(p.row), row);
  QCOMPARE(p.minimumWindow, minimum);
  QCOMPARE(p.switchChatOn, f.video && f.share);
  QCOMPARE(p.visible[L::SecurityBarPane], f.classified);
  for (int i = 0; i < L::kPaneCount; ++i) {
    const L::PaneLimits& limits = p.limits[i];
    if (!limits.set) continue;
    QVERIFY2(limits.minimum.width() <= limits.maximum.width(), qPrintable(QString::number(i)));
    QVERIFY2(limits.minimum.height() <= limits.maximum.height(), qPrintable(QString::number(i)));
  }
}

void CommsWindowTest::layoutVisibility_data() {
  QTest::addColumn<QString>("parts");  // the parts the session has (sessionParts)
  QTest::addColumn<bool>("callShown");
  QTest::addColumn<bool>("participantsShown");
  QTest::newRow("audio") << "audio chatAction" << true << false;
  QTest::newRow("audio with chat") << "audio chat chatAction" << false << false;
  QTest::newRow("audio with share") << "audio share chatAction" << false << false;
  QTest::newRow("audio group, chat offered") << "audio group chatAction" << false << true;
  QTest::newRow("audio group, no chat action") << "audio group" << true << false;
  QTest::newRow("room without chat action") << "group chat" << false << false;
}

void CommsWindowTest::layoutVisibility() {
  QFETCH(QString, parts);
  QFETCH(bool, callShown);
  QFETCH(bool, participantsShown);
  L::Flags f;
  REQUIRE(sessionParts(parts, &f));
  f.chatBit = f.chat;
  const L::Plan p = L::plan(f);
  QCOMPARE(p.visible[L::CallPane], callShown);
  QCOMPARE(p.visible[L::ParticipantsPane], participantsShown);
  QCOMPARE(p.visible[L::ChatPane], f.chat);
  QCOMPARE(p.visible[L::SharePane], f.share);
}

// The same rules reached through real sessions: activity bits and video.
void CommsWindowTest::layoutFollowsSession_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<bool>("answer");
  QTest::addColumn<bool>("video");
  QTest::addColumn<bool>("classified");
  QTest::addColumn<QSize>("minimum");
  QTest::addColumn<bool>("videoShown");
  QTest::newRow("ringing audio call")
      << int(CommunicationSession::KindCall) << false << false << false << QSize(480, 150) << false;
  QTest::newRow("classified audio call")
      << int(CommunicationSession::KindCall) << true << false << true << QSize(480, 170) << false;
  QTest::newRow("video call, answered") << int(CommunicationSession::KindVideoCall) << true << true
                                        << false << QSize(480, 310) << true;
  QTest::newRow("video before the call connects: audio")
      << int(CommunicationSession::KindVideoCall) << false << true << false << QSize(480, 150)
      << false;
  QTest::newRow("chat") << int(CommunicationSession::KindChat) << false << false << false
                        << QSize(420, 290) << false;
}

void CommsWindowTest::layoutFollowsSession() {
  QFETCH(int, kind);
  QFETCH(bool, answer);
  QFETCH(bool, video);
  QFETCH(bool, classified);
  QFETCH(QSize, minimum);
  QFETCH(bool, videoShown);
  QObject owner;
  CommunicationSession* s = CommsScript::makeSession(CommunicationSession::Kind(kind), true,
                                                     QStringLiteral("Ada Park"), &owner);
  s->setSecurityClassificationsEnabled(classified, classified);
  QPointer<CommunicationsWindow> w = windowFor(s);
  if (answer) {
    QVERIFY(CommsScript::answer(s));
    QTRY_COMPARE(s->getCall()->getCallState(), CallBasePtr::StateInCall);
  }
  if (video) {
    QSignalSpy videoSpy(s, SIGNAL(videoStateChanged(RAZ::MediaEngine::CallBasePtr*,
                                                    RAZ::MediaEngine::CallBasePtr::CallState)));
    QVERIFY(CommsScript::startVideo(s));
    QVERIFY(videoSpy.wait());
  }
  // A classified call is reported with the next layout.
  w->updateLayout(s->getState());
  QCOMPARE(w->minimumSize(), minimum);
  QCOMPARE(w->size(), minimum);
  QCOMPARE(!w->pane(L::VideoPane)->isHidden(), videoShown);
  QCOMPARE(!w->pane(L::SecurityBarPane)->isHidden(), classified);
  delete w;
}

void CommsWindowTest::enlargedWindowKeepsItsSize() {
  QObject owner;
  CommunicationSession* s =
      CommsScript::makeSession(CommunicationSession::KindCall, false, QStringLiteral("Bo"), &owner);
  CommunicationsWindow* w = windowFor(s);
  w->show();
  QVERIFY(QTest::qWaitForWindowExposed(w));
  QCOMPARE(w->size(), QSize(480, 150));
  // At its minimum, the window follows the new minimum (a chat joins).
  QVERIFY(CommsScript::openChat(s));
  QTRY_COMPARE(w->minimumSize(), QSize(420, 290));
  QCOMPARE(w->size(), QSize(420, 290));
  // Made larger by the user, it keeps its size when the chat ends.
  w->resize(900, 700);
  s->setChatActive(false);
  QTRY_COMPARE(w->minimumSize(), QSize(480, 150));
  QCOMPARE(w->size(), QSize(900, 700));
  delete w;
}

void CommsWindowTest::baseWindowResetKeepsLayoutMinimum() {
  QObject owner;
  CommunicationSession* s =
      CommsScript::makeSession(CommunicationSession::KindCall, false, QStringLiteral("N"), &owner);
  CommunicationsWindow* w = windowFor(s);
  QCOMPARE(w->minimumSize(), QSize(480, 150));
  // The base window puts its own limits back on such changes.
  w->setResizable(false);
  w->setResizable(true);
  QCOMPARE(w->minimumSize(), QSize(480, 150));
  delete w;
}

void CommsWindowTest::helpContext() {
  QObject owner;
  CommunicationSession* call =
      CommsScript::makeSession(CommunicationSession::KindCall, false, QStringLiteral("C"), &owner);
  CommunicationsWindow* w = windowFor(call);
  QCOMPARE(w->helpContext(), QStringLiteral("comm|call"));
  call->setCall(nullptr);
  call->setChatActive(true);
  QCOMPARE(w->helpContext(), QStringLiteral("comm|chat"));
  delete w;

  CommunicationSession* room = CommsScript::makeSession(CommunicationSession::KindMyRoom, false,
                                                        QStringLiteral("R"), &owner);
  room->setChatActive(false);
  room->setWebCollab(new RAZ::Webcollab::WebcollabBase(QStringList()));
  w = windowFor(room);
  QCOMPARE(w->helpContext(), QStringLiteral("comm|share|myroom"));
  delete w;
}

void CommsWindowTest::oneWindowPerSessionEndsWithIt() {
  auto* s = CommsScript::makeSession(CommunicationSession::KindChat, true, QStringLiteral("Di"));
  QPointer<CommunicationsWindow> w = windowFor(s);
  w->show();
  QSignalSpy visible(w.data(), SIGNAL(windowVisible(bool, const QML::CommunicationsWindow*)));
  QSignalSpy destroyed(w.data(), SIGNAL(destroyed(QObject*)));
  delete s;
  QVERIFY(destroyed.count() == 1 || destroyed.wait());
  QVERIFY(w.isNull());
  QVERIFY(!visible.isEmpty());
  QCOMPARE(visible.last().at(0).toBool(), false);
}

void CommsWindowTest::goneSessionIsNoOp() {
  auto* s = CommsScript::makeSession(CommunicationSession::KindCall, false, QStringLiteral("O"));
  CommunicationsWindow* w = windowFor(s);
  const int arrangement = w->lastLayout().arrangement;
  // Activity 0 reported: nothing changes.
  emit s->sessionStateChanged(s, 2, 0, false);
  QCOMPARE(w->lastLayout().arrangement, arrangement);
  QCOMPARE(w->minimumSize(), QSize(480, 150));
  // No sort chosen: participants by last name.
  auto* sorted = qobject_cast<RAZ::Models::ChatParticipantsSort*>(w->participants());
  QVERIFY(sorted);
  QCOMPARE(sorted->primarySortField(), RAZ::Models::ChatParticipantsSort::LastName);
  QPointer<CommunicationsWindow> guard(w);
  delete s;
  // Until the window has gone, it acts on nothing.
  QVERIFY(!w->sessionObject());
  w->updateLayout(CommunicationSession::StateChat);
  QCOMPARE(w->lastLayout().arrangement, arrangement);
  w->updateSession();
  QVERIFY(w->canClose());
  QSignalSpy added(w,
                   SIGNAL(addParticipant(RAZ::Controllers::CommunicationSession*, QString, int)));
  w->addParticipantClicked(QStringLiteral("sip:p@q"), 4);
  QCOMPARE(added.count(), 1);
  QCOMPARE(added.at(0).at(0).value<RAZ::Controllers::CommunicationSession*>(),
           static_cast<RAZ::Controllers::CommunicationSession*>(nullptr));
  QTRY_VERIFY(guard.isNull());
}

void CommsWindowTest::drops_data() {
  QTest::addColumn<QStringList>("formats");
  QTest::addColumn<bool>("fileActionEnabled");
  QTest::addColumn<bool>("mayInvite");
  QTest::addColumn<bool>("accepted");
  QTest::addColumn<int>("files");
  QTest::addColumn<int>("invited");
  const QStringList files{QStringLiteral("text/uri-list")};
  const QStringList contact{QStringLiteral("application/zent.contact")};
  const QStringList both = files + contact;
  QTest::newRow("files, sending allowed") << files << true << true << true << 2 << 0;
  QTest::newRow("files, sending off") << files << false << true << false << 0 << 0;
  QTest::newRow("contact, inviting allowed") << contact << true << true << true << 0 << 1;
  QTest::newRow("contact, no inviting") << contact << true << false << false << 0 << 0;
  QTest::newRow("both: judged as files") << both << false << true << false << 0 << 0;
  QTest::newRow("both: dropped as files") << both << true << true << true << 2 << 0;
  QTest::newRow("other text") << QStringList{QStringLiteral("text/plain")} << true << true << false
                              << 0 << 0;
}

void CommsWindowTest::drops() {
  QFETCH(QStringList, formats);
  QFETCH(bool, fileActionEnabled);
  QFETCH(bool, mayInvite);
  QFETCH(bool, accepted);
  QFETCH(int, files);
  QFETCH(int, invited);
  QObject owner;
  CommunicationSession* s =
      CommsScript::makeSession(CommunicationSession::KindChat, false, QStringLiteral("E"), &owner);
  s->setAllowedToInvite(mayInvite);
  CommunicationsWindow* w = windowFor(s);
  w->actionsProvider()->action(Action::FileTransfer)->setEnabled(fileActionEnabled);

  QMimeData data;
  QTemporaryDir dir;
  for (const QString& format : formats) {
    if (format == QLatin1String("text/uri-list")) {
      // Two local files and a web address: only the files are offered.
      data.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("a.txt"))),
                    QUrl(QStringLiteral("https://example.org/b.txt")),
                    QUrl::fromLocalFile(dir.filePath(QStringLiteral("c d.png")))});
    } else {
      data.setData(format, QByteArrayLiteral("42"));
    }
  }
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  enter.setAccepted(false);
  QApplication::sendEvent(w, &enter);
  QCOMPARE(enter.isAccepted(), accepted);
  if (accepted) {
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &drop);
  }
  QCOMPARE(s->droppedFiles().size(), files);
  for (const QUrl& url : s->droppedFiles()) QVERIFY(url.isLocalFile());
  QCOMPARE(s->invitedParticipants().size(), invited);
  delete w;
}

void CommsWindowTest::closeDuringCallAsksOnce_data() {
  QTest::addColumn<bool>("yes");
  QTest::newRow("yes ends the call") << true;
  QTest::newRow("no keeps it") << false;
}

void CommsWindowTest::closeDuringCallAsksOnce() {
  QFETCH(bool, yes);
  auto* s = CommsScript::makeSession(CommunicationSession::KindCall, false, QStringLiteral("F"));
  QPointer<CommunicationSession> session(s);
  QPointer<CommunicationsWindow> w = windowFor(s);
  w->show();
  QVERIFY(!w->close());
  QTRY_COMPARE(openQuestions(), 1);
  QVERIFY(w->isCloseQuestionOpen());
  // Asking again while the question shows neither closes nor asks twice.
  QVERIFY(!w->close());
  QCOMPARE(openQuestions(), 1);

  QSignalSpy closed(s, SIGNAL(closed(RAZ::Controllers::CommunicationSession*)));
  ZentTest::answerNextMessage(yes ? QDialogButtonBox::Yes : QDialogButtonBox::No);
  if (yes) {
    QTRY_VERIFY(w.isNull());
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(session.isNull());
  } else {
    QTRY_VERIFY(!w->isCloseQuestionOpen());
    QTRY_COMPARE(openQuestions(), 0);
    QVERIFY(w->isVisible());
    QVERIFY(session);
    QVERIFY(session->callActive());
    QCOMPARE(closed.count(), 0);
    delete w;
    delete s;
  }
}

void CommsWindowTest::closeChatEndsSessionAtOnce() {
  auto* s = CommsScript::makeSession(CommunicationSession::KindChat, false, QStringLiteral("G"));
  QPointer<CommunicationSession> session(s);
  QPointer<CommunicationsWindow> w = windowFor(s);
  w->show();
  QSignalSpy closed(s, SIGNAL(closed(RAZ::Controllers::CommunicationSession*)));
  QVERIFY(w->close());
  QCOMPARE(openQuestions(), 0);
  QCOMPARE(closed.count(), 1);
  QTRY_VERIFY(w.isNull());
  QTRY_VERIFY(session.isNull());
}

// Wiring a session again (a share starting later, a second activation)
// must not double a handler.
void CommsWindowTest::wiringTwiceSendsOnce() {
  QObject owner;
  CommunicationSession* s = CommsScript::makeSession(CommunicationSession::KindWebCollab, false,
                                                     QStringLiteral("H"), &owner);
  CommunicationsWindow* w = windowFor(s);
  w->activateShare();
  w->activateShare();
  QSignalSpy errors(w, SIGNAL(ussErrorChanged()));
  QSignalSpy state(s->getWebCollab(), SIGNAL(stateChanged()));
  QVERIFY(CommsScript::shareError(s, 500, 0));
  QVERIFY(errors.wait());
  QCOMPARE(errors.count(), 1);
  // The notification's answer reaches the share once as well (the error
  // itself changed the share's state: only the answer counts here).
  state.clear();
  emit w->webcollabNotificationAccepted();
  QCOMPARE(state.count(), 1);
  QCOMPARE(s->getWebCollab()->getState(), int(RAZ::Webcollab::WebcollabBase::ViewingShare));
  delete w;
}

void CommsWindowTest::transcriptModelsAreSwappedWhole() {
  QObject owner;
  CommunicationSession* s =
      CommsScript::makeSession(CommunicationSession::KindCall, false, QStringLiteral("M"), &owner);
  CommunicationsWindow* w = windowFor(s);
  FakeTranscript first, second;
  w->setMessageModel(&first);
  w->setMessageModel(&second);
  w->setMessageModel(&second);
  QSignalSpy count(w, SIGNAL(newMessageCountChanged()));
  // The chat is not active: unread messages are counted, once each.
  emit first.incomingMessage();
  QCOMPARE(count.count(), 0);
  emit second.incomingMessage();
  QCOMPARE(count.count(), 1);
  QCOMPARE(w->newMessageCount(), 1);
  // The share's notes reach the current transcript once, however often the
  // share is wired.
  s->setWebCollab(new RAZ::Webcollab::WebcollabBase(QStringList()));
  w->activateShare();
  w->activateShare();
  emit s->getWebCollab()->notifyUserJoined(QStringLiteral("Ada"));
  QCOMPARE(second.joined, 1);
  QCOMPARE(first.joined, 0);
  w->deactivateShare();
  emit s->getWebCollab()->notifyUserJoined(QStringLiteral("Bo"));
  QCOMPARE(second.joined, 1);
  // Opening the chat resets the count and marks the transcript read.
  s->setChatActive(true);
  QCOMPARE(w->newMessageCount(), 0);
  QCOMPARE(second.readMarks, 1);
  delete w;
}

// A chat coming up, and its window resized, logs nothing of its scene: the
// scroll bar, which narrows the page it depends on, is no binding loop, and
// a transcript in place from the start gives every value the scene reads.
void CommsWindowTest::chatOpensWithoutSceneWarnings() {
  QObject owner;
  CommunicationSession* s =
      CommsScript::makeSession(CommunicationSession::KindChat, false, QStringLiteral("J"), &owner);
  FakeTranscript transcript;
  ZentTest::takeMessages();
  CommunicationsWindow* w = windowFor(s);
  w->setMessageModel(&transcript);
  w->show();
  auto* view = qobject_cast<QQuickWidget*>(w->pane(L::ChatPane));
  QVERIFY(view && view->rootObject());
  QQuickItem* page = view->rootObject()->findChild<QQuickItem*>(QStringLiteral("transcriptView"));
  QQuickItem* bar =
      view->rootObject()->findChild<QQuickItem*>(QStringLiteral("transcriptScrollBar"));
  QVERIFY(page && bar);
  QTRY_VERIFY(page->height() > 0);
  const qreal height = page->height();
  w->resize(w->width(), w->height() + 120);
  QTRY_VERIFY(page->height() > height);
  w->resize(w->width(), w->height() - 60);
  QTRY_VERIFY(page->height() < height + 120);
  // An empty transcript fits whatever the height.
  QVERIFY(!bar->isVisible());
  QCOMPARE(ZentTest::takeSceneWarnings(), QStringList());
  delete w;
}

void CommsWindowTest::keys() {
  QObject owner;
  CommunicationSession* s =
      CommsScript::makeSession(CommunicationSession::KindCall, true, QStringLiteral("I"), &owner);
  CommunicationsWindow* w = windowFor(s);
  // D with Shift opens the debug window only for a call past ringing.
  QTest::keyClick(w, Qt::Key_D, Qt::ShiftModifier);
  QCOMPARE(w->debugWindowRequests(), 0);
  // Enter answers the ringing call.
  QTest::keyClick(w, Qt::Key_Return);
  QCOMPARE(s->getCall()->getCallState(), CallBasePtr::StateInCall);
  QTest::keyClick(w, Qt::Key_D);
  QCOMPARE(w->debugWindowRequests(), 0);
  QTest::keyClick(w, Qt::Key_D, Qt::ShiftModifier);
  QTest::keyClick(w, Qt::Key_D, Qt::ControlModifier);
  QCOMPARE(w->debugWindowRequests(), 2);
  // Enter on a connected call answers nothing and ends nothing.
  QTest::keyClick(w, Qt::Key_Return);
  QCOMPARE(s->getCall()->getCallState(), CallBasePtr::StateInCall);
  // Esc asks before ending the active call.
  w->show();
  QTest::keyClick(w, Qt::Key_Escape);
  QTRY_COMPARE(openQuestions(), 1);
  QVERIFY(s->callActive());
  ZentTest::answerNextMessage(QDialogButtonBox::No);
  QTRY_COMPARE(openQuestions(), 0);
  delete w;
}

void CommsWindowTest::callSceneShowsControls() {
  QObject owner;
  CommunicationSession* s = CommsScript::makeSession(CommunicationSession::KindCall, true,
                                                     QStringLiteral("<i>Ada</i> & Co"), &owner);
  CommunicationsWindow* w = windowFor(s);
  auto* view = qobject_cast<QQuickWidget*>(w->pane(L::CallPane));
  QVERIFY(view && view->rootObject());
  QQuickItem* root = view->rootObject();
  auto item = [root](const char* name) { return root->findChild<QQuickItem*>(name); };
  QVERIFY(item("answerButton") && item("endButton") && item("muteButton") && item("holdButton") &&
          item("dialpadButton") && item("videoButton") && item("transferButton"));
  // Ringing: answer or decline only.
  QVERIFY(item("answerButton")->isVisible());
  QVERIFY(!item("muteButton")->isVisible());
  QCOMPARE(item("party")->property("text").toString(), s->contactName());
  QCOMPARE(item("party")->property("textFormat").toInt(), int(Qt::PlainText));
  QVERIFY(item("callState")->property("text").toString().startsWith("Incoming Call"));
  QVERIFY(CommsScript::answer(s));
  QTRY_VERIFY(item("muteButton")->isVisible());
  QVERIFY(!item("answerButton")->isVisible());
  QTRY_VERIFY(item("callState")->property("text").toString().startsWith("Call Active"));
  // The controls act on the call.
  QMetaObject::invokeMethod(item("muteButton"), "clicked");
  QVERIFY(s->getCall()->microphoneMuted());
  QMetaObject::invokeMethod(item("holdButton"), "clicked");
  QCOMPARE(s->getCall()->getCallState(), CallBasePtr::StateHeld);
  QTRY_VERIFY(item("callState")->property("text").toString().startsWith("On Hold"));
  delete w;
}

void CommsWindowTest::dismissals() {
  QObject owner;
  CommunicationSession* s = CommsScript::makeSession(CommunicationSession::KindGroupChat, false,
                                                     QStringLiteral("Room"), &owner);
  CommunicationsWindow* w = windowFor(s);
  w->show();
  const QString hostile = QStringLiteral("<b>Mallory</b><img src=x>");
  QVERIFY(CommsScript::dismissFromChat(s, hostile));
  QTRY_VERIFY(w->dismissalBox());
  QPointer<QMessageBox> box = w->dismissalBox();
  QCOMPARE(box->textFormat(), Qt::PlainText);
  QCOMPARE(box->windowTitle(), QStringLiteral("Dismissed from Chat"));
  QVERIFY(box->text().contains(hostile));
  // A second dismissal, now with a share: the same box, the new texts.
  s->setWebCollab(new RAZ::Webcollab::WebcollabBase(QStringList()));
  QVERIFY(CommsScript::dismissFromChat(s, QStringLiteral("Trent")));
  QTRY_COMPARE(box->windowTitle(), QStringLiteral("Dismissed from Chat and Share"));
  QCOMPARE(w->dismissalBox(), box.data());
  QVERIFY(box->text().contains(QStringLiteral("Trent")));
  // The box going away ends the share and the chat.
  box->close();
  QTRY_VERIFY(box.isNull());
  QTRY_VERIFY(!s->chatActive());
  QVERIFY(!s->webCollabActive());
  delete w;
}

void CommsWindowTest::fileIntoCallIsATemporaryCopy() {
  QObject owner;
  CommunicationSession* s =
      CommsScript::makeSession(CommunicationSession::KindCall, false, QStringLiteral("J"), &owner);
  CommunicationsWindow* w = windowFor(s);
  QTemporaryDir dir;
  const QString wav = dir.filePath(QStringLiteral("greeting.wav"));
  QFile f(wav);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("RIFF-demo-sound");
  f.close();
  QString seen;
  QByteArray seenContent;
  connect(w, &CommunicationsWindow::startPlayingFileIntoCall, this, [&](const QString& path) {
    seen = path;
    QFile copy(path);
    if (copy.open(QIODevice::ReadOnly)) seenContent = copy.readAll();
  });
  w->insertFileIntoCall(wav);
  QVERIFY(QFileInfo(seen).fileName().startsWith(QStringLiteral("sound_")));
  QCOMPARE(QFileInfo(seen).fileName().size(), int(sizeof("sound_XXXXXX.wav") - 1));
  QVERIFY(seen.endsWith(QStringLiteral(".wav")));
  QCOMPARE(seenContent, QByteArray("RIFF-demo-sound"));
  QVERIFY(!QFile::exists(seen));
  // A file that cannot be read is not played.
  seen.clear();
  w->insertFileIntoCall(dir.filePath(QStringLiteral("missing.wav")));
  QVERIFY(seen.isEmpty());
  delete w;
}

void CommsWindowTest::shareErrors_data() {
  QTest::addColumn<int>("code");
  QTest::addColumn<int>("kind");
  QTest::addColumn<QString>("text");
  QTest::newRow("starting") << 500 << 0 << "Error starting share. ( 500 )";
  QTest::newRow("joining") << 12 << 1 << "Error joining share. ( 12 )";
  QTest::newRow("already in") << 409 << 1
                              << "You are already in the share. Please log out from your other "
                                 "clients. ( 409 )";
  QTest::newRow("initiating") << 7 << 2 << "Error initiating share. ( 7 )";
}

void CommsWindowTest::shareErrors() {
  QFETCH(int, code);
  QFETCH(int, kind);
  QFETCH(QString, text);
  QObject owner;
  CommunicationSession* s = CommsScript::makeSession(CommunicationSession::KindWebCollab, false,
                                                     QStringLiteral("K"), &owner);
  CommunicationsWindow* w = windowFor(s);
  QSignalSpy spy(w, SIGNAL(ussErrorChanged()));
  QVERIFY(CommsScript::shareError(s, code, kind));
  QVERIFY(spy.wait());
  QCOMPARE(w->ussError(), text);
  delete w;
}

void CommsWindowTest::videoCallGetsTheTestPicture() {
  QObject owner;
  CommunicationSession* s = CommsScript::makeSession(CommunicationSession::KindVideoCall, false,
                                                     QStringLiteral("Lu"), &owner);
  CommunicationsWindow* w = windowFor(s);
  w->show();
  QVERIFY(QTest::qWaitForWindowExposed(w));
  QVERIFY(CommsScript::answer(s));
  QVERIFY(CommsScript::startVideo(s, QSize(640, 480)));
  QTRY_VERIFY(!w->getVideoSurface()->isHidden());
  QCOMPARE(s->getCall()->remoteVideoWindow(), w->getVideoSurface());
  QCOMPARE(s->getCall()->ownVideoWindow(), w->getVideoSurface()->ownVideo());
  w->setShowOwnVideo(true);
  QVERIFY(w->showOwnVideo());
  // The preview takes the camera's proportions within a quarter of the surface.
  const QSize surface = w->getVideoSurface()->size();
  const QSize preview = w->getVideoSurface()->ownVideo()->maximumSize();
  QVERIFY(preview.width() <= surface.width() / 4);
  QVERIFY(preview.height() <= surface.height() / 4);
  // 4:3 up to the rounding of whole pixels.
  QVERIFY(qAbs(preview.width() * 3 - preview.height() * 4) <= 4);
  const QImage picture = w->getVideoSurface()->grab().toImage();
  // Colour bars, not the black of an idle surface.
  QVERIFY(picture.pixelColor(picture.width() / 2, picture.height() / 4) != QColor(Qt::black));
  if (!qEnvironmentVariableIsEmpty("ZENT_TEST_GRAB_DIR")) {
    w->resize(800, 560);
    w->grab().save(qEnvironmentVariable("ZENT_TEST_GRAB_DIR") + "/video-call.png");
  }
  delete w;
}

// The dial pad lies wholly on the screen that holds its window: at the
// pointer when the pointer is over the window, else beside the window;
// flipped over the point near an edge, measured from the screen's own
// edges (a second screen does not start at 0).
void CommsWindowTest::dialpadPlacement_data() {
  QTest::addColumn<QPoint>("cursor");
  QTest::addColumn<QRect>("window");
  QTest::addColumn<QRect>("area");
  QTest::addColumn<QPoint>("expected");
  const QRect first(0, 0, 1280, 800);
  const QRect second(1280, 0, 1920, 1080);
  QTest::newRow("at the pointer over the window")
      << QPoint(300, 200) << QRect(100, 100, 480, 310) << first << QPoint(300, 200);
  QTest::newRow("near the right and bottom edges: flipped")
      << QPoint(1200, 760) << QRect(800, 450, 480, 340) << first << QPoint(1020, 540);
  QTest::newRow("second screen, pointer over the window")
      << QPoint(1500, 300) << QRect(1400, 200, 480, 310) << second << QPoint(1500, 300);
  QTest::newRow("second screen, near its right edge")
      << QPoint(3150, 300) << QRect(2700, 200, 480, 310) << second << QPoint(2970, 300);
  QTest::newRow("pointer elsewhere: beside the window")
      << QPoint(5, 5) << QRect(100, 100, 480, 310) << first << QPoint(580, 100);
  QTest::newRow("pointer elsewhere, window at the right edge: over its right side")
      << QPoint(5, 5) << QRect(800, 100, 480, 310) << first << QPoint(1100, 100);
  QTest::newRow("window partly above the screen: held inside")
      << QPoint(5, 500) << QRect(300, -150, 480, 310) << first << QPoint(780, 0);
}

void CommsWindowTest::dialpadPlacement() {
  QFETCH(QPoint, cursor);
  QFETCH(QRect, window);
  QFETCH(QRect, area);
  QFETCH(QPoint, expected);
  const QSize pad(180, 220);
  const QPoint at = CommunicationsWindow::dialpadPosition(cursor, window, pad, area);
  QCOMPARE(at, expected);
  QVERIFY(area.contains(QRect(at, pad)));
}

ZENT_TEST_MAIN(CommsWindowTest, QApplication)
#include "tst_comms_window.moc"

// Session texts (titles, status tips, call states), the video surface, the
// screen-share views and the demo's communications script.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <cmath>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/MediaEngine/VideoTestPicture.h>
#include <RAZ/Webcollab/WebcollabBase.h>
#include <RAZ/Webcollab/WebcollabControllerBase.h>

#include "TestSupport.h"
#include "Utils/CommunicationSessionUiHelper.h"
#include "Utils/FileNames.h"
#include "Widgets/Custom/VideoCall.h"
#include "libqml/items/ViewShare.h"

using RAZ::Controllers::CommunicationSession;
using RAZ::Demo::CommsScript;
using RAZ::MediaEngine::CallBasePtr;
using RAZ::Webcollab::WebcollabBase;

namespace {

// Stands in for the call-park enabler: the two codes it names.
class ParkCodes : public QObject {
  Q_OBJECT
 public:
  ParkCodes(const QString& retrieve, const QString& pull) : m_retrieve(retrieve), m_pull(pull) {}
  Q_INVOKABLE QString getRetrieveCallParkCode() const { return m_retrieve; }
  Q_INVOKABLE QString getCallPullCode() const { return m_pull; }

 private:
  QString m_retrieve, m_pull;
};

RAZ::Contacts::IContact* contactNamed(int id, const QString& name, QObject* parent) {
  QVariantMap props;
  props.insert(QStringLiteral("1"), name);
  return new RAZ::Contacts::IContact(id, props, parent);
}

// Contacts are needed for titles at all; the manager itself is not asked.
RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> someContacts(QObject* parent) {
  return RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>(new RAZ::Contacts::Contacts(parent));
}

// A session as its title reads it, and the title expected: no contact,
// room or park codes unless a row names them.
struct TitleCase {
  int kind = CommunicationSession::KindCall;
  QString contactName;
  int contactId = -1;
  bool isTransfer = false;  // the second call of a transfer
  QString roomName;
  bool isOwner = false;
  QString roomOwnerName;
  QString retrieveCode, pullCode;  // what the call-park enabler names
  QString title;

  TitleCase() = default;
  explicit TitleCase(int k) : kind(k) {}
  TitleCase& contact(const QString& name, int id) {
    contactName = name;
    contactId = id;
    return *this;
  }
  TitleCase& transfer() {
    isTransfer = true;
    return *this;
  }
  TitleCase& room(const QString& name) {
    roomName = name;
    return *this;
  }
  TitleCase& owned() {
    isOwner = true;
    return *this;
  }
  TitleCase& ownerName(const QString& name) {
    roomOwnerName = name;
    return *this;
  }
  TitleCase& parkCodes(const QString& retrieve, const QString& pull) {
    retrieveCode = retrieve;
    pullCode = pull;
    return *this;
  }
  TitleCase& titled(const QString& expected) {
    title = expected;
    return *this;
  }
};

}  // namespace

Q_DECLARE_METATYPE(TitleCase)

class CommsTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ZentTest::installStrictMessageHandler(); }
  void callStateTexts_data();
  void callStateTexts();
  void titles_data();
  void titles();
  void titleNeedsContactsAndSession();
  void statusTips_data();
  void statusTips();
  void previewSize_data();
  void previewSize();
  void doubleClickReachesSurface();
  void ownVideoShownWhileHidden();
  void testPictureFollowsVideoState();
  void shareFirstFrameStartsOnce();
  void shareFramePosition_data();
  void shareFramePosition();
  void shareAspectRatio();
  void shareStopped();
  void shareFramesFitTheView();
  void safeBaseName_data();
  void safeBaseName();
  void refusedParticipants_data();
  void refusedParticipants();
  void scriptsActLater();
  void ringInNeedsAnAccount();
};

void CommsTextsTest::callStateTexts_data() {
  QTest::addColumn<int>("state");
  QTest::addColumn<QString>("text");
  const QList<QPair<int, QString>> rows = {
      {0, "Disconnected"},   {1, "Calling"},       {11, "Calling"},     {2, "Incoming Call"},
      {12, "Incoming Call"}, {3, "Call Active"},   {5, "Call Active"},  {7, "On Hold"},
      {8, "On Hold"},        {9, "On Hold"},       {10, "On Hold"},     {4, "Disconnected"},
      {6, "Disconnected"},   {13, "Disconnected"}, {-1, "Disconnected"}};
  for (const auto& r : rows)
    QTest::newRow(qPrintable(QString::number(r.first))) << r.first << r.second;
}

void CommsTextsTest::callStateTexts() {
  QFETCH(int, state);
  QFETCH(QString, text);
  Utils::CommunicationSessionUiHelper helper({});
  QCOMPARE(helper.getCallStateText(state), text);
}

void CommsTextsTest::titles_data() {
  QTest::addColumn<TitleCase>("session");
  const auto call = [] { return TitleCase(CommunicationSession::KindCall); };
  const auto room = [] { return TitleCase(CommunicationSession::KindGroupChat); };
  const auto myRoom = [] { return TitleCase(CommunicationSession::KindMyRoom); };
  QTest::newRow("contact") << call().contact("Ada Park", 5).titled("Ada Park");
  QTest::newRow("transfer")
      << call().contact("Ada Park", 5).transfer().titled("Transfer Call: Ada Park");
  // A dialled number has no contact: the session's own name for the party.
  QTest::newRow("no contact") << call().titled("x");
  QTest::newRow("transfer, no contact") << call().transfer().titled("Transfer Call: x");
  QTest::newRow("retrieve code")
      << call().contact("*88", 5).parkCodes("*88", "*87").titled("Retrieve Parked Call");
  QTest::newRow("pull code")
      << call().contact("*11", 5).parkCodes("*88", "*11").titled("Pull Call");
  QTest::newRow("equal codes: retrieve wins")
      << call().contact("*9", 5).parkCodes("*9", "*9").titled("Retrieve Parked Call");
  QTest::newRow("room") << room().room("Design").titled("Design");
  QTest::newRow("owned room") << room().room("Design").owned().titled("Design (Owner)");
  QTest::newRow("unnamed room") << room().titled("Group Communications");
  QTest::newRow("unnamed owned room") << room().owned().titled("Group Communications (Owner)");
  QTest::newRow("own My Room") << myRoom().contact("Me", 0).titled("My Room");
  QTest::newRow("somebody's My Room") << myRoom().contact("Bo", 7).titled("Bo's Room");
  QTest::newRow("My Room by owner name") << myRoom().ownerName("Cy").titled("Cy's Room");
  QTest::newRow("My Room, nobody") << myRoom().titled("");
}

void CommsTextsTest::titles() {
  QFETCH(TitleCase, session);
  QObject owns;
  CommunicationSession* s = CommsScript::makeSession(CommunicationSession::Kind(session.kind),
                                                     false, QStringLiteral("x"), &owns);
  if (!session.contactName.isEmpty())
    s->setContact(contactNamed(session.contactId, session.contactName, &owns));
  s->setHasAssociatedFirstCall(session.isTransfer);
  if (RAZ::Controllers::ChatInterface* chat = s->getChatInterface()) {
    chat->setRoomName(session.roomName);
    chat->setIsRoomOwner(session.isOwner);
    chat->setOwnerNames(QString(), session.roomOwnerName);
  }
  Utils::CommunicationSessionUiHelper helper(someContacts(&owns));
  ParkCodes codes(session.retrieveCode, session.pullCode);
  if (!session.retrieveCode.isEmpty() || !session.pullCode.isEmpty())
    helper.setCallParkEnabler(&codes);
  QCOMPARE(helper.getFormCommunicationTitle(s), session.title);
}

void CommsTextsTest::titleNeedsContactsAndSession() {
  QObject owns;
  CommunicationSession* s =
      CommsScript::makeSession(CommunicationSession::KindCall, false, QStringLiteral("x"), &owns);
  s->setContact(contactNamed(3, QStringLiteral("Di"), &owns));
  Utils::CommunicationSessionUiHelper without({});
  QCOMPARE(without.getFormCommunicationTitle(s), QString());
  Utils::CommunicationSessionUiHelper helper(someContacts(&owns));
  QCOMPARE(helper.getFormCommunicationTitle(nullptr), QString());
  QCOMPARE(helper.getFormCommunicationTitle(&owns), QString());
  QCOMPARE(helper.getCommunicationStatusTip(&owns), QString());
  // Nothing active (state 0): no title.
  s->setCall(nullptr);
  QCOMPARE(s->getState(), 0u);
  QCOMPARE(helper.getFormCommunicationTitle(s), QString());
}

void CommsTextsTest::statusTips_data() {
  QTest::addColumn<bool>("call");
  QTest::addColumn<int>("callKind");
  QTest::addColumn<int>("share");  // 0 none, 1 viewing, 2 presenting
  QTest::addColumn<QString>("lastMessage");
  QTest::addColumn<QString>("tip");
  QTest::newRow("call") << true << 0 << 0 << ""
                        << "Call";
  QTest::newRow("click to dial") << true << 2 << 0 << ""
                                 << "Call from phone";
  QTest::newRow("desk phone") << true << 5 << 0 << ""
                              << "Call from phone";
  QTest::newRow("sharing and calling: sharing only") << true << 0 << 2 << ""
                                                     << "Sharing Desktop";
  QTest::newRow("viewing") << false << 0 << 1 << ""
                           << "Viewing Share";
  QTest::newRow("last message, simplified") << false << 0 << 0 << "  see\n you   soon "
                                            << "see you soon";
  QTest::newRow("share invitation as message")
      << false << 0 << 0 << RAZ::Webcollab::WebcollabControllerBase::shareInvitationTag("7") << "";
  QTest::newRow("the invitation's words typed") << false << 0 << 0 << "<zent-share id='7'/>"
                                                << "<zent-share id='7'/>";
}

void CommsTextsTest::statusTips() {
  QFETCH(bool, call);
  QFETCH(int, callKind);
  QFETCH(int, share);
  QFETCH(QString, lastMessage);
  QFETCH(QString, tip);
  QObject owns;
  CommunicationSession* s = CommsScript::makeSession(
      call ? CommunicationSession::KindCall : CommunicationSession::KindChat, false,
      QStringLiteral("x"), &owns);
  if (call) s->getCall()->setCallKind(callKind);
  if (share) {
    auto* collab = new WebcollabBase(QStringList());
    collab->setOwner(share == 2);
    collab->setState(share == 2 ? WebcollabBase::Sharing : WebcollabBase::ViewingShare);
    s->setWebCollab(collab);
  }
  if (s->getChatInterface()) s->getChatInterface()->setLastMessage(lastMessage);
  Utils::CommunicationSessionUiHelper helper({});
  QCOMPARE(helper.getCommunicationStatusTip(s), tip);
}

void CommsTextsTest::previewSize_data() {
  QTest::addColumn<QSize>("surface");
  QTest::addColumn<QSize>("local");
  QTest::addColumn<QSize>("preview");
  QTest::newRow("4:3 on 800x600") << QSize(800, 600) << QSize(640, 480) << QSize(200, 150);
  QTest::newRow("16:9 on 800x600") << QSize(800, 600) << QSize(1280, 720) << QSize(200, 112);
  QTest::newRow("three pixels high") << QSize(800, 3) << QSize(640, 480) << QSize(0, 0);
  QTest::newRow("three pixels wide") << QSize(3, 600) << QSize(640, 480) << QSize(0, 0);
}

void CommsTextsTest::previewSize() {
  QFETCH(QSize, surface);
  QFETCH(QSize, local);
  QFETCH(QSize, preview);
  Widgets::Custom::VideoCall video;
  video.resize(surface);
  QSize size = local;
  video.setOwnVideoSize(size);
  QCOMPARE(size, preview);
  QCOMPARE(video.ownVideo()->minimumSize(), preview);
  QCOMPARE(video.ownVideo()->maximumSize(), preview);
}

void CommsTextsTest::doubleClickReachesSurface() {
  Widgets::Custom::VideoCall video;
  video.resize(400, 300);
  video.show();
  QVERIFY(QTest::qWaitForWindowExposed(&video));
  QSignalSpy spy(&video, SIGNAL(videoDoubleClicked()));
  QTest::mouseDClick(&video, Qt::LeftButton, Qt::NoModifier, QPoint(300, 50));
  QCOMPARE(spy.count(), 1);
  // The preview does not handle it: it reaches the surface too.
  QTest::mouseDClick(video.ownVideo(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QCOMPARE(spy.count(), 2);
}

void CommsTextsTest::ownVideoShownWhileHidden() {
  Widgets::Custom::VideoCall video;
  video.setShowOwnVideo(true);
  QVERIFY(video.isOwnVideoShown());
  video.setShowOwnVideo(false);
  QVERIFY(!video.isOwnVideoShown());
  QVERIFY(video.ownVideoWinId() != 0);
}

void CommsTextsTest::testPictureFollowsVideoState() {
  using RAZ::MediaEngine::VideoTestPicture;
  QWidget remote, own;
  remote.resize(320, 240);
  own.resize(160, 120);
  QPointer<CallBasePtr> call =
      new CallBasePtr(QStringLiteral("sip:a@b"), CallBasePtr::TypeVideo, false);
  call->setVideoWindows(remote.winId(), own.winId());
  QVERIFY(!VideoTestPicture::find(&remote, VideoTestPicture::Remote));
  call->setCallState(CallBasePtr::StateInCall);
  call->startVideo();
  QVERIFY(VideoTestPicture::find(&remote, VideoTestPicture::Remote));
  QVERIFY(VideoTestPicture::find(&own, VideoTestPicture::Own));
  const QImage picture = remote.grab().toImage();
  QVERIFY(VideoTestPicture::find(&remote, VideoTestPicture::Remote)->frames() > 0);
  QVERIFY(picture.pixelColor(160, 60) != picture.pixelColor(5, 230));
  // The call ends: nothing paints the windows any longer.
  call->close(0);
  QVERIFY(!VideoTestPicture::find(&remote, VideoTestPicture::Remote));
  QVERIFY(!VideoTestPicture::find(&own, VideoTestPicture::Own));
  delete call.data();
}

void CommsTextsTest::shareFirstFrameStartsOnce() {
  QML::ViewShareUss view;
  WebcollabBase collab(QStringList{QStringLiteral("Ada")});
  view.setWebCollab(&collab);
  QSignalSpy started(&view, SIGNAL(shareStarted()));
  collab.setState(WebcollabBase::ViewingShare);
  QVERIFY(collab.deliverFrame());
  QVERIFY(collab.deliverFrame());
  QVERIFY(collab.deliverFrame());
  QCOMPARE(started.count(), 1);
  QVERIFY(!view.frame().isNull());
}

void CommsTextsTest::shareFramePosition_data() {
  QTest::addColumn<QSize>("item");
  QTest::addColumn<QSize>("frame");
  QTest::addColumn<QPoint>("at");
  QTest::newRow("smaller: centred") << QSize(400, 300) << QSize(200, 100) << QPoint(100, 100);
  QTest::newRow("larger: top left") << QSize(400, 300) << QSize(800, 600) << QPoint(0, 0);
  QTest::newRow("wider only") << QSize(400, 300) << QSize(500, 101) << QPoint(0, 100);
  QTest::newRow("odd pixels rounded") << QSize(401, 300) << QSize(200, 300) << QPoint(101, 0);
}

void CommsTextsTest::shareFramePosition() {
  QFETCH(QSize, item);
  QFETCH(QSize, frame);
  QFETCH(QPoint, at);
  QCOMPARE(QML::ShareFrameItem::framePosition(item, frame), at);
}

void CommsTextsTest::shareAspectRatio() {
  QML::ViewShareUss view;
  QSignalSpy changed(&view, SIGNAL(aspectRatioChanged()));
  view.resizeViewShare(800, 400);
  QCOMPARE(view.aspectRatio(), 2.0);
  QCOMPARE(changed.count(), 1);
  view.resizeViewShare(400, 200);
  QCOMPARE(changed.count(), 1);
  // No height: no infinite or undefined proportions.
  view.resizeViewShare(400, 0);
  view.resizeViewShare(0, 0);
  view.resizeViewShare(-5, 10);
  QCOMPARE(view.aspectRatio(), 2.0);
  QVERIFY(std::isfinite(view.aspectRatio()));
  QCOMPARE(changed.count(), 1);
}

void CommsTextsTest::shareStopped() {
  // Somebody else's share ends: the older library's view ends the session's share.
  {
    QML::ViewShare view;
    WebcollabBase collab{QStringList()};
    collab.setState(WebcollabBase::ViewingShare);
    view.setWebCollab(&collab);
    QSignalSpy stopped(&view, SIGNAL(shareStopped()));
    QSignalSpy end(&view, SIGNAL(endSession()));
    collab.closeWebcollab();
    QCOMPARE(stopped.count(), 1);
    QCOMPARE(end.count(), 1);
  }
  // The user's own share ends: stopped, but no session end.
  {
    QML::ViewShare view;
    WebcollabBase collab{QStringList()};
    collab.setOwner(true);
    collab.setState(WebcollabBase::ViewingShare);
    view.setWebCollab(&collab);
    QSignalSpy stopped(&view, SIGNAL(shareStopped()));
    QSignalSpy end(&view, SIGNAL(endSession()));
    collab.closeWebcollab();
    QCOMPARE(stopped.count(), 1);
    QCOMPARE(end.count(), 0);
  }
  // Something that is not a share.
  QML::ViewShareUss view;
  QSignalSpy stopped(&view, SIGNAL(shareStopped()));
  QObject other;
  view.setWebCollab(&other);
  QCOMPARE(stopped.count(), 1);
  QVERIFY(!view.webCollab());
}

void CommsTextsTest::shareFramesFitTheView() {
  WebcollabBase collab{QStringList()};
  collab.setState(WebcollabBase::ViewingShare);
  QImage last;
  connect(&collab, &WebcollabBase::frameChanged, this, [&last](QImage f) { last = f; });
  collab.setViewSize(QSize(640, 640));
  QVERIFY(collab.deliverFrame());
  QCOMPARE(last.size(), QSize(640, 400));
  // A view without height asks for no particular size.
  collab.setViewSize(QSize(640, 0));
  QVERIFY(collab.deliverFrame());
  QCOMPARE(last.size(), collab.screenSize());
  // The presenter gets no frames of the own screen.
  collab.setOwner(true);
  QVERIFY(!collab.deliverFrame());
}

void CommsTextsTest::safeBaseName_data() {
  QTest::addColumn<QString>("given");
  QTest::addColumn<QString>("suggested");
  QTest::newRow("plain") << "report.pdf"
                         << "report.pdf";
  QTest::newRow("unix path") << "/etc/passwd"
                             << "passwd";
  QTest::newRow("climbing") << "../../.bashrc"
                            << ".bashrc";
  QTest::newRow("windows path") << "C:\\Users\\x\\evil.exe"
                                << "evil.exe";
  QTest::newRow("dot") << "."
                       << "";
  QTest::newRow("dot dot") << "a/.."
                           << "";
  QTest::newRow("empty") << ""
                         << "";
  QTest::newRow("trailing slash") << "folder/"
                                  << "";
  QTest::newRow("control characters") << QString::fromUtf8("na\x01me\n.txt") << "name.txt";
}

void CommsTextsTest::safeBaseName() {
  QFETCH(QString, given);
  QFETCH(QString, suggested);
  QCOMPARE(Utils::FileNames::safeBaseName(given), suggested);
}

void CommsTextsTest::refusedParticipants_data() {
  QTest::addColumn<QString>("ids");
  QTest::addColumn<QString>("address");
  QTest::addColumn<bool>("accepted");
  QTest::newRow("one id") << "42"
                          << "" << true;
  QTest::newRow("ids") << "4,5,-1"
                       << "" << true;
  QTest::newRow("address") << ""
                           << "sip:bo@demo.zent" << true;
  QTest::newRow("nothing") << ""
                           << "" << false;
  QTest::newRow("script") << "<script>alert(1)</script>"
                          << "" << false;
  QTest::newRow("ids with text") << "4;rm -rf"
                                 << "" << false;
  QTest::newRow("address with markup") << ""
                                       << "sip:<b>@x" << false;
}

void CommsTextsTest::refusedParticipants() {
  QFETCH(QString, ids);
  QFETCH(QString, address);
  QFETCH(bool, accepted);
  QObject owns;
  CommunicationSession* s =
      CommsScript::makeSession(CommunicationSession::KindChat, false, QStringLiteral("x"), &owns);
  QSignalSpy invited(s, SIGNAL(participantsInvited(QString, QString)));
  QCOMPARE(s->addParticipants(ids, address), accepted);
  QCOMPARE(invited.count(), accepted ? 1 : 0);
}

void CommsTextsTest::scriptsActLater() {
  QObject owns;
  CommunicationSession* s =
      CommsScript::makeSession(CommunicationSession::KindCall, true, QStringLiteral("x"), &owns);
  QCOMPARE(s->getCall()->getCallState(), CallBasePtr::StateIncoming);
  QSignalSpy states(
      s, SIGNAL(sessionStateChanged(RAZ::Controllers::CommunicationSession*, uint, uint, bool)));
  QVERIFY(CommsScript::answer(s));
  QCOMPARE(s->getCall()->getCallState(), CallBasePtr::StateIncoming);
  QTRY_COMPARE(s->getCall()->getCallState(), CallBasePtr::StateInCall);
  QVERIFY(CommsScript::hold(s));
  QTRY_COMPARE(s->getCall()->getCallState(), CallBasePtr::StateRemoteHeld);
  QCOMPARE(s->getCall()->getMediaState(), int(CallBasePtr::MediaTowardsUser));
  QVERIFY(CommsScript::shareScreen(s, false));
  QTRY_VERIFY(s->webCollabActive());
  QCOMPARE(s->getState(),
           uint(CommunicationSession::StateCall | CommunicationSession::StateWebCollab));
  QVERIFY(!states.isEmpty());
  QCOMPARE(states.last().at(2).toUInt(), s->getState());
  QVERIFY(CommsScript::fail(s));
  QTRY_COMPARE(s->getCall()->getCallState(), CallBasePtr::StateClosed);
  // A session that goes before its script runs: the script is dropped.
  auto* gone = CommsScript::makeSession(CommunicationSession::KindCall, true, QStringLiteral("y"));
  QVERIFY(CommsScript::answer(gone));
  delete gone;
  QCoreApplication::processEvents();
  QVERIFY(!CommsScript::answer(nullptr));
}

void CommsTextsTest::ringInNeedsAnAccount() { QVERIFY(!CommsScript::ringIn(1, true)); }

ZENT_TEST_MAIN(CommsTextsTest, QApplication)
#include "tst_comms_texts.moc"

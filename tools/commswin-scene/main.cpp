// zent-commswin-scene [call|active|video|share|chat|demochat|all|menus] [--grab folder]
//
// Opens communications windows on demo sessions driven by the demo's
// communications script, so the windows can be looked at and used without
// signing in: a ringing call (Enter answers it), a call in progress with
// its controls, a video call with the moving test picture and the own
// preview, somebody's screen being viewed, and a chat. "demochat" signs in
// to the demo service and chats with a demo contact through the chat-room
// handler, as the program does: type in the field, Return sends, the
// contact answers in the transcript. With --grab, each window is also saved as a picture in the
// folder once it shows what it should, and the program ends.
//
// "menus" signs in to the demo service first (user "tester") and opens the
// windows the way the signed-in program does, with the session's action
// hub: two calls in progress (their options menus offer conference and
// transfer between them) and a room the user owns, whose participants have
// menus of their own.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <RAZ/Client.h>
#include <RAZ/ConfigContainer.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Models/ChatParticipants.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Utils/Credentials.h>
#include <TP/Crypto/Blowfish.h>

#include "Providers/Factory.h"

#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Webcollab/WebcollabBase.h>

#include <memory>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Demo/DemoSession.h>

#include "Utils/WindowManagerChatHelper.h"
#include "libqml/QmlRegistration.h"
#include "libqml/components/CommunicationsWindow.h"

using RAZ::Controllers::CommunicationSession;
using RAZ::Demo::CommsScript;

namespace {

QML::CommunicationsWindow* open(CommunicationSession* session, const QPoint& at) {
  auto* w = new QML::CommunicationsWindow(nullptr, session, nullptr, false);
  w->Activate();
  w->move(at);
  w->show();
  return w;
}

// The signed-in demo account behind the "menus" windows.
struct SignedIn {
  TP::Crypto::Blowfish cipher;
  QTemporaryDir data;
  RAZ::ConfigContainer container;
  QAction signOut, exit;
  std::unique_ptr<RAZ::Client> client;
  std::unique_ptr<Providers::Factory> factory;
  RAZ::Sessions::SessionManagerBase* session = nullptr;

  bool open() {
    if (!cipher.Initialize(TP::Bytes(RAZ::programKey()), RAZ::programCipherMode())) return false;
    client = std::make_unique<RAZ::Client>(&signOut, &exit, QCoreApplication::applicationDirPath());
    if (!client->Initialize(&container, data.path() + "/credentials.dat", &cipher, nullptr, {}))
      return false;
    RAZ::Utils::Credentials::CredentialsData account;
    account.setUsername(QStringLiteral("tester"));
    account.setPassword(QStringLiteral("demo"));
    RAZ::Utils::Credentials::UserCredentials credentials;
    credentials.setCredentials(0, account);
    // The flag lives while this function waits, and so does the connection.
    bool opened = false;
    QObject waiting;
    QObject::connect(client.get(), &RAZ::Client::sessionOpened, &waiting,
                     [flag = &opened](RAZ::Sessions::SessionManagerBase&) { *flag = true; });
    if (!client->signin(credentials, container.currentConfig(), QString(), true)) return false;
    for (int i = 0; i < 600 && !opened; ++i) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
      QThread::msleep(10);
    }
    session = client->openSession();
    if (!session) return false;
    factory =
        std::make_unique<Providers::Factory>(session, session->contactsManager(), nullptr,
                                             session->ftController(), session->sipChatController());
    return true;
  }

  QML::CommunicationsWindow* open(CommunicationSession* s, const QPoint& at) {
    auto* w = new QML::CommunicationsWindow(session, s, factory.get(), false);
    w->Activate();
    if (s->getCall()) w->ActivateCall();
    w->activateChat();
    w->move(at);
    w->show();
    return w;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QML::registerTypes();
  const QStringList args = app.arguments();
  const QString what = args.size() > 1 && !args.at(1).startsWith(QLatin1String("--"))
                           ? args.at(1)
                           : QStringLiteral("all");
  const int grabAt = args.indexOf(QStringLiteral("--grab"));
  const QString grabDir = grabAt > 0 && grabAt + 1 < args.size() ? args.at(grabAt + 1) : QString();
  const bool all = what == QLatin1String("all");
  QCoreApplication::setApplicationName(QStringLiteral("ZentCommsWinScene"));
  // The sessions end before the application does.
  auto* sessions = new QObject;

  QList<QPair<QString, QPointer<QML::CommunicationsWindow>>> windows;
  std::unique_ptr<SignedIn> account;
  QStringListModel roomNames;
  if (what == QLatin1String("menus")) {
    account = std::make_unique<SignedIn>();
    if (!account->open()) {
      qCritical("The demo account did not sign in");
      return 1;
    }
    RAZ::Controllers::CommsSessionController* comms = account->session->commsSessionController();
    const QList<QPoint> places{QPoint(20, 20), QPoint(560, 20)};
    QObject::connect(
        comms, &RAZ::Controllers::CommsSessionController::sessionCreated, comms,
        [list = &windows, signedIn = account.get(), places](CommunicationSession* s, bool) {
          const QPoint at = places.value(list->size(), QPoint(40, 40));
          *list << qMakePair(QStringLiteral("call%1").arg(list->size() + 1),
                             QPointer<QML::CommunicationsWindow>(signedIn->open(s, at)));
          CommsScript::answer(s);
        });
    RAZ::Demo::Service::instance().incomingSession(101, CommunicationSession::KindCall);
    RAZ::Demo::Service::instance().incomingSession(102, CommunicationSession::KindCall);
    // A room the user owns, with a moderator and a member.
    auto* room = CommsScript::makeSession(CommunicationSession::KindGroupChat, true,
                                          QStringLiteral("Project room"), sessions);
    RAZ::Controllers::ChatInterface* chat = room->getChatInterface();
    chat->setOwnAffiliation(4);
    chat->setIsRoomOwner(true);
    account->session->xmppChatController()->addRoom(chat->roomJid(), QStringLiteral("Project room"),
                                                    QString(), 3);
    RAZ::Contacts::Contacts* book = account->session->contactsManager().data();
    chat->getParticipants()->addParticipant(QStringLiteral("Chloe Duval"), 3,
                                            book->getContact(103).data());
    chat->getParticipants()->addParticipant(QStringLiteral("Dmitri Orlov"), 2,
                                            book->getContact(104).data());
    roomNames.setStringList({QStringLiteral("Chloe Duval"), QStringLiteral("Dmitri Orlov")});
    QML::CommunicationsWindow* w = account->open(room, QPoint(20, 420));
    w->setParticipantsModel(&roomNames);
    windows << qMakePair(QStringLiteral("room"), QPointer<QML::CommunicationsWindow>(w));
  }
  if (all || what == QLatin1String("call")) {
    auto* s = CommsScript::makeSession(CommunicationSession::KindCall, true,
                                       QStringLiteral("Ada Park"), sessions);
    windows << qMakePair(QStringLiteral("call"),
                         QPointer<QML::CommunicationsWindow>(open(s, QPoint(20, 20))));
  }
  if (all || what == QLatin1String("active")) {
    auto* s = CommsScript::makeSession(CommunicationSession::KindCall, false,
                                       QStringLiteral("Eli Novak"), sessions);
    windows << qMakePair(QStringLiteral("active"),
                         QPointer<QML::CommunicationsWindow>(open(s, QPoint(20, 560))));
    CommsScript::answer(s);
  }
  if (all || what == QLatin1String("video")) {
    auto* s = CommsScript::makeSession(CommunicationSession::KindVideoCall, false,
                                       QStringLiteral("Bo Lindqvist"), sessions);
    auto* w = open(s, QPoint(540, 20));
    windows << qMakePair(QStringLiteral("video"), QPointer<QML::CommunicationsWindow>(w));
    CommsScript::answer(s);
    CommsScript::startVideo(s);
    QTimer::singleShot(50, w, [w] {
      w->setShowOwnVideo(true);
      w->resize(720, 520);
    });
  }
  if (all || what == QLatin1String("share")) {
    auto* s = CommsScript::makeSession(CommunicationSession::KindWebCollab, true,
                                       QStringLiteral("Cy Moreau"), sessions);
    auto* w = open(s, QPoint(20, 240));
    windows << qMakePair(QStringLiteral("share"), QPointer<QML::CommunicationsWindow>(w));
    CommsScript::shareScreen(s, false);
    QTimer::singleShot(50, w, [w] { w->resize(640, 460); });
  }
  if (all || what == QLatin1String("chat")) {
    auto* s = CommsScript::makeSession(CommunicationSession::KindChat, true,
                                       QStringLiteral("Di Okafor"), sessions);
    windows << qMakePair(QStringLiteral("chat"),
                         QPointer<QML::CommunicationsWindow>(open(s, QPoint(700, 300))));
  }
  RAZ::Demo::DemoSession* demo = nullptr;
  Utils::WindowManagerChatHelper* chatHelper = nullptr;
  if (what == QLatin1String("demochat")) {
    RAZ::Demo::Service::instance().setPresenceChanges(false);
    demo = new RAZ::Demo::DemoSession(nullptr);
    demo->open(QStringLiteral("demo"), RAZ::Demo::Service::demoPassword());
    chatHelper = new Utils::WindowManagerChatHelper(nullptr);
    chatHelper->initialize(demo->contactsManager(), demo, nullptr, new RAZ::Models::SmileysPtr);
    RAZ::Contacts::ContactPtr alice = demo->contactsManager()->getContact(101);
    demo->commsSessionController()->createChat({alice});
    CommunicationSession* s = demo->commsSessionController()->commsList().last();
    auto* w = new QML::CommunicationsWindow(demo, s, nullptr, false);
    w->Activate();
    chatHelper->connectChat(s, w);
    w->move(QPoint(40, 40));
    w->resize(520, 560);
    w->show();
    windows << qMakePair(QStringLiteral("demochat"), QPointer<QML::CommunicationsWindow>(w));
  }
  if (!grabDir.isEmpty()) {
    QDir().mkpath(grabDir);
    // Long enough for the scripted steps and a few frames of each picture.
    QTimer::singleShot(1500, &app, [&windows, grabDir] {
      for (const auto& w : qAsConst(windows))
        if (w.second) w.second->grab().save(grabDir + QLatin1Char('/') + w.first + ".png");
      QApplication::quit();
    });
  }
  const int rc = app.exec();
  for (const auto& w : qAsConst(windows)) delete w.second.data();
  delete chatHelper;
  delete demo;
  delete sessions;
  return rc;
}

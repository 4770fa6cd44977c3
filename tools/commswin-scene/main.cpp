// zent-commswin-scene [call|active|video|share|chat|demochat|all] [--grab folder]
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
#include <QApplication>
#include <QDir>
#include <QTimer>

#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Webcollab/WebcollabBase.h>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Demo/DemoSession.h>
#include <RAZ/Demo/Service.h>

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
  // The sessions end before the application does.
  auto* sessions = new QObject;

  QList<QPair<QString, QPointer<QML::CommunicationsWindow>>> windows;
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
      for (const auto& w : windows)
        if (w.second) w.second->grab().save(grabDir + QLatin1Char('/') + w.first + ".png");
      QApplication::quit();
    });
  }
  const int rc = app.exec();
  for (const auto& w : windows) delete w.second.data();
  delete chatHelper;
  delete demo;
  delete sessions;
  return rc;
}

#include "RAZ/Demo/CommsScript.h"

#include <QPointer>
#include <QTimer>

#include <TP/Core/Logging.h>

#include "RAZ/Client.h"
#include "RAZ/Controllers/ChatInterface.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Demo/ChatDemo.h"
#include "RAZ/Demo/Service.h"
#include "RAZ/MediaEngine/CallBasePtr.h"
#include "RAZ/Webcollab/WebcollabBase.h"

namespace RAZ {
namespace Demo {

using RAZ::Controllers::CommunicationSession;
using RAZ::MediaEngine::CallBasePtr;

namespace {

// Runs `step` on the session from the event loop, if it is still there.
template <typename Step>
bool later(CommunicationSession* session, const char* what, Step step) {
  if (!session) {
    TP_LOG("RAZ::Demo::CommsScript", TP::Core::Logging::LevelWarning) << "No session for " << what;
    return false;
  }
  QPointer<CommunicationSession> guard(session);
  const QString name = QString::fromLatin1(what);
  QTimer::singleShot(0, session, [guard, step, name] {
    if (!guard) {
      TP_LOG("RAZ::Demo::CommsScript", TP::Core::Logging::LevelWarning)
          << "Session gone before " << name;
      return;
    }
    step(guard.data());
  });
  return true;
}

}  // namespace

CommunicationSession* CommsScript::makeSession(CommunicationSession::Kind kind, bool incoming,
                                               const QString& name, QObject* parent) {
  const QString uri = QStringLiteral("sip:") +
                      name.simplified().remove(QLatin1Char(' ')).toLower() +
                      QStringLiteral("@demo.zent");
  // The demo's side of the media (the test picture's captions) is in place.
  Service::instance();
  auto* session = new CommunicationSession(-1, name, uri, kind, incoming, parent);
  ChatDemo::followChatsOf(session);
  if (kind == CommunicationSession::KindCall || kind == CommunicationSession::KindVideoCall) {
    session->setCall(new CallBasePtr(uri,
                                     kind == CommunicationSession::KindVideoCall
                                         ? CallBasePtr::TypeVideo
                                         : CallBasePtr::TypeAudio,
                                     incoming));
  } else if (kind == CommunicationSession::KindChat ||
             kind == CommunicationSession::KindGroupChat ||
             kind == CommunicationSession::KindMyRoom) {
    session->openChat();
  } else if (kind == CommunicationSession::KindWebCollab) {
    session->setWebCollab(new RAZ::Webcollab::WebcollabBase(QStringList{name}));
  }
  return session;
}

bool CommsScript::ringIn(int contactId, bool video) {
  RAZ::Client* client = Service::instance().client();
  RAZ::Sessions::SessionManagerBase* account = client ? client->openSession() : nullptr;
  if (!account || !account->commsSessionController()) {
    TP_LOG("RAZ::Demo::CommsScript", TP::Core::Logging::LevelWarning) << "No session to ring in";
    return false;
  }
  return Service::instance().incomingSession(
      contactId, video ? CommunicationSession::KindVideoCall : CommunicationSession::KindCall);
}

bool CommsScript::answer(CommunicationSession* session) {
  return later(session, "answer", [](CommunicationSession* s) {
    if (CallBasePtr* call = s->getCall()) call->setCallState(CallBasePtr::StateInCall);
  });
}

QString CommsScript::tonesHeard(CommunicationSession* session) {
  CallBasePtr* call = session ? session->getCall() : nullptr;
  return call ? call->sentTones() : QString();
}

bool CommsScript::hold(CommunicationSession* session) {
  return later(session, "hold", [](CommunicationSession* s) {
    CallBasePtr* call = s->getCall();
    if (!call) return;
    call->setCallState(call->getCallState() == CallBasePtr::StateRemoteHeld
                           ? CallBasePtr::StateInCall
                           : CallBasePtr::StateRemoteHeld);
  });
}

bool CommsScript::fail(CommunicationSession* session) {
  return later(session, "call failure", [](CommunicationSession* s) {
    if (CallBasePtr* call = s->getCall()) call->close(1);
  });
}

bool CommsScript::ringOut(CommunicationSession* session) {
  return later(session, "ringing", [](CommunicationSession* s) {
    // The call the user places moves on from dialling to ringing.
    CallBasePtr* call = s->getCall();
    if (call && !call->isIncoming() && call->getCallState() == CallBasePtr::StateDialing)
      call->setCallState(CallBasePtr::StateRinging);
    s->reportRinging();
  });
}

bool CommsScript::decline(CommunicationSession* session) {
  return later(session, "decline", [](CommunicationSession* s) {
    if (CallBasePtr* call = s->getCall()) call->close(CallBasePtr::CloseDeclined);
  });
}

bool CommsScript::busy(CommunicationSession* session) {
  return later(session, "busy", [](CommunicationSession* s) {
    if (CallBasePtr* call = s->getCall()) call->close(CallBasePtr::CloseBusy);
  });
}

bool CommsScript::giveUp(CommunicationSession* session) {
  return later(session, "caller giving up", [](CommunicationSession* s) {
    CallBasePtr* call = s->getCall();
    if (call && call->getCallState() == CallBasePtr::StateIncoming)
      call->close(CallBasePtr::CloseCallerGaveUp);
  });
}

bool CommsScript::requestVideo(CommunicationSession* session) {
  return later(session, "video request", [](CommunicationSession* s) { s->requestVideo(); });
}

bool CommsScript::startVideo(CommunicationSession* session, const QSize& localSize) {
  return later(session, "video start", [localSize](CommunicationSession* s) {
    CallBasePtr* call = s->getCall();
    if (!call) return;
    call->setLocalVideo(true, localSize);
    call->setVideoState(CallBasePtr::VideoActive);
  });
}

bool CommsScript::shareScreen(CommunicationSession* session, bool userPresents, bool olderLibrary) {
  return later(session, "share", [userPresents, olderLibrary](CommunicationSession* s) {
    auto* collab = s->getWebCollab();
    if (!collab) {
      collab = new RAZ::Webcollab::WebcollabBase(QStringList{s->contactName()});
      collab->setOwner(userPresents);
      collab->setUsingNewLibrary(!olderLibrary);
      s->setWebCollab(collab);
    }
    collab->setOwner(userPresents);
    collab->setState(userPresents ? RAZ::Webcollab::WebcollabBase::Sharing
                                  : RAZ::Webcollab::WebcollabBase::ViewingShare);
    // The first picture at once; the share's timer delivers the next.
    collab->deliverFrame();
  });
}

bool CommsScript::stopSharing(CommunicationSession* session) {
  return later(session, "end of share", [](CommunicationSession* s) {
    if (auto* collab = s->getWebCollab()) collab->closeWebcollab();
  });
}

bool CommsScript::dismissFromChat(CommunicationSession* session, const QString& kickerName) {
  return later(session, "dismissal from chat", [kickerName](CommunicationSession* s) {
    if (auto* chat = s->getChatInterface()) emit chat->kicked(kickerName);
  });
}

bool CommsScript::shareError(CommunicationSession* session, int code, int kind) {
  return later(session, "share error", [code, kind](CommunicationSession* s) {
    if (auto* collab = s->getWebCollab())
      collab->reportError(static_cast<USSClient::USSLIBERROR>(code),
                          static_cast<USSClient::ErrorType>(kind));
  });
}

bool CommsScript::openChat(CommunicationSession* session) {
  return later(session, "chat", [](CommunicationSession* s) { s->setChatActive(true); });
}

}  // namespace Demo
}  // namespace RAZ

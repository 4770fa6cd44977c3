#include "Utils/WindowManagerCallHelper.h"

#include <QAction>
#include <QCoreApplication>
#include <QQmlEngine>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/PartyName.h>
#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Utils/Parsers.h>
#include <TP/Core/Logging.h>

#include "Application.h"
#include "Providers/Factory.h"
#include "Utils/CommunicationsWindowManager.h"
#include "Utils/ConfigIds.h"
#include "Utils/NotificationManager.h"
#include "Utils/Sounds/SettingsBoolPlayer.h"
#include "Utils/StringHelper.h"
#include "Widgets/Custom/VideoCall.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/window/View.h"

using RAZ::Controllers::CommunicationSession;
using RAZ::MediaEngine::Call;
using RAZ::MediaEngine::CallBasePtr;

namespace Utils {

namespace {
const char* const kLog = "Utils::WindowManagerCallHelper";

CommunicationSession* senderSession(QObject* sender) {
  return qobject_cast<CommunicationSession*>(sender);
}
}  // namespace

WindowManagerCallHelper::WindowManagerCallHelper(QObject* parent) : QObject(parent) {
  m_incomingCallPlayer = new Utils::Sounds::IncomingCallPlayer(this);
  m_incomingCallPlayer->setLoops(-1);
  m_playIncoming = new QAction(this);
  m_stopIncoming = new QAction(this);
  m_callingTonePlayer =
      new Utils::Sounds::TemporaryFilePlayer(QStringLiteral(":/sounds/calling.wav"), this);
  m_callingTonePlayer->setLoops(-1);
  m_callingTonePlayer->setPurpose(Utils::Sounds::TemporaryFilePlayer::Purpose::CallingTone);
  m_playCalling = new QAction(this);
  m_stopCalling = new QAction(this);
  connect(m_playIncoming, SIGNAL(triggered(bool)), m_incomingCallPlayer, SLOT(play()));
  connect(m_stopIncoming, SIGNAL(triggered(bool)), m_incomingCallPlayer, SLOT(stop()));
  connect(m_playCalling, SIGNAL(triggered(bool)), m_callingTonePlayer, SLOT(play()));
  connect(m_stopCalling, SIGNAL(triggered(bool)), m_callingTonePlayer, SLOT(stop()));
  connect(this, SIGNAL(preferencesChanged(bool)), m_incomingCallPlayer,
          SLOT(onPreferencesChanged(bool)));
}

WindowManagerCallHelper::~WindowManagerCallHelper() {
  // An open answer question must not answer or reject anything once the
  // handler is gone.
  if (m_confirmWindow) {
    disconnect(m_confirmWindow.data(), nullptr, nullptr, nullptr);
    m_confirmWindow->close();
  }
}

bool WindowManagerCallHelper::initialize(
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
    RAZ::Sessions::SessionManagerBase* sessionManager, Providers::Factory* factory,
    CommunicationsWindowManager* manager, NotificationManager* notifications) {
  if (m_contacts.data() != contacts.data()) m_contacts = contacts;
  m_sessionManager = sessionManager;
  m_factory = factory;
  m_manager = manager;
  m_notifications = notifications;
  if (!sessionManager) return true;

  if (m_calls) disconnect(m_calls, nullptr, this, nullptr);
  m_calls = sessionManager->callController();
  if (RAZ::MediaEngine::CallControllerBase* calls = m_calls) {
    connect(calls, SIGNAL(confirmCall(RAZ::MediaEngine::Call, RAZ::MediaEngine::Call, bool&)), this,
            SLOT(confirmNewCall(RAZ::MediaEngine::Call, RAZ::MediaEngine::Call, bool&)),
            Qt::UniqueConnection);
    connect(calls, SIGNAL(confirmIncomingCall(RAZ::MediaEngine::Call, RAZ::MediaEngine::Call)),
            this, SLOT(confirmIncomingCall(RAZ::MediaEngine::Call, RAZ::MediaEngine::Call)),
            Qt::UniqueConnection);
    connect(calls, SIGNAL(failedToStartVideo()), this, SLOT(failedToStartVideo()),
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    connect(calls, SIGNAL(activeCalls(bool)), m_incomingCallPlayer,
            SLOT(onPreferencesChanged(bool)),
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
  }
  if (RAZ::Controllers::CommsSessionController* comms = sessionManager->commsSessionController())
    connect(comms, SIGNAL(emergencyCallNotification()), this, SLOT(emergencyCallNotification()),
            Qt::UniqueConnection);
  if (RAZ::Xsi::XsiEngine* xsi = sessionManager->xsiEngine())
    connect(xsi, SIGNAL(requestXsiCallErrorDialog(RAZ::Xsi::XsiCallback::Error)), this,
            SLOT(handleXsiCallError(RAZ::Xsi::XsiCallback::Error)), Qt::UniqueConnection);
  return true;
}

Dialogs::MessageWindow* WindowManagerCallHelper::confirmWindow() const {
  return m_confirmWindow.data();
}

bool WindowManagerCallHelper::alwaysOnTop() const {
  return m_factory && m_factory->isAlwaysOnTop();
}

bool WindowManagerCallHelper::showAtOnce() const {
  const RAZ::Configuration::Config* config =
      m_sessionManager ? m_sessionManager->configuration() : nullptr;
  if (!config)
    if (auto* app = qobject_cast<Application*>(QCoreApplication::instance()))
      config = app->getConfig();
  return config && config->getBool(ConfigId::ShowCommsWindowAtOnce, false);
}

CommunicationSession* WindowManagerCallHelper::sessionOf(CallBasePtr* call) const {
  RAZ::Controllers::CommsSessionController* comms =
      m_sessionManager ? m_sessionManager->commsSessionController() : nullptr;
  return comms ? comms->getSession(call) : nullptr;
}

void WindowManagerCallHelper::onPreferencesChanged() {
  emit preferencesChanged(m_calls && !m_calls->getCalls().isEmpty());
}

// ---- Wiring ----

void WindowManagerCallHelper::connectSessionSignals(CommunicationSession* session) {
  if (!session) return;
  const Qt::ConnectionType unique = Qt::UniqueConnection;
  connect(session, SIGNAL(addVideoRequest(RAZ::MediaEngine::Call)), m_playIncoming, SLOT(trigger()),
          unique);
  connect(session, SIGNAL(addVideoRequest(RAZ::MediaEngine::Call)), this,
          SLOT(addVideoRequest(RAZ::MediaEngine::Call)), unique);
  connect(session, SIGNAL(ringing(RAZ::MediaEngine::Call)), this,
          SLOT(ringing(RAZ::MediaEngine::Call)), unique);
  connect(session, SIGNAL(closed()), m_stopCalling, SLOT(trigger()), unique);
  connect(session, SIGNAL(closed()), this, SLOT(cbCallClosed()), unique);
  connect(session, SIGNAL(opened()), m_stopCalling, SLOT(trigger()), unique);
  // Early media only stops the tone; a repeated wiring must not stack it
  // either (the tone would only be stopped more often, but it would leak
  // one connection per wiring).
  connect(session, SIGNAL(earlymediaReceived()), m_stopCalling, SLOT(trigger()), unique);
  connect(session,
          SIGNAL(videoStateChanged(RAZ::MediaEngine::CallBasePtr*,
                                   RAZ::MediaEngine::CallBasePtr::CallState)),
          this, SLOT(videoStateChanged(RAZ::MediaEngine::CallBasePtr*)), unique);
  connect(session, SIGNAL(opened()), this, SLOT(cbCallOpened()), unique);
}

void WindowManagerCallHelper::connectWindowCallSignals(CommunicationSession* session,
                                                       QML::CommunicationsWindow* window) {
  if (!session || !window) return;
  updateRemoteName(session);
  const Qt::ConnectionType unique = Qt::UniqueConnection;
  connect(window, SIGNAL(callNotificationAccepted()), this, SLOT(notificationAccepted()), unique);
  connect(window, SIGNAL(callNotificationIgnored()), m_stopIncoming, SLOT(trigger()), unique);
  if (CallBasePtr* call = session->getCall())
    connect(call, SIGNAL(closed()), m_stopCalling, SLOT(trigger()), unique);
  connect(session, SIGNAL(transferFailed(RAZ::MediaEngine::Call, int)), this,
          SLOT(onTransferFailed(RAZ::MediaEngine::Call, int)), unique);
  connect(session, SIGNAL(callTransferred(RAZ::Controllers::CommunicationSession*, QString)), this,
          SLOT(onCallTransferred(RAZ::Controllers::CommunicationSession*, QString)), unique);
}

// ---- Ringing and the calling tone ----

void WindowManagerCallHelper::ringing(Call call) {
  if (call.isNull()) return;
  // Only a call still being placed, or whose party's phone rings, gets the
  // tone: a report that arrives for a call that has ended would start a
  // tone that nothing stops.
  const int state = call->getCallState();
  if (state != CallBasePtr::StateDialing && state != CallBasePtr::StateRinging) return;
  m_playCalling->trigger();
  if (CommunicationSession* session = senderSession(sender())) updateRemoteName(session);
}

void WindowManagerCallHelper::showCallNotification(CommunicationSession* session) {
  if (!session || !m_notifications) return;
  CallBasePtr* call = session->getCall();
  if (!call) return;
  QML::CommunicationNotification* notification = m_notifications->addCommunicationNotification(
      session, QML::CommunicationNotification::CallNotification);
  if (!notification) return;
  // The popup lives while the call rings: it goes when the call ends, and
  // answering elsewhere counts as answering here.
  connect(call, SIGNAL(closed()), notification, SLOT(close()));
  connect(call, SIGNAL(opened()), notification, SIGNAL(callNotificationAccepted()));
  updateRemoteName(session);
  connect(notification, SIGNAL(callNotificationIgnored()), m_stopIncoming, SLOT(trigger()));
  connect(notification, SIGNAL(callNotificationAccepted()), this, SLOT(notificationAccepted()));
  if (!showAtOnce())
    if (auto* app = qobject_cast<Application*>(QCoreApplication::instance()))
      if (QML::MainWindow* main = app->mainWindow())
        connect(notification, SIGNAL(callNotificationAccepted()), main, SLOT(raise()));
  // Declining in the popup turns the call away.
  QPointer<CallBasePtr> declined(call);
  connect(notification, &QML::CommunicationNotification::callNotificationIgnored, this, [declined] {
    if (declined && (declined->getCallState() == CallBasePtr::StateIncoming ||
                     declined->getCallState() == CallBasePtr::StateRinging))
      declined->close(CallBasePtr::CloseDeclined);
  });
  startIncomingRinger(call);
}

void WindowManagerCallHelper::startIncomingRinger(CallBasePtr* call) {
  if (!call) return;
  connect(call, SIGNAL(closed()), this, SLOT(stopIncomingRinger()), Qt::UniqueConnection);
  connect(call, SIGNAL(opened()), this, SLOT(stopIncomingRinger()), Qt::UniqueConnection);
  if (!m_ringingCalls.contains(call)) m_ringingCalls.append(call);
  m_playIncoming->trigger();
}

void WindowManagerCallHelper::stopIncomingRinger() {
  if (auto* call = qobject_cast<CallBasePtr*>(sender())) {
    disconnect(call, SIGNAL(closed()), this, SLOT(stopIncomingRinger()));
    disconnect(call, SIGNAL(opened()), this, SLOT(stopIncomingRinger()));
    m_ringingCalls.removeAll(call);
  }
  stopRingerUnlessAnotherWaits();
}

void WindowManagerCallHelper::stopRingerUnlessAnotherWaits() {
  m_ringingCalls.removeAll(nullptr);
  // A second call that still waits keeps the ringer going.
  for (const QPointer<CallBasePtr>& waiting : qAsConst(m_ringingCalls))
    if (waiting && (waiting->getCallState() == CallBasePtr::StateIncoming ||
                    waiting->getCallState() == CallBasePtr::StateRinging))
      return;
  m_stopIncoming->trigger();
}

// ---- Answers ----

void WindowManagerCallHelper::notificationAccepted() {
  auto* notification = qobject_cast<QML::CommunicationNotification*>(sender());
  if (notification && m_manager) {
    auto* session = qobject_cast<CommunicationSession*>(notification->session());
    QML::CommunicationsWindow* window = session ? m_manager->findCommsWindow(session) : nullptr;
    CallBasePtr* call = session ? session->getCall() : nullptr;
    // This call no longer needs the ringer, whatever the answer leads to.
    m_ringingCalls.removeAll(call);
    const QString how = notification->answer();
    if (session && call && how == QLatin1String("chat")) {
      // Answered with a chat: the call is turned away and the chat opens,
      // in the chat already running with the party when there is one.
      RAZ::Controllers::CommsSessionController* comms =
          m_sessionManager ? m_sessionManager->commsSessionController() : nullptr;
      CommunicationSession* chat = comms ? comms->answerWithChat(session) : nullptr;
      if (!chat) {
        session->openChat();
        call->close(CallBasePtr::CloseDeclined);
      } else if (chat != session) {
        // That chat's window comes forward (the session says so); the
        // call's own session ends with its call.
        window = nullptr;
      }
    } else if (call && !how.isEmpty()) {
      const bool video = how == QLatin1String("video");
      if (session->updatingToVideo()) {
        // The answer to the party's wish to add video to a running call.
        session->setUpdatingToVideo(false);
        if (video) call->startVideo();
      } else {
        // The platform asks first when another call runs.
        call->answer();
        if (video && call->getCallState() == CallBasePtr::StateInCall) call->startVideo();
      }
    }
    if (!m_confirmWindow) showAnsweredWindow(session, window);
  }
  stopRingerUnlessAnotherWaits();
}

void WindowManagerCallHelper::confirmNewCall(Call call, Call otherCall, bool& ok) {
  Q_UNUSED(call);
  Q_UNUSED(otherCall);
  const int result = Dialogs::MessageWindow::question(
      tr("Confirm Call"), tr("Starting a call will put ongoing call on hold. Continue?"), true,
      alwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No);
  ok = result == QDialog::Accepted;
}

void WindowManagerCallHelper::confirmIncomingCall(Call call, Call otherCall) {
  Q_UNUSED(otherCall);
  if (call.isNull()) return;
  if (m_notifications && m_sessionManager && m_sessionManager->commsSessionController())
    m_notifications->closeCommunicationNotification(sessionOf(call.Raw()));
  if (Dialogs::MessageWindow* open = m_confirmWindow.data()) {
    // The open question becomes moot and ends as not accepted: its answer
    // must not reach the call it was about (dismissing reports "accepted").
    disconnect(open, nullptr, this, nullptr);
    if (m_confirmedCall) disconnect(open, nullptr, m_confirmedCall.data(), nullptr);
    m_confirmWindow = nullptr;
    m_confirmedCall = nullptr;
    open->dismiss();
    return;
  }
  m_confirmedCall = call.Raw();
  Dialogs::MessageWindow* question = Dialogs::MessageWindow::showQuestion(
      tr("Confirm Call"), tr("Answering a call will put ongoing call on hold. Continue?"),
      alwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No, false, false, nullptr);
  m_confirmWindow = question;
  connect(question, SIGNAL(messageAccepted(bool)), call.Raw(), SLOT(cbCallConfirmed()));
  connect(question, SIGNAL(messageAccepted(bool)), this, SLOT(handleCallAccepted()));
  connect(question, SIGNAL(messageRejected(bool)), call.Raw(), SLOT(close()));
  connect(call.Raw(), SIGNAL(closed()), question, SLOT(close()));
}

void WindowManagerCallHelper::handleCallAccepted() {
  CommunicationSession* session = sessionOf(m_confirmedCall.data());
  showAnsweredWindow(session,
                     (session && m_manager) ? m_manager->findCommsWindow(session) : nullptr);
}

void WindowManagerCallHelper::showAnsweredWindow(CommunicationSession* session,
                                                 QML::CommunicationsWindow* window) {
  if (!session || !window) return;
  // A plain audio call stays with the contact list unless the configuration
  // shows every window at once.
  if (session->isOnlyAudioCall() && !showAtOnce()) return;
  window->show();
  window->raise();
}

void WindowManagerCallHelper::addVideoRequest(Call call) {
  CommunicationSession* session = senderSession(sender());
  if (!session) return;
  QML::CommunicationsWindow* window = m_manager ? m_manager->findCommsWindow(session) : nullptr;
  if (window)
    window->showAndActivate();
  else
    showCallNotification(session);
  startIncomingRinger(session->getCall() ? session->getCall() : call.Raw());
}

// ---- Video ----

void WindowManagerCallHelper::videoStateChanged(CallBasePtr* call) {
  CommunicationSession* session = senderSession(sender());
  QML::CommunicationsWindow* window =
      (session && m_manager) ? m_manager->findCommsWindow(session) : nullptr;
  if (!window || !call) return;
  const int state = call->getVideoState();
  if (state == CallBasePtr::VideoStarting || state == CallBasePtr::VideoActive) {
    window->showAndActivate();
    if (call->isVideoCall()) {
      if (Widgets::Custom::VideoCall* surface = window->getVideoSurface()) {
        call->setRemoteVideoWindow(surface->winId());
        call->setOwnVideoWindow(surface->ownVideoWinId());
      }
    }
    window->view()->setUpdatesEnabled(false);
  } else if (state == CallBasePtr::VideoNone) {
    window->view()->setUpdatesEnabled(true);
  }
}

void WindowManagerCallHelper::cbCallOpened() {
  CommunicationSession* session = senderSession(sender());
  CallBasePtr* call = session ? session->getCall() : nullptr;
  if (!call) return;
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "call is not NULL : Extra logging added";
  if (!call->isConferenceCall()) {
    TP_LOG(kLog, TP::Core::Logging::LevelInformation)
        << "!call->isConferenceCall() : Extra logging added";
    updateRemoteName(session);
  }
}

void WindowManagerCallHelper::cbCallClosed() {
  CommunicationSession* session = senderSession(sender());
  // A call the party never took: say why, for the window goes with it.
  CallBasePtr* call = session ? session->getCall() : nullptr;
  if (call && m_notifications && !call->isIncoming() && !call->connectedAt().isValid()) {
    QString text;
    switch (call->getCloseReason()) {
      case CallBasePtr::CloseBusy:
        text = tr("%1 is busy").arg(session->partyName());
        break;
      case CallBasePtr::CloseDeclined:
        text = tr("%1 declined the call").arg(session->partyName());
        break;
      case CallBasePtr::CloseNoAnswer:
        text = tr("%1 did not answer").arg(session->partyName());
        break;
      default:
        break;
    }
    if (!text.isEmpty()) m_notifications->addNotification(text);
  }
  QML::CommunicationsWindow* window =
      (session && m_manager) ? m_manager->findCommsWindow(session) : nullptr;
  if (window) window->view()->setUpdatesEnabled(true);
}

// ---- Names ----

QString WindowManagerCallHelper::getDisplayName(CallBasePtr* call, bool* replaced) const {
  return RAZ::Controllers::PartyName::ofCall(call, m_contacts.data(), tr("Unknown"), tr("Transfer"),
                                             replaced);
}

void WindowManagerCallHelper::updateRemoteName(CommunicationSession* session) {
  CallBasePtr* call = session ? session->getCall() : nullptr;
  if (!call) return;
  const QString name = getDisplayName(call);
  call->setRemoteDisplayName(name);
  RAZ::Contacts::IContact* contact = session->getContact();
  if (!contact || !contact->isClientUpdatable()) return;
  const QString present = contact->getDisplayName();
  using RAZ::Utils::PhoneNumberParser;
  // A name is never overwritten by a number.
  if (!present.isEmpty() && !PhoneNumberParser::isValidPhoneNumber(present) &&
      PhoneNumberParser::isValidPhoneNumber(name))
    return;
  if (present != name) contact->setProperty(RAZ::Contacts::Properties::KeyDisplayName, name);
}

// ---- Failures ----

void WindowManagerCallHelper::failedToStartVideo() {
  Dialogs::MessageWindow::showWarning(
      tr("Video Call Failed"),
      tr("Unable to start video, please check that other applications are not using the camera. "
         "Please also ensure that your web-camera drivers are up to date."),
      alwaysOnTop(), QDialogButtonBox::Ok, nullptr);
}

void WindowManagerCallHelper::emergencyCallNotification() {
  Dialogs::MessageWindow::showInformation(
      tr("Call Failed"), tr("Emergency calls are not supported. Please use another phone."),
      alwaysOnTop(), QDialogButtonBox::Ok, false, nullptr);
}

void WindowManagerCallHelper::handleXsiCallError(RAZ::Xsi::XsiCallback::Error error) {
  const QString text = Utils::StringHelper::errorText(int(error));
  TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "Call from the phone failed: " << int(error);
  if (text.isEmpty()) return;
  Dialogs::MessageWindow::showWarning(tr("Call to Phone failed!"), text, alwaysOnTop(),
                                      QDialogButtonBox::Ok, nullptr);
}

void WindowManagerCallHelper::onTransferFailed(Call call, int code) {
  TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "Transfer failed with code " << code;
  Dialogs::MessageWindow* message = Dialogs::MessageWindow::showInformation(
      tr("Error Transferring Call"),
      // A party that does not take the call is no mistyped number.
      code == 404 || code <= 0
          ? tr("There was an error while transferring your call. Please check the number and "
               "try again.")
          : tr("The person you are transferring to cannot take the call now. Your call goes on."),
      alwaysOnTop(), QDialogButtonBox::Ok, false, nullptr);
  if (!call.isNull()) connect(call.Raw(), SIGNAL(closed()), message, SLOT(close()));
}

void WindowManagerCallHelper::onCallTransferred(CommunicationSession* session, const QString& to) {
  if (!session || !m_notifications) return;
  // The window goes with the call: a word says where the party went.
  RAZ::Contacts::IContact* target =
      m_contacts && !to.isEmpty() ? m_contacts->findContactByAddress(to) : nullptr;
  const QString targetName =
      target && !target->getDisplayName().isEmpty() ? target->getDisplayName() : to;
  m_notifications->addNotification(
      tr("%1 was transferred to %2").arg(session->partyName(), targetName));
}

}  // namespace Utils

#include "Utils/CommunicationsWindowMenuActions.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Settings.h>

#include "Utils/ActionsHelper.h"
#include "Utils/ConfigIds.h"
#include "Utils/SettingsKeys.h"
#include "Widgets/Notifications/CommunicationOverlay.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CommunicationsWindow.h"

namespace Utils {
namespace Actions {

using RAZ::Controllers::CommunicationSession;
using RAZ::MediaEngine::CallBasePtr;

namespace {

// Platform actions behind the contact entries, by entry.
const QList<QPair<int, RAZ::Actions::Action::Id>> kContactEntries = {
    {CommunicationsWindowMenuActions::JoinRoom, RAZ::Actions::Action::JoinRoom},
    {CommunicationsWindowMenuActions::ViewProfile, RAZ::Actions::Action::ViewProfile},
    {CommunicationsWindowMenuActions::AddContact, RAZ::Actions::Action::AddContact},
    {CommunicationsWindowMenuActions::EditProfile, RAZ::Actions::Action::EditProfile}};

bool inCall(const CallBasePtr* call) {
  const int state = call->getCallState();
  return state == CallBasePtr::StateInCall || state == CallBasePtr::StateHeld;
}

// Calls placed through the user's phone carry their media there: nothing
// to mute or show here.
bool mediaHere(const CallBasePtr* call) {
  const int kind = call->getCallKind();
  return kind != CallBasePtr::KindClickToDial && kind != CallBasePtr::KindDeskphone;
}

}  // namespace

CommunicationsWindowMenuActions::CommunicationsWindowMenuActions(
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
    RAZ::Controllers::CommsSessionController* comms, QML::CommunicationsWindow* window,
    QObject* parent)
    : QObject(parent), m_window(window), m_contacts(contacts), m_comms(comms) {
  m_session = window ? window->getSession() : nullptr;
  m_config = window ? window->configuration() : nullptr;
  CommunicationSession* session = m_session.data();

  connect(add(End), SIGNAL(triggered()), this, SLOT(endCommunicationsTriggered()));
  if (session && session->getCall() && mediaHere(session->getCall()))
    connect(add(Mute), SIGNAL(triggered()), this, SLOT(muteMicrophoneTriggered()));
  if (configFlag(ConfigId::CallsOnThisClient) || configFlag(ConfigId::VideoCalls) ||
      configFlag(ConfigId::OtherDevicesTakeCalls)) {
    connect(add(Hold), SIGNAL(triggered()), this, SLOT(holdTriggered()));
    if (window) connect(add(OwnVideo), SIGNAL(triggered()), window, SLOT(toggleShowOwnVideo()));
  }
  if (window && window->overlay()) {
    if (!configText(ConfigId::ConferenceAdd).isEmpty()) add(ConferenceWith);
    connect(add(ConferenceNew), SIGNAL(triggered()), this, SLOT(conferenceNewTriggered()));
    if (configFlag(ConfigId::CallTransfer)) {
      connect(add(TransferTo), SIGNAL(triggered()), this, SLOT(transferNewTriggered()));
      connect(add(TransferNew), SIGNAL(triggered()), this, SLOT(transferNewTriggered()));
    }
    RAZ::Actions::Action* park =
        window->actionsProvider()
            ? window->actionsProvider()->getActionById(RAZ::Actions::Action::ParkCall)
            : nullptr;
    if (park && park->isEnabled())
      connect(add(Park), SIGNAL(triggered()), this, SLOT(parkTriggered()));
  }
  if (configFlag(ConfigId::CallRecording) && session) {
    const int mode = session->getCallRecordMode();
    if (mode == 3 || mode == 4) {
      connect(add(RecordToggle), SIGNAL(triggered()), this, SLOT(recordTriggered()));
    } else if (mode == 5) {
      QAction* header = add(Record);
      m_recordMenu = new QMenu;
      connect(add(RecordToggle), SIGNAL(triggered()), this, SLOT(recordTriggered()));
      connect(add(RecordStop), SIGNAL(triggered()), this, SLOT(recordStopTriggered()));
      m_recordMenu->addAction(m_actions.value(RecordToggle));
      m_recordMenu->addAction(m_actions.value(RecordStop));
      header->setMenu(m_recordMenu);
    }
  }
  if (configFlag(ConfigId::CommsHistory)) {
    connect(add(DeleteHistory), SIGNAL(triggered()), this, SLOT(deleteHistoryTriggered()));
    // Kept for any chat: whether the user may configure the room follows
    // the chat, which often comes after the window.
    connect(add(EditRoom), SIGNAL(triggered()), this, SLOT(editRoomTriggered()));
  }
  for (QAction* a : qAsConst(m_actions)) a->setEnabled(false);

  if (window) {
    connect(add(HideWindow), SIGNAL(triggered()), window, SLOT(hide()));
    connect(add(ShowWindow), SIGNAL(triggered()), window, SLOT(showAndActivate()));
    QAction* top = add(AlwaysOnTop);
    top->setCheckable(true);
    top->setChecked(window->isAlwaysOnTop());
    connect(top, SIGNAL(triggered()), window, SLOT(alwaysOnTopTriggered()));
  }

  if (session) {
    connect(session,
            SIGNAL(sessionStateChanged(RAZ::Controllers::CommunicationSession*, uint, uint, bool)),
            this,
            SLOT(sessionStateChanged(RAZ::Controllers::CommunicationSession*, uint, uint, bool)));
    connect(session, SIGNAL(chatActiveChanged()), this, SLOT(refreshChatSpecificActions()));
    connect(session, SIGNAL(hasAssociatedFirstCallChanged()), this,
            SLOT(refreshCallSpecificActions()));
  }
  setTexts();
  refreshChatSpecificActions();
  refreshCallSpecificActions();
}

CommunicationsWindowMenuActions::~CommunicationsWindowMenuActions() { delete m_recordMenu; }

QAction* CommunicationsWindowMenuActions::add(int id) {
  QAction* a = m_actions.value(id);
  if (!a) {
    a = new QAction(this);
    m_actions.insert(id, a);
  }
  return a;
}

bool CommunicationsWindowMenuActions::configFlag(int id) const {
  return m_config && m_config->getBool(id, false);
}

QString CommunicationsWindowMenuActions::configText(int id) const {
  return m_config ? m_config->getString(id) : QString();
}

QString CommunicationsWindowMenuActions::endText() const {
  if (!m_session) return QString();
  const bool call = m_session->callActive();
  const bool chat = m_session->chatActive();
  if ((call && chat) || m_session->webCollabActive()) return tr("End communications");
  if (call) return tr("End Call");
  if (chat) return tr("End Chat");
  return QString();
}

QString CommunicationsWindowMenuActions::recordingText(bool hasCall, int state, int mode) {
  if (!hasCall || state < CallBasePtr::RecordingUnknown || state > CallBasePtr::RecordingPaused)
    return tr("Start Recording");
  if (state == CallBasePtr::RecordingUnknown || state == CallBasePtr::NotRecording)
    return mode == 3 ? tr("Pause Recording") : tr("Start Recording");
  if (state == CallBasePtr::Recording) return tr("Pause Recording");
  return tr("Resume Recording");
}

void CommunicationsWindowMenuActions::setTexts() {
  CallBasePtr* call = m_session ? m_session->getCall() : nullptr;
  auto set = [this](int id, const QString& text) {
    if (QAction* a = m_actions.value(id)) a->setText(text);
  };
  set(End, endText());
  set(Mute, call && call->microphoneMuted() ? tr("Unmute Microphone") : tr("Mute Microphone"));
  set(Hold,
      call && call->getCallState() == CallBasePtr::StateHeld ? tr("Unhold Call") : tr("Hold Call"));
  set(ConferenceWith, tr("Conference with"));
  set(ConferenceNew, tr("New"));
  set(TransferTo, tr("Transfer to"));
  set(TransferNew, tr("New"));
  set(Park, tr("Park Call"));
  set(Record, tr("Record Call"));
  set(RecordToggle, recordingText(call != nullptr,
                                  call ? call->getRecordingState() : int(CallBasePtr::NotRecording),
                                  m_session ? m_session->getCallRecordMode() : 0));
  set(RecordStop, tr("Stop Recording"));
  set(OwnVideo, m_window && m_window->showOwnVideo() ? tr("Hide My Video") : tr("Show My Video"));
  set(DeleteHistory, tr("Delete Chat History"));
  set(EditRoom, tr("Edit Room"));
  set(ShowWindow, tr("Show Window"));
  set(HideWindow, tr("Hide Window"));
  set(AlwaysOnTop, tr("Always on Top"));
  for (const auto& e : kContactEntries)
    set(e.first, Utils::ActionsHelper::actionText(e.second, nullptr, false));
}

bool CommunicationsWindowMenuActions::event(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) setTexts();
  return QObject::event(e);
}

void CommunicationsWindowMenuActions::sessionStateChanged(CommunicationSession*, uint oldState,
                                                          uint newState, bool) {
  // A call that begins after the window was built is followed from now on.
  if ((newState & CommunicationSession::StateCall) && !(oldState & CommunicationSession::StateCall))
    connectCallSignals();
  refreshChatSpecificActions();
  refreshCallSpecificActions();
}

void CommunicationsWindowMenuActions::refreshChatSpecificActions() {
  if (!m_session) return;
  const bool chat = m_session->chatActive();
  RAZ::Controllers::ChatInterface* chatInterface = m_session->getChatInterface();
  if (chatInterface)
    connect(chatInterface, SIGNAL(roomOwnerChanged()), this, SLOT(refreshChatSpecificActions()),
            Qt::UniqueConnection);
  if (QAction* a = m_actions.value(DeleteHistory)) a->setEnabled(chat);
  if (QAction* a = m_actions.value(EditRoom)) {
    const bool owner =
        chat && chatInterface && chatInterface->isRoom() && chatInterface->isRoomOwner();
    a->setVisible(owner);
    a->setEnabled(owner);
  }
  QAction* end = m_actions.value(End);
  end->setText(endText());
  end->setEnabled(chat || m_session->callActive() || m_session->webCollabActive());
}

void CommunicationsWindowMenuActions::refreshCallSpecificActions() {
  if (!m_session) return;
  auto enable = [this](int id, bool on) {
    if (QAction* a = m_actions.value(id)) a->setEnabled(on);
  };
  CallBasePtr* call = m_session->getCall();
  if (!call) {
    QAction* end = m_actions.value(End);
    end->setText(endText());
    end->setEnabled(m_session->chatActive() || m_session->webCollabActive());
    for (int id : {Hold, OwnVideo, TransferTo, TransferNew, Park, ConferenceWith, ConferenceNew,
                   RecordToggle, RecordStop})
      enable(id, false);
    return;
  }
  setTexts();
  const int state = call->getCallState();
  const bool connected = inCall(call);
  enable(End, connected || m_session->chatActive() || m_session->webCollabActive());
  enable(Mute, connected);
  enable(Hold, connected);
  const int video = call->getVideoState();
  enable(OwnVideo, mediaHere(call) && video == CallBasePtr::VideoActive);
  const bool transfer = connected && !m_session->getHasAssociatedFirstCall();
  enable(TransferTo, transfer);
  enable(TransferNew, transfer);
  enable(Park, connected);
  const bool invite = connected && m_session->isAllowedToInvite() && !m_session->isMyRoomSession();
  enable(ConferenceWith, invite);
  enable(ConferenceNew, invite);
  const bool recording = state == CallBasePtr::StateInCall;
  enable(Record, recording);
  enable(RecordToggle, recording);
  const int recordingState = call->getRecordingState();
  enable(RecordStop, recording && (recordingState == CallBasePtr::Recording ||
                                   recordingState == CallBasePtr::RecordingPaused));
}

void CommunicationsWindowMenuActions::refreshContactSpecificActions() {
  if (!m_session) return;
  const bool single = !m_session->isGroup() && !m_session->isMyRoomSession();
  RAZ::Contacts::IContact* contact = m_session->getContact();
  const bool outside = contact && (contact->isTemporary() || contact->isSearchResult());
  auto enable = [this](int id, bool on) {
    if (QAction* a = m_actions.value(id)) a->setEnabled(on);
  };
  enable(AddContact, outside && single);
  enable(ViewProfile, single);
  enable(JoinRoom, single);
  enable(EditProfile, single && !outside);
}

void CommunicationsWindowMenuActions::connectCallSignals() {
  if (!m_session) return;
  const Qt::ConnectionType unique = Qt::UniqueConnection;
  connect(m_session.data(), SIGNAL(allowedToInviteChanged()), this,
          SLOT(refreshCallSpecificActions()), unique);
  connect(m_session.data(), SIGNAL(callRecordingStateChanged()), this,
          SLOT(refreshCallSpecificActions()), unique);
  if (CallBasePtr* call = m_session->getCall()) {
    connect(call,
            SIGNAL(callStateChanged(RAZ::MediaEngine::CallBasePtr*,
                                    RAZ::MediaEngine::CallBasePtr::CallState)),
            this, SLOT(refreshCallSpecificActions()), unique);
    connect(call, SIGNAL(videoStateChanged()), this, SLOT(refreshCallSpecificActions()), unique);
    connect(call, SIGNAL(microphoneMutedChanged()), this, SLOT(refreshCallSpecificActions()),
            unique);
  }
}

void CommunicationsWindowMenuActions::holdTriggered() {
  if (m_session && m_session->getCall()) m_session->getCall()->toggleHold();
}

void CommunicationsWindowMenuActions::muteMicrophoneTriggered() {
  CallBasePtr* call = m_session ? m_session->getCall() : nullptr;
  if (!call) return;
  if (call->microphoneMuted())
    call->unmuteMicrophone();
  else
    call->muteMicrophone();
}

void CommunicationsWindowMenuActions::endCommunicationsTriggered() {
  // Each part may end the session; the guard keeps the later ones honest.
  QPointer<CommunicationSession> session = m_session;
  if (!session) return;
  if (session->getCall() && session->callActive()) session->getCall()->close(0);
  if (session && session->chatActive()) session->closeChat();
  if (session && session->webCollabActive()) session->closeWebcollab();
}

void CommunicationsWindowMenuActions::deleteHistoryTriggered() {
  const bool ask = RAZ::Settings(RAZ::Settings::User)
                       .value(Utils::SettingsKey::ConfirmHistoryRecord, true)
                       .toBool();
  if (ask) {
    // The question blocks; the window and this object may be gone after it.
    QPointer<CommunicationsWindowMenuActions> self(this);
    const bool onTop = m_window && m_window->isAlwaysOnTop();
    const int answer = Dialogs::MessageWindow::question(
        tr("Confirm Removal"), tr("Are you sure you want to delete the chat history?"), false,
        onTop);
    if (!self || answer != QDialog::Accepted) return;
  }
  emit deleteChatHistory();
}

void CommunicationsWindowMenuActions::editRoomTriggered() {
  if (m_session && m_session->getChatInterface())
    m_session->getChatInterface()->requestRoomConfiguration();
}

void CommunicationsWindowMenuActions::recordTriggered() {
  if (m_session) m_session->callRecordClicked();
}

void CommunicationsWindowMenuActions::recordStopTriggered() {
  if (m_session) m_session->callRecordStopClicked();
}

void CommunicationsWindowMenuActions::conferenceNewTriggered() {
  if (!m_window) return;
  if (m_window->overlay()) m_window->overlay()->addParticipantsTriggered();
  if (m_window) m_window->showAndActivate();
}

void CommunicationsWindowMenuActions::transferNewTriggered() {
  if (!m_window) return;
  if (m_window->overlay()) m_window->overlay()->transferCallTriggered();
  // The header itself opens the transfer list without raising the window.
  if (m_window && sender() == m_actions.value(TransferNew)) m_window->showAndActivate();
}

void CommunicationsWindowMenuActions::parkTriggered() {
  if (!m_window) return;
  m_window->showAndActivate();
  if (m_window && m_window->overlay()) m_window->overlay()->callParkTriggered();
}

void CommunicationsWindowMenuActions::createContactActions() {
  for (const auto& e : kContactEntries) delete m_actions.take(e.first);
  RAZ::Actions::Provider* provider = m_window ? m_window->menuActionsProvider() : nullptr;
  // A party outside any contact (a room, a share) has no profile to offer.
  if (!provider || !m_session || !m_session->getContact()) return;
  provider->setActionSource(m_session->getContact());
  Utils::ActionsHelper helper(m_contacts, m_comms.data(), nullptr);
  for (const auto& e : kContactEntries) {
    RAZ::Actions::Action* platformAction = provider->getActionById(e.second);
    if (!platformAction) continue;
    if (QAction* a = helper.createAction(platformAction, provider, this, false))
      m_actions.insert(e.first, a);
  }
  refreshContactSpecificActions();
}

QList<QAction*> CommunicationsWindowMenuActions::customActions(QObject* parent,
                                                               CommunicationSession* session) {
  QList<QAction*> out;
  QList<QPair<int, int>> kinds;  // header, data
  kinds << qMakePair(int(ConferenceWith), int(RAZ::Actions::Action::Conference));
  if (configFlag(ConfigId::CallTransfer))
    kinds << qMakePair(int(TransferTo), int(RAZ::Actions::Action::Transfer));
  const bool xmpp = configFlag(ConfigId::XmppPresenceAndChat);
  for (const auto& kind : qAsConst(kinds)) {
    QAction* header = m_actions.value(kind.first);
    if (!header) continue;
    auto* submenu = new QMenu(qobject_cast<QWidget*>(parent));
    if (!submenu->parent() && parent)
      connect(parent, SIGNAL(destroyed()), submenu, SLOT(deleteLater()));
    if (m_comms && session && session->callActive()) {
      const auto commsList = m_comms->commsList();
      for (CommunicationSession* other : commsList) {
        if (!other || other == session) continue;
        const QString partyText = other->partyName();
        const bool offered = kind.second == RAZ::Actions::Action::Conference
                                 ? m_comms->getConferencingOptions(other, xmpp, partyText) != 0
                                 : m_comms->canTransferWith(other, xmpp, partyText);
        if (!offered) continue;
        QString text = other->isGroup() ? tr("Group Communications") : partyText;
        if (text.isEmpty()) text = other->uri();
        QAction* target = submenu->addAction(text);
        target->setData(kind.second);
        target->setProperty(m_comms->getOriginatorKey().toLatin1().constData(), session->uri());
        target->setProperty(m_comms->getDestinationKey().toLatin1().constData(), other->uri());
        connect(target, SIGNAL(triggered()), m_comms.data(), SLOT(handleCommsCustomActions()));
      }
    }
    QAction* newEntry = m_actions.value(kind.first == ConferenceWith ? ConferenceNew : TransferNew);
    if (newEntry && newEntry->isEnabled()) submenu->addAction(newEntry);
    if (submenu->actions().isEmpty()) {
      header->setMenu(nullptr);
      delete submenu;
      continue;
    }
    header->setMenu(submenu);
    out << header;
  }
  return out;
}

QMenu* CommunicationsWindowMenuActions::createOptionsMenu() {
  auto* menu = new QMenu;
  createContactActions();
  // The mark shows the window as it is, however it was last switched.
  if (QAction* top = m_actions.value(AlwaysOnTop))
    if (m_window) top->setChecked(m_window->isAlwaysOnTop());
  const QList<QAction*> custom = customActions(menu, m_session.data());
  QAction* share = createShareAction(menu);
  for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it) {
    const int id = it.key();
    // With the call's own entries, before the video and chat ones.
    if (share && id >= OwnVideo) {
      menu->addAction(share);
      share = nullptr;
    }
    if (id == End || id == Mute || id == ConferenceNew || id == TransferNew || id == ShowWindow)
      continue;
    if ((id == RecordToggle || id == RecordStop) && m_actions.contains(Record)) continue;
    // The headers come only with targets to offer.
    if ((id == ConferenceWith || id == TransferTo) && !custom.contains(it.value())) continue;
    const bool separated = id == OwnVideo || id == JoinRoom || id == ViewProfile ||
                           id == HideWindow ||
                           (id == AlwaysOnTop && !m_actions.contains(HideWindow));
    if (separated) menu->addSeparator();
    menu->addAction(it.value());
  }
  if (share) menu->addAction(share);
  if (!m_actions.contains(OwnVideo)) menu->addSeparator();
  return menu;
}

QAction* CommunicationsWindowMenuActions::createShareAction(QMenu* menu) {
  RAZ::Actions::Provider* provider = m_window ? m_window->actionsProvider() : nullptr;
  if (!provider || !m_session) return nullptr;
  // Shared with somebody the user talks or writes to: not while a call
  // still rings.
  const CallBasePtr* call = m_session->getCall();
  const bool talking = call && (call->getCallState() == CallBasePtr::StateInCall ||
                                call->getCallState() == CallBasePtr::StateHeld);
  if (!talking && !m_session->chatActive()) return nullptr;
  RAZ::Actions::Action* share = provider->getActionById(RAZ::Actions::Action::DesktopShare);
  if (!share) return nullptr;
  Utils::ActionsHelper helper(m_contacts, m_comms.data(), nullptr);
  return helper.createAction(share, provider, menu, true);
}

}  // namespace Actions

// ---- DelayedAddParticipant ----

DelayedAddParticipant::DelayedAddParticipant(QObject* parent) : QObject(parent) {}

void DelayedAddParticipant::setSession(RAZ::Controllers::CommunicationSession* session) {
  m_session = session;
}

void DelayedAddParticipant::setParticipants(const QString& participants) {
  m_participants = participants;
}

void DelayedAddParticipant::setParticipants(const QStringList& participants) {
  m_participants = participants.join(QLatin1Char(','));
}

RAZ::Controllers::CommunicationSession* DelayedAddParticipant::session() const {
  return m_session.data();
}

void DelayedAddParticipant::addParticipants() {
  // A session that ended while the user was asked gets nobody; the parties
  // are handed over once, however often the answer arrives.
  if (m_session && !m_participants.isEmpty()) {
    m_session->addParticipants(m_participants, QString());
    m_participants.clear();
  }
  emit participantsAdded();
}

void DelayedAddParticipant::abort() {
  m_session = nullptr;
  m_participants.clear();
  emit aborted();
}

}  // namespace Utils

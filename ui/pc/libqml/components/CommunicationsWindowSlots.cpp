#include "libqml/components/CommunicationsWindow.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QQmlContext>
#include <QQuickItem>
#include <QScreen>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QTimer>

#include <algorithm>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Configuration/ConfigIds.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/PartyName.h>
#include <RAZ/Controllers/SecurityClassificationController.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Parsers.h>
#include <TP/Core/Logging.h>

#include "Providers/Factory.h"
#include "Providers/QmlProviders.h"
#include "Utils/Accessibility.h"
#include "Utils/CommunicationSessionUiHelper.h"
#include "Utils/CommunicationsWindowMenuActions.h"
#include "Utils/ParticipantMenuActions.h"
#include "Utils/PresenceState.h"
#include "Utils/SettingsKeys.h"
#include "Utils/TextFieldActionsHandler.h"
#include "Widgets/Custom/VideoCall.h"
#include "Widgets/Notifications/CommunicationOverlay.h"
#include "Widgets/Notifications/CommunicationWindowDialpad.h"
#include "Widgets/Notifications/ContactMouseOver.h"
#include "Widgets/Notifications/WebcollabSharingNotification.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CommunicationsWindowShared.h"
#include "libqml/window/View.h"

namespace QML {

// --- small slots ---

RAZ::Models::ChatParticipantsSort::PrimaryField CommunicationsWindow::primarySortField() {
  RAZ::Settings settings(RAZ::Settings::User);
  return settings.value(Utils::SettingsKey::ContactListSort).toString() ==
                 QLatin1String("first name")
             ? RAZ::Models::ChatParticipantsSort::FirstName
             : RAZ::Models::ChatParticipantsSort::LastName;
}

void CommunicationsWindow::primarySortFieldChanged() {
  m_participants->changePrimarySortField(primarySortField());
}

void CommunicationsWindow::callClassificationsMenuTriggered(QAction* action) {
  if (!action || !m_session) return;
  QString text = action->data().toString();
  if (text.isEmpty()) text = action->text();
  m_session->setCurrentCallSecurityClassification(text);
}

void CommunicationsWindow::sessionStateChanged(CommunicationSession*, uint oldState, uint newState,
                                               bool incoming) {
  if (newState == CommunicationSession::StateNothing || !m_session) return;
  // A share that began after the window was built is wired now (once).
  connectSession();
  if (newState & CommunicationSession::StateGroup)
    setRoomTitle();
  else if (m_session->getContact())
    contactNameOrPresenceChanged();
  // A conference call without a room lists its parties itself.
  RAZ::Models::ChatParticipants* parties = m_session->getConferenceParticipants();
  if ((newState & CommunicationSession::StateGroup) && !m_session->getChatInterface() && parties)
    setParticipantsModel(parties->model());
  updateLayout(newState);
  if (!isActiveWindow() && !incoming && !(oldState > newState)) {
    raise();
    activateWindow();
  }
}

void CommunicationsWindow::contactChanged() {
  if (!m_session) return;
  RAZ::Contacts::IContact* contact = m_session->getContact();
  if (!contact) {
    contactNameOrPresenceChanged();
    return;
  }
  connect(contact, SIGNAL(changed()), this, SLOT(contactNameOrPresenceChanged()),
          Qt::UniqueConnection);
  if (!(m_session->getState() & CommunicationSession::StateGroup)) {
    connect(contact, SIGNAL(presenceChanged()), this, SLOT(contactNameOrPresenceChanged()),
            Qt::UniqueConnection);
    contactNameOrPresenceChanged();
  }
}

namespace {
// The number an address dials ("sip:*86@host" dials *86), or nothing.
QString dialledNumber(const QString& address) {
  QString bare = address.trimmed();
  if (bare.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) bare = bare.mid(4);
  if (bare.startsWith(QLatin1String("sip:"), Qt::CaseInsensitive)) bare = bare.mid(4);
  bare = bare.section(QLatin1Char('@'), 0, 0).section(QLatin1Char(';'), 0, 0);
  if (!RAZ::Utils::PhoneNumberParser::isValidPhoneNumber(bare)) return QString();
  return RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(bare);
}

// Whether the address is the voice mailbox or a test-call number of the
// service: a line, not a person.
bool isServiceLine(const QString& address, const RAZ::Configuration::Config* config) {
  const QString number = dialledNumber(address);
  if (number.isEmpty() || !config) return false;
  const QString mailbox = config->getString(RAZ::Configuration::ConfigId::VoiceMailNumber);
  if (!mailbox.isEmpty() && RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(mailbox) == number)
    return true;
  const auto pairs = config->value(RAZ::Configuration::ConfigId::TestCallNumbers).toList();
  for (const QVariant& pair : pairs) {
    const QString test = pair.toStringList().value(1);
    if (!test.isEmpty() && RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(test) == number)
      return true;
  }
  return false;
}
}  // namespace

void CommunicationsWindow::contactNameOrPresenceChanged() {
  if (!m_session) return;
  if (m_session->isMyRoomSession() || m_session->isGroup()) {
    setRoomTitle();
    return;
  }
  RAZ::Contacts::IContact* contact = nullptr;
  QString title = RAZ::Controllers::PartyName::of(m_session.data(), &contact);
  // A contact of the list comes with its presence; another party has none,
  // nor has a line of the service's own (voice mail, the echo test).
  if (contact && !isServiceLine(m_session->uri(), configuration())) {
    const QString known = Utils::PresenceState::text(contact->getPresenceState());
    const QString presence = known.isEmpty() ? tr("Unknown") : known;
    title = tr("%1 (%2)").arg(title, presence);
  }
  if (m_session->getHasAssociatedFirstCall()) title = tr("%1: ").arg(tr("Transfer Call")) + title;
  setTitle(title);
}

void CommunicationsWindow::setRoomTitle() {
  if (!m_session) return;
  setTitle(m_sessionUiHelper->getFormCommunicationTitle(m_session.data()));
}

void CommunicationsWindow::callChanged() {
  if (m_session && !m_session->getCall()) setDialpadVisible(false);
  emit activeCallChanged();
}

QObject* CommunicationsWindow::activeCall() const {
  return m_session ? m_session->getCall() : nullptr;
}

void CommunicationsWindow::videoStateChanged(CallBasePtr* call) {
  if (!m_session) return;
  if (call && call->getVideoState() == CallBasePtr::VideoActive) {
    RAZ::Webcollab::WebcollabBase* collab = m_session->getWebCollab();
    if (collab && collab->getState() == kShareSharing) setShowOwnVideo(false);
    updateOwnVideoSize();
    // The media engine draws into the surface and its preview.
    call->setVideoWindows(m_videoSurface->winId(), m_videoSurface->ownVideoWinId());
  }
  updateLayout(m_session->getState());
}

void CommunicationsWindow::videoDoubleClicked() { setWantsFullscreen(!isFullScreen()); }

void CommunicationsWindow::maximizeForShare() {
  if (isMaximized() || isFullScreen()) return;
  m_maximizedForShare = true;
  showMaximized();
}

void CommunicationsWindow::endShare() {
  // Asked from within the share's own signal: the share object must not go
  // while it is still reporting.
  QTimer::singleShot(0, this, [this] {
    if (m_session && m_session->webCollabActive()) m_session->closeWebcollab();
  });
}

void CommunicationsWindow::restoreAfterShare() {
  if (!m_maximizedForShare) return;
  m_maximizedForShare = false;
  if (isMaximized()) showNormal();
}

void CommunicationsWindow::transcriptChanged() {
  if (QQuickItem* chat = m_chatView->rootObject())
    Utils::Accessibility::textChanged(
        chat->findChild<QQuickItem*>(QStringLiteral("transcriptView")));
}

void CommunicationsWindow::transcriptChanging() { transcriptChanged(); }

void CommunicationsWindow::incomingMessage() {
  if (!m_session) return;
  // Heard by a screen reader too, as the transcript has just shown it.
  if (isVisible())
    if (QQuickItem* chat = m_chatView->rootObject())
      Utils::Accessibility::messageArrived(
          chat->findChild<QQuickItem*>(QStringLiteral("transcriptView")));
  if (!m_session->chatActive()) {
    ++m_newMessageCount;
    emit newMessageCountChanged();
  }
  if (!isActiveWindow()) {
    emit playIncomingMessageSound();
    QApplication::alert(this, 0);
  } else {
    markTranscriptRead();
  }
}

void CommunicationsWindow::chatActiveChanged() {
  if (!m_session) return;
  if (m_session->chatActive()) {
    m_newMessageCount = 0;
    emit newMessageCountChanged();
    markTranscriptRead();
  }
  updateLayout(m_session->getState());
}

void CommunicationsWindow::markTranscriptRead() {
  if (!m_messageModel || !m_session || !m_session->chatActive()) return;
  QMetaObject::invokeMethod(m_messageModel.data(), "setMessagesRead",
                            Q_ARG(bool, m_session->isGroup()));
}

void CommunicationsWindow::showSharingNotification() {
  auto* note = new WebcollabSharingNotification(nullptr);
  note->show();
  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect();
  // Centred in the screen's free area, wherever that screen lies.
  note->move(area.x() + (area.width() - note->width()) / 2,
             area.y() + (area.height() - note->height()) / 2);
}

void CommunicationsWindow::webcollabStateChanged() {
  if (!m_session) return;
  // The user who starts presenting is told once where the share is stopped.
  RAZ::Webcollab::WebcollabBase* collab = m_session->getWebCollab();
  const bool presenting = collab && collab->isOwner() && collab->getState() == kShareSharing;
  if (presenting && !m_presenting) showSharingNotification();
  m_presenting = presenting;
  updateLayout(m_session->getState());
}

void CommunicationsWindow::openTextFieldMenu() {
  auto* menu = new QMenu;
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addActions(m_textFieldActionsHandler->createActions(menu, false));
  openMenu(menu);
}

void CommunicationsWindow::alwaysOnTopTriggered() {
  // A checkable entry has already taken its new mark when it reports: that
  // mark is what the user chose. Called otherwise, the state switches over.
  auto* action = qobject_cast<QAction*>(sender());
  const bool onTop = action && action->isCheckable() ? action->isChecked() : !m_alwaysOnTop;
  setAlwaysOnTop(onTop);
  m_alwaysOnTop = onTop;
  if (action && action->isCheckable()) action->setChecked(onTop);
  if (m_dialpad && m_dialpad->isVisible()) m_dialpad->setAlwaysOnTop(onTop);
}

void CommunicationsWindow::openPreferences() {
  emit preferenceActivated(Dialogs::PreferencesWindow::Credentials);
}

void CommunicationsWindow::windowSizeChanged(int width, int height) { resize(width, height); }

void CommunicationsWindow::updateSession() {
  RAZ::Controllers::CommsSessionController* comms =
      m_sessionManager ? m_sessionManager->commsSessionController() : nullptr;
  if (m_session && comms) comms->updateSession(m_session.data());
}

QObject* CommunicationsWindow::participant(const QString& nick) const {
  RAZ::Controllers::ChatInterface* chat = m_session ? m_session->getChatInterface() : nullptr;
  RAZ::Models::ChatParticipants* parties = chat ? chat->getParticipants() : nullptr;
  return parties ? parties->getParticipant(nick) : nullptr;
}

void CommunicationsWindow::showParticipantMouseOver(QVariant participant) {
  if (QApplication::activeWindow() != this) return;
  auto* party = qobject_cast<RAZ::Data::ChatParticipant*>(participant.value<QObject*>());
  // A party whose contact is not known has nothing to show.
  if (!party || !party->getContact()) return;
  hideParticipantMouseOver();
  auto* card = new ContactMouseOver(nullptr);
  card->rootContext()->setContextProperty(QStringLiteral("profilePictureHelper"),
                                          m_factory ? m_factory->profilePictureHelper() : nullptr);
  card->activate();
  card->setContact(party->getContact());
  card->setAffiliation(party->getAffiliation());
  connect(party, SIGNAL(affiliationChanged(int)), card, SLOT(setAffiliation(int)));
  m_participantMouseOver = card;
  card->showAtCursor();
}

ContactMouseOver* CommunicationsWindow::participantMouseOver() const {
  return m_participantMouseOver.data();
}

void CommunicationsWindow::hideParticipantMouseOver() {
  if (!m_participantMouseOver) return;
  m_participantMouseOver->hide();
  m_participantMouseOver->deleteLater();
  m_participantMouseOver = nullptr;
}

void CommunicationsWindow::showParticipantPopupMenu(QString nick) {
  if (!m_session || !m_participantMenuActions) return;
  auto* party = qobject_cast<RAZ::Data::ChatParticipant*>(participant(nick));
  if (!party) {
    TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "No participant to show a menu for";
    return;
  }
  QMenu* menu = m_participantMenuActions->createMenu(m_session.data(), party);
  if (!menu) return;
  menu->setAttribute(Qt::WA_DeleteOnClose);
  openMenu(menu);
}

void CommunicationsWindow::toggleShowOwnVideo() { setShowOwnVideo(!showOwnVideo()); }

void CommunicationsWindow::showOptionsMenu() {
  if (!m_menuActions) return;
  QMenu* menu = m_menuActions->createOptionsMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  m_optionsMenu = menu;
  connect(menu, SIGNAL(destroyed()), this, SIGNAL(optionsMenuVisibleChanged()),
          Qt::QueuedConnection);
  emit optionsMenuVisibleChanged();
  openMenu(menu);
}

void CommunicationsWindow::searchTextChanged(const QString& text) {
  if (m_contactModel) m_contactModel->setFilterFixedString(text);
}

void CommunicationsWindow::addParticipantClicked(QString uri, int contactId) {
  emit addParticipant(m_session.data(), uri, contactId);
}

QString CommunicationsWindow::transferAddress(const QString& uri, int contactId) const {
  QString address = uri.trimmed();
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_sessionManager ? m_sessionManager->contactsManager()
                       : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  if (contactId != -1 && contacts) {
    if (RAZ::Contacts::ContactPtr contact = contacts->getContact(contactId)) {
      address = contact->getSipUri();
      if (address.isEmpty() && !contact->numberTypes().isEmpty())
        address = contact->getProperty(contact->numberTypes().first()).toString();
    }
  }
  return address;
}

void CommunicationsWindow::transferToClicked(QString uri, int contactId) {
  if (!m_session) return;
  // Somebody the user has on another call is put through to this party
  // over that call, as Options ▸ "Transfer to" does: called anew, the line
  // would be busy with the user's own call.
  RAZ::Controllers::CommsSessionController* comms =
      m_sessionManager ? m_sessionManager->commsSessionController() : nullptr;
  if (comms && contactId != -1) {
    const auto sessions = comms->commsList();
    for (RAZ::Controllers::CommunicationSession* other : sessions) {
      RAZ::MediaEngine::CallBasePtr* call = other ? other->getCall() : nullptr;
      const int state = call ? call->getCallState() : -1;
      if (other == m_session || other->contactId() != contactId || other->isGroup() ||
          (state != RAZ::MediaEngine::CallBasePtr::StateInCall &&
           state != RAZ::MediaEngine::CallBasePtr::StateHeld))
        continue;
      other->setCallTransferAssociatedSession(m_session.data(), true);
      m_session->setCallTransferAssociatedSession(other, false);
      emit transferCall(m_session.data(), other->uri());
      m_session->transferCall(QString());
      return;
    }
  }
  const QString address = transferAddress(uri, contactId);
  if (address.isEmpty()) return;
  emit transferCall(m_session.data(), address);
  // A bad address is reported by the session (transferFailed), which the
  // call handler turns into its message.
  m_session->transferCall(address);
}

void CommunicationsWindow::talkFirstToClicked(QString uri, int contactId) {
  RAZ::Controllers::CommsSessionController* comms =
      m_sessionManager ? m_sessionManager->commsSessionController() : nullptr;
  RAZ::Contacts::Contacts* contacts =
      m_sessionManager ? m_sessionManager->contactsManager().data() : nullptr;
  RAZ::MediaEngine::CallBasePtr* call = m_session ? m_session->getCall() : nullptr;
  if (!comms || !contacts || !call) return;
  const QString address = transferAddress(uri, contactId);
  if (address.isEmpty()) return;
  const auto running = comms->commsList();
  QPointer<RAZ::Controllers::CommunicationSession> first(m_session.data());
  for (RAZ::Controllers::CommunicationSession* other : running) {
    RAZ::MediaEngine::CallBasePtr* theirs = other ? other->getCall() : nullptr;
    if (!theirs || other == m_session || contactId == -1 || other->contactId() != contactId ||
        other->isGroup())
      continue;
    const int state = theirs->getCallState();
    if (theirs->isIncoming() && (state == RAZ::MediaEngine::CallBasePtr::StateIncoming ||
                                 state == RAZ::MediaEngine::CallBasePtr::StateRinging)) {
      // Their own call to the user rings: answered, it is the call to talk
      // on first (the user's call is held without a question, as for a
      // call placed to them).
      theirs->cbCallConfirmed();
      talkFirstOn(other);
      return;
    }
    // Somebody already on a call with the user needs no call to talk to
    // first: the call is put through over that one, as "Transfer" does.
    transferToClicked(uri, contactId);
    return;
  }
  QSet<RAZ::MediaEngine::CallBasePtr*> before;
  for (RAZ::Controllers::CommunicationSession* s : running)
    if (s && s->getCall()) before.insert(s->getCall());
  // The user chose to hold this call for the other: no question about it.
  const bool heldHere = call->getCallState() == RAZ::MediaEngine::CallBasePtr::StateInCall;
  if (heldHere) call->toggleHold();
  // Called by the address alone, the service names the call after whoever
  // owns it, as a number dialled is.
  RAZ::Contacts::IContact* party = contacts->createTemporaryContact(
      {{QString::number(RAZ::Contacts::Properties::KeyWork), address}});
  comms->createCall({RAZ::Contacts::ContactPtr(party)}, RAZ::Contacts::Properties::KeyWork,
                    RAZ::Actions::Action::Call);
  RAZ::Controllers::CommunicationSession* consult = nullptr;
  const auto placed = comms->commsList();
  for (RAZ::Controllers::CommunicationSession* s : placed)
    if (s && s != first && s->getCall() && !before.contains(s->getCall())) consult = s;
  if (!consult) {
    // Not placed (an emergency number, a bad address): the user keeps the call.
    if (first && heldHere && first->getCall() == call &&
        call->getCallState() == RAZ::MediaEngine::CallBasePtr::StateHeld)
      call->toggleHold();
    return;
  }
  talkFirstOn(consult);
}

void CommunicationsWindow::talkFirstOn(RAZ::Controllers::CommunicationSession* consult) {
  if (!consult || !m_session) return;
  QPointer<RAZ::Controllers::CommunicationSession> first(m_session.data());
  consult->setCallTransferAssociatedSession(first.data(), false);
  consult->setHasAssociatedFirstCall(true);
  // Once the held call is over there is nothing left to put through.
  QPointer<RAZ::Controllers::CommunicationSession> second(consult);
  auto forget = [second, first] {
    if (second &&
        (!first || !first->getCall() || second->callTransferAssociatedSession() != first.data()))
      second->setHasAssociatedFirstCall(false);
  };
  connect(first.data(), &QObject::destroyed, consult, forget);
  connect(first.data(), &RAZ::Controllers::CommunicationSession::callChanged, consult, forget);
}

void CommunicationsWindow::completeTransferClicked() {
  if (!m_session || !m_session->getHasAssociatedFirstCall()) return;
  RAZ::Controllers::CommunicationSession* first = m_session->callTransferAssociatedSession();
  if (!first || !first->getCall()) {
    m_session->setHasAssociatedFirstCall(false);
    return;
  }
  // The held party is handed to this one; both of the user's calls end.
  first->setCallTransferAssociatedSession(m_session.data(), true);
  m_session->setCallTransferAssociatedSession(first, false);
  first->transferCall(QString());
}

void CommunicationsWindow::pickParty(int actionId) {
  if (!m_overlay) return;
  // As the window's own "Transfer to" and "Conference with" ▸ "New" do.
  if (actionId == RAZ::Actions::Action::Transfer)
    m_overlay->transferCallTriggered();
  else if (actionId == RAZ::Actions::Action::Conference && m_session &&
           m_session->isAllowedToInvite() && !m_session->isMyRoomSession())
    m_overlay->addParticipantsTriggered();
  else
    return;
  showAndActivate();
}

QMenu* CommunicationsWindow::callClassificationsMenu() {
  auto* menu = new QMenu;
  // One entry per classification the service allows, the current one checked.
  RAZ::Controllers::SecurityClassificationController* classification =
      m_sessionManager ? m_sessionManager->securityClassificationController() : nullptr;
  if (QAbstractItemModel* model =
          classification ? classification->getCallClassificationsModel() : nullptr) {
    const QString current = m_session ? m_session->currentCallSecurityClassification() : QString();
    for (int row = 0; row < model->rowCount(); ++row) {
      const QString text = model->index(row, 0).data().toString();
      QAction* entry = menu->addAction(text);
      entry->setData(text);
      entry->setCheckable(true);
      entry->setChecked(text == current);
    }
  }
  connect(menu, SIGNAL(triggered(QAction*)), this,
          SLOT(callClassificationsMenuTriggered(QAction*)));
  return menu;
}

void CommunicationsWindow::setShowOwnVideo(bool show) {
  if (!m_videoSurface) return;
  m_videoSurface->setShowOwnVideo(show);
  emit showOwnVideoChanged();
  if (show) updateOwnVideoSize();
}

QPoint CommunicationsWindow::dialpadPosition(const QPoint& cursor, const QRect& window,
                                             const QSize& pad, const QRect& area) {
  // Opened from the keyboard the pointer may be anywhere: the pad then
  // goes to the right of the window, level with its top.
  QPoint pos = window.contains(cursor) ? cursor : QPoint(window.right() + 1, window.top());
  // Flipped to the other side of the point when it would leave the screen
  // (measured from the screen's own edges: a second screen does not start
  // at 0), then held inside the screen whatever its size.
  if (pos.x() + pad.width() > area.x() + area.width()) pos.rx() -= pad.width();
  if (pos.y() + pad.height() > area.y() + area.height()) pos.ry() -= pad.height();
  if (area.isValid()) {
    pos.setX(qBound(area.left(), pos.x(), std::max(area.left(), area.right() + 1 - pad.width())));
    pos.setY(qBound(area.top(), pos.y(), std::max(area.top(), area.bottom() + 1 - pad.height())));
  }
  return pos;
}

void CommunicationsWindow::setDialpadVisible(bool visible) {
  if (!m_dialpad) return;
  if (visible) {
    const QPoint cursor = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(cursor);
    if (!screen || !frameGeometry().contains(cursor)) screen = this->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    m_dialpad->move(dialpadPosition(cursor, frameGeometry(), m_dialpad->size(), area));
    m_dialpad->setAlwaysOnTop(m_alwaysOnTop);
  }
  if (visible == m_dialpad->isVisible()) return;
  m_dialpad->setVisible(visible);
  emit dialpadVisibleChanged();
}

}  // namespace QML

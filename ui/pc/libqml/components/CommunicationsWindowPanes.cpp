#include "libqml/components/CommunicationsWindow.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QQuickItem>
#include <QScreen>
#include <QtMath>

#include <RAZ/Actions/Provider.h>

#include "Utils/WindowManager.h"
#include "Widgets/Custom/VideoCall.h"
#include "Widgets/Notifications/CommunicationOverlay.h"
#include "Widgets/Notifications/CommunicationWindowDialpad.h"
#include "Widgets/Notifications/ContactMouseOver.h"
#include "libqml/components/CommunicationsWindowShared.h"
#include "libqml/window/View.h"

namespace QML {

namespace {

bool hasVideoMedia(const CallBasePtr* call) {
  // Media both ways or towards the user only carries a picture; none shows none.
  const int media = call->getMediaState();
  return media == CallBasePtr::MediaBothWays || media == CallBasePtr::MediaTowardsUser;
}

}  // namespace

// --- layout ---

L::Flags CommunicationsWindow::layoutFlags(uint state) const {
  L::Flags f;
  if (!m_session) return f;
  CallBasePtr* call = m_session->getCall();
  RAZ::Webcollab::WebcollabBase* collab = m_session->getWebCollab();
  f.chatBit = state & CommunicationSession::StateChat;
  f.video = (state & CommunicationSession::StateCall) && call && hasVideoMedia(call) &&
            call->getVideoState() != CallBasePtr::VideoNone;
  f.audio = (state & CommunicationSession::StateCall) && !f.video;
  f.group = state & CommunicationSession::StateGroup;
  f.share = ((state & CommunicationSession::StateWebCollab) || m_session->webCollabActive()) &&
            collab && collab->getState() != kShareClosed;
  f.viewer = collab && !collab->isOwner();
  f.chat = f.chatBit && m_session->chatActive();
  RAZ::Actions::Action* chatAction =
      m_actionsProvider ? m_actionsProvider->action(Action::Chat) : nullptr;
  f.chatAction = chatAction && chatAction->isEnabled();
  f.classified = (m_session->getChatSecurityClassificationsEnabled() && f.chat) ||
                 (m_session->getCallSecurityClassificationsEnabled() && (f.audio || f.video));
  return f;
}

void CommunicationsWindow::applyLimits(QWidget* widget, const L::PaneLimits& limits) {
  if (!limits.set) return;
  widget->setMinimumSize(limits.minimum);
  widget->setMaximumSize(limits.maximum);
}

void CommunicationsWindow::updateLayout(uint state) {
  if (!m_session) return;
  const L::Flags flags = layoutFlags(state);
  const L::Plan plan = L::plan(flags, m_securityBarView->height(), callViewMinimum());
  if (plan.switchChatOn) m_session->setChatActive(true);

  const QSize oldMinimum = minimumSize();
  const QSize current = size();

  for (int i = 0; i < L::kPaneCount; ++i) {
    QWidget* w = pane(static_cast<L::Pane>(i));
    w->setVisible(plan.visible[i]);
    applyLimits(w, plan.limits[i]);
  }
  if (plan.focusChat) {
    m_chatView->setFocus(Qt::OtherFocusReason);
  } else if (plan.visible[L::CallPane]) {
    // The keyboard (and a reader) starts on the call's first control, not
    // on a window nothing in which has the focus.
    QWidget* focus = focusWidget();
    if (!focus || !focus->isVisible()) m_callView->setFocus(Qt::OtherFocusReason);
  }

  // Appending moves a pane out of wherever it sat before.
  auto append = [this](QBoxLayout* target, L::Pane p) {
    QWidget* w = pane(p);
    m_columnLayout->removeWidget(w);
    m_contentLayout->removeWidget(w);
    target->addWidget(w);
  };
  for (L::Pane p : plan.column) append(m_columnLayout, p);
  for (L::Pane p : plan.row) append(m_contentLayout, p);

  if (!flags.video && isFullScreen()) setWantsFullscreen(false);
  setMinimumSize(plan.minimumWindow);
  if (!isVisible() || current == oldMinimum) resize(plan.minimumWindow);
  // Grown where it stands, it may reach past the screen's edge.
  if (isVisible() && size() != current) Utils::WindowManager::keepOnScreen(this);
  m_lastPlan = plan;
  emit layoutChanged();
}

QSize CommunicationsWindow::callViewMinimum() const {
  const QSize atRest(L::kCallViewMinWidth, L::kCallViewMinHeight);
  const QQuickItem* scene = m_callView->rootObject();
  if (!scene) return atRest;
  int width = qCeil(scene->implicitWidth());
  // No wider than the screen: there the controls wrap, and the scene asks
  // for the height that takes.
  // The window's frame, once it has one, takes its share of the screen too.
  if (QScreen* s = screen())
    width = qMin(width, s->availableGeometry().width() - (frameGeometry().width() - this->width()));
  return QSize(width, qCeil(scene->implicitHeight())).expandedTo(atRest);
}

void CommunicationsWindow::relayout() {
  if (m_session) updateLayout(m_session->getState());
}

void CommunicationsWindow::updateOwnVideoSize() {
  if (!m_session) return;
  CallBasePtr* call = m_session->getCall();
  if (!call || !call->hasLocalVideo()) return;
  QSize size = call->getLocalVideoSize();
  if (size.isValid()) m_videoSurface->setOwnVideoSize(size);
}

QString CommunicationsWindow::helpContext() const {
  QString key = QStringLiteral("comm");
  if (!m_session) return key;
  const bool videoShown = !m_videoSurface->isHidden();
  if (m_session->chatActive()) key += QStringLiteral("|chat");
  if (m_session->callActive() && !videoShown) key += QStringLiteral("|call");
  if (m_session->webCollabActive()) key += QStringLiteral("|share");
  if (m_session->isMyRoomSession()) key += QStringLiteral("|myroom");
  if (videoShown) key += QStringLiteral("|video");
  return key;
}

// --- events ---

bool CommunicationsWindow::handleCallKey(int key) {
  CallBasePtr* call = m_session ? m_session->getCall() : nullptr;
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && call &&
      (call->getCallState() == CallBasePtr::StateIncoming ||
       call->getCallState() == CallBasePtr::StateRinging) &&
      call->isIncoming()) {
    call->answer();
    return true;
  }
  if (key == Qt::Key_Escape && closeChatPopup()) return true;
  if (key == Qt::Key_Escape && !dialpadVisible()) {
    close();
    return true;
  }
  return false;
}

bool CommunicationsWindow::closeChatPopup() {
  // The emoticon picker is open over the chat: Esc puts it away, as an open
  // list takes Esc, whichever pane has the keyboard.
  QQuickItem* chat = m_chatView ? m_chatView->rootObject() : nullptr;
  if (!chat || !m_chatView->isVisible() || !chat->property("smileyOpen").toBool()) return false;
  chat->setProperty("smileyOpen", false);
  return true;
}

bool CommunicationsWindow::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(e);
      if (key->key() == Qt::Key_D &&
          (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        showDebugWindow();
        return true;
      }
      if (handleCallKey(key->key())) return true;
      m_dialpad->handleKeyEvent(key);
      break;
    }
    case QEvent::WindowActivate:
      markTranscriptRead();
      break;
    case QEvent::WindowStateChange:
      m_dialpad->hideDialpad();
      break;
    default:
      break;
  }
  return Window::event(e);
}

void CommunicationsWindow::moveEvent(QMoveEvent* e) {
  m_overlay->move(0, 0);
  Window::moveEvent(e);
}

void CommunicationsWindow::resizeEvent(QResizeEvent* e) {
  Window::resizeEvent(e);
  m_overlay->setFixedSize(width(), m_overlay->height());
  m_overlay->move(0, 0);
  updateOwnVideoSize();
}

bool CommunicationsWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched == m_overlay || watched == m_videoSurface) {
    switch (e->type()) {
      case QEvent::Show:
      case QEvent::Hide:
      case QEvent::Move:
      case QEvent::Resize:
        keepOverlayClearOfVideo();
        break;
      default:
        break;
    }
  }
  return Window::eventFilter(watched, e);
}

void CommunicationsWindow::keepOverlayClearOfVideo() {
  if (!m_overlay || !m_videoSurface) return;
  // The video is drawn into native windows, which the window system keeps
  // above everything the window draws itself: under the overlay's panel
  // they give way, or the panel could be neither seen whole nor clicked.
  const QRect surface = m_videoSurface->rect();
  const QRect panel =
      m_overlay->isVisible()
          ? QRect(m_videoSurface->mapFrom(this, m_overlay->pos()), m_overlay->size())
          : QRect();
  if (panel.intersects(surface))
    m_videoSurface->setMask(QRegion(surface).subtracted(panel));
  else if (!m_videoSurface->mask().isEmpty())
    m_videoSurface->clearMask();
}

void CommunicationsWindow::showEvent(QShowEvent* e) {
  // Placed while smaller than the session now needs, the window may reach
  // past the screen's edge.
  if (!e->spontaneous()) {
    // Only a window shown has its frame, which the screen must hold too.
    relayout();
    Utils::WindowManager::keepOnScreen(this);
  }
  Window::showEvent(e);
  emit windowVisible(true, this);
}

void CommunicationsWindow::hideEvent(QHideEvent* e) {
  Window::hideEvent(e);
  emit windowVisible(false, this);
}

void CommunicationsWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) contactNameOrPresenceChanged();
  if (e->type() == QEvent::ActivationChange && m_participantMouseOver && !isActiveWindow())
    hideParticipantMouseOver();
  Window::changeEvent(e);
}

}  // namespace QML

#include "Widgets/Notifications/CommunicationOverlay.h"

#include <QApplication>
#include <QWindow>

#include <TP/Core/Logging.h>

#include "Widgets/Notifications/PlatformCalls.h"

namespace QML {

namespace Calls = Widgets::Notifications::PlatformCalls;

namespace {
const char* const kCallStateChanged =
    "callStateChanged(RAZ::MediaEngine::CallBasePtr*,RAZ::MediaEngine::CallBasePtr::CallState)";
}  // namespace

CommunicationOverlay::CommunicationOverlay(QObject* session, QWidget* parent)
    : View(parent), m_session(session) {
  // A panel inside its window, over the window's top edge: as a window of
  // its own it would open wherever the system put it (the screen's corner
  // here), not over the call it belongs to.
  setWindowFlags(Qt::Widget);
  setFocusPolicy(Qt::StrongFocus);

  if (session) {
    if (Calls::hasSignal(session, kCallStateChanged)) {
      connect(session,
              SIGNAL(callStateChanged(RAZ::MediaEngine::CallBasePtr*,
                                      RAZ::MediaEngine::CallBasePtr::CallState)),
              this, SLOT(checkIfNeedsToBeVisible()));
    } else {
      TP_LOG("QML::CommunicationOverlay", TP::Core::Logging::LevelWarning)
          << "The session reports no call state changes";
    }
    if (Calls::hasSignal(session, "callChanged()")) {
      connect(session, SIGNAL(callChanged()), this, SLOT(checkIfNeedsToBeVisible()));
    }
    QObject* collab = webCollab();
    if (collab && Calls::hasSignal(collab, "mismatchChanged()")) {
      connect(collab, SIGNAL(mismatchChanged()), this, SLOT(checkIfNeedsToBeVisible()));
    }
  }
  connect(this, SIGNAL(addParticipantsVisibleChanged()), this, SLOT(checkIfNeedsToBeVisible()));
  connect(this, SIGNAL(callTransferVisibleChanged()), this, SLOT(checkIfNeedsToBeVisible()));
  connect(this, SIGNAL(callParkVisibleChanged()), this, SLOT(checkIfNeedsToBeVisible()));
  connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
    if (m_keyboardPending && m_panelsOpen && now && now == window()->windowHandle()) takeKeyboard();
  });
}

void CommunicationOverlay::takeKeyboard() {
  // Opened from a menu, the list shows while the menu still holds the
  // keyboard: the scene takes it only once its window has it back, or the
  // field would hold the focus without the keys ever reaching it.
  const QWindow* handle = window()->windowHandle();
  m_keyboardPending = handle && QGuiApplication::focusWindow() != handle;
  if (m_keyboardPending) return;
  if (hasFocus()) clearFocus();
  setFocus(Qt::OtherFocusReason);
}

void CommunicationOverlay::setAddParticipantsVisible(bool on) {
  if (on == m_addParticipantsVisible) return;
  m_addParticipantsVisible = on;
  emit addParticipantsVisibleChanged();
}

void CommunicationOverlay::setCallTransferVisible(bool on) {
  if (on == m_callTransferVisible) return;
  m_callTransferVisible = on;
  emit callTransferVisibleChanged();
}

void CommunicationOverlay::setCallParkVisible(bool on) {
  if (on == m_callParkVisible) return;
  m_callParkVisible = on;
  emit callParkVisibleChanged();
}

void CommunicationOverlay::transferCallTriggered() { setCallTransferVisible(true); }
void CommunicationOverlay::callParkTriggered() { setCallParkVisible(true); }
void CommunicationOverlay::addParticipantsTriggered() { setAddParticipantsVisible(true); }

void CommunicationOverlay::closeContactList() {
  setCallTransferVisible(false);
  setCallParkVisible(false);
  setAddParticipantsVisible(false);
}

QObject* CommunicationOverlay::webCollab() const {
  return Calls::call(m_session.data(), "getWebCollab").value<QObject*>();
}

bool CommunicationOverlay::shareInvitationOrphan() const {
  return Calls::call(m_session.data(), "getShareInvitationOrphan").toBool();
}

bool CommunicationOverlay::mismatchedTags(QObject* collab) const {
  return Calls::call(collab, "getMismatchedTags").toBool();
}

void CommunicationOverlay::checkIfNeedsToBeVisible() {
  QObject* session = m_session.data();
  if (!session) return;

  QObject* collab = webCollab();
  bool attention = false;
  if (collab) {
    attention = collab->property("state").toInt() == AttentionShareState || mismatchedTags(collab);
  }
  if (!attention) {
    QObject* call = Calls::call(session, "getCall").value<QObject*>();
    if (call && Calls::call(call, "getCallState").toInt() == AttentionCallState) {
      attention = true;
    } else {
      attention = shareInvitationOrphan();
    }
  }
  m_attention = attention;

  const bool panels = m_addParticipantsVisible || m_callTransferVisible || m_callParkVisible;
  QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
  const bool ownerVisible = owner && owner->isVisible();
  setVisible((attention || panels) && ownerVisible);
  if (isVisible()) {
    raise();
    // A list just opened takes the keyboard, so that typing searches at once.
    if (panels && !m_panelsOpen) takeKeyboard();
  }
  m_panelsOpen = panels && isVisible();
  if (!m_panelsOpen) m_keyboardPending = false;

  if (attention && ownerVisible) {
    owner->show();
    if (owner->isMinimized()) owner->showNormal();
    owner->raise();
    owner->activateWindow();
    QApplication::alert(owner, 0);
  }

  int height = 75;
  if (m_addParticipantsVisible || m_callTransferVisible) {
    height = 115;
  } else if (m_callParkVisible) {
    height = 110;
  } else if (shareInvitationOrphan() || (collab && mismatchedTags(collab))) {
    height = 90;
  }
  setFixedHeight(height);
}

}  // namespace QML

#include "libqml/components/CommunicationsWindow.h"

#include <QMessageBox>

#include <RAZ/Controllers/ChatInterface.h>
#include <TP/Core/Logging.h>

#include "Providers/Factory.h"
#include "Utils/StringHelper.h"
#include "Utils/WindowManager.h"
#include "Widgets/Notifications/CommunicationOverlay.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/CallDebugWindow.h"
#include "libqml/components/CommunicationsWindowShared.h"

namespace QML {

namespace {

// Call states of the stand-in engine in which no debug window is offered.
const int kIncomingState = CallBasePtr::StateIncoming;
const int kEarlyMediaState = CallBasePtr::StateEarlyMedia;

}  // namespace

// --- closing ---

bool CommunicationsWindow::canClose() {
  if (!m_session) return true;
  if (m_session->callActive() && !m_closeConfirmed) {
    TP_LOG(kLog, TP::Core::Logging::LevelInformation)
        << "We have an ongoing call, are you sure you wish to close?";
    openCloseConfirmation();
    return false;
  }
  CommunicationSession* s = m_session.data();
  disconnect(s, nullptr, this, nullptr);
  m_session = nullptr;
  emit sessionChanged();
  s->close();
  m_closeConfirmed = false;
  return true;
}

void CommunicationsWindow::endCall() {
  RAZ::MediaEngine::CallBasePtr* call = m_session ? m_session->getCall() : nullptr;
  if (call && (m_session->chatActive() || m_session->webCollabActive())) {
    call->close();
    return;
  }
  // Nothing else runs here: the window goes with the call, as the user asked.
  m_closeConfirmed = true;
  close();
}

void CommunicationsWindow::openCloseConfirmation() {
  if (m_closeDialogOpen) return;
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Querying confirmation!";
  Dialogs::MessageWindow* question = Dialogs::MessageWindow::showQuestion(
      tr("Warning - End Call?"),
      tr("Closing this communication window will end the call. Are you sure you want to end the "
         "call and close the window?"),
      m_factory ? m_factory->isAlwaysOnTop() : false, QDialogButtonBox::Yes | QDialogButtonBox::No,
      false, false, nullptr);
  m_closeQuestion = question;
  connect(question, SIGNAL(messageAccepted(bool)), this, SLOT(cbCloseConfirmed()));
  connect(question, SIGNAL(messageRejected(bool)), this, SLOT(cbCloseRejected()));
  connect(this, SIGNAL(destroyed(QObject*)), question, SLOT(close()));
  m_closeDialogOpen = true;
}

void CommunicationsWindow::cbCloseConfirmed() {
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Confirmed!";
  disconnectDialogSignaling();
  m_closeConfirmed = true;
  close();
}

void CommunicationsWindow::cbCloseRejected() {
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Rejected!";
  disconnectDialogSignaling();
}

void CommunicationsWindow::disconnectDialogSignaling() {
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Disconnecting dialog signaling!";
  m_closeDialogOpen = false;
  if (m_closeQuestion) {
    disconnect(m_closeQuestion.data(), nullptr, this, SLOT(cbCloseConfirmed()));
    disconnect(m_closeQuestion.data(), nullptr, this, SLOT(cbCloseRejected()));
  }
}

// --- dismissals ---

QMessageBox* CommunicationsWindow::openDismissalBox() {
  auto* box = new QMessageBox(this);
  box->setStandardButtons(QMessageBox::Ok);
  box->setWindowModality(Qt::WindowModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  // Names come from other parties: never read as markup.
  box->setTextFormat(Qt::PlainText);
  m_kickMessageBox = box;
  return box;
}

void CommunicationsWindow::onKickedFromChat(const QString& kickerName) {
  if (m_overlay->isVisible()) m_overlay->hide();
  QMessageBox* box = m_kickMessageBox.data();
  const bool fresh = !box;
  if (fresh) {
    box = openDismissalBox();
    connect(box, SIGNAL(destroyed(QObject*)), this, SLOT(closeChatAndShare()));
  }
  if (m_session && m_session->webCollabActive()) {
    box->setWindowTitle(tr("Dismissed from Chat and Share"));
    box->setText(tr("You have been dismissed from chat and share by %1.").arg(kickerName));
  } else {
    box->setWindowTitle(tr("Dismissed from Chat"));
    box->setText(tr("You have been dismissed from chat by %1.").arg(kickerName));
  }
  if (fresh) box->show();
}

void CommunicationsWindow::onKickedFromShare() {
  if (m_kickMessageBox) return;
  QMessageBox* box = openDismissalBox();
  box->setWindowTitle(tr("Dismissed from Share"));
  box->setText(tr("You have been dismissed from share."));
  connect(box, SIGNAL(buttonClicked(QAbstractButton*)), this, SLOT(closeChatAndShare()));
  box->show();
}

void CommunicationsWindow::closeChatAndShare() {
  if (!m_session) return;
  if (RAZ::Webcollab::WebcollabBase* collab = m_session->getWebCollab()) collab->closeWebcollab();
  m_session->closeWebcollab();
  if (RAZ::Controllers::ChatInterface* chat = m_session->getChatInterface()) chat->close();
}

// --- errors ---

void CommunicationsWindow::messageSendingFailed() {
  auto* box = new QMessageBox(QMessageBox::NoIcon, tr("Error Sending Message"),
                              tr("Your message could not be sent due to a network issue. Because "
                                 "of this some chat messages might not be visible in the history."),
                              QMessageBox::Ok, this);
  box->setWindowModality(Qt::WindowModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

void CommunicationsWindow::onUSSerror(USSClient::USSLIBERROR code, USSClient::ErrorType kind) {
  const unsigned int c = static_cast<unsigned int>(code);
  QString text;
  if (kind == USSClient::StartingShare)
    text = Utils::StringHelper::shareStartErrorText(c);
  else if (kind == USSClient::JoiningShare)
    text = Utils::StringHelper::shareJoinErrorText(c);
  else
    text = Utils::StringHelper::shareInitiateErrorText(c);
  if (text.isEmpty()) return;
  m_ussError = text;
  emit ussErrorChanged();
}

void CommunicationsWindow::showDebugWindow() {
  CallBasePtr* call = m_session ? m_session->getCall() : nullptr;
  if (!call || call->getCallState() == kIncomingState || call->getCallState() == kEarlyMediaState)
    return;
  ++m_debugRequests;
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Call debug window asked for";
  QML::CallDebugWindow* debug =
      QML::CallDebugWindow::create(TP::Core::Refcounting::SmartPtr<CallBasePtr>(call), nullptr);
  if (!debug) return;
  debug->setAttribute(Qt::WA_DeleteOnClose);
  // It closes with the window it was opened from.
  connect(this, SIGNAL(destroyed()), debug, SLOT(close()));
  if (!debug->activate()) {
    debug->deleteLater();
    return;
  }
  // Over the call it tells about, not wherever the system puts a new window.
  Utils::WindowManager::placeOver(debug, this);
}

}  // namespace QML

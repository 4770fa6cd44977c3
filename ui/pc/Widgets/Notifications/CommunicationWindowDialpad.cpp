#include "Widgets/Notifications/CommunicationWindowDialpad.h"

#include <QKeyEvent>
#include <QQmlContext>
#include <QQuickItem>

#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <TP/Core/Logging.h>

namespace QML {

CommunicationWindowDialpad::CommunicationWindowDialpad(QObject* session, QWidget* parent)
    : View(parent), m_session(session) {
  setResizeMode(QQuickWidget::SizeRootObjectToView);
  rootContext()->setContextProperty(QStringLiteral("rootWindow"), this);
  // A tool window: frameless alone would make the pad a child drawn inside
  // the call window, at the cursor's screen position taken as a place in it.
  setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
}

bool CommunicationWindowDialpad::sendTones(const QString& tones) {
  auto* session = qobject_cast<RAZ::Controllers::CommunicationSession*>(m_session.data());
  RAZ::MediaEngine::CallBasePtr* call = session ? session->getCall() : nullptr;
  if (!call) return false;
  return call->sendDtmf(tones);
}

bool CommunicationWindowDialpad::event(QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    handleKeyEvent(static_cast<QKeyEvent*>(e));
  } else if (e->type() == QEvent::WindowDeactivate) {
    hideDialpad();
  }
  return View::event(e);
}

void CommunicationWindowDialpad::hideDialpad() {
  hide();
  emit dialpadVisibleChanged();
}

void CommunicationWindowDialpad::handleKeyEvent(QKeyEvent* key) {
  if (!key) return;
  QQuickItem* root = rootObject();
  if (key->key() == Qt::Key_V && (key->modifiers() & Qt::ControlModifier)) {
    if (root && !QMetaObject::invokeMethod(root, "appendClipboardText")) {
      TP_LOG("QML::CommunicationWindowDialpad::handleKeyEvent", TP::Core::Logging::LevelWarning)
          << "The dial pad scene cannot paste";
    }
    return;
  }

  int digit = -1;
  const int k = key->key();
  if (k == Qt::Key_Escape) {
    if (isVisible()) hideDialpad();
    return;
  } else if (k >= Qt::Key_0 && k <= Qt::Key_9) {
    digit = k - Qt::Key_0;
  } else if (k == Qt::Key_Asterisk) {
    digit = StarDigit;
  } else if (k == Qt::Key_NumberSign || k == Qt::Key_Return || k == Qt::Key_Enter) {
    digit = HashDigit;
  }
  if (digit < 0 || !root) return;
  if (!QMetaObject::invokeMethod(root, "sendDTMF", Q_ARG(QVariant, QVariant(digit)))) {
    TP_LOG("QML::CommunicationWindowDialpad::handleKeyEvent", TP::Core::Logging::LevelWarning)
        << "The dial pad scene cannot send digit " << digit;
  }
}

}  // namespace QML

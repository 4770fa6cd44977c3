#include "libqml/window/View.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QQmlContext>

#include "libqml/utils/QmlHelper.h"
#include "libqml/utils/Style.h"
#include <os/Window.h>

namespace QML {

View::View(QWidget* parent)
    : QQuickWidget(parent),
      m_qmlHelper(new QmlHelper(this)),
      m_style(Style::instance()),
      m_idleTimer(new QTimer(this)),
      m_idleOnMoveTimer(new QTimer(this)) {
  m_idleTimer->setSingleShot(true);
  m_idleOnMoveTimer->setSingleShot(true);
  connect(m_idleTimer, SIGNAL(timeout()), this, SLOT(timeout()));
  connect(m_idleOnMoveTimer, SIGNAL(timeout()), this, SLOT(idleOnMoveTimeout()));
  m_idleOnMoveTimer->setInterval(700);
  setIdleTimeout(5000);
  setMouseTracking(true);
  rootContext()->setContextProperty(QStringLiteral("rootView"), this);
  rootContext()->setContextProperty(QStringLiteral("zentStyle"), m_style);
  rootContext()->setContextProperty(QStringLiteral("qmlHelper"), m_qmlHelper);
}

View::~View() = default;

void View::setIdleTimeout(int ms) {
  if (ms == m_idleTimeout) return;
  if (m_idleTimeout > 0) m_idleTimer->stop();
  m_idleTimeout = ms;
  if (ms > 0) {
    setMouseTracking(true);
    m_idleTimer->start(ms);
  } else {
    setMouseTracking(false);
    setIdle(false);
  }
  emit idleTimeoutChanged();
}

void View::setWindowPosX(int x) {
  if (x == m_windowPosX) return;
  m_windowPosX = x;
  emit windowPosXChanged();
}

void View::setWindowPosY(int y) {
  if (y == m_windowPosY) return;
  m_windowPosY = y;
  emit windowPosYChanged();
}

void View::setIdle(bool idle) {
  if (idle == m_idle) return;
  m_idle = idle;
  emit idleChanged();
}

void View::setIdleOnMove(bool idle) {
  if (idle == m_idleOnMove) return;
  m_idleOnMove = idle;
  emit idleOnMoveChanged();
}

void View::timeout() { setIdle(true); }
void View::idleOnMoveTimeout() { setIdleOnMove(true); }
void View::fullscreenChanged(bool on) { m_fullscreen = on; }
void View::setAlwaysOnTop(bool onTop) { Os::setAlwaysOnTop(window(), onTop); }

void View::noteActivity() {
  setIdle(false);
  if (m_idleTimeout > 0) m_idleTimer->start(m_idleTimeout);
}

bool View::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
      noteActivity();
      break;
    case QEvent::MouseMove: {
      setIdleOnMove(false);
      const QPoint pos = static_cast<QMouseEvent*>(event)->pos();
      setWindowPosX(pos.x());
      setWindowPosY(pos.y());
      m_idleOnMoveTimer->start();
      noteActivity();
      break;
    }
    default:
      break;
  }
  return QQuickWidget::event(event);
}

void View::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) emit keyEscapePressed();
  if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) m_pressedKeys.insert(event->key());
  // The style editor (Control+Shift+C+S) arrives with the style editor window.
  QQuickWidget::keyPressEvent(event);
}

void View::keyReleaseEvent(QKeyEvent* event) {
  m_pressedKeys.clear();
  QQuickWidget::keyReleaseEvent(event);
}

void View::showEvent(QShowEvent* event) {
  emit visibleChanged();
  QQuickWidget::showEvent(event);
}

void View::hideEvent(QHideEvent* event) {
  emit visibleChanged();
  QQuickWidget::hideEvent(event);
}

}  // namespace QML

#include "libqml/items/QmlToolTip.h"

#include <QCursor>
#include <QUrl>
#include <QtMath>

namespace QML {

ToolTipView::ToolTipView(QWidget* parent) : View(parent) {
  setWindowFlags(Qt::ToolTip);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setResizeMode(QQuickWidget::SizeViewToRootObject);
  // A tooltip is never idle-tracked: it comes and goes with the cursor.
  setIdleTimeout(0);
  setSource(QUrl(QStringLiteral("qrc:/components/ToolTipContent.qml")));
}

void ToolTipView::setText(const QString& text) {
  if (text == m_text) return;
  m_text = text;
  emit textChanged();
}

QmlToolTip::QmlToolTip(QQuickItem* parent) : QQuickItem(parent) {
  m_showTimer.setSingleShot(true);
  m_hideTimer.setSingleShot(true);
  connect(&m_showTimer, SIGNAL(timeout()), this, SLOT(showTimerTimeout()));
  connect(&m_hideTimer, SIGNAL(timeout()), this, SLOT(hideTimerTimeout()));
}

QmlToolTip::~QmlToolTip() { delete m_view.data(); }

int QmlToolTip::automaticHideDelay(const QString& text) {
  return (qMax(0, int(text.size()) - 100) * 5 + 1250) * 8;
}

void QmlToolTip::showToolTip(const QString& text, int showDelay, int hideDelay) {
  // The window is made when first needed: most tooltips of a scene are
  // never shown, and each window carries a scene of its own.
  if (!m_view) {
    if (text.isEmpty()) return;
    m_view = new ToolTipView();
  }
  m_view->setText(text);
  m_hideDelay = hideDelay;
  if (text.isEmpty()) {
    hideToolTip();
    return;
  }
  m_hideTimer.stop();
  m_showTimer.start(qMax(0, showDelay));
}

void QmlToolTip::showTimerTimeout() {
  if (!m_view || m_view->text().isEmpty()) return;
  m_view->move(QCursor::pos() + QPoint(2, 21));
  m_view->show();
  m_hideTimer.start(m_hideDelay > 0 ? m_hideDelay : automaticHideDelay(m_view->text()));
}

void QmlToolTip::hideTimerTimeout() {
  if (m_view) m_view->hide();
}

void QmlToolTip::hideToolTip() {
  m_showTimer.stop();
  m_hideTimer.stop();
  if (m_view) m_view->hide();
}

}  // namespace QML

#include "Widgets/Notifications/Base.h"

#include <QCloseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QTimer>

namespace Widgets {
namespace Notifications {

Base::Base(int closeAfterMs) : QWidget(nullptr), m_closeAfterMs(closeAfterMs) {
  setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_DeleteOnClose);

  m_closeTimer = new QTimer(this);
  m_closeTimer->setSingleShot(true);
  connect(m_closeTimer, SIGNAL(timeout()), this, SLOT(close()));
  m_closeTimer->start(m_closeAfterMs);
}

Base::~Base() = default;

bool Base::isCloseTimerActive() const { return m_closeTimer->isActive(); }

void Base::retranslate() {}

void Base::enterEvent(QEvent* event) {
  // Whoever reads the toast keeps it open.
  m_closeTimer->stop();
  QWidget::enterEvent(event);
}

void Base::leaveEvent(QEvent* event) {
  m_closeTimer->start(m_closeAfterMs);
  QWidget::leaveEvent(event);
}

void Base::paintEvent(QPaintEvent*) {
  // Lets style sheets draw the background of this plain widget.
  QStyleOption option;
  option.initFrom(this);
  QPainter painter(this);
  style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void Base::closeEvent(QCloseEvent* event) {
  m_closeTimer->stop();
  if (!m_closedReported) {
    m_closedReported = true;
    emit closed(this);
  }
  event->accept();
}

void Base::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

}  // namespace Notifications
}  // namespace Widgets

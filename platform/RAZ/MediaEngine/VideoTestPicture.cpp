#include "RAZ/MediaEngine/VideoTestPicture.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QTime>
#include <QTimer>

#include <cmath>

namespace RAZ {
namespace MediaEngine {

namespace {
// About fifteen pictures a second: enough to look alive, cheap to paint.
const int kFrameIntervalMs = 66;

const char* objectNameFor(VideoTestPicture::Role role) {
  return role == VideoTestPicture::Remote ? "zentRemoteTestPicture" : "zentOwnTestPicture";
}

VideoTestPicture::Caption& caption() {
  static VideoTestPicture::Caption theCaption;
  return theCaption;
}
}  // namespace

void VideoTestPicture::setCaption(Caption text) { caption() = std::move(text); }

VideoTestPicture::VideoTestPicture(QWidget* window, Role role)
    : QObject(window), m_window(window), m_role(role), m_timer(new QTimer(this)) {
  setObjectName(QLatin1String(objectNameFor(role)));
  window->setAttribute(Qt::WA_OpaquePaintEvent, true);
  window->installEventFilter(this);
  m_timer->setInterval(kFrameIntervalMs);
  connect(m_timer, &QTimer::timeout, this, [this] {
    if (m_window) m_window->update();
  });
  m_timer->start();
  window->update();
}

VideoTestPicture* VideoTestPicture::find(QWidget* window, Role role) {
  if (!window) return nullptr;
  return window->findChild<VideoTestPicture*>(QLatin1String(objectNameFor(role)),
                                              Qt::FindDirectChildrenOnly);
}

void VideoTestPicture::paintInto(QWidget* window, bool on, Role role) {
  if (!window) return;
  VideoTestPicture* existing = find(window, role);
  if (on && !existing) {
    new VideoTestPicture(window, role);
  } else if (!on && existing) {
    window->removeEventFilter(existing);
    window->setAttribute(Qt::WA_OpaquePaintEvent, false);
    delete existing;
    window->update();
  }
}

bool VideoTestPicture::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_window && event->type() == QEvent::Paint) {
    paint();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void VideoTestPicture::paint() {
  ++m_frames;
  QPainter p(m_window);
  const QRect r = m_window->rect();
  if (r.isEmpty()) return;
  const double t = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;

  // Colour bars, slowly drifting sideways.
  static const QColor bars[] = {QColor(192, 192, 192), QColor(192, 192, 0), QColor(0, 192, 192),
                                QColor(0, 192, 0),     QColor(192, 0, 192), QColor(192, 0, 0),
                                QColor(0, 0, 192)};
  const int n = int(sizeof(bars) / sizeof(bars[0]));
  const double barWidth = double(r.width()) / n;
  const double shift = std::fmod(t * 20.0, barWidth * n);
  for (int i = -1; i < n; ++i) {
    const double x = i * barWidth + shift;
    QColor c = bars[((i % n) + n) % n];
    if (m_role == Own) c = c.darker(130);
    p.fillRect(QRectF(x, 0, barWidth + 1, r.height() * 0.7), c);
    p.fillRect(QRectF(x - n * barWidth, 0, barWidth + 1, r.height() * 0.7), c);
  }
  // A gradient ramp below the bars.
  QLinearGradient ramp(r.topLeft(), r.topRight());
  ramp.setColorAt(0, Qt::black);
  ramp.setColorAt(1, Qt::white);
  p.fillRect(QRectF(0, r.height() * 0.7, r.width(), r.height() * 0.3), ramp);

  // A band sweeping up and down.
  const double y = (std::sin(t * 1.7) * 0.5 + 0.5) * (r.height() - r.height() / 8.0);
  p.fillRect(QRectF(0, y, r.width(), r.height() / 8.0), QColor(255, 255, 255, 90));

  // The running clock and what this picture stands for.
  QFont f = p.font();
  f.setPixelSize(qMax(10, r.height() / 10));
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::black);
  const QString text = QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")).left(10);
  const QString label = caption() ? caption()(m_role) : QString();
  const QString shown = label.isEmpty() ? text : label + QLatin1Char('\n') + text;
  p.drawText(r.adjusted(2, 2, 2, 2), Qt::AlignCenter, shown);
  p.setPen(Qt::white);
  p.drawText(r, Qt::AlignCenter, shown);
}

}  // namespace MediaEngine
}  // namespace RAZ

#include "RAZ/Webcollab/WebcollabBase.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTime>
#include <QTimer>

#include <cmath>

namespace RAZ {
namespace Webcollab {

namespace {
// A shared desktop changes far less often than a video picture.
const int kFrameIntervalMs = 200;

bool isViewing(int state) {
  return state == WebcollabBase::ViewingShare || state == WebcollabBase::Joined;
}
}  // namespace

WebcollabBase::WebcollabBase(const QStringList& participants, QObject* parent)
    : QObject(parent), m_participants(participants), m_frameTimer(new QTimer(this)) {
  static const int types[] = {qRegisterMetaType<USSClient::USSLIBERROR>("USSClient::USSLIBERROR"),
                              qRegisterMetaType<USSClient::ErrorType>("USSClient::ErrorType")};
  Q_UNUSED(types);
  m_frameTimer->setInterval(kFrameIntervalMs);
  connect(m_frameTimer, &QTimer::timeout, this, [this] { deliverFrame(); });
}

WebcollabBase::~WebcollabBase() = default;

void WebcollabBase::setState(int state) {
  if (state == m_state) return;
  const bool wasViewing = isViewing(m_state);
  m_state = state;
  m_error = false;
  updateFrameTimer();
  emit stateChanged();
  if (wasViewing && state == StateClosed) emit shareStopped();
}

void WebcollabBase::reportError(USSClient::USSLIBERROR code, USSClient::ErrorType kind) {
  m_error = true;
  emit stateChanged();
  emit ussError(code, kind);
}

bool WebcollabBase::removeParticipant(const QString& nickname) {
  return m_participants.removeAll(nickname) > 0;
}

void WebcollabBase::setOwner(bool owner) {
  if (owner == m_owner) return;
  m_owner = owner;
  updateFrameTimer();
  emit ownerChanged();
}

void WebcollabBase::setViewSize(const QSize& size) {
  // A viewer squeezed to nothing asks for no frames rather than empty ones.
  m_viewSize = size.isValid() && !size.isEmpty() ? size : QSize();
}

void WebcollabBase::updateFrameTimer() {
  if (!m_owner && isViewing(m_state))
    m_frameTimer->start();
  else
    m_frameTimer->stop();
}

bool WebcollabBase::deliverFrame() {
  if (m_owner || !isViewing(m_state)) return false;
  ++m_frames;
  emit frameChanged(renderFrame());
  return true;
}

QImage WebcollabBase::renderFrame() const {
  const QSize size =
      m_viewSize.isValid() ? m_screenSize.scaled(m_viewSize, Qt::KeepAspectRatio) : m_screenSize;
  QImage frame(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  QPainter p(&frame);
  const QRectF r(QPointF(0, 0), QSizeF(frame.size()));
  // A desktop: a blue gradient, a task bar and a window moving about on it.
  QLinearGradient sky(r.topLeft(), r.bottomLeft());
  sky.setColorAt(0, QColor(40, 90, 160));
  sky.setColorAt(1, QColor(10, 30, 70));
  p.fillRect(r, sky);
  p.fillRect(QRectF(0, r.height() * 0.94, r.width(), r.height() * 0.06), QColor(30, 30, 30));
  const double t = QTime::currentTime().msecsSinceStartOfDay() / 1000.0 + m_frames * 0.2;
  const QSizeF win(r.width() * 0.45, r.height() * 0.45);
  const QPointF at((std::sin(t * 0.6) * 0.5 + 0.5) * (r.width() - win.width()),
                   (std::cos(t * 0.4) * 0.5 + 0.5) * (r.height() * 0.94 - win.height()));
  const QRectF w(at, win);
  p.fillRect(w, QColor(245, 245, 245));
  p.fillRect(QRectF(w.topLeft(), QSizeF(w.width(), qMax(4.0, w.height() * 0.1))),
             QColor(70, 130, 180));
  p.setPen(QColor(60, 60, 60));
  QFont f = p.font();
  f.setPixelSize(qMax(8, int(w.height() / 8)));
  p.setFont(f);
  p.drawText(w, Qt::AlignCenter,
             tr("Shared screen\n") + QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
  return frame;
}

void WebcollabBase::acceptParticipantSession() {
  if (m_state == StateInvited || m_state == StateConnecting || m_state == StateIdle)
    setState(m_owner ? Sharing : ViewingShare);
}

void WebcollabBase::rejectParticipantSession() {
  if (m_state != StateClosed) setState(StateClosed);
}

void WebcollabBase::closeWebcollab() {
  if (m_state == StateClosed) return;
  setState(StateClosed);
}

}  // namespace Webcollab
}  // namespace RAZ

#include "libqml/items/ViewShare.h"

#include <QPainter>
#include <cmath>

#include <RAZ/Webcollab/WebcollabBase.h>
#include <TP/Core/Logging.h>

namespace QML {

ShareFrameItem::ShareFrameItem(QQuickItem* parent) : QQuickPaintedItem(parent) {
  setFlag(QQuickItem::ItemHasContents, true);
}

QObject* ShareFrameItem::webCollab() const { return m_webcollab.data(); }

RAZ::Webcollab::WebcollabBase* ShareFrameItem::collab() const { return m_webcollab.data(); }

void ShareFrameItem::setWebCollab(QObject* object) {
  TP_LOG("QML::ShareFrameItem::setWebCollab", TP::Core::Logging::LevelDetail)
      << "Share source " << (object ? "set" : "cleared");
  if (m_webcollab) disconnect(m_webcollab.data(), nullptr, this, nullptr);
  m_webcollab = qobject_cast<RAZ::Webcollab::WebcollabBase*>(object);
  emit webcollabChanged();
  if (!m_webcollab) {
    onShareStopped();
    return;
  }
  connect(m_webcollab.data(), SIGNAL(frameChanged(QImage)), this, SLOT(shareImageReady(QImage)),
          Qt::UniqueConnection);
  connect(m_webcollab.data(), &RAZ::Webcollab::WebcollabBase::shareStopped, this,
          &ShareFrameItem::onShareStopped, Qt::UniqueConnection);
  if (width() > 0 && height() > 0)
    m_webcollab->setViewSize(QSize(qRound(width()), qRound(height())));
}

void ShareFrameItem::shareImageReady(QImage image) {
  const bool first = m_frame.isNull();
  m_frame = image;
  if (first && !m_frame.isNull()) emit shareStarted();
  update();
}

void ShareFrameItem::onShareStopped() { emit shareStopped(); }

void ShareFrameItem::resizeViewShare(int width, int height) {
  TP_LOG("QML::ShareFrameItem::resizeViewShare", TP::Core::Logging::LevelDetail)
      << "Share area " << width << "x" << height;
  // An area without height has no proportions: the ratio stays as it was
  // rather than becoming infinite or not a number.
  if (width > 0 && height > 0) setAspectRatio(double(width) / double(height));
  if (m_webcollab && width > 0 && height > 0) m_webcollab->setViewSize(QSize(width, height));
  update();
}

void ShareFrameItem::setAspectRatio(double ratio) {
  if (!std::isfinite(ratio) || ratio <= 0 || qFuzzyCompare(ratio, m_aspectRatio)) return;
  m_aspectRatio = ratio;
  emit aspectRatioChanged();
}

QPoint ShareFrameItem::framePosition(const QSize& itemSize, const QSize& frameSize) {
  const int x = itemSize.width() > frameSize.width()
                    ? qRound((itemSize.width() - frameSize.width()) * 0.5)
                    : 0;
  const int y = itemSize.height() > frameSize.height()
                    ? qRound((itemSize.height() - frameSize.height()) * 0.5)
                    : 0;
  return QPoint(x, y);
}

void ShareFrameItem::paint(QPainter* painter) {
  if (m_frame.isNull()) return;
  const QSize item(qRound(width()), qRound(height()));
  painter->drawImage(framePosition(item, m_frame.size()), m_frame);
}

void ViewShare::onShareStopped() {
  ShareFrameItem::onShareStopped();
  // Only a share by somebody else ends the session's collaboration.
  if (collab() && !collab()->isOwner()) emit endSession();
}

}  // namespace QML

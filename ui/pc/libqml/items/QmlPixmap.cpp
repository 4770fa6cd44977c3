#include "libqml/items/QmlPixmap.h"

#include <QImage>
#include <QPainter>

namespace QML {

QmlPixmap::QmlPixmap(QQuickItem* parent) : QQuickPaintedItem(parent) {
  setFlag(ItemHasContents, true);
  setAntialiasing(true);
}

void QmlPixmap::setPixmap(const QVariant& value) {
  QPixmap pixmap;
  if (value.canConvert<QPixmap>())
    pixmap = value.value<QPixmap>();
  else if (value.canConvert<QImage>())
    pixmap = QPixmap::fromImage(value.value<QImage>());
  const QSize oldSize = m_pixmap.size();
  m_pixmap = pixmap;
  m_scaled = QPixmap();
  update();
  if (pixmap.size() != oldSize) emit sizeChanged();
  emit pixmapChanged();
}

void QmlPixmap::setMaxSize(const QSize& size) {
  if (size == m_maxSize) return;
  m_maxSize = size;
  emit maxSizeChanged();
  emit sizeChanged();
  update();
}

QSize QmlPixmap::size() const {
  if (m_maxSize == QSize(0, 0) || m_pixmap.isNull()) return m_pixmap.size();
  if (m_crop) return m_maxSize;
  return m_pixmap.size().scaled(m_maxSize, Qt::KeepAspectRatio);
}

void QmlPixmap::setCrop(bool crop) {
  if (crop == m_crop) return;
  m_crop = crop;
  emit cropChanged();
  // With a maximum size the reported size depends on the crop.
  if (m_maxSize != QSize(0, 0) && !m_pixmap.isNull()) emit sizeChanged();
  update();
}

void QmlPixmap::paint(QPainter* painter) {
  if (m_pixmap.isNull()) return;
  const QSize target{int(width()), int(height())};
  if (target.isEmpty()) return;
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(QPen(Qt::transparent));
  if (m_crop) {
    const QPixmap scaled =
        m_pixmap.scaled(target, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    const QPoint offset((scaled.width() - target.width()) / 2,
                        (scaled.height() - target.height()) / 2);
    painter->drawPixmap(QPoint(0, 0), scaled, QRect(offset, target));
    return;
  }
  if (m_scaled.size() != target)
    m_scaled = m_pixmap.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  painter->drawPixmap(QPoint(0, 0), m_scaled);
}

}  // namespace QML

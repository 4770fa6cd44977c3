#pragma once

#include <QPainter>
#include <QPixmap>
#include <QQuickPaintedItem>
#include <QSize>
#include <QVariant>

namespace QML {

// Element "Pixmap": paints a picture handed over from C++, scaled into
// maxSize or cropped to it.
class QmlPixmap : public QQuickPaintedItem {
  Q_OBJECT
  Q_PROPERTY(QVariant pixmap READ pixmap WRITE setPixmap NOTIFY pixmapChanged)
  Q_PROPERTY(QSize maxSize READ maxSize WRITE setMaxSize NOTIFY maxSizeChanged)
  Q_PROPERTY(QSize size READ size NOTIFY sizeChanged)
  Q_PROPERTY(bool crop READ crop WRITE setCrop NOTIFY cropChanged)

 public:
  explicit QmlPixmap(QQuickItem* parent = nullptr) : QQuickPaintedItem(parent) {}

  QVariant pixmap() const { return m_pixmap; }
  void setPixmap(const QVariant& p) {
    m_pixmap = p.value<QPixmap>();
    emit pixmapChanged();
    emit sizeChanged();
    update();
  }
  QSize maxSize() const { return m_maxSize; }
  void setMaxSize(const QSize& s) {
    if (s == m_maxSize) return;
    m_maxSize = s;
    emit maxSizeChanged();
    emit sizeChanged();
  }
  QSize size() const { return m_pixmap.size(); }
  bool crop() const { return m_crop; }
  void setCrop(bool c) {
    if (c == m_crop) return;
    m_crop = c;
    emit cropChanged();
  }

  void paint(QPainter* painter) override {
    if (!m_pixmap.isNull()) painter->drawPixmap(boundingRect().toRect(), m_pixmap);
  }

 signals:
  void pixmapChanged();
  void maxSizeChanged();
  void sizeChanged();
  void cropChanged();

 private:
  QPixmap m_pixmap;
  QSize m_maxSize;
  bool m_crop = false;
};

}  // namespace QML

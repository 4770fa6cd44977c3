#pragma once

#include <QPixmap>
#include <QQuickPaintedItem>
#include <QSize>
#include <QVariant>

namespace QML {

// Element "Pixmap": paints a picture handed over from C++ (a QPixmap or a
// QImage in a variant, e.g. a model's decoration role), scaled into
// `maxSize`, or with `crop` filling it and cut to it around the centre. The
// scene binds width and height to `size`.
class QmlPixmap : public QQuickPaintedItem {
  Q_OBJECT
  Q_PROPERTY(QVariant pixmap READ pixmapVariant WRITE setPixmap NOTIFY pixmapChanged)
  Q_PROPERTY(QSize maxSize READ maxSize WRITE setMaxSize NOTIFY maxSizeChanged)
  Q_PROPERTY(QSize size READ size NOTIFY sizeChanged)
  Q_PROPERTY(bool crop READ crop WRITE setCrop NOTIFY cropChanged)

 public:
  explicit QmlPixmap(QQuickItem* parent = nullptr);

  QPixmap pixmap() const { return m_pixmap; }
  QVariant pixmapVariant() const { return QVariant::fromValue(m_pixmap); }
  void setPixmap(const QVariant& value);
  QSize maxSize() const { return m_maxSize; }
  void setMaxSize(const QSize& size);
  QSize size() const;
  bool crop() const { return m_crop; }
  void setCrop(bool crop);

  void paint(QPainter* painter) override;

 signals:
  void pixmapChanged();
  void maxSizeChanged();
  void sizeChanged();
  void cropChanged();

 private:
  QPixmap m_pixmap;
  QSize m_maxSize = QSize(0, 0);
  QPixmap m_scaled;
  bool m_crop = false;
};

}  // namespace QML

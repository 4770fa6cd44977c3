#pragma once

#include <QQuickPaintedItem>

namespace QML {

// Elements "ViewShare" and "ViewShareUss": a shared screen in a scene.
class ViewShare : public QQuickPaintedItem {
  Q_OBJECT

 public:
  explicit ViewShare(QQuickItem* parent = nullptr) : QQuickPaintedItem(parent) {}
  void paint(QPainter*) override {}
};

class ViewShareUss : public ViewShare {
  Q_OBJECT

 public:
  explicit ViewShareUss(QQuickItem* parent = nullptr) : ViewShare(parent) {}
};

}  // namespace QML

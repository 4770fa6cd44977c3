#pragma once

#include <QQuickItem>

namespace QML {

// Element "ToolTip" of "Kelvantic 1.0": a timed tooltip window.
class QmlToolTip : public QQuickItem {
  Q_OBJECT

 public:
  explicit QmlToolTip(QQuickItem* parent = nullptr) : QQuickItem(parent) {}

  Q_INVOKABLE void showTimerTimeout() {}
  Q_INVOKABLE void hideTimerTimeout() {}

 public slots:
  void showToolTip(const QString& text, int showDelay = 500, int hideDelay = 0) {
    Q_UNUSED(text);
    Q_UNUSED(showDelay);
    Q_UNUSED(hideDelay);
  }
  void hideToolTip() {}
};

}  // namespace QML

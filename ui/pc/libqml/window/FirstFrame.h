#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

namespace QML {

class View;

// Tells once that a scene's first frame is on screen. A scene widget paints
// an empty picture until its scene has been rendered, so only a paint that
// follows the first rendering counts.
//
// The callback runs on the GUI thread, at most once, as that paint event
// arrives (before the widget draws it): never after the view or `context`
// is gone. The watcher lives as a
// child of the view and removes itself after the call.
class FirstFrame : public QObject {
  Q_OBJECT

 public:
  static void watch(View* view, QObject* context, std::function<void()> shown);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FirstFrame(View* view, QObject* context, std::function<void()> shown);

  QPointer<QObject> m_context;
  std::function<void()> m_shown;
  bool m_rendered = false;
};

}  // namespace QML

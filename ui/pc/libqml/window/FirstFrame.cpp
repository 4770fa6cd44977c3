#include "libqml/window/FirstFrame.h"

#include <QEvent>
#include <QQuickWindow>

#include "libqml/window/View.h"

namespace QML {

void FirstFrame::watch(View* view, QObject* context, std::function<void()> shown) {
  if (!view || !context || !shown) return;
  new FirstFrame(view, context, std::move(shown));
}

FirstFrame::FirstFrame(View* view, QObject* context, std::function<void()> shown)
    : QObject(view), m_context(context), m_shown(std::move(shown)) {
  // A scene widget renders on the GUI thread, so the flag needs no lock.
  if (QQuickWindow* scene = view->quickWindow())
    connect(
        scene, &QQuickWindow::afterRendering, this, [this] { m_rendered = true; },
        Qt::DirectConnection);
  connect(context, &QObject::destroyed, this, &QObject::deleteLater);
  view->installEventFilter(this);
}

bool FirstFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && m_rendered && m_shown) {
    watched->removeEventFilter(this);
    const std::function<void()> shown = std::move(m_shown);
    m_shown = nullptr;
    deleteLater();
    if (m_context) shown();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace QML

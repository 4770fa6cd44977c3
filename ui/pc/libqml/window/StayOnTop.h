#pragma once

#include <QWidget>

#if __has_include(<os/Window.h>)
#include <os/Window.h>
#endif

namespace QML {

// Keeps a top-level window above the others (or stops it), keeping its
// other flags, its place and its visibility. Goes through the portable OS
// layer when it is part of the build.
inline void setStayOnTop(QWidget* window, bool onTop) {
  if (!window) return;
#if __has_include(<os/Window.h>)
  Os::setAlwaysOnTop(window, onTop);
#else
  if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  const bool wasVisible = window->isVisible();
  const QRect geometry = window->geometry();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (wasVisible) {
    window->setGeometry(geometry);
    window->show();
  }
#endif
}

}  // namespace QML

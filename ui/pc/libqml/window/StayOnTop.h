#pragma once

#include <QWidget>

#include <os/Window.h>

namespace QML {

// Keeps a top-level window above the others (or stops it), keeping its
// other flags, its place and its visibility. Goes through the portable OS
// layer.
inline void setStayOnTop(QWidget* window, bool onTop) {
  if (!window) return;
  Os::setAlwaysOnTop(window, onTop);
}

}  // namespace QML

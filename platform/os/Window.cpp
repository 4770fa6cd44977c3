#include "os/Window.h"

#include <QWidget>

namespace Os {

void setAlwaysOnTop(QWidget* window, bool onTop) {
  if (!window) return;
  const Qt::WindowFlags flags = window->windowFlags();
  const bool has = flags.testFlag(Qt::WindowStaysOnTopHint);
  if (has == onTop) return;
  // Changing flags hides the widget; show it again where it was, without
  // taking the focus.
  const bool wasVisible = window->isVisible();
  const QRect geometry = window->geometry();
  const bool noActivate = window->testAttribute(Qt::WA_ShowWithoutActivating);
  window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (wasVisible) {
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->setGeometry(geometry);
    window->show();
    window->setAttribute(Qt::WA_ShowWithoutActivating, noActivate);
  }
}

void endMenu() {}

}  // namespace Os

#include "os/Window.h"

#include <QWidget>
#include <QWindow>

namespace Os {

void setAlwaysOnTop(QWidget* window, bool onTop) {
  if (!window) return;
  Qt::WindowFlags flags = window->windowFlags();
  if (flags.testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
  QWindow* native = window->windowHandle();
  if (!native) {
    // No native window yet: it is made with the flag.
    window->setWindowFlags(flags);
    return;
  }
  // The window system is told in place. QWidget::setWindowFlags would hide
  // the window and make its native window anew, and the native windows
  // inside it (where a call's video is drawn) would be lost with their
  // contents: the window would draw no more and lose the keyboard.
  window->overrideWindowFlags(flags);
  native->setFlags(flags);
}

void endMenu() {}

}  // namespace Os

#include "Utils/WindowManager.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QRandomGenerator>
#include <QScreen>
#include <QWidget>

namespace Utils {

WindowManager::WindowManager() : QObject(nullptr) {}
WindowManager::~WindowManager() = default;

void WindowManager::registerWindow(QWidget* window) {
  if (!window || !window->isWindow()) return;
  connect(this, SIGNAL(deleteWindows()), window, SLOT(deleteLater()));
  connect(this, SIGNAL(closeWindows()), window, SLOT(close()));
}

void WindowManager::placeWindow(QWidget* window) {
  if (!window) return;
  QScreen* screen = window->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const int r = area.right();
  const int b = area.bottom();
  const int qx = r / 4;
  const int qy = b / 4;
  // A window too large for the random range is placed at the quarter point
  // (or the area's corner when even that leaves no room) instead of taking a
  // modulo of zero or less.
  auto pick = [](int low, int span, int areaStart, int size, int areaEnd) {
    if (span >= 1) return low + int(QRandomGenerator::global()->bounded(span));
    return qMax(areaStart, qMin(low, areaEnd - size + 1));
  };
  const int x = pick(qx, r - qMax(qx, window->width()) - qx + 1, area.left(), window->width(), r);
  const int y = pick(qy, b - qMax(qy, window->height()) - qy + 1, area.top(), window->height(), b);
  window->move(x, y);
}

void WindowManager::cbSessionClosed() { emit deleteWindows(); }
void WindowManager::cbSigningOut() { emit closeWindows(); }

}  // namespace Utils

#include "Utils/WindowManager.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace Utils {

namespace {
WindowManager* g_instance = nullptr;

// One axis of placement: origin and extent of the area, the window's extent.
int placeOnAxis(int origin, int extent, int windowExtent, quint32 random) {
  const int quarter = extent / 4;
  const int first = origin + quarter;
  const int last = origin + extent - windowExtent;  // far edge still inside
  if (last < origin) return origin;                 // larger than the area
  if (last <= first) return last;                   // no room for the margin
  const quint32 range = quint32(last - first) + 1u;
  return first + int(random % range);
}

// The decoration the window system puts around `window`. Before a window is
// first shown it has none yet, and a window placed by its bare size ends up
// a title bar lower than planned, its bottom off the screen: the decoration
// of a window already shown (its owner, else any) stands in for it.
// Only a window the window system has made has a frame: one never shown
// reports a frame a pixel smaller than itself on the right and at the bottom,
// which would let a window placed by it reach a pixel past the far edges.
QMargins frameMargins(QWidget* window, QWidget* owner) {
  const auto marginsOf = [](const QWidget* w) {
    const QRect frame = w->frameGeometry();
    const QRect inner = w->geometry();
    return QMargins(
        std::max(0, inner.left() - frame.left()), std::max(0, inner.top() - frame.top()),
        std::max(0, frame.right() - inner.right()), std::max(0, frame.bottom() - inner.bottom()));
  };
  if (window->testAttribute(Qt::WA_WState_Created) && window->frameGeometry() != window->geometry())
    return marginsOf(window);
  if (owner && owner != window && owner->isVisible() && owner->frameGeometry() != owner->geometry())
    return marginsOf(owner);
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (const QWidget* w : windows)
    if (w != window && w->isVisible() && !w->isFullScreen() && w->frameGeometry() != w->geometry())
      return marginsOf(w);
  return QMargins();
}

// The window's size cut to what fits in `area` with its decoration. A
// minimum larger than the area (a large text scale on a small screen)
// gives way too: the window's title bar and buttons matter more than its
// last rows, which scroll or crowd.
void fitInto(QWidget* window, const QRect& area, const QMargins& margins) {
  if (window->isMaximized() || window->isFullScreen()) return;
  const QSize room = area.marginsRemoved(margins).size();
  if (room.isEmpty()) return;
  window->setMinimumSize(window->minimumSize().boundedTo(room));
  const QSize fitted = window->size().boundedTo(room).expandedTo(window->minimumSize());
  if (fitted != window->size()) window->resize(fitted);
}

// A window fitted before it is shown learns its own decoration only then
// (the program's first window has none to borrow, and a centred window
// was centred without it): once shown it is fitted again with it, and
// kept on the screen.
class FitOnceFramed : public QObject {
 public:
  explicit FitOnceFramed(QWidget* window) : QObject(window), m_window(window) {
    setObjectName(QStringLiteral("fitOnceFramed"));
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (watched != m_window ||
        (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize))
      return false;
    if (!m_window->isVisible() || m_window->frameGeometry() == m_window->geometry()) return false;
    m_window->removeEventFilter(this);
    deleteLater();
    // After the showing is done: the window system applies the geometry
    // the window had when showing began.
    QTimer::singleShot(0, m_window, [window = m_window] {
      if (QScreen* screen = window->screen()) {
        fitInto(window, screen->availableGeometry(), frameMargins(window, nullptr));
        WindowManager::keepOnScreen(window);
      }
    });
    return false;
  }

 private:
  QWidget* m_window;
};

// Fits `window` into `area`; when its decoration is not known yet, again
// once it is.
void fitFramed(QWidget* window, const QRect& area, const QMargins& margins) {
  fitInto(window, area, margins);
  if (!window->isVisible() &&
      !window->findChild<QObject*>(QStringLiteral("fitOnceFramed"), Qt::FindDirectChildrenOnly))
    new FitOnceFramed(window);
}
}  // namespace

WindowManager::WindowManager() : QObject(nullptr) { g_instance = this; }

WindowManager::~WindowManager() {
  if (g_instance == this) g_instance = nullptr;
}

WindowManager* WindowManager::instance() { return g_instance; }

void WindowManager::registerWindow(QWidget* window) {
  if (!window || !window->isWindow()) return;
  connect(this, SIGNAL(deleteWindows()), window, SLOT(deleteLater()));
  connect(this, SIGNAL(closeWindows()), window, SLOT(close()));
}

void WindowManager::cbSessionClosed() { emit deleteWindows(); }

void WindowManager::cbSigningOut() { emit closeWindows(); }

QPoint WindowManager::placement(const QRect& available, const QSize& size, quint32 randomX,
                                quint32 randomY) {
  return QPoint(placeOnAxis(available.left(), available.width(), size.width(), randomX),
                placeOnAxis(available.top(), available.height(), size.height(), randomY));
}

void WindowManager::placeWindow(QWidget* window, QWidget* owner) {
  QRandomGenerator* rng = QRandomGenerator::global();
  const quint32 randomX = rng->generate();
  placeWindow(window, owner, randomX, rng->generate());
}

void WindowManager::placeWindow(QWidget* window, QWidget* owner, quint32 randomX, quint32 randomY) {
  if (!window) return;
  if (owner) owner = owner->window();
  QScreen* screen = owner && owner != window && owner->isVisible()
                        ? QGuiApplication::screenAt(owner->frameGeometry().center())
                        : nullptr;
  if (!screen) screen = QGuiApplication::screenAt(window->geometry().center());
  if (!screen) screen = window->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QMargins margins = frameMargins(window, owner);
  fitFramed(window, screen->availableGeometry(), margins);
  const QSize frame = window->size().grownBy(margins);
  window->move(placement(screen->availableGeometry(), frame, randomX, randomY));
}

void WindowManager::fitOnScreen(QWidget* window, QScreen* screen) {
  if (!window) return;
  if (!screen) screen = QGuiApplication::screenAt(window->frameGeometry().center());
  if (!screen) screen = window->screen();
  if (!screen) return;
  fitFramed(window, screen->availableGeometry(), frameMargins(window, nullptr));
}

void WindowManager::keepOnScreen(QWidget* window) {
  if (!window || window->isMaximized() || window->isFullScreen()) return;
  QRect frame = window->frameGeometry();
  QScreen* screen = QGuiApplication::screenAt(frame.center());
  if (!screen) screen = window->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  if (area.contains(frame)) return;
  // The far edges first, so that a window larger than the screen keeps its
  // top-left corner (its title and controls) on it.
  frame.moveRight(qMin(frame.right(), area.right()));
  frame.moveBottom(qMin(frame.bottom(), area.bottom()));
  frame.moveLeft(qMax(frame.left(), area.left()));
  frame.moveTop(qMax(frame.top(), area.top()));
  window->move(frame.topLeft());
}

QWidget* WindowManager::placeOver(QWidget* dialog, QWidget* owner) {
  if (!dialog) return nullptr;
  if (!owner) owner = QApplication::activeWindow();
  if (owner) owner = owner->window();
  if (owner == dialog || (owner && !owner->isVisible())) owner = nullptr;
  // The screen that shows the owner's middle: a window reaching onto a
  // second screen belongs to the one it mostly lies on.
  QScreen* screen = owner ? QGuiApplication::screenAt(owner->frameGeometry().center()) : nullptr;
  if (!screen) screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  if (!screen) return owner;
  const QRect area = screen->availableGeometry();
  const QMargins margins = frameMargins(dialog, owner);
  fitFramed(dialog, area, margins);
  QRect frame = dialog->geometry().marginsAdded(margins);
  frame.moveCenter(owner ? owner->frameGeometry().center() : area.center());
  // Never partly off the screen, even over a window that is.
  frame.moveLeft(qMax(area.left(), qMin(frame.left(), area.right() - frame.width() + 1)));
  frame.moveTop(qMax(area.top(), qMin(frame.top(), area.bottom() - frame.height() + 1)));
  dialog->move(frame.topLeft());
  return owner;
}

}  // namespace Utils

#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace Utils {

// Keeps the widget windows in step with the session: registered windows
// are closed when the user signs out and deleted when the session closes.
// Nothing is stored; a destroyed window drops out with its connections.
class WindowManager : public QObject {
  Q_OBJECT

 public:
  WindowManager();
  ~WindowManager() override;

  // The application's window manager (null before it exists).
  static WindowManager* instance();

  void registerWindow(QWidget* window);

  // Moves a window to a random place on the screen that holds `owner` (the
  // window it was opened from), or without one the screen that holds it.
  static void placeWindow(QWidget* window, QWidget* owner = nullptr);
  // The same with the two random numbers given (see placement()).
  static void placeWindow(QWidget* window, QWidget* owner, quint32 randomX, quint32 randomY);
  // Moves a window that reaches past the free area of its screen (it grew
  // after it was placed) back inside, as far as its size allows.
  static void keepOnScreen(QWidget* window);
  // Shrinks a window, with its decoration, to the free area of `screen` (by
  // default the one it lies on), as far as its minimum size lets it: larger,
  // its title bar would be out of reach.
  static void fitOnScreen(QWidget* window, QScreen* screen = nullptr);
  // Centres a dialog over the window it belongs to (`owner`; when null or
  // hidden, the window the user works in), else on the screen; never partly
  // off the screen. Returns the owner it was placed over, or null.
  static QWidget* placeOver(QWidget* dialog, QWidget* owner = nullptr);
  // The top-left corner for a window of `size` inside `available`, from two
  // random numbers: at least a quarter of the area in from its left and top
  // edges where there is room, always inside the area where the window fits,
  // and at the area's top-left corner when the window is larger than it.
  static QPoint placement(const QRect& available, const QSize& size, quint32 randomX,
                          quint32 randomY);

 public slots:
  void cbSessionClosed();
  void cbSigningOut();

 signals:
  void closeWindows();
  void deleteWindows();
};

}  // namespace Utils

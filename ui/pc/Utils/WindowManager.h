#pragma once

#include <QObject>

class QWidget;

namespace Utils {

// Keeps the widget windows in step with the session: closes them all when
// the user signs out or exits, deletes them when the session closes.
class WindowManager : public QObject {
  Q_OBJECT

 public:
  WindowManager();
  ~WindowManager() override;

  void registerWindow(QWidget* window);
  static void placeWindow(QWidget* window);

 signals:
  void closeWindows();
  void deleteWindows();

 public slots:
  void cbSessionClosed();
  void cbSigningOut();
};

}  // namespace Utils

#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

namespace Utils {

// A window of ours that closes while it has the keyboard hands it back to
// the window it was opened from, or else to the main window. A window
// manager would pick one itself; without one (a kiosk session, a bare X
// display) nothing does, and the next key and the first click on the main
// window are lost on the activation. Watches every window of the
// application (installed on the application object).
class KeyboardHandBack : public QObject {
  Q_OBJECT

 public:
  explicit KeyboardHandBack(QObject* parent = nullptr);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void handBack(QWidget* closing);

  // The window that had the keyboard when `window` showed up.
  QHash<const QWidget*, QPointer<QWidget>> m_openedFrom;
  // Told to hide while it had the keyboard, before its hide event.
  QPointer<QWidget> m_closingWithKeyboard;
};

}  // namespace Utils

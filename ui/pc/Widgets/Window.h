#pragma once

#include <QPixmap>
#include <QPointer>

#include "Utils/HelpInterface.h"

class QLabel;

namespace Widgets {

// The base of the widget dialogs: a header icon from the theme, a status
// line at the bottom edge whose text can revert after a time, switches for
// the minimise and maximise buttons and resizing, stay-on-top following the
// main window's preference, and closing at sign-out through the window
// manager.
class Window : public Utils::HelpInterface {
  Q_OBJECT

 public:
  explicit Window(QWidget* parent = nullptr, bool alwaysOnTop = false,
                  bool registerWithWindowManager = false);
  ~Window() override;

  virtual bool canClose();
  virtual void setTitle(const QString& title);
  void setAlwaysOnTop(bool onTop);
  bool isAlwaysOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

  bool canMinimize() const { return m_canMinimize; }
  bool canMaximize() const { return m_canMaximize; }
  bool isResizable() const { return m_resizable; }
  QLabel* statusLabel() const { return m_statusLabel; }
  QLabel* headerIconLabel() const { return m_headerIconLabel; }
  QString persistentStatus() const { return m_persistentStatus; }
  bool isStatusTimerRunning() const { return m_statusTimerId != -1; }

 public slots:
  void resizeUpdate();
  void showAndActivate();
  void setCanMinimize(bool on);
  void setCanMaximize(bool on);
  void setResizable(bool on);
  // Shows `message` (plain text) in `color`; with a timeout in seconds the
  // last untimed status returns afterwards.
  void setStatus(QString color, QString message, int timeout = -1);
  void setHeaderIcon(QString path);
  void showHeaderIcon(bool b);
  void updateHeaderIcon();

 signals:
  // Esc pressed with nothing of the window open over it; leaveOnEscape()
  // connects it to the slot that leaves.
  void escapeLeaves();

 protected:
  // Esc runs the slot given (close() unless said otherwise), as a dialog's
  // Cancel would; the window must have the keys.
  void leaveOnEscape(const char* slot = SLOT(close()));

  void timerEvent(QTimerEvent* e) override;
  // Enter that the control with the focus leaves (a check box, a list; not
  // a text field) presses that control when it is a button, else the
  // window's default button, as in a dialog.
  void keyPressEvent(QKeyEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void setFlagKeepingVisibility(Qt::WindowType flag, bool on);
  void stopStatusTimer();

  int m_statusMargin = 10;
  bool m_canMinimize = true;
  bool m_canMaximize = true;
  bool m_resizable = true;
  int m_statusTimerId = -1;
  QString m_persistentStatus;
  QLabel* m_headerIconLabel = nullptr;
  QPixmap m_headerIcon;
  QLabel* m_statusLabel = nullptr;
  QString m_headerIconPath;
};

}  // namespace Widgets

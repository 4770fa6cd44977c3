#pragma once

#include <QLabel>
#include <QPointer>

#include "Utils/HelpInterface.h"

namespace Widgets {

// Base of the widget dialogs: a top-level window with a status line, a theme
// header icon and switches for its frame buttons; it can stay on top and is
// closed with the session through the window manager.
class Window : public Utils::HelpInterface {
  Q_OBJECT

 public:
  Window(QWidget* parent, bool alwaysOnTop, bool registerWithWindowManager);
  ~Window() override;

  virtual bool canClose();
  virtual void setTitle(const QString& title);
  void setAlwaysOnTop(bool onTop);

  // The window manager every registering window is handed to (set by the
  // application at start-up; may be null in tests).
  static void setWindowManager(QObject* manager);

  QLabel* statusLabel() const { return m_statusLabel; }

 public slots:
  void resizeUpdate();
  void showAndActivate();
  void setCanMinimize(bool on);
  void setCanMaximize(bool on);
  void setResizable(bool on);
  void setStatus(QString color, QString message, int timeout = -1);
  void setHeaderIcon(QString path);
  void showHeaderIcon(bool b);
  void updateHeaderIcon();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  QLabel* m_statusLabel = nullptr;
  QLabel* m_headerIconLabel = nullptr;
  QString m_headerIconPath;
  QString m_persistentStatus;
  int m_statusTimerId = 0;
  int m_statusMargin = 2;
  bool m_canMinimize = true;
  bool m_canMaximize = true;
};

}  // namespace Widgets

#pragma once

#include <QQuickWidget>
#include <QSet>
#include <QTimer>

namespace QML {

class QmlHelper;
class Style;

// A QML scene in a widget. Publishes "rootView", "zentStyle" and
// "qmlHelper" to its root context and tells QML when the user has been idle
// over it.
class View : public QQuickWidget {
  Q_OBJECT
  Q_PROPERTY(bool idle READ isIdle NOTIFY idleChanged)
  Q_PROPERTY(int idleTimeout READ idleTimeout WRITE setIdleTimeout NOTIFY idleTimeoutChanged)
  Q_PROPERTY(int windowPosX READ windowPosX WRITE setWindowPosX NOTIFY windowPosXChanged)
  Q_PROPERTY(int windowPosY READ windowPosY WRITE setWindowPosY NOTIFY windowPosYChanged)
  Q_PROPERTY(bool idleOnMove READ isIdleOnMove NOTIFY idleOnMoveChanged)
  Q_PROPERTY(bool visible READ isVisible WRITE setVisible NOTIFY visibleChanged)

 public:
  enum WindowStates { OneCall = 0, ContactSelection = 1, TwoCalls = 2 };
  Q_ENUM(WindowStates)
  enum ActionStates { None = 0, Transfer = 1 };
  Q_ENUM(ActionStates)

  explicit View(QWidget* parent = nullptr);
  ~View() override;

  bool isIdle() const { return m_idle; }
  bool isIdleOnMove() const { return m_idleOnMove; }
  int idleTimeout() const { return m_idleTimeout; }
  void setIdleTimeout(int ms);
  int windowPosX() const { return m_windowPosX; }
  void setWindowPosX(int x);
  int windowPosY() const { return m_windowPosY; }
  void setWindowPosY(int y);

  QmlHelper* helper() const { return m_qmlHelper; }

 signals:
  void idleChanged();
  void idleOnMoveChanged();
  void idleTimeoutChanged();
  void windowPosXChanged();
  void windowPosYChanged();
  void keyEscapePressed();
  void visibleChanged();

 public slots:
  void timeout();
  void idleOnMoveTimeout();
  void fullscreenChanged(bool on);
  void setAlwaysOnTop(bool onTop = true);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void setIdle(bool idle);
  void setIdleOnMove(bool idle);
  void noteActivity();

  QmlHelper* m_qmlHelper;
  Style* m_style;
  bool m_fullscreen = false;
  QTimer* m_idleTimer;
  QTimer* m_idleOnMoveTimer;
  bool m_idle = false;
  bool m_idleOnMove = false;
  int m_idleTimeout = 0;
  int m_windowPosX = 0;
  int m_windowPosY = 0;
  QSet<int> m_pressedKeys;
};

}  // namespace QML

#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QQuickWidget>
#include <QSet>

class QQmlComponent;
class QQmlContext;
class QTimer;

namespace QML {

class QmlHelper;
class Style;

// A QML scene in a widget. Publishes "rootView", "zentStyle" and
// "qmlHelper" to its root context and tells the scene when the user has
// left it alone ("idle" after idleTimeout ms, "idleOnMove" 700 ms after the
// last move). Used inside a QML::Window, or alone for popups.
//
// Every view runs on one QML engine, created with the first view and kept
// for the life of the program: an engine of its own per view would set up
// the JavaScript runtime and load every imported module again for each pane
// of each window. What a view publishes goes into a context of its own
// under the engine's root context; rootContext() and setSource() answer and
// load in that context (reached through a QQuickWidget pointer, both would
// use the engine's shared root context instead).
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

  static const int DefaultIdleTimeout = 5000;
  static const int IdleOnMoveTimeout = 700;

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
  bool isFullscreen() const { return m_fullscreen; }
  bool isAlwaysOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

  // The context this view's scene is created in, a child of the engine's.
  QQmlContext* rootContext() const { return m_context; }
  // Loads a scene in this view's context; an empty URL unloads it.
  void setSource(const QUrl& url);

  QmlHelper* qmlHelper() const { return m_qmlHelper; }
  Style* style() const { return m_style; }

 public slots:
  void timeout();
  void idleOnMoveTimeout();
  void fullscreenChanged(bool on);
  void setAlwaysOnTop(bool onTop = true);

 signals:
  void idleChanged();
  void idleOnMoveChanged();
  void idleTimeoutChanged();
  void windowPosXChanged();
  void windowPosYChanged();
  void keyEscapePressed();
  void visibleChanged();

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  bool focusNextPrevChild(bool next) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

  // The activity bookkeeping that runs before the scene sees a mouse event.
  void viewportEvent(QEvent* e);

 private:
  // Moves the focus on to the next pane of the window when Tab leaves the
  // scene's last item (Shift+Tab its first); false when it stays.
  bool tabOutOfScene(bool forward);
  void setIdle(bool idle);
  void setIdleOnMove(bool idle);
  void restartIdleTimer();
  void openStyleEditor();

  QQmlContext* m_context = nullptr;
  QPointer<QQmlComponent> m_loading;
  QmlHelper* m_qmlHelper = nullptr;
  Style* m_style = nullptr;
  bool m_fullscreen = false;
  QTimer* m_idleTimer = nullptr;
  QTimer* m_idleOnMoveTimer = nullptr;
  bool m_idle = false;
  bool m_idleOnMove = false;
  int m_idleTimeout = 0;
  int m_windowPosX = 0;
  int m_windowPosY = 0;
  QSet<int> m_pressedKeys;
};

}  // namespace QML

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVariant>

#include "Utils/HelpInterface.h"

class QMenu;
class QQuickItem;

namespace QML {

class View;

// A top-level window holding one QML::View. Publishes itself as
// "rootWindow" and offers the scene the window services it needs: size
// limits from the root item, full screen, stay-on-top, moving, menus,
// cursors and text measuring.
class Window : public Utils::HelpInterface {
  Q_OBJECT
  Q_PROPERTY(bool resizable READ isResizable WRITE setResizable NOTIFY resizableChanged)
  Q_PROPERTY(bool isFullscreen READ isFullScreen NOTIFY isFullscreenChanged)
  Q_PROPERTY(bool isMaximized READ isMaximized NOTIFY isMaximizedChanged)
  Q_PROPERTY(bool isMinimized READ isMinimized NOTIFY isMinimizedChanged)
  Q_PROPERTY(double aspectRatio READ aspectRatio WRITE setAspectRatio NOTIFY aspectRatioChanged)
  Q_PROPERTY(bool wantsFullscreen READ wantsFullscreen WRITE setWantsFullscreen NOTIFY
                 wantsFullscreenChanged)
  Q_PROPERTY(QML::View* view READ view CONSTANT)
  Q_PROPERTY(QString languageChangeProperty READ languageChangeProperty NOTIFY languageChanged)
  // Follows the pointer, which sends no signal: read when needed.
  Q_PROPERTY(QPoint mousePos READ mousePos)  // clazy:exclude=qproperty-without-notify

 public:
  explicit Window(bool alwaysOnTop = false, QWidget* parent = nullptr);
  ~Window() override;

  View* view() const { return m_view; }
  bool isResizable() const { return m_resizable; }
  double aspectRatio() const { return m_aspectRatio.toDouble(); }
  bool wantsFullscreen() const { return m_wantsFullscreen; }
  QRect savedGeometry() const { return m_savedGeometry; }
  bool isSystemMenuSuppressed() const { return m_systemMenuSuppressed; }
  bool isAlwaysOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }
  // Always empty: scenes append it to translated texts so that they are
  // evaluated again when languageChanged() fires.
  QString languageChangeProperty() const { return QString(); }
  QPoint mousePos() const;

  // Loads a scene; false when it gives no root item or reports errors.
  bool setSource(const QString& url);
  void setTitle(const QString& title);
  void setSystemMenuSuppressed(bool on);
  void setWantsFullscreen(bool on);
  void setResizable(bool on);
  void setAspectRatio(double ratio);

  Q_INVOKABLE QSize boundSizeToLimit(const QSize& size, const QSize& limit) const;

  virtual bool canClose();
  virtual QSize minimumWindowSize() const;
  virtual QSize maximumWindowSize() const;

 public slots:
  void setMinMaxSizes(bool forceComponentMinMaxSize = false);
  int calcTextWidth(QString text, QString font_name, int pixel_size);
  void openMenu(QMenu* menu);
  // The next menu the window opens drops from this point of its scene (the
  // view's coordinates) rather than from the pointer: a menu of a button or
  // of a row chosen by keyboard belongs under it.
  void openMenuAt(int x, int y);
  // The next menu drops from the bottom-left corner of the button that lies
  // from `top` to `bottom` at `x`, or rises from its top when the screen ends
  // below it (the footer's buttons): the button stays in view either way.
  void openMenuFromButton(int x, int top, int bottom);
  // The same for a button of any of the window's views (a footer shown by a
  // view of its own too), placed by the view that shows it.
  void openMenuFromItem(QQuickItem* button);
  bool event(QEvent* event) override;
  void showAndActivate();
  void setAlwaysOnTop(bool onTop = true);
  void moveBy(int dx, int dy);
  void setItemCursor(QQuickItem* object, int shape);
  // The window menu from the scene's own frame icon (a click) or from the
  // keyboard (Alt+Space, the menu then drops from the window's corner):
  // window systems that report no presses on the frame need both.
  void openWindowMenu();
  void openWindowMenuFromKeyboard();
  // The window menu from the scene's own menu button, dropping from that
  // point of the scene (its lower left corner).
  void openWindowMenuAt(int x, int y);

 signals:
  void resizableChanged();
  void minimizableChanged();
  void maximizableChanged();
  void aspectRatioChanged();
  void targetHeightChanged();
  void wantsFullscreenChanged();
  void animateResizeChanged();
  void isFullscreenChanged();
  void isMaximizedChanged();
  void isMinimizedChanged();
  void languageChanged();
  void windowFrameIconClicked();
  void closeWindowFrameClicked();

 protected:
  // Deletes the scene, which then no longer reads anything of the window: a
  // window whose own parts the scene reads calls it before they go.
  void deleteScene();

  // Where the next menu opens (on the screen): the point a scene asked for,
  // else the window's corner for a menu asked for by keyboard, else the
  // pointer. The point asked for is used once.
  QPoint takeMenuPosition();

  enum class CloseKeys { CtrlW, CtrlWAndEscape };
  // Ctrl+W closes the window, and Esc too where asked; Esc comes up from the
  // scene, so a field that takes Esc for itself keeps it.
  void closeOnKeys(CloseKeys keys);

  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;
  void changeEvent(QEvent* e) override;

 private:
  View* m_view = nullptr;
  bool m_resizable = true;
  QVariant m_aspectRatio;
  bool m_wantsFullscreen = false;
  QRect m_savedGeometry;
  bool m_menuAtCorner = false;
  bool m_hasMenuPosition = false;
  QPoint m_menuPosition;
  // The global y of the top of the button a menu drops from, or -1.
  int m_menuButtonTop = -1;
  bool m_systemMenuSuppressed = false;
};

}  // namespace QML

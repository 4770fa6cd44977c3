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

// A top-level window holding one QML view; QML reaches it as "rootWindow".
class Window : public Utils::HelpInterface {
  Q_OBJECT
  Q_PROPERTY(bool resizable READ isResizable WRITE setResizable NOTIFY resizableChanged)
  Q_PROPERTY(bool isFullscreen READ isFullScreen NOTIFY isFullscreenChanged)
  Q_PROPERTY(bool isMaximized READ isMaximized NOTIFY isMaximizedChanged)
  Q_PROPERTY(bool isMinimized READ isMinimized NOTIFY isMinimizedChanged)
  Q_PROPERTY(double aspectRatio READ aspectRatio WRITE setAspectRatio NOTIFY aspectRatioChanged)
  Q_PROPERTY(bool wantsFullscreen READ wantsFullscreen WRITE setWantsFullscreen NOTIFY wantsFullscreenChanged)
  Q_PROPERTY(QML::View* view READ view CONSTANT)
  Q_PROPERTY(QString languageChangeProperty READ languageChangeProperty NOTIFY languageChanged)
  Q_PROPERTY(QPoint mousePos READ mousePos)

 public:
  explicit Window(bool alwaysOnTop, QWidget* parent = nullptr);
  ~Window() override;

  View* view() const { return m_view; }
  bool isResizable() const { return m_resizable; }
  void setResizable(bool resizable);
  double aspectRatio() const { return m_aspectRatio.toDouble(); }
  void setAspectRatio(double ratio);
  bool wantsFullscreen() const { return m_wantsFullscreen; }
  void setWantsFullscreen(bool on);
  QString languageChangeProperty() const { return QString(); }
  QPoint mousePos() const;

  bool setSource(const QString& url);
  void setTitle(const QString& title);
  void setSystemMenuSuppressed(bool suppressed) { m_systemMenuSuppressed = suppressed; }

  virtual bool canClose();
  virtual QSize minimumWindowSize() const;
  virtual QSize maximumWindowSize() const;

  Q_INVOKABLE QSize boundSizeToLimit(QSize size, QSize limit) const;

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

 public slots:
  void setMinMaxSizes(bool forceComponentMinMaxSize = false);
  int calcTextWidth(QString text, QString font_name, int pixel_size);
  void openMenu(QMenu* menu);
  bool event(QEvent* event) override;
  void showAndActivate();
  void setAlwaysOnTop(bool onTop = true);
  void moveBy(int dx, int dy);
  void setItemCursor(QQuickItem* object, int shape);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  View* m_view;
  bool m_resizable = true;
  QVariant m_aspectRatio;
  bool m_wantsFullscreen = false;
  QRect m_savedGeometry;
  bool m_systemMenuSuppressed = false;
};

}  // namespace QML

#include "libqml/window/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopWidget>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QQmlContext>
#include <QQuickItem>
#include <QTimer>

#include <os/Window.h>

#include "libqml/window/View.h"

namespace QML {

Window::Window(bool alwaysOnTop, QWidget* parent) : Utils::HelpInterface(parent), m_view(nullptr) {
  setAttribute(Qt::WA_DeleteOnClose);
  if (alwaysOnTop) QTimer::singleShot(0, this, SLOT(setAlwaysOnTop()));
  setWindowIcon(QApplication::windowIcon());
  m_view = new View(this);
  m_view->setResizeMode(QQuickWidget::SizeRootObjectToView);
  m_view->rootContext()->setContextProperty(QStringLiteral("rootWindow"), this);
  m_view->move(0, 0);
  connect(this, SIGNAL(minimizableChanged()), this, SLOT(setMinMaxSizes()));
  connect(this, SIGNAL(maximizableChanged()), this, SLOT(setMinMaxSizes()));
  connect(this, SIGNAL(resizableChanged()), this, SLOT(setMinMaxSizes()));
  connect(QApplication::desktop(), SIGNAL(resized(int)), this, SLOT(setMinMaxSizes()));
}

Window::~Window() = default;

QPoint Window::mousePos() const { return m_view->mapFromGlobal(QCursor::pos()); }

bool Window::setSource(const QString& url) {
  if (!m_view) return false;
  m_view->setSource(QUrl(url));
  QQuickItem* root = m_view->rootObject();
  if (!root) return false;
  QSize size(root->property("width").toInt(), root->property("height").toInt());
  if (size.width() < 1 && size.height() < 1) size = minimumWindowSize();
  resize(size);
  setMinMaxSizes(true);
  return m_view->errors().isEmpty();
}

void Window::setTitle(const QString& title) {
  setWindowTitle(title);
  setWindowIconText(title);
}

void Window::setResizable(bool resizable) {
  if (resizable == m_resizable) return;
  m_resizable = resizable;
  if (!resizable) {
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setWindowFlag(Qt::CustomizeWindowHint, true);
  }
  emit resizableChanged();
}

void Window::setAspectRatio(double ratio) {
  if (!m_aspectRatio.isValid() || m_aspectRatio.toDouble() != ratio) {
    m_aspectRatio = ratio;
    emit aspectRatioChanged();
  }
  if (!m_wantsFullscreen) resize(int(ratio * height()), height());
}

void Window::setWantsFullscreen(bool on) {
  if (on == m_wantsFullscreen) return;
  if (on) {
    m_savedGeometry = geometry();
    showFullScreen();
    if (!isFullScreen()) {
      qDebug("Setting fullscreen failed!");
      return;
    }
    m_wantsFullscreen = true;
    m_view->fullscreenChanged(true);
    emit wantsFullscreenChanged();
    emit isFullscreenChanged();
  } else {
    showNormal();
    emit isFullscreenChanged();
    m_wantsFullscreen = false;
    m_view->fullscreenChanged(false);
    emit wantsFullscreenChanged();
    setGeometry(m_savedGeometry);
    m_savedGeometry = QRect();
    show();
  }
}

bool Window::canClose() { return true; }
QSize Window::minimumWindowSize() const { return QSize(-1, -1); }
QSize Window::maximumWindowSize() const { return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); }

QSize Window::boundSizeToLimit(QSize size, QSize limit) const {
  return size.scaled(limit, Qt::KeepAspectRatio);
}

void Window::setMinMaxSizes(bool forceComponentMinMaxSize) {
  if (!m_resizable && !forceComponentMinMaxSize) {
    setMinimumSize(size());
    setMaximumSize(size());
    return;
  }
  const QSize minimum = minimumWindowSize();
  setMinimumSize(qMax(0, minimum.width()), qMax(0, minimum.height()));
  setMaximumSize(maximumWindowSize());
}

int Window::calcTextWidth(QString text, QString font_name, int pixel_size) {
  QFont font(font_name);
  font.setPixelSize(qMax(1, pixel_size));
  return QFontMetrics(font).horizontalAdvance(text);
}

void Window::openMenu(QMenu* menu) {
  if (!menu) return;
  if (menu->isEmpty()) {
    delete menu;
    return;
  }
  connect(menu, SIGNAL(aboutToHide()), menu, SLOT(deleteLater()));
  menu->popup(QCursor::pos());
}

bool Window::event(QEvent* event) {
  if (event->type() == QEvent::NonClientAreaMouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint d = mouse->globalPos() - pos();
    if (mouse->button() == Qt::LeftButton && d.x() <= 50 && d.y() <= 30) {
      emit windowFrameIconClicked();
      return true;
    }
  }
  return QWidget::event(event);
}

void Window::showAndActivate() {
  show();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void Window::setAlwaysOnTop(bool onTop) { Os::setAlwaysOnTop(this, onTop); }

void Window::moveBy(int dx, int dy) {
  if (!isMaximized()) move(pos() + QPoint(dx, dy));
}

void Window::setItemCursor(QQuickItem* object, int shape) {
  if (!object) {
    qWarning("WControllerView::setItemCursor invalid QGraphicsObject");
    return;
  }
  object->setCursor(QCursor(Qt::CursorShape(shape)));
}

void Window::resizeEvent(QResizeEvent* event) {
  m_view->move(0, 0);
  m_view->resize(size());
  HelpInterface::resizeEvent(event);
}

void Window::closeEvent(QCloseEvent* event) {
  if (canClose())
    event->accept();
  else
    event->ignore();
}

void Window::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    emit languageChanged();
    event->accept();
  }
  HelpInterface::changeEvent(event);
}

}  // namespace QML

#include "libqml/window/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QQmlContext>
#include <QQmlError>
#include <QQuickItem>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QtDebug>

#include <TP/Core/Logging.h>
#include "libqml/window/PopupPlacement.h"
#include "libqml/window/StayOnTop.h"

#include "libqml/window/View.h"

namespace QML {

namespace {

QUrl sourceUrl(const QString& url) {
  // Scenes come as "qrc:/..." addresses; a plain path names a local file.
  const QUrl parsed(url);
  if (parsed.scheme().isEmpty() && !url.isEmpty()) return QUrl::fromLocalFile(url);
  return parsed;
}

}  // namespace

Window::Window(bool alwaysOnTop, QWidget* parent) : Utils::HelpInterface(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  if (alwaysOnTop) QTimer::singleShot(0, this, SLOT(setAlwaysOnTop()));
  setWindowIcon(QApplication::windowIcon());

  m_view = new View(this);
  m_view->setResizeMode(QQuickWidget::SizeRootObjectToView);
  m_view->rootContext()->setContextProperty(QStringLiteral("rootWindow"), this);
  m_view->move(0, 0);

  auto* menuKey = new QShortcut(QKeySequence(Qt::ALT + Qt::Key_Space), this);
  menuKey->setContext(Qt::WindowShortcut);
  connect(menuKey, SIGNAL(activated()), this, SLOT(openWindowMenuFromKeyboard()));

  connect(this, SIGNAL(minimizableChanged()), this, SLOT(setMinMaxSizes()));
  connect(this, SIGNAL(maximizableChanged()), this, SLOT(setMinMaxSizes()));
  connect(this, SIGNAL(resizableChanged()), this, SLOT(setMinMaxSizes()));
  const auto screens = QGuiApplication::screens();
  for (QScreen* screen : screens) {
    connect(screen, SIGNAL(availableGeometryChanged(QRect)), this, SLOT(setMinMaxSizes()));
  }
}

Window::~Window() { deleteScene(); }

void Window::deleteScene() {
  // Left to the widget's own teardown the scene would outlive the window by
  // a moment: QML lets go of "rootWindow" before the children are deleted,
  // and every binding that reads it would run once more on null.
  delete m_view;
  m_view = nullptr;
}

QPoint Window::mousePos() const {
  return m_view ? m_view->mapFromGlobal(QCursor::pos()) : QPoint();
}

bool Window::setSource(const QString& url) {
  if (!m_view) return false;
  // The scene's own size is read before the view sizes the root item to
  // itself; afterwards the root follows the view again.
  m_view->setResizeMode(QQuickWidget::SizeViewToRootObject);
  m_view->setSource(sourceUrl(url));
  QQuickItem* root = m_view->rootObject();
  const int rootWidth = root ? root->property("width").toInt() : 0;
  const int rootHeight = root ? root->property("height").toInt() : 0;
  m_view->setResizeMode(QQuickWidget::SizeRootObjectToView);
  if (!root) {
    const auto errors = m_view->errors();
    for (const QQmlError& error : errors) {
      TP_LOG("QML::Window::setSource", TP::Core::Logging::LevelError) << error.toString();
    }
    return false;
  }
  int w = rootWidth;
  int h = rootHeight;
  if (w < 1 && h < 1) {
    const QSize min = minimumWindowSize();
    w = min.width();
    h = min.height();
  }
  // The scene's limits first, so that a window held at a fixed size can
  // take the new scene's size.
  setMinMaxSizes(true);
  resize(w, h);
  const QList<QQmlError> errors = m_view->errors();
  for (const QQmlError& error : errors)
    TP_LOG("QML::Window::setSource", TP::Core::Logging::LevelError) << error.toString();
  return errors.isEmpty();
}

void Window::setTitle(const QString& title) {
  setWindowTitle(title);
  setWindowIconText(title);
}

void Window::setSystemMenuSuppressed(bool on) { m_systemMenuSuppressed = on; }

void Window::setMinMaxSizes(bool forceComponentMinMaxSize) {
  if (!m_resizable && !forceComponentMinMaxSize) {
    setMinimumSize(size());
    setMaximumSize(size());
    return;
  }
  QSize minimum = minimumWindowSize().expandedTo(QSize(0, 0));
  // Never more than the screen holds with the decoration: a window that
  // cannot shrink to its screen has its title bar out of reach.
  if (const QScreen* shown = screen()) {
    const QSize room = shown->availableGeometry().size() - (frameGeometry().size() - size());
    if (!room.isEmpty()) minimum = minimum.boundedTo(room);
  }
  setMinimumSize(minimum);
  setMaximumSize(maximumWindowSize());
}

void Window::setResizable(bool on) {
  if (on == m_resizable) return;
  m_resizable = on;
  if (!on) {
    Qt::WindowFlags flags = windowFlags();
    flags &= ~Qt::WindowMaximizeButtonHint;
    flags |= Qt::CustomizeWindowHint;
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (wasVisible) show();
  }
  emit resizableChanged();
}

void Window::setAspectRatio(double ratio) {
  if (!m_aspectRatio.isValid() || m_aspectRatio.toDouble() != ratio) {
    m_aspectRatio = ratio;
    emit aspectRatioChanged();
  }
  // A ratio of zero or less has no width to give: keep the current size.
  if (ratio <= 0.0 || m_wantsFullscreen) return;
  resize(int(ratio * height()), height());
}

void Window::setWantsFullscreen(bool on) {
  if (on == m_wantsFullscreen) return;
  if (on) {
    const QRect before = geometry();
    showFullScreen();
    if (!isFullScreen()) {
      qDebug() << "Setting fullscreen failed!";
      return;
    }
    m_savedGeometry = before;
    m_wantsFullscreen = true;
    if (m_view) m_view->fullscreenChanged(true);
    emit wantsFullscreenChanged();
    emit isFullscreenChanged();
  } else {
    showNormal();
    emit isFullscreenChanged();
    m_wantsFullscreen = false;
    if (m_view) m_view->fullscreenChanged(false);
    emit wantsFullscreenChanged();
    setGeometry(m_savedGeometry);
    m_savedGeometry = QRect();
    show();
  }
}

void Window::closeOnKeys(CloseKeys keys) {
  auto* close = new QShortcut(QKeySequence::Close, this);
  close->setContext(Qt::WindowShortcut);
  connect(close, SIGNAL(activated()), this, SLOT(close()));
  if (keys == CloseKeys::CtrlWAndEscape)
    connect(m_view, SIGNAL(keyEscapePressed()), this, SLOT(close()));
}

bool Window::canClose() { return true; }

QSize Window::minimumWindowSize() const { return QSize(-1, -1); }

QSize Window::maximumWindowSize() const { return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); }

int Window::calcTextWidth(QString text, QString font_name, int pixel_size) {
  QFont font(font_name);
  if (pixel_size > 0) font.setPixelSize(pixel_size);
  return QFontMetrics(font).horizontalAdvance(text);
}

void Window::openMenu(QMenu* menu) {
  // The point is this menu's even when there is nothing to show: a later
  // menu must not drop from a button it does not belong to.
  const int buttonTop = m_menuButtonTop;
  m_menuButtonTop = -1;
  QPoint position = takeMenuPosition();
  if (!menu) return;
  if (menu->isEmpty()) {
    delete menu;
    return;
  }
  if (buttonTop >= 0) {
    const QScreen* screen = QGuiApplication::screenAt(position);
    const int height = menu->sizeHint().height();
    if (screen && position.y() + height > screen->availableGeometry().bottom() &&
        buttonTop - height >= screen->availableGeometry().top())
      position.setY(buttonTop - height);
  }
  connect(menu, SIGNAL(aboutToHide()), menu, SLOT(deleteLater()));
  popupMenu(menu, position);
}

void Window::openMenuAt(int x, int y) {
  // The view's own mapping: it follows the window wherever it is moved.
  m_menuPosition = m_view ? m_view->mapToGlobal(QPoint(x, y)) : mapToGlobal(QPoint(x, y));
  m_hasMenuPosition = true;
}

QPoint Window::takeMenuPosition() {
  if (m_hasMenuPosition) {
    m_hasMenuPosition = false;
    return m_menuPosition;
  }
  return m_menuAtCorner ? mapToGlobal(QPoint(0, 0)) : QCursor::pos();
}

void Window::openMenuFromButton(int x, int top, int bottom) {
  openMenuAt(x, bottom);
  m_menuButtonTop =
      m_view ? m_view->mapToGlobal(QPoint(x, top)).y() : mapToGlobal(QPoint(x, top)).y();
}

void Window::openMenuFromItem(QQuickItem* button) {
  if (!button || !button->window()) return;
  const QPoint top = sceneToGlobal(button, button->mapToScene(QPointF(0, 0)));
  m_menuPosition = QPoint(top.x(), top.y() + qRound(button->height()));
  m_hasMenuPosition = true;
  m_menuButtonTop = top.y();
}

void Window::openWindowMenu() { emit windowFrameIconClicked(); }

void Window::openWindowMenuAt(int x, int y) {
  openMenuAt(x, y);
  emit windowFrameIconClicked();
  // A window without a menu to show leaves no point behind for the next one.
  m_hasMenuPosition = false;
}

void Window::openWindowMenuFromKeyboard() {
  m_menuAtCorner = true;
  emit windowFrameIconClicked();
  m_menuAtCorner = false;
}

QSize Window::boundSizeToLimit(const QSize& size, const QSize& limit) const {
  return size.scaled(limit, Qt::KeepAspectRatio);
}

void Window::moveBy(int dx, int dy) {
  if (isMaximized()) return;
  move(pos() + QPoint(dx, dy));
}

void Window::showAndActivate() {
  show();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void Window::setAlwaysOnTop(bool onTop) { QML::setStayOnTop(this, onTop); }

void Window::setItemCursor(QQuickItem* object, int shape) {
  if (!object) {
    qWarning() << "WControllerView::setItemCursor invalid QGraphicsObject";
    return;
  }
  object->setCursor(QCursor(Qt::CursorShape(shape)));
}

bool Window::event(QEvent* event) {
  if (event->type() == QEvent::NonClientAreaMouseButtonPress) {
    auto* me = static_cast<QMouseEvent*>(event);
    const QPoint d = me->globalPos() - pos();
    if (me->button() == Qt::LeftButton && d.x() <= 50 && d.y() <= 30) {
      emit windowFrameIconClicked();
      return true;
    }
  }
  return QWidget::event(event);
}

bool Window::nativeEvent(const QByteArray& eventType, void* message, long* result) {
  // Only the Windows system menu needs suppressing; elsewhere the window
  // system draws no menu of ours.
  return QWidget::nativeEvent(eventType, message, result);
}

void Window::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) {
    emit languageChanged();
    e->accept();
  } else if (e->type() == QEvent::WindowStateChange) {
    emit isMaximizedChanged();
    emit isMinimizedChanged();
  }
  QWidget::changeEvent(e);
}

void Window::closeEvent(QCloseEvent* e) {
  if (canClose()) {
    e->accept();
  } else {
    e->ignore();
  }
}

void Window::resizeEvent(QResizeEvent* e) {
  if (m_view) {
    m_view->move(0, 0);
    m_view->resize(size());
  }
  QWidget::resizeEvent(e);
}

}  // namespace QML

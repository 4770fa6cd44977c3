#include "Widgets/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopWidget>
#include <QIcon>
#include <QScreen>
#include <QShortcut>
#include <QTimerEvent>

#include <RAZ/Settings.h>

#include "Utils/WindowManager.h"

namespace Widgets {
namespace {
QPointer<QObject> g_windowManager;
}

void Window::setWindowManager(QObject* manager) { g_windowManager = manager; }

Window::Window(QWidget* parent, bool alwaysOnTop, bool registerWithWindowManager)
    : Utils::HelpInterface(parent) {
  setWindowFlag(Qt::Window, true);
  setAttribute(Qt::WA_DeleteOnClose);
  bool onTop = alwaysOnTop;
  if (!onTop) {
    RAZ::Settings user(RAZ::Settings::User);
    onTop = user.value(QStringLiteral("mainWindow/alwaysontop"), false).toBool();
  }
  if (onTop) setAlwaysOnTop(true);
  setWindowIcon(QApplication::windowIcon());
  if (registerWithWindowManager) {
    if (auto* manager = qobject_cast<Utils::WindowManager*>(g_windowManager.data()))
      manager->registerWindow(this);
  }
  setWindowTitle(tr("Give Me a Name"));
  if (QScreen* screen = QGuiApplication::primaryScreen())
    setMaximumSize(screen->availableGeometry().size());
  m_statusLabel = new QLabel(this);
  m_statusLabel->setObjectName(QStringLiteral("mainWindowStatusLabel"));
  auto* close = new QShortcut(QKeySequence(QKeySequence::Close), this);
  connect(close, SIGNAL(activated()), this, SLOT(close()));
}

Window::~Window() = default;

bool Window::canClose() { return true; }

void Window::setTitle(const QString& title) {
  setWindowTitle(title);
  setWindowIconText(title);
}

void Window::setAlwaysOnTop(bool onTop) { setWindowFlag(Qt::WindowStaysOnTopHint, onTop); }

void Window::resizeUpdate() {
  if (!m_statusLabel) return;
  m_statusLabel->resize(width() - 4, m_statusLabel->sizeHint().height());
  m_statusLabel->move(0, height() - m_statusLabel->height() - m_statusMargin);
}

void Window::showAndActivate() {
  show();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void Window::setCanMinimize(bool on) {
  setWindowFlag(Qt::CustomizeWindowHint, true);
  setWindowFlag(Qt::WindowMinimizeButtonHint, on);
  m_canMinimize = on;
}

void Window::setCanMaximize(bool on) {
  setWindowFlag(Qt::CustomizeWindowHint, true);
  setWindowFlag(Qt::WindowMaximizeButtonHint, on);
  m_canMaximize = on;
}

void Window::setResizable(bool on) {
  setWindowFlag(Qt::CustomizeWindowHint, true);
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, !on);
  setCanMaximize(on);
  update();
}

void Window::setStatus(QString color, QString message, int timeout) {
  // The message is shown as rich text; callers' text is escaped here so a
  // name or server text cannot inject markup.
  m_statusLabel->setText(QStringLiteral("<font color=\"%1\">%2</font>")
                             .arg(color.toHtmlEscaped(), message.toHtmlEscaped()));
  if (m_statusTimerId) {
    killTimer(m_statusTimerId);
    m_statusTimerId = 0;
  }
  if (timeout <= 0)
    m_persistentStatus = m_statusLabel->text();
  else
    m_statusTimerId = startTimer(timeout * 1000, Qt::CoarseTimer);
}

void Window::timerEvent(QTimerEvent* event) {
  if (event->timerId() == m_statusTimerId && m_statusTimerId) {
    m_statusLabel->setText(m_persistentStatus);
    killTimer(m_statusTimerId);
    m_statusTimerId = 0;
    return;
  }
  HelpInterface::timerEvent(event);
}

void Window::setHeaderIcon(QString path) {
  if (path.isEmpty()) return;
  m_headerIconPath = path;
  QPixmap pixmap(path);
  if (pixmap.isNull()) return;
  if (!m_headerIconLabel) m_headerIconLabel = new QLabel(this);
  m_headerIconLabel->setPixmap(pixmap);
  m_headerIconLabel->setEnabled(true);
  m_headerIconLabel->setFocusPolicy(Qt::NoFocus);
  m_headerIconLabel->resize(pixmap.size());
  RAZ::Settings theme(RAZ::Settings::Theme);
  m_headerIconLabel->move(theme.value(QStringLiteral("window/logo_x"), 5).toInt(),
                          theme.value(QStringLiteral("window/logo_y"), 5).toInt());
}

void Window::showHeaderIcon(bool b) {
  if (!m_headerIconLabel) return;
  m_headerIconLabel->setEnabled(b);
  m_headerIconLabel->setVisible(b);
  update();
}

void Window::updateHeaderIcon() { setHeaderIcon(m_headerIconPath); }

void Window::resizeEvent(QResizeEvent* event) {
  resizeUpdate();
  HelpInterface::resizeEvent(event);
}

void Window::closeEvent(QCloseEvent* event) {
  if (canClose())
    event->accept();
  else
    event->ignore();
}

void Window::changeEvent(QEvent* event) {
  if (event->type() == QEvent::StyleChange) {
    updateHeaderIcon();
    update();
  }
  HelpInterface::changeEvent(event);
}

}  // namespace Widgets

#include "Widgets/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QTimerEvent>

#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>
#include "libqml/window/StayOnTop.h"

#include "Utils/Accessibility.h"
#include "Utils/SettingsKeys.h"
#include "Utils/WindowManager.h"

namespace Widgets {

namespace {

// A switch read from a settings file: "true"/"false", "1"/"0" or a real
// bool. Anything else is a broken value: logged, and the default is used.
bool settingSwitch(const QVariant& v, bool fallback, const QString& key) {
  if (!v.isValid()) return fallback;
  if (v.type() == QVariant::Bool) return v.toBool();
  const QString text = v.toString().trimmed().toLower();
  if (text == QLatin1String("true") || text == QLatin1String("1")) return true;
  if (text == QLatin1String("false") || text == QLatin1String("0")) return false;
  TP_LOG("Widgets::Window::settingSwitch", TP::Core::Logging::LevelWarning)
      << "setting " << key << " is not a switch: " << v.toString();
  return fallback;
}

// Tells whether a popup (a list, a menu) closed while the event under way
// was handled: a key that closed a list has done its work.
class PopupWatch : public QObject {
 public:
  static void install() {
    static PopupWatch* watch = nullptr;
    if (watch || !qApp) return;
    watch = new PopupWatch(qApp);
    qApp->installEventFilter(watch);
  }
  static bool closedJustNow() { return s_closed; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && !s_closed && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->windowType() == Qt::Popup) {
      s_closed = true;
      // Forgotten once the event loop turns: the next key is a new one.
      QTimer::singleShot(0, this, [] { s_closed = false; });
    }
    return false;
  }

 private:
  using QObject::QObject;
  static bool s_closed;
};

bool PopupWatch::s_closed = false;

}  // namespace

Window::Window(QWidget* parent, bool alwaysOnTop, bool registerWithWindowManager)
    : Utils::HelpInterface(parent, Qt::Window) {
  Utils::Accessibility::install();
  setAttribute(Qt::WA_DeleteOnClose);
  if (!alwaysOnTop) {
    const QVariant v = RAZ::Settings(RAZ::Settings::User).value(Utils::SettingsKey::AlwaysOnTop);
    alwaysOnTop = settingSwitch(v, false, Utils::SettingsKey::AlwaysOnTop);
  }
  if (alwaysOnTop) setAlwaysOnTop(true);
  setWindowIcon(QApplication::windowIcon());
  if (registerWithWindowManager) {
    if (Utils::WindowManager* wm = Utils::WindowManager::instance()) {
      wm->registerWindow(this);
    } else {
      TP_LOG("Widgets::Window::Window", TP::Core::Logging::LevelWarning)
          << "no window manager: the window stays open at sign-out";
    }
  }
  setWindowTitle(tr("Give Me a Name"));
  if (QScreen* screen = QGuiApplication::primaryScreen())
    setMaximumSize(screen->availableGeometry().size());

  m_statusLabel = new QLabel(this);
  m_statusLabel->setObjectName(QStringLiteral("mainWindowStatusLabel"));
  m_statusLabel->setTextFormat(Qt::RichText);
  // Shown while it says something: empty, it is a nameless label a reader
  // would stop at.
  m_statusLabel->hide();

  auto* closeShortcut = new QShortcut(QKeySequence::Close, this);
  closeShortcut->setContext(Qt::WindowShortcut);
  connect(closeShortcut, SIGNAL(activated()), this, SLOT(close()));
}

Window::~Window() = default;

void Window::leaveOnEscape(const char* slot) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  // An open list of the window (a combo box's) takes Esc first: the window
  // system hands the key to the window, not to the list, the list closes on
  // it and the shortcut would then close the window too. Esc closes the list
  // alone, as everywhere else.
  PopupWatch::install();
  connect(escape, &QShortcut::activated, this, [this] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
      return;
    }
    if (PopupWatch::closedJustNow()) return;
    emit escapeLeaves();
  });
  connect(this, SIGNAL(escapeLeaves()), this, slot);
}

void Window::keyPressEvent(QKeyEvent* e) {
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  // A text field's Enter stays its own: windows move on from field to
  // field with it.
  if (enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
      !qobject_cast<QLineEdit*>(focusWidget())) {
    // A button with the focus is the one pressed; else the default.
    QPushButton* target = qobject_cast<QPushButton*>(focusWidget());
    if (!target) {
      const auto buttons = findChildren<QPushButton*>();
      for (QPushButton* button : buttons)
        if (button->isDefault() && button->window() == this && button->isVisible()) {
          target = button;
          break;
        }
    }
    if (target && target->isEnabled()) {
      e->accept();
      target->click();
      return;
    }
  }
  Utils::HelpInterface::keyPressEvent(e);
}

bool Window::canClose() { return true; }

void Window::setTitle(const QString& title) {
  setWindowTitle(title);
  setWindowIconText(title);
}

void Window::setAlwaysOnTop(bool onTop) { QML::setStayOnTop(this, onTop); }

void Window::setFlagKeepingVisibility(Qt::WindowType flag, bool on) {
  if (windowFlags().testFlag(flag) == on && windowFlags().testFlag(Qt::CustomizeWindowHint)) return;
  Qt::WindowFlags flags = windowFlags() | Qt::CustomizeWindowHint;
  flags.setFlag(flag, on);
  // Changing the flags of a shown window hides it: bring it back.
  const bool wasVisible = isVisible();
  setWindowFlags(flags);
  if (wasVisible) show();
}

void Window::setCanMinimize(bool on) {
  setFlagKeepingVisibility(Qt::WindowMinimizeButtonHint, on);
  m_canMinimize = on;
}

void Window::setCanMaximize(bool on) {
  setFlagKeepingVisibility(Qt::WindowMaximizeButtonHint, on);
  m_canMaximize = on;
}

void Window::setResizable(bool on) {
  m_resizable = on;
  setFlagKeepingVisibility(Qt::MSWindowsFixedSizeDialogHint, !on);
  // The fixed-size hint only means something to one window system: a
  // layout held at its size hint keeps the window fixed everywhere.
  if (QLayout* l = layout())
    l->setSizeConstraint(on ? QLayout::SetDefaultConstraint : QLayout::SetFixedSize);
  setCanMaximize(on);
  update();
}

void Window::stopStatusTimer() {
  if (m_statusTimerId != -1) {
    killTimer(m_statusTimerId);
    m_statusTimerId = -1;
  }
}

void Window::setStatus(QString color, QString message, int timeout) {
  // The message may carry a contact's or the server's text: never markup.
  m_statusLabel->setText(QStringLiteral("<font color=\"%1\">%2</font>")
                             .arg(color.toHtmlEscaped(), message.toHtmlEscaped()));
  stopStatusTimer();
  if (timeout <= 0) {
    m_persistentStatus = m_statusLabel->text();
  } else {
    m_statusTimerId = startTimer(timeout * 1000, Qt::CoarseTimer);
  }
  resizeUpdate();
}

void Window::timerEvent(QTimerEvent* e) {
  if (e->timerId() == m_statusTimerId) {
    m_statusLabel->setText(m_persistentStatus);
    stopStatusTimer();
    resizeUpdate();
    return;
  }
  Utils::HelpInterface::timerEvent(e);
}

void Window::resizeUpdate() {
  m_statusLabel->setVisible(!m_statusLabel->text().isEmpty());
  const int h = m_statusLabel->sizeHint().height();
  m_statusLabel->resize(width() - 4, h);
  m_statusLabel->move(0, height() - h - m_statusMargin);
}

void Window::resizeEvent(QResizeEvent* e) {
  resizeUpdate();
  Utils::HelpInterface::resizeEvent(e);
}

void Window::showAndActivate() {
  show();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void Window::setHeaderIcon(QString path) {
  if (path.isEmpty()) return;
  m_headerIconPath = path;
  QPixmap pixmap;
  if (!pixmap.load(path)) return;
  m_headerIcon = pixmap;
  if (!m_headerIconLabel) m_headerIconLabel = new QLabel(this);
  m_headerIconLabel->setPixmap(m_headerIcon);
  m_headerIconLabel->setEnabled(true);
  m_headerIconLabel->setFocusPolicy(Qt::NoFocus);
  m_headerIconLabel->resize(m_headerIcon.size());
  RAZ::Settings theme(RAZ::Settings::Theme);
  bool okX = false;
  bool okY = false;
  int x = theme.value(Utils::SettingsKey::ThemeLogoX, 5).toInt(&okX);
  int y = theme.value(Utils::SettingsKey::ThemeLogoY, 5).toInt(&okY);
  if (!okX || !okY) {
    TP_LOG("Widgets::Window::setHeaderIcon", TP::Core::Logging::LevelWarning)
        << "theme values window/logo_x, window/logo_y are not numbers";
    if (!okX) x = 5;
    if (!okY) y = 5;
  }
  m_headerIconLabel->move(x, y);
}

void Window::showHeaderIcon(bool b) {
  if (!m_headerIconLabel) return;
  m_headerIconLabel->setEnabled(b);
  m_headerIconLabel->setVisible(b);
  update();
}

void Window::updateHeaderIcon() { setHeaderIcon(m_headerIconPath); }

void Window::closeEvent(QCloseEvent* e) {
  if (canClose()) {
    e->accept();
  } else {
    e->ignore();
  }
}

void Window::changeEvent(QEvent* e) {
  if (e->type() == QEvent::StyleChange) {
    updateHeaderIcon();
    update();
  }
  Utils::HelpInterface::changeEvent(e);
}

}  // namespace Widgets

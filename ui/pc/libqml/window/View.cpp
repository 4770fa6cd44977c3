#include "libqml/window/View.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <QWindow>

#include <TP/Core/Logging.h>
#include "libqml/window/StayOnTop.h"

#include "Utils/Accessibility.h"
#include "Utils/Retranslator.h"
#include "libqml/QmlRegistration.h"
#include "libqml/utils/QmlHelper.h"
#include "libqml/utils/Style.h"
#include "libqml/utils/StyleView.h"

namespace QML {

namespace {

QQmlEngine* sharedEngine() {
  static QPointer<QQmlEngine> engine;
  if (!engine) {
    // Every scene may use the program's own elements: they are registered
    // before the engine resolves its first import.
    registerTypes();
    engine = new QQmlEngine(QCoreApplication::instance());
    // An engine of a view's own, its child, heard of a new language from
    // it; the shared one hears of it once, and translates every scene.
    Utils::QObjectLanguageChange::registerObject(engine);
  }
  return engine;
}

// The style goes to the engine's own context as well: the palette every
// control reads is one object for the whole engine (a singleton), made in
// that context, and sees nothing a view publishes in its own. There it
// reaches every scene and popup, those made later included, and follows
// every change of the style. A style that goes is taken back out, so that
// no binding reads it afterwards.
void publishStyle(QQmlEngine* engine, Style* style) {
  QQmlContext* shared = engine->rootContext();
  const QLatin1String name("zentStyle");
  if (shared->contextProperty(name).value<QObject*>() == style) return;
  shared->setContextProperty(name, style);
  if (!style) return;
  QPointer<QQmlEngine> guard(engine);
  QObject::connect(style, &QObject::destroyed, engine, [guard, style] {
    if (guard &&
        guard->rootContext()->contextProperty(QLatin1String("zentStyle")).value<QObject*>() ==
            style)
      guard->rootContext()->setContextProperty(QLatin1String("zentStyle"), nullptr);
  });
}

}  // namespace

View::View(QWidget* parent) : QQuickWidget(sharedEngine(), parent) {
  m_context = new QQmlContext(engine()->rootContext(), this);
  Utils::Accessibility::install();
  Utils::Accessibility::registerScene(this, quickWindow());
  m_qmlHelper = new QmlHelper(this);
  m_style = Style::instance();
  if (!m_style)
    TP_LOG("QML::View::View", TP::Core::Logging::LevelError)
        << "no style object: scenes will miss zentStyle";

  m_idleTimer = new QTimer(this);
  m_idleTimer->setSingleShot(true);
  m_idleOnMoveTimer = new QTimer(this);
  m_idleOnMoveTimer->setSingleShot(true);
  connect(m_idleTimer, SIGNAL(timeout()), this, SLOT(timeout()));
  connect(m_idleOnMoveTimer, SIGNAL(timeout()), this, SLOT(idleOnMoveTimeout()));

  setIdleTimeout(DefaultIdleTimeout);
  m_idleOnMoveTimer->setInterval(IdleOnMoveTimeout);
  setMouseTracking(true);

  m_context->setContextProperty(QStringLiteral("rootView"), this);
  m_context->setContextProperty(QStringLiteral("zentStyle"), m_style);
  publishStyle(engine(), m_style);
  m_context->setContextProperty(QStringLiteral("qmlHelper"), m_qmlHelper);
}

View::~View() = default;

void View::setSource(const QUrl& url) {
  // Unloads the scene there is: the widget deletes its root item and its
  // component (ours too, once handed over below). A scene still loading
  // from an earlier call is dropped.
  delete m_loading.data();
  QQuickWidget::setSource(QUrl());
  if (url.isEmpty()) return;
  auto* component = new QQmlComponent(engine(), url, QQmlComponent::PreferSynchronous, this);
  auto finish = [this, url, component] {
    QObject* root = component->isReady() ? component->create(m_context) : nullptr;
    QQuickWidget::setContent(url, component, root);
  };
  if (!component->isLoading()) {
    finish();
    return;
  }
  m_loading = component;
  connect(component, &QQmlComponent::statusChanged, this, [this, component, finish] {
    if (component->isLoading() || m_loading != component) return;
    m_loading = nullptr;
    finish();
  });
}

void View::setIdleTimeout(int ms) {
  if (ms == m_idleTimeout) return;
  if (m_idleTimeout > 0) m_idleTimer->stop();
  m_idleTimeout = ms;
  if (ms > 0) {
    setMouseTracking(true);
    m_idleTimer->start(ms);
  } else {
    setMouseTracking(false);
    setIdle(false);
  }
  emit idleTimeoutChanged();
}

void View::setWindowPosX(int x) {
  if (x == m_windowPosX) return;
  m_windowPosX = x;
  emit windowPosXChanged();
}

void View::setWindowPosY(int y) {
  if (y == m_windowPosY) return;
  m_windowPosY = y;
  emit windowPosYChanged();
}

void View::setIdle(bool idle) {
  if (idle == m_idle) return;
  m_idle = idle;
  emit idleChanged();
}

void View::setIdleOnMove(bool idle) {
  if (idle == m_idleOnMove) return;
  m_idleOnMove = idle;
  emit idleOnMoveChanged();
}

void View::restartIdleTimer() {
  setIdle(false);
  if (m_idleTimeout > 0) m_idleTimer->start(m_idleTimeout);
}

void View::timeout() { setIdle(true); }

void View::idleOnMoveTimeout() { setIdleOnMove(true); }

void View::fullscreenChanged(bool on) { m_fullscreen = on; }

void View::setAlwaysOnTop(bool onTop) { QML::setStayOnTop(window(), onTop); }

void View::viewportEvent(QEvent* e) {
  QElapsedTimer timer;
  timer.start();
  switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
      restartIdleTimer();
      break;
    case QEvent::MouseMove: {
      setIdleOnMove(false);
      const QPoint p = static_cast<QMouseEvent*>(e)->pos();
      setWindowPosX(p.x());
      setWindowPosY(p.y());
      m_idleOnMoveTimer->start();
      restartIdleTimer();
      break;
    }
    default:
      return;
  }
  const qint64 ms = timer.elapsed();
  if (ms != 0) {
    TP_LOG("QML::View::viewportEvent", TP::Core::Logging::LevelInformation)
        << "viewportEvent (" << int(e->type()) << ") took " << ms << "ms to finish";
  }
}

bool View::event(QEvent* e) {
  viewportEvent(e);
  return QQuickWidget::event(e);
}

namespace {

// The items Tab visits in a scene, in order.
QList<QQuickItem*> tabChain(QQuickWindow* scene) {
  QList<QQuickItem*> chain;
  QQuickItem* content = scene ? scene->contentItem() : nullptr;
  if (!content) return chain;
  QQuickItem* first = content->nextItemInFocusChain(true);
  for (QQuickItem* i = first; i && i != content && !chain.contains(i) && chain.size() < 1000;
       i = i->nextItemInFocusChain(true))
    chain << i;
  return chain;
}

}  // namespace

// A view laid into a window beside other views (the panes of a
// communications window) is one stop of the window's Tab order: Tab from
// its last item goes on to the next pane, as from one widget to the next,
// where a scene alone would come round to its own first item again.
bool View::tabOutOfScene(bool forward) {
  if (isWindow()) return false;
  QWidget* next = this;
  for (int guard = 0; guard < 500; ++guard) {
    next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    if (!next || next == this) return false;
    if (next->window() == window() && next->isVisible() && next->isEnabled() &&
        (next->focusPolicy() & Qt::TabFocus) && qobject_cast<View*>(next))
      break;
  }
  const QList<QQuickItem*> chain = tabChain(quickWindow());
  QQuickItem* focus = quickWindow()->activeFocusItem();
  if (!chain.isEmpty() && focus) {
    const int at = chain.indexOf(focus);
    const bool atEnd =
        at >= 0 ? at == (forward ? chain.size() - 1 : 0)
                : focus->nextItemInFocusChain(forward) == (forward ? chain.first() : chain.last());
    if (!atEnd) return false;
  } else if (!chain.isEmpty()) {
    return false;
  }
  next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void View::focusInEvent(QFocusEvent* e) {
  QQuickWidget::focusInEvent(e);
  Utils::Accessibility::viewFocused(this);
  // Reached by Tab, the scene starts at its first item (by Shift+Tab, its
  // last), whichever had the focus when it was left.
  if (isWindow() || (e->reason() != Qt::TabFocusReason && e->reason() != Qt::BacktabFocusReason))
    return;
  const QList<QQuickItem*> chain = tabChain(quickWindow());
  if (chain.isEmpty()) return;
  QQuickItem* target = e->reason() == Qt::TabFocusReason ? chain.first() : chain.last();
  target->forceActiveFocus(e->reason());
}

bool View::focusNextPrevChild(bool next) {
  // Tab and Shift+Tab come here before the scene sees them.
  return tabOutOfScene(next) || QQuickWidget::focusNextPrevChild(next);
}

void View::keyPressEvent(QKeyEvent* e) {
  const int key = e->key();
  if (key == Qt::Key_Escape) emit keyEscapePressed();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) m_pressedKeys.insert(key);
  const Qt::KeyboardModifiers mods = e->modifiers();
  if (m_pressedKeys.contains(Qt::Key_C) && m_pressedKeys.contains(Qt::Key_S) &&
      (mods & Qt::ControlModifier) && (mods & Qt::ShiftModifier)) {
    openStyleEditor();
    m_pressedKeys.clear();
  }
  QQuickWidget::keyPressEvent(e);
}

void View::keyReleaseEvent(QKeyEvent* e) {
  // Auto-repeat sends releases as well; only a real release ends the chord.
  if (!e->isAutoRepeat()) m_pressedKeys.clear();
  QQuickWidget::keyReleaseEvent(e);
}

void View::showEvent(QShowEvent* e) {
  // Before a screen reader can meet any item of the scene.
  Utils::Accessibility::registerScene(this, quickWindow());
  emit visibleChanged();
  QQuickWidget::showEvent(e);
  // Once the scene's bindings have settled on what it shows.
  QTimer::singleShot(0, this, [this] { Utils::Accessibility::announce(this); });
}

void View::hideEvent(QHideEvent* e) {
  emit visibleChanged();
  QQuickWidget::hideEvent(e);
}

void View::openStyleEditor() {
  StyleView* editor = StyleView::instance();
  if (!editor) {
    editor = new StyleView(nullptr);
    editor->setSource(QStringLiteral("qrc:/windows/StyleView.qml"));
  }
  editor->showAndActivate();
}

}  // namespace QML

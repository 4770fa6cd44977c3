#include "SceneDriver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QWebFrame>
#include <QWebPage>
#include <QWindow>

#include "libqml/items/WebView.h"

namespace ZentTest {

namespace {

// Visible means what the user can see: the item and every ancestor visible,
// and not wholly transparent.
bool shown(const QQuickItem* item) {
  for (const QQuickItem* i = item; i; i = i->parentItem())
    if (!i->isVisible() || i->opacity() <= 0.0) return false;
  return true;
}

// Items of the scene in their visual order, delegates of repeaters and views
// included (they are children of their visual parent only).
void collect(QQuickItem* item, QList<QQuickItem*>* out) {
  if (!item) return;
  out->append(item);
  for (QQuickItem* child : item->childItems()) collect(child, out);
}

QList<QQuickItem*> everyItem(QQuickItem* root) {
  QList<QQuickItem*> all;
  collect(root, &all);
  return all;
}

QString ownText(const QQuickItem* item) {
  QString text = item->property("text").toString();
  if (text.isEmpty()) text = item->property("title").toString();
  return text;
}

// What a row says: its own text and that of its visible descendants.
QStringList textsOf(QQuickItem* item) {
  QStringList texts;
  for (QQuickItem* i : everyItem(item)) {
    if (!shown(i)) continue;
    const QString t = ownText(i);
    if (!t.isEmpty()) texts << t;
  }
  return texts;
}

QString plain(QString text) {
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

}  // namespace

SceneDriver::SceneDriver(QQuickWidget* view) : m_view(view) {}

SceneDriver SceneDriver::of(QWidget* window) {
  if (!window) return SceneDriver();
  if (auto* view = qobject_cast<QQuickWidget*>(window)) return SceneDriver(view);
  const QList<QQuickWidget*> views = window->findChildren<QQuickWidget*>();
  for (QQuickWidget* view : views)
    if (view->isVisible()) return SceneDriver(view);
  return SceneDriver(views.value(0));
}

QQuickItem* SceneDriver::root() const {
  if (!m_view) return nullptr;
  return m_view->rootObject() ? m_view->rootObject() : m_view->quickWindow()->contentItem();
}

QQuickItem* SceneDriver::item(const QString& name, QString* problem) const {
  for (QQuickItem* i : everyItem(root()))
    if (i->objectName() == name && shown(i)) return i;
  if (problem) *problem = notFound(name);
  return nullptr;
}

QQuickItem* SceneDriver::anyItem(const QString& name) const {
  for (QQuickItem* i : everyItem(root()))
    if (i->objectName() == name) return i;
  return nullptr;
}

QList<QQuickItem*> SceneDriver::items(const QString& name) const {
  QList<QQuickItem*> found;
  for (QQuickItem* i : everyItem(root()))
    if (i->objectName() == name && shown(i)) found << i;
  return found;
}

QQuickItem* SceneDriver::row(const QString& name, const QString& text, QString* problem) const {
  QStringList seen;
  for (QQuickItem* i : items(name)) {
    const QStringList texts = textsOf(i);
    // A row may carry its whole name for screen readers only.
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(i);
    if (a && a->text(QAccessible::Name).contains(text)) return i;
    for (const QString& t : texts)
      if (t.contains(text)) return i;
    seen << QLatin1Char('[') + texts.join(QStringLiteral(" | ")) + QLatin1Char(']');
  }
  if (problem)
    *problem = seen.isEmpty() ? notFound(name)
                              : QStringLiteral("no visible '%1' shows \"%2\"; rows seen: %3")
                                    .arg(name, text, seen.join(QStringLiteral(", ")));
  return nullptr;
}

QStringList SceneDriver::visibleNames() const {
  QStringList names;
  for (QQuickItem* i : everyItem(root()))
    if (!i->objectName().isEmpty() && shown(i)) names << i->objectName();
  return names;
}

QString SceneDriver::notFound(const QString& name) const {
  if (!m_view) return QStringLiteral("no scene to look for '%1' in").arg(name);
  if (!m_view->isVisible())
    return QStringLiteral("'%1': the scene's window is not visible").arg(name);
  QQuickItem* hidden = anyItem(name);
  return QStringLiteral("'%1' is %2; visible names: %3")
      .arg(name, hidden ? QStringLiteral("not visible") : QStringLiteral("not in the scene"),
           visibleNames().join(QStringLiteral(", ")));
}

QString SceneDriver::centreOf(QQuickItem* item, QPoint* centre) const {
  if (!m_view) return QStringLiteral("no scene");
  if (!item) return QStringLiteral("no item");
  // A row added a moment ago moves the others only when the scene is next
  // laid out: lay it out now, so the pointer lands where the item is drawn.
  if (m_view->isVisible()) m_view->grabFramebuffer();
  if (!shown(item)) return QStringLiteral("'%1' is not visible").arg(item->objectName());
  if (item->width() <= 0 || item->height() <= 0)
    return QStringLiteral("'%1' has no size").arg(item->objectName());
  const QPointF c = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
  const QPoint p = c.toPoint();
  if (!m_view->rect().contains(p))
    return QStringLiteral("'%1' lies outside the window (centre %2,%3 in %4x%5)")
        .arg(item->objectName())
        .arg(p.x())
        .arg(p.y())
        .arg(m_view->width())
        .arg(m_view->height());
  *centre = p;
  return QString();
}

QString SceneDriver::activate() const {
  if (!m_view) return QStringLiteral("no scene");
  if (!m_view->isVisible()) return QStringLiteral("the scene's window is not visible");
  QPointer<QWidget> window = m_view->window();
  if (!window->isActiveWindow()) {
    window->raise();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window, kWaitMs)) {
      // The wait runs the event loop: the window may have gone meanwhile.
      if (!window) return QStringLiteral("the window closed while waiting to become active");
      // Which window holds the activation, and whether a modal one blocks
      // this, is what tells a lost activation from a stolen one.
      const QWidget* active = QApplication::activeWindow();
      const QWidget* modal = QApplication::activeModalWidget();
      const QWindow* focus = QGuiApplication::focusWindow();
      return QStringLiteral(
                 "\"%1\" does not become the active window; active: %2, modal: %3, "
                 "focus window: %4; visible: %5")
          .arg(window->windowTitle(),
               active ? QString::fromLatin1(active->metaObject()->className())
                      : QStringLiteral("none"),
               modal ? QString::fromLatin1(modal->metaObject()->className())
                     : QStringLiteral("none"),
               focus ? focus->objectName() + QLatin1Char(' ') + focus->title()
                     : QStringLiteral("none"),
               describeWindows());
    }
  }
  if (!m_view->hasFocus()) m_view->setFocus(Qt::OtherFocusReason);
  return QString();
}

QString SceneDriver::click(const QString& name) {
  QString problem;
  QQuickItem* found = item(name, &problem);
  return found ? click(found) : problem;
}

QString SceneDriver::click(QQuickItem* target, Qt::MouseButton button,
                           Qt::KeyboardModifiers modifiers) {
  if (button == Qt::LeftButton && target) {
    const QString inactive = activate();
    if (!inactive.isEmpty()) return inactive;
  }
  QPoint centre;
  const QString problem = centreOf(target, &centre);
  if (!problem.isEmpty()) return problem;
  QPointer<QQuickItem> guard(target);
  // A press that opens a window or ends the scene may destroy the view
  // before the release: the release then has nobody to go to.
  QTest::mousePress(m_view, button, modifiers, centre);
  if (m_view) QTest::mouseRelease(m_view, button, modifiers, centre);
  return QString();
}

QString SceneDriver::doubleClick(const QString& name) {
  QString problem;
  QQuickItem* found = item(name, &problem);
  return found ? doubleClick(found) : problem;
}

QString SceneDriver::doubleClick(QQuickItem* target) {
  if (target) activate();
  QPoint centre;
  const QString problem = centreOf(target, &centre);
  if (!problem.isEmpty()) return problem;
  QTest::mouseClick(m_view, Qt::LeftButton, Qt::NoModifier, centre);
  if (m_view) QTest::mouseDClick(m_view, Qt::LeftButton, Qt::NoModifier, centre);
  return QString();
}

QString SceneDriver::rightClick(const QString& name) {
  QString problem;
  QQuickItem* found = item(name, &problem);
  return found ? rightClick(found) : problem;
}

QString SceneDriver::rightClick(QQuickItem* target) { return click(target, Qt::RightButton); }

QString SceneDriver::hover(QQuickItem* target) {
  QPoint centre;
  const QString problem = centreOf(target, &centre);
  if (!problem.isEmpty()) return problem;
  QTest::mouseMove(m_view, centre);
  // QTest::mouseMove moves the cursor; the view hears of it by an event.
  QMouseEvent move(QEvent::MouseMove, centre, m_view->mapToGlobal(centre), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(m_view, &move);
  return QString();
}

QString SceneDriver::type(const QString& text) {
  const QString problem = activate();
  if (!problem.isEmpty()) return problem;
  QTest::keyClicks(m_view, text);
  return QString();
}

QString SceneDriver::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  const QString problem = activate();
  if (!problem.isEmpty()) return problem;
  QTest::keyClick(m_view, key, modifiers);
  return QString();
}

QString SceneDriver::focus(const QString& name) {
  QString problem;
  QQuickItem* found = item(name, &problem);
  if (!found) return problem;
  problem = activate();
  if (!problem.isEmpty()) return problem;
  // The focus may rest on a part of a composite control (the editor of a
  // combo box): what counts is that the keys reach the item.
  const auto focusWithin = [this, found] {
    for (QQuickItem* i = m_view->quickWindow()->activeFocusItem(); i; i = i->parentItem())
      if (i == found) return true;
    return false;
  };
  found->forceActiveFocus(Qt::MouseFocusReason);
  if (!focusWithin()) {
    for (QQuickItem* child : everyItem(found))
      if (child->activeFocusOnTab() || child->inherits("QQuickTextInput")) {
        child->forceActiveFocus(Qt::MouseFocusReason);
        break;
      }
  }
  if (!focusWithin())
    return QStringLiteral("'%1' does not take the keyboard focus (it rests on '%2')")
        .arg(name, m_view->quickWindow()->activeFocusItem()
                       ? m_view->quickWindow()->activeFocusItem()->objectName()
                       : QStringLiteral("nothing"));
  return QString();
}

QString SceneDriver::text(const QString& name) const {
  QQuickItem* found = item(name);
  return found ? ownText(found) : QString();
}

bool SceneDriver::isVisible(const QString& name) const { return item(name); }

QString SceneDriver::pageText(const QString& name) const {
  auto* web = qobject_cast<QDeclarativeWebView2*>(anyItem(name));
  if (!web || !web->page()) return QString();
  return web->page()->mainFrame()->toPlainText();
}

QString SceneDriver::waitPageText(const QString& name, const QString& expected, int ms) const {
  if (QTest::qWaitFor([&] { return pageText(name).contains(expected); }, ms)) return QString();
  if (!anyItem(name)) return notFound(name);
  return QStringLiteral("'%1' shows \"%2\", not \"%3\"").arg(name, pageText(name), expected);
}

bool SceneDriver::isEnabled(const QString& name) const {
  QQuickItem* found = item(name);
  return found && found->isEnabled();
}

QString SceneDriver::waitVisible(const QString& name, int ms) const {
  if (QTest::qWaitFor([this, &name] { return item(name) != nullptr; }, ms)) return QString();
  return notFound(name);
}

QString SceneDriver::waitHidden(const QString& name, int ms) const {
  if (QTest::qWaitFor([this, &name] { return item(name) == nullptr; }, ms)) return QString();
  return QStringLiteral("'%1' is still visible").arg(name);
}

QString SceneDriver::waitText(const QString& name, const QString& expected, int ms) const {
  if (QTest::qWaitFor([&] { return text(name).contains(expected); }, ms)) return QString();
  if (!item(name)) return notFound(name);
  return QStringLiteral("'%1' says \"%2\", not \"%3\"").arg(name, text(name), expected);
}

// --- Menus ---

QMenu* openMenu() {
  if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) return popup;
  QMenu* last = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* menu = qobject_cast<QMenu*>(w))
      if (menu->isVisible()) last = menu;
  return last;
}

QString waitForMenu(QMenu** menu, int ms) {
  QMenu* found = nullptr;
  (void)QTest::qWaitFor([&found] { return (found = openMenu()) != nullptr; }, ms);
  if (menu) *menu = found;
  return found ? QString() : QStringLiteral("no menu opened");
}

QList<MenuEntry> menuEntries(QMenu* menu) {
  QList<MenuEntry> entries;
  if (!menu) return entries;
  for (QAction* a : menu->actions()) {
    if (a->isSeparator() || !a->isVisible()) continue;
    MenuEntry e;
    e.text = plain(a->text());
    e.enabled = a->isEnabled();
    e.checked = a->isCheckable() && a->isChecked();
    e.hasSubmenu = a->menu() != nullptr;
    entries << e;
  }
  return entries;
}

QStringList menuTexts(QMenu* menu) {
  QStringList texts;
  for (const MenuEntry& e : menuEntries(menu)) texts << e.text;
  return texts;
}

QStringList describe(QMenu* menu) {
  QStringList out;
  if (!menu) return out;
  for (QAction* a : menu->actions()) {
    if (!a->isVisible()) continue;
    if (a->isSeparator()) {
      out << QStringLiteral("-");
      continue;
    }
    QString text = a->text();
    if (a->menu()) text += QStringLiteral("[%1]").arg(a->menu()->actions().size());
    if (!a->isEnabled()) text.prepend(QLatin1Char('*'));
    out << text;
  }
  while (!out.isEmpty() && out.first() == QLatin1String("-")) out.removeFirst();
  while (!out.isEmpty() && out.last() == QLatin1String("-")) out.removeLast();
  for (int i = out.size() - 1; i > 0; --i)
    if (out.at(i) == QLatin1String("-") && out.at(i - 1) == QLatin1String("-")) out.removeAt(i);
  return out;
}

QString triggerMenuEntry(QMenu* menu, const QStringList& path) {
  QPointer<QMenu> level(menu);
  for (int step = 0; step < path.size(); ++step) {
    if (!level) return QStringLiteral("the menu went away before \"%1\"").arg(path.at(step));
    QAction* chosen = nullptr;
    for (QAction* a : level->actions())
      if (!a->isSeparator() && a->isVisible() && plain(a->text()) == path.at(step)) chosen = a;
    if (!chosen)
      return QStringLiteral("no entry \"%1\"; entries: %2")
          .arg(path.at(step), menuTexts(level).join(QStringLiteral(", ")));
    if (!chosen->isEnabled()) return QStringLiteral("\"%1\" is disabled").arg(path.at(step));
    const bool last = step == path.size() - 1;
    if (!last) {
      if (!chosen->menu()) return QStringLiteral("\"%1\" has no submenu").arg(path.at(step));
      // Hovering an entry with a submenu opens it, as with the mouse; some
      // submenus fill themselves on aboutToShow.
      if (level->isVisible()) {
        level->setActiveAction(chosen);
        (void)QTest::qWaitFor([&chosen] { return chosen->menu()->isVisible(); }, 2000);
      }
      if (!chosen->menu()->isVisible()) emit chosen->menu()->aboutToShow();
      level = chosen->menu();
      continue;
    }
    // Like a click on the entry: the menus close, then the action fires.
    if (level->isVisible()) {
      const QRect r = level->actionGeometry(chosen);
      if (r.isValid()) {
        QTest::mouseClick(level, Qt::LeftButton, Qt::NoModifier, r.center());
        return QString();
      }
    }
    closeMenus();
    chosen->trigger();
  }
  return QString();
}

void closeMenus() {
  for (int i = 0; i < 10; ++i) {
    QMenu* menu = openMenu();
    if (!menu) return;
    menu->close();
  }
}

// --- Windows ---

QList<QWidget*> visibleWindows() {
  QList<QWidget*> windows;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && !qobject_cast<QMenu*>(w)) windows << w;
  return windows;
}

QString describeWindows() {
  QStringList out;
  for (QWidget* w : visibleWindows())
    out << QStringLiteral("%1 \"%2\"")
               .arg(QString::fromLatin1(w->metaObject()->className()), w->windowTitle());
  return out.isEmpty() ? QStringLiteral("none") : out.join(QStringLiteral(", "));
}

QString liesOnScreen(QWidget* window) {
  if (!window) return QStringLiteral("no window");
  const QRect frame = window->frameGeometry();
  QScreen* screen = QGuiApplication::screenAt(frame.center());
  if (!screen) screen = window->screen();
  const QRect area = screen->availableGeometry();
  if (area.contains(frame)) return QString();
  return QStringLiteral("\"%1\" at %2,%3 %4x%5 leaves the screen %6,%7 %8x%9")
      .arg(window->windowTitle())
      .arg(frame.x())
      .arg(frame.y())
      .arg(frame.width())
      .arg(frame.height())
      .arg(area.x())
      .arg(area.y())
      .arg(area.width())
      .arg(area.height());
}

QString liesOver(QWidget* window, QWidget* owner) {
  if (!window || !owner) return QStringLiteral("no window or no owner");
  const QRect w = window->frameGeometry();
  const QRect o = owner->frameGeometry();
  if (o.contains(w.center()) || o.intersects(w)) return QString();
  return QStringLiteral("\"%1\" at %2,%3 lies away from \"%4\" at %5,%6 %7x%8")
      .arg(window->windowTitle())
      .arg(w.x())
      .arg(w.y())
      .arg(owner->windowTitle())
      .arg(o.x())
      .arg(o.y())
      .arg(o.width())
      .arg(o.height());
}

QString clickButton(QWidget* window, const QString& textOrName) {
  if (!window) return QStringLiteral("no window");
  QStringList seen;
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
    if (!b->isVisible()) continue;
    if (b->objectName() == textOrName || plain(b->text()) == textOrName) {
      if (!b->isEnabled()) return QStringLiteral("\"%1\" is disabled").arg(textOrName);
      window->activateWindow();
      QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
      return QString();
    }
    seen << (b->text().isEmpty() ? b->objectName() : plain(b->text()));
  }
  return QStringLiteral("no button \"%1\"; buttons: %2")
      .arg(textOrName, seen.join(QStringLiteral(", ")));
}

QString typeInto(QWidget* field, const QString& text) {
  if (!field) return QStringLiteral("no field");
  if (!field->isVisible()) return QStringLiteral("the field is not visible");
  field->window()->activateWindow();
  QApplication::setActiveWindow(field->window());
  field->setFocus(Qt::OtherFocusReason);
  QTest::keyClicks(field, text);
  return QString();
}

}  // namespace ZentTest

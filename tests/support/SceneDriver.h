#pragma once

#include <QList>
#include <QPointer>
#include <QQuickWidget>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtTest>

#include <functional>

#include "TestSupport.h"

class QMenu;
class QQuickItem;

namespace ZentTest {

// Drives one QML scene of ours the way a user does: items are found by their
// objectName among what is visible, clicked at their centre through the
// widget that shows the scene, typed into through the keyboard focus.
//
// Every action answers with a problem, empty when all went well, so that a
// test writes REQUIRE(scene.click("signinButton")) and fails at its own line
// with what the driver saw instead (the visible names, the row texts).
class SceneDriver {
 public:
  explicit SceneDriver(QQuickWidget* view = nullptr);
  // The scene of a window: the window itself when it is a QQuickWidget, else
  // its first visible QQuickWidget child.
  static SceneDriver of(QWidget* window);

  QQuickWidget* view() const { return m_view; }
  QQuickItem* root() const;
  bool isValid() const { return m_view; }

  // A visible item by objectName (the first in the scene's order).
  QQuickItem* item(const QString& name, QString* problem = nullptr) const;
  // By objectName whether shown or not.
  QQuickItem* anyItem(const QString& name) const;
  // Every visible item of that name.
  QList<QQuickItem*> items(const QString& name) const;
  // A visible item named `name` whose text, or the text or accessible name of
  // one of its visible descendants, contains `text` (list rows, menu rows).
  QQuickItem* row(const QString& name, const QString& text, QString* problem = nullptr) const;
  // The objectNames of everything visible, in the scene's order.
  QStringList visibleNames() const;

  QString click(const QString& name);
  QString click(QQuickItem* item, Qt::MouseButton button = Qt::LeftButton,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  QString doubleClick(const QString& name);
  QString doubleClick(QQuickItem* item);
  QString rightClick(const QString& name);
  QString rightClick(QQuickItem* item);
  // The pointer comes to rest over the item.
  QString hover(QQuickItem* item);

  // Keys go where the keyboard focus is: the window is activated first.
  QString type(const QString& text);
  QString press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Activates the window and gives the item the keyboard focus.
  QString focus(const QString& name);

  // The item's `text` property (empty when absent or not visible).
  QString text(const QString& name) const;
  bool isVisible(const QString& name) const;
  // What a web view item of the scene (a chat transcript) shows, as text.
  QString pageText(const QString& name) const;
  bool isEnabled(const QString& name) const;

  QString waitVisible(const QString& name, int ms = kWaitMs) const;
  QString waitHidden(const QString& name, int ms = kWaitMs) const;
  // Waits until the visible item's text contains `text`.
  QString waitText(const QString& name, const QString& text, int ms = kWaitMs) const;
  // Waits until the web view item shows `text`.
  QString waitPageText(const QString& name, const QString& text, int ms = kWaitMs) const;

  // The item's centre in the view's coordinates, or a problem when it lies
  // outside what the view shows (scrolled away, clipped, zero-sized).
  QString centreOf(QQuickItem* item, QPoint* centre) const;

 private:
  QString activate() const;
  QString notFound(const QString& name) const;

  QPointer<QQuickWidget> m_view;
};

// --- Menus (QMenu popups: right-click menus, option buttons, the tray) ---
struct MenuEntry {
  QString text;  // without the mnemonic '&'
  bool enabled = false;
  bool checked = false;
  bool hasSubmenu = false;
};

// The deepest visible popup menu, or null.
QMenu* openMenu();
QString waitForMenu(QMenu** menu, int ms = kWaitMs);
// Its entries, separators and hidden actions left out.
QList<MenuEntry> menuEntries(QMenu* menu);
QStringList menuTexts(QMenu* menu);
// A menu as text, an entry a line: "-" a separator, "*" before a disabled
// entry, "[n]" after a submenu of n entries; as QMenu shows it (no hidden
// entries, no leading, trailing or repeated separators).
QStringList describe(QMenu* menu);
// Triggers the entry at `path` ({"Transfer to", "New"}), opening submenus on
// the way as a user does; fails with the entries seen at the level that lacks
// the next step, or on a disabled entry.
QString triggerMenuEntry(QMenu* menu, const QStringList& path);
void closeMenus();

// --- Windows ---
QList<QWidget*> visibleWindows();

template <class T>
T* findWindow(std::function<bool(T*)> pred = {}) {
  for (QWidget* w : visibleWindows())
    if (T* t = qobject_cast<T*>(w))
      if (!pred || pred(t)) return t;
  return nullptr;
}

// The titles and classes of the visible windows, for failure messages.
QString describeWindows();

template <class T>
QString waitForWindow(T** out, std::function<bool(T*)> pred = {}, int ms = kWaitMs) {
  T* found = nullptr;
  (void)QTest::qWaitFor([&found, &pred] { return (found = findWindow<T>(pred)) != nullptr; }, ms);
  if (out) *out = found;
  if (found) return QString();
  return QStringLiteral("no such window appeared; visible: %1").arg(describeWindows());
}

// The window lies wholly on one screen (the one that holds its centre).
QString liesOnScreen(QWidget* window);
// The window's centre lies over its owner, or the two overlap at least.
QString liesOver(QWidget* window, QWidget* owner);

// --- Widget windows and dialogs ---
// Clicks the visible button whose objectName or text (without '&') is
// `textOrName`.
QString clickButton(QWidget* window, const QString& textOrName);
// Gives the field the focus and types into it.
QString typeInto(QWidget* field, const QString& text);

}  // namespace ZentTest

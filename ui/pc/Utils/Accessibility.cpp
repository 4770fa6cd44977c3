#include "Utils/Accessibility.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>

#include <QtQuick/private/qaccessiblequickitem_p.h>

#include "Widgets/Window.h"
#include "dialogs/MessageWindow.h"
#include "libqml/window/View.h"
#include "libqml/window/Window.h"

namespace Utils {
namespace Accessibility {
namespace {

// The dynamic property of an offscreen scene window that names its view.
const char kSceneView[] = "_zent_sceneView";

QML::View* viewOfScene(QObject* scene) {
  return qobject_cast<QML::View*>(scene->property(kSceneView).value<QObject*>());
}

// Whether Qt Quick made the item one a screen reader sees (the scene gave
// it an Accessible role or name, or Qt did for a text).
bool isAccessibleItem(QQuickItem* item) {
  for (QObject* child : item->children())
    if (child->inherits("QQuickAccessibleAttached")) return true;
  return false;
}

// The item a screen reader is told has the focus: the one that takes the
// keys, or the nearest around it that a screen reader sees.
QQuickItem* focusedItem(QQuickWindow* scene) {
  QQuickItem* focus = scene ? scene->activeFocusItem() : nullptr;
  while (focus && !isAccessibleItem(focus)) focus = focus->parentItem();
  return focus;
}

// The items of `item`'s subtree that a screen reader sees, nearest first:
// an item without an interface of its own passes its children on, as Qt's
// item interfaces do among themselves.
void accessibleItems(QQuickItem* item, QList<QQuickItem*>* out) {
  const auto childItems = item->childItems();
  for (QQuickItem* child : childItems) {
    if (isAccessibleItem(child))
      *out << child;
    else
      accessibleItems(child, out);
  }
}

// An item of a view's scene: Qt Quick's interface, but shown or hidden as
// the user sees it. Qt Quick takes an item for hidden whenever its window
// is, and the offscreen window of a view never is shown: every item would
// be said to be hidden. Here an item is shown when its view is, it and its
// ancestors are visible and none of them is fully transparent; it is off
// screen when it lies wholly outside what its clipping ancestors and its
// view show (a row scrolled away).
//
// Qt Quick may make an item's interface before the item is placed in its
// scene (while a screen reader runs, as the scene is built), so the item's
// view is looked up when asked; an item of any other window keeps Qt
// Quick's answer.
class ItemAccessible : public QAccessibleQuickItem {
 public:
  explicit ItemAccessible(QQuickItem* item) : QAccessibleQuickItem(item) {}

  QAccessible::State state() const override {
    QAccessible::State st = QAccessibleQuickItem::state();
    QML::View* view = item()->window() ? viewOfScene(item()->window()) : nullptr;
    if (!view) return st;
    st.invisible = !isShown(view);
    st.offscreen = !st.invisible && !onScreen(view);
    // Qt Quick says so of every focus scope around the focused item too;
    // a screen reader wants the one item that takes the keys.
    st.focused = !st.invisible && item() == focusedItem(item()->window());
    return st;
  }

  QString text(QAccessible::Text t) const override {
    const QString text = QAccessibleQuickItem::text(t);
    // Qt Quick keeps a password field's name to itself, though the name
    // says what the field is for, never what it holds: the scene gives it
    // again as the field's own "accessibleName".
    if (t == QAccessible::Name && text.isEmpty())
      return item()->property("accessibleName").toString();
    return text;
  }

 private:
  bool isShown(QML::View* view) const {
    if (!view->isVisible()) return false;
    for (QQuickItem* i = item(); i; i = i->parentItem())
      if (!i->isVisible() || qFuzzyIsNull(i->opacity())) return false;
    return true;
  }
  bool onScreen(QML::View* view) const {
    const QRectF own = item()->mapRectToScene(QRectF(0, 0, item()->width(), item()->height()));
    QRectF visible(0, 0, view->width(), view->height());
    for (QQuickItem* i = item()->parentItem(); i; i = i->parentItem())
      if (i->clip()) visible &= i->mapRectToScene(QRectF(0, 0, i->width(), i->height()));
    return own.intersects(visible) || (own.isEmpty() && visible.contains(own.topLeft()));
  }
};

// The offscreen window of a view, in the view's place.
class SceneAccessible : public QAccessibleObject {
 public:
  SceneAccessible(QQuickWindow* scene, QML::View* view) : QAccessibleObject(scene), m_view(view) {}

  QQuickWindow* scene() const { return static_cast<QQuickWindow*>(object()); }

  bool isValid() const override { return QAccessibleObject::isValid() && m_view; }
  QWindow* window() const override {
    return m_view && m_view->window() ? m_view->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
  }
  int childCount() const override { return items().size(); }
  QAccessibleInterface* child(int index) const override {
    const QList<QQuickItem*> list = items();
    return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list.at(index))
                                             : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    return items().indexOf(qobject_cast<QQuickItem*>(child->object()));
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QList<QQuickItem*> list = items();
    // The topmost first: later items are painted over earlier ones.
    for (int i = list.size() - 1; i >= 0; --i) {
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list.at(i));
      if (iface && !iface->state().invisible && iface->rect().contains(x, y)) return iface;
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    QQuickItem* focus = focusedItem(scene());
    return focus ? QAccessible::queryAccessibleInterface(focus) : nullptr;
  }
  QAccessible::Role role() const override { return QAccessible::Client; }
  QAccessible::State state() const override {
    QAccessible::State st;
    if (!m_view || !m_view->isVisible()) {
      st.invisible = true;
      return st;
    }
    st.active = m_view->window()->isActiveWindow();
    return st;
  }
  QRect rect() const override {
    if (!m_view) return QRect();
    return QRect(m_view->mapToGlobal(QPoint(0, 0)), m_view->size());
  }
  QString text(QAccessible::Text) const override { return QString(); }

 private:
  QList<QQuickItem*> items() const {
    QList<QQuickItem*> list;
    if (QQuickItem* content = scene()->contentItem()) accessibleItems(content, &list);
    return list;
  }

  QPointer<QML::View> m_view;
};

// A view: a plain widget of its window, or a popup window of its own, whose
// one child is its scene.
class ViewAccessible : public QAccessibleWidget {
 public:
  explicit ViewAccessible(QML::View* view) : QAccessibleWidget(view) {}

  QAccessible::Role role() const override {
    return widget()->isWindow() ? QAccessible::Window : QAccessible::Client;
  }
  int childCount() const override { return scene() ? 1 : 0; }
  QAccessibleInterface* child(int index) const override { return index == 0 ? scene() : nullptr; }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child == scene() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    QAccessibleInterface* s = scene();
    return s && s->rect().contains(x, y) ? s : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    QAccessibleInterface* s = scene();
    return s ? s->focusChild() : nullptr;
  }
  QAccessible::State state() const override {
    QAccessible::State st = QAccessibleWidget::state();
    // The keyboard focus is on an item of the scene, which says so itself.
    if (focusChild()) st.focused = false;
    return st;
  }

 private:
  QAccessibleInterface* scene() const {
    auto* view = static_cast<QML::View*>(widget());
    return view && view->quickWindow() ? QAccessible::queryAccessibleInterface(view->quickWindow())
                                       : nullptr;
  }
};

// A window of ours: as a top-level window a frame or a dialog, named by its
// title; laid into another window (a dialog's body), a part of that one.
// The role follows the widget, which may be made before it is laid in.
class WindowAccessible : public QAccessibleWidget {
 public:
  WindowAccessible(QWidget* window, QAccessible::Role topLevelRole)
      : QAccessibleWidget(window), m_topLevelRole(topLevelRole) {}

  QAccessible::Role role() const override {
    return widget()->isWindow() ? m_topLevelRole : QAccessible::Client;
  }
  QString text(QAccessible::Text t) const override {
    auto* message = qobject_cast<Dialogs::MessageWindow*>(widget());
    if (message && t == QAccessible::Description) return message->messageLabel()->text();
    const QString text = QAccessibleWidget::text(t);
    // A message without a title is named by what it says.
    if (message && t == QAccessible::Name && text.isEmpty()) return message->messageLabel()->text();
    return text;
  }

 private:
  QAccessible::Role m_topLevelRole;
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
  Q_UNUSED(className);
  if (!object) return nullptr;
  if (auto* view = qobject_cast<QML::View*>(object)) return new ViewAccessible(view);
  if (auto* window = qobject_cast<QML::Window*>(object))
    return new WindowAccessible(window, QAccessible::Window);
  if (auto* window = qobject_cast<Widgets::Window*>(object))
    return new WindowAccessible(window, QAccessible::Dialog);
  // A plain dialog laid into another window (a message window's body) is
  // part of that window, not a second dialog without a name.
  if (object->metaObject() == &QDialog::staticMetaObject)
    return new WindowAccessible(static_cast<QDialog*>(object), QAccessible::Dialog);
  if (auto* scene = qobject_cast<QQuickWindow*>(object)) {
    if (QML::View* view = viewOfScene(scene)) return new SceneAccessible(scene, view);
    return nullptr;
  }
  if (auto* item = qobject_cast<QQuickItem*>(object))
    return isAccessibleItem(item) ? new ItemAccessible(item) : nullptr;
  return nullptr;
}

// Items whose interfaces Qt Quick made before ours was asked get ours.
void replaceItemInterfaces(QQuickItem* item) {
  const auto childItems = item->childItems();
  for (QQuickItem* child : childItems) {
    if (isAccessibleItem(child)) {
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child);
      if (iface && !dynamic_cast<ItemAccessible*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
    replaceItemInterfaces(child);
  }
}

}  // namespace

void install() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(factory);
}

void registerScene(QML::View* view, QQuickWindow* scene) {
  if (!scene) return;
  scene->setProperty(kSceneView, QVariant::fromValue<QObject*>(view));
  // Qt asks the factories last installed first, and Qt Quick installs its
  // own (which answers for every QQuickWindow) when the first scene is
  // loaded: come before it again.
  QAccessible::removeFactory(factory);
  QAccessible::installFactory(factory);
  // An interface Qt made for the scene before (while a screen reader runs,
  // as the view is built) gives way to ours.
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(scene);
  if (iface && !dynamic_cast<SceneAccessible*>(iface))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
  if (QQuickItem* content = scene->contentItem()) replaceItemInterfaces(content);
}

}  // namespace Accessibility
}  // namespace Utils

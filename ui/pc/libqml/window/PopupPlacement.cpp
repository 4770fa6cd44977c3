#include "libqml/window/PopupPlacement.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QQuickItem>
#include <QQuickRenderControl>
#include <QQuickWindow>
#include <QWindow>

namespace QML {

QPoint sceneToGlobal(const QQuickItem* item, const QPointF& scenePoint) {
  const QPoint point = scenePoint.toPoint();
  QQuickWindow* scene = item ? item->window() : nullptr;
  if (!scene) return point;
  QPoint offset;
  // The render window is the top-level window of the widget that shows the
  // scene, with the widget's place in it; a scene in a window of its own
  // answers null and maps itself.
  if (QWindow* shown = QQuickRenderControl::renderWindowFor(scene, &offset))
    return shown->mapToGlobal(point + offset);
  return scene->mapToGlobal(point);
}

namespace {
// A disabled menu (the availability menu while the service is lost) takes no
// key and no click: shown as it is, Esc would not close it and the click
// meant to close it would be lost on it. Its entries are shown instead in a
// menu of their own, all greyed, that closes as every menu does.
QMenu* greyedCopy(QMenu* menu) {
  auto* copy = new QMenu;
  copy->setAttribute(Qt::WA_DeleteOnClose);
  copy->setObjectName(menu->objectName());
  copy->setTitle(menu->title());
  const auto entries = menu->actions();
  for (QAction* entry : entries) {
    if (!entry->isVisible()) continue;
    if (entry->isSeparator()) {
      copy->addSeparator();
      continue;
    }
    QAction* shown = copy->addAction(entry->icon(), entry->text());
    shown->setCheckable(entry->isCheckable());
    shown->setChecked(entry->isChecked());
    shown->setEnabled(false);
  }
  return copy;
}
}  // namespace

void popupMenu(QMenu* menu, const QPoint& globalPos, QAction* atAction) {
  if (!menu) return;
  if (!menu->isEnabled()) {
    menu = greyedCopy(menu);
    atAction = nullptr;
  }
  // A menu opened while another is up (a key, a screen reader's action, a
  // scene that hears a click the open menu did not take) would lie over it.
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (QWidget* w : windows) {
    auto* open = qobject_cast<QMenu*>(w);
    if (open && open != menu && open->isVisible()) open->hide();
  }
  // Qt keeps a reader's interface of an entry for the menu it was first
  // shown in: an action put in a new menu (one made each time it opens)
  // would be read as an entry of a menu long gone, and the reader hears
  // nothing. Such interfaces are made again for this menu.
  if (QAccessible::isActive()) {
    const auto entries = menu->actions();
    for (QAction* action : entries) {
      QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(action);
      QAccessibleInterface* owner = entry ? entry->parent() : nullptr;
      if (entry && (!owner || owner->object() != menu))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(entry));
    }
  }
  menu->popup(globalPos, atAction);
  // A screen reader follows the keyboard by the entry that is current: with
  // none, the menu that just took the keys says nothing, and its user hears
  // no more than the button that opened it. The entry it opens at, or the
  // first, is made current, as a menu opened from the keyboard does on the
  // desktop: by the key that does so, which opens no submenu.
  if (!QAccessible::isActive()) return;
  if (atAction && atAction->isEnabled()) {
    if (menu->activeAction() != atAction) menu->setActiveAction(atAction);
    return;
  }
  menu->setActiveAction(nullptr);
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QCoreApplication::sendEvent(menu, &down);
}

}  // namespace QML

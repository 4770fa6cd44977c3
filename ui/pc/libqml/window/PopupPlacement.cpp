#include "libqml/window/PopupPlacement.h"

#include <QApplication>
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

void popupMenu(QMenu* menu, const QPoint& globalPos, QAction* atAction) {
  if (!menu) return;
  // A menu opened while another is up (a key, a screen reader's action, a
  // scene that hears a click the open menu did not take) would lie over it.
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (QWidget* w : windows) {
    auto* open = qobject_cast<QMenu*>(w);
    if (open && open != menu && open->isVisible()) open->hide();
  }
  menu->popup(globalPos, atAction);
}

}  // namespace QML

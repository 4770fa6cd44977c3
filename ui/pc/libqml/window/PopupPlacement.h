#pragma once

#include <QPoint>
#include <QPointF>

class QAction;
class QMenu;
class QQuickItem;

namespace QML {

// Where a scene's point lies on the screen. A scene shown by a QQuickWidget
// renders into a window of its own that never appears, and whose position
// is only brought up to date when the widget itself moves: a window moved by
// the user leaves it behind. The widget that shows the scene is asked
// instead. `scenePoint` is in the scene's coordinates (mapToItem(null, ...)).
QPoint sceneToGlobal(const QQuickItem* item, const QPointF& scenePoint);

// Pops `menu` up with its top-left corner at `globalPos` (over `atAction`
// when given), kept on the screen by the menu itself. Any other menu that is
// still open goes first: one menu at a time, whichever opened it.
void popupMenu(QMenu* menu, const QPoint& globalPos, QAction* atAction = nullptr);

}  // namespace QML

#include "libqml/items/CenteredFlow.h"

#include <QtMath>

DeclarativeBasePositioner::DeclarativeBasePositioner(QQuickItem* parent) : QQuickItem(parent) {}

DeclarativeBasePositioner::~DeclarativeBasePositioner() {
  for (const PositionedItem& entry : qAsConst(m_items)) watch(entry.item, false);
}

void DeclarativeBasePositioner::setSpacing(int spacing) {
  if (spacing == m_spacing) return;
  m_spacing = spacing;
  prePositioning();
  emit spacingChanged();
}

void DeclarativeBasePositioner::watch(QQuickItem* child, bool on) {
  if (!child) return;
  if (on) {
    connect(child, SIGNAL(widthChanged()), this, SLOT(graphicsWidgetGeometryChanged()));
    connect(child, SIGNAL(heightChanged()), this, SLOT(graphicsWidgetGeometryChanged()));
    connect(child, SIGNAL(opacityChanged()), this, SLOT(graphicsWidgetGeometryChanged()));
    connect(child, SIGNAL(visibleChanged()), this, SLOT(graphicsWidgetGeometryChanged()));
  } else {
    disconnect(child, nullptr, this, nullptr);
  }
}

void DeclarativeBasePositioner::graphicsWidgetGeometryChanged() { prePositioning(); }

void DeclarativeBasePositioner::componentComplete() {
  QQuickItem::componentComplete();
  m_items.reserve((childItems().size() + 7) / 8 * 8);
  prePositioning();
}

void DeclarativeBasePositioner::itemChange(ItemChange change, const ItemChangeData& value) {
  QQuickItem::itemChange(change, value);
  if (change == ItemChildAddedChange) {
    prePositioning();
  } else if (change == ItemChildRemovedChange) {
    QQuickItem* child = value.item;
    watch(child, false);
    for (int i = 0; i < m_items.size(); ++i) {
      if (m_items.at(i).item == child) {
        m_items.removeAt(i);
        break;
      }
    }
    prePositioning();
  }
}

void DeclarativeBasePositioner::prePositioning() {
  if (!isComponentComplete()) return;
  // Moving and resizing children from here raises the very signals that
  // brought us here; one layout at a time is enough.
  if (m_positioning) return;
  m_positioning = true;

  const QVector<PositionedItem> old = m_items;
  m_items.clear();
  const QList<QQuickItem*> children = childItems();
  for (QQuickItem* child : children) {
    PositionedItem entry;
    bool known = false;
    for (const PositionedItem& o : old) {
      if (o.item == child) {
        entry = o;
        entry.isNew = false;
        known = true;
        break;
      }
    }
    if (!known) {
      watch(child, true);
      entry.item = child;
      entry.isNew = true;
    }
    // Only opacity and size decide: a child hidden through `visible` but
    // keeping its size still takes part, as scenes rely on.
    entry.isVisible = child->opacity() > 0.0 && child->width() != 0.0 && child->height() != 0.0;
    m_items.append(entry);
  }
  // Children that left were unwatched on removal; the old entries go here.

  QSizeF contentSize(-1, -1);
  doPositioning(&contentSize);
  setImplicitHeight(contentSize.height());
  setImplicitWidth(contentSize.width());
  m_positioning = false;
}

CenteredFlow::CenteredFlow(QQuickItem* parent) : DeclarativeBasePositioner(parent) {
  connect(this, SIGNAL(widthChanged()), this, SLOT(prePositioning()));
  connect(this, SIGNAL(heightChanged()), this, SLOT(prePositioning()));
}

void CenteredFlow::doPositioning(QSizeF* contentSize) {
  const QVector<PositionedItem>& items = positionedItems();
  const int spacing = this->spacing();
  const qreal flowWidth = width();
  int x = 0;
  int y = 0;
  int rowHeight = 0;
  QVector<QPair<int, int>> row;  // (entry index, x within the row)

  auto closeRow = [&]() {
    const int offset = int((flowWidth - x + spacing) * 0.5);
    for (const QPair<int, int>& placed : qAsConst(row)) {
      QQuickItem* child = items.at(placed.first).item;
      if (!child) continue;
      const int childX = offset + placed.second;
      child->setX(childX < 0 ? 0 : childX);
    }
    row.clear();
  };

  for (int i = 0; i < items.size(); ++i) {
    const PositionedItem& entry = items.at(i);
    QQuickItem* child = entry.item;
    if (!child || !entry.isVisible) continue;
    const qreal childWidth = child->width();
    const qreal childHeight = child->height();
    if (hasExplicitWidth() && x != 0 && flowWidth < x + childWidth) {
      closeRow();
      x = 0;
      y = y + rowHeight + spacing;
      rowHeight = 0;
    }
    row.append(qMakePair(i, x));
    if (child->y() != y) child->setY(y);
    contentSize->setHeight(qMax(contentSize->height(), y + childHeight));
    x = int(x + childWidth) + spacing;
    rowHeight = qMax(rowHeight, int(qCeil(childHeight)));
  }
  closeRow();
  contentSize->setWidth(flowWidth);
}

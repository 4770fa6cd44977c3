#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QSizeF>
#include <QVector>

// The base of our positioners: keeps the list of positioned children,
// watches each for size, opacity and visibility changes and lays them out
// again at once, through the subclass's doPositioning. A child counts as
// visible while its opacity is above 0 and it has a width and a height.
class DeclarativeBasePositioner : public QQuickItem {
  Q_OBJECT
  Q_PROPERTY(int spacing READ spacing WRITE setSpacing NOTIFY spacingChanged)

 public:
  explicit DeclarativeBasePositioner(QQuickItem* parent = nullptr);
  ~DeclarativeBasePositioner() override;

  int spacing() const { return m_spacing; }
  void setSpacing(int spacing);

 public slots:
  void prePositioning();
  void graphicsWidgetGeometryChanged();

 signals:
  void spacingChanged();

 protected:
  struct PositionedItem {
    QPointer<QQuickItem> item;
    bool isNew = true;
    bool isVisible = true;
  };

  virtual void doPositioning(QSizeF* contentSize) = 0;
  const QVector<PositionedItem>& positionedItems() const { return m_items; }
  bool hasExplicitWidth() const { return widthValid(); }

  void componentComplete() override;
  void itemChange(ItemChange change, const ItemChangeData& value) override;

 private:
  void watch(QQuickItem* child, bool on);

  QVector<PositionedItem> m_items;
  int m_spacing = 0;
  bool m_positioning = false;
};

// Element "CenteredFlow": lays its visible children out left to right in
// rows, wrapping when the next child does not fit an explicitly set width,
// and centres every row.
class CenteredFlow : public DeclarativeBasePositioner {
  Q_OBJECT

 public:
  explicit CenteredFlow(QQuickItem* parent = nullptr);

 protected:
  void doPositioning(QSizeF* contentSize) override;
};

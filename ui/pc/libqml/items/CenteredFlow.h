#pragma once

#include <QQuickItem>

// Element "CenteredFlow": lays its children out in centred rows.
class CenteredFlow : public QQuickItem {
  Q_OBJECT
  Q_PROPERTY(qreal spacing READ spacing WRITE setSpacing NOTIFY spacingChanged)

 public:
  explicit CenteredFlow(QQuickItem* parent = nullptr) : QQuickItem(parent) {}
  qreal spacing() const { return m_spacing; }
  void setSpacing(qreal s) {
    if (s == m_spacing) return;
    m_spacing = s;
    emit spacingChanged();
  }

 signals:
  void spacingChanged();

 private:
  qreal m_spacing = 0;
};

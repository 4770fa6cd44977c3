#pragma once

#include <QAbstractItemModel>
#include <QMenu>
#include <QPointer>
#include <QQuickItem>

namespace QML {

// Element "Menu": pops up a native menu handed over by the application or
// built from a list model.
class QmlMenu : public QQuickItem {
  Q_OBJECT
  Q_PROPERTY(QAbstractItemModel* model READ model WRITE setModel NOTIFY modelChanged)
  Q_PROPERTY(QMenu* menu READ menu WRITE setMenu NOTIFY menuChanged)

 public:
  explicit QmlMenu(QQuickItem* parent = nullptr) : QQuickItem(parent) {}

  QAbstractItemModel* model() const { return m_model; }
  QMenu* menu() const { return m_menu; }
  void setMenu(QMenu* menu) {
    if (menu == m_menu) return;
    m_menu = menu;
    emit menuChanged();
  }

 public slots:
  void dataChanged() {}
  void setModel(QAbstractItemModel* model) {
    if (model == m_model) return;
    m_model = model;
    emit modelChanged();
  }
  void showPopup(const QPointF& pt) { Q_UNUSED(pt); }

 signals:
  void modelChanged();
  void menuChanged();
  void triggered(QAction* action);

 protected:
  QPointer<QMenu> m_menu;
  QPointer<QAbstractItemModel> m_model;
};

// Element "SecurityClassificationMenu": the menu of the in-call security
// classifications, marking the current one.
class QmlSecurityClassMenu : public QmlMenu {
  Q_OBJECT

 public:
  explicit QmlSecurityClassMenu(QQuickItem* parent = nullptr) : QmlMenu(parent) {}

 public slots:
  void setInCallSecurityClassification(const QString& text) { m_current = text; }
  void updateLanguage() {}

 private:
  QString m_current;
};

}  // namespace QML

#pragma once

#include <QAbstractItemModel>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QQuickItem>
#include <QScopedPointer>

namespace QML {

// Element "Menu": pops up a native menu that the application hands over
// (`menu`) or that is built from a list model (`model`), one entry per row:
// the display role is the text, the decoration role the icon, Qt::UserRole
// (when set) the entry's data; rows that are not enabled give disabled
// entries. Every entry carries its row as the dynamic property "row".
//
// The menu and the model belong to whoever hands them over and are watched,
// never deleted. When a model comes without a menu the item builds into a
// menu of its own, so a scene can offer a list of actions by itself.
// Handing over the same menu again changes nothing; handing over another
// cuts the old one off, so `triggered` reports each choice exactly once.
class QmlMenu : public QQuickItem {
  Q_OBJECT
  Q_PROPERTY(QAbstractItemModel* model READ model WRITE setModel NOTIFY modelChanged)
  Q_PROPERTY(QMenu* menu READ menu WRITE setMenu NOTIFY menuChanged)

 public:
  explicit QmlMenu(QQuickItem* parent = nullptr);
  ~QmlMenu() override;

  QAbstractItemModel* model() const { return m_model; }
  QMenu* menu() const { return m_menu; }
  void setMenu(QMenu* menu);

  // The menu entries are built into: the handed-over menu, else the own one
  // once a model is set, else null.
  QMenu* targetMenu() const;

 public slots:
  void dataChanged();
  void setModel(QAbstractItemModel* model);
  // `point` in the coordinates of the scene (mapToItem(null, x, y)).
  void showPopup(const QPoint& point);

 signals:
  void modelChanged();
  void menuChanged();
  void triggered(QAction* action);

 protected:
  // Entries whose text equals the marked text get " " + suffix appended
  // and the plain text as data.
  void setMarker(const QString& suffix, const QString& markedText);
  QString markedText() const { return m_markedText; }

 private:
  void watchMenu(QMenu* menu, bool watch);

  QPointer<QMenu> m_menu;
  QPointer<QAbstractItemModel> m_model;
  QString m_markerSuffix;
  QString m_markedText;
  QScopedPointer<QMenu> m_ownMenu;
};

// Element "SecurityClassificationMenu": the menu of the in-call security
// classifications, marking the current one with "(Current Call)".
class QmlSecurityClassMenu : public QmlMenu {
  Q_OBJECT

 public:
  explicit QmlSecurityClassMenu(QQuickItem* parent = nullptr);

 public slots:
  void setInCallSecurityClassification(const QString& text);
  void updateLanguage();
};

}  // namespace QML

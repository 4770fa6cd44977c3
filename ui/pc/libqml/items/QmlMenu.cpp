#include "libqml/items/QmlMenu.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QQuickWindow>

#include "libqml/window/PopupPlacement.h"

namespace QML {

QmlMenu::QmlMenu(QQuickItem* parent) : QQuickItem(parent) {}

QmlMenu::~QmlMenu() = default;

QMenu* QmlMenu::targetMenu() const {
  if (m_menu) return m_menu.data();
  return m_ownMenu.data();
}

void QmlMenu::watchMenu(QMenu* menu, bool watch) {
  if (!menu) return;
  if (watch)
    connect(menu, SIGNAL(triggered(QAction*)), this, SIGNAL(triggered(QAction*)),
            Qt::UniqueConnection);
  else
    disconnect(menu, SIGNAL(triggered(QAction*)), this, SIGNAL(triggered(QAction*)));
}

void QmlMenu::setMenu(QMenu* menu) {
  // A binding re-evaluated to the same menu must not connect it twice: the
  // action would then run once per evaluation.
  if (menu == m_menu) return;
  watchMenu(m_menu, false);
  m_menu = menu;
  watchMenu(menu, true);
  if (menu) {
    watchMenu(m_ownMenu.data(), false);
    m_ownMenu.reset();
  }
  emit menuChanged();
  if (menu && m_model) dataChanged();
}

void QmlMenu::setModel(QAbstractItemModel* model) {
  if (model == m_model) return;
  if (m_model) disconnect(m_model, nullptr, this, nullptr);
  m_model = model;
  emit modelChanged();
  if (model) {
    // Any change of the rows rebuilds: a menu that missed an inserted or
    // removed row would offer entries that are gone or hide new ones.
    connect(model, SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)), this,
            SLOT(dataChanged()));
    connect(model, SIGNAL(rowsInserted(QModelIndex, int, int)), this, SLOT(dataChanged()));
    connect(model, SIGNAL(rowsRemoved(QModelIndex, int, int)), this, SLOT(dataChanged()));
    connect(model, SIGNAL(rowsMoved(QModelIndex, int, int, QModelIndex, int)), this,
            SLOT(dataChanged()));
    connect(model, SIGNAL(modelReset()), this, SLOT(dataChanged()));
    connect(
        model,
        SIGNAL(layoutChanged(QList<QPersistentModelIndex>, QAbstractItemModel::LayoutChangeHint)),
        this, SLOT(dataChanged()));
    if (!m_menu && !m_ownMenu) {
      m_ownMenu.reset(new QMenu());
      watchMenu(m_ownMenu.data(), true);
    }
  }
  dataChanged();
}

void QmlMenu::dataChanged() {
  QMenu* menu = targetMenu();
  if (!menu) return;
  menu->clear();
  if (!m_model) return;
  const int rows = m_model->rowCount();
  for (int row = 0; row < rows; ++row) {
    const QModelIndex index = m_model->index(row, 0);
    const QVariant decoration = index.data(Qt::DecorationRole);
    QIcon icon;
    if (decoration.canConvert<QIcon>())
      icon = decoration.value<QIcon>();
    else if (decoration.canConvert<QPixmap>())
      icon = QIcon(decoration.value<QPixmap>());
    const QString text = index.data(Qt::DisplayRole).toString();
    QAction* action = nullptr;
    if (!m_markerSuffix.isEmpty() && text == m_markedText) {
      action = menu->addAction(icon, text + QLatin1Char(' ') + m_markerSuffix);
      action->setData(text);
    } else {
      action = menu->addAction(icon, text);
      const QVariant data = index.data(Qt::UserRole);
      if (data.isValid()) action->setData(data);
    }
    action->setEnabled(m_model->flags(index).testFlag(Qt::ItemIsEnabled));
    action->setProperty("row", row);
  }
}

void QmlMenu::showPopup(const QPoint& point) {
  QMenu* menu = targetMenu();
  if (!menu || !QApplication::activeWindow()) return;
  popupMenu(menu, sceneToGlobal(this, point));
}

void QmlMenu::setMarker(const QString& suffix, const QString& markedText) {
  m_markerSuffix = suffix;
  m_markedText = markedText;
  dataChanged();
}

QmlSecurityClassMenu::QmlSecurityClassMenu(QQuickItem* parent) : QmlMenu(parent) {
  setMarker(tr("(Current Call)"), QString());
}

void QmlSecurityClassMenu::setInCallSecurityClassification(const QString& text) {
  setMarker(tr("(Current Call)"), text);
}

void QmlSecurityClassMenu::updateLanguage() { setMarker(tr("(Current Call)"), markedText()); }

}  // namespace QML

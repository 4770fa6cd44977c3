#pragma once

#include <QItemSelectionModel>
#include <QObject>
#include <QPointer>
#include <QVariant>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Models/SelectionHandler.h>

class QAbstractItemModel;

namespace Utils {

// One selection of a main-window list shared by everything that acts on it:
// the QML list (clicks with modifiers, keyboard moves), the menus and
// actions (through the window's selection slots), and drag and drop (the
// selection as text). The selection itself is the native selection model,
// so no side keeps a copy that could disagree.
//
// Rows whose item type is none (group headers and the like) are
// never collected or selected by object. Any removal of rows clears the
// selection: an index kept across it could name another row.
class SelectionHandlerBase : public QObject {
  Q_OBJECT
  Q_PROPERTY(QVariantList selection READ selectionVariant NOTIFY selectionChanged)
  Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)

 public:
  static const int ItemTypeRole = RAZ::Models::SelectionHandler::ItemTypeRole;

  SelectionHandlerBase(QAbstractItemModel* model, QItemSelectionModel* selection,
                       QObject* parent = nullptr);

  QAbstractItemModel* model() const { return m_model; }
  QItemSelectionModel* selectionModel() const { return m_selection; }

  // The selected rows' objects, each once, in the selection model's order.
  QList<QObject*> selection() const;
  QVariantList selectionVariant() const;
  int currentIndex() const;
  void setCurrentIndex(int row);
  Q_INVOKABLE bool isSelected(int row) const;

  // Clears the selection and selects every row whose object is given.
  void setSelection(const QList<QObject*>& objects);
  void clear();
  // Moves to the next selectable row down (or up) and selects it; never
  // wraps around.
  void moveCurrent(bool up);
  int lastModifiers() const { return m_lastModifiers; }

  virtual int itemRole() const = 0;
  virtual bool isSelectableItem(const QModelIndex& index) const = 0;

 public slots:
  // A click on `row` with the mouse event's modifiers (Qt::KeyboardModifiers).
  void select(int row, int modifiers);
  virtual QString selectionAsString() = 0;

 signals:
  void currentIndexChanged();
  // The selected rows changed, or the model was reset under them.
  void selectionChanged();

 protected:
  QObject* objectAt(const QModelIndex& index) const;

 private:
  QPointer<QAbstractItemModel> m_model;
  QPointer<QItemSelectionModel> m_selection;
  int m_lastModifiers = 0;
};

// The contact list's selection ("selectionHandler").
class ContactSelectionHandler : public SelectionHandlerBase {
  Q_OBJECT

 public:
  using SelectionHandlerBase::SelectionHandlerBase;

  int itemRole() const override { return RAZ::Contacts::Contacts::ContactObjectRole; }
  bool isSelectableItem(const QModelIndex& index) const override;

 public slots:
  QString selectionAsString() override;
};

}  // namespace Utils

#pragma once

#include <RAZ/Models/ActiveComms.h>

#include "Utils/SelectionHandlerBase.h"

namespace Utils {

// The active communications' selection ("activeSelectionHandler"). Its
// text for drag data names each selected session by its party's contact
// identifier; a session without a party contributes nothing.
class ActiveSelectionHandler : public SelectionHandlerBase {
  Q_OBJECT

 public:
  using SelectionHandlerBase::SelectionHandlerBase;

  int itemRole() const override { return RAZ::Models::ActiveCommsModel::SessionRole; }
  bool isSelectableItem(const QModelIndex& index) const override;

 public slots:
  QString selectionAsString() override;
  // The parties of the selected sessions, each once, in selection order.
  QVariantList selectionAsContacts();
  // Selects the first session when it is an answered call, so that the
  // list and the menus follow a call the user just took.
  void activeSelectionSessionLookup();
};

}  // namespace Utils

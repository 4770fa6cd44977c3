#pragma once

#include "dialogs/InputWidget.h"

namespace Widgets {

// Asks for the name of a new contact group (opened without a name) or the
// new name of an existing one.
class GroupNameInput : public InputWidget {
  Q_OBJECT

 public:
  static const int MaximumNameLength = 256;

  GroupNameInput(const QString& name, bool alwaysOnTop, QWidget* parent);

  bool isAddMode() const { return m_addMode; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();

  bool m_addMode = true;
};

}  // namespace Widgets

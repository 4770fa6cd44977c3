#include "dialogs/GroupNameInput.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include "ui_inputWidget.h"

namespace Widgets {

GroupNameInput::GroupNameInput(const QString& name, bool alwaysOnTop, QWidget* parent)
    : InputWidget(name, alwaysOnTop, parent), m_addMode(name.isNull()) {
  m_form->nameEdit->setMaxLength(MaximumNameLength);
  // Setting the limit re-sets the text and drops the selection.
  m_form->nameEdit->selectAll();
  retranslate();
}

void GroupNameInput::retranslate() {
  if (m_addMode) {
    setTitle(tr("Add Group"));
    m_form->nameLabel->setText(tr("Enter a group name"));
  } else {
    setTitle(tr("Edit Group"));
    m_form->nameLabel->setText(tr("Edit group name"));
  }
}

void GroupNameInput::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  InputWidget::changeEvent(event);
}

}  // namespace Widgets

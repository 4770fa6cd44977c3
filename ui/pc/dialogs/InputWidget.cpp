#include "dialogs/InputWidget.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>

#include "libqml/window/View.h"
#include "ui_inputWidget.h"

namespace Widgets {

InputWidget::InputWidget(const QString& text, bool alwaysOnTop, QWidget* parent)
    : QML::Window(alwaysOnTop, parent), m_form(new Ui::inputWidget) {
  // The window's scene area stays unused: the form is all there is.
  view()->hide();
  m_form->setupUi(this);
  setWindowFlags(windowFlags() | Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_DeleteOnClose);
  m_form->nameEdit->setText(text);
  m_form->nameEdit->selectAll();
  textEdited(text);

  connect(m_form->nameEdit, SIGNAL(textEdited(QString)), this, SLOT(textEdited(QString)));
  connect(m_form->nameEdit, SIGNAL(returnPressed()), this, SLOT(accepted()));
  connect(m_form->buttonBox, SIGNAL(accepted()), this, SLOT(accepted()));
  connect(m_form->buttonBox, SIGNAL(rejected()), this, SLOT(close()));
  // Esc and Ctrl+W leave as Cancel does. (The window's scene, which would
  // hear Esc, is unused here.)
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, SIGNAL(activated()), this, SLOT(close()));
  }
}

InputWidget::~InputWidget() { delete m_form; }

QString InputWidget::helpContext() const { return QStringLiteral("addGroup"); }

QPushButton* InputWidget::okButton() const {
  return m_form->buttonBox->button(QDialogButtonBox::Ok);
}

void InputWidget::textEdited(QString text) {
  if (!m_online) return;
  okButton()->setEnabled(!text.trimmed().isEmpty());
}

void InputWidget::enableAddGroup() {
  m_online = true;
  okButton()->setEnabled(!m_form->nameEdit->text().trimmed().isEmpty());
}

void InputWidget::disableAddGroup() {
  m_online = false;
  okButton()->setEnabled(false);
}

void InputWidget::accepted() {
  const QString name = m_form->nameEdit->text().trimmed();
  if (name.isEmpty()) return;
  // Return in the field must not get round the disabled OK button: a name
  // confirmed while the service is away would be lost.
  if (!m_online) return;
  emit accepted(name);
  close();
}

}  // namespace Widgets

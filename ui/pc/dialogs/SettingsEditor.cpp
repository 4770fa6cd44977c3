#include "dialogs/SettingsEditor.h"

#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <RAZ/Utils/FileWrites.h>

#include "dialogs/MessageWindow.h"

namespace Dialogs {

SettingsEditor::SettingsEditor(bool alwaysOnTop, QWidget* parent)
    : PopupWindow(alwaysOnTop, parent) {
  setObjectName(QStringLiteral("settingsEditorWindow"));
  m_buttons = new QWidget(this);
  m_buttons->setObjectName(QStringLiteral("settingsEditorButtons"));
  auto* row = new QHBoxLayout(m_buttons);
  row->addItem(new QSpacerItem(10, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
  m_ok = new QPushButton(m_buttons);
  m_ok->setObjectName(QStringLiteral("okButton"));
  m_ok->setDefault(true);
  row->addWidget(m_ok);
  m_cancel = new QPushButton(m_buttons);
  m_cancel->setObjectName(QStringLiteral("cancelButton"));
  row->addWidget(m_cancel);
  connect(m_ok, SIGNAL(clicked()), this, SLOT(okPressed()));
  connect(m_cancel, SIGNAL(clicked()), this, SLOT(close()));
  if (QLayout* main = layout()) main->setContentsMargins(10, 0, 10, 20);
  retranslate();
}

SettingsEditor::~SettingsEditor() = default;

void SettingsEditor::setContent(QWidget* content, int extraSpacing) {
  if (content) {
    connect(content, SIGNAL(enableSave(bool)), this, SLOT(enableSave(bool)));
    connect(this, SIGNAL(saveSettings()), content, SIGNAL(saveSettings()));
    connect(this, SIGNAL(cancelSettings()), content, SIGNAL(cancelSettings()));
    connect(content, SIGNAL(qualityDetectionEnabled()), this, SLOT(cbQualityDetectionEnabled()));
  }
  PopupWindow::setContent(content, extraSpacing);
  // The button row goes right below the content, inside the popup's frame.
  if (auto* main = qobject_cast<QVBoxLayout*>(layout())) {
    main->removeWidget(m_buttons);
    main->insertWidget(main->count(), m_buttons);
  }
}

void SettingsEditor::cbQualityDetectionEnabled() { emit qualityDetectionEnabled(); }

void SettingsEditor::enableSave(bool) {}

void SettingsEditor::okPressed() {
  if (m_saved || m_cancelled) return;
  m_saved = true;
  const RAZ::Utils::FailureWatch watch;
  emit saveSettings();
  if (watch.failed()) {
    // Nothing said would be lost: the window stays, so that OK can be
    // pressed again once there is room, or Cancel.
    m_saved = false;
    //: %1 names the file and why it could not be written
    const QString text =
        tr("Your settings could not be saved (%1). Make room or fix the problem, then press OK "
           "again.")
            .arg(watch.failureShown());
    Dialogs::MessageWindow::showWarning(tr("Not Saved"), text, false, QDialogButtonBox::Ok, this);
    return;
  }
  close();
}

void SettingsEditor::closeEvent(QCloseEvent* e) {
  PopupWindow::closeEvent(e);
  if (!e->isAccepted()) return;
  // A window closed twice (Cancel, then the frame) still cancels once.
  if (!m_saved && !m_cancelled) {
    m_cancelled = true;
    emit cancelSettings();
  }
}

void SettingsEditor::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  PopupWindow::changeEvent(e);
}

void SettingsEditor::retranslate() {
  m_ok->setText(tr("OK"));
  m_cancel->setText(tr("Cancel"));
}

}  // namespace Dialogs

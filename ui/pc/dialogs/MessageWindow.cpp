#include "dialogs/MessageWindow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <RAZ/Settings.h>
#include "Utils/SettingsKeys.h"

namespace Dialogs {

QMap<MessageWindow*, int> MessageWindow::s_clickedButtons;

MessageWindow::MessageWindow(QWidget* parent, const QString& title, const QString& text,
                             bool forwardClicked, QDialogButtonBox::StandardButtons buttons,
                             bool alwaysOnTop, bool showNeverAskAgain, bool modal)
    : PopupWindow(alwaysOnTop, parent) {
  setCanMinimize(!modal);
  setCanMaximize(false);
  if (modal) setWindowModality(Qt::ApplicationModal);

  m_dialog = new QDialog();
  m_dialog->setObjectName(QStringLiteral("messageWindowDialog"));
  m_dialog->resize(179, 97);
  m_dialog->setMaximumWidth(500);
  auto* verticalLayout = new QVBoxLayout(m_dialog);
  verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
  verticalLayout->setSpacing(12);
  verticalLayout->setContentsMargins(9, 9, 9, 9);

  auto* horizontalLayout3 = new QHBoxLayout();
  horizontalLayout3->setObjectName(QStringLiteral("horizontalLayout_3"));
  horizontalLayout3->setSpacing(2);
  m_icon = new QLabel(m_dialog);
  m_icon->setObjectName(QStringLiteral("icon"));
  horizontalLayout3->addWidget(m_icon);
  auto* verticalLayout2 = new QVBoxLayout();
  verticalLayout2->setObjectName(QStringLiteral("verticalLayout_2"));
  verticalLayout2->setSpacing(3);
  verticalLayout2->setContentsMargins(0, -1, -1, -1);
  m_messageText = new QLabel(m_dialog);
  m_messageText->setObjectName(QStringLiteral("messageText"));
  m_messageText->setTextFormat(Qt::PlainText);
  m_messageText->setWordWrap(true);
  m_messageText->setIndent(9);
  m_messageText->setScaledContents(false);
  verticalLayout2->addWidget(m_messageText);
  auto* horizontalLayout2 = new QHBoxLayout();
  horizontalLayout2->setObjectName(QStringLiteral("horizontalLayout_2"));
  horizontalLayout2->setSpacing(0);
  horizontalLayout2->setContentsMargins(9, 9, -1, -1);
  m_neverAskAgainBox = new QCheckBox(m_dialog);
  m_neverAskAgainBox->setObjectName(QStringLiteral("newerAskAgain"));
  m_neverAskAgainBox->setText(QStringLiteral("CheckBox"));
  horizontalLayout2->addWidget(m_neverAskAgainBox);
  verticalLayout2->addLayout(horizontalLayout2);
  horizontalLayout3->addLayout(verticalLayout2);
  verticalLayout->addLayout(horizontalLayout3, 1);

  verticalLayout->addItem(new QSpacerItem(0, 20, QSizePolicy::Minimum, QSizePolicy::Minimum));

  auto* horizontalLayout = new QHBoxLayout();
  horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
  horizontalLayout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
  m_buttonBox = new QDialogButtonBox(m_dialog);
  m_buttonBox->setObjectName(QStringLiteral("buttonBox"));
  m_buttonBox->setCenterButtons(true);
  horizontalLayout->addWidget(m_buttonBox);
  horizontalLayout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
  verticalLayout->addLayout(horizontalLayout);

  m_messageText->setText(text);
  m_dialog->setMinimumSize(350, 0);
  m_buttonBox->setStandardButtons(buttons);

  m_neverAskAgainBox->setVisible(showNeverAskAgain);
  m_neverAskAgainBox->setChecked(false);
  m_neverAskAgainBox->setText(tr("Never ask again"));

  setAttribute(Qt::WA_DeleteOnClose);
  if (QPushButton* no = m_buttonBox->button(QDialogButtonBox::No))
    no->setObjectName(QStringLiteral("noButton"));
  if (QPushButton* cancel = m_buttonBox->button(QDialogButtonBox::Cancel)) {
    cancel->setObjectName(QStringLiteral("cancelButton"));
  }

  setTitle(title);
  setContent(m_dialog, 0);
  setResizable(false);

  connect(m_buttonBox, SIGNAL(accepted()), m_dialog, SLOT(accept()));
  connect(m_buttonBox, SIGNAL(rejected()), m_dialog, SLOT(reject()));
  connect(m_dialog, SIGNAL(accepted()), this, SLOT(dialogAccepted()));
  connect(m_dialog, SIGNAL(rejected()), this, SLOT(dialogRejected()));
  connect(m_dialog, SIGNAL(accepted()), this, SLOT(close()));
  connect(m_dialog, SIGNAL(rejected()), this, SLOT(close()));
  if (forwardClicked) {
    connect(m_buttonBox, SIGNAL(clicked(QAbstractButton*)), this, SLOT(clicked(QAbstractButton*)));
  }
  connect(m_neverAskAgainBox, SIGNAL(stateChanged(int)), this,
          SLOT(newerAskAgainStateChanged(int)));

  adjustSize();
  resizeUpdate();
  translateTexts();
}

MessageWindow::~MessageWindow() = default;

QPushButton* MessageWindow::addButton(const QString& text, QDialogButtonBox::ButtonRole role) {
  return m_buttonBox->addButton(text, role);
}

bool MessageWindow::focusButton(QDialogButtonBox::StandardButton button) {
  QPushButton* b = m_buttonBox->button(button);
  if (!b) return false;
  b->setFocus(Qt::OtherFocusReason);
  return true;
}

void MessageWindow::dismiss() {
  emit messageAccepted(false);
  close();
}

void MessageWindow::clicked(QAbstractButton* button) {
  s_clickedButtons.insert(this, int(m_buttonBox->standardButton(button)));
}

void MessageWindow::closeMessage() { close(); }

void MessageWindow::newerAskAgainStateChanged(int state) {
  m_neverAskAgain = (state == Qt::Checked);
}

void MessageWindow::dialogAccepted() {
  emit messageAccepted(m_neverAskAgain);
  emit accepted(true, m_neverAskAgain);
}

void MessageWindow::dialogRejected() {
  emit messageRejected(m_neverAskAgain);
  emit accepted(false, m_neverAskAgain);
}

void MessageWindow::setVisible(bool visible) {
  PopupWindow::setVisible(visible);
  if (visible) move(pos());
}

void MessageWindow::closeEvent(QCloseEvent* e) {
  // Between closing and deletion another close (sign-out, the caller) may
  // come: callers hear of the end once.
  if (!m_closedReported) {
    m_closedReported = true;
    emit closed();
  }
  PopupWindow::closeEvent(e);
}

void MessageWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) {
    m_neverAskAgainBox->setText(tr("Never ask again"));
    translateTexts();
  }
  PopupWindow::changeEvent(e);
}

void MessageWindow::translateTexts() {
  const QString lang = RAZ::Settings(RAZ::Settings::Application)
                           .value(Utils::SettingsKey::LanguageActive, QString())
                           .toString();
  if (lang != QLatin1String("it")) return;
  const struct {
    QDialogButtonBox::StandardButton button;
    const char* text;
  } texts[] = {
      {QDialogButtonBox::Ok, QT_TR_NOOP("OK")},
      {QDialogButtonBox::Open, QT_TR_NOOP("Open")},
      {QDialogButtonBox::Save, QT_TR_NOOP("Save")},
      {QDialogButtonBox::Cancel, QT_TR_NOOP("Cancel")},
      {QDialogButtonBox::Close, QT_TR_NOOP("Close")},
      {QDialogButtonBox::Discard, QT_TR_NOOP("Discard")},
      {QDialogButtonBox::Apply, QT_TR_NOOP("Apply")},
      {QDialogButtonBox::Reset, QT_TR_NOOP("Reset")},
      {QDialogButtonBox::RestoreDefaults, QT_TR_NOOP("Restore Defaults")},
      {QDialogButtonBox::Help, QT_TR_NOOP("Help")},
      {QDialogButtonBox::SaveAll, QT_TR_NOOP("Save All")},
      {QDialogButtonBox::Yes, QT_TR_NOOP("Yes")},
      {QDialogButtonBox::YesToAll, QT_TR_NOOP("Yes to All")},
      {QDialogButtonBox::No, QT_TR_NOOP("No")},
      {QDialogButtonBox::NoToAll, QT_TR_NOOP("No to All")},
      {QDialogButtonBox::Abort, QT_TR_NOOP("Abort")},
      {QDialogButtonBox::Retry, QT_TR_NOOP("Retry")},
      {QDialogButtonBox::Ignore, QT_TR_NOOP("Ignore")},
  };
  for (const auto& t : texts) {
    if (QPushButton* b = m_buttonBox->button(t.button)) b->setText(tr(t.text));
  }
}

MessageWindow* MessageWindow::showInformation(const QString& title, const QString& text,
                                              bool alwaysOnTop,
                                              QDialogButtonBox::StandardButtons buttons,
                                              bool showNeverAskAgain, QWidget* parent) {
  auto* w =
      new MessageWindow(parent, title, text, false, buttons, alwaysOnTop, showNeverAskAgain, false);
  w->show();
  return w;
}

MessageWindow* MessageWindow::showWarning(const QString& title, const QString& text,
                                          bool alwaysOnTop,
                                          QDialogButtonBox::StandardButtons buttons,
                                          QWidget* parent) {
  auto* w = new MessageWindow(parent, title, text, false, buttons, alwaysOnTop, false, false);
  w->show();
  return w;
}

MessageWindow* MessageWindow::showCritical(const QString& title, const QString& text,
                                           bool alwaysOnTop,
                                           QDialogButtonBox::StandardButtons buttons,
                                           QWidget* parent) {
  auto* w = new MessageWindow(parent, title, text, false, buttons, alwaysOnTop, false, false);
  w->show();
  return w;
}

MessageWindow* MessageWindow::showQuestion(const QString& title, const QString& text,
                                           bool alwaysOnTop,
                                           QDialogButtonBox::StandardButtons buttons,
                                           bool showNeverAskAgain, bool modal, QWidget* parent) {
  auto* w =
      new MessageWindow(parent, title, text, false, buttons, alwaysOnTop, showNeverAskAgain, modal);
  w->show();
  w->raise();
  w->activateWindow();
  return w;
}

int MessageWindow::runBlocking(MessageWindow* window, int* clickedButton) {
  // Closing the window while the dialog runs deletes the window and the
  // dialog with it, which ends exec(); nothing of it is touched afterwards
  // except through the guard.
  QPointer<MessageWindow> guard(window);
  const int result = window->m_dialog->exec();
  if (clickedButton) *clickedButton = s_clickedButtons.value(window, 0);
  s_clickedButtons.remove(window);
  if (guard && guard->isVisible()) guard->close();
  return result;
}

int MessageWindow::information(const QString& title, const QString& text, bool alwaysOnTop,
                               QDialogButtonBox::StandardButtons buttons, int* clickedButton,
                               bool showNeverAskAgain, bool modal, QWidget* parent) {
  auto* w =
      new MessageWindow(parent, title, text, true, buttons, alwaysOnTop, showNeverAskAgain, modal);
  w->show();
  return runBlocking(w, clickedButton);
}

int MessageWindow::warning(const QString& title, const QString& text, bool alwaysOnTop,
                           QDialogButtonBox::StandardButtons buttons, int* clickedButton,
                           QWidget* parent) {
  auto* w = new MessageWindow(parent, title, text, true, buttons, alwaysOnTop, false, false);
  w->show();
  return runBlocking(w, clickedButton);
}

int MessageWindow::critical(const QString& title, const QString& text, bool alwaysOnTop,
                            QDialogButtonBox::StandardButtons buttons, int* clickedButton,
                            QWidget* parent) {
  auto* w = new MessageWindow(parent, title, text, true, buttons, alwaysOnTop, false, false);
  w->show();
  return runBlocking(w, clickedButton);
}

int MessageWindow::question(const QString& title, const QString& text, bool modal, bool alwaysOnTop,
                            QDialogButtonBox::StandardButtons buttons, int* clickedButton,
                            QDialogButtonBox::StandardButton focusButton, QWidget* parent) {
  auto* w = new MessageWindow(parent, title, text, true, buttons, alwaysOnTop, false, modal);
  w->show();
  w->raise();
  w->activateWindow();
  w->focusButton(focusButton);
  return runBlocking(w, clickedButton);
}

}  // namespace Dialogs

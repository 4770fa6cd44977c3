#include "dialogs/MessageWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>
#include <QVBoxLayout>

#include <RAZ/Settings.h>
#include <icons/MessageIcons.h>
#include "Utils/SettingsKeys.h"
#include "Utils/WindowManager.h"

#include "libqml/utils/Style.h"

namespace Dialogs {

QHash<MessageWindow*, int> MessageWindow::s_clickedButtons;

namespace {

// The picture's side, as the pictures are drawn (see Icons::messagePixmap).
const int kIconSize = 32;

// The look of the style object: its background, text and accent colours and
// its font, so a message reads like the scenes around it.
const char kStyleSheet[] =
    "#popupWindow, #messageWindowDialog { background: %%colors:whiteBackground%%; }"
    "#messageWindowDialog QLabel, #messageWindowDialog QCheckBox {"
    " color: %%colors:loginDarkText%%; font-family: \"%%font:defaultFontFamily%%\"; }"
    "#messageWindowDialog QPushButton { background: %%colors:mediumBackground%%;"
    " color: %%colors:loginDarkText%%;"
    " border: none; border-radius: 3px; padding: 5px 16px; min-width: 64px;"
    " font-family: \"%%font:defaultFontFamily%%\"; }"
    // The answer drawn as the default is the one Enter gives, whichever it is.
    "#messageWindowDialog QPushButton:default { background: %%colors:darkBackground%%;"
    " color: %%colors:whiteText%%; }"
    "#messageWindowDialog QPushButton:hover { background: %%colors:hoverButton%%; }"
    "#messageWindowDialog QPushButton:focus { border: 2px solid %%colors:highlightText%%; }";

}  // namespace

QPixmap MessageWindow::iconPixmap(QMessageBox::Icon kind, qreal devicePixelRatio) {
  return Icons::messagePixmap(kind, devicePixelRatio);
}

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
  // Only as wide as its picture: the text takes the rest of the width.
  m_icon->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  m_icon->setVisible(false);
  horizontalLayout3->addWidget(m_icon, 0, Qt::AlignTop);
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
  m_messageText->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
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
  horizontalLayout3->addLayout(verticalLayout2, 1);
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
  // Words only on the buttons: some styles add pictures that clash with
  // the coloured buttons of the style object.
  const auto shown = m_buttonBox->buttons();
  for (QAbstractButton* b : shown) b->setIcon(QIcon());
  // Enter answers with the first accepting button, as a desktop dialog does.
  for (QAbstractButton* b : shown) {
    const QDialogButtonBox::ButtonRole role = m_buttonBox->buttonRole(b);
    auto* push = qobject_cast<QPushButton*>(b);
    if (push && (role == QDialogButtonBox::AcceptRole || role == QDialogButtonBox::YesRole)) {
      push->setDefault(true);
      break;
    }
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

  if (QML::Style* style = QML::Style::instance()) {
    connect(style, SIGNAL(colorsChanged()), this, SLOT(styleChanged()));
    connect(style, SIGNAL(fontFamilyChanged()), this, SLOT(styleChanged()));
  }
  applyStyle();

  adjustSize();
  resizeUpdate();
  translateTexts();
}

void MessageWindow::setIconKind(QMessageBox::Icon kind) {
  m_iconKind = kind;
  const QPixmap pixmap = iconPixmap(kind, devicePixelRatioF());
  m_icon->setPixmap(pixmap);
  m_icon->setFixedSize(pixmap.isNull() ? QSize() : QSize(kIconSize, kIconSize));
  m_icon->setVisible(!pixmap.isNull());
  adjustSize();
  resizeUpdate();
}

void MessageWindow::styleChanged() { applyStyle(); }

void MessageWindow::applyStyle() {
  const QML::Style* style = QML::Style::instance();
  if (!style) return;
  QString css = QString::fromLatin1(kStyleSheet);
  if (style->replaceCssWithStyle(css)) setStyleSheet(css);
}

void MessageWindow::placeOverOwner() {
  // Over the window it speaks for: its parent's window, else the window the
  // user works in; centred on the screen when there is neither.
  m_owner =
      Utils::WindowManager::placeOver(this, parentWidget() ? parentWidget()->window() : nullptr);
}

MessageWindow::~MessageWindow() = default;

QPushButton* MessageWindow::addButton(const QString& text, QDialogButtonBox::ButtonRole role) {
  return m_buttonBox->addButton(text, role);
}

bool MessageWindow::focusButton(QDialogButtonBox::StandardButton button) {
  QPushButton* b = m_buttonBox->button(button);
  if (!b) return false;
  // The focused answer is also the one drawn as the default: Enter presses
  // what the window shows it will. (The form is laid into the window, so
  // Qt's dialog would not take the mark from the others by itself.)
  const auto all = m_buttonBox->buttons();
  for (QAbstractButton* other : all)
    if (auto* push = qobject_cast<QPushButton*>(other)) push->setDefault(push == b);
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
  const bool firstShow = visible && !m_placed && !isVisible();
  if (firstShow) {
    m_placed = true;
    placeOverOwner();
  }
  PopupWindow::setVisible(visible);
  if (!visible) return;
  // The frame's margins are known once it shows: place it again with them.
  if (firstShow)
    placeOverOwner();
  else
    move(pos());
  // Keys reach a window only once it is active; without a window manager
  // nobody else activates it.
  raise();
  activateWindow();
  const auto buttons = m_buttonBox->buttons();
  for (QAbstractButton* b : buttons) {
    auto* push = qobject_cast<QPushButton*>(b);
    if (push && push->isDefault()) {
      push->setFocus(Qt::ActiveWindowFocusReason);
      break;
    }
  }
}

void MessageWindow::closeEvent(QCloseEvent* e) {
  // Between closing and deletion another close (sign-out, the caller) may
  // come: callers hear of the end once.
  if (!m_closedReported) {
    m_closedReported = true;
    emit closed();
  }
  PopupWindow::closeEvent(e);
  // Hand the keyboard back to the window the message spoke for; without a
  // window manager nothing else would.
  if (e->isAccepted() && m_owner && m_owner->isVisible()) m_owner->activateWindow();
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
  w->setIconKind(QMessageBox::Information);
  w->show();
  return w;
}

MessageWindow* MessageWindow::showWarning(const QString& title, const QString& text,
                                          bool alwaysOnTop,
                                          QDialogButtonBox::StandardButtons buttons,
                                          QWidget* parent) {
  auto* w = new MessageWindow(parent, title, text, false, buttons, alwaysOnTop, false, false);
  w->setIconKind(QMessageBox::Warning);
  w->show();
  return w;
}

MessageWindow* MessageWindow::showCritical(const QString& title, const QString& text,
                                           bool alwaysOnTop,
                                           QDialogButtonBox::StandardButtons buttons,
                                           QWidget* parent) {
  auto* w = new MessageWindow(parent, title, text, false, buttons, alwaysOnTop, false, false);
  w->setIconKind(QMessageBox::Critical);
  w->show();
  return w;
}

MessageWindow* MessageWindow::showQuestion(const QString& title, const QString& text,
                                           bool alwaysOnTop,
                                           QDialogButtonBox::StandardButtons buttons,
                                           bool showNeverAskAgain, bool modal, QWidget* parent) {
  auto* w =
      new MessageWindow(parent, title, text, false, buttons, alwaysOnTop, showNeverAskAgain, modal);
  w->setIconKind(QMessageBox::Question);
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
  w->setIconKind(QMessageBox::Information);
  w->show();
  return runBlocking(w, clickedButton);
}

int MessageWindow::warning(const QString& title, const QString& text, bool alwaysOnTop,
                           QDialogButtonBox::StandardButtons buttons, int* clickedButton,
                           QWidget* parent) {
  auto* w = new MessageWindow(parent, title, text, true, buttons, alwaysOnTop, false, false);
  w->setIconKind(QMessageBox::Warning);
  w->show();
  return runBlocking(w, clickedButton);
}

int MessageWindow::critical(const QString& title, const QString& text, bool alwaysOnTop,
                            QDialogButtonBox::StandardButtons buttons, int* clickedButton,
                            QWidget* parent) {
  auto* w = new MessageWindow(parent, title, text, true, buttons, alwaysOnTop, false, false);
  w->setIconKind(QMessageBox::Critical);
  w->show();
  return runBlocking(w, clickedButton);
}

int MessageWindow::question(const QString& title, const QString& text, bool modal, bool alwaysOnTop,
                            QDialogButtonBox::StandardButtons buttons, int* clickedButton,
                            QDialogButtonBox::StandardButton focusButton, QWidget* parent) {
  auto* w = new MessageWindow(parent, title, text, true, buttons, alwaysOnTop, false, modal);
  w->setIconKind(QMessageBox::Question);
  w->show();
  w->raise();
  w->activateWindow();
  w->focusButton(focusButton);
  return runBlocking(w, clickedButton);
}

}  // namespace Dialogs

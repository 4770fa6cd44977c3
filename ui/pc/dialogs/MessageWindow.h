#pragma once

#include <QDialogButtonBox>
#include <QHash>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QVariant>

#include "Widgets/PopupWindow.h"

class QAbstractButton;
class QCheckBox;
class QDialog;
class QLabel;
class QPushButton;

namespace Dialogs {

// The message and question window of every part of the program. Shown
// without blocking (the answer arrives by signals) or run blocking (the
// answer is returned). "Never ask again" is only reported; each caller keeps
// it under its own settings key.
class MessageWindow : public PopupWindow {
  Q_OBJECT

 public:
  MessageWindow(QWidget* parent, const QString& title, const QString& text, bool forwardClicked,
                QDialogButtonBox::StandardButtons buttons, bool alwaysOnTop, bool showNeverAskAgain,
                bool modal);
  ~MessageWindow() override;

  QPushButton* addButton(const QString& text, QDialogButtonBox::ButtonRole role);
  bool focusButton(QDialogButtonBox::StandardButton button);
  QVariant userData() const { return m_userData; }
  void setUserData(const QVariant& userData) { m_userData = userData; }
  bool neverAskAgain() const { return m_neverAskAgain; }
  // Ends a question that has become moot: messageAccepted(false), then close.
  void dismiss();

  QDialog* dialog() const { return m_dialog; }
  QDialogButtonBox* buttonBox() const { return m_buttonBox; }
  QCheckBox* neverAskAgainBox() const { return m_neverAskAgainBox; }
  QLabel* messageLabel() const { return m_messageText; }

  void setVisible(bool visible) override;

  // The picture beside the text; the kinds of message set theirs, a window
  // built directly has none and gives its text the whole width.
  void setIconKind(QMessageBox::Icon kind);
  QMessageBox::Icon iconKind() const { return m_iconKind; }
  QLabel* iconLabel() const { return m_icon; }
  // The theme's picture of a kind at a device-pixel ratio (sharp on dense
  // screens); the Qt style's own when the theme has none. Null for NoIcon.
  static QPixmap iconPixmap(QMessageBox::Icon kind, qreal devicePixelRatio);

  // Non-blocking: the window is shown and returned.
  static MessageWindow* showInformation(
      const QString& title, const QString& text, bool alwaysOnTop = false,
      QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
      bool showNeverAskAgain = false, QWidget* parent = nullptr);
  static MessageWindow* showWarning(
      const QString& title, const QString& text, bool alwaysOnTop = false,
      QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok, QWidget* parent = nullptr);
  static MessageWindow* showCritical(
      const QString& title, const QString& text, bool alwaysOnTop = false,
      QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok, QWidget* parent = nullptr);
  static MessageWindow* showQuestion(
      const QString& title, const QString& text, bool alwaysOnTop = false,
      QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Yes | QDialogButtonBox::No,
      bool showNeverAskAgain = false, bool modal = false, QWidget* parent = nullptr);

  // Blocking: return QDialog::Accepted or QDialog::Rejected and write the
  // standard button clicked last (0 for none) to `clickedButton`.
  static int information(const QString& title, const QString& text, bool alwaysOnTop = false,
                         QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                         int* clickedButton = nullptr, bool showNeverAskAgain = false,
                         bool modal = false, QWidget* parent = nullptr);
  static int warning(const QString& title, const QString& text, bool alwaysOnTop = false,
                     QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                     int* clickedButton = nullptr, QWidget* parent = nullptr);
  static int critical(const QString& title, const QString& text, bool alwaysOnTop = false,
                      QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                      int* clickedButton = nullptr, QWidget* parent = nullptr);
  static int question(const QString& title, const QString& text, bool modal = false,
                      bool alwaysOnTop = false,
                      QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Yes |
                                                                  QDialogButtonBox::No,
                      int* clickedButton = nullptr,
                      QDialogButtonBox::StandardButton focusButton = QDialogButtonBox::NoButton,
                      QWidget* parent = nullptr);

 public slots:
  void clicked(QAbstractButton* button);
  void styleChanged();
  void closeMessage();
  void newerAskAgainStateChanged(int state);
  void dialogRejected();
  void dialogAccepted();

 signals:
  void messageRejected(bool dontAskAgain);
  void messageAccepted(bool dontAskAgain);
  void accepted(bool accepted, bool dontAskAgain);
  void closed();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  static int runBlocking(MessageWindow* window, int* clickedButton);
  void translateTexts();
  void applyStyle();
  void placeOverOwner();

  QDialog* m_dialog = nullptr;
  QLabel* m_icon = nullptr;
  QLabel* m_messageText = nullptr;
  QCheckBox* m_neverAskAgainBox = nullptr;
  QDialogButtonBox* m_buttonBox = nullptr;
  QMessageBox::Icon m_iconKind = QMessageBox::NoIcon;
  bool m_placed = false;
  // The window it was placed over; gets the keyboard back on close.
  QPointer<QWidget> m_owner;
  bool m_neverAskAgain = false;
  bool m_closedReported = false;
  QVariant m_userData;

  static QHash<MessageWindow*, int> s_clickedButtons;
};

}  // namespace Dialogs

#pragma once

#include <QDialogButtonBox>
#include <QVariant>

#include "Widgets/PopupWindow.h"

class QAbstractButton;
class QCheckBox;
class QDialog;
class QLabel;
class QPushButton;

namespace Dialogs {

// The message and question window of every part of the program.
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
  void setUserData(const QVariant& data) { m_userData = data; }
  void dismiss();

  QString text() const;
  QDialogButtonBox* buttonBox() const { return m_buttonBox; }
  QDialog* dialog() const { return m_dialog; }

  static MessageWindow* showInformation(const QString& title, const QString& text, bool alwaysOnTop,
                                        QDialogButtonBox::StandardButtons buttons,
                                        bool showNeverAskAgain = false, QWidget* parent = nullptr);
  static MessageWindow* showWarning(const QString& title, const QString& text, bool alwaysOnTop,
                                    QDialogButtonBox::StandardButtons buttons, QWidget* parent = nullptr);
  static MessageWindow* showCritical(const QString& title, const QString& text, bool alwaysOnTop,
                                     QDialogButtonBox::StandardButtons buttons, QWidget* parent = nullptr);
  static MessageWindow* showQuestion(const QString& title, const QString& text, bool alwaysOnTop,
                                     QDialogButtonBox::StandardButtons buttons, bool showNeverAskAgain = false,
                                     bool modal = false, QWidget* parent = nullptr);
  static int information(const QString& title, const QString& text, bool alwaysOnTop,
                         QDialogButtonBox::StandardButtons buttons, int* clickedButton = nullptr,
                         bool showNeverAskAgain = false, bool modal = false, QWidget* parent = nullptr);
  static int warning(const QString& title, const QString& text, bool alwaysOnTop,
                     QDialogButtonBox::StandardButtons buttons, int* clickedButton = nullptr,
                     QWidget* parent = nullptr);
  static int critical(const QString& title, const QString& text, bool alwaysOnTop,
                      QDialogButtonBox::StandardButtons buttons, int* clickedButton = nullptr,
                      QWidget* parent = nullptr);
  static int question(const QString& title, const QString& text, bool modal, bool alwaysOnTop,
                      QDialogButtonBox::StandardButtons buttons, int* clickedButton = nullptr,
                      QDialogButtonBox::StandardButton focusButton = QDialogButtonBox::NoButton,
                      QWidget* parent = nullptr);

 signals:
  void messageRejected(bool dontAskAgain);
  void messageAccepted(bool dontAskAgain);
  void accepted(bool accepted, bool dontAskAgain);
  void closed();

 public slots:
  void clicked(QAbstractButton* button);
  void closeMessage();
  void newerAskAgainStateChanged(int state);
  void dialogRejected();
  void dialogAccepted();

 public:
  void setVisible(bool visible) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  static int runBlocking(MessageWindow* window, int* clickedButton);
  void translateButtons();

  QDialog* m_dialog;
  QLabel* m_icon;
  QLabel* m_messageText;
  QCheckBox* m_newerAskAgain;
  QDialogButtonBox* m_buttonBox;
  bool m_neverAskAgain = false;
  QVariant m_userData;
};

}  // namespace Dialogs

#pragma once

#include "Widgets/PopupWindow.h"

class QDialog;

namespace Ui {
class credentialsDialog;
}

namespace Dialogs {

// Asks for a user name and password (for a proxy that wants credentials).
// Reports exactly once, when it closes: the typed texts after OK, two empty
// strings after Cancel, Escape or the window's own close button.
class SimpleCredentialsDialog : public PopupWindow {
  Q_OBJECT

 public:
  SimpleCredentialsDialog(const QString& title, const QString& prompt, const QString& username,
                          const QString& password, bool alwaysOnTop);
  ~SimpleCredentialsDialog() override;

  bool canClose() override;

 signals:
  void credentialsProvided(QString username, QString password);

 public slots:
  void onClicked();

 protected:
  void changeEvent(QEvent* e) override;

 private slots:
  void onOkClicked();

 private:
  void retranslate();
  Ui::credentialsDialog* m_form = nullptr;
  QDialog* m_content = nullptr;
  bool m_okClicked = false;
  bool m_reported = false;
};

}  // namespace Dialogs

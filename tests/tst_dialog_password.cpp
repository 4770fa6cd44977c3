// The password change dialog: its states, the checks of the input and the
// outcomes, alone and against the stand-in's XSI password change.
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include <RAZ/Xsi/XsiCredentialsControl.h>

#include "TestSupport.h"
#include "dialogs/PasswordChangeNotification.h"

using Dialogs::PasswordChangeNotification;

namespace {

const char kRed[] = "QLineEdit {border: 2px solid red}";

RAZ::Utils::Credentials::UserCredentials account(const QString& password) {
  RAZ::Utils::Credentials::UserCredentials credentials;
  RAZ::Utils::Credentials::CredentialsData xsi;
  xsi.setUsername(QStringLiteral("xsi-user"));
  xsi.setPassword(password);
  credentials.setCredentials(2, xsi);
  RAZ::Utils::Credentials::CredentialsData sip;
  sip.setUsername(QStringLiteral("sip-user"));
  sip.setPassword(QStringLiteral("sip-secret"));
  credentials.setCredentials(0, sip);
  return credentials;
}

// A dialog on its input form.
PasswordChangeNotification* inputDialog(const QString& stored = QStringLiteral("old-pw")) {
  auto* dialog = new PasswordChangeNotification(account(stored), 2, false);
  dialog->showExpired(QStringLiteral("Xsi account password has expired."));
  return dialog;
}

void fill(PasswordChangeNotification* d, const QString& old, const QString& n, const QString& r) {
  d->oldPasswordField()->setText(old);
  d->newPasswordField()->setText(n);
  d->confirmPasswordField()->setText(r);
}

}  // namespace

class TstDialogPassword : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ZentTest::installStrictMessageHandler(); }

  void noticeThenForm() {
    QPointer<PasswordChangeNotification> d = new PasswordChangeNotification(account("x"), 2, false);
    d->showExpiryWarning("Xsi account password expires in 3 days. Please consider changing it.");
    QVERIFY(d->isVisible());
    QCOMPARE(d->state(), 0);
    QCOMPARE(d->windowTitle(), QString("Password change notification"));
    QCOMPARE(d->changeButton()->text(), QString("Change Password"));
    QVERIFY(d->cancelButton()->isVisible());
    QVERIFY(!d->inputArea()->isVisible());
    QVERIFY(d->isModal());
    d->changeButton()->click();
    QCOMPARE(d->state(), 1);
    QCOMPARE(d->changeButton()->text(), QString("OK"));
    QCOMPARE(d->messageLabel()->text(), QString("Please input your new password"));
    QVERIFY(d->inputArea()->isVisible());
    for (QLineEdit* e : {d->oldPasswordField(), d->newPasswordField(), d->confirmPasswordField()})
      QCOMPARE(e->echoMode(), QLineEdit::Password);
    // Cancel closes, and the dialog goes.
    d->cancelButton()->click();
    QTRY_VERIFY(d.isNull());
  }

  void checks_data() {
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("retyped");
    QTest::addColumn<int>("outcome");  // 0 sent, 1 old password wrong, 2 retype differs
    QTest::newRow("good") << "old-pw"
                          << "new-pw"
                          << "new-pw" << 0;
    QTest::newRow("empty new password") << "old-pw"
                                        << ""
                                        << "" << 0;
    QTest::newRow("wrong old") << "old-PW"
                               << "new-pw"
                               << "new-pw" << 1;
    QTest::newRow("empty old") << ""
                               << "new-pw"
                               << "new-pw" << 1;
    QTest::newRow("retype differs") << "old-pw"
                                    << "new-pw"
                                    << "new-pW" << 2;
    QTest::newRow("retype empty") << "old-pw"
                                  << "new-pw"
                                  << "" << 2;
    QTest::newRow("wrong old and retype") << "nope"
                                          << "a"
                                          << "b" << 1;
  }
  void checks() {
    QFETCH(QString, old);
    QFETCH(QString, fresh);
    QFETCH(QString, retyped);
    QFETCH(int, outcome);
    std::unique_ptr<PasswordChangeNotification> d(inputDialog());
    QSignalSpy sent(d.get(), SIGNAL(sendCredentials(QString, QString)));
    fill(d.get(), old, fresh, retyped);
    d->changeButton()->click();
    QCOMPARE(sent.count(), outcome == 0 ? 1 : 0);
    if (outcome == 0) {
      QCOMPARE(sent.first().at(0).toString(), old);
      QCOMPARE(sent.first().at(1).toString(), retyped);
      QCOMPARE(d->state(), 2);
      QCOMPARE(d->messageLabel()->text(), QString("Sending request, please wait..."));
      QVERIFY(!d->changeButton()->isEnabled());
      QVERIFY(!d->cancelButton()->isEnabled());
      return;
    }
    QCOMPARE(d->state(), 1);
    QCOMPARE(d->oldPasswordWarning()->isVisible(), outcome == 1);
    QCOMPARE(d->confirmPasswordWarning()->isVisible(), outcome == 2);
    QCOMPARE(d->oldPasswordField()->styleSheet(), outcome == 1 ? QString(kRed) : QString());
    QCOMPARE(d->confirmPasswordField()->styleSheet(), outcome == 2 ? QString(kRed) : QString());
  }

  void frameMovesWithTheFault() {
    std::unique_ptr<PasswordChangeNotification> d(inputDialog());
    fill(d.get(), "wrong", "a", "b");
    d->changeButton()->click();
    QCOMPARE(d->oldPasswordField()->styleSheet(), QString(kRed));
    d->oldPasswordField()->setText("old-pw");
    d->changeButton()->click();
    QCOMPARE(d->oldPasswordField()->styleSheet(), QString());
    QCOMPARE(d->confirmPasswordField()->styleSheet(), QString(kRed));
    QVERIFY(!d->oldPasswordWarning()->isVisible());
    QVERIFY(d->confirmPasswordWarning()->isVisible());
  }

  void returnKeys() {
    std::unique_ptr<PasswordChangeNotification> d(inputDialog());
    d->activateWindow();
    QSignalSpy sent(d.get(), SIGNAL(sendCredentials(QString, QString)));
    fill(d.get(), "old-pw", "n", "n");
    d->oldPasswordField()->setFocus();
    QTest::keyClick(d->oldPasswordField(), Qt::Key_Return);
    QTRY_VERIFY(d->newPasswordField()->hasFocus());
    QTest::keyClick(d->newPasswordField(), Qt::Key_Return);
    QTRY_VERIFY(d->confirmPasswordField()->hasFocus());
    QCOMPARE(sent.count(), 0);
    QTest::keyClick(d->confirmPasswordField(), Qt::Key_Return);
    QCOMPARE(sent.count(), 1);
  }

  void outcomes_data() {
    QTest::addColumn<bool>("succeeded");
    QTest::addColumn<QString>("text");
    QTest::newRow("accepted") << true << "The password has been changed successfully";
    QTest::newRow("refused") << false
                             << "Cannot change password:\nThe new password is weak\nError Code:400";
  }
  void outcomes() {
    QFETCH(bool, succeeded);
    QFETCH(QString, text);
    QPointer<PasswordChangeNotification> d = inputDialog();
    QSignalSpy saved(d.data(), SIGNAL(saveCredentials(RAZ::Utils::Credentials::UserCredentials)));
    fill(d, "old-pw", "new-pw", "new-pw");
    d->changeButton()->click();
    // While the request is out the dialog cannot be closed.
    QVERIFY(!d->close());
    QVERIFY(d->isVisible());
    RAZ::Xsi::XsiErrorInfo error;
    if (!succeeded) {
      error.code = 400;
      error.message = "The new password is weak";
    }
    d->passwordChangeResult(succeeded, error);
    QCOMPARE(d->state(), 3);
    QCOMPARE(d->messageLabel()->text(), text);
    QVERIFY(!d->cancelButton()->isVisible());
    QCOMPARE(d->changeButton()->text(), QString("Close"));
    QCOMPARE(saved.count(), succeeded ? 1 : 0);
    if (succeeded) {
      const auto stored = saved.first().at(0).value<RAZ::Utils::Credentials::UserCredentials>();
      QCOMPARE(stored.getCredentials(2).getPassword(), QString("new-pw"));
      QCOMPARE(stored.getCredentials(2).getUsername(), QString("xsi-user"));
      // The other records are untouched.
      QCOMPARE(stored.getCredentials(0).getPassword(), QString("sip-secret"));
    }
    // A second answer changes nothing.
    d->passwordChangeResult(true, RAZ::Xsi::XsiErrorInfo());
    QCOMPARE(saved.count(), succeeded ? 1 : 0);
    d->changeButton()->click();
    QTRY_VERIFY(d.isNull());
  }

  void againstTheService_data() {
    QTest::addColumn<bool>("fail");
    QTest::newRow("accepted") << false;
    QTest::newRow("scripted failure") << true;
  }
  void againstTheService() {
    QFETCH(bool, fail);
    RAZ::Xsi::XsiCredentialsControl service;
    service.setCurrentPassword("old-pw");
    if (fail) {
      RAZ::Xsi::XsiErrorInfo error;
      error.code = 503;
      error.message = "Service unavailable";
      service.failNextChange(error);
    }
    std::unique_ptr<PasswordChangeNotification> d(inputDialog());
    connect(d.get(), SIGNAL(sendCredentials(QString, QString)), &service,
            SLOT(changePassword(QString, QString)));
    connect(&service, SIGNAL(passwordChangeResult(bool, RAZ::Xsi::XsiErrorInfo)), d.get(),
            SLOT(passwordChangeResult(bool, RAZ::Xsi::XsiErrorInfo)));
    QSignalSpy saved(d.get(), SIGNAL(saveCredentials(RAZ::Utils::Credentials::UserCredentials)));
    fill(d.get(), "old-pw", "brand-new", "brand-new");
    d->changeButton()->click();
    QTRY_COMPARE(d->state(), 3);
    QCOMPARE(saved.count(), fail ? 0 : 1);
    QCOMPARE(d->messageLabel()->text(),
             fail ? QString("Cannot change password:\nService unavailable\nError Code:503")
                  : QString("The password has been changed successfully"));
  }
};

ZENT_TEST_MAIN(TstDialogPassword, QApplication)
#include "tst_dialog_password.moc"

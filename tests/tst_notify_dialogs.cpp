// The small question dialogs (credentials, group name, room password, file
// choice): each answer reported exactly once, and none outlives its parent.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "dialogs/FileDialog.h"
#include "dialogs/GroupNameInput.h"
#include "dialogs/SimpleCredentialsDialog.h"
#include "dialogs/XmppPasswordDialog.h"

namespace {

template <typename T>
T* child(QWidget* w, const char* name) {
  return w->findChild<T*>(QLatin1String(name));
}

void flushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

}  // namespace

class TestNotifyDialogs : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();

  void credentialsFrameCloseReportsEmptyOnce();
  void credentialsOkReportsTheTextsOnce();
  void credentialsReturnMovesOnThenConfirms();
  void credentialsCancelAndEscapeReportEmpty();

  void groupNameModesAndTexts();
  void groupNameOfBlanksIsNeverAccepted();
  void groupNameIsCutAt256();
  void groupNameOfflineKeepsOkDisabled();
  void groupNameAcceptsTrimmedAndCloses();

  void roomPasswordReasonsAndTitle();
  void roomPasswordOkNeedsAPassword();
  void roomPasswordFrameCloseReportsCancelOnce();
  void roomPasswordCancelReportsOnce();
  void roomPasswordReasonFollowsLanguageChange();

  void fileChosenArrivesAfterStartReturned();
  void fileDialogCancelDeliversNothing();
  void fileDialogModes();
  void fileDialogGoesWithItsParent();
  void fileDialogClosesItsOpenDialogWhenDestroyed();
};

void TestNotifyDialogs::initTestCase() { ZentTest::initScenes(); }

void TestNotifyDialogs::credentialsFrameCloseReportsEmptyOnce() {
  QPointer<Dialogs::SimpleCredentialsDialog> d = new Dialogs::SimpleCredentialsDialog(
      QStringLiteral("Proxy"), QStringLiteral("The proxy wants a password"), QStringLiteral("ann"),
      QStringLiteral("secret"), false);
  QCOMPARE(d->windowTitle(), QStringLiteral("Proxy"));
  QCOMPARE(child<QLabel>(d, "titleLabel")->text(), QStringLiteral("The proxy wants a password"));
  QCOMPARE(child<QLineEdit>(d, "usernameEdit")->text(), QStringLiteral("ann"));
  QCOMPARE(child<QLineEdit>(d, "passwordEdit")->echoMode(), QLineEdit::Password);
  QCOMPARE(d->windowModality(), Qt::ApplicationModal);
  d->show();
  QSignalSpy provided(d.data(), SIGNAL(credentialsProvided(QString, QString)));
  // The close check may be asked more than once; the answer goes out once.
  QVERIFY(d->canClose());
  QVERIFY(d->close());
  QCOMPARE(provided.count(), 1);
  QCOMPARE(provided.at(0).at(0).toString(), QString());
  QCOMPARE(provided.at(0).at(1).toString(), QString());
  flushDeletes();
  QVERIFY(d.isNull());
}

void TestNotifyDialogs::credentialsOkReportsTheTextsOnce() {
  QPointer<Dialogs::SimpleCredentialsDialog> d = new Dialogs::SimpleCredentialsDialog(
      QStringLiteral("Proxy"), QString(), QString(), QString(), false);
  d->show();
  QSignalSpy provided(d.data(), SIGNAL(credentialsProvided(QString, QString)));
  child<QLineEdit>(d, "usernameEdit")->setText(QStringLiteral("bob"));
  child<QLineEdit>(d, "passwordEdit")->setText(QStringLiteral("pw"));
  child<QPushButton>(d, "okButton")->click();
  QCOMPARE(provided.count(), 1);
  QCOMPARE(provided.at(0).at(0).toString(), QStringLiteral("bob"));
  QCOMPARE(provided.at(0).at(1).toString(), QStringLiteral("pw"));
  flushDeletes();
  QVERIFY(d.isNull());
}

void TestNotifyDialogs::credentialsReturnMovesOnThenConfirms() {
  QPointer<Dialogs::SimpleCredentialsDialog> d = new Dialogs::SimpleCredentialsDialog(
      QStringLiteral("Proxy"), QString(), QString(), QString(), false);
  d->show();
  QApplication::setActiveWindow(d);
  QVERIFY(QTest::qWaitForWindowActive(d));
  QSignalSpy provided(d.data(), SIGNAL(credentialsProvided(QString, QString)));
  auto* user = child<QLineEdit>(d, "usernameEdit");
  auto* pass = child<QLineEdit>(d, "passwordEdit");
  user->setFocus();
  QTest::keyClicks(user, QStringLiteral("carl"));
  QTest::keyClick(user, Qt::Key_Return);
  QCOMPARE(provided.count(), 0);
  QVERIFY(!d.isNull());
  QCOMPARE(QApplication::focusWidget(), pass);
  QTest::keyClicks(pass, QStringLiteral("pw2"));
  QTest::keyClick(pass, Qt::Key_Return);
  QCOMPARE(provided.count(), 1);
  QCOMPARE(provided.at(0).at(0).toString(), QStringLiteral("carl"));
  QCOMPARE(provided.at(0).at(1).toString(), QStringLiteral("pw2"));
  flushDeletes();
  QVERIFY(d.isNull());
}

void TestNotifyDialogs::credentialsCancelAndEscapeReportEmpty() {
  for (int escape = 0; escape < 2; ++escape) {
    QPointer<Dialogs::SimpleCredentialsDialog> d = new Dialogs::SimpleCredentialsDialog(
        QStringLiteral("Proxy"), QString(), QStringLiteral("dan"), QStringLiteral("x"), false);
    d->show();
    QSignalSpy provided(d.data(), SIGNAL(credentialsProvided(QString, QString)));
    if (escape) {
      QTest::keyClick(child<QLineEdit>(d, "passwordEdit"), Qt::Key_Escape);
    } else {
      child<QPushButton>(d, "cancelButton")->click();
    }
    QCOMPARE(provided.count(), 1);
    QCOMPARE(provided.at(0).at(0).toString(), QString());
    flushDeletes();
    QVERIFY(d.isNull());
  }
}

void TestNotifyDialogs::groupNameModesAndTexts() {
  auto* add = new Widgets::GroupNameInput(QString(), false, nullptr);
  QVERIFY(add->isAddMode());
  QCOMPARE(add->windowTitle(), QStringLiteral("Add Group"));
  QCOMPARE(child<QLabel>(add, "nameLabel")->text(), QStringLiteral("Enter a group name"));
  QCOMPARE(add->helpContext(), QStringLiteral("addGroup"));
  QVERIFY(!add->okButton()->isEnabled());
  delete add;

  // An empty name is still a name: edit mode.
  auto* edit = new Widgets::GroupNameInput(QStringLiteral(""), false, nullptr);
  QVERIFY(!edit->isAddMode());
  QCOMPARE(edit->windowTitle(), QStringLiteral("Edit Group"));
  QCOMPARE(child<QLabel>(edit, "nameLabel")->text(), QStringLiteral("Edit group name"));
  delete edit;

  auto* named = new Widgets::GroupNameInput(QStringLiteral("Friends"), false, nullptr);
  auto* line = child<QLineEdit>(named, "nameEdit");
  QCOMPARE(line->text(), QStringLiteral("Friends"));
  QCOMPARE(line->selectedText(), QStringLiteral("Friends"));
  QVERIFY(named->okButton()->isEnabled());
  delete named;
}

void TestNotifyDialogs::groupNameOfBlanksIsNeverAccepted() {
  QPointer<Widgets::GroupNameInput> d = new Widgets::GroupNameInput(QString(), false, nullptr);
  d->show();
  QSignalSpy accepted(d.data(), SIGNAL(accepted(QString)));
  auto* line = child<QLineEdit>(d, "nameEdit");
  QTest::keyClicks(line, QStringLiteral("   "));
  QVERIFY(!d->okButton()->isEnabled());
  QTest::keyClick(line, Qt::Key_Return);
  d->accepted();
  QCOMPARE(accepted.count(), 0);
  flushDeletes();
  QVERIFY(!d.isNull());
  QVERIFY(d->isVisible());
  delete d.data();
}

void TestNotifyDialogs::groupNameIsCutAt256() {
  auto* d = new Widgets::GroupNameInput(QString(), false, nullptr);
  auto* line = child<QLineEdit>(d, "nameEdit");
  QTest::keyClicks(line, QString(300, QLatin1Char('g')));
  QCOMPARE(line->text().size(), 256);
  delete d;
}

void TestNotifyDialogs::groupNameOfflineKeepsOkDisabled() {
  QPointer<Widgets::GroupNameInput> d = new Widgets::GroupNameInput(QString(), false, nullptr);
  d->show();
  QSignalSpy accepted(d.data(), SIGNAL(accepted(QString)));
  auto* line = child<QLineEdit>(d, "nameEdit");
  d->disableAddGroup();
  QTest::keyClicks(line, QStringLiteral("Team"));
  QVERIFY(!d->okButton()->isEnabled());
  // Return must not get round the disabled button.
  QTest::keyClick(line, Qt::Key_Return);
  QCOMPARE(accepted.count(), 0);
  d->enableAddGroup();
  QVERIFY(d->okButton()->isEnabled());
  line->clear();
  QTest::keyClicks(line, QStringLiteral(" "));
  QVERIFY(!d->okButton()->isEnabled());
  delete d.data();
}

void TestNotifyDialogs::groupNameAcceptsTrimmedAndCloses() {
  QPointer<Widgets::GroupNameInput> d = new Widgets::GroupNameInput(QString(), false, nullptr);
  d->show();
  QSignalSpy accepted(d.data(), SIGNAL(accepted(QString)));
  auto* line = child<QLineEdit>(d, "nameEdit");
  QTest::keyClicks(line, QStringLiteral("  Sales  "));
  QVERIFY(d->okButton()->isEnabled());
  d->okButton()->click();
  QCOMPARE(accepted.count(), 1);
  QCOMPARE(accepted.at(0).at(0).toString(), QStringLiteral("Sales"));
  flushDeletes();
  QVERIFY(d.isNull());

  // Cancel reports nothing.
  QPointer<Widgets::GroupNameInput> c =
      new Widgets::GroupNameInput(QStringLiteral("X"), false, nullptr);
  c->show();
  QSignalSpy none(c.data(), SIGNAL(accepted(QString)));
  child<QDialogButtonBox>(c, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
  QCOMPARE(none.count(), 0);
  flushDeletes();
  QVERIFY(c.isNull());
}

void TestNotifyDialogs::roomPasswordReasonsAndTitle() {
  const QString room = QStringLiteral("design@conference.example.com");
  auto* required = new Widgets::Conference::XmppPasswordDialog(room, 1, false);
  QCOMPARE(child<QLabel>(required, "errorLabel")->text(),
           QStringLiteral("A password is required to enter this room"));
  QCOMPARE(required->windowTitle(), room);
  QVERIFY(required->minimumWidth() >= 250);
  delete required;
  auto* wrong = new Widgets::Conference::XmppPasswordDialog(room, 2, false);
  QCOMPARE(child<QLabel>(wrong, "errorLabel")->text(), QStringLiteral("Incorrect password"));
  delete wrong;
  auto* none = new Widgets::Conference::XmppPasswordDialog(room, 7, false);
  QCOMPARE(child<QLabel>(none, "errorLabel")->text(), QString());
  delete none;
}

void TestNotifyDialogs::roomPasswordOkNeedsAPassword() {
  QPointer<Widgets::Conference::XmppPasswordDialog> d =
      new Widgets::Conference::XmppPasswordDialog(QStringLiteral("r@c.example"), 1, false);
  d->show();
  QSignalSpy entered(d.data(), SIGNAL(passwordEntered(QString, QString)));
  QSignalSpy canceled(d.data(), SIGNAL(passwordEnterCanceled(QString)));
  auto* ok = child<QPushButton>(d, "okButton");
  auto* edit = child<QLineEdit>(d, "passwordEdit");
  QVERIFY(!ok->isEnabled());
  d->okClicked();
  QTest::keyClick(edit, Qt::Key_Return);
  QCOMPARE(entered.count(), 0);
  QVERIFY(!d.isNull());
  // Blanks are a password too: they are not trimmed.
  QTest::keyClicks(edit, QStringLiteral(" "));
  QVERIFY(ok->isEnabled());
  QTest::keyClick(edit, Qt::Key_Backspace);
  QVERIFY(!ok->isEnabled());
  QTest::keyClicks(edit, QStringLiteral("s3cret"));
  QTest::keyClick(edit, Qt::Key_Return);
  QCOMPARE(entered.count(), 1);
  QCOMPARE(entered.at(0).at(0).toString(), QStringLiteral("r@c.example"));
  QCOMPARE(entered.at(0).at(1).toString(), QStringLiteral("s3cret"));
  QCOMPARE(canceled.count(), 0);
  flushDeletes();
  QVERIFY(d.isNull());
}

void TestNotifyDialogs::roomPasswordFrameCloseReportsCancelOnce() {
  QPointer<Widgets::Conference::XmppPasswordDialog> d =
      new Widgets::Conference::XmppPasswordDialog(QStringLiteral("r@c.example"), 1, false);
  d->show();
  QSignalSpy canceled(d.data(), SIGNAL(passwordEnterCanceled(QString)));
  QSignalSpy entered(d.data(), SIGNAL(passwordEntered(QString, QString)));
  QVERIFY(d->close());
  QCOMPARE(canceled.count(), 1);
  QCOMPARE(canceled.at(0).at(0).toString(), QStringLiteral("r@c.example"));
  QCOMPARE(entered.count(), 0);
  flushDeletes();
  QVERIFY(d.isNull());
}

void TestNotifyDialogs::roomPasswordCancelReportsOnce() {
  QPointer<Widgets::Conference::XmppPasswordDialog> d =
      new Widgets::Conference::XmppPasswordDialog(QStringLiteral("r@c.example"), 0, false);
  d->show();
  QSignalSpy canceled(d.data(), SIGNAL(passwordEnterCanceled(QString)));
  child<QPushButton>(d, "cancelButton")->click();
  QCOMPARE(canceled.count(), 1);
  flushDeletes();
  QVERIFY(d.isNull());
}

void TestNotifyDialogs::roomPasswordReasonFollowsLanguageChange() {
  auto* d = new Widgets::Conference::XmppPasswordDialog(QStringLiteral("r@c.example"), 2, false);
  auto* label = child<QLabel>(d, "errorLabel");
  label->setText(QStringLiteral("stale"));
  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(d, &change);
  QCOMPARE(label->text(), QStringLiteral("Incorrect password"));
  delete d;
}

void TestNotifyDialogs::fileChosenArrivesAfterStartReturned() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("picture.png"));
  {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
  }
  QWidget parent;
  auto* fd = new Dialogs::FileDialog(&parent, Dialogs::FileDialog::OpenImage, QString());
  QSignalSpy chosen(fd, SIGNAL(fileSelected(QString)));
  fd->start();
  QFileDialog* dialog = fd->dialog();
  QVERIFY(dialog);
  QVERIFY(dialog->isVisible());
  QCOMPARE(dialog->nameFilters(),
           QStringList{QStringLiteral("*.png *.jpg *.gif (*.png *.jpg *.gif)")});
  dialog->setDirectory(dir.path());
  dialog->selectFile(path);
  QVERIFY(QMetaObject::invokeMethod(dialog, "accept"));
  // Never inside the dialog's own answer: the caller hears of it later.
  QCOMPARE(chosen.count(), 0);
  QVERIFY(chosen.wait(ZentTest::kWaitMs));
  QCOMPARE(chosen.count(), 1);
  QCOMPARE(QFileInfo(chosen.at(0).at(0).toString()).canonicalFilePath(),
           QFileInfo(path).canonicalFilePath());
}

void TestNotifyDialogs::fileDialogCancelDeliversNothing() {
  QWidget parent;
  auto* fd = new Dialogs::FileDialog(&parent, Dialogs::FileDialog::OpenAny, QString());
  QSignalSpy chosen(fd, SIGNAL(fileSelected(QString)));
  fd->start();
  QPointer<QFileDialog> dialog = fd->dialog();
  QVERIFY(dialog);
  dialog->reject();
  flushDeletes();
  QCoreApplication::processEvents();
  QCOMPARE(chosen.count(), 0);
  QVERIFY(dialog.isNull());
}

void TestNotifyDialogs::fileDialogModes() {
  QTemporaryDir dir;
  QWidget parent;
  {
    Dialogs::FileDialog fd(&parent, Dialogs::FileDialog::SaveCsv, QStringLiteral("colors.csv"));
    fd.setInitialDirectory(dir.path());
    fd.start();
    QFileDialog* d = fd.dialog();
    QVERIFY(d);
    QCOMPARE(d->acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(!d->testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(d->nameFilters(), QStringList{QStringLiteral("*.csv (*.csv)")});
    QCOMPARE(QFileInfo(d->directory().absolutePath()).canonicalFilePath(),
             QFileInfo(dir.path()).canonicalFilePath());
    QCOMPARE(QFileInfo(d->selectedFiles().value(0)).fileName(), QStringLiteral("colors.csv"));
  }
  {
    Dialogs::FileDialog fd(&parent, Dialogs::FileDialog::OpenCsv, QString());
    fd.start();
    QCOMPARE(fd.dialog()->fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(fd.dialog()->acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(fd.dialog()->nameFilters(), QStringList{QStringLiteral("*.csv (*.csv)")});
  }
  {
    Dialogs::FileDialog fd(&parent, 9, QString());
    fd.start();
    QVERIFY(!fd.dialog());
  }
  flushDeletes();
}

void TestNotifyDialogs::fileDialogGoesWithItsParent() {
  auto* parent = new QWidget;
  QPointer<Dialogs::FileDialog> fd =
      new Dialogs::FileDialog(parent, Dialogs::FileDialog::OpenAny, QString());
  delete parent;
  flushDeletes();
  QVERIFY(fd.isNull());
}

void TestNotifyDialogs::fileDialogClosesItsOpenDialogWhenDestroyed() {
  QWidget parent;
  auto* fd =
      new Dialogs::FileDialog(&parent, Dialogs::FileDialog::SaveAny, QStringLiteral("a.txt"));
  fd->start();
  QPointer<QFileDialog> dialog = fd->dialog();
  QVERIFY(dialog && dialog->isVisible());
  delete fd;
  flushDeletes();
  QVERIFY(dialog.isNull());
}

ZENT_TEST_MAIN(TestNotifyDialogs, QApplication)
#include "tst_notify_dialogs.moc"

// The popups themselves (toasts, call and share notices, the dial pad, the
// overlay, the contact hover card): what they show, how they close, where they sit.
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTimer>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Presence/PresenceData.h>

#include "TestSupport.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "Widgets/Notifications/CommunicationOverlay.h"
#include "Widgets/Notifications/CommunicationWindowDialpad.h"
#include "Widgets/Notifications/ContactMouseOver.h"
#include "Widgets/Notifications/Notification.h"
#include "Widgets/Notifications/WebcollabSharingNotification.h"
#include "libqml/utils/Style.h"

namespace {

using Session = RAZ::Controllers::CommunicationSession;
using Call = RAZ::MediaEngine::CallBasePtr;

QList<QQuickItem*> allItems(QQuickItem* root) {
  QList<QQuickItem*> out{root};
  const auto children = root->childItems();
  for (QQuickItem* child : children) out << allItems(child);
  return out;
}

// Every visible text of a scene, with its text format.
QList<QPair<QString, int>> texts(QQuickItem* root) {
  QList<QPair<QString, int>> out;
  const auto items = allItems(root);
  for (QQuickItem* item : items) {
    if ((item->inherits("QQuickText") || item->inherits("QQuickTextEdit")) &&
        item->property("textFormat").isValid()) {
      out << qMakePair(item->property("text").toString(), item->property("textFormat").toInt());
    }
  }
  return out;
}

const int kPlainText = 0;  // Text.PlainText

}  // namespace

class TestNotifyPopups : public QObject {
  Q_OBJECT

 private slots:
  void toastStaysOpenUnderTheMouse();
  void toastClosesByButtonPressOrTimer();
  void toastIconKindClearsPicture();
  void toastFollowsTheThemeColours();
  void notificationTitlesShowNamesAsPlainText_data();
  void notificationTitlesShowNamesAsPlainText();
  void callAnswerButtonsReportHowTheCallWasAnswered();
  void shareWithoutComponentSaysSo();
  void sharingHintClosesByItself();
  void dialpadTurnsKeysIntoDigits();
  void dialpadHidesOnDeactivation();
  void overlayPanelsSetHeightAndVisibility();
  void overlayAttentionBringsTheWindowForward();
  void overlayWithoutSessionDoesNothing();
  void hoverCardRestartsItsTimerOnTheSameContact();
  void hoverCardShowsHostileTextsAsTyped();
  void hoverCardFollowsItsContact();
  void hoverCardStaysOnTheCursorsScreen();

 private:
  QString writeDialpadScene(QTemporaryDir& dir);
};

void TestNotifyPopups::toastStaysOpenUnderTheMouse() {
  QPointer<Widgets::Notifications::Notification> toast =
      new Widgets::Notifications::Notification(60);
  toast->setText(QStringLiteral("hello"));
  toast->show();
  QVERIFY(toast->isCloseTimerActive());
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(toast, &enter);
  // Resting on it, nothing is left to close it.
  QVERIFY(!toast->isCloseTimerActive());
  QVERIFY(toast->isVisible());

  QSignalSpy closed(toast.data(), SIGNAL(closed(Widgets::Notifications::Base*)));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(toast, &leave);
  QVERIFY(toast->isCloseTimerActive());
  QTRY_VERIFY(toast.isNull());
  QCOMPARE(closed.count(), 1);
}

void TestNotifyPopups::toastClosesByButtonPressOrTimer() {
  {
    QPointer<Widgets::Notifications::Notification> toast =
        new Widgets::Notifications::Notification(60000);
    toast->show();
    auto* button = toast->findChild<QPushButton*>(QStringLiteral("notificationCloseButton"));
    QVERIFY(button);
    QSignalSpy closed(toast.data(), SIGNAL(closed(Widgets::Notifications::Base*)));
    button->click();
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(toast.isNull());
  }
  {
    QPointer<Widgets::Notifications::Notification> toast =
        new Widgets::Notifications::Notification(60000);
    toast->show();
    QTest::mouseClick(toast, Qt::LeftButton, Qt::NoModifier, QPoint(5, toast->height() - 5));
    QTRY_VERIFY(toast.isNull());
  }
  {
    QPointer<Widgets::Notifications::Notification> toast =
        new Widgets::Notifications::Notification(20);
    toast->show();
    QTRY_VERIFY(toast.isNull());
  }
}

void TestNotifyPopups::toastIconKindClearsPicture() {
  auto* toast = new Widgets::Notifications::Notification(60000);
  auto labels = toast->findChildren<QLabel*>(QStringLiteral("notificationIcon"));
  QCOMPARE(labels.size(), 1);
  QPixmap pixmap(8, 8);
  pixmap.fill(Qt::red);
  labels.first()->setPixmap(pixmap);
  toast->setIconType(3);
  QCOMPARE(toast->iconType(), 3);
  QVERIFY(labels.first()->pixmap(Qt::ReturnByValue).isNull());
  delete toast;
}

void TestNotifyPopups::toastFollowsTheThemeColours() {
  auto* plain = new Widgets::Notifications::Notification(60000);
  QVERIFY(!plain->styleSheet().contains(QLatin1String("%%")));
  delete plain;

  QML::Style style;
  style.setColor(QStringLiteral("mediumBackground"), QStringLiteral("#123456"));
  auto* toast = new Widgets::Notifications::Notification(60000);
  QVERIFY(toast->styleSheet().contains(QLatin1String("#123456")));
  style.setColor(QStringLiteral("mediumBackground"), QStringLiteral("#654321"));
  QVERIFY(toast->styleSheet().contains(QLatin1String("#654321")));
  QVERIFY(!toast->styleSheet().contains(QLatin1String("%%")));
  delete toast;
}

void TestNotifyPopups::notificationTitlesShowNamesAsPlainText_data() {
  QTest::addColumn<int>("type");
  QTest::addColumn<QString>("expected");
  QTest::newRow("call") << 0 << QStringLiteral("%1 is calling");
  QTest::newRow("chat") << 1 << QStringLiteral("%1 wants to chat");
  QTest::newRow("file") << 2 << QStringLiteral("%1 is sending you a file");
  QTest::newRow("share") << 3 << QStringLiteral("Would you like to view %1's desktop share?");
}

void TestNotifyPopups::notificationTitlesShowNamesAsPlainText() {
  QFETCH(int, type);
  QFETCH(QString, expected);
  const QString remoteName = QStringLiteral("<b>Eve</b><img src=\"http://example.invalid/t.png\">");
  const QString remoteFile = QStringLiteral("<i>report</i>.pdf");
  Session session(7, remoteName, QStringLiteral("sip:eve@example.org"), Session::KindCall, true);
  session.setFileName(remoteFile);
  QPointer<QML::CommunicationNotification> n = new QML::CommunicationNotification(
      &session, static_cast<QML::CommunicationNotification::NotificationType>(type));
  n->load();
  QVERIFY(n->rootObject());
  QCOMPARE(n->rootObject()->width(), (type == 0 || type == 3) ? 400.0 : 350.0);

  const auto shown = texts(n->rootObject());
  bool titleFound = false;
  for (const auto& t : shown) {
    // Whatever shows remote text shows it as text, never as markup.
    if (t.first.contains(QLatin1Char('<'))) QCOMPARE(t.second, kPlainText);
    if (t.first == expected.arg(remoteName)) titleFound = true;
  }
  QVERIFY2(titleFound, qPrintable(expected));
  if (type == 2) {
    bool fileFound = false;
    for (const auto& t : shown) fileFound |= t.first == remoteFile;
    QVERIFY(fileFound);
  }

  // A name change reaches the title; a session gone leaves an empty name.
  session.setContactName(QStringLiteral("Ann"));
  bool renamed = false;
  for (const auto& t : texts(n->rootObject()))
    renamed |= t.first == expected.arg(QStringLiteral("Ann"));
  QVERIFY(renamed);
  delete n.data();
}

void TestNotifyPopups::callAnswerButtonsReportHowTheCallWasAnswered() {
  Session session(8, QStringLiteral("Bob"), QStringLiteral("sip:bob@example.org"),
                  Session::KindVideoCall, true);
  QVERIFY(session.isVideoCall());
  auto* n = new QML::CommunicationNotification(&session,
                                               QML::CommunicationNotification::CallNotification);
  n->load();
  QVERIFY(n->rootObject());
  QQuickItem* video = nullptr;
  QQuickItem* decline = nullptr;
  for (QQuickItem* item : allItems(n->rootObject())) {
    if (item->objectName() == QLatin1String("videoButton")) video = item;
    if (item->objectName() == QLatin1String("declineButton")) decline = item;
  }
  QVERIFY(video && decline);
  QVERIFY(video->isVisible());

  QSignalSpy accepted(n, SIGNAL(callNotificationAccepted()));
  QSignalSpy ignored(n, SIGNAL(callNotificationIgnored()));
  QSignalSpy answers(n, SIGNAL(answerChanged()));
  QVERIFY(QMetaObject::invokeMethod(video, "clicked"));
  QCOMPARE(accepted.count(), 1);
  QCOMPARE(n->answer(), QStringLiteral("video"));
  QCOMPARE(answers.count(), 1);
  QVERIFY(QMetaObject::invokeMethod(decline, "clicked"));
  QCOMPARE(ignored.count(), 1);

  QCOMPARE(video->property("text").toString(), QStringLiteral("Answer with Video"));

  // While the other side asks for video, the buttons read Yes and No, and No
  // keeps the call with audio only instead of ending it.
  session.setUpdatingToVideo(true);
  QCOMPARE(video->property("text").toString(), QStringLiteral("Yes"));
  QCOMPARE(decline->property("text").toString(), QStringLiteral("No"));
  QVERIFY(QMetaObject::invokeMethod(decline, "clicked"));
  QCOMPARE(ignored.count(), 1);
  QCOMPARE(accepted.count(), 2);
  QCOMPARE(n->answer(), QStringLiteral("audio"));
  QCOMPARE(answers.count(), 2);
  delete n;
}

void TestNotifyPopups::shareWithoutComponentSaysSo() {
  Session session(9, QStringLiteral("Dan"), QStringLiteral("sip:dan@example.org"),
                  Session::KindWebCollab, true);
  session.setShareAvailable(false);
  auto* n = new QML::CommunicationNotification(
      &session, QML::CommunicationNotification::WebcollabNotification);
  n->load();
  QVERIFY(n->rootObject());
  QCOMPARE(n->rootObject()->height(), 25.0 + 1 + 70);
  bool found = false;
  for (const auto& t : texts(n->rootObject()))
    found |= t.first.startsWith(QStringLiteral("Dan has invited you to a desktop share."));
  QVERIFY(found);
  session.setShareAvailable(true);
  QCOMPARE(n->rootObject()->height(), 25.0 + 1 + 80);
  delete n;
}

void TestNotifyPopups::sharingHintClosesByItself() {
  QPointer<QML::WebcollabSharingNotification> hint = new QML::WebcollabSharingNotification;
  QVERIFY(hint->rootObject());
  QCOMPARE(hint->rootObject()->width(), 370.0);
  QCOMPARE(hint->rootObject()->height(), 80.0);
  hint->show();
  QTRY_VERIFY_WITH_TIMEOUT(hint.isNull(), ZentTest::kWaitMs);
}

QString TestNotifyPopups::writeDialpadScene(QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("Dialpad.qml"));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return QString();
  f.write(
      "import QtQuick 2.15\n"
      "Item {\n"
      "  width: 100; height: 100\n"
      "  property var digits: []\n"
      "  property int pastes: 0\n"
      "  function sendDTMF(d) { var a = digits; a.push(d); digits = a; }\n"
      "  function appendClipboardText() { pastes = pastes + 1; }\n"
      "}\n");
  return path;
}

void TestNotifyPopups::dialpadTurnsKeysIntoDigits() {
  QTemporaryDir dir;
  const QString scene = writeDialpadScene(dir);
  QVERIFY(!scene.isEmpty());
  QWidget owner;
  auto* pad = new QML::CommunicationWindowDialpad(nullptr, &owner);
  pad->setSource(QUrl::fromLocalFile(scene));
  QVERIFY(pad->rootObject());

  auto press = [pad](int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                     const QString& text = QString()) {
    QKeyEvent e(QEvent::KeyPress, key, mods, text);
    pad->handleKeyEvent(&e);
  };
  press(Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
  press(Qt::Key_0, Qt::NoModifier, QStringLiteral("0"));
  press(Qt::Key_NumberSign, Qt::NoModifier, QStringLiteral("#"));
  press(Qt::Key_Return);
  press(Qt::Key_Enter);
  press(Qt::Key_Asterisk, Qt::NoModifier, QStringLiteral("*"));
  press(Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  press(Qt::Key_V, Qt::ControlModifier);

  const QVariantList digits = pad->rootObject()->property("digits").toList();
  QCOMPARE(digits, (QVariantList{5, 0, 11, 11, 11, 10}));
  QCOMPARE(pad->rootObject()->property("pastes").toInt(), 1);

  // Escape hides a visible pad and tells its owner.
  owner.show();
  pad->show();
  QSignalSpy visibility(pad, SIGNAL(dialpadVisibleChanged()));
  press(Qt::Key_Escape);
  QVERIFY(!pad->isVisible());
  QCOMPARE(visibility.count(), 1);
  press(Qt::Key_Escape);
  QCOMPARE(visibility.count(), 1);
}

void TestNotifyPopups::dialpadHidesOnDeactivation() {
  QWidget owner;
  auto* pad = new QML::CommunicationWindowDialpad(nullptr, &owner);
  owner.show();
  pad->show();
  QSignalSpy visibility(pad, SIGNAL(dialpadVisibleChanged()));
  QEvent deactivate(QEvent::WindowDeactivate);
  QApplication::sendEvent(pad, &deactivate);
  QVERIFY(!pad->isVisible());
  QCOMPARE(visibility.count(), 1);
}

void TestNotifyPopups::overlayPanelsSetHeightAndVisibility() {
  Session session(10, QStringLiteral("Eli"), QStringLiteral("sip:eli@example.org"),
                  Session::KindCall, false);
  QWidget window;
  window.show();
  auto* overlay = new QML::CommunicationOverlay(&session, &window);
  QVERIFY(!overlay->callTransferVisible());

  QSignalSpy transfer(overlay, SIGNAL(callTransferVisibleChanged()));
  overlay->transferCallTriggered();
  overlay->transferCallTriggered();
  QCOMPARE(transfer.count(), 1);
  QVERIFY(overlay->isVisible());
  QCOMPARE(overlay->height(), 115);

  overlay->closeContactList();
  QVERIFY(!overlay->isVisible());
  QCOMPARE(overlay->height(), 75);

  overlay->callParkTriggered();
  QCOMPARE(overlay->height(), 110);
  overlay->addParticipantsTriggered();
  QCOMPARE(overlay->height(), 115);
  overlay->closeContactList();
  QVERIFY(!overlay->addParticipantsVisible() && !overlay->callParkVisible());

  // An orphaned share invitation is an attention state of its own height.
  session.setShareInvitationOrphan(true);
  overlay->checkIfNeedsToBeVisible();
  QVERIFY(overlay->isVisible());
  QCOMPARE(overlay->height(), 90);

  // Hidden window, hidden overlay.
  window.hide();
  overlay->transferCallTriggered();
  QVERIFY(!overlay->isVisible());
}

void TestNotifyPopups::overlayAttentionBringsTheWindowForward() {
  Session session(11, QStringLiteral("Fay"), QStringLiteral("sip:fay@example.org"),
                  Session::KindCall, false);
  QWidget window;
  window.show();
  auto* overlay = new QML::CommunicationOverlay(&session, &window);
  TP::Core::Refcounting::SmartPtr<Call> call(
      new Call(QStringLiteral("sip:fay@example.org"), Call::TypeAudio, false));
  QVERIFY(call->setCallState(Call::StateInCall));
  session.setCall(call.Raw());
  QVERIFY(!overlay->attention());
  QVERIFY(!overlay->isVisible());

  window.showMinimized();
  // The call's own state change reaches the overlay through the session.
  QVERIFY(call->setCallState(Call::StateAttention));
  QVERIFY(overlay->attention());
  QVERIFY(!window.isMinimized());
  QVERIFY(overlay->isVisible());
  QCOMPARE(overlay->height(), 75);
}

void TestNotifyPopups::overlayWithoutSessionDoesNothing() {
  QWidget window;
  window.show();
  auto* session = new Session(12, QStringLiteral("Gus"), QStringLiteral("sip:gus@example.org"),
                              Session::KindCall, false);
  auto* overlay = new QML::CommunicationOverlay(session, &window);
  delete session;
  overlay->transferCallTriggered();
  QVERIFY(overlay->callTransferVisible());
  QVERIFY(!overlay->isVisible());
}

void TestNotifyPopups::hoverCardRestartsItsTimerOnTheSameContact() {
  QObject contact;
  contact.setObjectName(QStringLiteral("contact"));
  QObject other;
  QPointer<QML::ContactMouseOver> card = new QML::ContactMouseOver;
  QVERIFY(card->activate());
  QVERIFY(card->rootObject());
  QCOMPARE(card->windowFlags() & Qt::ToolTip, Qt::ToolTip);

  QSignalSpy changed(card.data(), SIGNAL(contactChanged()));
  card->setContact(&contact);
  QCOMPARE(changed.count(), 1);
  QVERIFY(card->hideTimer()->isActive());
  QCOMPARE(card->hideTimer()->interval(), 5000);
  card->hideTimer()->stop();
  card->setContact(&contact);
  QCOMPARE(changed.count(), 1);
  QVERIFY(card->hideTimer()->isActive());
  card->setContact(&other);
  QCOMPARE(changed.count(), 2);

  QSignalSpy affiliation(card.data(), SIGNAL(affiliationChanged()));
  card->setAffiliation(2);
  card->setAffiliation(2);
  QCOMPARE(affiliation.count(), 1);

  // Hiding is the timer's only effect.
  card->show();
  card->hideTimer()->start(1);
  QTRY_VERIFY(!card->isVisible());
  delete card.data();
}

void TestNotifyPopups::hoverCardShowsHostileTextsAsTyped() {
  const QString name = QStringLiteral("<img src=\"http://evil.example/x.png\"><b>Mallory</b>");
  const QString status = QStringLiteral("<a href=\"http://evil.example\">click</a>");
  RAZ::Contacts::IContact contact(
      7, {{QString::number(RAZ::Contacts::Properties::KeyDisplayName), name},
          {QString::number(RAZ::Contacts::Properties::KeyWork), QStringLiteral("<i>100</i>")}});
  contact.presenceData()->setReceived(1, status);
  QML::ContactMouseOver card;
  QVERIFY(card.activate());
  QVERIFY(card.rootObject());
  card.setContact(&contact);
  const auto shown = texts(card.rootObject());
  QStringList seen;
  for (const auto& t : shown) {
    seen << t.first;
    // Every text the service sent is shown, and as typed, never as markup.
    if (t.first.contains(QLatin1Char('<'))) QCOMPARE(t.second, kPlainText);
  }
  QVERIFY2(seen.contains(name), qPrintable(seen.join(QLatin1Char('|'))));
  QVERIFY(seen.contains(status));
  QVERIFY(seen.contains(QStringLiteral("Work: <i>100</i>")));
}

void TestNotifyPopups::hoverCardFollowsItsContact() {
  QPointer<RAZ::Contacts::IContact> contact = new RAZ::Contacts::IContact(
      8, {{QString::number(RAZ::Contacts::Properties::KeyDisplayName), QStringLiteral("Ann")},
          {QString::number(RAZ::Contacts::Properties::KeyMobile), QStringLiteral("600")},
          {QString::number(RAZ::Contacts::Properties::KeyExtension), QStringLiteral("21")}});
  QML::ContactMouseOver card;
  QVERIFY(card.activate());
  QVERIFY(card.presenceText().isEmpty());
  QVERIFY(card.numbers().isEmpty());
  card.setContact(contact);
  QCOMPARE(card.numbers(), QStringList({"Mobile: 600", "Extension: 21"}));
  const QString before = card.presenceText();
  QVERIFY(!before.isEmpty());
  // A presence arriving while the card shows updates it.
  QSignalSpy details(&card, SIGNAL(detailsChanged()));
  contact->presenceData()->setReceived(10, QStringLiteral("in a meeting"));
  QVERIFY(details.count() >= 1);
  QVERIFY(card.presenceText() != before);
  // Not every contact object is a list contact: nothing to number then.
  QObject plain;
  card.setContact(&plain);
  QVERIFY(card.numbers().isEmpty());
  QVERIFY(card.presenceText().isEmpty());
  // A contact going away while shown leaves the card empty, not dangling.
  card.setContact(contact);
  delete contact.data();
  QVERIFY(!card.contact());
  QVERIFY(card.numbers().isEmpty());
  // Room ranks reach the card's scene.
  card.setAffiliation(4);
  bool ownerShown = false;
  for (const auto& t : texts(card.rootObject())) ownerShown |= t.first == QLatin1String("Owner");
  QVERIFY(ownerShown);
}

void TestNotifyPopups::hoverCardStaysOnTheCursorsScreen() {
  const QSize card(260, 100);
  const QRect first(0, 0, 1000, 800);
  // Room to the right and below: beside the cursor.
  QCOMPARE(QML::ContactMouseOver::placeFor(QPoint(100, 100), card, first), QPoint(105, 100));
  // At the right edge the card goes to the cursor's left, at the bottom above it.
  QCOMPARE(QML::ContactMouseOver::placeFor(QPoint(900, 750), card, first), QPoint(635, 650));
  // Exactly fitting stays beside the cursor.
  QCOMPARE(QML::ContactMouseOver::placeFor(QPoint(735, 700), card, first), QPoint(740, 700));
  // A second screen to the right and below: its edges count, not its size.
  const QRect second(1000, 800, 1000, 800);
  QCOMPARE(QML::ContactMouseOver::placeFor(QPoint(1100, 900), card, second), QPoint(1105, 900));
  QCOMPARE(QML::ContactMouseOver::placeFor(QPoint(1900, 1550), card, second), QPoint(1635, 1450));
}

ZENT_TEST_MAIN(TestNotifyPopups, QApplication)
#include "tst_notify_popups.moc"

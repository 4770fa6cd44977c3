// The contact card over a demo session: its modes, adding a contact, a
// conference contact or a directory result through the platform's add
// action, the directory look-ups and their questions, refusing a duplicate
// IM address, asking before unsaved edits are lost, deleting, the favourite
// star, the action buttons and Tab between the fields.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Demo/DemoSession.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Settings.h>

#include "DemoFixture.h"
#include "Models/ContactCardFieldsModel.h"
#include "Providers/Factory.h"
#include "TestSupport.h"
#include "Utils/SettingsKeys.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/ContactCard.h"
#include "libqml/utils/Style.h"
#include "libqml/window/View.h"

using Models::FieldData;
using QML::ContactCard;
using RAZ::Actions::Action;
using RAZ::Contacts::IContact;
namespace Key = RAZ::Contacts::Properties;

namespace {

const int kAlice = 101;  // in the list and in the directory (one match)

QByteArray config(const QString& syncMode) {
  ZentTest::ConfigValues values;
  // Every field but the collaboration room shown (21 to 37 show a field, 39
  // to 55 make it editable, 38 shows the room); all but the IM address
  // editable after adding.
  for (int id = 21; id <= 55; ++id)
    if (id != 38) values.append({id, true});
  values.append({ConfigId::XmppPresenceAndChat, true});
  values.append({ConfigId::DirectorySyncMode, syncMode});
  return ZentTest::configText(values);
}

// Clicks the button with `text` of the next message window shown and
// reports its title.
void clickInNextMessage(const QString& text, QString* title, QString* message = nullptr) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, qApp, [=] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* m = qobject_cast<Dialogs::MessageWindow*>(w);
      if (!m || !m->isVisible()) continue;
      for (QAbstractButton* b : m->buttonBox()->buttons()) {
        if (b->text().remove('&') != text) continue;
        timer->stop();
        timer->deleteLater();
        if (title) *title = m->windowTitle();
        if (message) *message = m->messageLabel()->text();
        b->click();
        return;
      }
    }
  });
  timer->start();
}

// Items of repeaters are found through the visual tree, not the object tree.
QQuickItem* findItem(QQuickItem* item, const QString& name) {
  if (!item) return nullptr;
  if (item->objectName() == name) return item;
  for (QQuickItem* child : item->childItems())
    if (QQuickItem* found = findItem(child, name)) return found;
  return nullptr;
}

QQuickItem* sceneItem(ContactCard* c, const QString& name) {
  return findItem(c->view()->rootObject(), name);
}

}  // namespace

class TestContactCard : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  RAZ::Configuration::Config m_askConfig{config("ask"), QString()};
  RAZ::Configuration::Config m_autoConfig{config("automatic"), QString()};
  std::unique_ptr<RAZ::Demo::DemoSession> m_session;
  std::unique_ptr<Providers::Factory> m_factory;

  RAZ::Contacts::Contacts* contacts() const { return m_session->contactsManager().data(); }
  IContact* contact(int id) const { return contacts()->getContact(id).data(); }

  void openSession(const RAZ::Configuration::Config* config) {
    m_factory.reset();
    m_session.reset(new RAZ::Demo::DemoSession(config));
    m_session->open(QStringLiteral("tester"), QStringLiteral("demo"));
    m_factory = std::make_unique<Providers::Factory>(m_session.get(), m_session->contactsManager(),
                                                     nullptr, m_session->ftController(),
                                                     m_session->sipChatController());
  }

  ContactCard* card(IContact* c, bool conference = false) {
    auto* card =
        new ContactCard(conference, m_session->contactsManager(), c, m_session->configuration(),
                        m_factory.get(), m_session->contactSearchController(), false, nullptr);
    card->activate();
    card->show();
    return card;
  }

  // A directory hit as the search hands it over.
  IContact* searchResult(const QString& first, const QString& last, const QString& jid,
                         const QString& work) {
    QVariantMap p;
    p.insert(QString::number(Key::KeyFirstName), first);
    p.insert(QString::number(Key::KeyLastName), last);
    p.insert(QString::number(Key::KeyJid), jid);
    p.insert(QString::number(Key::KeyWork), work);
    auto* c = new IContact(-5000, p, this);
    c->setSearchResult(true);
    return c;
  }

  int listed() const { return contacts()->contactIds().size(); }

 private slots:
  void initTestCase() {
    ZentTest::initScenes();
    ZentTest::useSettingsFolders(m_dir.path());
    new QML::Style(this);
  }
  void init() {
    RAZ::Demo::Service::instance().reset();
    RAZ::Demo::Service::instance().setStepDelay(0);
    RAZ::Demo::Service::instance().setPresenceChanges(false);
    openSession(&m_askConfig);
    QVERIFY(contact(kAlice));
    RAZ::Settings(RAZ::Settings::User).remove(Utils::SettingsKey::ConfirmRemoveContact);
  }
  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<ContactCard*>(w) || qobject_cast<Dialogs::MessageWindow*>(w)) delete w;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_factory.reset();
    m_session.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void modesTitlesAndHelp_data() {
    QTest::addColumn<bool>("conference");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("help");
    QTest::newRow("new contact") << false << false << "Add Contact"
                                 << "addContact";
    QTest::newRow("new conference") << true << false << "Add Conference Contact"
                                    << "addConference";
    QTest::newRow("existing") << false << true << "Alice Moreno"
                              << "editContact";
  }
  void modesTitlesAndHelp() {
    QFETCH(bool, conference);
    QFETCH(bool, existing);
    QFETCH(QString, title);
    QFETCH(QString, help);
    ContactCard* c = card(existing ? contact(kAlice) : nullptr, conference);
    QCOMPARE(c->addMode(), !existing);
    QCOMPARE(c->windowTitle(), title);
    QCOMPARE(c->helpContext(), help);
    QVERIFY(c->minimumSize().width() >= 345);
    QCOMPARE(c->fieldsModel()->rowCount(), 17);
    QCOMPARE(c->getContact()->isTemporary(), !existing);
    QCOMPARE(c->getContact()->getProperty(Key::KeyConferenceMark).toBool(), conference);
    QCOMPARE(c->actionsProvider()->acceptedActions().contains(Action::AddContact), !existing);
    QCOMPARE(c->canAdd(), !existing);
    // A new card waits for something to look up; a listed one looks at once.
    if (existing)
      QTRY_VERIFY_WITH_TIMEOUT(!c->syncingPossible(), ZentTest::kWaitMs);
    else
      QVERIFY(c->syncingPossible());
  }

  void everyFieldReadsAndWritesItsProperty_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("key");
    const QList<QPair<int, int>> pairs{
        {FieldData::FirstNameField, 4},     {FieldData::LastNameField, 5},
        {FieldData::WorkPhoneField, 13},    {FieldData::ExtensionField, 16},
        {FieldData::MobilePhoneField, 14},  {FieldData::PersonalPhoneField, 15},
        {FieldData::StreetField, 8},        {FieldData::CityField, 11},
        {FieldData::PostalCodeField, 9},    {FieldData::CountryField, 12},
        {FieldData::EmailField, 6},         {FieldData::ConferencePhoneField, 39},
        {FieldData::ConferenceIdField, 40}, {FieldData::ConferencePinField, 41},
        {FieldData::WebUrlField, 7}};
    for (const auto& p : pairs)
      QTest::newRow(qPrintable(FieldData::labelFor(p.first))) << p.first << p.second;
  }
  void everyFieldReadsAndWritesItsProperty() {
    QFETCH(int, field);
    QFETCH(int, key);
    QCOMPARE(ContactCard::propertyKey(field), key);
    ContactCard* c = card(contact(kAlice));
    c->setEditMode(true);
    QVERIFY(c->canEditField(field, true));
    QVERIFY(!c->canEditField(field, false));
    c->setFieldValue(field, "  value " + QString::number(field) + " ");
    // Nothing reaches the contact before Save.
    QVERIFY(contact(kAlice)->getProperty(key).toString() != "value " + QString::number(field));
    c->save();
    QCOMPARE(contact(kAlice)->getProperty(key).toString(), "value " + QString::number(field));
    QCOMPARE(c->fieldValue(field), "value " + QString::number(field));
    QVERIFY(!c->editMode());
    QVERIFY(!c->canEditField(field, true));
  }

  void imAddressIsChosenOnlyWhenAdding() {
    ContactCard* listedCard = card(contact(kAlice));
    listedCard->setEditMode(true);
    QVERIFY(!listedCard->canEditField(FieldData::JidField, true));
    ContactCard* newCard = card(nullptr);
    QVERIFY(newCard->canEditField(FieldData::JidField, true));
    QVERIFY(!newCard->canEditField(FieldData::CollabRoomField, true));
  }

  void newContactIsAddedToTheList() {
    ContactCard* c = card(nullptr);
    QPointer<ContactCard> guard(c);
    QPointer<IContact> made(c->getContact());
    const int before = listed();
    QVERIFY(!c->anyFieldHasValue());
    c->setFieldValue(FieldData::DisplayNameField, "Carl Dahl");
    c->setFieldValue(FieldData::WorkPhoneField, "+4930123");
    c->setFieldValue(FieldData::StreetField, "Hauptstrasse 1");
    c->setFieldValue(FieldData::JidField, "carl@else.example");
    QVERIFY(c->anyFieldHasValue());
    QVERIFY(c->hasUnsavedEdits());
    QSignalSpy added(c, SIGNAL(contactAdded()));
    c->addContact();
    // Nobody in the directory: the look-up fails and the add goes through.
    QTRY_COMPARE_WITH_TIMEOUT(added.count(), 1, ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!guard, ZentTest::kWaitMs);
    QCOMPARE(listed(), before + 1);
    RAZ::Contacts::ContactPtr carl = contacts()->getContactByJid("carl@else.example");
    QVERIFY(carl);
    QCOMPARE(carl->getDisplayName(), QString("Carl Dahl"));
    QCOMPARE(carl->getProperty(Key::KeyWork).toString(), QString("+4930123"));
    QCOMPARE(carl->getProperty(Key::KeyStreet).toString(), QString("Hauptstrasse 1"));
    QVERIFY(!carl->isTemporary());
    QCOMPARE(contacts()->findContactByAddress("+4930123"), carl.data());
    // The card's own contact went with it; the list holds its copy.
    QVERIFY(!made);
  }

  void conferenceContactIsAdded() {
    ContactCard* c = card(nullptr, true);
    c->setFieldValue(FieldData::DisplayNameField, "Weekly Sync");
    c->setFieldValue(FieldData::ConferencePhoneField, "+4930999");
    c->setFieldValue(FieldData::ConferenceIdField, "4711");
    c->setFieldValue(FieldData::ConferencePinField, "0815");
    QSignalSpy added(c, SIGNAL(contactAdded()));
    c->addContact();
    QTRY_COMPARE_WITH_TIMEOUT(added.count(), 1, ZentTest::kWaitMs);
    RAZ::Contacts::ContactPtr sync;
    for (int id : contacts()->contactIds())
      if (contacts()->getContact(id)->getDisplayName() == "Weekly Sync")
        sync = contacts()->getContact(id);
    QVERIFY(sync);
    QVERIFY(sync->getProperty(Key::KeyConferenceMark).toBool());
    QCOMPARE(sync->getProperty(Key::KeyConference).toString(), QString("+4930999"));
    QCOMPARE(sync->getProperty(Key::KeyConferenceId).toString(), QString("4711"));
    QCOMPARE(sync->getProperty(Key::KeySecurityPin).toString(), QString("0815"));
  }

  void refusedAddKeepsTheCardAndWhatWasTyped() {
    contacts()->setReadOnly(true);
    ContactCard* c = card(nullptr);
    c->setFieldValue(FieldData::DisplayNameField, "Dora Eck");
    QString title;
    clickInNextMessage("OK", &title);
    const int before = listed();
    c->addContact();
    QTRY_COMPARE_WITH_TIMEOUT(title, QString("Error Adding Contact"), ZentTest::kWaitMs);
    QCOMPARE(listed(), before);
    QVERIFY(c->isVisible());
    QCOMPARE(c->fieldValue(FieldData::DisplayNameField), QString("Dora Eck"));
  }

  void searchResultAlreadyInTheListShowsThatContact() {
    IContact* hit = searchResult("Alice", "Moreno", "alice.moreno@demo.zent", "+4930100101");
    const int before = listed();
    ContactCard* c = card(hit);
    QCOMPARE(c->getContact(), contact(kAlice));
    QVERIFY(!c->addMode());
    QVERIFY(!c->canAdd());
    QVERIFY(!c->actionsProvider()->acceptedActions().contains(Action::AddContact));
    QCOMPARE(listed(), before);
  }

  void searchResultBecomesATemporaryContact() {
    IContact* hit = searchResult("Nora", "Albrecht", "nora.albrecht@demo.zent", "+4930100201");
    const int before = listed();
    ContactCard* c = card(hit);
    QPointer<ContactCard> guard(c);
    QPointer<IContact> temporary(c->getContact());
    QVERIFY(temporary.data() != hit);
    QVERIFY(temporary->isTemporary());
    QVERIFY(!c->addMode());
    QVERIFY(!c->syncingPossible());
    QCOMPARE(c->fieldValue(FieldData::LastNameField), QString("Albrecht"));
    QVERIFY(c->canAdd());
    QVERIFY(sceneItem(c, "addButton")->isVisible());
    QVERIFY(!sceneItem(c, "editButton")->isVisible());
    QVERIFY(!sceneItem(c, "favouriteStar")->isVisible());
    // Closed without adding: the temporary contact goes, the list is as it was.
    QVERIFY(c->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard);
    QVERIFY(!temporary);
    QCOMPARE(listed(), before);

    // Added: the list holds the person.
    ContactCard* again = card(hit);
    QSignalSpy added(again, SIGNAL(contactAdded()));
    again->addContact();
    QTRY_COMPARE_WITH_TIMEOUT(added.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(listed(), before + 1);
    QVERIFY(contacts()->getContactByJid("nora.albrecht@demo.zent"));
  }

  void duplicateImAddressIsRefused() {
    ContactCard* c = card(nullptr);
    c->setFieldValue(FieldData::DisplayNameField, "Other Alice");
    c->setFieldValue(FieldData::JidField, "ALICE.moreno@demo.zent");
    QString shown;
    ZentTest::answerNextMessage(QDialogButtonBox::Ok,
                                [&](Dialogs::MessageWindow* m) { shown = m->windowTitle(); });
    const int before = listed();
    c->addContact();
    QTRY_COMPARE_WITH_TIMEOUT(shown, QString("Error Adding Contact"), ZentTest::kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(c->fieldValue(FieldData::JidField), QString(), ZentTest::kWaitMs);
    QCOMPARE(listed(), before);
    QVERIFY(c->isVisible());
  }

  void leavingTheImAddressFieldChecksForADuplicate() {
    ContactCard* c = card(nullptr);
    c->setFieldValue(FieldData::JidField, "alice.moreno@demo.zent");
    QString shown;
    ZentTest::answerNextMessage(QDialogButtonBox::Ok,
                                [&](Dialogs::MessageWindow* m) { shown = m->windowTitle(); });
    c->trySyncing(FieldData::JidField);
    QTRY_COMPARE_WITH_TIMEOUT(shown, QString("Error Adding Contact"), ZentTest::kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(c->getContact()->getJid(), QString(), ZentTest::kWaitMs);
    // No directory look-up was started for it.
    QVERIFY(c->syncingPossible());
  }

  void listedContactOffersTheDirectoryImport() {
    ContactCard* c = card(contact(kAlice));
    QTRY_VERIFY_WITH_TIMEOUT(c->importFromDirectoryPossible(), ZentTest::kWaitMs);
    QVERIFY(!c->syncingPossible());
    QTRY_VERIFY_WITH_TIMEOUT(sceneItem(c, "importButton")->isVisible(), ZentTest::kWaitMs);
    QString title;
    QString text;
    clickInNextMessage("Overwrite", &title, &text);
    c->importFromDirectory();
    QTRY_COMPARE_WITH_TIMEOUT(title, QString("Import Information"), ZentTest::kWaitMs);
    QCOMPARE(text, QString("Do you want to overwrite this contact's information with the "
                           "information from Telephone Directory?"));
    // The directory's department reached the listed contact.
    QTRY_COMPARE_WITH_TIMEOUT(contact(kAlice)->getProperty(Key::KeyDepartment).toString(),
                              QString("Engineering"), ZentTest::kWaitMs);
    QVERIFY(!c->importFromDirectoryPossible());
  }

  void automaticSyncOverwritesWithoutAQuestion() {
    openSession(&m_autoConfig);
    QVERIFY(contact(kAlice)->getProperty(Key::KeyDepartment).toString().isEmpty());
    ContactCard* c = card(contact(kAlice));
    QTRY_COMPARE_WITH_TIMEOUT(contact(kAlice)->getProperty(Key::KeyDepartment).toString(),
                              QString("Engineering"), ZentTest::kWaitMs);
    QVERIFY(!c->importFromDirectoryPossible());
    for (QWidget* w : QApplication::topLevelWidgets())
      QVERIFY(!qobject_cast<Dialogs::MessageWindow*>(w) || !w->isVisible());
  }

  void severalDirectoryMatchesAreReported() {
    ContactCard* c = card(nullptr);
    c->setFieldValue(FieldData::WorkPhoneField, "+49301002");
    QString title;
    clickInNextMessage("OK", &title);
    c->trySyncing(FieldData::WorkPhoneField);
    QTRY_COMPARE_WITH_TIMEOUT(title, QString("Multiple Matches Found"), ZentTest::kWaitMs);
    QVERIFY(c->isVisible());
  }

  void addingAsksAboutTheDirectoryMatch() {
    ContactCard* c = card(nullptr);
    QPointer<ContactCard> guard(c);
    c->setFieldValue(FieldData::DisplayNameField, "N. A.");
    c->setFieldValue(FieldData::JidField, "nora.albrecht@demo.zent");
    QString title;
    QString text;
    // Declined: the contact is added as typed.
    clickInNextMessage("No", &title, &text);
    const int before = listed();
    c->addContact();
    QTRY_COMPARE_WITH_TIMEOUT(title, QString("Match Found"), ZentTest::kWaitMs);
    QVERIFY(text.contains("same IM Address"));
    QVERIFY(text.contains("Nora Albrecht"));
    QTRY_COMPARE_WITH_TIMEOUT(listed(), before + 1, ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!guard, ZentTest::kWaitMs);
    QCOMPARE(contacts()->getContactByJid("nora.albrecht@demo.zent")->getDisplayName(),
             QString("N. A."));
  }

  void overwriteFromTheDirectoryThenAdd() {
    ContactCard* c = card(nullptr);
    c->setFieldValue(FieldData::JidField, "oskar.berg@demo.zent");
    QString title;
    clickInNextMessage("Overwrite", &title);
    c->addContact();
    QTRY_COMPARE_WITH_TIMEOUT(c->fieldValue(FieldData::ExtensionField), QString("202"),
                              ZentTest::kWaitMs);
    QCOMPARE(title, QString("Match Found"));
    // The user looks at what came and adds again.
    QVERIFY(c->isVisible());
    QSignalSpy added(c, SIGNAL(contactAdded()));
    c->addContact();
    QTRY_COMPARE_WITH_TIMEOUT(added.count(), 1, ZentTest::kWaitMs);
    RAZ::Contacts::ContactPtr oskar = contacts()->getContactByJid("oskar.berg@demo.zent");
    QVERIFY(oskar);
    QCOMPARE(oskar->getProperty(Key::KeyLastName).toString(), QString("Berg"));
  }

  void unsavedEditsAskFirst() {
    ContactCard* c = card(contact(kAlice));
    QPointer<ContactCard> guard(c);
    c->setEditMode(true);
    c->setFieldValue(FieldData::FirstNameField, "Alicia");
    QVERIFY(c->hasUnsavedEdits());
    ZentTest::answerNextMessage(QDialogButtonBox::No);
    QVERIFY(!c->close());
    QVERIFY(c->isVisible());
    QCOMPARE(c->fieldValue(FieldData::FirstNameField), QString("Alicia"));
    c->save();
    QVERIFY(!c->hasUnsavedEdits());
    QCOMPARE(contact(kAlice)->getProperty(Key::KeyFirstName).toString(), QString("Alicia"));
    QVERIFY(c->close());
    QTRY_VERIFY(!guard);
  }

  void newCardWithTypedTextAsksFirst() {
    ContactCard* c = card(nullptr);
    QPointer<ContactCard> guard(c);
    QVERIFY(c->close());  // nothing typed: no question
    QTRY_VERIFY(!guard);
    c = card(nullptr);
    guard = c;
    c->setFieldValue(FieldData::WorkPhoneField, "+4930999000");
    // Leaving a number field hands the text to the card's contact for the
    // directory look-up: still unsaved.
    c->trySyncing(FieldData::WorkPhoneField);
    QCOMPARE(c->getContact()->getProperty(Key::KeyWork).toString(), QString("+4930999000"));
    QVERIFY(c->hasUnsavedEdits());
    ZentTest::answerNextMessage(QDialogButtonBox::No);
    QVERIFY(!c->close());
    ZentTest::answerNextMessage(QDialogButtonBox::Yes);
    QVERIFY(c->close());
    QTRY_VERIFY(!guard);
  }

  void deletingAsksFirst() {
    ContactCard* c = card(contact(kAlice));
    QPointer<ContactCard> guard(c);
    QString text;
    ZentTest::answerNextMessage(
        QDialogButtonBox::No, [&](Dialogs::MessageWindow* m) { text = m->messageLabel()->text(); });
    c->deleteContact();
    QCOMPARE(text, QString("Are you sure you want to remove Alice Moreno from your contact list?"));
    QVERIFY(contact(kAlice));
    QVERIFY(guard);
    ZentTest::answerNextMessage(QDialogButtonBox::Yes);
    c->deleteContact();
    QVERIFY(!contacts()->getContact(kAlice) || !contacts()->contains(contact(kAlice)));
    QTRY_VERIFY(!guard);
  }

  void deletingWithoutQuestion() {
    RAZ::Settings(RAZ::Settings::User).setValue(Utils::SettingsKey::ConfirmRemoveContact, false);
    ContactCard* c = card(contact(kAlice));
    QPointer<ContactCard> guard(c);
    c->deleteContact();
    QVERIFY(!contacts()->getContact(kAlice));
    QTRY_VERIFY(!guard);
  }

  void contactGoneWhileOpen() {
    RAZ::Settings(RAZ::Settings::User).setValue(Utils::SettingsKey::ConfirmRemoveContact, false);
    ContactCard* c = card(contact(102));
    QPointer<ContactCard> guard(c);
    QVERIFY(contacts()->removeContact(102));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!c->getContact());
    c->setWindowTitle();
    c->deleteContact();  // only closes
    QTRY_VERIFY(!guard);
  }

  void favouriteStar() {
    ContactCard* c = card(contact(102));
    QVERIFY(!contact(102)->isFavourite());
    QVERIFY(sceneItem(c, "favouriteStar")->isVisible());
    QVERIFY(c->toggleFavourite());
    QVERIFY(contact(102)->isFavourite());
    QVERIFY(c->toggleFavourite());
    QVERIFY(!contact(102)->isFavourite());
    contacts()->setReadOnly(true);
    QVERIFY(!c->toggleFavourite());
    QVERIFY(!contact(102)->isFavourite());
  }

  void actionButtonsFollowTheContact() {
    ContactCard* c = card(contact(kAlice));
    QQuickItem* chat = sceneItem(c, "action1");
    QQuickItem* call = sceneItem(c, "action2");
    QVERIFY(chat && call);
    QVERIFY(sceneItem(c, "actionButtons")->isVisible());
    QCOMPARE(chat->property("text").toString(), c->actionText(1));
    QVERIFY(!c->actionText(2).isEmpty());
    c->setEditMode(true);
    QVERIFY(!sceneItem(c, "actionButtons")->isVisible());
    // A new contact has nothing to call yet: no buttons in add mode.
    ContactCard* fresh = card(nullptr);
    QVERIFY(!sceneItem(fresh, "actionButtons")->isVisible() || !sceneItem(fresh, "action2") ||
            !sceneItem(fresh, "action2")->isEnabled());
  }

  void tabGoesRoundTheEditableFields() {
    ContactCard* c = card(nullptr);
    c->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(c, ZentTest::kWaitMs));
    QQuickItem* first = sceneItem(c, "editor0");
    QQuickItem* second = sceneItem(c, "editor1");
    QQuickItem* last = sceneItem(c, "editor16");
    QVERIFY(first && second && last);
    QMetaObject::invokeMethod(sceneItem(c, "field0"), "takeFocus");
    QQuickItem* input = qvariant_cast<QQuickItem*>(first->property("input"));
    QVERIFY(input);
    QTRY_VERIFY(input->hasActiveFocus());
    QTest::keyClick(c->view(), Qt::Key_Tab);
    QTRY_VERIFY(qvariant_cast<QQuickItem*>(second->property("input"))->hasActiveFocus());
    QTest::keyClick(c->view(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(input->hasActiveFocus());
    // Backwards from the first field wraps to the last.
    QTest::keyClick(c->view(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(qvariant_cast<QQuickItem*>(last->property("input"))->hasActiveFocus());
    QTest::keyClick(c->view(), Qt::Key_Tab);
    QTRY_VERIFY(input->hasActiveFocus());
  }

  void pictureOfTheCard() {
    if (!qEnvironmentVariableIsSet("ZENT_TEST_GRAB_DIR")) QSKIP("pictures only when asked for");
    ContactCard* c = card(contact(kAlice));
    c->view()->grab().save(qEnvironmentVariable("ZENT_TEST_GRAB_DIR") + "/contact-card.png");
    c->setEditMode(true);
    c->view()->grab().save(qEnvironmentVariable("ZENT_TEST_GRAB_DIR") + "/contact-card-edit.png");
    QVERIFY(c->isVisible());
  }

  void shortNames() {
    QCOMPARE(ContactCard::shortName(QString(40, 'x')), QString(30, 'x') + "...");
    QCOMPARE(ContactCard::shortName(QString(30, 'x')), QString(30, 'x'));
  }

  void similarContactsAndAddresses() {
    IContact probe(-1, {{QString::number(Key::KeyDisplayName), "alice moreno"}});
    QVERIFY(!contacts()->getSimilarContact(&probe, false));
    QCOMPARE(contacts()->getSimilarContact(&probe, true).data(), contact(kAlice));
    QCOMPARE(contacts()->findContactByAddress("sip:alice.moreno@demo.zent"), contact(kAlice));
    QCOMPARE(contacts()->findContactByAddress("+491701000101"), contact(kAlice));
    QVERIFY(!contacts()->findContactByAddress("  "));
    QVERIFY(!contacts()->findContactByAddress("+1555"));
    // Created contacts never share an id with the list or with each other.
    std::unique_ptr<IContact> a(contacts()->createContact(-1));
    std::unique_ptr<IContact> b(contacts()->createContact(-1));
    QVERIFY(a->getId() != b->getId());
    QVERIFY(!contacts()->getContact(a->getId()));
    QVERIFY(!a->isTemporary());
  }
};

ZENT_TEST_MAIN(TestContactCard, QApplication)
#include "tst_contactcard.moc"

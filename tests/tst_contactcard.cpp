// The contact card: its modes, adding a contact, refusing a duplicate IM
// address, asking before unsaved edits are lost, deleting.
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Settings.h>

#include "Models/ContactCardFieldsModel.h"
#include "TestSupport.h"
#include "Utils/SettingsKeys.h"
#include "dialogs/MessageWindow.h"
#include "libqml/QmlRegistration.h"
#include "libqml/components/ContactCard.h"
#include "libqml/utils/Style.h"
#include "libqml/window/View.h"

using Models::FieldData;
using QML::ContactCard;
namespace Key = RAZ::Contacts::Properties;

namespace {

QByteArray config() {
  QString xml = QStringLiteral("<config name=\"T\">");
  for (int id : {21, 22, 23, 25, 27, 32, 33, 39, 40, 41, 43, 45, 50, 51, 350})
    xml += QStringLiteral("<value id=\"%1\" type=\"bool\">true</value>").arg(id);
  return (xml + QStringLiteral("</config>")).toUtf8();
}

RAZ::Contacts::IContact* person(int id, const QString& name, const QString& jid) {
  QVariantMap p;
  p.insert(QString::number(Key::KeyDisplayName), name);
  p.insert(QString::number(Key::KeyJid), jid);
  return new RAZ::Contacts::IContact(id, p);
}

}  // namespace

class TestContactCard : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  RAZ::Configuration::Config m_config{config(), QString()};
  std::unique_ptr<RAZ::Contacts::Contacts> m_contacts;

  ContactCard* card(RAZ::Contacts::IContact* contact, bool conference = false) {
    auto* c = new ContactCard(conference,
                              RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>(m_contacts.get()),
                              contact, &m_config, nullptr, nullptr, false, nullptr);
    c->activate();
    c->show();
    return c;
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    for (int s = 0; s <= 4; ++s) {
      const QString dir = m_dir.path() + QString("/scope%1").arg(s);
      QDir().mkpath(dir);
      RAZ::Settings::setPath(RAZ::Settings::SettingsType(s), dir);
    }
    new QML::Style(this);
    QML::registerTypes();
  }
  void init() {
    m_contacts.reset(new RAZ::Contacts::Contacts());
    m_contacts->addContact(person(5, "Anna Berg", "anna@demo.zent"));
    RAZ::Settings(RAZ::Settings::User).remove(Utils::SettingsKey::ConfirmRemoveContact);
  }
  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<ContactCard*>(w)) delete w;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_contacts.reset();
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
    QTest::newRow("existing") << false << true << "Anna Berg"
                              << "editContact";
  }
  void modesTitlesAndHelp() {
    QFETCH(bool, conference);
    QFETCH(bool, existing);
    QFETCH(QString, title);
    QFETCH(QString, help);
    ContactCard* c = card(existing ? m_contacts->getContact(5).data() : nullptr, conference);
    QCOMPARE(c->addMode(), !existing);
    QCOMPARE(c->windowTitle(), title);
    QCOMPARE(c->helpContext(), help);
    QVERIFY(c->minimumSize().width() >= 345);
    QCOMPARE(c->fieldsModel()->rowCount(), 7);
    if (conference) QCOMPARE(c->getContact()->getProperty(Key::KeyConference).toBool(), true);
  }

  void newContactIsAddedToTheList() {
    ContactCard* c = card(nullptr);
    QPointer<ContactCard> guard(c);
    QVERIFY(!c->anyFieldHasValue());
    c->setFieldValue(FieldData::DisplayNameField, "Carl Dahl");
    c->setFieldValue(FieldData::WorkPhoneField, "+4930123");
    c->setFieldValue(FieldData::JidField, "carl@demo.zent");
    QVERIFY(c->anyFieldHasValue());
    QSignalSpy added(c, SIGNAL(contactAdded()));
    const int id = c->getContact()->getId();
    c->addContact();
    QCOMPARE(added.count(), 1);
    QTRY_VERIFY(!guard);
    RAZ::Contacts::ContactPtr carl = m_contacts->getContact(id);
    QVERIFY(carl);
    QCOMPARE(carl->getDisplayName(), QString("Carl Dahl"));
    QCOMPARE(carl->getProperty(Key::KeyWork).toString(), QString("+4930123"));
    QCOMPARE(m_contacts->contactIds().size(), 2);
  }

  void pictureOfTheCard() {
    if (!qEnvironmentVariableIsSet("ZENT_TEST_GRAB_DIR")) QSKIP("pictures only when asked for");
    ContactCard* c = card(m_contacts->getContact(5).data());
    c->view()->grab().save(qEnvironmentVariable("ZENT_TEST_GRAB_DIR") + "/contact-card.png");
    c->setEditMode(true);
    c->view()->grab().save(qEnvironmentVariable("ZENT_TEST_GRAB_DIR") + "/contact-card-edit.png");
    QVERIFY(c->isVisible());
  }

  void duplicateImAddressIsRefused() {
    ContactCard* c = card(nullptr);
    c->setFieldValue(FieldData::DisplayNameField, "Other Anna");
    c->setFieldValue(FieldData::JidField, "ANNA@demo.zent");
    QString shown;
    ZentTest::answerNextMessage(QDialogButtonBox::Ok,
                                [&](Dialogs::MessageWindow* m) { shown = m->windowTitle(); });
    c->addContact();
    QTRY_COMPARE(shown, QString("Error Adding Contact"));
    QTRY_COMPARE(c->fieldValue(FieldData::JidField), QString());
    QCOMPARE(m_contacts->contactIds().size(), 1);
    QVERIFY(c->isVisible());
  }

  void newContactClosedWithoutAddingGoes() {
    ContactCard* c = card(nullptr);
    QPointer<RAZ::Contacts::IContact> temporary(c->getContact());
    c->cancel();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!temporary);
    QCOMPARE(m_contacts->contactIds().size(), 1);
  }

  void unsavedEditsAskFirst() {
    ContactCard* c = card(m_contacts->getContact(5).data());
    QPointer<ContactCard> guard(c);
    c->setEditMode(true);
    c->setFieldValue(FieldData::FirstNameField, "Annika");
    QVERIFY(c->hasUnsavedEdits());
    ZentTest::answerNextMessage(QDialogButtonBox::No);
    QVERIFY(!c->close());
    QVERIFY(c->isVisible());
    QCOMPARE(c->fieldValue(FieldData::FirstNameField), QString("Annika"));
    c->save();
    QVERIFY(!c->hasUnsavedEdits());
    QCOMPARE(m_contacts->getContact(5)->getProperty(Key::KeyFirstName).toString(),
             QString("Annika"));
    QVERIFY(c->close());
    QTRY_VERIFY(!guard);
  }

  void deletingWithoutQuestion() {
    RAZ::Settings(RAZ::Settings::User).setValue(Utils::SettingsKey::ConfirmRemoveContact, false);
    ContactCard* c = card(m_contacts->getContact(5).data());
    QPointer<ContactCard> guard(c);
    c->deleteContact();
    QVERIFY(!m_contacts->getContact(5));
    QTRY_VERIFY(!guard);
  }

  void shortNames() {
    QCOMPARE(ContactCard::shortName(QString(40, 'x')), QString(30, 'x') + "...");
    QCOMPARE(ContactCard::shortName(QString(30, 'x')), QString(30, 'x'));
  }
};

ZENT_TEST_MAIN(TestContactCard, QApplication)
#include "tst_contactcard.moc"

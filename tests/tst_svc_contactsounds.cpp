// The sound played when a contact comes online: once per change, never at
// the first pass, and not when switched off.
#include "TestSupport.h"

#include "Utils/Sounds/ContactNotification.h"

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/MediaEngine/FakeSoundFacility.h>
#include <RAZ/MediaEngine/MediaHandlerBase.h>
#include <RAZ/Settings.h>

#include <QApplication>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include "Utils/SettingsKeys.h"

using RAZ::MediaEngine::FakeSoundFacility;
using Utils::ContactNotification::ContactOnlinePlayer;

class TestContactSounds : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;
  FakeSoundFacility* m_sounds = nullptr;
  RAZ::MediaEngine::MediaHandlerBase* m_engine = nullptr;
  QStandardItemModel* m_model = nullptr;

  QStandardItem* contact(int id, const QVariant& online) {
    auto* item = new QStandardItem(QStringLiteral("contact %1").arg(id));
    item->setData(id, RAZ::Contacts::Contacts::IdRole);
    item->setData(online, RAZ::Contacts::Contacts::OnlineRole);
    return item;
  }
  void setOnline(int row, bool online) {
    m_model->item(row)->setData(online, RAZ::Contacts::Contacts::OnlineRole);
  }
  int sounds() const { return m_sounds->count(FakeSoundFacility::Event::Start); }

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    RAZ::Settings::setPath(RAZ::Settings::User, m_dir.path());
  }

  void init() {
    RAZ::Settings(RAZ::Settings::User).remove(Utils::SettingsKey::SoundContactOnlineEnabled);
    m_sounds = new FakeSoundFacility;
    m_engine = new RAZ::MediaEngine::MediaHandlerBase(m_sounds);
    m_model = new QStandardItemModel;
    m_model->appendRow(contact(1, true));
    m_model->appendRow(contact(2, false));
    m_model->appendRow(contact(3, QVariant()));
  }

  void cleanup() {
    delete m_model;
    delete m_engine;
  }

  void firstPassRecordsOnlineContactsSilently() {
    ContactOnlinePlayer player(m_model);
    QCOMPARE(sounds(), 0);
    QVERIFY(m_sounds->playing().isEmpty());
    QCOMPARE(player.states().value(1), true);
    QCOMPARE(player.states().value(2), false);
    QVERIFY(!player.states().contains(3));  // no state reported yet
    QCOMPARE(player.player().loops(), 1);
  }

  void comingOnlinePlaysOnceAndNeverLoops() {
    ContactOnlinePlayer player(m_model);
    setOnline(1, true);
    QCOMPARE(sounds(), 1);
    QCOMPARE(m_sounds->started(), QStringList{":/sounds/contact_online.wav"});  // not "(loop)"
    setOnline(1, false);
    QCOMPARE(sounds(), 1);
    setOnline(1, true);
    QCOMPARE(sounds(), 2);
  }

  void manyChangesInOneNoticePlayOneSound() {
    ContactOnlinePlayer player(m_model);
    m_model->blockSignals(true);
    for (int id = 10; id < 20; ++id) m_model->appendRow(contact(id, false));
    m_model->blockSignals(false);
    QCOMPARE(sounds(), 0);
    m_model->blockSignals(true);
    for (int row = 3; row < 13; ++row) setOnline(row, true);
    m_model->blockSignals(false);
    emit m_model->dataChanged(m_model->index(3, 0), m_model->index(12, 0));
    QCOMPARE(sounds(), 1);
    for (int id = 10; id < 20; ++id) QCOMPARE(player.states().value(id), true);
  }

  void otherChangesPlayNothing() {
    ContactOnlinePlayer player(m_model);
    m_model->item(0)->setText(QStringLiteral("renamed"));
    m_model->item(2)->setText(QStringLiteral("renamed"));
    QCOMPARE(sounds(), 0);
  }

  void removedAndInsertedOnlineCountsAsAChange() {
    ContactOnlinePlayer player(m_model);
    m_model->removeRow(0);
    QCOMPARE(sounds(), 0);
    QVERIFY(!player.states().contains(1));
    m_model->appendRow(contact(1, true));
    QCOMPARE(sounds(), 1);
  }

  void switchedOffRecordsButStaysSilent() {
    RAZ::Settings(RAZ::Settings::User)
        .setValue(Utils::SettingsKey::SoundContactOnlineEnabled, false);
    ContactOnlinePlayer player(m_model);
    setOnline(1, true);
    QCOMPARE(sounds(), 0);
    QCOMPARE(player.states().value(1), true);
  }

  void withoutAContactListNothingHappens() {
    ContactOnlinePlayer player(nullptr);
    QVERIFY(player.states().isEmpty());
  }
};

ZENT_TEST_MAIN(TestContactSounds, QApplication)
#include "tst_svc_contactsounds.moc"

// The call-settings window against the demo service's supplementary
// services: tabs, pages, each service's round trip (fetch, change, push),
// failures that roll back to what the service holds, and input that never
// reaches the service.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPointer>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Demo/DemoSession.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Settings.h>
#include <RAZ/Xsi/CallSettingsStore.h>
#include <RAZ/Xsi/GranitewayAnywhere.h>
#include <RAZ/Xsi/SimultaneousRing.h>
#include <RAZ/Xsi/SupplementaryServices.h>

#include "DemoFixture.h"
#include "TestSupport.h"
#include "Utils/CallSettingsInput.h"
#include "Utils/CallSettingsToolbarHelper.h"
#include "libqml/components/CallSettings.h"
#include "libqml/utils/Style.h"
#include "libqml/window/View.h"

using RAZ::Controllers::SupplementaryService;
using RAZ::Controllers::XsiServiceObject;
using RAZ::Xsi::CallSettingsStore;
using RAZ::Xsi::XsiComponent;

namespace {

const char kUser[] = "alice@demo.zent";

CallSettingsStore& store() { return CallSettingsStore::instance(); }

QByteArray configXml(const QString& xsiVersion) {
  return ZentTest::configText({{ConfigId::XsiVersion, xsiVersion}});
}

QStringList texts(QMenu* menu) {
  QStringList result;
  for (QAction* a : menu->actions()) result << (a->isSeparator() ? "-" : a->text());
  return result;
}

QQuickItem* item(QML::CallSettings* w, const char* name) {
  QQuickItem* root = w->view()->rootObject();
  return root ? root->findChild<QQuickItem*>(QLatin1String(name)) : nullptr;
}

QVariant call(QObject* o, const char* method, QVariant a = QVariant(), QVariant b = QVariant()) {
  QVariant result;
  if (!a.isValid())
    QMetaObject::invokeMethod(o, method, Q_RETURN_ARG(QVariant, result));
  else if (!b.isValid())
    QMetaObject::invokeMethod(o, method, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, a));
  else
    QMetaObject::invokeMethod(o, method, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, a),
                              Q_ARG(QVariant, b));
  return result;
}

}  // namespace

class TestCallSettings : public QObject {
  Q_OBJECT

  QTemporaryDir m_settingsDir;
  QML::Style* m_style = nullptr;
  RAZ::Configuration::Config m_config{configXml(QStringLiteral("v2.0")), QString()};
  std::unique_ptr<RAZ::Demo::DemoSession> m_session;
  QPointer<QML::CallSettings> m_window;

  RAZ::Controllers::XsiSupplementaryServicesController2* xsi() const {
    return m_session->xsiSupplementaryServicesController();
  }

  // A signed-in demo session with its services list fetched.
  bool openSession() {
    m_session.reset(new RAZ::Demo::DemoSession(&m_config));
    m_session->open(QLatin1String(kUser), QStringLiteral("demo"));
    return m_session->xsiSupplementaryServicesController() != nullptr;
  }

  // The window of the open session, its services arrived and its shade gone.
  QML::CallSettings* openWindow() {
    m_window = new QML::CallSettings(m_session.get(), false, nullptr);
    m_window->show();
    QSignalSpy ready(xsi(), SIGNAL(servicesReady()));
    if (!xsi()->isReady() && !ready.wait(ZentTest::kWaitMs)) return nullptr;
    return m_window;
  }

  // Shows the page of a tab type and waits for its services to arrive.
  bool showTab(int page) {
    m_window->showPage(page);
    return QTest::qWaitFor([&] {
      QQuickItem* shade = item(m_window, "shade");
      return shade && !shade->isVisible();
    });
  }

  XsiServiceObject* service(SupplementaryService::Id id) const { return xsi()->getService(id); }

  static bool waitFor(QObject* o, const char* signal) {
    QSignalSpy spy(o, signal);
    return spy.wait(ZentTest::kWaitMs);
  }

 private slots:
  void initTestCase() {
    ZentTest::initScenes();
    ZentTest::useSettingsFolders(m_settingsDir.path());
    m_style = new QML::Style(this);
  }

  void init() {
    RAZ::Demo::Service::instance().reset();
    RAZ::Demo::Service::instance().setStepDelay(0);
    RAZ::Demo::Service::instance().setPresenceChanges(false);
    QVERIFY(openSession());
  }

  void cleanup() {
    delete m_window.data();
    m_session.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // --- The stand-in's services ----------------------------------------------

  void servicesAreKeptPerUserAcrossSessions() {
    QSignalSpy ready(xsi(), SIGNAL(servicesReady()));
    xsi()->fetchServicesList();
    QVERIFY(ready.wait(ZentTest::kWaitMs));
    XsiServiceObject* always = service(SupplementaryService::CallForwardingAlways);
    QVERIFY(always);
    QCOMPARE(always->state(), -1);  // nothing known before a fetch
    always->fetch();
    QVERIFY(waitFor(always, SIGNAL(ready())));
    QCOMPARE(always->state(), 0);
    always->setState(1);
    always->setValue("+4930555", "forwardToPhoneNumber");
    always->push();
    QVERIFY(waitFor(always, SIGNAL(ready())));

    // Signed out and in again: the service holds what was saved.
    QVERIFY(openSession());
    QSignalSpy again(xsi(), SIGNAL(servicesReady()));
    xsi()->fetchServicesList();
    QVERIFY(again.wait(ZentTest::kWaitMs));
    XsiServiceObject* later = service(SupplementaryService::CallForwardingAlways);
    later->fetch();
    QVERIFY(waitFor(later, SIGNAL(ready())));
    QCOMPARE(later->state(), 1);
    QCOMPARE(later->attribute("forwardToPhoneNumber"), QString("+4930555"));
    // Another user starts from the demo data.
    QCOMPARE(store().account("bob@demo.zent").services.value(0).state, 0);
  }

  void failedPushRollsBackToWhatTheServiceHolds() {
    QSignalSpy ready(xsi(), SIGNAL(servicesReady()));
    xsi()->fetchServicesList();
    QVERIFY(ready.wait(ZentTest::kWaitMs));
    XsiServiceObject* dnd = service(SupplementaryService::DoNotDisturb);
    dnd->fetch();
    QVERIFY(waitFor(dnd, SIGNAL(ready())));
    store().failNextSave(XsiComponent::NetworkError);
    dnd->setState(1);
    QSignalSpy error(dnd, SIGNAL(error(QString)));
    dnd->push();
    QVERIFY(error.wait(ZentTest::kWaitMs));
    QCOMPARE(error.first().first().toString(), QString("Network error"));
    QCOMPARE(dnd->state(), 1);  // the client's copy until rolled back
    dnd->rollback();
    QCOMPARE(dnd->state(), 0);
    QCOMPARE(store().account(kUser).services.value(18).state, 0);
  }

  void scriptedListFailureReportsTheError() {
    store().failNextFetch(XsiComponent::ServerError, RAZ::Xsi::XsiErrorInfo{500, "Down"});
    QSignalSpy failed(xsi(),
                      SIGNAL(fetchFailed(RAZ::Xsi::XsiComponent::Error, RAZ::Xsi::XsiErrorInfo)));
    xsi()->fetchServicesList();
    QVERIFY(failed.wait(ZentTest::kWaitMs));
    QVERIFY(!xsi()->isReady());
    QVERIFY(!service(SupplementaryService::DoNotDisturb));
  }

  // --- The window -------------------------------------------------------------

  void tabsFollowTheAccount() {
    QML::CallSettings* w = openWindow();
    QVERIFY(w);
    QStringList titles;
    QList<int> types;
    for (int row = 0; row < w->tabs()->rowCount(); ++row) {
      titles << w->tabs()->at(row)->tabTitle();
      types << int(w->tabs()->at(row)->tabType());
    }
    QCOMPARE(titles,
             QStringList({"Graniteway Anywhere", "Graniteway Remote Office", "Forward Calls",
                          "Do Not Disturb", "Hide Number", "Simultaneous Ring Personal"}));
    QCOMPARE(types, QList<int>({0, 1, 2, 3, 4, 5}));
    QVERIFY(w->answerConfirmationSupported());
    QCOMPARE(w->tabs()->roleNames().value(259), QByteArray("callSettingsTabObject"));
    QVERIFY(!w->tabs()->data(w->tabs()->index(6), 257).isValid());
  }

  void accountWithoutForwardingHasNoForwardingTab() {
    for (int id : {0, 2, 3, 4, 18}) store().account(kUser).services.remove(id);
    QML::CallSettings* w = openWindow();
    QVERIFY(w);
    for (int row = 0; row < w->tabs()->rowCount(); ++row) {
      QVERIFY(w->tabs()->at(row)->tabType() != QML::CallSettingsTabDetail::CallForwardingTab);
      QVERIFY(w->tabs()->at(row)->tabType() != QML::CallSettingsTabDetail::DoNotDisturbTab);
    }
    // Page 5 (do not disturb) changes nothing on this account.
    QSignalSpy changed(w, SIGNAL(changeTab(int, int)));
    w->showPage(Utils::DoNotDisturbPage);
    QCOMPARE(changed.count(), 0);
  }

  void windowWithoutSessionListsForwardingOnly() {
    QML::CallSettings w(nullptr, false, nullptr);
    QCOMPARE(w.tabs()->rowCount(), 1);
    QCOMPARE(w.tabs()->at(0)->tabType(), QML::CallSettingsTabDetail::CallForwardingTab);
    QVERIFY(!w.answerConfirmationSupported());
    QSignalSpy changed(&w, SIGNAL(changeTab(int, int)));
    w.showPage(0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toInt(), 2);
  }

  void showPage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("state");
    QTest::newRow("default") << 0 << 0 << "granitewayAnywhere";
    QTest::newRow("anywhere") << 1 << 0 << "granitewayAnywhere";
    QTest::newRow("remote office") << 2 << 1 << "remoteOffice";
    QTest::newRow("simultaneous ring") << 3 << 5 << "simultaneousRingPersonal";
    QTest::newRow("forwarding") << 4 << 2 << "callForwarding";
    QTest::newRow("do not disturb") << 5 << 3 << "doNotDisturb";
    QTest::newRow("unknown") << 9 << 0 << "granitewayAnywhere";
  }
  void showPage() {
    QFETCH(int, page);
    QFETCH(int, type);
    QFETCH(QString, state);
    QML::CallSettings* w = openWindow();
    QVERIFY(w);
    QSignalSpy changed(w, SIGNAL(changeTab(int, int)));
    w->showPage(page);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toInt(), type);
    QCOMPARE(w->view()->rootObject()->property("state").toString(), state);
    QCOMPARE(w->helpContext(), state);
  }

  void pageAskedBeforeServicesArriveOpensWhenTheyDo() {
    m_window = new QML::CallSettings(m_session.get(), false, nullptr);
    m_window->show();
    m_window->showPage(Utils::ForwardingPage);  // no forwarding tab yet
    QSignalSpy ready(xsi(), SIGNAL(servicesReady()));
    QVERIFY(ready.wait(ZentTest::kWaitMs));
    QTRY_COMPARE(m_window->view()->rootObject()->property("state").toString(),
                 QString("callForwarding"));
  }

  void fetchFailureMessages_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");
    QTest::newRow("server") << 4 << 404 << "Not here\nError Code:404";
    QTest::newRow("credentials") << 1 << 0 << "Please set your credentials";
    QTest::newRow("authentication") << 2 << 0 << "Authentication failed";
    QTest::newRow("network") << 3 << 0 << "Network error";
    QTest::newRow("other") << 7 << 0 << "";
  }
  void fetchFailureMessages() {
    QFETCH(int, error);
    QFETCH(int, code);
    QFETCH(QString, expected);
    QML::CallSettings w(nullptr, false, nullptr);
    QSignalSpy shown(&w, SIGNAL(showErrorMessage(QString)));
    w.onFetchFailed(XsiComponent::Error(error), RAZ::Xsi::XsiErrorInfo{code, "Not here"});
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.first().first().toString(), expected);
  }

  void networkFailureMessages_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("expected");
    QTest::newRow("refused") << 1 << "Connection Refused";
    QTest::newRow("host") << 3 << "Host Not Found";
    QTest::newRow("timeout") << 4 << "Timeout Error";
    QTest::newRow("canceled") << 5 << "Operation Canceled";
    QTest::newRow("authentication") << 204 << "Authentication Required";
    QTest::newRow("other") << 99 << "Unknown Error 99";
  }
  void networkFailureMessages() {
    QFETCH(int, error);
    QFETCH(QString, expected);
    QML::CallSettings w(nullptr, false, nullptr);
    QSignalSpy shown(&w, SIGNAL(showErrorMessage(QString)));
    w.onFetchFailed(QNetworkReply::NetworkError(error));
    QCOMPARE(shown.first().first().toString(), expected);
  }

  void listFailureIsShownInTheMessageBox() {
    store().failNextFetch(XsiComponent::ServerError, RAZ::Xsi::XsiErrorInfo{503, "Busy"});
    m_window = new QML::CallSettings(m_session.get(), false, nullptr);
    m_window->show();
    QTRY_VERIFY(item(m_window, "messageBox") && item(m_window, "messageBox")->isVisible());
    QCOMPARE(item(m_window, "messageText")->property("text").toString(),
             QString("Busy\nError Code:503"));
  }

  void forwardingRoundTrip() {
    QVERIFY(openWindow());
    QVERIFY(showTab(Utils::ForwardingPage));
    QQuickItem* busy = item(m_window, "forwardBusy");
    QVERIFY(busy);
    XsiServiceObject* service = this->service(SupplementaryService::CallForwardingBusy);
    QTRY_COMPARE(service->state(), 1);  // fetched when the page showed
    QCOMPARE(busy->findChild<QQuickItem*>("summary")->property("text").toString(),
             QString("Forward when busy: Enabled to +4930100000"));

    call(busy, "startEditing");
    busy->setProperty("editNumber", "+49 30 2222");
    QVERIFY(call(busy, "save").toBool());
    QVERIFY(waitFor(service, SIGNAL(ready())));
    QCOMPARE(store().account(kUser).services.value(2).attributes.value("forwardToPhoneNumber"),
             QString("+49 30 2222"));
    QCOMPARE(busy->property("editing").toBool(), false);

    // A failed save: the service shows what it holds, the form what was typed.
    call(busy, "startEditing");
    busy->setProperty("editNumber", "+49 30 3333");
    busy->setProperty("editEnabled", false);
    store().failNextSave(XsiComponent::ServerError, RAZ::Xsi::XsiErrorInfo{500, "Rejected"});
    QVERIFY(call(busy, "save").toBool());
    QTRY_VERIFY(busy->property("message").toString().startsWith("Service update error: Rejected"));
    QTRY_COMPARE(service->activity(), 0);
    QCOMPARE(service->state(), 1);
    QCOMPARE(service->attribute("forwardToPhoneNumber"), QString("+49 30 2222"));
    QCOMPARE(busy->property("editing").toBool(), true);
    QCOMPARE(busy->property("editNumber").toString(), QString("+49 30 3333"));
    QCOMPARE(store().account(kUser).services.value(2).state, 1);
    if (qEnvironmentVariableIsSet("ZENT_TEST_GRAB_DIR")) {
      QQuickItem* page = item(m_window, "forwardingPage");
      QVERIFY(QTest::qWaitFor([&] { return page->opacity() >= 1.0; }));  // it fades in
      m_window->view()->grab().save(qEnvironmentVariable("ZENT_TEST_GRAB_DIR") +
                                    "/call-settings-forwarding.png");
    }
  }

  // Forwarding switched on in the window is on again in the window of the
  // next session of the same user (signed out and in, one process).
  void forwardingSwitchedOnStaysOnAfterSigningOutAndIn() {
    QVERIFY(openWindow());
    QVERIFY(showTab(Utils::ForwardingPage));
    QQuickItem* always = item(m_window, "forwardAlways");
    QVERIFY(always);
    XsiServiceObject* service = this->service(SupplementaryService::CallForwardingAlways);
    QTRY_COMPARE(service->state(), 0);
    call(always, "startEditing");
    always->setProperty("editNumber", "+4930555");
    always->setProperty("editEnabled", true);
    QVERIFY(call(always, "save").toBool());
    QVERIFY(waitFor(service, SIGNAL(ready())));
    QCOMPARE(service->state(), 1);

    delete m_window.data();
    QVERIFY(openSession());
    QVERIFY(openWindow());
    QVERIFY(showTab(Utils::ForwardingPage));
    always = item(m_window, "forwardAlways");
    QVERIFY(always);
    QTRY_COMPARE(always->findChild<QQuickItem*>("summary")->property("text").toString(),
                 QString("Always forward: Enabled to +4930555"));
    QCOMPARE(this->service(SupplementaryService::CallForwardingAlways)->state(), 1);
  }

  void emptyForwardingNumberSavesTheServiceOff() {
    QVERIFY(openWindow());
    QVERIFY(showTab(Utils::ForwardingPage));
    QQuickItem* noAnswer = item(m_window, "forwardNoAnswer");
    XsiServiceObject* service = this->service(SupplementaryService::CallForwardingNoAnswer);
    QTRY_COMPARE(service->state(), 1);
    call(noAnswer, "startEditing");
    noAnswer->setProperty("editNumber", "");
    noAnswer->setProperty("editEnabled", true);
    QVERIFY(call(noAnswer, "save").toBool());
    QVERIFY(waitFor(service, SIGNAL(ready())));
    QCOMPARE(store().account(kUser).services.value(4).state, 0);
  }

  void badInputIsRefusedAndNothingPushed_data() {
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("problem");
    QTest::newRow("letters") << "forwardAlways" << 4 << true << "call me"
                             << "is not a phone number";
    QTest::newRow("one digit") << "forwardBusy" << 4 << true << "5"
                               << "is not a phone number";
    QTest::newRow("remote office empty") << "remoteOffice" << 2 << true << "  "
                                         << "Enter the number of your remote office phone";
    QTest::newRow("remote office letters") << "remoteOffice" << 2 << false << "home"
                                           << "is not a phone number";
  }
  void badInputIsRefusedAndNothingPushed() {
    QFETCH(QString, itemName);
    QFETCH(int, page);
    QFETCH(bool, enabled);
    QFETCH(QString, number);
    QFETCH(QString, problem);
    QVERIFY(openWindow());
    QVERIFY(showTab(page));
    QQuickItem* it = item(m_window, itemName.toLatin1().constData());
    QVERIFY(it);
    QTRY_VERIFY(it->property("serviceState").toInt() != -1);
    const int saves = store().saveCount();
    call(it, "startEditing");
    it->setProperty("editEnabled", enabled);
    it->setProperty("editNumber", number);
    QVERIFY(!call(it, "save").toBool());
    QVERIFY2(it->property("message").toString().contains(problem),
             qPrintable(it->property("message").toString()));
    QCOMPARE(it->property("editNumber").toString(), number);
    QCoreApplication::processEvents();
    QCOMPARE(store().saveCount(), saves);
  }

  void remoteOfficeRoundTrip() {
    QVERIFY(openWindow());
    QVERIFY(showTab(Utils::RemoteOfficePage));
    QQuickItem* ro = item(m_window, "remoteOffice");
    XsiServiceObject* service = this->service(SupplementaryService::RemoteOffice);
    QTRY_COMPARE(service->state(), 0);
    call(ro, "startEditing");
    ro->setProperty("editEnabled", true);
    ro->setProperty("editNumber", "+4940123456");
    QVERIFY(call(ro, "save").toBool());
    QVERIFY(waitFor(service, SIGNAL(ready())));
    QCOMPARE(store().account(kUser).services.value(19).state, 1);
    QCOMPARE(store().account(kUser).services.value(19).attributes.value("remoteOfficeNumber"),
             QString("+4940123456"));
  }

  void simpleServicesRoundTrip_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<int>("id");
    QTest::newRow("do not disturb") << 5 << "dndPage" << 18;
    QTest::newRow("hide number") << -1 << "hideNumberPage" << 11;
  }
  void simpleServicesRoundTrip() {
    QFETCH(int, page);
    QFETCH(QString, pageName);
    QFETCH(int, id);
    QVERIFY(openWindow());
    if (page > 0) {
      QVERIFY(showTab(page));
    } else {
      // Hide number has no page number: its tab is chosen in the list.
      QMetaObject::invokeMethod(m_window->view()->rootObject(), "changePage", Q_ARG(int, 4));
    }
    QQuickItem* p = item(m_window, pageName.toLatin1().constData());
    XsiServiceObject* service = xsi()->getService(SupplementaryService::Id(id));
    QTRY_COMPARE(service->state(), 0);
    QQuickItem* box = p->findChild<QQuickItem*>("serviceCheck");
    call(p, "setEnabled", true);
    QVERIFY(waitFor(service, SIGNAL(ready())));
    QCOMPARE(store().account(kUser).services.value(id).state, 1);
    QCOMPARE(box->property("checked").toBool(), true);

    store().failNextSave(XsiComponent::NetworkError);
    call(p, "setEnabled", false);
    QTRY_VERIFY(p->property("message").toString().startsWith("Service update error"));
    QTRY_COMPARE(service->activity(), 0);
    QCOMPARE(service->state(), 1);
    QCOMPARE(box->property("checked").toBool(), true);
    QCOMPARE(store().account(kUser).services.value(id).state, 1);
  }

  void anywhereDuplicateIsRefused() {
    QVERIFY(openWindow());
    QVERIFY(showTab(Utils::AnywherePage));
    QQuickItem* page = item(m_window, "anywherePage");
    QTRY_COMPARE(m_session->granitewayAnywhereController()->getLocations()->rowCount(), 1);
    const int saves = store().saveCount();
    page->setProperty("newNumber", "+49 170 1000 999");
    QVERIFY(!call(page, "addNew").toBool());
    QVERIFY(page->property("message").toString().contains("exists already"));
    page->setProperty("newNumber", "mobile");
    QVERIFY(!call(page, "addNew").toBool());
    QCoreApplication::processEvents();
    QCOMPARE(store().saveCount(), saves);

    page->setProperty("newNumber", "+4917099");
    QVERIFY(call(page, "addNew").toBool());
    QTRY_COMPARE(m_session->granitewayAnywhereController()->getLocations()->rowCount(), 2);
    QCOMPARE(store().account(kUser).anywhere.size(), 2);
    if (qEnvironmentVariableIsSet("ZENT_TEST_GRAB_DIR")) {
      QVERIFY(QTest::qWaitFor([&] { return page->opacity() >= 1.0; }));  // it fades in
      m_window->view()->grab().save(qEnvironmentVariable("ZENT_TEST_GRAB_DIR") +
                                    "/call-settings-anywhere.png");
    }
  }

  void anywhereLocationSwitchFailureKeepsItsState() {
    QVERIFY(openWindow());
    auto* anywhere = m_session->granitewayAnywhereController();
    QTRY_COMPARE(anywhere->getLocations()->rowCount(), 1);
    RAZ::Controllers::GWALocation* l = anywhere->locationModel()->at(0);
    QVERIFY(l->getActive());
    store().failNextSave(XsiComponent::NetworkError);
    QSignalSpy shown(m_window.data(), SIGNAL(showErrorMessage(QString)));
    l->setActive(false);
    QVERIFY(shown.wait(ZentTest::kWaitMs));
    QCOMPARE(shown.first().first().toString(), QString("Network error"));
    QVERIFY(l->getActive());
    QVERIFY(store().account(kUser).anywhere.first().active);
    l->setActive(false);
    QTRY_VERIFY(!l->getActive());
    QVERIFY(!store().account(kUser).anywhere.first().active);
  }

  void simultaneousRingKeepsEditsWhenSaveFails() {
    QVERIFY(openWindow());
    QVERIFY(showTab(Utils::SimultaneousRingPage));
    auto* ring = m_session->simultaneousRingController();
    QTRY_COMPARE(ring->locations()->rowCount(), 1);
    QQuickItem* page = item(m_window, "simRingPage");
    const int saves = store().saveCount();
    ring->addRingLocation("+491701000999", false);  // the same number twice
    QVERIFY(!call(page, "save").toBool());
    QVERIFY(page->property("message").toString().contains("listed twice"));
    ring->setRingLocation(1, "sip:desk@office.example", false);
    QCoreApplication::processEvents();
    QCOMPARE(store().saveCount(), saves);

    store().failNextSave(XsiComponent::NetworkError);
    ring->setSimRingMainActive(true);
    QSignalSpy shown(m_window.data(), SIGNAL(showErrorMessage(QString)));
    QVERIFY(call(page, "save").toBool());
    QVERIFY(shown.wait(ZentTest::kWaitMs));
    QCOMPARE(ring->locations()->rowCount(), 2);  // still as edited
    QVERIFY(ring->simRingMainActive());
    QVERIFY(!store().account(kUser).simRingActive);

    QSignalSpy saved(ring, SIGNAL(saved()));
    QVERIFY(call(page, "save").toBool());
    QVERIFY(saved.wait(ZentTest::kWaitMs));
    QVERIFY(store().account(kUser).simRingActive);
    QCOMPARE(store().account(kUser).ringLocations.size(), 2);
  }

  void closesWhenItsSessionSignsOut() {
    QVERIFY(openWindow());
    RAZ::Demo::DemoSession other(&m_config);
    m_window->sessionStateChange(&other, RAZ::Sessions::StateSigningOut);
    m_window->sessionStateChange(m_session.get(), RAZ::Sessions::StateSignedIn);
    QCoreApplication::processEvents();
    QVERIFY(m_window);
    QVERIFY(m_window->isVisible());
    m_session->setState(RAZ::Sessions::StateSigningOut);
    QTRY_VERIFY(!m_window);
  }

  void languageChangeKeepsTabs() {
    QVERIFY(openWindow());
    const int rows = m_window->tabs()->rowCount();
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(m_window, &change);
    QCOMPARE(m_window->tabs()->rowCount(), rows);
    QSignalSpy changed(m_window.data(), SIGNAL(changeTab(int, int)));
    m_window->showPage(Utils::DoNotDisturbPage);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(1).toInt(), 3);
  }

  // --- The toolbar -------------------------------------------------------------

  void toolbarSwitchedOffWithoutButtons() {
    RAZ::Configuration::Config config(
        ZentTest::configText({{ConfigId::CallSettingsToolbar, true},
                              {ConfigId::CallSettingsButton, false},
                              {ConfigId::AnywhereButton, false},
                              {ConfigId::RemoteOfficeButton, false},
                              {ConfigId::ForwardingButton, true},
                              {ConfigId::ForwardAlwaysOption, false},
                              {ConfigId::ForwardBusyOption, false},
                              {ConfigId::ForwardNoAnswerOption, false},
                              {ConfigId::ForwardNotReachableOption, false},
                              {ConfigId::DoNotDisturbButton, false}}),
        QString());
    RAZ::Demo::DemoSession session(&config);
    session.open(QLatin1String(kUser), "demo");
    Utils::CallSettingsToolbarHelper helper(&session);
    QVERIFY(!helper.toolbarEnabled());
    QVERIFY(helper.forwardingOptions().isEmpty());
    QSignalSpy ready(session.xsiSupplementaryServicesController(), SIGNAL(servicesReady()));
    QVERIFY(ready.wait(ZentTest::kWaitMs));
    QVERIFY(!helper.callForwardingEnabled());
    QVERIFY(!helper.forwardingMenu());
    Utils::CallSettingsToolbarHelper none(nullptr);
    QVERIFY(!none.toolbarEnabled());
    none.setDoNotDisturbActive(true);  // nothing to switch: no crash, no change
    QVERIFY(!none.doNotDisturbActive());
  }

  void forwardingMenuFollowsTheOptions_data() {
    QTest::addColumn<QList<int>>("switches");  // 392..395
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("all") << QList<int>({392, 393, 394, 395})
                         << QStringList({"Call Forward Always", "Call Forward Busy",
                                         "Call Forward No Answer", "Call Forward Not Reachable",
                                         "-", "Configure..."});
    QTest::newRow("busy and no answer")
        << QList<int>({ConfigId::ForwardBusyOption, ConfigId::ForwardNoAnswerOption})
        << QStringList({"Call Forward Busy", "Call Forward No Answer", "-", "Configure..."});
  }
  void forwardingMenuFollowsTheOptions() {
    QFETCH(QList<int>, switches);
    QFETCH(QStringList, expected);
    ZentTest::ConfigValues values = {{ConfigId::CallSettingsToolbar, true},
                                     {ConfigId::CallSettingsButton, true},
                                     {ConfigId::ForwardingButton, true}};
    for (int id : switches) values.append({id, true});
    RAZ::Configuration::Config config(ZentTest::configText(values), QString());
    RAZ::Demo::DemoSession session(&config);
    session.open(QLatin1String(kUser), "demo");
    Utils::CallSettingsToolbarHelper helper(&session);
    QVERIFY(helper.toolbarEnabled());
    QSignalSpy enabled(&helper, SIGNAL(callForwardingEnabledChanged()));
    QVERIFY(enabled.wait(ZentTest::kWaitMs));
    QVERIFY(helper.callForwardingEnabled());
    helper.retranslateMenus();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(texts(helper.forwardingMenu()), expected);
    // Busy forwards to a number in the demo: on, and switchable.
    QTRY_VERIFY(helper.callForwardingActive());
    QSignalSpy open(&helper, SIGNAL(openCallSettings(Utils::CallSettingsPage)));
    helper.forwardingMenu()->actions().last()->trigger();
    QCOMPARE(open.count(), 1);
    QCOMPARE(open.first().first().value<Utils::CallSettingsPage>(), Utils::ForwardingPage);
    helper.openCallSettings();
    QCOMPARE(open.last().first().value<Utils::CallSettingsPage>(), Utils::DefaultPage);
  }

  void toolbarTogglesReflectTheServiceAfterAFailure() {
    RAZ::Configuration::Config config(ZentTest::configText({{ConfigId::CallSettingsToolbar, true},
                                                            {ConfigId::RemoteOfficeButton, true},
                                                            {ConfigId::ForwardingButton, true},
                                                            {ConfigId::ForwardBusyOption, true},
                                                            {ConfigId::DoNotDisturbButton, true}}),
                                      QString());
    RAZ::Demo::DemoSession session(&config);
    session.open(QLatin1String(kUser), "demo");
    Utils::CallSettingsToolbarHelper helper(&session);
    QSignalSpy dndEnabled(&helper, SIGNAL(doNotDisturbEnabledChanged()));
    QVERIFY(dndEnabled.wait(ZentTest::kWaitMs));
    XsiServiceObject* dnd = session.xsiSupplementaryServicesController()->getService(
        SupplementaryService::DoNotDisturb);
    QTRY_COMPARE(dnd->state(), 0);

    // Do not disturb: on only once the service says so.
    helper.setDoNotDisturbActive(true);
    QVERIFY(!helper.doNotDisturbActive());
    QSignalSpy dndChanged(&helper, SIGNAL(doNotDisturbActiveChanged()));
    QVERIFY(dndChanged.wait(ZentTest::kWaitMs));
    QVERIFY(helper.doNotDisturbActive());
    store().failNextSave(XsiComponent::NetworkError);
    helper.setDoNotDisturbActive(false);
    QVERIFY(dndChanged.wait(ZentTest::kWaitMs));
    QVERIFY(helper.doNotDisturbActive());
    QCOMPARE(dnd->state(), 1);

    // Forwarding busy switched off from the menu, refused by the service.
    QTRY_VERIFY(helper.callForwardingActive());
    QAction* busy = helper.forwardingMenu()->actions().first();
    QVERIFY(busy->isEnabled());
    store().failNextSave(XsiComponent::NetworkError);
    QSignalSpy forwarding(&helper, SIGNAL(callForwardingActiveChanged()));
    busy->trigger();  // unchecks it
    QVERIFY(!busy->isChecked());
    QVERIFY(forwarding.wait(ZentTest::kWaitMs));
    QVERIFY(busy->isChecked());
    QVERIFY(helper.callForwardingActive());
    QCOMPARE(store().account(kUser).services.value(2).state, 1);

    // Remote office has no number in the demo: shown off, not switchable.
    QVERIFY(helper.remoteOfficeEnabled());
    QTRY_VERIFY(!helper.remoteOfficeMenu()->actions().first()->isEnabled());
    QVERIFY(!helper.remoteOfficeActive());
  }

  void anywhereMenuTexts() {
    RAZ::Configuration::Config config(ZentTest::configText({{ConfigId::CallSettingsToolbar, true},
                                                            {ConfigId::AnywhereButton, true}}),
                                      QString());
    auto& stored = store().account(kUser).anywhere;
    stored.append(RAZ::Xsi::StoredAnywhereLocation{"+4930777", "", false});
    stored.append(RAZ::Xsi::StoredAnywhereLocation{"", "Desk", false});
    RAZ::Demo::DemoSession session(&config);
    session.open(QLatin1String(kUser), "demo");
    Utils::CallSettingsToolbarHelper helper(&session);
    QSignalSpy enabled(&helper, SIGNAL(granitewayAnywhereEnabledChanged()));
    QVERIFY(enabled.wait(ZentTest::kWaitMs));
    QSignalSpy active(&helper, SIGNAL(granitewayAnywhereActiveChanged()));
    session.granitewayAnywhereController()->updateLists();
    QVERIFY(active.wait(ZentTest::kWaitMs));
    helper.retranslateMenus();
    QCOMPARE(texts(helper.granitewayAnywhereMenu()),
             QStringList({"Mobile (+491701000999)", "+4930777", "", "-", "Configure..."}));
    QVERIFY(helper.granitewayAnywhereActive());
    // Switching the active one off from the menu.
    helper.granitewayAnywhereMenu()->actions().first()->trigger();
    QTRY_VERIFY(!helper.granitewayAnywhereActive());
    QVERIFY(!helper.granitewayAnywhereMenu()->actions().first()->isChecked());
    // A new list lets go of the old locations without stale entries.
    session.granitewayAnywhereController()->updateLists();
    QVERIFY(active.wait(ZentTest::kWaitMs));
    QCOMPARE(helper.granitewayAnywhereMenu()->actions().size(), 5);
  }

  // --- Input checks -----------------------------------------------------------

  void inputChecks_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("phone");
    QTest::addColumn<bool>("sip");
    QTest::newRow("international") << "+49 (30) 100-000" << true << false;
    QTest::newRow("extension") << "1234" << true << false;
    QTest::newRow("plus only") << "+" << false << false;
    QTest::newRow("letters") << "12ab" << false << false;
    QTest::newRow("plus inside") << "49+30" << false << false;
    QTest::newRow("sip") << "sip:anna@example.org" << false << true;
    QTest::newRow("bare sip") << "anna@example.org" << false << true;
    QTest::newRow("two ats") << "a@b@c" << false << false;
  }
  void inputChecks() {
    QFETCH(QString, number);
    QFETCH(bool, phone);
    QFETCH(bool, sip);
    QCOMPARE(Utils::CallSettingsInput::isPhoneNumber(number), phone);
    QCOMPARE(Utils::CallSettingsInput::isSipAddress(number), sip);
  }

  void ringLocationLimits() {
    QStringList numbers;
    for (int i = 0; i < 11; ++i) numbers << QString("+4930%1").arg(100 + i);
    QVERIFY(Utils::CallSettingsInput::checkRingLocations(numbers, 10).contains("At most 10"));
    numbers.removeLast();
    QVERIFY(Utils::CallSettingsInput::checkRingLocations(numbers, 10).isEmpty());
    numbers[9] = "";
    QVERIFY(!Utils::CallSettingsInput::checkRingLocations(numbers, 10).isEmpty());
  }
};

ZENT_TEST_MAIN(TestCallSettings, QApplication)
#include "tst_callsettings.moc"

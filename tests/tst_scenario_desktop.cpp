// The program among the desktop software around it, through its windows:
// links handed over by the desktop's launchers, the corporate directory
// against a real LDAP server, room forms as real servers send them, the
// sound devices chosen in Preferences, and a contact list under a storm of
// presence changes.
#include <memory>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDomDocument>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QQuickItem>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <RAZ/Client.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/FakeSoundFacility.h>
#include <RAZ/MediaEngine/IMediaHandlerAudio.h>
#include <RAZ/MediaEngine/MediaHandlerBase.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Utils/Credentials.h>
#include <os/UrlScheme.h>

#include "Application.h"
#include "DemoPeople.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Utils/AppPaths.h"
#include "Utils/ZentUrlHandler.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/ConfigureRoom.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/items/QmlToolTip.h"
#include "libqml/items/WebView.h"

using ZentTest::Scenario;
using ZentTest::SceneDriver;

using namespace ZentTest::DemoPeople;

namespace {

const bool g_environment = Scenario::prepare("zent-scenario-desktop-");

QString readText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The Exec line of a desktop entry, without the key.
QString execLine(const QString& entry) {
  for (const QString& line : entry.split(QLatin1Char('\n')))
    if (line.startsWith(QLatin1String("Exec="))) return line.mid(5);
  return QString();
}

// What GLib's launcher answers for a scheme: its default handler.
QString gioHandler(const QString& scheme) {
  QProcess gio;
  gio.start(QStringLiteral("gio"), {QStringLiteral("mime"), "x-scheme-handler/" + scheme});
  if (!gio.waitForFinished(ZentTest::kWaitMs)) return QString();
  return QString::fromUtf8(gio.readAllStandardOutput());
}

// Opens a link as the desktop does (GLib's launcher reads the desktop entry
// and starts the program it names with the link); answers a problem.
QString openWithDesktop(const QString& link) {
  QProcess gio;
  gio.setProcessChannelMode(QProcess::MergedChannels);
  gio.start(QStringLiteral("gio"), {QStringLiteral("open"), link});
  if (!gio.waitForFinished(ZentTest::kWaitMs)) return QStringLiteral("gio open did not end");
  if (gio.exitCode() != 0)
    return QStringLiteral("gio open %1: %2").arg(link, QString::fromUtf8(gio.readAll()));
  return QString();
}

// Opens a link with xdg-utils' launcher on no desktop in particular: its
// own generic reading of the desktop entry starts the program.
QString openWithXdg(const QString& link) {
  QProcess xdg;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                           "GNOME_DESKTOP_SESSION_ID", "XDG_SESSION_DESKTOP", "BROWSER"})
    env.remove(QString::fromLatin1(name));
  // It hands links to desktop entries only on a display (any: the program
  // it starts runs headless as this one does).
  if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("WAYLAND_DISPLAY")))
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":0"));
  xdg.setProcessEnvironment(env);
  xdg.setProcessChannelMode(QProcess::MergedChannels);
  QSignalSpy ended(&xdg, SIGNAL(finished(int, QProcess::ExitStatus)));
  xdg.start(QStringLiteral("xdg-open"), {link});
  // It waits for the program it started, a second start that hands the
  // link to this one: the wait runs the event loop that answers it.
  if (!ended.wait(ZentTest::kWaitMs)) return QStringLiteral("xdg-open did not end");
  if (xdg.exitCode() != 0)
    return QStringLiteral("xdg-open %1: rc %2: %3")
        .arg(link)
        .arg(xdg.exitCode())
        .arg(QString::fromUtf8(xdg.readAll()));
  return QString();
}

// Opens Preferences from the main window's menu and waits for it.
QString openPreferences(Dialogs::PreferencesWindow** out) {
  const QString problem = Scenario::chooseFromWindowMenu({QStringLiteral("Preferences...")});
  return problem.isEmpty() ? ZentTest::waitForWindow<Dialogs::PreferencesWindow>(out) : problem;
}

// A slapd of the test's own on a loopback port, with the small directory of
// tests/data/ldap (its size limit is 3 entries).
class Slapd {
 public:
  ~Slapd() {
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.terminate();
    if (!m_process.waitForFinished(ZentTest::kWaitMs)) m_process.kill();
  }

  QString start() {
    const auto tool = [](const QString& name) {
      return QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/bin", "/usr/local/sbin"});
    };
    const QString slapd = tool(QStringLiteral("slapd"));
    const QString slapadd = tool(QStringLiteral("slapadd"));
    if (slapd.isEmpty() || slapadd.isEmpty())
      return QStringLiteral("slapd and slapadd are needed: run scripts/install-deps");
    const QString data = qEnvironmentVariable("ZENT_SOURCE_DIR") + "/tests/data/ldap";
    QString conf = readText(data + "/slapd.conf.in");
    if (conf.isEmpty()) return QStringLiteral("no slapd.conf.in under ZENT_SOURCE_DIR");
    conf.replace("@DIR@", m_dir.path())
        .replace("@SCHEMA@", QStringLiteral("/etc/ldap/schema"))
        .replace("@MODULES@", QStringLiteral("/usr/lib/ldap"));
    QFile out(m_dir.filePath("slapd.conf"));
    if (!out.open(QIODevice::WriteOnly)) return QStringLiteral("cannot write slapd.conf");
    out.write(conf.toUtf8());
    out.close();
    QDir(m_dir.path()).mkdir("db");
    QProcess add;
    add.start(slapadd, {"-q", "-f", out.fileName(), "-l", data + "/directory.ldif"});
    if (!add.waitForFinished(ZentTest::kWaitMs) || add.exitCode() != 0)
      return QStringLiteral("slapadd: ") + QString::fromUtf8(add.readAllStandardError());
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return QStringLiteral("no free port");
    m_port = probe.serverPort();
    probe.close();
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(slapd, {"-d", "0", "-f", out.fileName(), "-h", url() + "/"});
    if (!m_process.waitForStarted(ZentTest::kWaitMs)) return QStringLiteral("slapd did not start");
    if (!QTest::qWaitFor(
            [this] {
              QTcpSocket socket;
              socket.connectToHost(QHostAddress::LocalHost, m_port);
              return socket.waitForConnected(1000);
            },
            ZentTest::kWaitMs))
      return QStringLiteral("slapd does not take connections");
    return QString();
  }
  QString url() const { return QStringLiteral("ldap://127.0.0.1:%1").arg(m_port); }

 private:
  QTemporaryDir m_dir;
  QProcess m_process;
  quint16 m_port = 0;
};

// The configuration values that point the corporate directory at `server`.
QByteArray directoryValues(const QString& server, bool bind, int timeoutSeconds) {
  return QStringLiteral(
             "<value id=\"165\" type=\"bool\">true</value>"
             "<value id=\"410\" type=\"string\">%1</value>"
             "<value id=\"411\" type=\"string\">ou=people,dc=zent,dc=test</value>"
             "<value id=\"413\" type=\"bool\">%2</value>"
             "<value id=\"414\" type=\"int\">%3</value>")
      .arg(server, bind ? QStringLiteral("true") : QStringLiteral("false"))
      .arg(timeoutSeconds)
      .toUtf8();
}

// A new session whose directory is `values`, with these LDAP credentials
// stored for the account (none when the name is empty).
QString signInWithDirectory(const QByteArray& values, const QString& name = QString(),
                            const QString& password = QString()) {
  QString problem = Scenario::signOut();
  if (!problem.isEmpty()) return problem;
  Scenario::demo().setConfigurationValues(values);
  problem = Scenario::signIn();
  Scenario::demo().setConfigurationValues(QByteArray());
  if (!problem.isEmpty() || name.isEmpty()) return problem;
  RAZ::Utils::Credentials::CredentialsManager* store =
      Scenario::app()->sessionManager()->credentialsManager();
  RAZ::Utils::Credentials::UserCredentials account;
  if (!store->getCredentials(store->loginType(), store->getLoginUsername(), account))
    return QStringLiteral("the signed-in account is not stored");
  RAZ::Utils::Credentials::CredentialsData ldap;
  ldap.setUsername(name);
  ldap.setPassword(password);
  account.setCredentials(RAZ::Utils::Credentials::TypeLdap, ldap);
  store->addCredentials(account);
  return QString();
}

QQuickItem* childNamed(QQuickItem* item, const QString& name) {
  if (!item) return nullptr;
  for (QQuickItem* child : item->childItems()) {
    if (child->objectName() == name) return child;
    if (QQuickItem* found = childNamed(child, name)) return found;
  }
  return nullptr;
}

// What the header of a search-result group says after its name. A list
// keeps rows it scrolled away or dropped for reuse, still "visible" to a
// lookup, with what they last showed: every header of the group is read.
QString groupStatus(const SceneDriver& scene, const QString& group) {
  QStringList said;
  for (QQuickItem* row : scene.items(QStringLiteral("contactRow"))) {
    QQuickItem* name = childNamed(row, QStringLiteral("groupHeaderName"));
    QQuickItem* status = childNamed(row, QStringLiteral("groupHeaderStatus"));
    if (name && status && name->property("text").toString() == group)
      said << status->property("text").toString();
  }
  return said.join(QStringLiteral(" | "));
}

QString waitGroupStatus(const SceneDriver& scene, const QString& group, const QString& text) {
  if (QTest::qWaitFor([&] { return groupStatus(scene, group).contains(text); }, ZentTest::kWaitMs))
    return QString();
  return QStringLiteral("the group \"%1\" says \"%2\", not \"%3\"")
      .arg(group, groupStatus(scene, group), text);
}

QString searchFor(const QString& text) {
  SceneDriver main = Scenario::mainScene();
  QString problem = main.click(QStringLiteral("leftPaneButton0"));  // the contacts
  if (!problem.isEmpty()) return problem;
  problem = main.focus(QStringLiteral("searchField"));
  if (!problem.isEmpty()) return problem;
  main.press(Qt::Key_A, Qt::ControlModifier);
  main.press(Qt::Key_Backspace);
  return main.type(text);
}

const char kCorporate[] = "Corporate Directory";

// The rows the contact list holds now, in order (rows it pooled for reuse
// are no longer among them).
QList<QQuickItem*> listRows(const SceneDriver& scene) {
  QList<QQuickItem*> rows;
  QQuickItem* list = scene.anyItem(QStringLiteral("contactList"));
  const int count = list ? list->property("count").toInt() : 0;
  for (int i = 0; i < count; ++i) {
    QQuickItem* row = nullptr;
    QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, row), Q_ARG(int, i));
    if (row) rows << row;
  }
  return rows;
}

// The header row of a search-result group.
QQuickItem* groupHeader(const SceneDriver& scene, const QString& group) {
  for (QQuickItem* row : listRows(scene)) {
    QQuickItem* name = childNamed(row, QStringLiteral("groupHeaderName"));
    if (name && row->property("header").toBool() && name->property("text").toString() == group)
      return row;
  }
  return nullptr;
}

// How many rows of the list a reader hears as containing `text`.
int rowsSaying(const SceneDriver& scene, const QString& text) {
  int found = 0;
  for (QQuickItem* row : listRows(scene)) {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(row);
    if (!row->property("header").toBool() && reader &&
        reader->text(QAccessible::Name).contains(text))
      ++found;
  }
  return found;
}

// The text of the tooltip on screen, empty when none shows.
QString toolTipOnScreen() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* tip = qobject_cast<QML::ToolTipView*>(w))
      if (tip->isVisible()) return tip->text();
  return QString();
}

// Brings a page of the preferences to the front by its tab, as a click does.
QString showTab(Dialogs::PreferencesWindow* prefs, const QString& page) {
  auto* tabs = prefs->findChild<QTabWidget*>(QStringLiteral("preferencesTabs"));
  QWidget* wanted = prefs->findChild<QWidget*>(page);
  if (!tabs || !wanted) return QStringLiteral("no page ") + page;
  const int index = tabs->indexOf(wanted);
  if (index < 0) return QStringLiteral("no tab for ") + page;
  QTabBar* bar = tabs->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
  if (!QTest::qWaitFor([wanted] { return wanted->isVisible(); }, ZentTest::kWaitMs))
    return QStringLiteral("the page did not show: ") + page;
  return QString();
}

// Preferences open on the audio page, and its list of ringing devices.
QString openAudioPage(Dialogs::PreferencesWindow** prefs, QComboBox** ring) {
  QString problem = openPreferences(prefs);
  if (problem.isEmpty()) problem = showTab(*prefs, QStringLiteral("audioTab"));
  if (!problem.isEmpty()) return problem;
  *ring = (*prefs)->findChild<QComboBox*>(QStringLiteral("ringDeviceSelect"));
  return *ring ? QString() : QStringLiteral("no list of ringing devices");
}

QStringList itemTexts(const QComboBox* box) {
  QStringList out;
  for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
  return out;
}

RAZ::MediaEngine::FakeSoundFacility* sounds() {
  RAZ::MediaEngine::MediaHandlerBase* engine = RAZ::MediaEngine::MediaHandlerBase::m_This;
  return engine ? dynamic_cast<RAZ::MediaEngine::FakeSoundFacility*>(engine->soundFacility())
                : nullptr;
}

// Saves the preferences with OK and waits for the window to go.
QString saveAndClose(Dialogs::PreferencesWindow* prefs) {
  QPointer<Dialogs::PreferencesWindow> guard(prefs);
  QString problem = ZentTest::clickButton(prefs, QStringLiteral("OK"));
  if (!problem.isEmpty()) return problem;
  if (!QTest::qWaitFor([&guard] { return !guard || !guard->isVisible(); }, ZentTest::kWaitMs))
    return QStringLiteral("the preferences stayed open");
  return QString();
}

const char kOwnRoom[] = "release-planning@conference.demo.zent";

// An owner form of the kind XEP-0045 shows and real servers send: every
// field type, a password-protected private room, a history of 50 offered
// as a list.
QXmppDataForm serverRoomForm() {
  const char xml[] = R"(<x xmlns="jabber:x:data" type="form">
    <title>Configuration for "planning" Room</title>
    <instructions>Complete this form to modify the configuration of your room.</instructions>
    <field type="hidden" var="FORM_TYPE"><value>http://jabber.org/protocol/muc#roomconfig</value></field>
    <field type="fixed"><value>Room settings</value></field>
    <field label="Natural-Language Room Name" type="text-single" var="muc#roomconfig_roomname"><value>Planning</value></field>
    <field label="Short Description of Room" type="text-single" var="muc#roomconfig_roomdesc"><value>The release, week by week</value></field>
    <field label="Rules" type="text-multi" var="x#rules"><value>Be kind.</value><value>Stay on topic.</value></field>
    <field label="Enable Public Logging?" type="boolean" var="muc#roomconfig_enablelogging"><value>0</value></field>
    <field label="Allow Occupants to Change Subject?" type="boolean" var="muc#roomconfig_changesubject"><value>1</value></field>
    <field label="Maximum Number of Occupants" type="list-single" var="muc#roomconfig_maxusers"><value>20</value>
      <option label="10"><value>10</value></option><option label="20"><value>20</value></option><option label="30"><value>30</value></option></field>
    <field label="Roles for which Presence is Broadcasted" type="list-multi" var="muc#roomconfig_presencebroadcast">
      <value>moderator</value><value>participant</value>
      <option label="Moderator"><value>moderator</value></option><option label="Participant"><value>participant</value></option><option label="Visitor"><value>visitor</value></option></field>
    <field label="Make Room Publicly Searchable?" type="boolean" var="muc#roomconfig_publicroom"><value>0</value></field>
    <field label="Make Room Persistent?" type="boolean" var="muc#roomconfig_persistentroom"><value>0</value></field>
    <field label="Make Room Moderated?" type="boolean" var="muc#roomconfig_moderatedroom"><value>1</value></field>
    <field label="Make Room Members-Only?" type="boolean" var="muc#roomconfig_membersonly"><value>1</value></field>
    <field label="Password Required to Enter?" type="boolean" var="muc#roomconfig_passwordprotectedroom"><value>1</value></field>
    <field label="Password" type="text-private" var="muc#roomconfig_roomsecret"><value>cauldronburn</value></field>
    <field label="Room Admins" type="jid-multi" var="muc#roomconfig_roomadmins"><value>wiccarocks@shakespeare.lit</value><value>hecate@shakespeare.lit</value></field>
    <field label="Contact Addresses" type="jid-single" var="x#contact"><value>owner@shakespeare.lit</value></field>
    <field label="Messages Kept for Joining Occupants" type="list-single" var="muc#roomconfig_historylength"><value>50</value>
      <option label="None"><value>0</value></option><option label="10"><value>10</value></option><option label="20"><value>20</value></option><option label="50"><value>50</value></option></field>
  </x>)";
  QDomDocument document;
  document.setContent(QByteArray(xml), true);
  QXmppDataForm form;
  form.parse(document.documentElement());
  return form;
}

// The keys of the fields in which two forms differ ("#n" for a field
// added or lost at n).
QStringList differingFields(const QXmppDataForm& a, const QXmppDataForm& b) {
  QStringList out;
  for (int i = 0; i < qMax(a.fields().size(), b.fields().size()); ++i) {
    if (i >= a.fields().size() || i >= b.fields().size()) {
      out << QStringLiteral("#%1").arg(i);
      continue;
    }
    if (!(a.fields().at(i) == b.fields().at(i))) out << a.fields().at(i).key();
  }
  return out;
}

QXmppDataForm::Field fieldOf(const QXmppDataForm& form, const QString& key) {
  for (const QXmppDataForm::Field& f : form.fields())
    if (f.key() == key) return f;
  return QXmppDataForm::Field();
}

// Opens the room's configuration from its row in the rooms view.
QString editRoom(const QString& name, Dialogs::ConfigureRoom** out) {
  SceneDriver main = Scenario::mainScene();
  QString problem = main.click(QStringLiteral("leftPaneButton1"));
  if (!problem.isEmpty()) return problem;
  problem = main.waitVisible(QStringLiteral("roomRow"));
  if (!problem.isEmpty()) return problem;
  QQuickItem* row = nullptr;
  (void)QTest::qWaitFor([&] { return (row = main.row(QStringLiteral("roomRow"), name)); },
                        ZentTest::kWaitMs);
  if (!row) return QStringLiteral("no room row \"%1\"").arg(name);
  problem = main.rightClick(row);
  if (!problem.isEmpty()) return problem;
  QMenu* menu = nullptr;
  problem = ZentTest::waitForMenu(&menu);
  if (!problem.isEmpty()) return problem;
  problem = ZentTest::triggerMenuEntry(menu, {QStringLiteral("Edit Room")});
  if (!problem.isEmpty()) return problem;
  return ZentTest::waitForWindow<Dialogs::ConfigureRoom>(out);
}

// Saves the dialog and waits for the form to reach the service.
QString saveRoom(Dialogs::ConfigureRoom* dialog, RAZ::Controllers::XmppChatController* rooms,
                 QXmppDataForm* submitted) {
  const QXmppDataForm before = rooms->submittedRoomForm(QString::fromLatin1(kOwnRoom));
  QPointer<Dialogs::ConfigureRoom> guard(dialog);
  QString problem = ZentTest::clickButton(dialog, QStringLiteral("Save"));
  if (!problem.isEmpty()) return problem;
  if (!QTest::qWaitFor(
          [&] {
            return !guard && !(rooms->submittedRoomForm(QString::fromLatin1(kOwnRoom)).fields() ==
                                   before.fields() &&
                               rooms->submittedRoomForm(QString::fromLatin1(kOwnRoom)).type() ==
                                   before.type());
          },
          ZentTest::kWaitMs))
    return QStringLiteral("no form reached the service");
  *submitted = rooms->submittedRoomForm(QString::fromLatin1(kOwnRoom));
  return QString();
}

// Switches click-to-call in Preferences as the user does, and saves.
QString setClickToCall(bool on) {
  Dialogs::PreferencesWindow* prefs = nullptr;
  QString problem = openPreferences(&prefs);
  if (!problem.isEmpty()) return problem;
  auto* box = prefs->findChild<QCheckBox*>(QStringLiteral("enableCallToHandler"));
  if (!box || !box->isVisible()) return QStringLiteral("no visible click-to-call switch");
  if (box->isChecked() != on) {
    box->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(box, Qt::Key_Space);
  }
  if (box->isChecked() != on) return QStringLiteral("the switch did not change");
  return saveAndClose(prefs);
}

// Starts the program a second time with `arguments`, as the desktop's
// launcher does; the running instance (this test) has taken its message
// when it ends.
QString secondStart(const QStringList& arguments) {
  QProcess second;
  second.setProcessChannelMode(QProcess::ForwardedChannels);
  QSignalSpy ended(&second, SIGNAL(finished(int, QProcess::ExitStatus)));
  second.start(AppPaths::executablePath(), arguments);
  // This program answers it from its event loop, which the wait runs.
  if (!ended.wait(ZentTest::kWaitMs)) return QStringLiteral("the second start did not end");
  if (second.exitCode() != 0) return QStringLiteral("the second start failed");
  return QString();
}

Dialogs::MessageWindow* openQuestion() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* m = qobject_cast<Dialogs::MessageWindow*>(w))
      if (m->isVisible()) return m;
  return nullptr;
}

// The title of an open window of a call to `number`, or empty.
QString callWindowTitle(const QString& number) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QML::CommunicationsWindow*>(w) && w->windowTitle().contains(number))
      return w->windowTitle();
  return QString();
}

// Lets the program act on what it received: the turns in which a link's
// call would be placed or its question shown.
void settle() {
  for (int turn = 0; turn < 3; ++turn) QCoreApplication::processEvents();
}

}  // namespace

class DesktopScenarioTest : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  DesktopScenarioTest() : ScenarioTestObject(g_environment) {}

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    // The desktop's launchers start the real program for a link; it hands
    // the link to this test, the running instance.
    AppPaths::setExecutableNameOverride(QStringLiteral("zent"));
    REQUIRE(Scenario::start());
  }

  void cleanupTestCase() {
    Scenario::finish();
    AppPaths::setExecutableNameOverride(QString());
  }

  // The ringing device chosen in Preferences is where the ringer rings.
  void theRingerRingsOnTheChosenDevice() {
    REQUIRE(Scenario::signIn());
    QVERIFY(sounds());
    Dialogs::PreferencesWindow* prefs = nullptr;
    QComboBox* ring = nullptr;
    REQUIRE(openAudioPage(&prefs, &ring));
    QCOMPARE(itemTexts(ring), QStringList({"Use Output Device", "Demo Speakers", "Demo Headset"}));
    ring->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(ring, Qt::Key_End);
    QCOMPARE(ring->currentText(), QStringLiteral("Demo Headset"));
    REQUIRE(saveAndClose(prefs));

    sounds()->clearEvents();
    QVERIFY(RAZ::Demo::CommsScript::ringIn(101, false));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(ZentTest::waitForWindow<QML::CommunicationNotification>(&popup));
    QByteArray device;
    QVERIFY(QTest::qWaitFor(
        [&device] {
          for (const auto& e : sounds()->events())
            if (e.kind == RAZ::MediaEngine::FakeSoundFacility::Event::Start && e.loop) {
              device = e.device;
              return true;
            }
          return false;
        },
        ZentTest::kWaitMs));
    QCOMPARE(device, QByteArray("demo-headset-out"));
  }

  // The lists leave out ALSA's plug-ins, and a device that appears while
  // Preferences is open shows up in them.
  void deviceListsFollowTheSystem() {
    QStringList outputs = {"default", "lavrate",  "samplerate",       "speexrate",
                           "upmix",   "vdownmix", "Built-in Speakers"};
    RAZ::MediaEngine::MediaHandlerAudio::setDeviceProbe([&outputs](bool output) {
      return output ? outputs : QStringList({"default", "Built-in Microphone"});
    });
    struct Restore {
      ~Restore() { RAZ::MediaEngine::MediaHandlerAudio::setDeviceProbe(nullptr); }
    } restore;
    REQUIRE(Scenario::signOut());
    REQUIRE(Scenario::signIn());
    Dialogs::PreferencesWindow* prefs = nullptr;
    QComboBox* ring = nullptr;
    REQUIRE(openAudioPage(&prefs, &ring));
    auto* microphone = prefs->findChild<QComboBox*>(QStringLiteral("recordingSelect"));
    QTRY_COMPARE_WITH_TIMEOUT(itemTexts(ring),
                              QStringList({"Use Output Device", "Built-in Speakers"}),
                              ZentTest::kWaitMs);
    QCOMPARE(itemTexts(microphone), QStringList({"Use Default", "Built-in Microphone"}));
    outputs << QStringLiteral("USB Headset");
    QTRY_COMPARE_WITH_TIMEOUT(
        itemTexts(ring), QStringList({"Use Output Device", "Built-in Speakers", "USB Headset"}),
        ZentTest::kWaitMs);
    prefs->close();
    REQUIRE(Scenario::signOut());
  }

  // A sound server's devices read as it describes them, without the ALSA
  // plug-ins that reach it nor its monitors as microphones.
  void deviceListsShowTheServersDevices() {
    const QString card = QStringLiteral("alsa_output.pci-0000_00_1f.3.analog-stereo");
    const QString mic = QStringLiteral("alsa_input.pci-0000_00_1f.3.analog-stereo");
    RAZ::MediaEngine::MediaHandlerAudio::setDeviceProbe([&](bool output) {
      return output ? QStringList({"pulse", "speex", card})
                    : QStringList({"pulse", "speex", card + ".monitor", mic});
    });
    RAZ::MediaEngine::MediaHandlerAudio::setDescriptionProbe([&](bool output) {
      QHash<QString, QString> shown;
      if (output)
        shown.insert(card, QStringLiteral("Built-in Audio Analog Stereo"));
      else
        shown.insert(mic, QStringLiteral("Built-in Microphone"));
      return shown;
    });
    struct Restore {
      ~Restore() {
        RAZ::MediaEngine::MediaHandlerAudio::setDeviceProbe(nullptr);
        RAZ::MediaEngine::MediaHandlerAudio::setDescriptionProbe(nullptr);
      }
    } restore;
    REQUIRE(Scenario::signOut());
    REQUIRE(Scenario::signIn());
    Dialogs::PreferencesWindow* prefs = nullptr;
    QComboBox* ring = nullptr;
    REQUIRE(openAudioPage(&prefs, &ring));
    auto* microphone = prefs->findChild<QComboBox*>(QStringLiteral("recordingSelect"));
    QTRY_COMPARE_WITH_TIMEOUT(itemTexts(ring),
                              QStringList({"Use Output Device", "Built-in Audio Analog Stereo"}),
                              ZentTest::kWaitMs);
    QCOMPARE(ring->itemData(1).toByteArray(), card.toUtf8());
    QCOMPARE(itemTexts(microphone), QStringList({"Use Default", "Built-in Microphone"}));
    prefs->close();
    REQUIRE(Scenario::signOut());
  }

  // The ring preview rings on the device just chosen, before it is saved.
  void theRingPreviewPlaysOnTheChosenDevice() {
    REQUIRE(Scenario::signIn());
    QVERIFY(sounds());
    Dialogs::PreferencesWindow* prefs = nullptr;
    QComboBox* ring = nullptr;
    REQUIRE(openAudioPage(&prefs, &ring));
    ring->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(ring, Qt::Key_End);
    QCOMPARE(ring->currentText(), QStringLiteral("Demo Headset"));
    REQUIRE(saveAndClose(prefs));

    REQUIRE(openAudioPage(&prefs, &ring));
    ring->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(ring, Qt::Key_Up);
    QCOMPARE(ring->currentText(), QStringLiteral("Demo Speakers"));
    sounds()->clearEvents();
    auto* preview = prefs->findChild<QPushButton*>(QStringLiteral("previewRingSignal"));
    QVERIFY(preview && preview->isEnabled());
    QTest::mouseClick(preview, Qt::LeftButton);
    QByteArray device = "(none)";
    QVERIFY(QTest::qWaitFor(
        [&device] {
          for (const auto& e : sounds()->events())
            if (e.kind == RAZ::MediaEngine::FakeSoundFacility::Event::Start) {
              device = e.device;
              return true;
            }
          return false;
        },
        ZentTest::kWaitMs));
    QCOMPARE(device, QByteArray("demo-speakers"));
    // Nothing was saved: the ringer still rings where it was told to.
    QCOMPARE(RAZ::MediaEngine::MediaHandlerBase::m_This->soundFacility()->outputDevice(),
             QByteArray("demo-headset-out"));
    QTest::mouseClick(preview, Qt::LeftButton);  // stops it
    prefs->close();
  }

  // The sound server's mixer shows the program's name, not Qt's.
  void soundStreamsCarryTheProgramsName() {
    QCOMPARE(qEnvironmentVariable("PULSE_PROP_application.name"),
             QCoreApplication::applicationName());
    QVERIFY(!QCoreApplication::applicationName().isEmpty());
  }

  // A real server's owner form: an unchanged Save sends it back as it came
  // (submitted); a new name changes the name alone; history switched off
  // takes the list's "none" and leaves the password, privacy and
  // persistence as they were.
  void roomFormsComeBackAsTheyCame() {
    REQUIRE(Scenario::signIn());
    RAZ::Controllers::XmppChatController* rooms =
        Scenario::app()->sessionManager()->xmppChatController();
    QVERIFY(rooms);
    const QXmppDataForm original = serverRoomForm();
    QCOMPARE(original.fields().size(), 18);
    QVERIFY(rooms->setRoomForm(QString::fromLatin1(kOwnRoom), original));

    Dialogs::ConfigureRoom* dialog = nullptr;
    REQUIRE(editRoom(QStringLiteral("Release planning"), &dialog));
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
    QCOMPARE(name->text(), QStringLiteral("Planning"));
    QVERIFY(dialog->findChild<QAbstractButton*>(QStringLiteral("privateRoomButton"))->isChecked());
    auto* history = dialog->findChild<QCheckBox*>(QStringLiteral("enableHistory"));
    QVERIFY(history->isChecked());
    QXmppDataForm sent;
    REQUIRE(saveRoom(dialog, rooms, &sent));
    QCOMPARE(sent.type(), QXmppDataForm::Submit);
    QCOMPARE(differingFields(original, sent), QStringList());

    REQUIRE(editRoom(QStringLiteral("Planning"), &dialog));
    name = dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
    REQUIRE(ZentTest::typeInto(name, QStringLiteral(" 2027")));
    REQUIRE(saveRoom(dialog, rooms, &sent));
    QCOMPARE(differingFields(original, sent), QStringList({"muc#roomconfig_roomname"}));
    QCOMPARE(fieldOf(sent, "muc#roomconfig_roomname").value().toString(),
             QStringLiteral("Planning 2027"));

    REQUIRE(editRoom(QStringLiteral("Planning 2027"), &dialog));
    history = dialog->findChild<QCheckBox*>(QStringLiteral("enableHistory"));
    history->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(history, Qt::Key_Space);
    QVERIFY(!history->isChecked());
    REQUIRE(saveRoom(dialog, rooms, &sent));
    QCOMPARE(differingFields(original, sent),
             QStringList({"muc#roomconfig_roomname", "muc#roomconfig_historylength"}));
    QCOMPARE(fieldOf(sent, "muc#roomconfig_historylength").value().toString(), QStringLiteral("0"));
    QCOMPARE(fieldOf(sent, "muc#roomconfig_roomsecret").value().toString(),
             QStringLiteral("cauldronburn"));
  }

  // The corporate directory's group says what its server did: searching
  // while a black-holed server keeps quiet, then that it did not answer; a
  // server that is down; a refused bind, which also raises the banner; a
  // size limit (more exist); and an entry's second number kept.
  void directoryGroupSaysWhatTheServerDid() {
    Slapd slapd;
    REQUIRE(slapd.start());
    SceneDriver main;

    // Takes connections and never answers.
    QTcpServer blackHole;
    QVERIFY(blackHole.listen(QHostAddress::LocalHost, 0));
    REQUIRE(signInWithDirectory(directoryValues(
        QStringLiteral("ldap://127.0.0.1:%1").arg(blackHole.serverPort()), false, 3)));
    main = Scenario::mainScene();
    REQUIRE(searchFor(QStringLiteral("quinn")));
    REQUIRE(waitGroupStatus(main, kCorporate, QStringLiteral("Searching...")));
    REQUIRE(waitGroupStatus(main, kCorporate, QStringLiteral("did not answer in time")));
    {
      // Too long for the row at the window's own width: cut short in the
      // row, whole in the tooltip.
      QQuickItem* header = groupHeader(main, kCorporate);
      QVERIFY(header);
      QQuickItem* status = childNamed(header, QStringLiteral("groupHeaderStatus"));
      QVERIFY(status);
      const QRectF shown = status->mapRectToItem(header, status->boundingRect());
      QVERIFY2(shown.right() <= header->width(),
               qPrintable(QStringLiteral("%1 > %2").arg(shown.right()).arg(header->width())));
      QVERIFY(status->property("truncated").toBool());
      REQUIRE(main.hover(status));
      QTRY_COMPARE_WITH_TIMEOUT(toolTipOnScreen(),
                                QStringLiteral("The directory server did not answer in time"),
                                ZentTest::kWaitMs);
      REQUIRE(main.hover(main.item(QStringLiteral("searchField"))));
      QTRY_COMPARE_WITH_TIMEOUT(toolTipOnScreen(), QString(), ZentTest::kWaitMs);
    }

    blackHole.close();  // nobody listens there now
    REQUIRE(searchFor(QStringLiteral("quin")));
    REQUIRE(waitGroupStatus(main, kCorporate, QStringLiteral("cannot be reached")));

    // A server that lets anyone search, and a stored password it refuses.
    REQUIRE(signInWithDirectory(directoryValues(slapd.url(), false, 10),
                                QStringLiteral("cn=reader,dc=zent,dc=test"),
                                QStringLiteral("wrong")));
    main = Scenario::mainScene();
    REQUIRE(searchFor(QStringLiteral("quinn")));
    REQUIRE(waitGroupStatus(main, kCorporate, QStringLiteral("refused the credentials")));
    QVERIFY(QTest::qWaitFor(
        [&main] {
          return main.row(QStringLiteral("errorRow"),
                          QStringLiteral("Corporate Directory (LDAP) Error")) != nullptr;
        },
        ZentTest::kWaitMs));

    REQUIRE(signInWithDirectory(directoryValues(slapd.url(), true, 10),
                                QStringLiteral("cn=reader,dc=zent,dc=test"),
                                QStringLiteral("readpass")));
    main = Scenario::mainScene();
    REQUIRE(searchFor(QStringLiteral("quinn")));
    REQUIRE(waitGroupStatus(main, kCorporate, QStringLiteral("more exist")));
    QVERIFY2(groupStatus(main, kCorporate).contains(QStringLiteral("3")),
             qPrintable(groupStatus(main, kCorporate)));
    REQUIRE(searchFor(QStringLiteral("ada q")));
    REQUIRE(waitGroupStatus(main, kCorporate, QStringLiteral("(1)")));
    QString problem;
    QQuickItem* ada = main.row(QStringLiteral("contactRow"), QStringLiteral("Ada Quinn"), &problem);
    QVERIFY2(ada, qPrintable(problem));
    auto* contact = qobject_cast<RAZ::Contacts::IContact*>(
        qvariant_cast<QObject*>(ada->property("contactObject")));
    QVERIFY(contact);
    QCOMPARE(contact->getProperty(RAZ::Contacts::Properties::KeyWork).toString(),
             QStringLiteral("+34 910 000 201"));
    QCOMPARE(contact->getProperty(RAZ::Contacts::Properties::KeyMobile).toString(),
             QStringLiteral("+34 910 000 211"));
    QCOMPARE(contact->getProperty(RAZ::Contacts::Properties::KeyEmail).toString(),
             QStringLiteral("ada.quinn@zent.test, ada@quinn.example"));
    REQUIRE(Scenario::signOut());
  }

  // More than ten matches close their group; a click, the keys and a
  // reader's action open and close it again.
  void aLargeDirectoryGroupOpensAndCloses() {
    Slapd slapd;
    REQUIRE(slapd.start());
    REQUIRE(signInWithDirectory(directoryValues(slapd.url(), true, 10),
                                QStringLiteral("cn=staff,dc=zent,dc=test"),
                                QStringLiteral("staffpass")));
    SceneDriver main = Scenario::mainScene();
    REQUIRE(searchFor(QStringLiteral("jos")));
    REQUIRE(waitGroupStatus(main, kCorporate, QStringLiteral("(12)")));
    QQuickItem* header = groupHeader(main, kCorporate);
    QVERIFY(header);
    const QString jose = QStringLiteral("Jos\u00e9 ");
    QCOMPARE(rowsSaying(main, jose), 0);
    QVERIFY(!header->property("groupOpen").toBool());

    REQUIRE(main.click(header));
    QTRY_VERIFY_WITH_TIMEOUT(rowsSaying(main, jose) > 0, ZentTest::kWaitMs);
    QString problem;
    QVERIFY2(main.row(QStringLiteral("contactRow"), QStringLiteral("Jos\u00e9 Alba"), &problem),
             qPrintable(problem));
    REQUIRE(main.press(Qt::Key_Space));
    QTRY_COMPARE_WITH_TIMEOUT(rowsSaying(main, jose), 0, ZentTest::kWaitMs);
    REQUIRE(main.press(Qt::Key_Left));  // already closed
    QCOMPARE(rowsSaying(main, jose), 0);
    REQUIRE(main.press(Qt::Key_Right));
    QTRY_VERIFY_WITH_TIMEOUT(rowsSaying(main, jose) > 0, ZentTest::kWaitMs);
    REQUIRE(main.press(Qt::Key_Left));
    QTRY_COMPARE_WITH_TIMEOUT(rowsSaying(main, jose), 0, ZentTest::kWaitMs);

    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(header);
    QVERIFY(reader && reader->actionInterface());
    QVERIFY(reader->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    QVERIFY(!reader->state().checked);
    reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY_WITH_TIMEOUT(rowsSaying(main, jose) > 0, ZentTest::kWaitMs);
    QVERIFY(reader->state().checked);
    REQUIRE(main.press(Qt::Key_Return));
    QTRY_COMPARE_WITH_TIMEOUT(rowsSaying(main, jose), 0, ZentTest::kWaitMs);
    REQUIRE(Scenario::signOut());
  }

  // The desktop entry a start writes names the program and the link alone,
  // and GLib's launcher knows it at once: a zent: link opened on the
  // desktop reaches the running program.
  void zentLinksFromTheDesktop() {
    if (QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty())
      QSKIP("GLib's launcher (gio) is not installed");
    const QString entry = readText(Os::urlSchemeEntryPath(QStringLiteral("zent")));
    // A path that needs no quoting is written bare: xdg-utils' own launcher
    // would take the quotes as part of the program's name.
    QVERIFY(!AppPaths::executablePath().contains(QLatin1Char(' ')));
    QCOMPARE(execLine(entry), AppPaths::executablePath() + " %u");
    QVERIFY2(gioHandler(QStringLiteral("zent")).contains("zent-url-handler.desktop"),
             qPrintable(gioHandler(QStringLiteral("zent"))));
    const QString payload =
        QString::fromLatin1(QByteArray("chat=\"room@muc.demo.zent\"").toBase64());
    REQUIRE(openWithDesktop("zent:" + payload));
    QTRY_VERIFY_WITH_TIMEOUT(Scenario::app()->pendingUrlHandler() &&
                                 Scenario::app()->pendingUrlHandler()->link() == payload,
                             ZentTest::kWaitMs);
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
      QSKIP("xdg-utils are not installed: run scripts/install-deps");
    const QString other =
        QString::fromLatin1(QByteArray("chat=\"other@muc.demo.zent\"").toBase64());
    REQUIRE(openWithXdg("zent:" + other));
    QTRY_VERIFY_WITH_TIMEOUT(Scenario::app()->pendingUrlHandler() &&
                                 Scenario::app()->pendingUrlHandler()->link() == other,
                             ZentTest::kWaitMs);
  }

  // What a link holds inside it is never a call: "zent:eA==--callto:..."
  // is one product link, from the desktop's launcher and from a second start
  // alike. A call link the user answers No to is not dialled, and with
  // click-to-call off none is even asked about.
  void callLinksDialOnlyWhatTheUserConfirms() {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
      QSKIP("xdg-utils are not installed: run scripts/install-deps");
    REQUIRE(Scenario::signIn());
    REQUIRE(setClickToCall(true));
    const QString smuggled = QStringLiteral("eA==--callto:+4930100199");
    REQUIRE(openWithXdg("zent:" + smuggled));
    QTRY_VERIFY_WITH_TIMEOUT(Scenario::app()->pendingUrlHandler() &&
                                 Scenario::app()->pendingUrlHandler()->link() == smuggled,
                             ZentTest::kWaitMs);
    settle();
    QVERIFY(!openQuestion());
    QCOMPARE(callWindowTitle(QStringLiteral("+4930100199")), QString());
    REQUIRE(secondStart({"--zent:" + smuggled + "x"}));
    QTRY_VERIFY_WITH_TIMEOUT(Scenario::app()->pendingUrlHandler() &&
                                 Scenario::app()->pendingUrlHandler()->link() == smuggled + "x",
                             ZentTest::kWaitMs);
    settle();
    QVERIFY(!openQuestion());
    QCOMPARE(callWindowTitle(QStringLiteral("+4930100199")), QString());

    bool answered = false;
    ZentTest::answerNextMessage(QDialogButtonBox::No,
                                [&answered](Dialogs::MessageWindow*) { answered = true; });
    REQUIRE(secondStart({QStringLiteral("callto:+4930100188")}));
    QTRY_VERIFY_WITH_TIMEOUT(answered, ZentTest::kWaitMs);
    settle();
    QCOMPARE(callWindowTitle(QStringLiteral("+4930100188")), QString());

    REQUIRE(setClickToCall(false));
    REQUIRE(secondStart({QStringLiteral("--callto:+4930100177")}));
    settle();
    QVERIFY(!openQuestion());
    QCOMPARE(callWindowTitle(QStringLiteral("+4930100177")), QString());
  }

  // A room link's call is the room's own dial-in, dialled only after Yes,
  // however the desktop hands the link over: one naming somebody's number
  // joins the room alone and asks nothing; the user's own room's conference
  // is asked about, No joins without it and Yes dials it.
  void roomLinksDialOnlyTheRoomsOwnConference() {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty())
      QSKIP("xdg-utils or GLib's launcher are not installed: run scripts/install-deps");
    REQUIRE(Scenario::signIn());
    Scenario::tidy();
    const auto roomSession = [](QML::CommunicationsWindow** room) {
      QString problem = ZentTest::waitForWindow<QML::CommunicationsWindow>(room);
      return problem.isEmpty() ? (*room)->getSession() : nullptr;
    };
    const QString foreign = Utils::ZentUrlHandler::encodePayload(
        QStringLiteral("+4930100102"), QStringLiteral("x@conference.demo.zent"), {}, {});
    // GLib's launcher, a second start, and a link in one of this program's
    // own pages (the web view hands it to the same handler).
    for (int way = 0; way < 3; ++way) {
      if (way == 0) REQUIRE(openWithDesktop("zent:" + foreign));
      if (way == 1) REQUIRE(secondStart({"zent:" + foreign}));
      if (way == 2) QVERIFY(WebLinkRouter::open(QUrl("zent:" + foreign)));
      QML::CommunicationsWindow* room = nullptr;
      RAZ::Controllers::CommunicationSession* session = roomSession(&room);
      QVERIFY2(session, qPrintable(ZentTest::describeWindows()));
      settle();
      QVERIFY(!session->getCall());
      QVERIFY(!openQuestion());
      Scenario::tidy();
      QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(),
                               ZentTest::kWaitMs);
    }

    // The user's own room, as the user's invitation names it.
    RAZ::Contacts::ContactPtr own =
        Scenario::app()->sessionManager()->contactsManager()->ownContact();
    QVERIFY(own);
    const QString ownRoom = own->getProperty(RAZ::Contacts::Properties::KeyMyRoomChat).toString();
    const QString mine = Utils::ZentUrlHandler::encodePayload(
        QStringLiteral("sip:+15550100;4477120#2468#"), ownRoom, {}, {});
    QString question;
    ZentTest::answerNextMessage(QDialogButtonBox::No, [&question](Dialogs::MessageWindow* m) {
      question = m->messageLabel()->text();
    });
    REQUIRE(openWithXdg("zent:" + mine));
    QML::CommunicationsWindow* room = nullptr;
    RAZ::Controllers::CommunicationSession* session = roomSession(&room);
    QVERIFY2(session, qPrintable(ZentTest::describeWindows()));
    QVERIFY2(question.contains(QStringLiteral("+15550100")), qPrintable(question));
    settle();
    QVERIFY(!session->getCall());
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(), ZentTest::kWaitMs);
    ZentTest::answerNextMessage(QDialogButtonBox::Yes);
    REQUIRE(secondStart({"--zent:" + mine}));
    session = roomSession(&room);
    QVERIFY2(session, qPrintable(ZentTest::describeWindows()));
    QTRY_VERIFY_WITH_TIMEOUT(session->getCall(), ZentTest::kWaitMs);
    QVERIFY2(session->getCall()->remoteAddress().contains(QStringLiteral("+15550100")),
             qPrintable(session->getCall()->remoteAddress()));
    Scenario::tidy();
  }

  // "Enable click-to-call" says what the desktop does with a tel: link:
  // unchecked while another program is its default (as xdg-utils make it),
  // and checking it makes this program the default again. The entries name
  // an icon file, never the program.
  void theClickToCallSwitchShowsWhatTheDesktopDoes() {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
      QSKIP("xdg-utils are not installed: run scripts/install-deps");
    REQUIRE(Scenario::signIn());
    REQUIRE(setClickToCall(true));
    const auto query = [](const QString& scheme) {
      QProcess xdg;
      xdg.start(QStringLiteral("xdg-mime"), {"query", "default", "x-scheme-handler/" + scheme});
      xdg.waitForFinished(ZentTest::kWaitMs);
      return QString::fromUtf8(xdg.readAllStandardOutput()).trimmed();
    };
    QCOMPARE(query(QStringLiteral("tel")), QStringLiteral("tel-url-handler.desktop"));
    for (const QString& scheme : {QStringLiteral("callto"), QStringLiteral("tel")}) {
      QString icon;
      for (const QString& line : readText(Os::urlSchemeEntryPath(scheme)).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Icon="))) icon = line.mid(5);
      QVERIFY2(!QImage(icon).isNull(), qPrintable(scheme + ": Icon=" + icon));
    }

    // Another phone program is installed and takes tel: links.
    const QString other = QFileInfo(Os::urlSchemeEntryPath(QStringLiteral("tel"))).absolutePath() +
                          QStringLiteral("/other-phone.desktop");
    QFile entry(other);
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write(
        "[Desktop Entry]\nType=Application\nName=Other Phone\nExec=true %u\n"
        "MimeType=x-scheme-handler/tel;\n");
    entry.close();
    QCOMPARE(QProcess::execute(QStringLiteral("xdg-mime"),
                               {"default", "other-phone.desktop", "x-scheme-handler/tel"}),
             0);
    QCOMPARE(query(QStringLiteral("tel")), QStringLiteral("other-phone.desktop"));

    Dialogs::PreferencesWindow* prefs = nullptr;
    REQUIRE(openPreferences(&prefs));
    auto* box = prefs->findChild<QCheckBox*>(QStringLiteral("enableCallToHandler"));
    QVERIFY(box);
    QVERIFY(!box->isChecked());
    prefs->close();
    REQUIRE(setClickToCall(true));
    QCOMPARE(query(QStringLiteral("tel")), QStringLiteral("tel-url-handler.desktop"));
    QCOMPARE(query(QStringLiteral("callto")), QStringLiteral("callto-url-handler.desktop"));
    QFile::remove(other);
  }

  // Click-to-call switched on in Preferences registers callto: and tel:
  // with the desktop; a tel: link opened there during a call asks first,
  // then dials the number; a second start with the older "--callto:" form
  // dials too.
  void callLinksDialAfterTheQuestion() {
    if (QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty())
      QSKIP("GLib's launcher (gio) is not installed");
    REQUIRE(Scenario::signIn());
    REQUIRE(searchFor(QString()));  // the whole contact list
    Dialogs::PreferencesWindow* prefs = nullptr;
    REQUIRE(openPreferences(&prefs));
    auto* box = prefs->findChild<QCheckBox*>(QStringLiteral("enableCallToHandler"));
    QVERIFY(box);
    QVERIFY(box->isVisible());
    if (!box->isChecked()) {
      box->setFocus(Qt::OtherFocusReason);
      QTest::keyClick(box, Qt::Key_Space);
    }
    QVERIFY(box->isChecked());
    QPointer<Dialogs::PreferencesWindow> guard(prefs);
    REQUIRE(ZentTest::clickButton(prefs, QStringLiteral("OK")));
    QTRY_VERIFY_WITH_TIMEOUT(!guard || !guard->isVisible(), ZentTest::kWaitMs);
    for (const QString& scheme : {QStringLiteral("callto"), QStringLiteral("tel")}) {
      QVERIFY2(!readText(Os::urlSchemeEntryPath(scheme)).contains("/bin/sh"), qPrintable(scheme));
      QVERIFY2(gioHandler(scheme).contains(scheme + "-url-handler.desktop"),
               qPrintable(gioHandler(scheme)));
    }

    // A call runs: the link's call asks before it holds that one.
    QVERIFY(Scenario::app()->sessionManager()->commsSessionController());
    SceneDriver main = Scenario::mainScene();
    REQUIRE(main.waitVisible(QStringLiteral("contactRow")));
    QString problem;
    QQuickItem* row = main.row(QStringLiteral("contactRow"), kAliceName, &problem);
    QVERIFY2(row, qPrintable(problem));
    REQUIRE(main.rightClick(row));
    QMenu* menu = nullptr;
    REQUIRE(ZentTest::waitForMenu(&menu));
    REQUIRE(ZentTest::triggerMenuEntry(
        menu, {QStringLiteral("Call"), QStringLiteral("Work: +4930100101")}));
    QML::CommunicationsWindow* aliceCall = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(kAliceName, &aliceCall));
    REQUIRE(SceneDriver::of(aliceCall).waitText(QStringLiteral("callState"),
                                                QStringLiteral("Call Active")));

    // The questions block until answered: their answers are set up first.
    // The link's own question names the number; then the one about the
    // call on hold.
    QString linkQuestion, asked;
    ZentTest::answerNextMessage(QDialogButtonBox::Yes, [&linkQuestion,
                                                        &asked](Dialogs::MessageWindow* m) {
      linkQuestion = m->messageLabel()->text();
      ZentTest::answerNextMessage(QDialogButtonBox::Yes, [&asked](Dialogs::MessageWindow* hold) {
        asked = hold->windowTitle();
      });
    });
    REQUIRE(openWithDesktop(QStringLiteral("tel:+1-555-0100;phone-context=example.com")));
    QML::CommunicationsWindow* linked = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("+15550100"), &linked));
    QVERIFY2(linkQuestion.contains(QStringLiteral("+15550100")), qPrintable(linkQuestion));
    QCOMPARE(asked, QStringLiteral("Confirm Call"));
    Scenario::tidy();
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<QML::CommunicationsWindow>(), ZentTest::kWaitMs);

    // The form Windows' shell and older entries use, given to a second start.
    ZentTest::answerNextMessage(QDialogButtonBox::Yes);
    QProcess second;
    second.setProcessChannelMode(QProcess::ForwardedChannels);
    QSignalSpy ended(&second, SIGNAL(finished(int, QProcess::ExitStatus)));
    second.start(AppPaths::executablePath(), {QStringLiteral("--callto:+4930100199")});
    // This program answers it from its event loop, which the wait runs.
    QVERIFY(ended.wait(ZentTest::kWaitMs));
    QCOMPARE(second.exitCode(), 0);
    REQUIRE(Scenario::waitForCommsWindow(QStringLiteral("+4930100199"), &linked));
  }

  // With a blank in the program's path, links reach it where no desktop is
  // set as well as through GLib's launcher: xdg-utils' generic launcher
  // splits the entry's command at blanks and takes no quotes, and the
  // entries name the program by a path that it reads whole.
  void linksReachAProgramWithABlankInItsPath() {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty())
      QSKIP("xdg-utils or GLib's launcher are not installed: run scripts/install-deps");
    REQUIRE(Scenario::signIn());
    Scenario::tidy();
    QTemporaryDir installed;
    const QString folder = installed.filePath(QStringLiteral("Zent Apps"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::link(AppPaths::executablePath(), folder + QStringLiteral("/zent")));
    AppPaths::setExecutableDirOverride(folder);
    REQUIRE(setClickToCall(false));
    REQUIRE(setClickToCall(true));
    QVERIFY(execLine(readText(Os::urlSchemeEntryPath(QStringLiteral("callto"))))
                .endsWith(QStringLiteral(" %u")));
    // Kept by the answers, which outlive this test should a launcher fail.
    auto asked = std::make_shared<QString>();
    ZentTest::answerNextMessage(QDialogButtonBox::No, [asked](Dialogs::MessageWindow* m) {
      *asked = m->messageLabel()->text();
    });
    const QString byXdg = openWithXdg(QStringLiteral("callto:+4930100166"));
    QString byGio;
    if (byXdg.isEmpty()) {
      QTRY_VERIFY_WITH_TIMEOUT(!asked->isEmpty(), ZentTest::kWaitMs);
      QVERIFY2(asked->contains(QStringLiteral("+4930100166")), qPrintable(*asked));
      asked->clear();
      ZentTest::answerNextMessage(QDialogButtonBox::No, [asked](Dialogs::MessageWindow* m) {
        *asked = m->messageLabel()->text();
      });
      byGio = openWithDesktop(QStringLiteral("tel:+4930100155"));
      if (byGio.isEmpty()) QTRY_VERIFY_WITH_TIMEOUT(!asked->isEmpty(), ZentTest::kWaitMs);
    }
    // The entries go back to the program itself before the folder goes.
    AppPaths::setExecutableDirOverride(QString());
    REQUIRE(setClickToCall(false));
    REQUIRE(byXdg);
    REQUIRE(byGio);
    QVERIFY2(asked->contains(QStringLiteral("+4930100155")), qPrintable(*asked));
  }
};

ZENT_TEST_MAIN(DesktopScenarioTest, Application)
#include "tst_scenario_desktop.moc"

// The program's sounds on a real sound server of the test's own with two
// outputs, "Desk" (the server's default) and "Headset": Preferences lists
// them as the server describes them, the ring preview plays on the output
// just chosen, a call rings under the ringer's name where the user told it
// to, each stream carries the role the desktop routes and ducks it by
// ("phone" for what rings, "event" for the rest), and no stream stays at
// the server once a sound has ended.
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "Application.h"
#include "DemoPeople.h"
#include "Scenario.h"
#include "TestSupport.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CommunicationsWindow.h"

using ZentTest::Scenario;
using ZentTest::SceneDriver;

namespace {

const bool g_environment = Scenario::prepareWithControl("zent-scenario-soundserver-");

// A stream at the server: who plays it, under what name, on which output,
// in which role.
struct Stream {
  QString application;
  QString name;
  QString sink;
  QString role;
  bool operator==(const Stream& o) const {
    return application == o.application && name == o.name && sink == o.sink && role == o.role;
  }
};

char* toString(const Stream& s) {
  return qstrdup(
      qPrintable(QStringLiteral("%1/%2 on %3 as %4").arg(s.application, s.name, s.sink, s.role)));
}

// A PulseAudio server of the test's own, on a socket in a directory of its
// own, with two null outputs; it goes with the object.
class SoundServer {
 public:
  ~SoundServer() {
    if (m_server.state() == QProcess::NotRunning) return;
    m_server.terminate();
    if (!m_server.waitForFinished(ZentTest::kWaitMs)) m_server.kill();
  }

  static QString program() { return QStandardPaths::findExecutable(QStringLiteral("pulseaudio")); }

  // Empty once it answers; the program's sounds then go to it alone.
  QString start() {
    const QString home = m_dir.filePath(QStringLiteral("home"));
    const QString runtime = m_dir.filePath(QStringLiteral("run"));
    if (!QDir().mkpath(home) || !QDir().mkpath(runtime) ||
        !QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
      return QStringLiteral("no directories for the sound server");
    const QString socket = m_dir.filePath(QStringLiteral("native"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.remove(QStringLiteral("PULSE_SERVER"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    m_server.setProcessEnvironment(env);
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(&m_server, &QProcess::readyRead, [this] { m_log += m_server.readAll(); });
    // No configuration of the machine's, no session bus, no real-time
    // scheduling and no shared memory, which containers may lack; a root
    // user (a container's) is warned about, not refused. Its log (-v) names
    // every stream it creates and frees.
    m_server.start(
        program(),
        {"-n", "-v", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
         "--use-pid-file=no", "--disable-shm=yes", "--realtime=no", "--high-priority=no",
         "--log-target=stderr", "-L",
         "module-native-protocol-unix auth-anonymous=1 socket=" + socket, "-L",
         "module-null-sink sink_name=desk sink_properties=device.description=Desk", "-L",
         "module-null-sink sink_name=headset sink_properties=device.description=Headset"});
    if (!m_server.waitForStarted(ZentTest::kWaitMs))
      return QStringLiteral("pulseaudio did not start: ") + m_server.errorString();
    qputenv("PULSE_SERVER", "unix:" + socket.toLocal8Bit());
    if (!QTest::qWaitFor(
            [this] {
              return m_server.state() == QProcess::NotRunning ||
                     pactl({"list", "short", "sinks"}).contains("headset");
            },
            ZentTest::kWaitMs) ||
        m_server.state() == QProcess::NotRunning)
      return QStringLiteral("the sound server did not answer: ") + QString::fromUtf8(m_log);
    return QString();
  }

  // What the server's own tool prints, as the program's environment
  // points it at this server.
  static QByteArray pactl(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral("pactl"), arguments);
    if (!tool.waitForFinished(ZentTest::kWaitMs) || tool.exitCode() != 0) return QByteArray();
    return tool.readAllStandardOutput();
  }

  // The streams playing now.
  static QList<Stream> streams() {
    QHash<int, QString> sinks;
    for (const QJsonValue s :
         QJsonDocument::fromJson(pactl({"--format=json", "list", "sinks"})).array())
      sinks.insert(s[QLatin1String("index")].toInt(), s[QLatin1String("name")].toString());
    QList<Stream> out;
    const QJsonArray inputs =
        QJsonDocument::fromJson(pactl({"--format=json", "list", "sink-inputs"})).array();
    for (const QJsonValue input : inputs) {
      const QJsonValue properties = input[QLatin1String("properties")];
      out << Stream{properties[QLatin1String("application.name")].toString(),
                    properties[QLatin1String("media.name")].toString(),
                    sinks.value(input[QLatin1String("sink")].toInt()),
                    properties[QLatin1String("media.role")].toString()};
    }
    return out;
  }

  // The streams the server's log says it created, in order, each with the
  // client name and role logged under it, and how many it has freed since:
  // a sound played once may come and go between two looks at the live list.
  QList<Stream> created(int* freed = nullptr) {
    m_log += m_server.readAll();
    QList<Stream> out;
    const QRegularExpression create(QStringLiteral("Created input \\d+ \"(.*)\" on (\\S+) with"));
    const QRegularExpression property(
        QStringLiteral("sink-input\\.c:\\s+(application\\.name|media\\.role) = \"(.*)\"$"));
    const QRegularExpression free(QStringLiteral("Freeing input \\d+ "));
    int gone = 0;
    for (const QString& line : QString::fromUtf8(m_log).split(QLatin1Char('\n'))) {
      QRegularExpressionMatch m;
      if ((m = create.match(line)).hasMatch()) {
        out << Stream{QString(), m.captured(1), m.captured(2), QString()};
      } else if (!out.isEmpty() && (m = property.match(line)).hasMatch()) {
        (m.captured(1) == QLatin1String("media.role") ? out.last().role : out.last().application) =
            m.captured(2);
      } else if (free.match(line).hasMatch()) {
        ++gone;
      }
    }
    if (freed) *freed = gone;
    return out;
  }

 private:
  QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/zent-sound-XXXXXX")};
  QProcess m_server;
  QByteArray m_log;
};

QString openAudioPage(Dialogs::PreferencesWindow** prefs) {
  QString problem = Scenario::chooseFromWindowMenu({QStringLiteral("Preferences...")});
  if (problem.isEmpty()) problem = ZentTest::waitForWindow<Dialogs::PreferencesWindow>(prefs);
  if (!problem.isEmpty()) return problem;
  auto* tabs = (*prefs)->findChild<QTabWidget*>(QStringLiteral("preferencesTabs"));
  QWidget* page = (*prefs)->findChild<QWidget*>(QStringLiteral("audioTab"));
  if (!tabs || !page || tabs->indexOf(page) < 0) return QStringLiteral("no audio page");
  QTabBar* bar = tabs->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                    bar->tabRect(tabs->indexOf(page)).center());
  if (!QTest::qWaitFor([page] { return page->isVisible(); }, ZentTest::kWaitMs))
    return QStringLiteral("the audio page did not show");
  return QString();
}

QStringList itemTexts(const QComboBox* box) {
  QStringList out;
  for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
  return out;
}

// Chooses the entry of that text in the list by keyboard, as a user does.
QString choose(QComboBox* box, const QString& text) {
  const int wanted = box->findText(text);
  if (wanted < 0) return QStringLiteral("no entry \"%1\"").arg(text);
  box->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(box, Qt::Key_Home);
  for (int i = 0; i < wanted; ++i) QTest::keyClick(box, Qt::Key_Down);
  return box->currentText() == text ? QString() : QStringLiteral("\"%1\" not chosen").arg(text);
}

}  // namespace

class SoundServerScenario : public ZentTest::ScenarioTestObject {
  Q_OBJECT

 public:
  SoundServerScenario() : ScenarioTestObject(g_environment) {}

 private:
  SoundServer m_server;

 private slots:
  void initTestCase() {
    if (SoundServer::program().isEmpty())
      QSKIP("pulseaudio is not installed (scripts/install-deps installs it)");
    REQUIRE(m_server.start());
    // The program plays for real here, on this server alone.
    qunsetenv("ZENT_SOUND_BACKEND");
    ScenarioTestObject::initTestCase();
  }

  // The audio page lists the server's outputs by their descriptions, and
  // its monitors are no microphones. The ring preview plays, as "Preview",
  // on the output just chosen rather than the saved one (the default), and
  // its stream goes when it is stopped; the choice is then saved.
  void audioPageShowsTheServersOutputsAndPreviewsOnTheChosenOne() {
    REQUIRE(Scenario::signIn());
    Dialogs::PreferencesWindow* prefs = nullptr;
    REQUIRE(openAudioPage(&prefs));
    auto* ring = prefs->findChild<QComboBox*>(QStringLiteral("ringDeviceSelect"));
    auto* output = prefs->findChild<QComboBox*>(QStringLiteral("playbackSelect"));
    auto* microphone = prefs->findChild<QComboBox*>(QStringLiteral("recordingSelect"));
    QVERIFY(ring && output && microphone);
    QTRY_COMPARE_WITH_TIMEOUT(
        itemTexts(ring), QStringList({"Use Output Device", "Desk", "Headset"}), ZentTest::kWaitMs);
    QCOMPARE(itemTexts(output), QStringList({"Use Default", "Desk", "Headset"}));
    for (const QString& text : itemTexts(microphone))
      QVERIFY2(!text.contains(QLatin1String("onitor")), qPrintable(text));

    REQUIRE(choose(ring, QStringLiteral("Headset")));
    auto* preview = prefs->findChild<QPushButton*>(QStringLiteral("previewRingSignal"));
    QVERIFY(preview && preview->isEnabled());
    QTest::mouseClick(preview, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(SoundServer::streams(),
                              QList<Stream>({{"Zent", "Preview", "headset", "event"}}),
                              ZentTest::kWaitMs);
    QTest::mouseClick(preview, Qt::LeftButton);  // stops it
    QTRY_COMPARE_WITH_TIMEOUT(SoundServer::streams(), QList<Stream>(), ZentTest::kWaitMs);
    REQUIRE(ZentTest::clickButton(prefs, QStringLiteral("OK")));
    QTRY_VERIFY_WITH_TIMEOUT(!ZentTest::findWindow<Dialogs::PreferencesWindow>(),
                             ZentTest::kWaitMs);
  }

  // A call the control channel rings in rings as "Ringer", in the phone's
  // role, on the output saved for ringing above (not the server's default);
  // declined, its stream goes.
  void aCallRingsOnTheRingingOutput() {
    REQUIRE(Scenario::signIn());
    QCOMPARE(Scenario::control("incoming-call 101"), QString("ok"));
    QML::CommunicationNotification* popup = nullptr;
    REQUIRE(Scenario::waitForCallPopup(&popup));
    QTRY_COMPARE_WITH_TIMEOUT(SoundServer::streams(),
                              QList<Stream>({{"Zent", "Ringer", "headset", "phone"}}),
                              ZentTest::kWaitMs);
    REQUIRE(SceneDriver(popup).click(QStringLiteral("declineButton")));
    QTRY_VERIFY_WITH_TIMEOUT(ZentTest::noCallPopup(), ZentTest::kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(SoundServer::streams(), QList<Stream>(), ZentTest::kWaitMs);
  }

  // A call the user places rings back with the calling tone, a stream in
  // the phone's role like the ringer's; ended, no stream stays.
  void aPlacedCallRingsBackInThePhonesRole() {
    using namespace ZentTest::DemoPeople;
    REQUIRE(Scenario::signIn());
    QMenu* menu = nullptr;
    REQUIRE(Scenario::openContactMenu(QString::fromUtf8(kAliceName), &menu));
    QStringList path{QStringLiteral("Call")};
    for (const ZentTest::MenuEntry& e : ZentTest::menuEntries(menu))
      if (e.text == path.first() && e.hasSubmenu) path << QString::fromUtf8(kAliceWork);
    REQUIRE(ZentTest::triggerMenuEntry(menu, path));
    QML::CommunicationsWindow* window = nullptr;
    REQUIRE(Scenario::waitForCommsWindow(QString::fromUtf8(kAliceName), &window));
    const auto tones = [this] {
      QList<Stream> out;
      for (const Stream& s : m_server.created())
        if (s.name == QLatin1String("Calling Tone")) out << s;
      return out;
    };
    QTRY_VERIFY_WITH_TIMEOUT(!tones().isEmpty(), ZentTest::kWaitMs);
    for (const Stream& tone : tones())
      QCOMPARE(tone, Stream({"Zent", "Calling Tone", "headset", "phone"}));
    REQUIRE(SceneDriver::of(window).click(QStringLiteral("endButton")));
    QTRY_COMPARE_WITH_TIMEOUT(SoundServer::streams(), QList<Stream>(), ZentTest::kWaitMs);
  }

  // A message's sound, played once where the program's sounds play (the
  // ringing output), leaves no stream behind: none is kept, corked, for the
  // next one, and none waits past the sound's end.
  void aMessageSoundLeavesNoStream() {
    REQUIRE(Scenario::signIn());
    QCOMPARE(Scenario::control("incoming-chat 102"), QString("ok"));
    const auto messages = [this] {
      QList<Stream> out;
      for (const Stream& s : m_server.created())
        if (s.name == QLatin1String("Message")) out << s;
      return out;
    };
    QTRY_COMPARE_WITH_TIMEOUT(messages(), QList<Stream>({{"Zent", "Message", "headset", "event"}}),
                              ZentTest::kWaitMs);
    int freed = 0;
    QTRY_VERIFY_WITH_TIMEOUT((m_server.created(&freed), freed == m_server.created().size()),
                             ZentTest::kWaitMs);
    QCOMPARE(SoundServer::streams(), QList<Stream>());
  }
};

ZENT_TEST_MAIN(SoundServerScenario, Application)
#include "tst_scenario_soundserver.moc"

// Style object, style files, theme look-up and the QML helper.
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QResource>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>

#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Settings.h>

#include "TestSupport.h"
#include "Utils/ActionsHelper.h"
#include "Utils/PresenceState.h"
#include "Utils/SettingsKeys.h"
#include "Utils/StringHelper.h"
#include "libqml/QmlRegistration.h"
#include "libqml/utils/QmlHelper.h"
#include "libqml/utils/Style.h"
#include "libqml/utils/Themes.h"

using ZentTest::readFile;
using ZentTest::writeFile;

namespace {

// A real theme package holding one marker file, so a test can tell which
// theme got registered.
bool makeTheme(const QString& folder, const QString& marker) {
  QDir().mkpath(folder);
  const QString src = folder + "/src";
  if (!writeFile(src + "/theme_marker_" + marker + ".txt", marker.toUtf8())) return false;
  const QByteArray qrc = "<RCC><qresource prefix=\"/\"><file>theme_marker_" + marker.toUtf8() +
                         ".txt</file></qresource></RCC>";
  if (!writeFile(src + "/r.qrc", qrc)) return false;
  const QString rcc = QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/rcc";
  const int rc =
      QProcess::execute(rcc, {"-binary", src + "/r.qrc", "-o", folder + "/resources.rcc"});
  return rc == 0;
}

}  // namespace

class TestUiStyle : public QObject {
  Q_OBJECT

 private:
  QML::Style* m_style = nullptr;
  QTemporaryDir m_settingsDir;

 private slots:
  void initTestCase() {
    ZentTest::initScenes();
    QVERIFY(m_settingsDir.isValid());
    ZentTest::useSettingsFolders(m_settingsDir.path());
  }
  void init() { m_style = new QML::Style(this); }
  void cleanup() {
    delete m_style;
    QVERIFY(QML::Style::instance() == nullptr);
  }

  void defaultsFormTheTable() {
    QCOMPARE(QML::Style::instance(), m_style);
    QCOMPARE(m_style->colors().size(), 43);
    QCOMPARE(m_style->colors().value("darkText").toString(), QString("#4E4E4E"));
    QCOMPARE(m_style->colors().value("transparentBackground").toString(), QString("transparent"));
    QCOMPARE(m_style->fontFamily().toString(), QString("Arial"));
    QStringList names = m_style->colorNames();
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(names, sorted);
  }

  void replaceMarkers_data() {
    QTest::addColumn<QString>("css");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");
    QTest::newRow("colour and font")
        << "a{color:%%colors:darkText%%;font-family:%%font:defaultFontFamily%%}" << true
        << "a{color:#4E4E4E;font-family:Arial}";
    QTest::newRow("unknown name") << "b{color:%%colors:noSuchColour%%}" << true
                                  << "b{color:#ff0000}";
    QTest::newRow("unclosed")
        << "%%font:defaultFontFamily%% %%colors:darkText%% x %%colors:whiteText;" << false
        << "%%font:defaultFontFamily%% #4E4E4E x %%colors:whiteText;";
    QTest::newRow("adjacent markers")
        << "%%colors:whiteText%%%%colors:blackText%%" << true << "#FFFFFF#000000";
    QTest::newRow("nothing") << "plain" << true << "plain";
  }
  void replaceMarkers() {
    QFETCH(QString, css);
    QFETCH(bool, ok);
    QFETCH(QString, expected);
    QCOMPARE(m_style->replaceCssWithStyle(css), ok);
    QCOMPARE(css, expected);
  }

  void setColorAcceptsAndRefuses() {
    QSignalSpy spy(m_style, SIGNAL(colorsChanged()));
    m_style->setColor("hoverButton", "#11223344");
    QCOMPARE(m_style->colors().value("hoverButton").toString(), QString("#3399CC"));
    QCOMPARE(spy.count(), 1);
    m_style->setColor("hoverButton", "red");
    QCOMPARE(m_style->colors().value("hoverButton").toString(), QString("red"));
    m_style->setColor("hoverButton", "red");
    QCOMPARE(spy.count(), 2);  // an equal value changes nothing
    m_style->setColor("newName", "not a colour");
    QVERIFY(!m_style->colors().contains("newName"));
    m_style->setColor("newName", "#abc");
    QCOMPARE(m_style->colors().value("newName").toString(), QString("#abc"));
  }

  void invertTwiceRestores() {
    const QVariantMap before = m_style->colors();
    m_style->invertAll();
    QCOMPARE(QColor(m_style->colors().value("whiteBackground").toString()), QColor(Qt::black));
    QCOMPARE(m_style->colors().value("transparentBackground").toString(), QString("transparent"));
    m_style->invertAll();
    for (auto it = before.constBegin(); it != before.constEnd(); ++it) {
      QCOMPARE(QColor(m_style->colors().value(it.key()).toString()), QColor(it.value().toString()));
    }
  }

  void setDefaultsRestoresColoursAndFont() {
    m_style->setColor("darkText", "#123456");
    m_style->setFontFamily("Courier");
    QSignalSpy font(m_style, SIGNAL(fontFamilyChanged()));
    m_style->setDefaults();
    QCOMPARE(m_style->colors().value("darkText").toString(), QString("#4E4E4E"));
    QCOMPARE(m_style->fontFamily().toString(), QString("Arial"));
    QCOMPARE(font.count(), 1);
  }

  void csvRoundTrip() {
    QTemporaryDir dir;
    const QString file = dir.filePath("style.csv");
    m_style->setColor("darkText", "#010203");
    m_style->setFontFamily("DejaVu Sans, Condensed");
    QVERIFY(m_style->exportCsv(file, true));
    const QByteArray bytes = readFile(file);
    QVERIFY(bytes.startsWith("activeBackground,#3399CC\r\n"));
    QVERIFY(bytes.contains("defaultFontFamily,DejaVu Sans, Condensed\r\n"));
    QVERIFY(bytes.endsWith("\r\n"));

    const QVariantMap saved = m_style->colors();
    m_style->setDefaults();
    QSignalSpy font(m_style, SIGNAL(fontFamilyChanged()));
    QVERIFY(m_style->importCsv(file));
    QCOMPARE(m_style->colors(), saved);
    QCOMPARE(m_style->fontFamily().toString(), QString("DejaVu Sans, Condensed"));
    QCOMPARE(font.count(), 1);

    // Colours only: no font line.
    QVERIFY(m_style->exportCsv(dir.filePath("colors.csv"), false));
    QVERIFY(!readFile(dir.filePath("colors.csv")).contains("defaultFontFamily"));
  }

  void badCsvFiles() {
    QTemporaryDir dir;
    const QString file = dir.filePath("bad.csv");
    QVERIFY(writeFile(file,
                      "darkText\n"                   // missing column
                      "whiteText,#000000,extra\r\n"  // two commas
                      "#00FF00,mediumText\n"         // columns swapped
                      "lightText,twelve\n"           // not a colour
                      "\n\r\n"                       // empty lines
                      "blackText,#111111\n"
                      "blackText,#222222\n"  // later line wins
                      "brandNew,#333333\n"));
    QVERIFY(m_style->importCsv(file));
    QCOMPARE(m_style->colors().value("darkText").toString(), QString("#4E4E4E"));
    QCOMPARE(m_style->colors().value("whiteText").toString(), QString("#FFFFFF"));
    QCOMPARE(m_style->colors().value("mediumText").toString(), QString("#868686"));
    QVERIFY(!m_style->colors().contains("#00FF00"));
    QCOMPARE(m_style->colors().value("lightText").toString(), QString("#CCCCCC"));
    QCOMPARE(m_style->colors().value("blackText").toString(), QString("#222222"));
    QCOMPARE(m_style->colors().value("brandNew").toString(), QString("#333333"));
    QCOMPARE(m_style->fontFamily().toString(), QString("Arial"));

    const QVariantMap before = m_style->colors();
    QVERIFY(!m_style->importCsv(dir.filePath("missing.csv")));
    QCOMPARE(m_style->colors(), before);
  }

  void failedExportKeepsTheOldFile() {
    QTemporaryDir dir;
    QVERIFY(!m_style->exportCsv(dir.filePath("no/such/folder/style.csv"), true));
    // A folder in the file's place: the export fails and the folder stays.
    QVERIFY(QDir().mkpath(dir.filePath("taken.csv")));
    QVERIFY(!m_style->exportCsv(dir.filePath("taken.csv"), true));
    QVERIFY(QFileInfo(dir.filePath("taken.csv")).isDir());
  }

  // ---- themes ----
  void themeNameFromPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("bare") << "blue"
                          << "blue";
    QTest::newRow("package") << "/opt/x/themes/blue/resources.rcc"
                             << "blue";
    QTest::newRow("description") << "C:/x/themes/dark/description.xml"
                                 << "dark";
    QTest::newRow("not at end") << "/x/themes/blue/resources.rcc.bak"
                                << "/x/themes/blue/resources.rcc.bak";
    QTest::newRow("nested") << "/x/themes/a/b/resources.rcc"
                            << "/x/themes/a/b/resources.rcc";
    QTest::newRow("case") << "/x/Themes/blue/resources.rcc"
                          << "/x/Themes/blue/resources.rcc";
  }
  void themeNameFromPath() {
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(Utils::Themes::themeNameFromPath(path), name);
  }

  void themeSettingsDefaults() {
    RAZ::Settings(RAZ::Settings::Application).remove(Utils::SettingsKey::ThemeActive);
    QCOMPARE(Utils::Themes::defaultTheme(), QString("default"));
    QCOMPARE(Utils::Themes::activeTheme(), QString("default"));
    Utils::Themes::setActiveTheme("blue");
    QCOMPARE(Utils::Themes::activeTheme(), QString("blue"));
    RAZ::Settings(RAZ::Settings::Application).remove(Utils::SettingsKey::ThemeActive);
  }

  void themeRootsAndOrder() {
    QTemporaryDir tmp;
    const QString prog = tmp.path() + "/app/bin";
    const QString data = tmp.path() + "/data";
    QDir().mkpath(prog);
    QStringList roots = Utils::Themes::themeRootsIn(prog, data, "default", true);
    QCOMPARE(roots, QStringList{data + "/themes/default"});
    QDir().mkpath(prog + "/themes/default");
    QDir().mkpath(tmp.path() + "/app/themes/default");
    roots = Utils::Themes::themeRootsIn(prog, data, "default", false);
    QCOMPARE(roots.size(), 2);
    QCOMPARE(roots.at(0), QFileInfo(prog + "/themes/default").canonicalFilePath());
    QCOMPARE(roots.at(1), QFileInfo(tmp.path() + "/app/themes/default").canonicalFilePath());

    QVERIFY(makeTheme(tmp.path() + "/app/themes/default", "up"));
    QVERIFY(makeTheme(data + "/themes/default", "user"));
    QCOMPARE(Utils::Themes::themePathIn(prog, data, "default"),
             QFileInfo(tmp.path() + "/app/themes/default/resources.rcc").canonicalFilePath());
    QVERIFY(makeTheme(prog + "/themes/default", "near"));
    QCOMPARE(Utils::Themes::themePathIn(prog, data, "default"),
             QFileInfo(prog + "/themes/default/resources.rcc").canonicalFilePath());
    QVERIFY(Utils::Themes::themePathIn(prog, data, "").isEmpty());
    QVERIFY(Utils::Themes::themePathIn(prog, data, "missing").isEmpty());
    QVERIFY(Utils::Themes::themePathIn(prog + "/themes/default", data, "..").isEmpty());
  }

  void registrationFallsBackToDefault() {
    QTemporaryDir tmp;
    const QString prog = tmp.path() + "/bin";
    QVERIFY(makeTheme(prog + "/themes/fallbackdefault", "fallbackdefault"));
    // An existing theme whose package Qt refuses counts as missing.
    QVERIFY(writeFile(prog + "/themes/broken/resources.rcc", "not a resource package"));
    QSettings install(RAZ::Settings::filePath(RAZ::Settings::Installation), QSettings::IniFormat);
    install.setValue(Utils::SettingsKey::DefaultTheme, "fallbackdefault");
    install.sync();
    Utils::Themes::setActiveTheme(prog + "/themes/broken/resources.rcc");

    const Utils::Themes::Registration r =
        Utils::Themes::registerActiveThemeIn(prog, tmp.path() + "/data");
    QVERIFY(r.ok);
    QCOMPARE(r.askedName, QString("broken"));
    QCOMPARE(r.registeredName, QString("fallbackdefault"));
    QVERIFY(QFile::exists(":/theme_marker_fallbackdefault.txt"));
    QCOMPARE(Utils::Themes::activeTheme(), QString("broken"));  // the asked name stays recorded
    install.remove(Utils::SettingsKey::DefaultTheme);
    install.sync();
  }

  void aBadThemeNameFallsBackToTheShippedTheme_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("installationDefault");
    QTest::newRow("unknown default") << ""
                                     << "nosuchtheme";
    QTest::newRow("unknown asked and default") << "alsomissing"
                                               << "nosuchtheme";
    QTest::newRow("a path for a default") << ""
                                          << "../../etc";
  }
  void aBadThemeNameFallsBackToTheShippedTheme() {
    QFETCH(QString, asked);
    QFETCH(QString, installationDefault);
    QTemporaryDir tmp;
    const QString prog = tmp.path() + "/bin";
    QVERIFY(makeTheme(prog + "/themes/default", "shipped"));
    QSettings install(RAZ::Settings::filePath(RAZ::Settings::Installation), QSettings::IniFormat);
    install.setValue(Utils::SettingsKey::DefaultTheme, installationDefault);
    install.sync();
    if (asked.isEmpty())
      RAZ::Settings(RAZ::Settings::Application).remove(Utils::SettingsKey::ThemeActive);
    else
      Utils::Themes::setActiveTheme(asked);
    const Utils::Themes::Registration r =
        Utils::Themes::registerActiveThemeIn(prog, tmp.path() + "/data");
    install.remove(Utils::SettingsKey::DefaultTheme);
    install.sync();
    QVERIFY(r.ok);
    QCOMPARE(r.registeredName, QString("default"));
    QVERIFY(QFile::exists(":/theme_marker_shipped.txt"));
    // The name asked for is kept while the shipped theme is shown.
    QCOMPARE(Utils::Themes::activeTheme(), asked.isEmpty() ? installationDefault : asked);
    QVERIFY(QResource::unregisterResource(r.registeredPath));
    RAZ::Settings(RAZ::Settings::Application).remove(Utils::SettingsKey::ThemeActive);
  }

  void registrationFromFullPathStoresBareName() {
    QTemporaryDir tmp;
    const QString prog = tmp.path() + "/bin";
    QVERIFY(makeTheme(prog + "/themes/paththeme", "paththeme"));
    Utils::Themes::setActiveTheme("/elsewhere/themes/paththeme/resources.rcc");
    const Utils::Themes::Registration r =
        Utils::Themes::registerActiveThemeIn(prog, tmp.path() + "/data");
    QVERIFY(r.ok);
    QCOMPARE(r.registeredName, QString("paththeme"));
    QCOMPARE(Utils::Themes::activeTheme(), QString("paththeme"));
    QVERIFY(QFile::exists(":/theme_marker_paththeme.txt"));
  }

  void registrationWithoutAnyTheme() {
    QTemporaryDir tmp;
    Utils::Themes::setActiveTheme("nothere");
    const Utils::Themes::Registration r =
        Utils::Themes::registerActiveThemeIn(tmp.path(), tmp.path() + "/data");
    QVERIFY(!r.ok);
    QCOMPARE(r.defaultName, QString("default"));
    QCOMPARE(Utils::Themes::notFoundText("/opt/zent", "/home/u/data", "default"),
             QString("Default theme not found. Please reinstall the client.\nLooked for the theme "
                     "\"default\" in the folders /opt/zent/themes, /opt/themes, "
                     "/home/u/data/themes."));
    RAZ::Settings(RAZ::Settings::Application).remove(Utils::SettingsKey::ThemeActive);
  }

  void wrongTypeSettingIsIgnored() {
    RAZ::Settings(RAZ::Settings::Application)
        .setValue(Utils::SettingsKey::ThemeActive, QStringList{"a", "b"});
    QCOMPARE(Utils::Themes::activeTheme(), QString("default"));
    RAZ::Settings(RAZ::Settings::Application).remove(Utils::SettingsKey::ThemeActive);
  }

  void themeDescription() {
    QTemporaryDir tmp;
    const QString folder = tmp.path() + "/themes/calm";
    QDir().mkpath(folder);
    Utils::Themes::Description d = Utils::Themes::readDescription(folder);
    QCOMPARE(d.name, QString("calm"));
    QVERIFY(!d.error.isEmpty());
    QVERIFY(writeFile(folder + "/description.xml", "<theme name=\"Calm\"><description>Quiet"));
    d = Utils::Themes::readDescription(folder);
    QCOMPARE(d.name, QString("calm"));
    QVERIFY(d.error.contains("malformed"));
    QVERIFY(writeFile(folder + "/description.xml", "<other/>"));
    QVERIFY(!Utils::Themes::readDescription(folder).error.isEmpty());
    QVERIFY(writeFile(
        folder + "/description.xml",
        "<?xml version=\"1.0\"?><theme name=\"Calm\"><description>Quiet</description></theme>"));
    d = Utils::Themes::readDescription(folder);
    QVERIFY(d.error.isEmpty());
    QCOMPARE(d.name, QString("Calm"));
    QCOMPARE(d.description, QString("Quiet"));
  }

  // ---- QML helper ----
  void checkResource() {
    QML::QmlHelper h;
    QVERIFY(QFile::exists(":/windows/StyleView.qml"));
    QVERIFY(h.checkResource("qrc:/windows/StyleView.qml"));
    QVERIFY(!h.checkResource("qrc:/windows/NoSuch.qml"));
    QVERIFY(!h.checkResource(""));
    QTemporaryDir tmp;
    QVERIFY(writeFile(tmp.filePath("x.png"), "x"));
    QVERIFY(h.checkResource(tmp.filePath("x.png")));
    QVERIFY(!h.checkResource("qrc:" + tmp.filePath("x.png")));  // not a resource
  }

  void modifyStyle_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("expected");
    const QString s = "<span style=\"c\">%1</span>";
    QTest::newRow("each in own letters") << "Anna ANNA"
                                         << "anna" << s.arg("Anna") + " " + s.arg("ANNA");
    QTest::newRow("tags shown as text") << "<b>Bob</b>"
                                        << "bob"
                                        << "&lt;b&gt;" + s.arg("Bob") + "&lt;/b&gt;";
    QTest::newRow("not found") << "Tom & Jerry"
                               << "zed"
                               << "Tom &amp; Jerry";
    QTest::newRow("empty search") << "a<b"
                                  << ""
                                  << "a&lt;b";
    QTest::newRow("no match inside entities") << "a<b"
                                              << "lt"
                                              << "a&lt;b";
    QTest::newRow("search with markup") << "x<y"
                                        << "<"
                                        << "x" + s.arg("&lt;") + "y";
  }
  void modifyStyle() {
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, expected);
    QML::QmlHelper h;
    QCOMPARE(h.modifyStyle(text, search, "c"), expected);
  }

  void timeTexts() {
    QML::QmlHelper h;
    QCOMPARE(h.formatActiveCommsEntryTime(QTime(0, 5, 9)), QString("05:09"));
    QCOMPARE(h.formatActiveCommsEntryTime(QTime(1, 2, 3)), QString("01:02:03"));
    QCOMPARE(h.formatActiveCommsEntryTime(QTime()), QString());
    QCOMPARE(h.formatDateTime(QDateTime()), QString());
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime earlier(now.date(), QTime(0, 0, 1));
    QCOMPARE(h.formatHistoryEntryTime(earlier), h.formatTime(earlier));
    const QDateTime yesterday = earlier.addDays(-1);
    QCOMPARE(h.formatHistoryEntryTime(yesterday),
             QLocale::system().toString(yesterday.date(), QLocale::NarrowFormat));
    QVERIFY(!h.formatTime(QDateTime(now.date(), QTime(13, 45, 59))).contains("59"));
    QVERIFY(
        h.formatDateTime(yesterday).startsWith(Utils::StringHelper::formatDate(yesterday.date())));
  }

  // Times and dates speak the interface language, whatever the system's:
  // "AM" and "PM" included, and a date no language reads as another day.
  void timesAndDatesFollowTheInterfaceLocale() {
    using Utils::StringHelper;
    QCOMPARE(StringHelper::dateFormatWithoutWeekday("dddd, MMMM d, yyyy"), QString("MMMM d, yyyy"));
    QCOMPARE(StringHelper::dateFormatWithoutWeekday("dddd, d 'de' MMMM 'de' yyyy"),
             QString("d 'de' MMMM 'de' yyyy"));
    QCOMPARE(StringHelper::dateFormatWithoutWeekday("d. MMMM yyyy"), QString("d. MMMM yyyy"));
    const QLocale before;
    auto restore = qScopeGuard([before] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(StringHelper::formatTime(QTime(13, 45, 59)), QString("1:45 PM"));
    QCOMPARE(StringHelper::formatDate(QDate(2026, 12, 10)), QString("December 10, 2026"));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QCOMPARE(StringHelper::formatTime(QTime(13, 45, 59)), QString("13:45"));
    QCOMPARE(StringHelper::formatDate(QDate(2026, 12, 10)), QString("10 de diciembre de 2026"));
  }

  void stripWhiteSpace() {
    QML::QmlHelper h;
    QCOMPARE(h.stripWhiteSpaceChars("a\tb|c "), QString("a b c"));
    QCOMPARE(h.stripWhiteSpaceChars("\r\n x\fy\v "), QString("x y"));
    QCOMPARE(h.stripWhiteSpaceChars(""), QString());
  }

  void presenceIcons() {
    QML::QmlHelper h;
    QCOMPARE(h.getPresenceIcon(18, false), QString("qrc:/presence/presence_busy_small.png"));
    QCOMPARE(h.getPresenceIcon(18, true, true), QString("qrc:/presence/ownpresence_busy.png"));
    QCOMPARE(h.getPresenceIcon(1, true, true), QString());
    QCOMPARE(h.getPresenceIcon(0, false), QString());
    QCOMPARE(h.getPresenceIcon(7, true), QString("qrc:/presence/presence_present_large.png"));
    QCOMPARE(h.getPresenceIcon(19, false), QString("qrc:/presence/presence_dnd_small.png"));
    QCOMPARE(h.getPresenceIcon(-1, false), QString());
    QCOMPARE(h.getPresenceIcon(20, true, true), QString());
  }

  // Every state of the model has its text and one of the four presence
  // colours; a number outside the model has no text and reads as offline.
  void presenceStateLooks_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour");
    using P = Utils::PresenceState;
    QTest::newRow("unknown") << int(P::Unknown) << "Offline"
                             << "presenceOffline";
    QTest::newRow("pending") << int(P::Pending) << "Pending"
                             << "presenceOffline";
    QTest::newRow("hidden") << int(P::Hidden) << "Offline"
                            << "presenceOffline";
    QTest::newRow("away idle") << int(P::AwayIdle) << "Away"
                               << "presenceAway";
    QTest::newRow("away") << int(P::Away) << "Away"
                          << "presenceAway";
    QTest::newRow("available idle") << int(P::AvailableIdle) << "Available"
                                    << "presenceAvailable";
    QTest::newRow("deskphone") << int(P::Deskphone) << "Deskphone"
                               << "presenceOffline";
    QTest::newRow("mobile") << int(P::Mobile) << "Mobile"
                            << "presenceOffline";
    QTest::newRow("available") << int(P::Available) << "Available"
                               << "presenceAvailable";
    QTest::newRow("busy online") << int(P::BusyOnline) << "Busy"
                                 << "presenceBusy";
    QTest::newRow("meeting") << int(P::MeetingBusy) << "Meeting"
                             << "presenceBusy";
    QTest::newRow("call") << int(P::OnCallBusy) << "Call"
                          << "presenceBusy";
    QTest::newRow("last busy") << int(P::DoNotDisturb) << "Busy"
                               << "presenceBusy";
    QTest::newRow("below the model") << -1 << ""
                                     << "presenceOffline";
    QTest::newRow("above the model") << 20 << ""
                                     << "presenceOffline";
  }
  void presenceStateLooks() {
    QFETCH(int, state);
    QFETCH(QString, text);
    QFETCH(QString, colour);
    QCOMPARE(Utils::PresenceState::text(state), text);
    QCOMPARE(Utils::PresenceState::colorName(state), colour);
    QVERIFY(m_style->colors().contains(colour));
    QCOMPARE(Utils::PresenceState::color(state),
             QColor(m_style->colors().value(colour).toString()));
  }

  // The colour follows the style, and falls back to the built-in one when
  // the process has no style.
  void presenceColourComesFromTheStyle() {
    m_style->setColor("presenceBusy", "#123456");
    QCOMPARE(Utils::PresenceState::color(Utils::PresenceState::Busy), QColor("#123456"));
    delete m_style;
    m_style = nullptr;
    QCOMPARE(Utils::PresenceState::color(Utils::PresenceState::Busy), QColor("#D9534F"));
    m_style = new QML::Style(this);
  }

  // Scenes read the same names and mapping through the registered singleton.
  void presenceStateInQml() {
    QML::registerTypes();
    QQmlEngine engine;
    engine.rootContext()->setContextProperty("zentStyle", m_style);
    QQmlComponent component(&engine);
    component.setData(
        "import QtQuick 2.15\nimport Vantre 1.0\nQtObject {\n"
        "  property int busy: PresenceState.Busy\n"
        "  property string name: PresenceState.colorName(PresenceState.Available)\n"
        "  property string text: PresenceState.text(PresenceState.Away)\n"
        "  property color colour: zentStyle.colors[PresenceState.colorName(17)]\n}",
        QUrl());
    QScopedPointer<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("busy").toInt(), 17);
    QCOMPARE(object->property("name").toString(), QString("presenceAvailable"));
    QCOMPARE(object->property("text").toString(), QString("Away"));
    QCOMPARE(object->property("colour").value<QColor>(), QColor("#D9534F"));
    m_style->setColor("presenceBusy", "#00FF00");
    QCOMPARE(object->property("colour").value<QColor>(), QColor("#00FF00"));
  }

  void groupNameOfNonGroup() {
    QML::QmlHelper h;
    QObject notAGroup;
    QCOMPARE(h.getGroupName(QVariant::fromValue(&notAGroup)), QString());
    QCOMPARE(h.getGroupName(QVariant()), QString());
    QCOMPARE(h.getTooltip(2, &notAGroup), QString("Call"));
  }

  void groupNames_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("all contacts") << int(RAZ::Contacts::IGroup::AllContactsId) << "x"
                                  << "All Contacts";
    QTest::newRow("favourites") << int(RAZ::Contacts::IGroup::FavouritesId) << "x"
                                << "Favorites";
    QTest::newRow("own group") << 7 << "Family"
                               << "Family";
    QTest::newRow("next to the special ids") << 16777205 << "Team"
                                             << "Team";
  }
  void groupNames() {
    QFETCH(int, id);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QML::QmlHelper h;
    RAZ::Contacts::IGroup group(id, name);
    QCOMPARE(h.getGroupName(QVariant::fromValue(static_cast<QObject*>(&group))), expected);
  }

  void actionTooltips_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("chat") << 1 << "Chat";
    QTest::newRow("call") << 2 << "Call";
    QTest::newRow("call from phone") << 3 << "Call from Phone";
    QTest::newRow("video") << 4 << "Video Call";
    QTest::newRow("desktop") << 5 << "Share Desktop";
    QTest::newRow("join room") << 6 << "Join Room";
    QTest::newRow("no text for 7") << 7 << "";
    QTest::newRow("email") << 8 << "Email";
    QTest::newRow("favourite") << 9 << "Set as Favorite";
    QTest::newRow("unfavourite") << 10 << "Remove from Favorites";
    QTest::newRow("remove") << 16 << "Remove";
    QTest::newRow("parking has its own entry") << 17 << "";
    QTest::newRow("application menu ids") << 21 << "";
    QTest::newRow("end all calls") << 22 << "End All Calls";
    QTest::newRow("transfer") << 25 << "Transfer";
    QTest::newRow("zero") << 0 << "";
    QTest::newRow("negative") << -1 << "";
    QTest::newRow("past the table") << 26 << "";
  }
  void actionTooltips() {
    QFETCH(int, id);
    QFETCH(QString, text);
    QML::QmlHelper h;
    QCOMPARE(h.getTooltip(id, nullptr), text);
    // Outside a communication the texts never say "End" or "Add".
    QCOMPARE(Utils::ActionsHelper::actionText(id, nullptr, false), text);
  }

  void actionTextsInsideACommunication_data() {
    QTest::addColumn<int>("callType");  // 0: no call
    QTest::addColumn<int>("sources");
    QTest::addColumn<int>("sourceType");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("no call yet") << 0 << 1 << 6 << 2 << "Add Call";
    QTest::newRow("call active") << 1 << 1 << 6 << 2 << "End Call";
    QTest::newRow("audio call offers video") << 1 << 1 << 6 << 4 << "Add Video";
    QTest::newRow("video call") << 2 << 1 << 6 << 4 << "Remove Video";
    QTest::newRow("chat not active") << 1 << 1 << 6 << 1 << "Add Chat";
    QTest::newRow("desktop not shared") << 1 << 1 << 6 << 5 << "Share Desktop";
    QTest::newRow("same text either way") << 1 << 1 << 6 << 3 << "Call from Phone";
    QTest::newRow("two sessions decide nothing") << 1 << 2 << 6 << 2 << "Add Call";
    QTest::newRow("not a sessions source") << 1 << 1 << 5 << 2 << "Add Call";
  }
  void actionTextsInsideACommunication() {
    QFETCH(int, callType);
    QFETCH(int, sources);
    QFETCH(int, sourceType);
    QFETCH(int, id);
    QFETCH(QString, text);
    struct Composite : RAZ::Actions::SourceComposite {
      int type = 6;
      int getSourceType() const override { return type; }
    } composite;
    composite.type = sourceType;
    RAZ::Controllers::CommunicationSession first(
        1, "Kim", "sip:kim@example", RAZ::Controllers::CommunicationSession::KindCall, false);
    RAZ::Controllers::CommunicationSession second(
        2, "Lee", "sip:lee@example", RAZ::Controllers::CommunicationSession::KindChat, false);
    if (callType)
      first.setCall(new RAZ::MediaEngine::CallBasePtr(
          "sip:kim@example", RAZ::MediaEngine::CallBasePtr::CallType(callType), false));
    composite.addSource(&first);
    if (sources > 1) composite.addSource(&second);
    RAZ::Actions::Provider provider(nullptr);
    provider.setActionSource(&composite);
    QCOMPARE(Utils::ActionsHelper::actionText(id, &provider, true), text);
    first.setCall(nullptr);
  }
};

ZENT_TEST_MAIN(TestUiStyle, QApplication)
#include "tst_ui_style.moc"

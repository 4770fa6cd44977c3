// Start-up pieces that need no application object of the program's own:
// language choice, user agent, branding, settings seeding, account folders,
// theme look-up, languages, the operating-system layer and Qt message routing.
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebSettings>
#include <QtTest>

#include <RAZ/Controllers/Search/LdapClient.h>
#include <RAZ/MediaEngine/MultimediaBackend.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Path.h>
#include <TP/Core/Logging.h>
#include <os/Autostart.h>
#include <os/DesktopEntry.h>
#include <os/Environment.h>
#include <os/Store.h>
#include <os/UrlScheme.h>

#include "Application.h"
#include "I18N.h"
#include "TestSupport.h"
#include "Utils/AppPaths.h"
#include "Utils/Branding.h"
#include "Utils/LanguageChoice.h"
#include "Utils/SettingsKeys.h"
#include "Utils/SettingsSeed.h"
#include "Utils/SettingsWrite.h"
#include "Utils/UserAgent.h"
#include "Utils/WebViews.h"
#include "Utils/file_utils.h"
#include "libqml/items/WebViewEngine.h"
#include "libqml/utils/Themes.h"

using ZentTest::readFile;
using ZentTest::writeFile;

namespace {

// Splits a desktop entry's Exec value the way the desktop does: blanks
// separate arguments; inside double quotes a back-slash escapes the next
// character.
QStringList splitExec(const QString& exec) {
  QStringList args;
  QString cur;
  bool quoted = false, any = false;
  for (int i = 0; i < exec.size(); ++i) {
    const QChar c = exec.at(i);
    if (quoted) {
      if (c == '\\' && i + 1 < exec.size()) {
        cur += exec.at(++i);
      } else if (c == '"') {
        quoted = false;
      } else {
        cur += c;
      }
    } else if (c == '"') {
      quoted = any = true;
    } else if (c == ' ') {
      if (any || !cur.isEmpty()) args << cur;
      cur.clear();
      any = false;
    } else {
      cur += c;
    }
  }
  if (any || !cur.isEmpty()) args << cur;
  return args;
}

// A desktop entry's value as its reader sees it: \\ and \n undone.
QString entryValue(const QString& written) {
  QString value;
  for (int i = 0; i < written.size(); ++i) {
    if (written.at(i) == '\\' && i + 1 < written.size()) {
      const QChar next = written.at(++i);
      value += next == 'n' ? QChar('\n') : next;
    } else {
      value += written.at(i);
    }
  }
  return value;
}

}  // namespace

class TestAppStartup : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    AppPaths::setExecutableDirOverride(QString());
    RAZ::Settings::clearPaths();
  }
  void cleanupTestCase() {
    AppPaths::setExecutableDirOverride(QString());
    RAZ::Settings::clearPaths();
    Os::Store::setFilePath(QString());
  }

  void languageChoice_data() {
    QTest::addColumn<QString>("installer");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("installer beats stored") << "en" << QVariant("es") << "fr_FR"
                                            << "en";
    QTest::newRow("stored when no installer") << "" << QVariant("en") << "es_ES"
                                              << "en";
    QTest::newRow("nothing usable") << "" << QVariant() << "fr_FR"
                                    << "es";
    QTest::newRow("stored outside table") << "" << QVariant("xx") << "de_DE"
                                          << "es";
    QTest::newRow("two-letter fallback") << "" << QVariant("xx") << "en_US"
                                         << "en";
    QTest::newRow("installer outside table") << "fr" << QVariant() << "en_GB"
                                             << "en";
    QTest::newRow("empty locale") << "" << QVariant() << ""
                                  << "es";
  }
  void languageChoice() {
    QFETCH(QString, installer);
    QFETCH(QVariant, stored);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(Utils::chooseLanguage({"en", "es"}, installer, stored, locale), expected);
  }

  void languageChoiceWithEmptyTable() {
    // Without a language list nothing is accepted: always the built-in "es".
    QCOMPARE(Utils::chooseLanguage({}, "en", QVariant("en"), "en_US"), QString("es"));
  }

  void preferredLocaleName() {
    QCOMPARE(Utils::preferredLocaleName({}, "C"), QString("C"));
    QCOMPARE(Utils::preferredLocaleName({"en-US", "de-DE"}, "C"), QString("en_US"));
  }

  void userAgent() {
    QCOMPARE(Utils::buildUserAgent("Zent/%1 (%2)", "20.1.1.231", "Linux"),
             QString("Zent/20.1.1.231 (Linux)"));
    // Fewer placeholders: the template takes what it has room for.
    QCOMPARE(Utils::buildUserAgent("Zent/%1", "20.1.1.231", "Linux"), QString("Zent/20.1.1.231"));
    QCOMPARE(Utils::buildUserAgent("Zent", "20.1.1.231", "Linux"), QString("Zent"));
    QCOMPARE(Utils::buildUserAgent("", "20.1.1.231", "Linux"), QString());
    // The system name is never read as a placeholder itself.
    QCOMPARE(Utils::buildUserAgent("%1 %2", "1", "100%1"), QString("1 100%1"));
    QVERIFY(ZentTest::takeMessages().filter("QString::arg").isEmpty());
    QCOMPARE(Utils::windowsVersionName(0x90), QString("Windows 7"));
    QCOMPARE(Utils::windowsVersionName(0x40), QString("Windows XP Professional x64 Edition"));
    QCOMPARE(Utils::windowsVersionName(0), QString("Windows"));
    QVERIFY(!Utils::operatingSystemName().isEmpty());
  }

  void branding() {
    QTemporaryDir dir;
    const QString path = dir.filePath("application_name.txt");
    QVERIFY(writeFile(path, "  Zent \nZent Communications\n zent.example \n"));
    Utils::Branding b = Utils::readBranding(path);
    QVERIFY(b.fromFile);
    QCOMPARE(b.applicationName, QString("Zent"));
    QCOMPARE(b.organizationName, QString("Zent Communications"));
    QCOMPARE(b.organizationDomain, QString("zent.example"));

    QVERIFY(writeFile(path, "Only\n"));
    b = Utils::readBranding(path);
    QCOMPARE(b.applicationName, QString("Only"));
    QVERIFY(b.organizationName.isEmpty());
    QVERIFY(b.organizationDomain.isEmpty());

    // Missing and empty files both give the built-in names, and say so:
    // the user's data is then in another folder.
    const Utils::Branding builtIn = Utils::builtInBranding();
    QVERIFY(!builtIn.applicationName.isEmpty());
    b = Utils::readBranding(dir.filePath("missing.txt"));
    QVERIFY(!b.fromFile);
    QCOMPARE(b.applicationName, builtIn.applicationName);
    QCOMPARE(b.organizationName, QString("Zarozurav Quorvel Inc"));
    QCOMPARE(b.problem, Utils::Branding::Problem::Missing);
    QVERIFY(writeFile(path, ""));
    b = Utils::readBranding(path);
    QVERIFY(!b.fromFile);
    QCOMPARE(b.applicationName, QString("VOV Quorvel"));
    QCOMPARE(b.problem, Utils::Branding::Problem::NoName);
    QVERIFY(writeFile(path, "   \nOrg\n"));
    QCOMPARE(Utils::readBranding(path).applicationName, QString("VOV Quorvel"));
    QCOMPARE(Utils::readBranding(path).problem, Utils::Branding::Problem::NoName);

    // What the user is told of: a name cut to the cap, a file that is no
    // text (the built-in names then).
    QVERIFY(writeFile(path, "Zent" + QByteArray(600, 'x') + "\nOrg\n"));
    b = Utils::readBranding(path);
    QCOMPARE(b.problem, Utils::Branding::Problem::Cut);
    QCOMPARE(b.applicationName.size(), Utils::kMaxBrandingNameChars);
    QCOMPARE(b.organizationName, QString("Org"));
    QVERIFY(writeFile(path, "Zent" + QByteArray(130, 'x') + "\nOrg\n"));
    QCOMPARE(Utils::readBranding(path).problem, Utils::Branding::Problem::Cut);
    QVERIFY(writeFile(path, QByteArray("Zent\nO\0rg\n", 10)));
    b = Utils::readBranding(path);
    QCOMPARE(b.problem, Utils::Branding::Problem::NotText);
    QCOMPARE(b.applicationName, builtIn.applicationName);
    // A NUL past a name's cap, in the part of a line passed over, at the
    // line cap itself or after the names: still no text.
    for (const QByteArray& binary :
         {QByteArray("Zent") + QByteArray(600, 'x') + QByteArray(1, '\0') + "\nOrg\n",
          QByteArray(Utils::kMaxBrandingLineBytes, 'x') + QByteArray(1, '\0') + "\nOrg\n",
          QByteArray("Zent\nOrg\nzent.example\nmore") + QByteArray(1, '\0')}) {
      QVERIFY(writeFile(path, binary));
      b = Utils::readBranding(path);
      QCOMPARE(b.problem, Utils::Branding::Problem::NotText);
      QCOMPARE(b.applicationName, builtIn.applicationName);
    }
    QVERIFY(writeFile(path, "Zent\nZent Communications\nzent.example\n"));
    QCOMPARE(Utils::readBranding(path).problem, Utils::Branding::Problem::None);
  }

  void brandingNamesNeverLeaveTheDataFolder_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("organization");
    QTest::newRow("parent as application") << QByteArray("..\nOrg\n") << "VOV Quorvel"
                                           << "Zarozurav Quorvel Inc";
    QTest::newRow("parent as organisation") << QByteArray("App\n..\n") << "App"
                                            << "";
    QTest::newRow("climbing application") << QByteArray("../../../tmp/x\nOrg\n") << ".._.._.._tmp_x"
                                          << "Org";
    QTest::newRow("absolute organisation") << QByteArray("App\n/etc\n") << "App"
                                           << "_etc";
    QTest::newRow("back-slashes") << QByteArray("..\\..\\x\n.\n") << ".._.._x"
                                  << "";
    QTest::newRow("control characters") << QByteArray("A\tpp\nO\x01rg\n") << "App"
                                        << "Org";
    // U+0080..U+009F are control characters too (found by fuzzing).
    QTest::newRow("C1 control characters") << QByteArray("A\xc2\x80pp\nOrg\xc2\x9f\n") << "App"
                                           << "Org";
    QTest::newRow("dots inside a name kept") << QByteArray("Zent..Pro\nZ. Org\n") << "Zent..Pro"
                                             << "Z. Org";
  }
  void brandingNamesNeverLeaveTheDataFolder() {
    QFETCH(QByteArray, file);
    QFETCH(QString, application);
    QFETCH(QString, organization);
    QTemporaryDir dir;
    const QString path = dir.filePath("application_name.txt");
    QVERIFY(writeFile(path, file));
    const Utils::Branding b = Utils::readBranding(path);
    QCOMPARE(b.applicationName, application);
    QCOMPARE(b.organizationName, organization);

    // The data folder built from those names stays inside the user's data
    // directory, one or two levels below it.
    const QString oldApp = QCoreApplication::applicationName();
    const QString oldOrg = QCoreApplication::organizationName();
    QCoreApplication::setApplicationName(b.applicationName);
    QCoreApplication::setOrganizationName(b.organizationName);
    const QString data = RAZ::Utils::Path::writableDataPath();
    QCoreApplication::setApplicationName(oldApp);
    QCoreApplication::setOrganizationName(oldOrg);
    const QString base =
        QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QVERIFY2(data.startsWith(base + "/"), qPrintable(data));
    const QString rest = data.mid(base.size() + 1);
    QCOMPARE(rest, organization.isEmpty() ? application : organization + "/" + application);
  }

  void settingsSeeding() {
    QTemporaryDir dir;
    const QString install = dir.filePath("install/application_setting.ini");
    const QString data = dir.filePath("data");
    const QString user = data + "/application_setting.ini";

    // No installation file: nothing created.
    QCOMPARE(Utils::seedUserSettings(install, user, data), Utils::SeedResult::NoInstallationFile);
    QVERIFY(!QFile::exists(user));

    QVERIFY(
        writeFile(install, "[defaults]\ntheme=default\n[settings]\nsimplifiedSslHandling=true\n"));
    QFile::setPermissions(install, QFile::ReadOwner | QFile::ReadGroup);
    QCOMPARE(Utils::seedUserSettings(install, user, data), Utils::SeedResult::Copied);
    QVERIFY(QFile::exists(user));
    QVERIFY(QFileInfo(user).isWritable());

    // The user's own values survive every later start.
    {
      QSettings s(user, QSettings::IniFormat);
      s.setValue(Utils::SettingsKey::LanguageActive, "en");
      s.setValue(Utils::SettingsKey::SimplifiedSslHandling, false);
    }
    const QByteArray before = readFile(user);
    QCOMPARE(Utils::seedUserSettings(install, user, data), Utils::SeedResult::Unchanged);
    QCOMPARE(readFile(user), before);

    // A user file without the key gets true only when the installation says so.
    {
      QSettings s(user, QSettings::IniFormat);
      s.remove(Utils::SettingsKey::SimplifiedSslHandling);
    }
    QCOMPARE(Utils::seedUserSettings(install, user, data), Utils::SeedResult::Merged);
    QSettings s(user, QSettings::IniFormat);
    QCOMPARE(s.value(Utils::SettingsKey::SimplifiedSslHandling).toBool(), true);
    QCOMPARE(s.value(Utils::SettingsKey::LanguageActive).toString(), QString("en"));

    // An installation file that is no settings text never becomes the
    // user's settings (start-up says so).
    const QString fresh = dir.filePath("fresh/application_setting.ini");
    for (const QByteArray& binary : {QByteArray("theme=default\n\0\x7f\x01ELF", 19),
                                     QByteArray("[defaults\ntheme=default\n")}) {
      QVERIFY(writeFile(install, binary));
      QCOMPARE(Utils::seedUserSettings(install, fresh, dir.filePath("fresh")),
               Utils::SeedResult::NotSettings);
      QVERIFY(!QFile::exists(fresh));
    }
  }

  // What a write ended by a kill left beside the files the program writes
  // whole goes at start; the user's own files of like names stay.
  void unfinishedWritesGoAtStart() {
    QTemporaryDir data, desktop, config;
    const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", desktop.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QStringList leftovers{data.filePath("zent.info.Ab12cd"),
                                data.filePath("config1.xml.Zz9zz9"),
                                data.filePath("erin/comms.db.Q1w2e3"),
                                data.filePath("credentials.dat.new"),
                                Os::urlSchemeEntryPath("callto") + ".X7y8Z9",
                                Os::mimeAppsListPath() + ".M1m2m3"};
    const QStringList kept{data.filePath("erin/comms.db"), data.filePath("erin/comms.db.backup"),
                           data.filePath("config1.xml"), data.filePath("notes.txt.Ab12cd"),
                           Os::urlSchemeEntryPath("callto")};
    for (const QString& file : leftovers + kept) QVERIFY2(writeFile(file, "x"), qPrintable(file));
    QVERIFY(Os::mimeAppsListPath().startsWith(config.path()));
    const int removed = Application::removeUnfinishedWrites(data.path());
    qputenv("XDG_DATA_HOME", oldXdg);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    QCOMPARE(removed, leftovers.size());
    for (const QString& file : leftovers) QVERIFY2(!QFile::exists(file), qPrintable(file));
    for (const QString& file : kept) QVERIFY2(QFile::exists(file), qPrintable(file));
  }

  // Start-up stores the same values at every run: an unchanged value must
  // leave the file as it is, a new or changed one must reach it.
  void settingsStoredOnlyWhenChanged_data() {
    QTest::addColumn<QVariant>("before");  // invalid: the key is absent
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("written");
    QTest::newRow("absent") << QVariant() << QVariant(QString("Zent/1 (Linux)")) << true;
    QTest::newRow("same") << QVariant(QString("Zent/1 (Linux)"))
                          << QVariant(QString("Zent/1 (Linux)")) << false;
    QTest::newRow("changed") << QVariant(QString("Zent/1 (Linux)"))
                             << QVariant(QString("Zent/2 (Linux)")) << true;
    QTest::newRow("empty to text") << QVariant(QString()) << QVariant(QString("x")) << true;
    QTest::newRow("text to empty") << QVariant(QString("x")) << QVariant(QString()) << true;
  }
  void settingsStoredOnlyWhenChanged() {
    QFETCH(QVariant, before);
    QFETCH(QVariant, stored);
    QFETCH(bool, written);
    QTemporaryDir dir;
    RAZ::Settings::setPath(RAZ::Settings::Application, dir.path());
    const QString key = Utils::SettingsKey::UserAgent;
    const QString file = dir.filePath("application_setting.ini");
    {
      RAZ::Settings app(RAZ::Settings::Application);
      app.setValue(Utils::SettingsKey::OsVersion, "Linux");
      if (before.isValid()) app.setValue(key, before);
    }
    // A mark that any rewrite of the file takes away.
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-3);
    {
      QFile f(file);
      QVERIFY(f.open(QIODevice::ReadWrite));
      QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    const QByteArray content = readFile(file);
    {
      RAZ::Settings app(RAZ::Settings::Application);
      QCOMPARE(Utils::storeIfChanged(app, key, stored), written);
      app.sync();
      QCOMPARE(app.status(), QSettings::NoError);
    }
    QCOMPARE(QFileInfo(file).lastModified().toUTC() != old, written);
    QCOMPARE(readFile(file) != content, written);
    RAZ::Settings app(RAZ::Settings::Application);
    QCOMPARE(app.value(key).toString(), stored.toString());
    QCOMPARE(app.value(Utils::SettingsKey::OsVersion).toString(), QString("Linux"));
  }

  void installSettingsFolderOneLevelUp() {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("bin");
    QDir(dir.path()).mkpath("settings");
    AppPaths::setExecutableDirOverride(dir.filePath("bin"));
    QVERIFY(AppPaths::installSettingsDir().endsWith("/bin/../settings/"));
    // Seeding still looks for the file beside the executable.
    QCOMPARE(AppPaths::installSettingsFile(),
             dir.filePath("bin") + "/settings/application_setting.ini");
    AppPaths::setExecutableDirOverride(dir.filePath("nowhere/bin"));
    QVERIFY(AppPaths::installSettingsDir().isEmpty());
  }

  void accountFolderStaysInDataFolder_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "..";
    QTest::newRow("current") << ".";
    QTest::newRow("slash") << "../../etc";
    QTest::newRow("absolute") << "/tmp/x";
    QTest::newRow("backslash") << "..\\..\\x";
    QTest::newRow("empty") << "";
  }
  void accountFolderStaysInDataFolder() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString data = dir.filePath("data");
    const QString path = AppPaths::accountFolderPath(data, name);
    const QString clean = QDir::cleanPath(path);
    QVERIFY2(clean.startsWith(data + "/") && clean != data, qPrintable(path));
    QCOMPARE(QFileInfo(clean).absolutePath(), data);
  }
  void accountFolderPlainNameKept() {
    QCOMPARE(AppPaths::accountFolderPath("/d", "alice@zent.example"),
             QString("/d/alice@zent.example"));
  }

  void themeLookUp() {
    QTemporaryDir dir;
    const QString exe = dir.filePath("app/bin");
    QVERIFY(writeFile(exe + "/themes/blue/resources.rcc", "x"));
    QVERIFY(writeFile(dir.filePath("app/themes/blue/resources.rcc"), "y"));
    QVERIFY(writeFile(dir.filePath("app/themes/green/resources.rcc"), "z"));
    AppPaths::setExecutableDirOverride(exe);
    // "themes" beside the program wins over "../themes".
    QCOMPARE(Utils::Themes::themePath("blue"),
             QFileInfo(exe + "/themes/blue/resources.rcc").canonicalFilePath());
    QCOMPARE(Utils::Themes::themePath("green"),
             QFileInfo(dir.filePath("app/themes/green/resources.rcc")).canonicalFilePath());
    QVERIFY(Utils::Themes::themePath("missing").isEmpty());
    QVERIFY(Utils::Themes::themePath("").isEmpty());
    QVERIFY(Utils::Themes::themePath("../bin/themes/blue").isEmpty());
    QCOMPARE(Utils::Themes::themeNameFromPath("/x/themes/blue/resources.rcc"), QString("blue"));
    QCOMPARE(Utils::Themes::themeNameFromPath("C:/x/themes/red/description.xml"), QString("red"));
    QCOMPARE(Utils::Themes::themeNameFromPath("blue"), QString("blue"));
    QCOMPARE(Utils::Themes::themeNameFromPath("/x/themes/a/b/resources.rcc"),
             QString("/x/themes/a/b/resources.rcc"));
  }

  void themeNamesFromSettings() {
    QTemporaryDir dir;
    RAZ::Settings::setPath(RAZ::Settings::Application, dir.filePath("user"));
    RAZ::Settings::setPath(RAZ::Settings::Installation, dir.filePath("install"));
    QCOMPARE(Utils::Themes::defaultTheme(), QString("default"));
    QCOMPARE(Utils::Themes::activeTheme(), QString("default"));
    QVERIFY(
        writeFile(dir.filePath("install/application_setting.ini"), "[defaults]\ntheme=night\n"));
    QCOMPARE(Utils::Themes::activeTheme(), QString("night"));
    Utils::Themes::setActiveTheme("missing");
    QCOMPARE(Utils::Themes::activeTheme(), QString("missing"));
  }

  void themeFallsBackToDefault() {
    // The shipped tree: an asked theme that does not exist falls back to the
    // default theme, whose package registers and provides the icon and sounds.
    const QString dist = qEnvironmentVariable("ZENT_DIST_DIR");
    QVERIFY(!dist.isEmpty());
    AppPaths::setExecutableDirOverride(dist);
    QVERIFY(Utils::Themes::themePath("no-such-theme").isEmpty());
    const QString path = Utils::Themes::themePath("default");
    QVERIFY(!path.isEmpty());
    QVERIFY(QResource::registerResource(path));
    QVERIFY(QFile::exists(":/app_icon.ico"));
    QVERIFY(!QIcon(":/app_icon.ico").isNull());
    for (const char* s :
         {"busy", "congestion", "incoming_message", "calling", "call_waiting", "contact_online"})
      QVERIFY2(QFile::exists(QString(":/sounds/%1.wav").arg(s)), s);
    QVERIFY(readFile(":/sounds/busy.wav").startsWith("RIFF"));
    QVERIFY(readFile(":/sounds/ring_signals.xml").contains("default=\"true\""));
    QVERIFY(QResource::unregisterResource(path));
  }

  void languagesAndInstallerLanguage() {
    QTemporaryDir dir;
    Os::Store::setFilePath(dir.filePath("store.ini"));
    QTemporaryDir jsonDir;
    auto writeJson = [&jsonDir](const QByteArray& text) {
      const QString path = jsonDir.filePath("languages.json");
      QFile f(path);
      if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return QString();
      f.write(text);
      return path;
    };
    I18N::clear();
    QVERIFY(!I18N::loadLanguagesFrom(writeJson("not json")));
    QVERIFY(I18N::languages().isEmpty());
    QVERIFY(I18N::getInstallerLanguage().isEmpty());
    QVERIFY(I18N::loadLanguagesFrom(writeJson(
        R"({"es":["1034","Español"],"en":["1033","English"],"fr":["1036","Français"],"EN":["1","x"],"short":["1"]})")));
    QVERIFY(I18N::languages().contains("en"));
    QVERIFY(I18N::languages().contains("es"));
    QVERIFY(!I18N::languages().contains("short"));
    QCOMPARE(I18N::languages().value("es"), QString("Español"));

    I18N::setInstallerLanguage("en");
    QCOMPARE(Os::Store::value(I18N::installerKey(), "Installer Language").toString(),
             QString("1033"));
    QCOMPARE(I18N::getInstallerLanguage(), QString("en"));
    I18N::setInstallerLanguage("de");  // no installer code: nothing written
    QCOMPARE(I18N::getInstallerLanguage(), QString("en"));
    // Nothing lands in files named after the key.
    QVERIFY(QDir(dir.path()).entryList(QDir::Files) == QStringList({"store.ini"}));
    QVERIFY(!QFile::exists(QDir::current().filePath("HKEY_CURRENT_USER")));
    Os::Store::setFilePath(QString());
  }

  void clientPathEnvironment() {
    QTemporaryDir dir;
    Os::Store::setFilePath(dir.filePath("store.ini"));
    const QString name = "VODI8_CLIENT_PATH";
    using Os::EnvironmentScope;
    using Os::EnvironmentUpdate;
    // Both empty: the user value is written, and the process sees it.
    QCOMPARE(Os::keepEnvironmentPath(name, "/opt/zent/zent"), EnvironmentUpdate::WroteUser);
    QCOMPARE(qEnvironmentVariable("VODI8_CLIENT_PATH"), QString("/opt/zent/zent"));
    QCOMPARE(Os::keepEnvironmentPath(name, "/opt/zent/zent"), EnvironmentUpdate::Unchanged);
    // Machine value equal, user unset: nothing written.
    Os::Store::removeKey("HKEY_CURRENT_USER\\Environment");
    Os::setEnvironmentValue(EnvironmentScope::Machine, name, "/opt/zent/zent");
    QCOMPARE(Os::keepEnvironmentPath(name, "/opt/zent/zent"), EnvironmentUpdate::Unchanged);
    QVERIFY(Os::environmentValue(EnvironmentScope::User, name).isEmpty());
    // Machine value elsewhere, user unset: the machine value is rewritten.
    QCOMPARE(Os::keepEnvironmentPath(name, "/new/zent"), EnvironmentUpdate::WroteMachine);
    QCOMPARE(Os::environmentValue(EnvironmentScope::Machine, name), QString("/new/zent"));
    // User value elsewhere: the user value is rewritten, the machine one kept.
    Os::setEnvironmentValue(EnvironmentScope::User, name, "/old/zent");
    QCOMPARE(Os::keepEnvironmentPath(name, "/other/zent"), EnvironmentUpdate::WroteUser);
    QCOMPARE(Os::environmentValue(EnvironmentScope::User, name), QString("/other/zent"));
    QCOMPARE(Os::environmentValue(EnvironmentScope::Machine, name), QString("/new/zent"));
    Os::Store::setFilePath(QString());
  }

  // Where the desktop has no update-desktop-database, registering makes the
  // entry the scheme's default in mimeapps.list, and removing it takes only
  // that line away; a default another program set is left alone.
  void urlSchemeDefaultInMimeAppsList() {
    QTemporaryDir data, config, bin;
    const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("PATH", bin.path().toLocal8Bit());  // no tools at all
    const QString list = config.path() + "/mimeapps.list";
    QCOMPARE(Os::mimeAppsListPath(), list);
    QVERIFY(writeFile(list,
                      "[Added Associations]\ntext/plain=editor.desktop;\n\n"
                      "[Default Applications]\nx-scheme-handler/tel=phone.desktop\n"));
    QVERIFY(Os::registerUrlScheme("zent", "ZENT", "/opt/zent/zent"));
    QCOMPARE(Os::defaultSchemeHandler("zent"), QString("zent-url-handler.desktop"));
    QCOMPARE(Os::defaultSchemeHandler("tel"), QString("phone.desktop"));
    QVERIFY(readFile(list).contains("text/plain=editor.desktop;"));
    // The entry runs the program with the link alone, no shell between.
    const QString entry = QString::fromUtf8(readFile(Os::urlSchemeEntryPath("zent")));
    QVERIFY2(entry.contains("\nExec=/opt/zent/zent %u\n"), qPrintable(entry));
    QVERIFY(!entry.contains("/bin/sh"));
    // A default lost since (another program took it) is made ours again at
    // the next start, though the entry itself is unchanged.
    QVERIFY(writeFile(
        list, QByteArray(readFile(list)).replace("zent-url-handler.desktop", "other.desktop")));
    QVERIFY(Os::registerUrlScheme("zent", "ZENT", "/opt/zent/zent"));
    QCOMPARE(Os::defaultSchemeHandler("zent"), QString("zent-url-handler.desktop"));
    QVERIFY(Os::unregisterUrlScheme("zent"));
    QCOMPARE(Os::defaultSchemeHandler("zent"), QString());
    QVERIFY(Os::registerUrlScheme("tel", "Tel", "/opt/zent/zent"));
    QCOMPARE(Os::defaultSchemeHandler("tel"), QString("tel-url-handler.desktop"));
    QVERIFY(Os::unregisterUrlScheme("tel"));
    QCOMPARE(Os::defaultSchemeHandler("tel"), QString());
    QVERIFY(readFile(list).contains("text/plain=editor.desktop;"));
    qputenv("PATH", oldPath);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    qputenv("XDG_DATA_HOME", oldXdg);
  }

  void urlSchemeDesktopEntry() {
    QTemporaryDir dir;
    const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    const QString exe = "/opt/my \"zent\" $HOME/zent";
    QVERIFY(Os::registerUrlScheme("zent", "ZENT", exe));
    const QString path = dir.path() + "/applications/zent-url-handler.desktop";
    QCOMPARE(Os::urlSchemeEntryPath("zent"), path);
    const QString text = QString::fromUtf8(readFile(path));
    QVERIFY(text.contains("MimeType=x-scheme-handler/zent;\n"));
    QVERIFY(text.contains("Name=URL:ZENT Protocol\n"));
    // A program path that needs quoting is named through a link kept at a
    // bare path, which every launcher reads alike (xdg-utils' generic one
    // splits at blanks and takes no quotes); the link leads to the program.
    const QString launcher = dir.path() + "/zent/bin/zent";
    QCOMPARE(Os::urlSchemeLauncherPath(exe), launcher);
    QVERIFY2(text.contains("\nExec=" + launcher + " %u\n"), qPrintable(text));
    QCOMPARE(QFileInfo(launcher).symLinkTarget(), exe);
    QVERIFY(Os::urlSchemeLauncherReady(exe));
    QVERIFY(!Os::urlSchemeLauncherReady("/opt/other place/zent"));
    QCOMPARE(Os::urlSchemeLauncherPath("/opt/zent/zent"), QString("/opt/zent/zent"));
    // Registering the same again (every start does) leaves the entry alone.
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-3);
    {
      QFile f(path);
      QVERIFY(f.open(QIODevice::ReadWrite));
      QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    QVERIFY(Os::registerUrlScheme("zent", "ZENT", exe));
    QCOMPARE(QFileInfo(path).lastModified().toUTC(), old);
    QCOMPARE(QString::fromUtf8(readFile(path)), text);
    // Registering again repairs the entry for a moved program.
    QVERIFY(Os::registerUrlScheme("zent", "ZENT", "/moved/zent"));
    QVERIFY(QString::fromUtf8(readFile(path)).contains("\nExec=/moved/zent %u\n"));
    QVERIFY(QFileInfo(path).lastModified().toUTC() != old);
    // An entry someone changed by hand is written over.
    QVERIFY(writeFile(path, readFile(path).replace("NoDisplay=true", "NoDisplay=false")));
    QVERIFY(Os::registerUrlScheme("zent", "ZENT", "/moved/zent"));
    QCOMPARE(readFile(path), Os::urlSchemeEntry("zent", "ZENT", "/moved/zent").toUtf8());
    QVERIFY(Os::unregisterUrlScheme("zent"));
    QVERIFY(!QFile::exists(path));
    QVERIFY(Os::unregisterUrlScheme("zent"));
    QCOMPARE(Os::windowsOpenCommand("C:/Program Files/Zent/zent.exe"),
             QString("\"C:\\Program Files\\Zent\\zent.exe\" --%l"));
    if (oldXdg.isNull())
      qunsetenv("XDG_DATA_HOME");
    else
      qputenv("XDG_DATA_HOME", oldXdg);
  }

  void urlSchemeEntryDeliversPrefixedLink() {
    // Run the entry's command the way a desktop would: the program must
    // receive the link as its one argument, whatever the link holds.
    QTemporaryDir dir;
    const QString fake = dir.filePath("fake zent");
    QVERIFY(
        writeFile(fake, "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > \"$(dirname \"$0\")/args\"\n"));
    QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString entry = Os::urlSchemeEntry("zent", "ZENT", fake);
    QString exec = entry.section("Exec=", 1).section('\n', 0, 0);
    exec.replace("\\\\", "\\");  // the entry format's own escaping
    QStringList args = splitExec(exec.replace(" %u", ""));
    QCOMPARE(args.size(), 1);  // the program alone: no shell in between
    const QString program = args.takeFirst();
    QCOMPARE(program, fake);
    args << "zent:call=\"a b\";x=$(id)";
    QProcess p;
    p.start(program, args);
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(QString::fromUtf8(readFile(dir.filePath("args"))),
             QString("1|zent:call=\"a b\";x=$(id)|"));
  }

  // Both entries we write keep an odd program path on its one Exec line,
  // and a launcher reading that line gets the path back whole.
  void desktopEntriesKeepAnOddPathWhole() {
    const QString path = "/opt/a \"b\" $c `d` \\e\nf/zent";
    const QString entries[] = {Os::Autostart::entryText("Zent", path),
                               Os::urlSchemeEntry("zent", "ZENT", path)};
    // A path with no reserved character is written bare, a percent sign
    // doubled in both forms.
    QCOMPARE(Os::DesktopEntry::execArgument("/opt/zent-1.0/zent"), QString("/opt/zent-1.0/zent"));
    QCOMPARE(Os::DesktopEntry::execArgument("/opt/100%/zent"), QString("/opt/100%%/zent"));
    QCOMPARE(Os::DesktopEntry::execArgument("/opt/a b/50%"), QString("\"/opt/a b/50%%\""));
    for (const QString& entry : entries) {
      const QStringList execs = entry.split('\n').filter(QRegularExpression("^Exec="));
      QCOMPARE(execs.size(), 1);
      QString exec = entryValue(execs.first().mid(5));
      exec.remove(QRegularExpression(" %u$"));
      QCOMPARE(splitExec(exec), QStringList{path});
      QVERIFY(!entry.contains(
          QRegularExpression("^[^\\[][^=]*$", QRegularExpression::MultilineOption)));
    }
  }

  void webViewsAllowPlugins() {
    // Start-up leaves the web engine alone; the first web view prepares it.
    Utils::prepareWebViews();
    QVERIFY(QWebSettings::globalSettings()->testAttribute(QWebSettings::PluginsEnabled));
    Utils::prepareWebViews();
    QVERIFY(QWebSettings::globalSettings()->testAttribute(QWebSettings::PluginsEnabled));
  }

  void programLeavesTheWebEngineOut() {
    // The web engine costs a start a dozen milliseconds and megabytes: the
    // program links none of it, the first web view loads it from beside
    // the program.
    const QString dist = qEnvironmentVariable("ZENT_DIST_DIR");
    QVERIFY(!dist.isEmpty());
    QProcess objdump;
    objdump.start("objdump", {"-p", dist + "/zent"});
    QVERIFY(objdump.waitForFinished(ZentTest::kWaitMs));
    const QString headers = QString::fromLocal8Bit(objdump.readAllStandardOutput());
    QVERIFY2(headers.contains(QRegularExpression("NEEDED\\s+libQt5Core")), qPrintable(headers));
    QVERIFY2(!headers.contains("WebKit", Qt::CaseInsensitive), qPrintable(headers));
    // Nor Qt Multimedia: the first sound loads it (tst_svc_soundstartup).
    QVERIFY2(!headers.contains("Multimedia", Qt::CaseInsensitive), qPrintable(headers));
    // Nor OpenLDAP's client with its SASL and TLS libraries: the first
    // directory search loads it.
    QVERIFY2(!headers.contains(QRegularExpression("NEEDED\\s+lib(ldap|lber)")),
             qPrintable(headers));
    QLibrary engine(dist + "/libzent_webengine.so");
    QVERIFY2(engine.resolve(ZENT_WEB_ENGINE_ENTRY), qPrintable(engine.errorString()));
    QLibrary multimedia(dist + "/libzent_multimedia.so");
    QVERIFY2(multimedia.resolve(ZENT_MULTIMEDIA_ENTRY), qPrintable(multimedia.errorString()));
    QLibrary ldap(dist + "/libzent_ldap.so");
    QVERIFY2(ldap.resolve(ZENT_LDAP_ENTRY), qPrintable(ldap.errorString()));
  }

  void qtMessagesRouteToLogger() {
    TP::Core::Logging::MemorySink sink;
    TP::Core::Logging::addLogger(&sink);
    const QMessageLogContext ctx("somefile.cpp", 42, "fn", "cat");
    Application::qtMessageHandler(QtDebugMsg, ctx, "d");
    Application::qtMessageHandler(QtWarningMsg, ctx, "w");
    Application::qtMessageHandler(QtCriticalMsg, ctx, "c");
    Application::qtMessageHandler(QtInfoMsg, ctx, "i");
    const QList<TP::Core::Logging::Record> records = sink.find("QtLogger");
    QCOMPARE(records.size(), 3);
    QCOMPARE(records.at(0).tag, QString("qDebug"));
    QCOMPARE(int(records.at(0).level), int(TP::Core::Logging::LevelInformation));
    QCOMPARE(records.at(1).tag, QString("qWarning"));
    QCOMPARE(int(records.at(1).level), int(TP::Core::Logging::LevelWarning));
    QCOMPARE(records.at(1).message, QString("w"));
    QCOMPARE(records.at(2).tag, QString("qCritical"));
    QCOMPARE(int(records.at(2).level), int(TP::Core::Logging::LevelError));
    for (const auto& r : records) {
      QVERIFY(r.file.isEmpty());
      QCOMPARE(r.line, 0);
    }
    sink.clear();
    Application::fatalOnlyMessageHandler(QtWarningMsg, ctx, "dropped");
    QCOMPARE(sink.size(), 0);
    TP::Core::Logging::removeLogger(&sink);
  }

  void secondInstanceMessages() {
    QCOMPARE(Application::secondInstanceMessage(QStringList{"/opt/zent"}), QString("activate!"));
    QCOMPARE(Application::secondInstanceMessage(QStringList{"/opt/zent", "a", "b c"}),
             QString("a b c"));
    QCOMPARE(Application::zentLinksInMessage("--zent:a=\"1\" --callto:123"),
             QStringList({"a=\"1\""}));
    QCOMPARE(Application::zentLinksInMessage("--ZENT:x --zent:y"), QStringList({"x", "y"}));
    // Only an argument that is a link is one: nothing inside another
    // argument is read as a link of its own.
    QVERIFY(Application::zentLinksInMessage("---zent:z").isEmpty());
    QCOMPARE(Application::zentLinksInMessage(Application::secondInstanceMessage(
                 QStringList{"/opt/zent", "zent:eA==--callto:+4930100199"})),
             QStringList({"eA==--callto:+4930100199"}));
    QVERIFY(Application::callLinksInMessage("--zent:eA==--callto:+4930100199").isEmpty());
    QVERIFY(Application::callLinksInMessage("zent:eA==--callto:+4930100199").isEmpty());
    QVERIFY(Application::callLinksInMessage("--zent:x--tel:+4930100199 a--callto:1").isEmpty());
    QCOMPARE(Application::callLinksInMessage("a --callto:+4930100199"),
             QStringList({"+4930100199"}));
    // A link's own blanks stay inside it on the way.
    const QString spaced =
        Application::secondInstanceMessage(QStringList{"/opt/zent", "--callto:+49 30 100", "x"});
    QCOMPARE(spaced, QString("--callto:+49%2030%20100 x"));
    QCOMPARE(Application::callLinksInMessage(spaced), QStringList({"+4930100"}));
    QVERIFY(Application::zentLinksInMessage("zent:nothing").isEmpty());
    // Links as the desktop hands them over, bare, travel in the "--" form.
    QCOMPARE(Application::secondInstanceMessage(QStringList{"/opt/zent", "zent:abc="}),
             QString("--zent:abc="));
    QCOMPARE(Application::secondInstanceMessage(QStringList{"/opt/zent", "TEL:+1555"}),
             QString("--tel:+1555"));
    QCOMPARE(Application::linkArgument("--callto:1"), QString("--callto:1"));
    QCOMPARE(Application::linkArgument("/opt/zent"), QString("/opt/zent"));
    QCOMPARE(Application::linkArgument("telephone"), QString("telephone"));
    QCOMPARE(Application::callLinksInMessage("--zent:a --callto:+123 --TEL:999"),
             QStringList({"+123", "999"}));
    // The dialable number of a link, or nothing.
    QCOMPARE(Application::callLinkNumber("callto:+1-555-0100"), QString("+15550100"));
    QCOMPARE(Application::callLinkNumber("callto://+49 30 100101"), QString("+4930100101"));
    QCOMPARE(Application::callLinkNumber("tel:+1-201-555-0123;ext=12"), QString("+12015550123"));
    QCOMPARE(Application::callLinkNumber("tel:%2B49%2030%20100"), QString("+4930100"));
    QCOMPARE(Application::callLinkNumber("tel:*86#"), QString("*86#"));
    QCOMPARE(Application::callLinkNumber("callto:alice"), QString());
    QCOMPARE(Application::callLinkNumber("tel:"), QString());
    QCOMPARE(Application::callLinkNumber("tel:1;2"), QString());
    QCOMPARE(Application::preferencesPage(7), 0);
    QCOMPARE(Application::preferencesPage(-1), 0);
    QCOMPARE(Application::preferencesPage(5), 5);
    QCOMPARE(Application::preferencesPage(0), 0);
  }

  void directoryCopy() {
    QTemporaryDir dir;
    const QString root = dir.filePath("root");
    QVERIFY(writeFile(root + "/old/credentials.dat", "c"));
    QVERIFY(writeFile(root + "/old/notes.txt", "n"));
    QVERIFY(writeFile(root + "/old/logs.txt.old/a", "a"));
    QVERIFY(writeFile(root + "/old/sub/keep.ini", "k"));
    QVERIFY(writeFile(root + "/skipme/credentials.dat", "c"));
    QVERIFY(writeFile(root + "/deep/inner/credentials.dat", "c"));
    QCOMPARE(Utils::File::findDir(root, "credentials.dat", {"skipme"}),
             QFileInfo(root + "/old").absoluteFilePath());
    QVERIFY(Utils::File::findDir(root, "credentials.dat", {"skipme", "old"}).isEmpty());
    QVERIFY(Utils::File::findDir(dir.filePath("missing"), "credentials.dat", {}).isEmpty());

    const QString target = dir.filePath("new");
    QVERIFY(writeFile(target + "/credentials.dat", "mine"));
    QVERIFY(QFile::link(root, root + "/old/loop"));
    QVERIFY(Utils::File::cpDir(root + "/old", target, {".txt"}));
    QCOMPARE(readFile(target + "/credentials.dat"), QByteArray("mine"));
    QVERIFY(QFile::exists(target + "/sub/keep.ini"));
    QVERIFY(!QFile::exists(target + "/notes.txt"));
    QVERIFY(!QFile::exists(target + "/logs.txt.old"));
    QVERIFY(!QFileInfo::exists(target + "/loop"));
    QVERIFY(Utils::File::cpDir(dir.filePath("nothing"), dir.filePath("made"), {}));
    QVERIFY(QFileInfo(dir.filePath("made")).isDir());
  }
};

ZENT_TEST_MAIN(TestAppStartup, QApplication)
#include "tst_app_startup.moc"

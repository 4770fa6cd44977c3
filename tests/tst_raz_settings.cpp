#include "TestSupport.h"

#include <RAZ/Settings.h>
#include <RAZ/Utils/Path.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

class TestRazSettings : public QObject {
  Q_OBJECT

 private slots:
  void init() { RAZ::Settings::clearPaths(); }
  void cleanup() { RAZ::Settings::clearPaths(); }

  void scopesMapToTheirFiles() {
    QTemporaryDir data, install, account;
    QVERIFY(data.isValid() && install.isValid() && account.isValid());
    RAZ::Settings::setPath(RAZ::Settings::Application, data.path());
    RAZ::Settings::setPath(RAZ::Settings::Proxy, data.path());
    RAZ::Settings::setPath(RAZ::Settings::User, account.path());
    RAZ::Settings::setPath(RAZ::Settings::Installation, install.path() + "/");

    QCOMPARE(RAZ::Settings::filePath(RAZ::Settings::Application),
             data.path() + "/application_setting.ini");
    QCOMPARE(RAZ::Settings::filePath(RAZ::Settings::Installation),
             install.path() + "/application_setting.ini");
    QCOMPARE(RAZ::Settings::filePath(RAZ::Settings::Proxy), data.path() + "/proxy_setting.ini");
    QCOMPARE(RAZ::Settings::filePath(RAZ::Settings::User), account.path() + "/user_setting.ini");
    RAZ::Settings::setPath(RAZ::Settings::Theme, ":/");
    QCOMPARE(RAZ::Settings::filePath(RAZ::Settings::Theme), QString(":/theme_setting.ini"));

    {
      RAZ::Settings app(RAZ::Settings::Application);
      QVERIFY(app.isWritable());
      app.setValue("login/username", "alice@example.org");
      RAZ::Settings proxy(4);
      proxy.setValue("proxy_settings/host", "proxy.local");
      RAZ::Settings user(0);
      user.setValue("contactlist/sort", "first name");
    }
    // Each scope keeps its own keys although scopes 1 and 4 share a folder.
    RAZ::Settings app(1);
    QCOMPARE(app.value("login/username").toString(), QString("alice@example.org"));
    QVERIFY(!app.contains("proxy_settings/host"));
    QCOMPARE(RAZ::Settings(4).value("proxy_settings/host").toString(), QString("proxy.local"));
    QCOMPARE(RAZ::Settings(0).value("contactlist/sort").toString(), QString("first name"));
    QCOMPARE(app.format(), QSettings::IniFormat);

    // Written as INI files, readable by any INI reader.
    QSettings raw(data.path() + "/application_setting.ini", QSettings::IniFormat);
    QCOMPARE(raw.value("login/username").toString(), QString("alice@example.org"));

    app.remove("login/username");
    QVERIFY(!app.contains("login/username"));
    QCOMPARE(app.value("login/username", "none").toString(), QString("none"));
  }

  void readOnlyScopesRefuseWrites() {
    QTemporaryDir install, theme;
    QVERIFY(install.isValid() && theme.isValid());
    const QString installFile = install.path() + "/application_setting.ini";
    {
      QSettings seed(installFile, QSettings::IniFormat);
      seed.setValue("defaults/theme", "default");
    }
    const QByteArray before = [&] {
      QFile f(installFile);
      f.open(QIODevice::ReadOnly);
      return f.readAll();
    }();
    RAZ::Settings::setPath(RAZ::Settings::Installation, install.path());
    RAZ::Settings::setPath(RAZ::Settings::Theme, theme.path());
    {
      QSettings seed(theme.path() + "/theme_setting.ini", QSettings::IniFormat);
      seed.setValue("window/logo_x", 7);
    }
    {
      RAZ::Settings defaults(2);
      QVERIFY(!defaults.isWritable());
      QCOMPARE(defaults.value("defaults/theme").toString(), QString("default"));
      defaults.setValue("defaults/theme", "other");
      defaults.setValue("defaults/new", 1);
      defaults.remove("defaults/theme");
      QCOMPARE(defaults.value("defaults/theme").toString(), QString("default"));
      QVERIFY(!defaults.contains("defaults/new"));

      RAZ::Settings themeValues(RAZ::Settings::Theme);
      QVERIFY(!themeValues.isWritable());
      QCOMPARE(themeValues.value("window/logo_x", 5).toInt(), 7);
      themeValues.setValue("window/logo_x", 99);
      QCOMPARE(themeValues.value("window/logo_x", 5).toInt(), 7);
    }
    QFile f(installFile);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QCOMPARE(RAZ::Settings(3).value("window/logo_x", 5).toInt(), 7);
  }

  void themeScopeReadsTheResourceTree() {
    // No theme package registered: every read gives its default, nothing fails.
    RAZ::Settings::setPath(RAZ::Settings::Theme, ":/");
    RAZ::Settings theme(3);
    QCOMPARE(theme.value("window/logo_y", 5).toInt(), 5);
    QVERIFY(!theme.contains("qml/combo/css"));
    theme.setValue("qml/combo/css", "x");
    QVERIFY(!theme.contains("qml/combo/css"));
  }

  void unsetAndInvalidScopesNeverWriteIntoTheCurrentFolder() {
    QTemporaryDir cwd;
    QVERIFY(cwd.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(cwd.path()));
    {
      RAZ::Settings unset(RAZ::Settings::Application);
      QVERIFY(!unset.isWritable());
      unset.setValue("login/username", "bob");
      QVERIFY(!unset.contains("login/username"));
      QCOMPARE(unset.value("login/username", "d").toString(), QString("d"));

      RAZ::Settings invalid(7);
      invalid.setValue("a/b", 1);
      QVERIFY(!invalid.contains("a/b"));
      RAZ::Settings negative(-1);
      QVERIFY(!negative.isWritable());
    }
    QDir::setCurrent(previous);
    QCOMPARE(QDir(cwd.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
  }

  void pathChangesApplyToLaterAccesses() {
    QTemporaryDir first, second;
    RAZ::Settings::setPath(RAZ::Settings::User, first.path());
    RAZ::Settings(0).setValue("k", "first");
    RAZ::Settings::setPath(RAZ::Settings::User, second.path());
    QVERIFY(!RAZ::Settings(0).contains("k"));
    RAZ::Settings(0).setValue("k", "second");
    RAZ::Settings::setPath(RAZ::Settings::User, first.path());
    QCOMPARE(RAZ::Settings(0).value("k").toString(), QString("first"));
    RAZ::Settings::setPath(RAZ::Settings::User, QString());
    QVERIFY(RAZ::Settings::filePath(RAZ::Settings::User).isEmpty());
    QVERIFY(!RAZ::Settings(0).isWritable());
  }

  void dataPathFollowsTestModeAndIsNotCreated() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("ZentTestOrg");
    QCoreApplication::setApplicationName("ZentRazSettingsTest");
    const QString expected =
        QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QDir(expected).removeRecursively();
    const QString path = RAZ::Utils::Path::writableDataPath();
    QCOMPARE(path, expected);
    QVERIFY(path.contains("ZentTestOrg/ZentRazSettingsTest"));
    QVERIFY(path.contains(".qttest"));
    // A first run is told by the folder's absence: asking does not create it.
    QVERIFY(!QDir(path).exists());
  }

  void accountFolderNamesStayInsideTheDataFolder() {
    using RAZ::Utils::Path;
    QCOMPARE(Path::accountFolderName("alice@example.org"), QString("alice@example.org"));
    for (const QString& hostile :
         {QString(".."), QString("."), QString("../../etc"), QString("a/b"), QString("a\\b"),
          QString("/abs"), QString(""), QString("  ")}) {
      const QString name = Path::accountFolderName(hostile);
      QVERIFY2(!name.isEmpty(), qPrintable(hostile));
      QVERIFY2(!name.contains('/') && !name.contains('\\'), qPrintable(name));
      QVERIFY2(name != "." && name != "..", qPrintable(name));
      QTemporaryDir root;
      const QString joined = QDir::cleanPath(root.path() + "/" + name);
      QVERIFY2(joined.startsWith(root.path() + "/"), qPrintable(joined));
    }
    // Distinct accounts keep distinct folders.
    QVERIFY(Path::accountFolderName("a/b") != Path::accountFolderName("a_b"));
  }
};

ZENT_TEST_MAIN(TestRazSettings, QApplication)
#include "tst_raz_settings.moc"

#include "TestSupport.h"

#include <RAZ/Settings.h>
#include <RAZ/Utils/Path.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>

#include <sys/resource.h>

namespace {

QByteArray contentOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Makes every write of this process beyond `bytes` into a file fail, as a
// full disk does (EFBIG instead of ENOSPC, with the same effect on a write),
// until destroyed. The tests run as root, which a read-only folder does not
// stop; a file-size limit does.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit limited = m_old;
    limited.rlim_cur = bytes;
    m_ok = setrlimit(RLIMIT_FSIZE, &limited) == 0;
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
  bool ok() const { return m_ok; }

 private:
  rlimit m_old{};
  bool m_ok = false;
};

}  // namespace

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
    QCOMPARE(app.format(), RAZ::Settings::safeIniFormat());

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
  void iniFilesOfEitherFormatReadTheSame_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("plain text") << "login/username" << QVariant("alice@example.org");
    QTest::newRow("text with specials") << "a/b" << QVariant("x = \"y\"; z,\n\tü €");
    QTest::newRow("top-level key") << "toplevel" << QVariant("1");
    QTest::newRow("group named General") << "General/x" << QVariant("g");
    QTest::newRow("key with blanks") << "some group/some key" << QVariant("v");
    QTest::newRow("number") << "n/int" << QVariant(42);
    QTest::newRow("truth") << "n/bool" << QVariant(true);
    QTest::newRow("list") << "n/list" << QVariant(QStringList{"a", "b,c", ""});
    QTest::newRow("bytes") << "n/bytes" << QVariant(QByteArray("\0\x01\xff=\n", 5));
    QTest::newRow("rectangle") << "window/geometry" << QVariant(QRect(1, 2, 300, 400));
    QTest::newRow("map") << "n/map" << QVariant(QVariantMap{{"k", 1}, {"l", "two"}});
    QTest::newRow("empty text") << "n/empty" << QVariant(QString(""));
  }
  void iniFilesOfEitherFormatReadTheSame() {
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QTemporaryDir data;
    const QString file = data.path() + "/application_setting.ini";
    RAZ::Settings::setPath(RAZ::Settings::Application, data.path());
    // A file of an earlier version, written by Qt's own INI format, reads
    // the same through the store.
    {
      QSettings old(file, QSettings::IniFormat);
      old.setValue(key, value);
      old.setValue("other/key", "kept");
    }
    const QVariant readByQt = QSettings(file, QSettings::IniFormat).value(key);
    {
      RAZ::Settings store(RAZ::Settings::Application);
      QCOMPARE(store.value(key), readByQt);
      QCOMPARE(store.allKeys().size(), 2);
      store.setValue("other/key", "changed");
    }
    // What the store writes, Qt's INI format reads: the value as before.
    QSettings raw(file, QSettings::IniFormat);
    QCOMPARE(raw.status(), QSettings::NoError);
    QCOMPARE(raw.value(key), readByQt);
    QCOMPARE(raw.value("other/key").toString(), QString("changed"));
    QCOMPARE(raw.allKeys().size(), 2);
  }

  void failedWriteLeavesTheOldFileWhole_data() {
    QTest::addColumn<int>("scope");
    QTest::newRow("application") << int(RAZ::Settings::Application);
    QTest::newRow("proxy") << int(RAZ::Settings::Proxy);
    QTest::newRow("account") << int(RAZ::Settings::User);
  }
  void failedWriteLeavesTheOldFileWhole() {
    QFETCH(int, scope);
    const auto type = static_cast<RAZ::Settings::SettingsType>(scope);
    QTemporaryDir data;
    RAZ::Settings::setPath(type, data.path());
    const QString file = RAZ::Settings::filePath(type);
    {
      RAZ::Settings store(type);
      for (int i = 0; i < 20; ++i)
        store.setValue(QString("section/key%1").arg(i), QString("value number %1").arg(i));
      store.sync();
      QCOMPARE(store.status(), QSettings::NoError);
    }
    const QByteArray before = contentOf(file);
    QVERIFY(before.size() > 400);

    {
      RAZ::Settings store(type);
      store.setValue("section/added", QString(2000, QChar('x')));
      {
        // Room for the lock Qt takes beside the file, not for the file.
        FileSizeLimit full(200);
        QVERIFY(full.ok());
        store.sync();
      }
      QCOMPARE(store.status(), QSettings::AccessError);
      QCOMPARE(contentOf(file), before);
      // Nothing is left behind beside the file.
      QCOMPARE(QDir(data.path()).entryList(QDir::Files | QDir::Hidden),
               QStringList{QFileInfo(file).fileName()});
    }
    QCOMPARE(contentOf(file), before);
    // With room again, a later write goes through whole.
    {
      RAZ::Settings store(type);
      store.setValue("section/added", "small");
    }
    QSettings raw(file, QSettings::IniFormat);
    QCOMPARE(raw.value("section/added").toString(), QString("small"));
    QCOMPARE(raw.value("section/key19").toString(), QString("value number 19"));
  }
};

ZENT_TEST_MAIN(TestRazSettings, QApplication)
#include "tst_raz_settings.moc"

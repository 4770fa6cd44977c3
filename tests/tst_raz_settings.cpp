// Settings scopes and their files, read-only scopes, the data folder, the ini
// text reader and writer, and a failed write that leaves the old file whole.
#include "TestSupport.h"

#include <RAZ/IniText.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Path.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>

#include <sys/resource.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

// What Qt's own INI format reads from a file: every key with its value.
QSettings::SettingsMap readByQt(const QString& path, QSettings::Status* status = nullptr) {
  QSettings ini(path, QSettings::IniFormat);
  QSettings::SettingsMap map;
  const QStringList keys = ini.allKeys();
  for (const QString& key : keys) map.insert(key, ini.value(key));
  if (status) *status = ini.status();
  return map;
}

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

  // The store's INI text is Qt's: whatever Qt's INI format reads from a
  // file, the store reads the same from it, odd files included.
  void iniTextReadsWhatQtReads_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("sections") << QByteArray("[General]\na=1\n\n[s]\nb = two words \nc=\n");
    QTest::newRow("comments") << QByteArray(";c\n  ; indented\n[s];x\nk=v ; tail\nq=\"a;b\"\n");
    QTest::newRow("indented line after a comment")
        << QByteArray(";c\n  k=v\n[s]\n; x\r\n\t\n\tm=1\n");
    QTest::newRow("no equals sign") << QByteArray("[s]\njunk\nk=v\n");
    QTest::newRow("quotes and lists") << QByteArray("l=a, \"b,c\" ,  d  \ne=\" x \"\nq=\"\",\n");
    QTest::newRow("escapes") << QByteArray("e=\\a\\t\\\"\\x41\\x263a\\101\\0\\q\\x\nf=a\\\n");
    QTest::newRow("continued line") << QByteArray("k=one \\\n two\nm=\"x\ny\"\r\nn=3\r\n");
    QTest::newRow("escaped keys") << QByteArray("[a%20b]\nc\\d=1\n%U263A=2\n%4=3\n%zz=4\n");
    QTest::newRow("general section names") << QByteArray("[%General]\nx=1\n[GENERAL]\ny=2\n");
    QTest::newRow("typed values") << QByteArray(
        "r=@Rect(1 2 3 4)\ns=@Size(5 6)\np=@Point(7 8)\nb=@ByteArray(\\0\\xff)\n"
        "i=@Invalid()\nat=@@x\nbad=@Rect(1 2)\nl=@@a, @Size(1 2)\nm=@@a, b\n");
    QTest::newRow("latin-1") << QByteArray("k=caf\xe9\n");
    QTest::newRow("utf-8 mark") << QByteArray(
        "\xef\xbb\xbfk=caf\xc3\xa9 \xe2\x82\xac\n[s]\n\xc3\xa9=\xc3\xa9\n");
    QTest::newRow("blank lines and spaces") << QByteArray("\r\n\r\n   k\t =\t v\t\n");
  }
  void iniTextReadsWhatQtReads() {
    QFETCH(QByteArray, text);
    QTemporaryDir data;
    const QString file = data.path() + "/qt.ini";
    writeFile(file, text);
    QSettings::SettingsMap ours;
    QVERIFY(RAZ::IniText::parse(text, ours));
    QCOMPARE(ours, readByQt(file));
  }

  void iniTextRefusesASectionWithoutItsBracket() {
    QSettings::SettingsMap map{{"stale", 1}};
    QVERIFY(!RAZ::IniText::parse("[s\nk=v\n", map));
    QVERIFY(map.isEmpty());
  }

  // Text rendered by the store is what Qt writes for the same values, byte
  // for byte, so files of either kind stay interchangeable.
  void iniTextWritesWhatQtWrites_data() {
    QTest::addColumn<QVariantMap>("values");
    QTest::newRow("nothing") << QVariantMap();
    QTest::newRow("plain") << QVariantMap{
        {"top", "1"}, {"a/x", "alice@example.org"}, {"z/y", 2}, {"a/b/c", true}};
    QTest::newRow("escaped text") << QVariantMap{
        {"s/specials", QString("x = \"y\"; z,\n\tü € \\")},
        {"s/blank ends", " v "},
        {"s/nul", QString::fromLatin1("a\0b", 3)},
        {"s/hex after code", QString::fromLatin1("\x01"
                                                 "a"
                                                 "\xe9"
                                                 "F")},
        {"s/at", "@home"},
        {"s/emoji", QString::fromUtf8("\xf0\x9f\x98\x80")}};
    QTest::newRow("lists") << QVariantMap{{"l/strings", QStringList{"a", "b,c", "", " d"}},
                                          {"l/empty", QStringList()},
                                          {"l/one", QStringList{"only"}},
                                          {"l/variants", QVariantList{1, "two", QSize(3, 4)}},
                                          {"l/one variant", QVariantList{5}}};
    QTest::newRow("typed") << QVariantMap{{"t/rect", QRect(1, -2, 300, 400)},
                                          {"t/size", QSize(5, 6)},
                                          {"t/point", QPoint(-7, 8)},
                                          {"t/bytes", QByteArray("\0\x01\xff=\n", 5)},
                                          {"t/real", 0.1},
                                          {"t/big", Q_INT64_C(123456789012)},
                                          {"t/none", QVariant()},
                                          {"t/map", QVariantMap{{"k", 1}}},
                                          {"t/when", QDateTime(QDate(2026, 1, 2), QTime(3, 4))}};
    QTest::newRow("odd keys") << QVariantMap{{"General/x", 1},
                                             {"some group/some key", "v"},
                                             {QString::fromUtf8("\xc3\xa9t\xc3\xa9/%k"), "v"},
                                             {QString::fromUtf8("\xe2\x98\xba"), "v"}};
  }
  void iniTextWritesWhatQtWrites() {
    QFETCH(QVariantMap, values);
    QTemporaryDir data;
    const QString file = data.path() + "/qt.ini";
    {
      QSettings ini(file, QSettings::IniFormat);
      for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        ini.setValue(it.key(), it.value());
    }
    const QByteArray rendered = RAZ::IniText::render(values);
    QCOMPARE(rendered, contentOf(file));
    // Read back as Qt reads the text from disk (a file of a new name: Qt
    // keeps the values it wrote itself in memory).
    const QString copy = data.path() + "/copy.ini";
    writeFile(copy, rendered);
    QSettings::SettingsMap back;
    QVERIFY(RAZ::IniText::parse(rendered, back));
    QCOMPARE(back, readByQt(copy));
  }

  // Qt's own writer spells every "general" section "%General", which reads
  // back as another key: ours keeps the spelling, in a form Qt reads alike.
  void iniTextKeepsTheCaseOfAGeneralSection() {
    const QVariantMap values{{"general/x", 1}, {"a/y", 2}};
    const QByteArray rendered = RAZ::IniText::render(values);
    QSettings::SettingsMap back;
    QVERIFY(RAZ::IniText::parse(rendered, back));
    QCOMPARE(back, QSettings::SettingsMap({{"general/x", "1"}, {"a/y", "2"}}));
    QTemporaryDir data;
    writeFile(data.path() + "/ours.ini", rendered);
    QCOMPARE(readByQt(data.path() + "/ours.ini"), back);
  }

  // "[]" and a leading "/" name top-level keys, as the store's keys do: a
  // key written both ways is one key, never two lines of one name.
  void iniTextTakesTopLevelKeysHoweverSpelt_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("value");
    QTest::newRow("empty section") << QByteArray("k=1\n[]\nk=top\n") << "top";
    QTest::newRow("leading slash") << QByteArray("\\k=one\nj=2\n") << "one";
    QTest::newRow("both") << QByteArray("[]\n\\k=x\n[General]\nk=y\n") << "y";
  }
  void iniTextTakesTopLevelKeysHoweverSpelt() {
    QFETCH(QByteArray, text);
    QFETCH(QString, value);
    QSettings::SettingsMap read;
    QVERIFY(RAZ::IniText::parse(text, read));
    QVERIFY2(read.value("k").toString() == value, qPrintable(read.keys().join('|')));
    for (const QString& key : read.keys()) QVERIFY2(!key.startsWith('/'), qPrintable(key));
    const QByteArray rendered = RAZ::IniText::render(read);
    QSettings::SettingsMap again;
    QVERIFY(RAZ::IniText::parse(rendered, again));
    QCOMPARE(again, read);
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

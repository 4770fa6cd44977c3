// A start on an installation whose own files are damaged or missing: the
// program says what it found, in the user's language, and starts where it
// can.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <RAZ/Settings.h>

#include "Application.h"
#include "TestSupport.h"
#include "Utils/AppPaths.h"
#include "Utils/SettingsKeys.h"
#include "dialogs/MessageWindow.h"
#include "libqml/utils/Style.h"

namespace {

// Nothing usable in the "C" locale: the interface speaks Spanish.
const bool g_environment = ZentTest::useTemporaryHome("zent-test-installation-", true);

Application* app() { return static_cast<Application*>(qApp); }

// The shipped tree, each entry a link to the shipped one, but for those
// named in `leftOut`.
bool linkTree(const QTemporaryDir& tree, const QStringList& leftOut) {
  const QDir shipped(qEnvironmentVariable("ZENT_DIST_DIR"));
  const auto entries = shipped.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  for (const QString& name : entries)
    if (!leftOut.contains(name) && !QFile::link(shipped.filePath(name), tree.filePath(name)))
      return false;
  return true;
}

struct Seen {
  QString title;
  QString text;
  QString button;
};

// The message windows on screen, closed once read.
QList<Seen> shownMessages() {
  QList<Seen> seen;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* m = qobject_cast<Dialogs::MessageWindow*>(w);
    if (!m || !m->isVisible()) continue;
    QPushButton* ok = m->buttonBox()->button(QDialogButtonBox::Ok);
    seen << Seen{m->windowTitle(), m->messageLabel()->text(), ok ? ok->text() : QString()};
    m->close();
  }
  return seen;
}

}  // namespace

class TestAppInstallation : public QObject {
  Q_OBJECT

 private:
  QML::Style* m_style = nullptr;

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    m_style = new QML::Style(nullptr);
  }

  void cleanupTestCase() {
    AppPaths::setExecutableDirOverride(QString());
    delete m_style;
  }

  // No theme at all ends the start with a message all in the user's
  // language, its button too.
  void aMissingThemeIsSaidInTheUsersLanguage() {
    QTemporaryDir tree;
    QVERIFY(linkTree(tree, {"themes"}));
    AppPaths::setExecutableDirOverride(tree.path());
    Seen seen;
    ZentTest::answerNextMessage(QDialogButtonBox::Ok, [&seen](Dialogs::MessageWindow* m) {
      seen = Seen{m->windowTitle(), m->messageLabel()->text(),
                  m->buttonBox()->button(QDialogButtonBox::Ok)->text()};
    });
    const bool ok = app()->initialize();
    ZentTest::installStrictMessageHandler();
    QVERIFY(!ok);
    QCOMPARE(seen.title, QString("Zent: Error al cargar el tema"));
    QVERIFY2(seen.text.startsWith(QString::fromUtf8("No se encontró el tema predeterminado.")),
             qPrintable(seen.text));
    QCOMPARE(seen.button, QString("Aceptar"));
  }

  // A branding file that is no text, and no installation settings file: the
  // program starts under its built-in names and says both.
  void damagedInstallationFilesAreSaid() {
    QTemporaryDir tree;
    QVERIFY(linkTree(tree, {"application_name.txt", "settings"}));
    QVERIFY(QDir(tree.path()).mkdir("settings"));
    QFile branding(tree.filePath("application_name.txt"));
    QVERIFY(branding.open(QIODevice::WriteOnly));
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) binary += char((i * 37) % 256);
    branding.write(binary);
    branding.close();
    AppPaths::setExecutableDirOverride(tree.path());

    const bool ok = app()->initialize();
    ZentTest::installStrictMessageHandler();
    QVERIFY(ok);
    QCOMPARE(QCoreApplication::applicationName(), QString("VOV Quorvel"));
    QTRY_VERIFY(!QApplication::topLevelWidgets().isEmpty());
    QMap<QString, Seen> seen;
    for (const Seen& s : shownMessages()) seen.insert(s.title, s);
    QCOMPARE(seen.keys(), (QStringList{"Configuración", QString::fromUtf8("Instalación")}));
    QCOMPARE(seen.value(QString::fromUtf8("Instalación")).text,
             QString::fromUtf8("El archivo %1, que da nombre al programa, no es texto: el programa "
                               "se ejecuta con su nombre integrado, VOV Quorvel, y con la "
                               "configuración guardada bajo ese nombre. Reinstalar el cliente "
                               "restaura el archivo.")
                 .arg(QDir::toNativeSeparators(branding.fileName())));
    const QString missing =
        QDir::toNativeSeparators(tree.filePath("settings/application_setting.ini"));
    QVERIFY2(seen.value("Configuración")
                 .text.startsWith(
                     QString::fromUtf8("Falta el archivo de configuración de la instalación %1: ")
                         .arg(missing)),
             qPrintable(seen.value("Configuración").text));
    for (const Seen& s : seen) QCOMPARE(s.button, QString("Aceptar"));
  }

  // A branding file that is missing or names nothing switches to the
  // built-in names (and another data folder), and a binary installation
  // settings file is not copied into the user's settings: each is said.
  void namesAndSettingsFromADamagedInstallationAreSaid_data() {
    QTest::addColumn<QByteArray>("branding");  // empty: no file
    QTest::addColumn<bool>("binarySettings");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("said");
    QTest::newRow("no branding file")
        << QByteArray() << false << QString::fromUtf8("Instalación")
        << QString::fromUtf8(
               "El archivo %1, que da nombre al programa, falta o no se puede leer: el "
               "programa se ejecuta con su nombre integrado, VOV Quorvel, y con la "
               "configuración y las cuentas guardadas bajo ese nombre. Reinstalar el "
               "cliente restaura el archivo.");
    QTest::newRow("an empty branding file")
        << QByteArray(" \n\n") << false << QString::fromUtf8("Instalación")
        << QString::fromUtf8(
               "El archivo %1, que da nombre al programa, no nombra ninguna "
               "aplicación: el programa se ejecuta con su nombre integrado, VOV "
               "Quorvel, y con la configuración y las cuentas guardadas bajo ese "
               "nombre. Reinstalar el cliente restaura el archivo.");
    QTest::newRow("a binary installation settings file")
        << QByteArray("Seeded Zent\nSeeded Org\n") << true << QString::fromUtf8("Configuración")
        << QString::fromUtf8(
               "El archivo de configuración de la instalación %1 no es un archivo de "
               "configuración: no se copió a su configuración, y se usan los valores "
               "predeterminados del programa. Al volver a instalar el cliente se "
               "restaura.");
  }
  void namesAndSettingsFromADamagedInstallationAreSaid() {
    QFETCH(QByteArray, branding);
    QFETCH(bool, binarySettings);
    QFETCH(QString, title);
    QFETCH(QString, said);
    QTemporaryDir tree;
    QVERIFY(linkTree(tree, {"application_name.txt", "settings"}));
    QVERIFY(QDir(tree.path()).mkdir("settings"));
    const QString install = tree.filePath("settings/application_setting.ini");
    QVERIFY(QFile::copy(
        QDir(qEnvironmentVariable("ZENT_DIST_DIR")).filePath("settings/application_setting.ini"),
        install));
    if (binarySettings) {
      QByteArray binary;
      for (int i = 0; i < 4096; ++i) binary += char((i * 37) % 256);
      QVERIFY(ZentTest::writeFile(install, binary));
    }
    const QString brandingFile = tree.filePath("application_name.txt");
    if (!branding.isEmpty()) QVERIFY(ZentTest::writeFile(brandingFile, branding));
    AppPaths::setExecutableDirOverride(tree.path());

    const bool ok = app()->initialize();
    ZentTest::installStrictMessageHandler();
    QVERIFY(ok);
    QTRY_VERIFY(!QApplication::topLevelWidgets().isEmpty());
    QMap<QString, Seen> seen;
    for (const Seen& s : shownMessages()) seen.insert(s.title, s);
    QVERIFY2(seen.contains(title), qPrintable(QStringList(seen.keys()).join(", ")));
    QCOMPARE(seen.value(title).text,
             said.arg(QDir::toNativeSeparators(binarySettings ? install : brandingFile)));
    if (binarySettings) {
      QCOMPARE(QCoreApplication::applicationName(), QString("Seeded Zent"));
      // The user's settings are the program's own, not the binary.
      QVERIFY(
          !ZentTest::readFile(RAZ::Settings::filePath(RAZ::Settings::Application)).contains('\0'));
    } else {
      QCOMPARE(QCoreApplication::applicationName(), QString("VOV Quorvel"));
    }
  }

  // The settings folder one level up from the program is a whole
  // installation: its defaults are read there and no file is said missing.
  void settingsFolderOneLevelUpIsNoDamage() {
    QTemporaryDir root;
    QTemporaryDir tree(root.filePath("program-XXXXXX"));
    QVERIFY(tree.isValid());
    QVERIFY(linkTree(tree, {"settings"}));
    QVERIFY(QFile::link(QDir(qEnvironmentVariable("ZENT_DIST_DIR")).filePath("settings"),
                        root.filePath("settings")));
    AppPaths::setExecutableDirOverride(tree.path());
    QVERIFY(AppPaths::installSettingsDir().endsWith("/../settings/"));

    const bool ok = app()->initialize();
    ZentTest::installStrictMessageHandler();
    QVERIFY(ok);
    // The sign-in server comes from the installation's file only.
    QVERIFY(!RAZ::Settings(RAZ::Settings::Installation)
                 .value(Utils::SettingsKey::DmUrl)
                 .toString()
                 .isEmpty());
    QTRY_VERIFY(!QApplication::topLevelWidgets().isEmpty());
    QStringList titles;
    for (const Seen& s : shownMessages()) titles << s.title;
    QVERIFY2(!titles.contains(QString::fromUtf8("Configuración")), qPrintable(titles.join(", ")));
  }
};

ZENT_TEST_MAIN(TestAppInstallation, Application)
#include "tst_app_installation.moc"

// The user's texts in the catalogues: every text of the sources is in them
// and translated, a text gone from the sources is marked obsolete, and the
// texts made before any translator is installed (the crash reporter, the
// single instance) still reach the user in the user's language. Message
// pictures need no theme.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLockFile>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <app/QtSingleApplication.h>
#include <crash/reporter/CrashDialog.h>
#include <icons/MessageIcons.h>

#include "TestSupport.h"
#include "dialogs/MessageWindow.h"

namespace {

const bool g_environment = ZentTest::useTemporaryHome("zent-test-catalogues-", true);

QString sourceDir() { return qEnvironmentVariable("ZENT_SOURCE_DIR"); }
QString catalogueDir() { return sourceDir() + QStringLiteral("/dist/translations"); }
QString compiledDir() {
  return qEnvironmentVariable("ZENT_DIST_DIR") + QStringLiteral("/translations");
}

// One entry of a catalogue, as lupdate keeps it.
struct Entry {
  QString context;
  QString source;
  QString type;  // "", "unfinished", "vanished" or "obsolete"
  QString translation;
  QString describe() const {
    return QStringLiteral("[%1] \"%2\" -> \"%3\" %4").arg(context, source, translation, type);
  }
};

QList<Entry> readCatalogue(const QString& path, QString* problem) {
  QList<Entry> entries;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *problem = QStringLiteral("cannot read %1").arg(path);
    return entries;
  }
  QXmlStreamReader xml(&file);
  QString context;
  Entry entry;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const QStringRef name = xml.name();
    if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("message")) {
      entry = Entry{context, QString(), QString(), QString()};
    } else if (name == QLatin1String("source")) {
      entry.source = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      entry.type = xml.attributes().value(QLatin1String("type")).toString();
      entry.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
      entries << entry;
    }
  }
  if (xml.hasError()) *problem = QStringLiteral("%1: %2").arg(path, xml.errorString());
  return entries;
}

QSet<QString> described(const QList<Entry>& entries) {
  QSet<QString> out;
  for (const Entry& e : entries) out.insert(e.describe());
  return out;
}

QImage drawn(const QString& svg) {
  QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QSvgRenderer renderer(svg);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

// Installs the program's Spanish catalogue for one test.
class Spanish {
 public:
  Spanish() {
    m_ok = m_translator.load(QStringLiteral("ui_es"), compiledDir()) &&
           QCoreApplication::installTranslator(&m_translator);
  }
  ~Spanish() { QCoreApplication::removeTranslator(&m_translator); }
  bool ok() const { return m_ok; }

 private:
  QTranslator m_translator;
  bool m_ok = false;
};

}  // namespace

class TestI18nCatalogues : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    QVERIFY(QFileInfo(catalogueDir()).isDir());
  }

  // What lupdate makes of the sources is what the catalogues hold already:
  // no text of the code is missing, no text gone from it is still live.
  void cataloguesAreUpToDateWithTheSources_data() {
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("Spanish") << QStringLiteral("ui_es.ts");
    QTest::newRow("English") << QStringLiteral("ui_en.ts");
  }
  void cataloguesAreUpToDateWithTheSources() {
    QFETCH(QString, catalogue);
    QTemporaryDir dir;
    const QString copy = dir.filePath(catalogue);
    QVERIFY(QFile::copy(catalogueDir() + QLatin1Char('/') + catalogue, copy));
    QProcess update;
    update.setProcessChannelMode(QProcess::MergedChannels);
    update.start(sourceDir() + QStringLiteral("/scripts/update-translations"), {copy});
    QVERIFY2(update.waitForFinished(120000), qPrintable(update.errorString()));
    QVERIFY2(update.exitStatus() == QProcess::NormalExit && update.exitCode() == 0,
             update.readAll().constData());

    QString problem;
    const QSet<QString> kept = described(readCatalogue(catalogueDir() + '/' + catalogue, &problem));
    const QSet<QString> updated = described(readCatalogue(copy, &problem));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QStringList missing = QSet<QString>(updated).subtract(kept).values();
    QStringList stale = QSet<QString>(kept).subtract(updated).values();
    missing.sort();
    stale.sort();
    QVERIFY2(missing.isEmpty() && stale.isEmpty(),
             qPrintable(QStringLiteral("scripts/update-translations changes the catalogue:\n"
                                       "as it would be:\n  %1\nas it is:\n  %2")
                            .arg(missing.join(QStringLiteral("\n  ")),
                                 stale.join(QStringLiteral("\n  ")))));
  }

  void everyLiveTextIsTranslated_data() { cataloguesAreUpToDateWithTheSources_data(); }
  void everyLiveTextIsTranslated() {
    QFETCH(QString, catalogue);
    QString problem;
    const QList<Entry> entries = readCatalogue(catalogueDir() + '/' + catalogue, &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(entries.size() > 800);
    QStringList untranslated;
    int obsolete = 0;
    for (const Entry& e : entries) {
      if (e.type == QLatin1String("vanished") || e.type == QLatin1String("obsolete")) {
        ++obsolete;
        continue;
      }
      if (!e.type.isEmpty() || e.translation.isEmpty()) untranslated << e.describe();
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
    // Texts the code no longer has are kept for translators, marked.
    QVERIFY(obsolete > 0);
  }

  // The crash reporter runs after the program is gone and installs the
  // catalogue of the language the program spoke.
  void crashDialogSpeaksTheProgramsLanguage() {
    QVERIFY(!Crash::installReporterTranslator(qApp, compiledDir(), QStringLiteral("xx")));
    {
      QMessageBox english;
      const Crash::ReportBox buttons =
          Crash::prepareReportBox(&english, QStringLiteral("/tmp/crash-1.txt"), false);
      QCOMPARE(english.text(), QStringLiteral("The program closed unexpectedly."));
      QVERIFY(!buttons.restart);
      QCOMPARE(buttons.close->text(), QStringLiteral("Close"));
    }

    QVERIFY(Crash::installReporterTranslator(qApp, compiledDir(), QStringLiteral("es")));
    QMessageBox box;
    const Crash::ReportBox buttons =
        Crash::prepareReportBox(&box, QStringLiteral("/tmp/crash-1.txt"), true);
    QCOMPARE(box.windowTitle(), QStringLiteral("Informe de fallo"));
    QCOMPARE(box.text(), QStringLiteral("El programa se cerró de forma inesperada."));
    QCOMPARE(box.informativeText(), QStringLiteral("Se guardó un informe en:\n/tmp/crash-1.txt"));
    QVERIFY(buttons.restart);
    QCOMPARE(buttons.restart->text(), QStringLiteral("Reiniciar"));
    QCOMPARE(buttons.showReport->text(), QStringLiteral("Mostrar informe"));
    QCOMPARE(buttons.close->text(), QStringLiteral("Cerrar"));
    QCOMPARE(Crash::restartFailedText(), QStringLiteral("No se pudo iniciar el programa."));
    // Its picture is the program's own: the reporter loads no theme.
    QCOMPARE(box.iconPixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             drawn(Icons::builtInMessageIconPath(QMessageBox::Warning)));

    // The translator lives as long as the reporter's application: take it
    // out again for the tests that follow.
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
    QCOMPARE(QCoreApplication::translate("CrashReporter", "Restart"), QStringLiteral("Restart"));
  }

  // The instance is claimed before any translator is installed; what went
  // wrong is told after one is, in its language.
  void singleInstanceFailureIsToldInTheLanguageInstalledWhenShown() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zent.lock"));
    QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    QLockFile lock(path);
    QtSingleApplication::Reason why;
    QCOMPARE(int(QtSingleApplication::takeLock(lock, path, &why)),
             int(QtSingleApplication::InstanceFailed));
    QCOMPARE(why.text(),
             QStringLiteral("%1 is in the way of the lock file and is not one").arg(path));

    Spanish spanish;
    QVERIFY(spanish.ok());
    QCOMPARE(why.text(),
             QStringLiteral("%1 ocupa el lugar del archivo de bloqueo y no es uno").arg(path));

    // Reasons made of reasons: each part in the language of the moment.
    const QtSingleApplication::Reason both(
        QT_TRANSLATE_NOOP("QtSingleApplication", "%1, and %2"),
        {why, QtSingleApplication::Reason(
                  QT_TRANSLATE_NOOP("QtSingleApplication", "there is no cache folder"))});
    QCOMPARE(both.text(),
             QStringLiteral("%1 ocupa el lugar del archivo de bloqueo y no es uno, y no hay "
                            "ninguna carpeta de caché")
                 .arg(path));
    // A path that looks like a marker is shown as it is.
    const QtSingleApplication::Reason odd(
        QT_TRANSLATE_NOOP("QtSingleApplication", "%1 is not a folder"),
        {QtSingleApplication::Reason::plain(QStringLiteral("/tmp/%2"))});
    QCOMPARE(odd.text(), QStringLiteral("/tmp/%2 no es una carpeta"));
  }

  // Before any theme is loaded (a start-up error) message windows show the
  // program's own pictures.
  void messagePicturesNeedNoTheme_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("critical") << int(QMessageBox::Critical);
    QTest::newRow("warning") << int(QMessageBox::Warning);
    QTest::newRow("information") << int(QMessageBox::Information);
    QTest::newRow("question") << int(QMessageBox::Question);
  }
  void messagePicturesNeedNoTheme() {
    QFETCH(int, kind);
    const auto icon = QMessageBox::Icon(kind);
    QVERIFY(!QFile::exists(QStringLiteral(":/icons/message_critical.svg")));
    const QString own = Icons::builtInMessageIconPath(icon);
    QVERIFY2(QFile::exists(own), qPrintable(own));
    QCOMPARE(Icons::messageIconPath(icon), own);
    QCOMPARE(Dialogs::MessageWindow::iconPixmap(icon, 1).toImage().convertToFormat(
                 QImage::Format_ARGB32_Premultiplied),
             drawn(own));
    QVERIFY(Dialogs::MessageWindow::iconPixmap(QMessageBox::NoIcon, 1).isNull());
  }
};

ZENT_TEST_MAIN(TestI18nCatalogues, QApplication)
#include "tst_i18n_catalogues.moc"

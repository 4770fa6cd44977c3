// The finder of the libraries the program loads on first use, asked from
// worker threads as the directory search asks it. The application object is
// a QCoreApplication: nothing on the main thread has asked Qt for the
// program's folder before the workers look for their libraries.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <thread>
#include <vector>

#include <os/Module.h>

#include "RAZ/Controllers/Search/LdapClient.h"
#include "TestSupport.h"

namespace {

struct Lookup {
  QFunctionPointer found = nullptr;
  QString error;
};

// Runs the look-ups on threads of their own, all at once.
std::vector<Lookup> onWorkers(int count, const char* library, const char* entry) {
  std::vector<Lookup> results(static_cast<size_t>(count));
  std::vector<std::thread> workers;
  for (Lookup& result : results)
    workers.emplace_back([&result, library, entry] {
      result.found = Os::moduleEntry(library, entry, &result.error);
    });
  for (std::thread& worker : workers) worker.join();
  return results;
}

}  // namespace

class TestOsModule : public QObject {
  Q_OBJECT

 private:
  QByteArray m_dist;

 private slots:
  void initTestCase() {
    m_dist = qgetenv("ZENT_DIST_DIR");
    QVERIFY2(!m_dist.isEmpty(), "ZENT_DIST_DIR names the build's program folder");
  }

  void cleanup() { qputenv("ZENT_DIST_DIR", m_dist); }

  void aWorkerLooksBesideTheProgramFirst() {
    qunsetenv("ZENT_DIST_DIR");
    const std::vector<Lookup> results = onWorkers(3, "libzent_absent.so", "absent");
    const QString expected = QCoreApplication::applicationDirPath() + "/libzent_absent.so";
    for (const Lookup& result : results) {
      QVERIFY(!result.found);
      QVERIFY2(result.error.contains(expected), qPrintable(result.error));
    }
  }

  void aWorkerLoadsALibraryOfTheBuild() {
    const std::vector<Lookup> results = onWorkers(3, "libzent_ldap.so", ZENT_LDAP_ENTRY);
    for (const Lookup& result : results) QVERIFY2(result.found, qPrintable(result.error));
  }

  void aLibraryWithoutTheEntryTellsWhy() {
    QString error;
    QVERIFY(!Os::moduleEntry("libzent_ldap.so", "zentNoSuchEntry", &error));
    QVERIFY2(error.contains("zentNoSuchEntry"), qPrintable(error));
    QVERIFY2(!error.contains("not found in"), qPrintable(error));
    QVERIFY2(!error.contains("Unknown error"), qPrintable(error));
  }

  void aFileThatIsNoLibraryTellsTheLoadError() {
    QTemporaryDir dist;
    QVERIFY(dist.isValid());
    QFile fake(dist.filePath("libzent_fake.so"));
    QVERIFY(fake.open(QIODevice::WriteOnly));
    fake.write("not a library");
    fake.close();
    qputenv("ZENT_DIST_DIR", dist.path().toLocal8Bit());
    QString error;
    QVERIFY(!Os::moduleEntry("libzent_fake.so", "zentEntry", &error));
    QVERIFY2(error.contains(fake.fileName()), qPrintable(error));
    QVERIFY2(!error.contains("has no function"), qPrintable(error));
  }
};

ZENT_TEST_MAIN(TestOsModule, QCoreApplication)
#include "tst_os_module.moc"

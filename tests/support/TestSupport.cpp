#include "TestSupport.h"

#include "dialogs/MessageWindow.h"
#include "libqml/QmlRegistration.h"

#include <RAZ/Settings.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace ZentTest {
namespace {

QMutex g_mutex;
QStringList g_messages;
QStringList g_fatalPatterns = {
    QStringLiteral("QObject::connect: No such signal"),
    QStringLiteral("QObject::connect: No such slot"),
    QStringLiteral("QObject::connect: Cannot connect"),
    QStringLiteral("QObject::connect: Parentheses expected"),
    QStringLiteral("QObject::connect: Cannot queue arguments"),
};
QtMessageHandler g_previous = nullptr;

void handler(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
  bool fatal = false;
  {
    QMutexLocker lock(&g_mutex);
    g_messages << msg;
    for (const QString& p : g_fatalPatterns) {
      if (msg.contains(p)) {
        fatal = true;
        break;
      }
    }
  }
  if (g_previous) g_previous(type, ctx, msg);
  if (!fatal && type != QtDebugMsg && type != QtInfoMsg && isSceneWarning(msg)) {
    // A scene that runs on past a failed binding shows something other than
    // it should. Within a test function the test fails and goes on, so the
    // rest of the run still reports; elsewhere the run ends, failed.
    QCoreApplication* app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread() && QTest::currentTestFunction()) {
      QTest::qFail(qPrintable(QStringLiteral("scene warning: ") + msg), __FILE__, __LINE__);
      return;
    }
    std::fprintf(stderr, "FATAL scene warning: %s\n", qPrintable(msg));
    std::_Exit(1);
  }
  if (fatal) {
    std::fprintf(stderr, "FATAL test message: %s\n", qPrintable(msg));
    // QFAIL only works inside a test function; a broken connection may be
    // reported from anywhere, so make it impossible to miss.
    std::abort();
  }
}

}  // namespace

bool isSceneWarning(const QString& message) {
  // What the engine reports of a scene of ours: its address, then the line.
  // A scene that cannot be found at all names no line and stays allowed.
  static const QRegularExpression scene(QStringLiteral("^qrc:/\\S+\\.qml:\\d+"));
  return scene.match(message).hasMatch();
}

QStringList takeSceneWarnings() {
  QStringList out;
  for (const QString& m : takeMessages())
    if (isSceneWarning(m)) out << m;
  return out;
}

void installStrictMessageHandler() {
  // Never chain to ourselves: that would recurse forever.
  QtMessageHandler current = qInstallMessageHandler(handler);
  if (current != handler) g_previous = current;
}

int runTests(QObject* testObject, int argc, char** argv) {
  QTest::qInit(testObject, argc, argv);
  // QtTest's handler is in place now, and hands what it does not log to the
  // one it found (ours): ours goes in front and passes every message on.
  const QtMessageHandler outer = g_previous;
  installStrictMessageHandler();
  int result = QTest::qRun();
  // Something that put a handler of its own in place (the program's logging)
  // took the strict one away for the rest of the run: install it again
  // after that, as Scenario::start does.
  if (qInstallMessageHandler(handler) != handler) {
    std::fprintf(stderr, "FAIL: the strict message handler was replaced during the run\n");
    if (result == 0) result = 1;
  }
  // Puts back the handler QtTest found, ours; chaining on to QtTest's, which
  // chains back to ours once its run is over, would never end.
  QTest::qCleanup();
  g_previous = outer;
  return result;
}

QStringList takeMessages() {
  QMutexLocker lock(&g_mutex);
  QStringList out;
  out.swap(g_messages);
  return out;
}

void addFatalPattern(const QString& pattern) {
  QMutexLocker lock(&g_mutex);
  g_fatalPatterns << pattern;
}

void initScenes() {
  QStandardPaths::setTestModeEnabled(true);
  QML::registerTypes();
}

void useSettingsFolders(const QString& root) {
  for (int s = RAZ::Settings::User; s <= RAZ::Settings::Proxy; ++s) {
    const QString dir = root + QStringLiteral("/scope%1").arg(s);
    QDir().mkpath(dir);
    RAZ::Settings::setPath(RAZ::Settings::SettingsType(s), dir);
  }
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

SmallDisk::SmallDisk(const QString& folder, int kib) : m_folder(folder) {
  QDir().mkpath(folder);
  const QByteArray options = "size=" + QByteArray::number(kib) + "k,mode=0700";
  if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) == 0)
    m_mounted = true;
  else
    m_skipReason = QStringLiteral("a small disk cannot be mounted here (%1): %2")
                       .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
}

SmallDisk::~SmallDisk() {
  if (!m_mounted) return;
  free();
  ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
}

bool SmallDisk::fill() {
  const QByteArray name = QFile::encodeName(m_folder + QStringLiteral("/.filler"));
  const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  if (fd < 0) return errno == ENOSPC;
  const QByteArray block(4096, 'f');
  bool full = false;
  for (;;) {
    // A partial write took what fitted; the next one says why no more does.
    if (::write(fd, block.constData(), size_t(block.size())) >= 0) continue;
    full = errno == ENOSPC;
    break;
  }
  ::close(fd);
  return full;
}

void SmallDisk::free() { QFile::remove(m_folder + QStringLiteral("/.filler")); }

bool useTemporaryHome(const QByteArray& instancePrefix, bool cLocale) {
  static QTemporaryDir* home = new QTemporaryDir();
  const QByteArray path = home->path().toLocal8Bit();
  qputenv("HOME", path);
  qputenv("XDG_DATA_HOME", path + "/share");
  qputenv("XDG_CONFIG_HOME", path + "/config");
  qputenv("XDG_CACHE_HOME", path + "/cache");
  QDir().mkpath(home->path() + "/run");
  QFile::setPermissions(home->path() + "/run",
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", path + "/run");
  if (cLocale) {
    qputenv("LANG", "C");
    qputenv("LC_ALL", "C");
  }
  qputenv("ZENT_INSTANCE_ID",
          instancePrefix + QByteArray::number(QCoreApplication::applicationPid()));
  return home->isValid();
}

void answerNextMessage(QDialogButtonBox::StandardButton button,
                       std::function<void(Dialogs::MessageWindow*)> shown) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, qApp, [timer, button, shown] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* m = qobject_cast<Dialogs::MessageWindow*>(w);
      if (!m || !m->isVisible() || !m->buttonBox()->button(button)) continue;
      timer->stop();
      timer->deleteLater();
      if (shown) shown(m);
      m->buttonBox()->button(button)->click();
      return;
    }
  });
  timer->start();
}

RAZ::Utils::Credentials::UserCredentials demoAccount(const QString& user, const QString& password) {
  RAZ::Utils::Credentials::CredentialsData data;
  data.setUsername(user);
  data.setPassword(password);
  RAZ::Utils::Credentials::UserCredentials credentials;
  credentials.setCredentials(0, data);
  return credentials;
}

}  // namespace ZentTest

#include "Utils/BenchMarkers.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>
#include <cstdio>
#include <ctime>

#include "Application.h"
#include "Providers/MenuActionProvider.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/window/FirstFrame.h"
#include "libqml/window/View.h"

namespace Utils {

namespace {

double monotonicMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1.0e6;
}

// Resident set size from the kernel's page counts; -1 where unreadable.
qint64 residentKb() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return -1;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  if (fields.size() < 2) return -1;
  bool ok = false;
  const qint64 pages = fields.at(1).toLongLong(&ok);
  return ok ? pages * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// Processor time of the whole process (every thread, user and system) so
// far: wall time alone depends on what else the machine is doing.
double cpuMs() {
  rusage usage{};
  if (getrusage(RUSAGE_SELF, &usage) != 0) return -1;
  const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The marker a window's first frame stands for; null for other windows.
// The popups are marked once, the first of the session: the one a user
// meets after signing in.
const char* markerFor(const QWidget* window) {
  if (window->inherits("QML::LoginWindow")) return "signin-window";
  if (window->inherits("QML::MainWindow")) return "main-window";
  if (auto* popup = qobject_cast<const QML::CommunicationNotification*>(window)) {
    if (popup->type() == QML::CommunicationNotification::CallNotification) return "call-popup";
    if (popup->type() == QML::CommunicationNotification::ChatNotification) return "chat-popup";
  }
  return nullptr;
}

}  // namespace

BenchMarkers::BenchMarkers(QObject* parent) : QObject(parent) {
  m_signin = qgetenv("ZENT_BENCH_SIGNIN");
  m_exitAfter = qgetenv("ZENT_BENCH_EXIT_AFTER");
  m_watchMs = qEnvironmentVariableIntValue("ZENT_BENCH_WATCH_MS");
}

void BenchMarkers::installIfAsked(QApplication* app) {
  if (qEnvironmentVariable("ZENT_BENCH_MARKERS") != QLatin1String("1")) return;
  app->installEventFilter(new BenchMarkers(app));
}

void BenchMarkers::mark(const char* marker) {
  if (m_marked.contains(marker)) return;
  m_marked.insert(marker);
  const QByteArray text =
      QByteArray("zent-bench ") + marker + ' ' + QByteArray::number(monotonicMs(), 'f', 3) + ' ' +
      QByteArray::number(residentKb()) + ' ' + QByteArray::number(cpuMs(), 'f', 1) + '\n';
  std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
  std::fflush(stdout);
  if (!m_exitAfter.isEmpty() && m_exitAfter == marker) {
    QTimer::singleShot(0, this, [] {
      auto* app = qobject_cast<Application*>(qApp);
      if (QAction* exit =
              app ? app->menuActionProvider()->action(Providers::MenuActionProvider::Exit)
                  : nullptr)
        exit->trigger();
    });
  }
}

void BenchMarkers::firstFrameShown(QWidget* window) {
  const char* marker = markerFor(window);
  if (!marker) return;
  mark(marker);
  if (!m_signin.isEmpty() && window->inherits("QML::LoginWindow")) signInAutomatically(window);
  // The signed-in program left running for a while (what it costs when the
  // user does nothing, or while the service sends presence changes).
  if (m_watchMs > 0 && window->inherits("QML::MainWindow")) {
    mark("watch-start");
    QTimer::singleShot(m_watchMs, this, [this] { mark("watch-end"); });
  }
}

void BenchMarkers::signInAutomatically(QObject* loginWindow) {
  const int colon = m_signin.indexOf(':');
  if (colon <= 0) return;
  QPointer<QML::LoginWindow> window(qobject_cast<QML::LoginWindow*>(loginWindow));
  const QString user = QString::fromUtf8(m_signin.left(colon));
  const QString password = QString::fromUtf8(m_signin.mid(colon + 1));
  m_signin.clear();
  QTimer::singleShot(0, this, [this, window, user, password] {
    if (!window) return;
    window->setUsername(user);
    window->setPassword(password);
    mark("signin-start");
    window->onSigninClicked();
  });
}

bool BenchMarkers::eventFilter(QObject* watched, QEvent* event) {
  // Watched from its first event: a scene may be rendered before its widget
  // is shown, and not again when nothing in it changes.
  auto* view = qobject_cast<QML::View*>(watched);
  if (view && !m_watched.contains(view)) {
    m_watched.insert(view);
    connect(view, &QObject::destroyed, this, [this, view] { m_watched.remove(view); });
    QPointer<QML::View> guard(view);
    QML::FirstFrame::watch(view, this, [this, guard] {
      if (guard) firstFrameShown(guard->window());
    });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace Utils

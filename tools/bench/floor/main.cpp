// The floor under the program's first window: the same first frame from the
// least a window can be. `zent-bench-floor label` shows a bare QLabel
// window, `zent-bench-floor quick` a QQuickWidget with one rectangle (the
// stack every scene of ours stands on: QML engine, Qt Quick and its
// software scene graph). Each prints the start-up benchmark's marker line
// for its first painted frame, "zent-bench signin-window <CLOCK_MONOTONIC ms>
// <resident kB> <processor ms>", and exits, so tools/bench times it as it
// times the program's sign-in window.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>
#include <cstdio>
#include <ctime>

namespace {

void mark() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const double ms = double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1.0e6;
  qint64 residentKb = -1;
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (statm.open(QIODevice::ReadOnly)) {
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() >= 2) residentKb = fields.at(1).toLongLong() * (sysconf(_SC_PAGESIZE) / 1024);
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
                     double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
  std::printf("zent-bench signin-window %.3f %lld %.1f\n", ms, static_cast<long long>(residentKb),
              cpu);
  std::fflush(stdout);
}

// Marks the first paint of the window (for the scene widget: the first
// paint after its scene was rendered) and ends the program.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(bool waitForScene) : m_rendered(!waitForScene) {}
  void sceneRendered() { m_rendered = true; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && m_rendered && !m_done) {
      m_done = true;
      QTimer::singleShot(0, qApp, [] {
        mark();
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool m_rendered;
  bool m_done = false;
};

}  // namespace

int main(int argc, char** argv) {
  const bool quick = argc > 1 && qstrcmp(argv[1], "quick") == 0;
  // As the program draws its scenes.
  if (quick && qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
    qputenv("QT_QUICK_BACKEND", "software");
  QApplication app(argc, argv);
  if (!quick) {
    FirstPaint watch(false);
    QLabel label(QStringLiteral("Zent"));
    label.resize(360, 520);
    label.installEventFilter(&watch);
    label.show();
    return app.exec();
  }
  FirstPaint watch(true);
  QQuickWidget view;
  QObject::connect(
      view.quickWindow(), &QQuickWindow::afterRendering, &view, [&watch] { watch.sceneRendered(); },
      Qt::DirectConnection);
  view.setResizeMode(QQuickWidget::SizeRootObjectToView);
  QQmlComponent scene(view.engine());
  scene.setData("import QtQuick 2.15\nRectangle { color: \"white\" }", QUrl());
  view.setContent(QUrl(), &scene, scene.create());
  view.installEventFilter(&watch);
  view.resize(360, 520);
  view.show();
  return app.exec();
}

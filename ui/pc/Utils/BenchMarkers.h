#pragma once

#include <QObject>
#include <QSet>

class QApplication;
class QWidget;

namespace Utils {

// Start-up markers for the benchmark (tools/bench). With ZENT_BENCH_MARKERS=1
// the program prints one line to standard output when a window's scene has
// been rendered and painted for the first time:
//
//   zent-bench <marker> <CLOCK_MONOTONIC ms> <resident set kB>
//
// with the markers "signin-window", "signin-start", "main-window" and, for
// the first incoming call's or chat's popup, "call-popup" or "chat-popup". With
// ZENT_BENCH_SIGNIN=user:password as well, the program signs in with those
// credentials as soon as the sign-in window is shown (meant for the demo
// service; the password is never printed). With ZENT_BENCH_EXIT_AFTER=<marker>
// the program exits as the user's Exit does once that marker is printed, so
// the next start finds what a normal exit leaves behind. With
// ZENT_BENCH_WATCH_MS=N, "watch-start" is printed with "main-window" and
// "watch-end" N ms later: the processor time between the two is what the
// signed-in program costs over that time. Without
// ZENT_BENCH_MARKERS nothing
// is installed, so normal runs pay nothing for it.
class BenchMarkers : public QObject {
  Q_OBJECT

 public:
  // Installs the markers on `app` when the environment asks for them.
  static void installIfAsked(QApplication* app);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit BenchMarkers(QObject* parent);
  void mark(const char* marker);
  void firstFrameShown(QWidget* window);
  void signInAutomatically(QObject* loginWindow);

  QSet<QObject*> m_watched;
  QSet<QByteArray> m_marked;
  QByteArray m_signin;
  QByteArray m_exitAfter;
  int m_watchMs = 0;
};

}  // namespace Utils

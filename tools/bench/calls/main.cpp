// How fast calls come on screen, and whether calls leave memory behind.
// Signs in to the demo service in this process, from a fresh home, then:
//  - the click on "Call ▸ <number>" of a contact's menu, until the call
//    window's call scene has painted its first frame;
//  - an incoming call of the demo service, until its popup has painted its
//    first frame;
//  - the resident memory after 50 calls placed and ended, against the memory
//    after the first.
// Run it under a display.
//
// Prints a table, and one machine-readable line per measure for the start-up
// table of tools/bench:  zent-bench-calls <id> <value> <target>
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Models/SelectionHandler.h>
#include <RAZ/Sessions/SessionManagerBase.h>

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "Application.h"
#include "InProcess.h"
#include "Utils/AppPaths.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/window/FirstFrame.h"
#include "libqml/window/View.h"

namespace {

using BenchInProcess::median;
using BenchInProcess::waitFor;

const char kParty[] = "Alice Moreno";
const int kPartyId = 101;
const int kCallsForMemory = 50;

// Everything the last steps left for later (windows and sessions deleted
// late) is done now.
void settle() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

qint64 residentKb() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return -1;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  if (fields.size() < 2) return -1;
  return fields.at(1).toLongLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

// A fresh home for this run, set before the application object exists.
QTemporaryDir* freshHome() {
  QTemporaryDir* home = BenchInProcess::freshHome("bench-calls-");
  qputenv("ZENT_DEMO_STEP_DELAY_MS", "0");
  // Only the calls the benchmark makes ring.
  qputenv("ZENT_DEMO_INCOMING_CALLS", "0");
  // The menu entry clicked is found by its English text.
  qputenv("LANG", "en_US.UTF-8");
  qputenv("LC_ALL", "en_US.UTF-8");
  qputenv("LANGUAGE", "en");
  // The hand-written demo book, whose first contact is the party called.
  qunsetenv("ZENT_DEMO_CONTACTS");
  return home;
}

// Notes when the first frame of the scene wanted is painted: a call
// window's call scene, or a call popup.
class FrameWatch : public QObject {
 public:
  using QObject::QObject;
  QElapsedTimer clock;
  double callWindowMs = -1;
  double popupMs = -1;

  void restart() {
    callWindowMs = popupMs = -1;
    clock.restart();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* view = qobject_cast<QML::View*>(watched);
    if (view && !m_seen.contains(view)) {
      m_seen.insert(view);
      connect(view, &QObject::destroyed, this, [this, view] { m_seen.remove(view); });
      QPointer<QML::View> guard(view);
      QML::FirstFrame::watch(view, this, [this, guard] {
        if (!guard) return;
        const double ms = double(clock.nsecsElapsed()) / 1.0e6;
        if (qobject_cast<QML::CommunicationNotification*>(guard.data()))
          popupMs = ms;
        else if (guard->objectName() == QLatin1String("callView") &&
                 guard->window()->inherits("QML::CommunicationsWindow"))
          callWindowMs = ms;
      });
    }
    (void)event;
    return false;
  }

 private:
  QSet<QObject*> m_seen;
};

RAZ::Controllers::CommsSessionController* comms(Application& app) {
  return app.sessionManager() ? app.sessionManager()->commsSessionController() : nullptr;
}

// Every call of the session ends, and its window goes.
bool endCalls(Application& app) {
  RAZ::Controllers::CommsSessionController* controller = comms(app);
  if (!controller) return false;
  // As closing its window does: the session ends with its call.
  const QList<RAZ::Controllers::CommunicationSession*> sessions = controller->commsList();
  for (RAZ::Controllers::CommunicationSession* s : sessions) s->close();
  const bool ended = waitFor(
      [controller] {
        if (!controller->commsList().isEmpty()) return false;
        const auto topLevelWidgets = QApplication::topLevelWidgets();
        for (QWidget* w : topLevelWidgets)
          if (w->isVisible() && (w->inherits("QML::CommunicationsWindow") ||
                                 w->inherits("QML::CommunicationNotification")))
            return false;
        return true;
      },
      20000);
  settle();
  if (!ended) std::fprintf(stderr, "zent-bench-calls: a call did not end\n");
  return ended;
}

// The contact's menu as its row's menu key opens it, then the click on its
// first "Call" number. Answers the time until the call scene is painted,
// or -1.
double placeCall(QML::MainWindow* main, int row, FrameWatch& watch) {
  main->selectContactRow(row);
  main->showCurrentContactMenu();
  QMenu* menu = nullptr;
  if (!waitFor([&menu] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); },
               5000)) {
    std::fprintf(stderr, "zent-bench-calls: the contact's menu did not open\n");
    return -1;
  }
  QAction* number = nullptr;
  const auto actions = menu->actions();
  for (QAction* entry : actions) {
    if (entry->text().remove(QLatin1Char('&')) == QLatin1String("Call") && entry->menu() &&
        !entry->menu()->actions().isEmpty())
      number = entry->menu()->actions().first();
  }
  if (!number) {
    std::fprintf(stderr, "zent-bench-calls: the contact's menu has no Call number\n");
    return -1;
  }
  watch.restart();
  number->trigger();
  menu->close();
  if (!waitFor([&watch] { return watch.callWindowMs >= 0; }, 20000)) {
    std::fprintf(stderr, "zent-bench-calls: the call window was not painted\n");
    return -1;
  }
  return watch.callWindowMs;
}

}  // namespace

int main(int argc, char** argv) {
  std::unique_ptr<QTemporaryDir> home(freshHome());
  BenchInProcess::chooseSceneGraph();
  Application app(argc, argv);
  QCommandLineParser parser;
  BenchInProcess::parseOptions(parser, app, "Calls timed of each kind (median over all)");
  QTextStream out(stdout);
  QTextStream err(stderr);
  QML::MainWindow* main = BenchInProcess::signIn(app, parser, "zent-bench-calls");
  if (!main) return 1;
  QAbstractItemModel* list = main->contactSelectionListModel();
  int row = -1;
  for (int r = 0; list && r < list->rowCount() && row < 0; ++r) {
    const QModelIndex i = list->index(r, 0);
    if (i.data(RAZ::Contacts::Contacts::DisplayNameRole).toString() == QLatin1String(kParty) ||
        i.data(Qt::DisplayRole).toString() == QLatin1String(kParty))
      row = r;
  }
  if (row < 0) {
    err << "zent-bench-calls: " << kParty << " is not in the contact list\n";
    return 1;
  }
  auto* watch = new FrameWatch(&app);
  app.installEventFilter(watch);
  settle();

  const int runs = BenchInProcess::runs(parser);
  QList<double> callMs, popupMs;
  double afterFirstMb = 0;
  // The first call of each kind loads what every later one reuses; both
  // are timed, as the user meets both.
  for (int run = 0; run < runs; ++run) {
    const double ms = placeCall(main, row, *watch);
    if (ms < 0 || !endCalls(app)) {
      err << "zent-bench-calls: a placed call's window did not show or end\n";
      return 1;
    }
    if (run == 0) afterFirstMb = double(residentKb()) / 1024.0;
    callMs << ms;
  }
  for (int run = 0; run < runs; ++run) {
    watch->restart();
    if (!RAZ::Demo::CommsScript::ringIn(kPartyId, false) ||
        !waitFor([watch] { return watch->popupMs >= 0; }, 20000) || !endCalls(app)) {
      err << "zent-bench-calls: the incoming call's popup did not show or go\n";
      return 1;
    }
    popupMs << watch->popupMs;
  }

  // Memory: after the first call placed (above) and after the fiftieth.
  for (int n = runs + 1; n <= kCallsForMemory; ++n) {
    if (placeCall(main, row, *watch) < 0 || !endCalls(app)) {
      err << "zent-bench-calls: call " << n << " did not show or end\n";
      return 1;
    }
  }
  const double afterLastMb = double(residentKb()) / 1024.0;

  struct Measure {
    const char* id;
    QString label;
    double value;
    double target;
    const char* unit;
  };
  const QList<Measure> measures{
      {"call-window", "click on Call -> call window painted, median", median(callMs), 100, "ms"},
      {"call-popup", "incoming call -> popup painted, median", median(popupMs), 50, "ms"},
      {"call-memory", "memory growth, 50 calls placed and ended", afterLastMb - afterFirstMb, 5,
       "MB"},
  };
  int width = 0;
  for (const Measure& m : measures) width = std::max(width, int(m.label.size()) + 5);
  for (const Measure& m : measures)
    out << QString("%1 | %2 | %3\n")
               .arg(m.label + " (" + m.unit + ")", -width)
               .arg(QString::number(m.value, 'f', 2), 8)
               .arg(QString::fromUtf8("≤ ") + QString::number(m.target) +
                    (m.value <= m.target ? "  met" : "  over"));
  for (const Measure& m : measures)
    out << "zent-bench-calls " << m.id << ' ' << QString::number(m.value, 'f', 2) << ' ' << m.target
        << "\n";
  out << "(first call " << QString::number(callMs.value(0), 'f', 1) << " ms, first popup "
      << QString::number(popupMs.value(0), 'f', 1) << " ms; memory "
      << QString::number(afterFirstMb, 'f', 1) << " MB after the first call, "
      << QString::number(afterLastMb, 'f', 1) << " MB after " << kCallsForMemory << ")\n";
  out.flush();
  return 0;
}

// How the main window keeps up with a large contact book: a keystroke in the
// search field until the own-contacts filter is updated and until the list is
// painted again, and the frames of scrolling the whole list. Signs in to the
// demo service in this process, from a fresh home, with ZENT_DEMO_CONTACTS
// contacts (10,000 unless set). Run it under a display.
//
// Prints a table, and one machine-readable line per measure for the start-up
// table of tools/bench:  zent-bench-search <id> <ms> <target ms>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTextStream>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Demo/Service.h>

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "Application.h"
#include "InProcess.h"
#include "Utils/AppPaths.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/window/View.h"

namespace {

using BenchInProcess::median;
using BenchInProcess::waitFor;

double maximum(const QList<double>& values) {
  return values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
}

// A fresh home for this run, set before the application object exists.
QTemporaryDir* freshHome() {
  QTemporaryDir* home = BenchInProcess::freshHome("bench-search-");
  if (qEnvironmentVariableIsEmpty("ZENT_DEMO_CONTACTS")) qputenv("ZENT_DEMO_CONTACTS", "10000");
  return home;
}

}  // namespace

int main(int argc, char** argv) {
  std::unique_ptr<QTemporaryDir> home(freshHome());
  BenchInProcess::chooseSceneGraph();
  Application app(argc, argv);
  QCommandLineParser parser;
  BenchInProcess::parseOptions(parser, app, "Keystroke sequences typed (median over all)");
  QTextStream out(stdout);
  QTextStream err(stderr);
  QML::MainWindow* main = BenchInProcess::signIn(app, parser, "zent-bench-search");
  if (!main) return 1;
  QML::View* view = main->view();
  QQuickItem* root = view->rootObject();
  QQuickItem* search = root ? root->findChild<QQuickItem*>("searchField") : nullptr;
  QQuickItem* list = root ? root->findChild<QQuickItem*>("contactList") : nullptr;
  if (!search || !list) {
    err << "zent-bench-search: no search field or contact list in the scene\n";
    return 1;
  }
  view->grabFramebuffer();
  const int contacts =
      main->contactModel() ? qEnvironmentVariableIntValue("ZENT_DEMO_CONTACTS") : 0;

  // Texts typed: prefixes of names in the book, then erased letter by letter.
  QStringList names;
  QAbstractItemModel* model = main->contactModel();
  for (int row = 0; row < model->rowCount() && names.size() < 40; row += 97) {
    const QString name =
        model->index(row, 0).data(RAZ::Contacts::Contacts::DisplayNameRole).toString();
    if (name.size() >= 4) names << name;
  }
  const int runs = BenchInProcess::runs(parser);
  QList<double> filterMs, paintedMs;
  for (int run = 0; run < runs && !names.isEmpty(); ++run) {
    const QString name = names.at(run % names.size());
    QStringList typed;
    for (int n = 1; n <= std::min(6, int(name.size())); ++n) typed << name.left(n);
    for (int n = typed.size() - 2; n >= 0; --n) typed << typed.at(n);
    typed << QString();
    for (const QString& text : qAsConst(typed)) {
      QElapsedTimer clock;
      clock.start();
      search->setProperty("text", text);  // the scene passes it on as the user's typing does
      filterMs << double(clock.nsecsElapsed()) / 1.0e6;
      view->grabFramebuffer();
      paintedMs << double(clock.nsecsElapsed()) / 1.0e6;
      // The directory searches answer from the event loop, as they would.
      QCoreApplication::processEvents();
    }
  }

  // Scrolling the whole list, one frame per step of a flick's speed.
  search->setProperty("text", QString());
  view->grabFramebuffer();
  QList<double> frameMs;
  const double height = list->property("contentHeight").toDouble() - list->height();
  for (double y = 0; y < height && frameMs.size() < 2000; y += 120) {
    QElapsedTimer clock;
    clock.start();
    list->setProperty("contentY", y);
    view->grabFramebuffer();
    frameMs << double(clock.nsecsElapsed()) / 1.0e6;
  }

  struct Measure {
    const char* id;
    QString label;
    double value;
    double target;
  };
  const QString book = QString::number(contacts);
  const QList<Measure> measures{
      {"keystroke-filter",
       "keystroke -> own-contacts filter updated, " + book + " contacts, median", median(filterMs),
       10},
      {"keystroke-painted", "keystroke -> list painted, " + book + " contacts, median",
       median(paintedMs), 16},
      {"scroll-frame-median", "scrolling the list, frame, " + book + " contacts, median",
       median(frameMs), 16},
      {"scroll-frame-max", "scrolling the list, slowest frame, " + book + " contacts",
       maximum(frameMs), 16},
  };
  int width = 0;
  for (const Measure& m : measures) width = std::max(width, int(m.label.size()) + 5);
  for (const Measure& m : measures)
    out << QString("%1 | %2 | %3\n")
               .arg(m.label + " (ms)", -width)
               .arg(QString::number(m.value, 'f', 2), 8)
               .arg(QString::fromUtf8("≤ ") + QString::number(m.target) +
                    (m.value <= m.target ? "  met" : "  over"));
  for (const Measure& m : measures)
    out << "zent-bench-search " << m.id << ' ' << QString::number(m.value, 'f', 2) << ' '
        << m.target << "\n";
  int slow = 0;
  QStringList slowAt;
  for (int i = 0; i < frameMs.size(); ++i)
    if (frameMs.at(i) >= 16) {
      ++slow;
      if (slowAt.size() < 12) slowAt << QString("#%1: %2 ms").arg(i).arg(frameMs.at(i), 0, 'f', 1);
    }
  out << "(" << filterMs.size() << " keystrokes, " << frameMs.size() << " scroll frames, " << slow
      << " of them 16 ms or more" << (slowAt.isEmpty() ? QString() : ": " + slowAt.join(", "))
      << ")\n";
  out.flush();
  // Leave as the user's Exit would, without waiting on the event loop.
  return 0;
}

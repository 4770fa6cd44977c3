#pragma once

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

#include <functional>

class Application;
class QCommandLineParser;
namespace QML {
class MainWindow;
}

// What the benchmarks that run the program in their own process share: a
// fresh home, waiting on the event loop, and a signed-in main window.
namespace BenchInProcess {

double median(QList<double> values);

// The benchmark runs outside an event loop of its own, where objects deleted
// later (closed windows, ended sessions) would never go: they are deleted
// here as the event loop would.
bool waitFor(const std::function<bool()>& done, int timeoutMs);

// A fresh home for this run, set before the application object exists, with
// the demo's contacts keeping their presence and the sounds silent.
QTemporaryDir* freshHome(const QByteArray& instancePrefix);

// Picks the scene graph the program draws with (the software one unless
// QT_QUICK_BACKEND says otherwise), before the application object exists,
// so frames are timed as the user gets them.
void chooseSceneGraph();

// Reads the command line: --help, --dist and --runs (what one run is, and
// the median taken over all, in `runsText`).
void parseOptions(QCommandLineParser& parser, const Application& app, const char* runsText);
// --runs, at least 1.
int runs(const QCommandLineParser& parser);

// Starts the program from --dist (default: the build's dist) and signs in to
// the demo service; the main window, or null after saying why on stderr as
// `tool`.
QML::MainWindow* signIn(Application& app, const QCommandLineParser& parser, const char* tool);

}  // namespace BenchInProcess

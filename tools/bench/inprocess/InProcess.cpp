#include "InProcess.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

#include <RAZ/Demo/Service.h>

#include <unistd.h>
#include <algorithm>

#include "Application.h"
#include "Utils/AppPaths.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"

namespace BenchInProcess {

double median(QList<double> values) {
  if (values.isEmpty()) return 0;
  std::sort(values.begin(), values.end());
  return values.at(values.size() / 2);
}

bool waitFor(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return true;
}

QTemporaryDir* freshHome(const QByteArray& instancePrefix) {
  auto* home = new QTemporaryDir;
  const QByteArray path = home->path().toLocal8Bit();
  qputenv("HOME", path);
  qputenv("XDG_CONFIG_HOME", path + "/.config");
  qputenv("XDG_DATA_HOME", path + "/.local/share");
  qputenv("XDG_CACHE_HOME", path + "/.cache");
  qputenv("ZENT_INSTANCE_ID", instancePrefix + QByteArray::number(qint64(getpid())));
  qputenv("ZENT_DEMO_PRESENCE_CHANGES", "0");
  qputenv("ZENT_SOUND_BACKEND", "silent");
  return home;
}

void chooseSceneGraph() {
  if (!Application::chooseSceneGraphBackend())
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void parseOptions(QCommandLineParser& parser, const Application& app, const char* runsText) {
  parser.addHelpOption();
  parser.addOption({"dist", "The program's folder (default: the build's dist).", "path"});
  parser.addOption({"runs", QString::fromLatin1(runsText) + ", default 5.", "n", "5"});
  parser.process(app);
}

int runs(const QCommandLineParser& parser) { return std::max(1, parser.value("runs").toInt()); }

QML::MainWindow* signIn(Application& app, const QCommandLineParser& parser, const char* tool) {
  QTextStream err(stderr);
  const QString dist =
      parser.isSet("dist")
          ? parser.value("dist")
          : QDir(QCoreApplication::applicationDirPath() + "/../../../dist").absolutePath();
  AppPaths::setExecutableDirOverride(dist);
  if (!app.initialize()) {
    err << tool << ": the program did not start from " << dist << "\n";
    return nullptr;
  }
  QML::LoginWindow* login = app.loginWindow();
  login->setUsername(QStringLiteral("bench"));
  login->setPassword(RAZ::Demo::Service::demoPassword());
  login->onSigninClicked();
  if (!waitFor([&app] { return app.mainWindow() && app.mainWindow()->isVisible(); }, 120000)) {
    err << tool << ": the main window did not show\n";
    return nullptr;
  }
  return app.mainWindow();
}

}  // namespace BenchInProcess

#include "Application.h"
#include "libqml/utils/Style.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>

namespace {

// Scenes are drawn with OpenGL where the desktop offers it; a machine without
// a usable OpenGL driver (remote sessions, virtual displays) falls back to
// the software renderer instead of aborting inside the first scene.
void chooseSceneGraphBackend() {
  if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QMLSCENE_DEVICE"))
    return;
  QOpenGLContext context;
  QOffscreenSurface surface;
  surface.create();
  if (!context.create() || !surface.isValid() || !context.makeCurrent(&surface)) {
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    return;
  }
  context.doneCurrent();
}

}  // namespace

int main(int argc, char** argv) {
  // A QQuickWidget needs the shared OpenGL context decided before the
  // application object exists.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  Application app(argc, argv);
  if (app.instanceState() == QtSingleApplication::InstanceFailed) {
    QML::Style style(nullptr);
    return app.reportInstanceFailure();
  }
  if (app.isRunning()) {
    if (app.sendMessage(Application::secondInstanceMessage(argc, argv),
                        Application::kSendTimeoutMs))
      return 0;
    QML::Style style(nullptr);
    return app.reportUnansweredSecondStart();
  }
  chooseSceneGraphBackend();
  int result = 1;
  {
    QML::Style style(nullptr);
    if (app.initialize()) result = app.exec();
  }
  return result;
}

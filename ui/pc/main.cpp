#include "Application.h"
#include "libqml/utils/Style.h"

int main(int argc, char** argv) {
  // A QQuickWidget needs the shared OpenGL context decided before the
  // application object exists.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  Application app(argc, argv);
  if (app.isRunning()) {
    app.sendMessage(Application::secondInstanceMessage(argc, argv), Application::kSendTimeoutMs);
    return 0;
  }
  int result = 1;
  {
    QML::Style style(nullptr);
    if (app.initialize()) result = app.exec();
  }
  return result;
}

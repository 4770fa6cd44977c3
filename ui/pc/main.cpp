#include "Application.h"
#include "Utils/BenchMarkers.h"
#include "libqml/utils/Style.h"

#include <memory>

namespace {

// On X11 every top-level widget window asks for an OpenGL-capable surface,
// which loads the GLX integration and the whole Mesa stack even when nothing
// draws with OpenGL. Without OpenGL scenes nothing does: ask for no GL
// integration until the first window has been made (the choice is kept for
// the process), then give programs we start the user's environment back.
class NoGlIntegrationForStartUp {
 public:
  NoGlIntegrationForStartUp() : m_set(!qEnvironmentVariableIsSet(kVariable)) {
    if (m_set) qputenv(kVariable, "none");
  }
  ~NoGlIntegrationForStartUp() {
    if (m_set) qunsetenv(kVariable);
  }

 private:
  static constexpr const char* kVariable = "QT_XCB_GL_INTEGRATION";
  bool m_set;
};

}  // namespace

int main(int argc, char** argv) {
  std::unique_ptr<NoGlIntegrationForStartUp> noGl;
  if (Application::chooseSceneGraphBackend()) {
    noGl = std::make_unique<NoGlIntegrationForStartUp>();
  } else {
    // An OpenGL QQuickWidget needs the shared context decided before the
    // application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  }
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
  Utils::BenchMarkers::installIfAsked(&app);
  int result = 1;
  {
    QML::Style style(nullptr);
    const bool initialized = app.initialize();
    noGl.reset();
    if (initialized) result = app.exec();
  }
  return result;
}

#include "Application.h"
#include "Utils/BenchMarkers.h"
#include "libqml/utils/Style.h"

#include <TP/Crypto/Blowfish.h>

#include <memory>
#include <thread>

#include <sys/prctl.h>

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

// The shipped configuration is ciphered and read before the sign-in window
// shows, and the cipher lives in OpenSSL's legacy provider: it is loaded on a
// thread of its own while the application object connects to the display,
// instead of after it on the way to the first window.
class CipherProviderPreload {
 public:
  CipherProviderPreload() : m_thread([] { TP::Crypto::Blowfish::isAvailable(); }) {}
  ~CipherProviderPreload() { wait(); }
  void wait() {
    if (m_thread.joinable()) m_thread.join();
  }

 private:
  std::thread m_thread;
};

}  // namespace

int main(int argc, char** argv) {
  // The program's memory holds the typed passwords and PINs: no signal whose
  // default writes a core (Ctrl+\ in a terminal, a trap, a CPU or file-size
  // limit) may leave them in one. A crash still gets its report: the crash
  // handler gives the crash service its access for that time. Unlike a core
  // size limit this is not inherited by the programs Zent starts.
  prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
  std::unique_ptr<NoGlIntegrationForStartUp> noGl;
  if (Application::chooseSceneGraphBackend()) {
    noGl = std::make_unique<NoGlIntegrationForStartUp>();
  } else {
    // An OpenGL QQuickWidget needs the shared context decided before the
    // application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  }
  CipherProviderPreload cipherProvider;
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
    cipherProvider.wait();
    const bool initialized = app.initialize();
    noGl.reset();
    if (initialized) result = app.exec();
  }
  return result;
}

#include "libqml/components/CallDebugWindow.h"

#include <new>

#include <QQmlContext>

#include <RAZ/MediaEngine/Spirit/CallDebugInfo.h>
#include <TP/Core/Logging.h>

#include "libqml/window/View.h"

namespace QML {

const char* const CallDebugWindow::SourceUrl = "qrc:/windows/CallDebug/CallDebugInfo.qml";

CallDebugWindowBase::CallDebugWindowBase(QWidget* parent) : QML::Window(false, parent) {
  setTitle(tr("Call debug"));
  closeOnKeys(CloseKeys::CtrlWAndEscape);
}

CallDebugWindow::CallDebugWindow(
    TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> call, QWidget* parent)
    : CallDebugWindowBase(parent),
      m_debugInfo(new RAZ::MediaEngine::Spirit::CallDebugInfo(call, this)),
      m_source(QString::fromLatin1(SourceUrl)) {}

CallDebugWindow::~CallDebugWindow() = default;

CallDebugWindow* CallDebugWindow::create(
    TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> call, QWidget* parent) {
  return new (std::nothrow) CallDebugWindow(call, parent);
}

bool CallDebugWindow::activate() {
  view()->rootContext()->setContextProperty(QStringLiteral("debugInfo"), m_debugInfo);
  if (!setSource(m_source)) {
    TP_LOG("QML::CallDebugWindow::activate", TP::Core::Logging::LevelError)
        << "The call debug scene did not load";
    return false;
  }
  show();
  return true;
}

}  // namespace QML

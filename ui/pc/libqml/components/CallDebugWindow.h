#pragma once

#include <tp/core/SmartPtr.h>

#include <RAZ/MediaEngine/CallBasePtr.h>

#include "libqml/window/Window.h"

namespace RAZ {
namespace MediaEngine {
namespace Spirit {
class CallDebugInfo;
}
}  // namespace MediaEngine
}  // namespace RAZ

namespace QML {

// A diagnostic window titled "Call debug".
class CallDebugWindowBase : public QML::Window {
  Q_OBJECT

 public:
  explicit CallDebugWindowBase(QWidget* parent = nullptr);
  // Loads the scene and shows the window; false (the window stays hidden)
  // when the scene does not load.
  virtual bool activate() = 0;
};

// The media engine's live parameters and statistics of one call, with the
// audio processing switches a tester may change. The scene sees the call's
// debug object as "debugInfo"; it dies with the window.
class CallDebugWindow : public CallDebugWindowBase {
  Q_OBJECT

 public:
  static const char* const SourceUrl;

  CallDebugWindow(TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> call,
                  QWidget* parent = nullptr);
  ~CallDebugWindow() override;

  static CallDebugWindow* create(
      TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> call,
      QWidget* parent = nullptr);

  bool activate() override;
  // The scene loaded instead of the usual one (tests).
  void setSourceUrl(const QString& url) { m_source = url; }
  RAZ::MediaEngine::Spirit::CallDebugInfo* debugInfo() const { return m_debugInfo; }

  QSize minimumWindowSize() const override { return QSize(400, 300); }

 private:
  RAZ::MediaEngine::Spirit::CallDebugInfo* m_debugInfo;
  QString m_source;
};

}  // namespace QML

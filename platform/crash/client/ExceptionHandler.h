#pragma once

#include <QString>

namespace Crash {

// What the in-process crash handler needs to hand a crash to the crash
// service. Everything is copied into fixed buffers when the handler is
// installed: nothing is allocated once a crash happens.
struct HandlerSettings {
  QString serviceExecutable;  // the crash service, run in report mode
  QString infoFile;           // the crash-info file describing the program
  QString reportFolder;       // where the service writes the report
  QString logFolder;          // whose newest log's tail goes into the report
  int serviceTimeoutSeconds = 60;
};

// Catches the fatal signals (SEGV, ABRT, BUS, FPE, ILL) on an alternate
// stack. On a crash it starts the crash service in report mode (fork and
// exec), hands it the signal and the crashing thread's stack through a pipe,
// lets it attach to the process, waits for it (bounded), and then lets the
// signal end the process as it would have without the handler.
class ExceptionHandler {
 public:
  // Null when a handler is already installed or the settings are unusable
  // (logged).
  static ExceptionHandler* create(const HandlerSettings& settings);
  // Puts back the signal actions found at installation.
  ~ExceptionHandler();

  ExceptionHandler(const ExceptionHandler&) = delete;
  ExceptionHandler& operator=(const ExceptionHandler&) = delete;

  static bool isInstalled();
  // The interface language ("es", "en") the crash reporter speaks; set when
  // the program chooses or changes its language, installed or not.
  static void setLanguage(const QString& code);

 private:
  ExceptionHandler() = default;
};

}  // namespace Crash

#include "ExceptionHandler.h"

#include <TP/Core/Logging.h>

#include <QByteArray>
#include <QFileInfo>

#include <algorithm>

#include <execinfo.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace Crash {
namespace {

// Everything the signal handler touches lives here, set up at installation.
constexpr int kSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
constexpr int kSignalCount = sizeof(kSignals) / sizeof(kSignals[0]);
constexpr size_t kPathMax = 4096;

struct HandlerState {
  char service[kPathMax];
  char info[kPathMax];
  char reports[kPathMax];
  char logs[kPathMax];
  char pid[24];
  int timeoutSeconds;
  struct sigaction previous[kSignalCount];
  stack_t previousStack;
  void* altStack;
  size_t altStackSize;
};

HandlerState g_state;
volatile sig_atomic_t g_installed = 0;
volatile sig_atomic_t g_handling = 0;
ExceptionHandler* g_handler = nullptr;
// The interface language, for the crash reporter's dialog. Kept apart from
// the installation state: the language is chosen after the handler is
// installed and may change while the program runs.
constexpr size_t kLanguageMax = 16;
char g_language[kLanguageMax];

bool copyPath(char* target, const QString& source) {
  const QByteArray bytes = QFileInfo(source).absoluteFilePath().toLocal8Bit();
  if (source.isEmpty() || size_t(bytes.size()) >= kPathMax) return false;
  std::memcpy(target, bytes.constData(), size_t(bytes.size()) + 1);
  return true;
}

// Async-signal-safe helpers.
size_t textLength(const char* text) {
  size_t n = 0;
  while (text[n]) ++n;
  return n;
}

void writeText(int fd, const char* text) {
  size_t left = textLength(text);
  while (left > 0) {
    const ssize_t written = write(fd, text, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    text += written;
    left -= size_t(written);
  }
}

void formatNumber(char* out, unsigned long long value, int base) {
  char digits[32];
  int n = 0;
  do {
    const int digit = int(value % unsigned(base));
    digits[n++] = char(digit < 10 ? '0' + digit : 'a' + digit - 10);
    value /= unsigned(base);
  } while (value && n < 31);
  int i = 0;
  if (base == 16) {
    out[i++] = '0';
    out[i++] = 'x';
  }
  while (n) out[i++] = digits[--n];
  out[i] = 0;
}

void writeNumber(int fd, unsigned long long value, int base = 10) {
  char buffer[40];
  formatNumber(buffer, value, base);
  writeText(fd, buffer);
}

void sleepMilliseconds(long ms) {
  struct timespec pause = {ms / 1000, (ms % 1000) * 1000000L};
  while (nanosleep(&pause, &pause) < 0 && errno == EINTR) {
  }
}

void restoreActions() {
  for (int i = 0; i < kSignalCount; ++i) sigaction(kSignals[i], &g_state.previous[i], nullptr);
}

void handleCrash(int signo, siginfo_t* info, void*) {
  if (g_handling) {
    // A crash while handling a crash: end at once with the default action,
    // and no core either.
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
    signal(signo, SIG_DFL);
    raise(signo);
    return;
  }
  g_handling = 1;
  // The program's memory holds the user's passwords and PINs: once the
  // crash is reported (the report is the record) it must not reach a core
  // file, nor a core handler the system pipes dumps to.
  struct rlimit noCore = {0, 0};
  setrlimit(RLIMIT_CORE, &noCore);
  // The program keeps itself out of reach while it runs (no core, no
  // debugger); the crash service reads it now, with cores ruled out above.
  prctl(PR_SET_DUMPABLE, 1, 0, 0, 0);

  const long tid = syscall(SYS_gettid);
  char signoText[16];
  formatNumber(signoText, unsigned(signo), 10);
  char tidText[24];
  formatNumber(tidText, static_cast<unsigned long long>(tid), 10);
  char* const argv[] = {g_state.service, const_cast<char*>("--report"),
                        g_state.pid,     signoText,
                        tidText,         g_state.info,
                        g_state.reports, g_state.logs,
                        g_language,      nullptr};

  int fds[2];
  if (pipe(fds) == 0) {
    const pid_t child = fork();
    if (child == 0) {
      dup2(fds[0], STDIN_FILENO);
      close(fds[0]);
      close(fds[1]);
      execv(g_state.service, argv);
      writeText(STDERR_FILENO, "crash handler: cannot start the crash service\n");
      _exit(127);
    }
    close(fds[0]);
    if (child > 0) {
      // The service may inspect this process while it waits here.
      prctl(PR_SET_PTRACER, static_cast<unsigned long>(child), 0, 0, 0);
      writeText(fds[1], "signal=");
      writeNumber(fds[1], unsigned(signo));
      writeText(fds[1], "\ncode=");
      const int code = info ? info->si_code : 0;
      if (code < 0) writeText(fds[1], "-");
      writeNumber(fds[1],
                  static_cast<unsigned long long>(code < 0 ? -static_cast<long long>(code) : code));
      writeText(fds[1], "\naddress=");
      writeNumber(fds[1], info ? reinterpret_cast<unsigned long long>(info->si_addr) : 0, 16);
      writeText(fds[1], "\nthread=");
      writeText(fds[1], tidText);
      writeText(fds[1], "\nbacktrace:\n");
      void* frames[64];
      const int count = backtrace(frames, 64);
      backtrace_symbols_fd(frames, count, fds[1]);
      close(fds[1]);

      // Bounded wait: a stuck service must not keep the dead program around.
      const long limit = long(g_state.timeoutSeconds) * 20;
      int status = 0;
      long waited = 0;
      while (waitpid(child, &status, WNOHANG) == 0) {
        if (waited++ >= limit) {
          writeText(STDERR_FILENO, "crash handler: the crash service did not finish\n");
          kill(child, SIGKILL);
          waitpid(child, &status, 0);
          break;
        }
        sleepMilliseconds(50);
      }
    } else {
      close(fds[1]);
      writeText(STDERR_FILENO, "crash handler: cannot fork the crash service\n");
    }
  } else {
    writeText(STDERR_FILENO, "crash handler: cannot create a pipe\n");
  }

  // Not before: the crash service reads this process while it reports.
  prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);

  // End the way the signal would have ended the program.
  restoreActions();
  signal(signo, SIG_DFL);
  raise(signo);
}

}  // namespace

ExceptionHandler* ExceptionHandler::create(const HandlerSettings& settings) {
  if (g_installed) {
    TP_LOG("ExceptionHandler::create", TP::Core::Logging::LevelWarning)
        << "a crash handler is already installed";
    return nullptr;
  }
  std::memset(&g_state, 0, sizeof(g_state));
  if (!copyPath(g_state.service, settings.serviceExecutable) ||
      !copyPath(g_state.info, settings.infoFile) ||
      !copyPath(g_state.reports, settings.reportFolder) ||
      !copyPath(g_state.logs, settings.logFolder)) {
    TP_LOG("ExceptionHandler::create", TP::Core::Logging::LevelError)
        << "crash handler paths missing or too long";
    return nullptr;
  }
  if (!QFileInfo(settings.serviceExecutable).isExecutable()) {
    TP_LOG("ExceptionHandler::create", TP::Core::Logging::LevelError)
        << "crash service is not executable: " << settings.serviceExecutable;
    return nullptr;
  }
  formatNumber(g_state.pid, static_cast<unsigned long long>(getpid()), 10);
  g_state.timeoutSeconds = settings.serviceTimeoutSeconds > 0 ? settings.serviceTimeoutSeconds : 60;

  // Load the unwinder now: its first use may allocate, which a signal
  // handler must not do.
  void* warmUp[4];
  backtrace(warmUp, 4);

  g_state.altStackSize = size_t(SIGSTKSZ) * 8 > 65536 ? size_t(SIGSTKSZ) * 8 : 65536;
  g_state.altStack = ::operator new(g_state.altStackSize);
  stack_t stack;
  stack.ss_sp = g_state.altStack;
  stack.ss_size = g_state.altStackSize;
  stack.ss_flags = 0;
  if (sigaltstack(&stack, &g_state.previousStack) != 0) {
    TP_LOG("ExceptionHandler::create", TP::Core::Logging::LevelWarning)
        << "no alternate signal stack; a stack overflow will not be reported";
  }

  struct sigaction action;
  std::memset(&action, 0, sizeof(action));
  action.sa_sigaction = handleCrash;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (int i = 0; i < kSignalCount; ++i) sigaddset(&action.sa_mask, kSignals[i]);
  for (int i = 0; i < kSignalCount; ++i) sigaction(kSignals[i], &action, &g_state.previous[i]);

  g_installed = 1;
  g_handler = new ExceptionHandler;
  TP_LOG("ExceptionHandler::create", TP::Core::Logging::LevelInformation)
      << "crash handler installed";
  return g_handler;
}

ExceptionHandler::~ExceptionHandler() {
  if (g_handler != this) return;
  restoreActions();
  // Leave the alternate stack in place if another one was set meanwhile.
  stack_t current;
  if (sigaltstack(nullptr, &current) == 0 && current.ss_sp == g_state.altStack) {
    if (g_state.previousStack.ss_sp) {
      sigaltstack(&g_state.previousStack, nullptr);
    } else {
      stack_t off;
      std::memset(&off, 0, sizeof(off));
      off.ss_flags = SS_DISABLE;
      sigaltstack(&off, nullptr);
    }
    ::operator delete(g_state.altStack);
  }
  g_state.altStack = nullptr;
  g_handler = nullptr;
  g_installed = 0;
}

bool ExceptionHandler::isInstalled() { return g_installed != 0; }

void ExceptionHandler::setLanguage(const QString& code) {
  // A language code is short Latin text; anything else is not passed on.
  const QByteArray bytes = code.toLatin1();
  const bool usable =
      size_t(bytes.size()) < kLanguageMax && std::all_of(bytes.begin(), bytes.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
      });
  std::memset(g_language, 0, kLanguageMax);
  if (usable) std::memcpy(g_language, bytes.constData(), size_t(bytes.size()));
}

}  // namespace Crash

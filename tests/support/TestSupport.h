#pragma once

#include <QDialogButtonBox>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <functional>

#include "RAZ/Utils/Credentials.h"

namespace Dialogs {
class MessageWindow;
}

namespace ZentTest {

// How long a test waits for an event: long, because it only bounds a
// failure (a busy machine or a sanitizer build is slow); a passing wait ends
// at the event itself. Every QTRY_*_WITH_TIMEOUT and QSignalSpy::wait names it.
constexpr int kWaitMs = 30000;

// Aborts on a broken string-based connection and fails the test on a
// warning from one of our scenes (a binding loop, a value that cannot be
// assigned, a script error), which Qt only reports as a message and then
// carries on, and records every message for takeMessages().
// runTests() puts it in front of QtTest's own for the whole run; calling it
// again is harmless. (CTest also fails any test whose output reports a
// broken connection.)
void installStrictMessageHandler();

// Runs the test object as QTest::qExec does, under the strict message
// handler from the first test function to the last: QtTest installs a
// handler of its own when the run starts, which does not chain to the one
// it replaces, so ours goes in front of it (messages still reach the test
// log, and QTest::ignoreMessage still applies to it). Every test program's
// main ends here (ZENT_TEST_MAIN; scripts/lint checks it).
int runTests(QObject* testObject, int argc, char** argv);

// Messages seen since the last call, for tests that assert on warnings.
QStringList takeMessages();

// Whether a message is the engine's warning about one of our scenes
// (qrc:/...qml:<line>).
bool isSceneWarning(const QString& message);

// The scene warnings among the messages since the last takeMessages().
QStringList takeSceneWarnings();

// Additional substrings that make a message fatal for the current test.
void addFatalPattern(const QString& pattern);

// What a test needs from initTestCase() before it builds a window or scene
// of ours: standard paths in test mode (nothing lands among the user's
// files) and the scenes' native types registered. Safe to call repeatedly.
void initScenes();

// Every settings scope in a folder of its own below `root` (root/scope0 to
// root/scope4), created if need be.
void useSettingsFolders(const QString& root);

// Writes the whole file, its folder made first; false when it cannot.
[[nodiscard]] bool writeFile(const QString& path, const QByteArray& bytes);
// The whole file, empty when it cannot be read.
QByteArray readFile(const QString& path);

// Points HOME and the XDG folders at a fresh temporary home (kept until the
// process ends) and gives the single instance an id of its own, so a test
// that runs the application object never touches the user's files or a
// running program. With cLocale the locale is pinned to "C". Call it before
// the application object exists, e.g. from a namespace-scope initialiser.
bool useTemporaryHome(const QByteArray& instancePrefix, bool cLocale);

// Answers the next message window that shows with `button`, whenever it shows
// (a blocking one may be built and shown only a few event-loop turns later).
// `shown` sees the window just before the click.
void answerNextMessage(QDialogButtonBox::StandardButton button,
                       std::function<void(Dialogs::MessageWindow*)> shown = {});

// A small disk of its own, a tmpfs of `kib` KiB mounted on `folder` while
// this exists: the full disk as a user meets it. Mounting needs the
// privilege CI has (it runs as root); where it is refused, mounted() is
// false and skipReason() says why (the test then skips).
class SmallDisk {
 public:
  SmallDisk(const QString& folder, int kib);
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;
  bool mounted() const { return m_mounted; }
  QString skipReason() const { return m_skipReason; }
  // Takes what is left with one file, until the disk says it is full;
  // false when it never did.
  bool fill();
  // Gives back what fill() took.
  void free();

 private:
  QString m_folder;
  bool m_mounted = false;
  QString m_skipReason;
};

// A sign-in account of the demo service (any user name signs in with "demo").
RAZ::Utils::Credentials::UserCredentials demoAccount(const QString& user,
                                                     const QString& password = "demo");

}  // namespace ZentTest

// Test helpers report a problem as text, empty when all is well, so that the
// test function itself fails where it called them.
#define REQUIRE(expression)                             \
  do {                                                  \
    const QString problem_ = (expression);              \
    QVERIFY2(problem_.isEmpty(), qPrintable(problem_)); \
  } while (false)

// Like QTEST_MAIN, but under the strict message handler: from before the
// application object exists to the end of the run.
#define ZENT_TEST_MAIN(TestObject, AppClass)    \
  int main(int argc, char** argv) {             \
    ZentTest::installStrictMessageHandler();    \
    AppClass app(argc, argv);                   \
    app.setAttribute(Qt::AA_Use96Dpi, true);    \
    TestObject tc;                              \
    QTEST_SET_MAIN_SOURCE_PATH                  \
    return ZentTest::runTests(&tc, argc, argv); \
  }

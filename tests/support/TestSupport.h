#pragma once

#include <QString>
#include <QStringList>
#include <QtTest>

namespace ZentTest {

// Fails the running test on a broken string-based connection or a QML
// warning, both of which Qt only reports as a message and then carries on.
void installStrictMessageHandler();

// Messages seen since the last call, for tests that assert on warnings.
QStringList takeMessages();

// Additional substrings that make a message fatal for the current test.
void addFatalPattern(const QString& pattern);

}  // namespace ZentTest

// Like QTEST_MAIN, but with the strict message handler installed first.
#define ZENT_TEST_MAIN(TestObject, AppClass)                         \
  int main(int argc, char** argv) {                                  \
    ZentTest::installStrictMessageHandler();                         \
    AppClass app(argc, argv);                                        \
    app.setAttribute(Qt::AA_Use96Dpi, true);                         \
    TestObject tc;                                                   \
    QTEST_SET_MAIN_SOURCE_PATH                                       \
    return QTest::qExec(&tc, argc, argv);                            \
  }

// A program that leaks on purpose, for the leak checker's own tests.
//
//   leaking-child <none|data|object>
// "data" forgets a plain object of ours, "object" one of our QObjects. Both
// are made in a slot that the event loop calls, so that Qt's frames lie under
// the allocation as they do under nearly every allocation of the client.
// Exit codes: 0 after a normal end (the leak checker may turn it into its own
// failure), 2 usage.

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace {

struct ForgottenData {
  char bytes[512];
  QByteArray payload = QByteArray(512, 'x');
};

class ForgottenObject : public QObject {
 public:
  QByteArray payload = QByteArray(512, 'x');
};

// Not inlined, so that each stays the allocation's caller in the leak report.
// Nothing keeps the pointers: the objects are unreachable at exit.
__attribute__((noinline)) void forgetData() { static_cast<void>(new ForgottenData); }
__attribute__((noinline)) void forgetObject() { static_cast<void>(new ForgottenObject); }

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  const QString mode = args.value(1);
  if (args.size() != 2 || !QStringList{"none", "data", "object"}.contains(mode)) {
    std::fprintf(stderr, "usage: leaking-child <none|data|object>\n");
    return 2;
  }
  QTimer::singleShot(0, &app, [mode] {
    if (mode == QLatin1String("data")) forgetData();
    if (mode == QLatin1String("object")) forgetObject();
    QCoreApplication::quit();
  });
  return app.exec();
}

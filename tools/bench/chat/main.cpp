// How fast a chat transcript opens and grows: a transcript of N messages
// (default 5,000) rendered, loaded into a web page and painted, and one more
// message appended and painted. Each measure is the median of several runs.
//
// Prints a table, and one machine-readable line per measure for the start-up
// table of tools/bench:  zent-bench-chat <id> <median ms> <target ms>
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <QWebFrame>
#include <QWebPage>

#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Models/ChatModel.h>
#include <RAZ/Models/Smileys.h>

#include <algorithm>
#include <cstdio>

#include "Models/Chat/MessageModel.h"
#include "Models/Chat/TranscriptPage.h"
#include "libqml/utils/Style.h"

namespace {

const QSize kViewport(800, 600);

double median(QList<double> values) {
  if (values.isEmpty()) return 0;
  std::sort(values.begin(), values.end());
  return values.at(values.size() / 2);
}

// Paints what the page shows, as a view would.
void paint(QWebPage& page) {
  QImage image(kViewport, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  page.mainFrame()->render(&painter);
}

QString messageText(int i) {
  switch (i % 4) {
    case 0:
      return QStringLiteral("Message %1 with a link http://example.com/item/%1 :-)").arg(i);
    case 1:
      return QStringLiteral("Short one %1").arg(i);
    case 2:
      return QStringLiteral("Mail me at person%1@example.com\nsecond line & <markup>").arg(i);
    default:
      return QStringLiteral(
                 "A longer message number %1 that wraps over a line or two in a "
                 "window of ordinary width, as people write them.")
          .arg(i);
  }
}

struct Run {
  double openMs = 0;
  double appendMs = 0;
};

Run runOnce(int messages, int appends) {
  RAZ::Controllers::ChatInterface chat(QStringLiteral("alice@demo.zent"), false);
  RAZ::Models::ChatModel* source = chat.getChatModel();
  const QDateTime start = QDateTime::currentDateTime().addSecs(-messages * 30);
  for (int i = 0; i < messages; ++i) {
    RAZ::Data::Message::Data m(0, i % 3 == 0 ? 0 : 1, i % 3 == 0 ? QString() : chat.peer(),
                               messageText(i), start.addSecs(i * 30));
    source->appendMessage(m);
  }

  Run run;
  QWebPage page;
  page.setViewportSize(kViewport);
  QElapsedTimer timer;
  timer.start();
  Models::Chat::MessageModel model;
  model.setParticipants(chat.getParticipants());
  model.setSmileys(new RAZ::Models::SmileysPtr());
  model.setSourceModel(source);
  QEventLoop loop;
  QObject::connect(&page, &QWebPage::loadFinished, &loop, &QEventLoop::quit);
  Models::Chat::TranscriptPage host(&model, &page);
  // The whole history, as the window asks for it when it opens.
  QMetaObject::invokeMethod(&model, "modelReset");
  if (!model.pageLoaded()) loop.exec();
  paint(page);
  run.openMs = double(timer.nsecsElapsed()) / 1e6;

  QList<double> appendTimes;
  for (int i = 0; i < appends; ++i) {
    timer.restart();
    RAZ::Data::Message::Data m(0, 1, chat.peer(), messageText(messages + i),
                               QDateTime::currentDateTime());
    source->appendMessage(m);
    paint(page);
    appendTimes << double(timer.nsecsElapsed()) / 1e6;
  }
  run.appendMs = median(appendTimes);
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                                 ? "offscreen"
                                 : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Chat transcript benchmark"));
  parser.addHelpOption();
  QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs per measure."),
                                QStringLiteral("n"), QStringLiteral("5"));
  QCommandLineOption messagesOption(QStringLiteral("messages"),
                                    QStringLiteral("Messages in the transcript."),
                                    QStringLiteral("n"), QStringLiteral("5000"));
  parser.addOption(runsOption);
  parser.addOption(messagesOption);
  parser.process(app);
  const int runs = qMax(1, parser.value(runsOption).toInt());
  const int messages = qMax(1, parser.value(messagesOption).toInt());

  QML::Style style;  // the page's colours, as in the program
  QList<double> open, append;
  for (int i = 0; i < runs; ++i) {
    const Run r = runOnce(messages, 20);
    open << r.openMs;
    append << r.appendMs;
  }
  const double openMedian = median(open);
  const double appendMedian = median(append);
  QTextStream out(stdout);
  out << QStringLiteral("%1  %2  %3\n")
             .arg(QStringLiteral("measure"), -44)
             .arg("median", 10)
             .arg("target", 8);
  out << QStringLiteral("%1  %2  %3\n")
             .arg(QStringLiteral("open transcript, %1 messages, painted").arg(messages), -44)
             .arg(QStringLiteral("%1 ms").arg(openMedian, 0, 'f', 1), 10)
             .arg(QStringLiteral("200 ms"), 8);
  out << QStringLiteral("%1  %2  %3\n")
             .arg(QStringLiteral("append one message, painted"), -44)
             .arg(QStringLiteral("%1 ms").arg(appendMedian, 0, 'f', 2), 10)
             .arg(QStringLiteral("5 ms"), 8);
  out << QStringLiteral("zent-bench-chat transcript-open-%1 %2 200\n")
             .arg(messages)
             .arg(openMedian, 0, 'f', 1);
  out << QStringLiteral("zent-bench-chat transcript-append %1 5\n").arg(appendMedian, 0, 'f', 2);
  return 0;
}

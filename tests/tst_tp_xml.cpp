// The XML parser: text and nesting, shared children, malformed input, and
// entity expansion and deep nesting bounded.
#include "TestSupport.h"

#include <TP/Core/Logging.h>
#include <TP/Xml/Parser.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

using TP::Xml::Element;
using TP::Xml::Parser;

class TestTpXml : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void ringSignalList();
  void textAndNesting();
  void childrenSharedAcrossCopies();
  void malformed_data();
  void malformed();
  void entityExpansionBounded();
  void deepNestingRefused();
  void fileInput();

 private:
  TP::Core::Logging::MemorySink m_sink;
};

void TestTpXml::init() {
  m_sink.clear();
  TP::Core::Logging::addLogger(&m_sink);
}

void TestTpXml::cleanup() { TP::Core::Logging::removeLogger(&m_sink); }

void TestTpXml::ringSignalList() {
  const QString text = QStringLiteral(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<ringers>\n"
      "  <ringer file=\":/sounds/ring1.wav\" description=\"standard ring signal\"/>\n"
      "  <other file=\"skip\"/>\n"
      "  <ringer file=\":/sounds/ring2.wav\" description=\"Bells &amp; whistles\" "
      "default=\"true\"/>\n"
      "  <ringer description=\"no file\"/>\n"
      "</ringers>\n");
  Parser parser;
  QVERIFY(parser.Parse(text));
  const Element root = parser.Root();
  QCOMPARE(root.Name(), QString("ringers"));
  QStringList names;
  QStringList files;
  for (const Element& child : root.Children()) {
    names << child.Name();
    files << child.getAttribute("file", "<none>");
  }
  QCOMPARE(names, (QStringList{"ringer", "other", "ringer", "ringer"}));
  QCOMPARE(files, (QStringList{":/sounds/ring1.wav", "skip", ":/sounds/ring2.wav", "<none>"}));
  auto it = root.Children().begin();
  ++it;
  ++it;
  QCOMPARE(it->getAttribute("description"), QString("Bells & whistles"));
  QCOMPARE(it->getAttribute("default"), QString("true"));
  QVERIFY(it->hasAttribute("default"));
  QVERIFY(!root.Children().First().hasAttribute("default"));
  QCOMPARE(root.Children().First().getAttribute("default"), QString());
  QCOMPARE(root.Children().First().Attributes().Count(), 2);
  QCOMPARE(m_sink.size(), 0);
}

void TestTpXml::textAndNesting() {
  Parser parser;
  QVERIFY(parser.Parse(QByteArray("<a><b x='1'> hello <c>inner</c> world </b><b/></a>")));
  const Element b = parser.Root().firstChild("b");
  QCOMPARE(b.getAttribute("x"), QString("1"));
  QCOMPARE(b.Text(), QString("hello  world"));
  QCOMPARE(b.firstChild("c").Text(), QString("inner"));
  QVERIFY(b.firstChild("missing").isNull());
  QCOMPARE(parser.Root().Children().Count(), 2);
}

void TestTpXml::childrenSharedAcrossCopies() {
  Element kept;
  {
    Parser parser;
    QVERIFY(parser.Parse(QByteArray("<r><x/><y/></r>")));
    kept = parser.Root();
  }
  // The parser is gone; the copy still owns its children.
  QCOMPARE(kept.Children().Count(), 2);
  QCOMPARE(kept.Children().Last().Name(), QString("y"));
}

void TestTpXml::malformed_data() {
  QTest::addColumn<QByteArray>("input");
  QTest::newRow("empty") << QByteArray();
  QTest::newRow("not xml") << QByteArray("just some text");
  QTest::newRow("unclosed") << QByteArray("<a><b></a>");
  QTest::newRow("truncated") << QByteArray("<ringers><ringer file=\"x\"");
  QTest::newRow("two roots") << QByteArray("<a/><b/>");
  QTest::newRow("bad attribute") << QByteArray("<a x=1/>");
  QTest::newRow("binary") << QByteArray("\x00\xff\xfe<a/>", 6);
  QTest::newRow("enciphered") << QByteArray("\x8a\x13\x77\x01\xc4\x90\x22\x5e", 8);
}

void TestTpXml::malformed() {
  QFETCH(QByteArray, input);
  Parser parser;
  QVERIFY(!parser.Parse(input));
  QVERIFY(parser.Root().isNull());
  QVERIFY(!parser.isValid());
  QVERIFY(!parser.errorString().isEmpty());
  // A null root is safe to walk.
  QCOMPARE(parser.Root().Children().Count(), 0);
  QCOMPARE(parser.Root().getAttribute("file", "d"), QString("d"));
  QCOMPARE(m_sink.find("AppLogger", "TP::Xml::Parser::Parse", TP::Core::Logging::LevelError).size(),
           1);
}

void TestTpXml::entityExpansionBounded() {
  // Nested internal entities ("billion laughs") must not blow up memory:
  // the reader's expansion limit stops them and the document is refused.
  QByteArray dtd = "<!DOCTYPE r [<!ENTITY e0 \"laugh\">";
  for (int i = 1; i < 10; ++i) {
    dtd += "<!ENTITY e" + QByteArray::number(i) + " \"";
    for (int j = 0; j < 10; ++j) dtd += "&e" + QByteArray::number(i - 1) + ";";
    dtd += "\">";
  }
  dtd += "]><r>&e9;</r>";
  Parser parser;
  QVERIFY(!parser.Parse(dtd));
  QVERIFY(parser.Root().isNull());

  // External entities are never fetched.
  const QByteArray external = "<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r>&x;</r>";
  Parser second;
  second.Parse(external);
  QVERIFY(!second.Root().Text().contains("root:"));
}

void TestTpXml::deepNestingRefused() {
  QByteArray input;
  for (int i = 0; i < 5000; ++i) input += "<d>";
  for (int i = 0; i < 5000; ++i) input += "</d>";
  Parser parser;
  QVERIFY(!parser.Parse(input));
  QVERIFY(parser.Root().isNull());
  QVERIFY(parser.errorString().contains("deeply"));
}

void TestTpXml::fileInput() {
  QTemporaryDir dir;
  const QString path = dir.filePath("list.xml");
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("<list><item name=\"\xc3\xa9t\xc3\xa9\"/></list>");
  file.close();
  Parser parser;
  QVERIFY(parser.ParseFile(path));
  QCOMPARE(parser.Root().Children().First().getAttribute("name"),
           QString::fromUtf8("\xc3\xa9t\xc3\xa9"));

  Parser missing;
  QVERIFY(!missing.ParseFile(dir.filePath("absent.xml")));
  QVERIFY(missing.Root().isNull());
  QCOMPARE(
      m_sink.find("AppLogger", "TP::Xml::Parser::ParseFile", TP::Core::Logging::LevelError).size(),
      1);
}

ZENT_TEST_MAIN(TestTpXml, QCoreApplication)
#include "tst_tp_xml.moc"

// SIP addresses: what parses and what is refused, display names that cannot
// break out of their quotes, and case-insensitive comparison.
#include "TestSupport.h"

#include <TP/Bytes.h>
#include <TP/Sip/Uri.h>
#include <tp/core/SmartPtr.h>

#include <QCoreApplication>

using TP::Bytes;
using TP::Sip::UriPtr;

class TestTpSip : public QObject {
  Q_OBJECT

 private slots:
  void parses_data();
  void parses();
  void refuses_data();
  void refuses();
  void displayNameQuotesCannotBreakOut();
  void heldBySmartPointer();
  void caseInsensitiveCompare();
};

void TestTpSip::parses_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("scheme");
  QTest::addColumn<QString>("user");
  QTest::addColumn<QString>("host");
  QTest::addColumn<int>("port");
  QTest::addColumn<QString>("display");
  QTest::addColumn<QString>("plain");
  QTest::addColumn<QString>("full");
  QTest::newRow("bare") << "sip:alice@example.com"
                        << "sip"
                        << "alice"
                        << "example.com" << 0 << ""
                        << "sip:alice@example.com"
                        << "sip:alice@example.com";
  QTest::newRow("port params") << "sip:bob@10.0.0.1:5061;transport=tls"
                               << "sip"
                               << "bob"
                               << "10.0.0.1" << 5061 << ""
                               << "sip:bob@10.0.0.1:5061;transport=tls"
                               << "sip:bob@10.0.0.1:5061;transport=tls";
  QTest::newRow("quoted name") << "\"Alice Smith\" <sips:alice@example.com>"
                               << "sips"
                               << "alice"
                               << "example.com" << 0 << "Alice Smith"
                               << "sips:alice@example.com"
                               << "\"Alice Smith\" <sips:alice@example.com>";
  QTest::newRow("plain name") << "Carol <sip:carol@example.com>"
                              << "sip"
                              << "carol"
                              << "example.com" << 0 << "Carol"
                              << "sip:carol@example.com"
                              << "\"Carol\" <sip:carol@example.com>";
  QTest::newRow("no scheme") << "dave@example.com"
                             << "sip"
                             << "dave"
                             << "example.com" << 0 << ""
                             << "sip:dave@example.com"
                             << "sip:dave@example.com";
  QTest::newRow("tel") << "tel:+4930123456"
                       << "tel"
                       << "+4930123456"
                       << "" << 0 << ""
                       << "tel:+4930123456"
                       << "tel:+4930123456";
  QTest::newRow("host only") << "SIP:example.com"
                             << "sip"
                             << ""
                             << "example.com" << 0 << ""
                             << "sip:example.com"
                             << "sip:example.com";
}

void TestTpSip::parses() {
  QFETCH(QString, text);
  QFETCH(QString, scheme);
  QFETCH(QString, user);
  QFETCH(QString, host);
  QFETCH(int, port);
  QFETCH(QString, display);
  QFETCH(QString, plain);
  QFETCH(QString, full);
  const UriPtr uri(text);
  QVERIFY(uri.IsValid());
  QCOMPARE(QString::fromUtf8(uri.Scheme()), scheme);
  QCOMPARE(QString::fromUtf8(uri.Username()), user);
  QCOMPARE(QString::fromUtf8(uri.Host()), host);
  QCOMPARE(uri.Port(), port);
  QCOMPARE(QString::fromUtf8(uri.DisplayName()), display);
  QCOMPARE(uri.toString(false), plain);
  QCOMPARE(uri.toString(true), full);
  QCOMPARE(UriPtr(Bytes(text.toUtf8())).toString(true), full);
}

void TestTpSip::refuses_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("empty") << "";
  QTest::newRow("spaces") << "   ";
  QTest::newRow("unclosed") << "Alice <sip:alice@example.com";
  QTest::newRow("trailing") << "<sip:a@b.com> junk";
  QTest::newRow("no user") << "sip:@example.com";
  QTest::newRow("bad port") << "sip:a@example.com:99999";
  QTest::newRow("port text") << "sip:a@example.com:http";
  QTest::newRow("space inside") << "sip:a b@example.com";
  QTest::newRow("bad host") << "sip:a@exa/mple.com";
  QTest::newRow("empty tel") << "tel:";
}

void TestTpSip::refuses() {
  QFETCH(QString, text);
  const UriPtr uri(text);
  QVERIFY(!uri.IsValid());
  QVERIFY(uri.toString(true).isEmpty());
  QVERIFY(uri.Username().IsEmpty());
}

void TestTpSip::displayNameQuotesCannotBreakOut() {
  UriPtr uri(QString("sip:a@example.com"));
  uri.SetDisplayName(Bytes(QByteArray("Eve\" <sip:evil@example.com>")));
  const QString text = uri.toString(true);
  QCOMPARE(text.count('"'), 2);
  QVERIFY(text.endsWith("<sip:a@example.com>"));
}

void TestTpSip::heldBySmartPointer() {
  TP::Core::Refcounting::SmartPtr<UriPtr> p(new UriPtr(QString("sip:x@example.com")));
  TP::Core::Refcounting::SmartPtr<UriPtr> q = p;
  QCOMPARE(p->ReferenceCount(), 2u);
  QCOMPARE(q->toString(false), QString("sip:x@example.com"));
  p = nullptr;
  QCOMPARE(q->ReferenceCount(), 1u);
  // q releases the last count at the end of the test: ASan would report a leak otherwise.
}

void TestTpSip::caseInsensitiveCompare() {
  QCOMPARE(Bytes(QByteArray("Transfer")).caseInsensitiveAsciiCompare(Bytes(QByteArray("tRANSFER"))),
           0);
  QVERIFY(Bytes(QByteArray("abc")).caseInsensitiveAsciiCompare(Bytes(QByteArray("ABD"))) < 0);
  QVERIFY(Bytes(QByteArray("abcd")).caseInsensitiveAsciiCompare(Bytes(QByteArray("ABC"))) > 0);
  // Only ASCII letters fold: bytes of other scripts compare exactly.
  QVERIFY(
      Bytes(QByteArray("\xc3\xa9")).caseInsensitiveAsciiCompare(Bytes(QByteArray("\xc3\x89"))) !=
      0);
  QCOMPARE(Bytes().caseInsensitiveAsciiCompare(Bytes()), 0);
}

ZENT_TEST_MAIN(TestTpSip, QCoreApplication)
#include "tst_tp_sip.moc"

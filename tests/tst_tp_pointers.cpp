// Reference-counted pointers and lists: every object deleted exactly once,
// counts at their limits logged, and null or dangling uses made safe.
#include "TestSupport.h"

#include <TP/Core/Logging.h>
#include <tp/container/List.h>
#include <tp/core/RefCountable.h>
#include <tp/core/SharedPointer.h>
#include <tp/core/SmartPtr.h>

#include <QCoreApplication>

using TP::Container::List;
using TP::Core::RefCountable;
using TP::Core::Logging::MemorySink;
using TP::Core::Logging::Record;
using TP::Core::Refcounting::SmartPtr;

namespace Sample {

// Counts live instances so tests see every deletion.
class Counted : public RefCountable {
 public:
  explicit Counted(bool deleteAtZero = true) : RefCountable(deleteAtZero, "counted") { ++s_alive; }
  ~Counted() override { --s_alive; }
  int value = 7;
  static int s_alive;
};
int Counted::s_alive = 0;

class Observed : public QObject {
 public:
  int value = 3;
};

// An interface whose implementation is a QObject: observed through a cross cast.
class Shape {
 public:
  virtual ~Shape() = default;
  virtual int corners() const = 0;
};
class Square : public QObject, public Shape {
 public:
  int corners() const override { return 4; }
};

struct Item {
  QString name;
  static int s_alive;
  Item() { ++s_alive; }
  explicit Item(const QString& n) : name(n) { ++s_alive; }
  Item(const Item& o) : name(o.name) { ++s_alive; }
  Item& operator=(const Item&) = default;
  ~Item() { --s_alive; }
};
int Item::s_alive = 0;

}  // namespace Sample

using Sample::Counted;

class TestTpPointers : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void freshObjectIsReferencedSilently();
  void lastReleaseDeletesOnceWithFlag();
  void lastReleaseKeepsObjectWithoutFlag();
  void unreferenceAtZeroIsLoggedAndClamped();
  void referenceAtLimitIsTracedAndAsserted();
  void traceFlagTracesEveryChange();
  void copyAndAssign();
  void selfAssignmentKeepsCount();
  void assignReleasesOldBeforeNew();
  void moveHandsCountOver();
  void nullDereferenceIsLoggedAndReturnsNull();

  void sharedPointerBecomesNullWhenTargetDies();
  void sharedPointerCopiesObserveToo();
  void sharedPointerThroughInterface();
  void sharedPointerOutlivedByTarget();

  void listCopyOnWrite();
  void listIteration();
  void iteratorAtEndIsLoggedAndSafe();
  void iteratorKeepsNodesAlive();
  void listFreesEveryElement();
  void listFirstLastOnEmpty();

 private:
  // Error records other than the backtraces that follow them.
  QList<Record> assertions() const {
    QList<Record> out;
    const auto errors = m_sink.find("AppLogger", QString(), TP::Core::Logging::LevelError);
    for (const Record& r : errors) {
      if (r.tag != "TP::Core::Logging::do_backtrace") out.append(r);
    }
    return out;
  }
  MemorySink m_sink;
};

void TestTpPointers::init() {
  m_sink.clear();
  TP::Core::Logging::addLogger(&m_sink);
  Counted::s_alive = 0;
  Sample::Item::s_alive = 0;
}

void TestTpPointers::cleanup() { TP::Core::Logging::removeLogger(&m_sink); }

void TestTpPointers::freshObjectIsReferencedSilently() {
  auto* object = new Counted;
  QCOMPARE(object->ReferenceCount(), 0u);
  {
    SmartPtr<Counted> p(object);
    QCOMPARE(object->ReferenceCount(), 1u);
    QCOMPARE(p->value, 7);
    QCOMPARE(p.Raw(), object);
  }
  QCOMPARE(Counted::s_alive, 0);
  QCOMPARE(m_sink.size(), 0);
}

void TestTpPointers::lastReleaseDeletesOnceWithFlag() {
  auto* object = new Counted(true);
  SmartPtr<Counted> a(object);
  {
    SmartPtr<Counted> b(a);
    QCOMPARE(object->ReferenceCount(), 2u);
  }
  QCOMPARE(Counted::s_alive, 1);
  a = nullptr;
  QCOMPARE(Counted::s_alive, 0);
  QVERIFY(a.isNull());
  QVERIFY(assertions().isEmpty());
}

void TestTpPointers::lastReleaseKeepsObjectWithoutFlag() {
  Counted owned(false);
  {
    SmartPtr<Counted> p(&owned);
    QCOMPARE(owned.ReferenceCount(), 1u);
  }
  QCOMPARE(owned.ReferenceCount(), 0u);
  QCOMPARE(Counted::s_alive, 1);
}

void TestTpPointers::unreferenceAtZeroIsLoggedAndClamped() {
  Counted object(true);
  QVERIFY(!object.Unreference());
  QCOMPARE(object.ReferenceCount(), 0u);  // no wrap to 4294967295
  const auto failed = assertions();
  QVERIFY(!failed.isEmpty());
  QCOMPARE(failed.first().tag, QString("TP::Core::RefCountable::Unreference"));
  QCOMPARE(failed.first().message, QString("Assertion 'm_RefCount > 0' failed: Refcount error!"));
  QVERIFY(!m_sink.find("AppLogger", "TP::Core::Logging::do_backtrace").isEmpty());
  const auto traces = m_sink.find("AppLogger", "TP::Core::RefCountable::Unreference",
                                  TP::Core::Logging::LevelTrace);
  QCOMPARE(traces.size(), 1);
  QVERIFY(traces.first().message.contains(" Refcount lowering to -1 for counted"));

  // A holder released after a stray Unreference still deletes exactly once.
  auto* heap = new Counted(true);
  SmartPtr<Counted> p(heap);
  QVERIFY(heap->Unreference());  // stray release drops to 0 (a caller bug)
  QCOMPARE(Counted::s_alive, 2);
  m_sink.clear();
  p = nullptr;  // count already 0: logged, no delete, no wrap
  QCOMPARE(Counted::s_alive, 2);
  QVERIFY(!assertions().isEmpty());
  delete heap;
  QCOMPARE(Counted::s_alive, 1);
}

void TestTpPointers::referenceAtLimitIsTracedAndAsserted() {
  Counted object(false);
  for (std::uint32_t i = 0; i < TP::Core::REFCOUNT_MAX; ++i) object.Reference();
  QCOMPARE(m_sink.size(), 0);  // below the limit nothing is traced
  object.Reference();
  const auto traces =
      m_sink.find("AppLogger", "TP::Core::RefCountable::Reference", TP::Core::Logging::LevelTrace);
  QCOMPARE(traces.size(), 1);
  QVERIFY(traces.first().message.endsWith(" Refcount upping to 10001 for counted"));
  m_sink.clear();

  SmartPtr<Counted> p(&object);  // count above the limit: traced
  QVERIFY(!m_sink.find("AppLogger", QString(), TP::Core::Logging::LevelTrace).isEmpty());
  m_sink.clear();
  QCOMPARE(p->value, 7);
  auto failed = assertions();
  QVERIFY(!failed.isEmpty());
  QVERIFY(failed.first().tag.startsWith(
      "TP::Core::Refcounting::SmartPtr<class Sample::Counted>::operator ->"));
  QVERIFY(failed.first().message.contains("!m_T || m_T->ReferenceCount() < REFCOUNT_MAX"));
  m_sink.clear();
  QCOMPARE(p.Raw(), &object);
  QVERIFY(!assertions().isEmpty());

  m_sink.clear();
  QVERIFY(!object.Unreference());
  failed = m_sink.find("AppLogger", "TP::Core::RefCountable::Unreference",
                       TP::Core::Logging::LevelError);
  QCOMPARE(failed.size(), 1);
  QVERIFY(failed.first().message.contains("m_RefCount < REFCOUNT_MAX"));
  p = nullptr;
  while (object.ReferenceCount() > 0) object.Unreference();
}

void TestTpPointers::traceFlagTracesEveryChange() {
  auto* object = new Counted;
  object->SetTrace(true);
  {
    SmartPtr<Counted> p(object);
    SmartPtr<Counted> q(p);
  }
  QCOMPARE(Counted::s_alive, 0);
  QCOMPARE(
      m_sink.find("AppLogger", "TP::Core::RefCountable::Reference", TP::Core::Logging::LevelTrace)
          .size(),
      2);
  QCOMPARE(
      m_sink.find("AppLogger", "TP::Core::RefCountable::Unreference", TP::Core::Logging::LevelTrace)
          .size(),
      2);
  QVERIFY(m_sink.containsMessage(" calling Reference() for "));
  QVERIFY(m_sink.containsMessage(" calling Unreference() for "));
  QVERIFY(assertions().isEmpty());
}

void TestTpPointers::copyAndAssign() {
  auto* first = new Counted;
  auto* second = new Counted;
  SmartPtr<Counted> a(first);
  SmartPtr<Counted> b(second);
  b = a;
  QCOMPARE(Counted::s_alive, 1);
  QCOMPARE(first->ReferenceCount(), 2u);
  QVERIFY(a == b);
  SmartPtr<Counted> c;
  QVERIFY(!c);
  c = a;
  QCOMPARE(first->ReferenceCount(), 3u);
  a = nullptr;
  b = nullptr;
  QCOMPARE(Counted::s_alive, 1);
  c = nullptr;
  QCOMPARE(Counted::s_alive, 0);
  QVERIFY(assertions().isEmpty());
}

void TestTpPointers::selfAssignmentKeepsCount() {
  auto* object = new Counted;
  SmartPtr<Counted> p(object);
  SmartPtr<Counted>& alias = p;
  p = alias;
  QCOMPARE(object->ReferenceCount(), 1u);
  p = object;
  QCOMPARE(object->ReferenceCount(), 1u);
  QCOMPARE(Counted::s_alive, 1);
  QVERIFY(assertions().isEmpty());
}

void TestTpPointers::assignReleasesOldBeforeNew() {
  // The object's only holder re-points at a sub-object it owns: the old
  // object must be released even though the new one is referenced after.
  auto* a = new Counted;
  auto* b = new Counted;
  SmartPtr<Counted> p(a);
  SmartPtr<Counted> keepB(b);
  p = b;
  QCOMPARE(Counted::s_alive, 1);
  QCOMPARE(b->ReferenceCount(), 2u);
}

void TestTpPointers::moveHandsCountOver() {
  auto* object = new Counted;
  SmartPtr<Counted> a(object);
  SmartPtr<Counted> b(std::move(a));
  QVERIFY(a.isNull());  // NOLINT: checking the moved-from state on purpose
  QCOMPARE(object->ReferenceCount(), 1u);
  SmartPtr<Counted> c(new Counted);
  c = std::move(b);
  QCOMPARE(Counted::s_alive, 1);
  QCOMPARE(object->ReferenceCount(), 1u);
}

void TestTpPointers::nullDereferenceIsLoggedAndReturnsNull() {
  SmartPtr<Counted> p;
  QVERIFY(p.operator->() == nullptr);
  const auto failed = assertions();
  QVERIFY(!failed.isEmpty());
  QCOMPARE(failed.first().message, QString("Assertion 'm_T' failed: NULL pointer dereference"));
  QCOMPARE(failed.first().tag,
           QString("TP::Core::Refcounting::SmartPtr<class Sample::Counted>::operator ->"));
  QCOMPARE(failed.first().category, QString("AppLogger"));
  // Raw() only checks the limit: no record for a null pointer.
  m_sink.clear();
  QVERIFY(p.Raw() == nullptr);
  QCOMPARE(m_sink.size(), 0);
}

void TestTpPointers::sharedPointerBecomesNullWhenTargetDies() {
  auto* target = new Sample::Observed;
  RAZ::Utils::SharedPointer<Sample::Observed> p(target);
  RAZ::Utils::Const::SharedPointer<Sample::Observed> c(target);
  QCOMPARE(p->value, 3);
  p->value = 4;
  QCOMPARE(c->value, 4);
  delete target;
  QVERIFY(p.isNull());
  QVERIFY(c.isNull());
  QVERIFY(!p);
  QVERIFY(p.data() == nullptr);
}

void TestTpPointers::sharedPointerCopiesObserveToo() {
  auto* target = new Sample::Observed;
  RAZ::Utils::SharedPointer<Sample::Observed> original(target);
  RAZ::Utils::SharedPointer<Sample::Observed> copy(original);
  RAZ::Utils::SharedPointer<Sample::Observed> assigned;
  assigned = copy;
  auto* other = new Sample::Observed;
  RAZ::Utils::SharedPointer<Sample::Observed> retargeted(other);
  retargeted = original;  // stops watching `other`
  QVERIFY(copy == original);
  delete other;
  QCOMPARE(retargeted.data(), target);
  delete target;
  QVERIFY(original.isNull());
  QVERIFY(copy.isNull());
  QVERIFY(assigned.isNull());
  QVERIFY(retargeted.isNull());
}

void TestTpPointers::sharedPointerThroughInterface() {
  auto* square = new Sample::Square;
  const Sample::Shape* shape = square;
  RAZ::Utils::Const::SharedPointer<Sample::Shape> p(shape);
  QCOMPARE(p->corners(), 4);
  delete square;
  QVERIFY(p.isNull());
}

void TestTpPointers::sharedPointerOutlivedByTarget() {
  Sample::Observed target;
  {
    RAZ::Utils::SharedPointer<Sample::Observed> p(&target);
    QVERIFY(!p.isNull());
  }
  // The pointer is gone: destroying the target must not reach it (ASan
  // reports a use after free otherwise).
}

void TestTpPointers::listCopyOnWrite() {
  List<QString> a;
  a.Append("one");
  a.Append("two");
  List<QString> b = a;
  QVERIFY(b.IsSharedWith(a));
  b.Append("three");
  QVERIFY(!b.IsSharedWith(a));
  QCOMPARE(a.Count(), 2);
  QCOMPARE(b.Count(), 3);
  QCOMPARE(a.Last(), QString("two"));
  QCOMPARE(b.Last(), QString("three"));

  List<QString> c = a;
  c.Clear();
  QCOMPARE(a.Count(), 2);
  QVERIFY(c.IsEmpty());
  c = c;  // self-assignment keeps the data alive
  QVERIFY(c.IsEmpty());
  a = b;
  QCOMPARE(a.Count(), 3);
  QVERIFY(assertions().isEmpty());
}

void TestTpPointers::listIteration() {
  List<int> list{1, 2, 3};
  list.Prepend(0);
  QList<int> seen;
  for (int v : list) seen.append(v);
  QCOMPARE(seen, (QList<int>{0, 1, 2, 3}));
  auto it = list.begin();
  QCOMPARE(*it, 0);
  auto before = it++;
  QCOMPARE(*before, 0);
  QCOMPARE(*it, 1);
  QVERIFY(list.begin() != list.end());
  List<int> empty;
  QVERIFY(empty.begin() == empty.end());
  // End iterators of different lists are different positions.
  QVERIFY(empty.end() != List<int>().end());
}

void TestTpPointers::iteratorAtEndIsLoggedAndSafe() {
  List<QString> list{"only"};
  auto it = list.end();
  QCOMPARE(*it, QString());  // a default element, not a null reference
  auto failed = assertions();
  QVERIFY(!failed.isEmpty());
  QCOMPARE(failed.first().message, QString("Assertion 'm_Cur' failed: Invalid usage!"));
  QVERIFY(failed.first().tag.contains("const_iterator::operator *"));
  QVERIFY(!m_sink.find("AppLogger", "TP::Core::Logging::do_backtrace").isEmpty());

  m_sink.clear();
  ++it;  // stays at the end
  QVERIFY(it == list.end());
  QCOMPARE(assertions().first().message, QString("Assertion 'm_Cur' failed: Invalid usage!"));
}

void TestTpPointers::iteratorKeepsNodesAlive() {
  auto* list = new List<QString>{"a", "b"};
  List<QString>::const_iterator it = list->begin();
  list->Clear();  // detaches: the iterator still holds the old nodes
  QCOMPARE(*it, QString("a"));
  delete list;
  ++it;
  QCOMPARE(*it, QString("b"));
  ++it;
  QVERIFY(it.AtEnd());
  QVERIFY(assertions().isEmpty());
}

void TestTpPointers::listFreesEveryElement() {
  {
    List<Sample::Item> list;
    for (int i = 0; i < 10; ++i) list.Append(Sample::Item(QString::number(i)));
    List<Sample::Item> copy = list;
    copy.Append(Sample::Item("x"));
    QCOMPARE(Sample::Item::s_alive, 21);
  }
  QCOMPARE(Sample::Item::s_alive, 0);
  QVERIFY(assertions().isEmpty());
}

void TestTpPointers::listFirstLastOnEmpty() {
  List<QString> empty;
  QCOMPARE(empty.First(), QString());
  QCOMPARE(empty.Last(), QString());
  QCOMPARE(assertions().size(), 2);
}

ZENT_TEST_MAIN(TestTpPointers, QCoreApplication)
#include "tst_tp_pointers.moc"

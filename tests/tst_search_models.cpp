// The models of the search results: the own-contacts filter of a large book
// and the list of result groups, checked by Qt's model tester while they
// change under it.
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStringListModel>
#include <QtTest>
#include <memory>

#include "Models/ContactSearchFilter.h"
#include "RAZ/Contacts/ContactModels.h"
#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Contacts/ContactsImpl.h"
#include "RAZ/Models/SearchGroups.h"
#include "TestSupport.h"

using RAZ::Contacts::Contacts;
using RAZ::Contacts::IContact;
using RAZ::Models::SearchGroups;

namespace {

IContact* person(int id, const QString& name) {
  return new IContact(id, {{QString::number(RAZ::Contacts::Properties::KeyDisplayName), name}});
}

QStringList names(const QAbstractItemModel* model) {
  QStringList out;
  for (int r = 0; r < model->rowCount(); ++r) {
    const QModelIndex i = model->index(r, 0);
    out << (i.data(SearchGroups::IsGroupRole).toBool()
                ? "#" + i.data(SearchGroups::GroupNameRole).toString()
                : i.data(Contacts::DisplayNameRole).toString());
  }
  return out;
}

}  // namespace

class TestSearchModels : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ZentTest::installStrictMessageHandler(); }

  void theFilterMatchesLiterallyInAnyCaseSorted() {
    Contacts book;
    book.addContacts({person(1, "Zoë Ünal"), person(2, "anna Berg"), person(3, "Anders (Sales)"),
                      person(4, "+44 Desk"), person(5, "Bo")});
    Models::ContactSearchFilter filter(book.getModel(Contacts::ContactListKind),
                                       Contacts::DisplayNameRole);
    QAbstractItemModelTester tester(&filter,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(names(&filter),
             QStringList({"+44 Desk", "Anders (Sales)", "anna Berg", "Bo", "Zoë Ünal"}));
    filter.setFilterText("AN");
    QCOMPARE(names(&filter), QStringList({"Anders (Sales)", "anna Berg"}));
    filter.setFilterText("ann");  // narrower: from what "an" kept
    QCOMPARE(names(&filter), QStringList({"anna Berg"}));
    filter.setFilterText("a");  // wider again: the whole book
    QCOMPARE(names(&filter), QStringList({"Anders (Sales)", "anna Berg", "Zoë Ünal"}));
    // Pattern characters are text.
    filter.setFilterText("(sales");
    QCOMPARE(names(&filter), QStringList({"Anders (Sales)"}));
    filter.setFilterText("+44");
    QCOMPARE(names(&filter), QStringList({"+44 Desk"}));
    filter.setFilterText("ünal");
    QCOMPARE(names(&filter), QStringList({"Zoë Ünal"}));
    filter.setFilterText(QString());
    QCOMPARE(filter.rowCount(), 5);
  }

  void theFilterFollowsTheBook() {
    Contacts book;
    book.addContacts({person(1, "Anna"), person(2, "Bert")});
    Models::ContactSearchFilter filter(book.getModel(Contacts::ContactListKind),
                                       Contacts::DisplayNameRole);
    QAbstractItemModelTester tester(&filter,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    filter.setFilterText("an");
    QCOMPARE(names(&filter), QStringList({"Anna"}));
    // A contact added later, renamed, or removed.
    QVERIFY(book.addContact(person(3, "Hannah")));
    QCOMPARE(names(&filter), QStringList({"Anna", "Hannah"}));
    book.getContact(2)->setProperty(RAZ::Contacts::Properties::KeyDisplayName, "Bertrand");
    QCOMPARE(names(&filter), QStringList({"Anna", "Bertrand", "Hannah"}));
    QVERIFY(book.removeContact(1));
    QCOMPARE(names(&filter), QStringList({"Bertrand", "Hannah"}));
    // A presence change keeps the rows and reports the one row.
    QSignalSpy changed(&filter, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&filter, &QAbstractItemModel::modelReset);
    QVERIFY(book.setContactPresence(3, 10, "here"));
    QCOMPARE(reset.count(), 0);
    QVERIFY(changed.count() >= 1);
    QCOMPARE(changed.last().at(0).toModelIndex().row(), 1);
  }

  // A text that dials finds the numbers that hold it however either is
  // written; one that does not (a single digit, letters) matches names only,
  // and the next digit typed still finds what the shorter text could not.
  void theFilterFindsNumbers() {
    Contacts book;
    IContact* desk = person(1, "Desk 1");
    IContact* bruno = person(2, "Bruno");
    bruno->setProperty(RAZ::Contacts::Properties::KeyWork, "+49 (30) 100-102");
    IContact* ines = person(3, "Ines");
    ines->setProperty(RAZ::Contacts::Properties::KeyMobile, "+491712000204");
    book.addContacts({desk, bruno, ines});
    Models::ContactSearchFilter filter(book.getModel(Contacts::ContactListKind),
                                       Contacts::DisplayNameRole);
    QAbstractItemModelTester tester(&filter,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    filter.setFilterText("1");
    QCOMPARE(names(&filter), QStringList({"Desk 1"}));
    filter.setFilterText("10");  // narrower as text, but now a number
    QCOMPARE(names(&filter), QStringList({"Bruno"}));
    filter.setFilterText("+49 30 100 102");
    QCOMPARE(names(&filter), QStringList({"Bruno"}));
    filter.setFilterText("+4917");
    QCOMPARE(names(&filter), QStringList({"Ines"}));
    filter.setFilterText("+49");
    QCOMPARE(names(&filter), QStringList({"Bruno", "Ines"}));
    filter.setFilterText("49x");
    QCOMPARE(filter.rowCount(), 0);
    // A number given later is found, one taken away no longer.
    book.getContact(1)->setProperty(RAZ::Contacts::Properties::KeyExtension, "4917");
    filter.setFilterText("+4917");
    QCOMPARE(names(&filter), QStringList({"Ines"}));
    filter.setFilterText("4917");
    QCOMPARE(names(&filter), QStringList({"Desk 1", "Ines"}));
    book.getContact(3)->setProperty(RAZ::Contacts::Properties::KeyMobile, QString());
    QCOMPARE(names(&filter), QStringList({"Desk 1"}));
  }

  void groupsListTheirModelsInOrder() {
    QStringListModel own({"a", "b"});
    RAZ::Contacts::ContactsImpl results(nullptr);
    SearchGroups groups{RAZ::Utils::SharedPointer<Contacts>()};
    QAbstractItemModelTester tester(&groups,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    auto first = groups.addSearchModel(&own);
    first->setName("Mine");
    auto second = groups.addSearchModel(results.getModel(3));
    second->setName("Found");
    // A group with nothing in it shows only while it searches.
    QCOMPARE(names(&groups), QStringList({"#Mine", "", ""}));
    QCOMPARE(groups.index(1, 0).data(Qt::DisplayRole).toString(), QStringLiteral("a"));
    second->setSearching(true);
    QCOMPARE(names(&groups).last(), QStringLiteral("#Found"));
    second->setSearching(false);
    QCOMPARE(groups.rowCount(), 3);

    // Results arrive, are closed, opened, removed and listed again.
    for (int i = 0; i < 3; ++i) {
      IContact* c = results.createContact(-1);
      c->setProperty(RAZ::Contacts::Properties::KeyDisplayName, QStringLiteral("R%1").arg(i));
      QVERIFY(results.addContact(c, false, true));
    }
    QCOMPARE(names(&groups), QStringList({"#Mine", "", "", "#Found", "R0", "R1", "R2"}));
    QCOMPARE(groups.index(3, 0).data(SearchGroups::GroupTotalRole).toInt(), 3);
    second->setOpen(false);
    QCOMPARE(groups.rowCount(), 4);
    first->setOpen(false);
    QCOMPARE(names(&groups), QStringList({"#Mine", "#Found"}));
    second->setOpen(true);
    QCOMPARE(names(&groups), QStringList({"#Mine", "#Found", "R0", "R1", "R2"}));
    own.insertRows(0, 1);  // in a closed group: nothing shows
    QCOMPARE(groups.rowCount(), 5);
    QCOMPARE(groups.index(0, 0).data(SearchGroups::GroupTotalRole).toInt(), 3);
    groups.removeGroup(first);
    QCOMPARE(names(&groups), QStringList({"#Found", "R0", "R1", "R2"}));
    groups.addGroup(first);
    QCOMPARE(groups.groups().size(), 2);
    groups.addGroup(first);  // listed already: nothing changes
    QCOMPARE(groups.groups().size(), 2);
    results.reset();
    QCOMPARE(names(&groups), QStringList({"#Mine"}));
    // Header state reaches the view; an error shows the empty group.
    second->setErrorText("down");
    QCOMPARE(names(&groups), QStringList({"#Mine", "#Found"}));
    QSignalSpy changed(&groups, &QAbstractItemModel::dataChanged);
    second->setSearching(true);
    QCOMPARE(changed.count(), 1);
    QVERIFY(groups.index(1, 0).data(SearchGroups::GroupSearchingRole).toBool());
    QCOMPARE(groups.index(1, 0).data(SearchGroups::GroupErrorRole).toString(),
             QStringLiteral("down"));
    // Results deleted from the event loop never leave dangling rows.
    QTRY_COMPARE_WITH_TIMEOUT(results.count(), 0, ZentTest::kWaitMs);
  }

  void aModelThatGoesAwayLeavesTheList() {
    SearchGroups groups{RAZ::Utils::SharedPointer<Contacts>()};
    QAbstractItemModelTester tester(&groups,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    auto own = std::make_unique<QStringListModel>(QStringList{"a"});
    QStringListModel other({"x", "y"});
    groups.addSearchModel(own.get());
    auto kept = groups.addSearchModel(&other);
    QCOMPARE(groups.rowCount(), 5);
    QStringListModel empty;
    auto none = groups.addSearchModel(&empty);
    QCOMPARE(groups.rowCount(), 5);
    empty.insertRows(0, 2);  // rows arrive: header and rows show at once
    QCOMPARE(groups.rowCount(), 8);
    empty.removeRows(0, 2);
    QCOMPARE(groups.rowCount(), 5);
    groups.removeGroup(none);
    own.reset();
    QCOMPARE(groups.rowCount(), 3);
    QCOMPARE(groups.groups().size(), 1);
    QCOMPARE(groups.groups().first(), kept.data());
  }

  void theStoreOwnsWhatItTook() {
    RAZ::Contacts::ContactsImpl store(nullptr);
    QVERIFY(!store.getModel(1));
    IContact* c = store.createContact(-1);
    IContact* d = store.createContact(-1);
    QVERIFY(c->getId() != d->getId());
    QVERIFY(store.addContact(c, false, true));
    QVERIFY(!store.addContact(c, false, true));
    QVERIFY(!store.addContact(nullptr, false, true));
    delete d;  // never taken: the caller's to delete
    QPointer<IContact> watched(c);
    store.reset();
    QCOMPARE(store.getModel(3)->rowCount(), 0);
    QVERIFY(watched);  // still alive this turn, for a menu that holds it
    QTRY_VERIFY_WITH_TIMEOUT(!watched, ZentTest::kWaitMs);
  }
};

ZENT_TEST_MAIN(TestSearchModels, QApplication)
#include "tst_search_models.moc"

// The contact card's field rows: which fields a configuration shows, in
// which order, with which labels, groups and editability.
#include <QCoreApplication>
#include <QSignalSpy>

#include <RAZ/Configuration/Config.h>

#include "DemoFixture.h"
#include "Models/ContactCardFieldsModel.h"
#include "TestSupport.h"

using Models::ContactCardFieldsModel;
using Models::FieldData;

namespace {

// A configuration with the switches `on` set.
QByteArray xml(const QList<int>& on) {
  ZentTest::ConfigValues values;
  for (int id : on) values.append({id, true});
  return ZentTest::configText(values);
}

QList<int> column(const ContactCardFieldsModel& m, int role) {
  QList<int> values;
  for (int r = 0; r < m.rowCount(); ++r) values << m.data(m.index(r), role).toInt();
  return values;
}

}  // namespace

class TestContactCardFields : public QObject {
  Q_OBJECT

 private slots:
  void rowsFollowTheConfiguration_data() {
    QTest::addColumn<QList<int>>("switches");
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<QList<int>>("editable");
    QTest::addColumn<QList<int>>("groups");
    QTest::newRow("nothing shown") << QList<int>() << QList<int>() << QList<int>() << QList<int>();
    QTest::newRow("editable switch alone shows nothing")
        << QList<int>({39, 40, 43}) << QList<int>() << QList<int>() << QList<int>();
    // A person: names and phones, mobile (shown by 24) after the extension (27).
    QTest::newRow("person") << QList<int>({21, 22, 23, 24, 25, 27, 40, 42})
                            << QList<int>({0, 1, 2, 3, 4, 5}) << QList<int>({0, 1, 0, 0, 0, 1})
                            << QList<int>({0, 0, 0, 1, 1, 1});
    // A conference contact: display name and the dial-in details.
    QTest::newRow("conference") << QList<int>({21, 34, 35, 36, 39, 52, 53, 54})
                                << QList<int>({0, 13, 14, 15}) << QList<int>({1, 1, 1, 1})
                                << QList<int>({0, 4, 4, 4});
    // Without the IM address the e-mail row is group 3's only row.
    QTest::newRow("no IM address")
        << QList<int>({33, 28, 29, 30, 31, 37}) << QList<int>({7, 8, 9, 10, 11, 16})
        << QList<int>({0, 0, 0, 0, 0, 0}) << QList<int>({2, 2, 2, 2, 3, 5});
    QTest::newRow("collaboration room")
        << QList<int>({32, 38, 270, 271, 50}) << QList<int>({12, 17}) << QList<int>({1, 0})
        << QList<int>({3, 5});
    QTest::newRow("room needs all three switches")
        << QList<int>({38, 270}) << QList<int>() << QList<int>() << QList<int>();
  }
  void rowsFollowTheConfiguration() {
    QFETCH(QList<int>, switches);
    QFETCH(QList<int>, types);
    QFETCH(QList<int>, editable);
    QFETCH(QList<int>, groups);
    RAZ::Configuration::Config config(xml(switches), QString());
    ContactCardFieldsModel model(&config);
    QCOMPARE(column(model, ContactCardFieldsModel::FieldTypeRole), types);
    QCOMPARE(column(model, ContactCardFieldsModel::FieldEditableRole), editable);
    QCOMPARE(column(model, ContactCardFieldsModel::FieldGroupRole), groups);
  }

  void labels() {
    RAZ::Configuration::Config config(xml({21, 25, 27, 24, 32, 34, 38, 270, 271}), QString());
    ContactCardFieldsModel model(&config);
    QStringList names;
    for (int r = 0; r < model.rowCount(); ++r)
      names << model.data(model.index(r), ContactCardFieldsModel::FieldNameRole).toString();
    QCOMPARE(names, QStringList({"Display Name", "Work Phone", "Work Extension", "Mobile Phone",
                                 "IM Address", "Dial-in Number", "Collaboration Room"}));
    QCOMPARE(FieldData(18, true).name, QString());
    QCOMPARE(FieldData(-1, true).group, 0);
  }

  void rolesAndBounds() {
    RAZ::Configuration::Config config(xml({21}), QString());
    ContactCardFieldsModel model(&config);
    const QHash<int, QByteArray> names = model.roleNames();
    QCOMPARE(names.value(361), QByteArray("fieldType"));
    QCOMPARE(names.value(316), QByteArray("fieldGroup"));
    QCOMPARE(names.value(362), QByteArray("fieldName"));
    QCOMPARE(names.value(2), QByteArray("fieldEditable"));
    QCOMPARE(names.value(0), QByteArray("display"));  // the base model's names stay
    QVERIFY(!model.data(model.index(1), 361).isValid());
    QVERIFY(!model.data(model.index(-1), 361).isValid());
    QVERIFY(!model.data(model.index(0), Qt::DisplayRole).isValid());
    ContactCardFieldsModel none(nullptr);
    QCOMPARE(none.rowCount(), 0);
  }

  void languageChangeRelabelsWithoutReset() {
    RAZ::Configuration::Config config(xml({21, 22}), QString());
    ContactCardFieldsModel model(&config);
    QSignalSpy reset(&model, SIGNAL(modelReset()));
    QSignalSpy changed(&model, SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&model, &change);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex().row(), 0);
    QCOMPARE(changed.first().at(1).toModelIndex().row(), 1);
    QCOMPARE(changed.first().at(2).value<QVector<int>>(), QVector<int>({362}));
  }
};

ZENT_TEST_MAIN(TestContactCardFields, QCoreApplication)
#include "tst_contactcard_fields.moc"

// The strict message handler itself, seen from outside (tests/CMakeLists.txt
// runs each function alone and reads what the run reported): a scene
// warning fails the test function it came from, a broken connection ends
// the run, and a quiet function passes.
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QScopedPointer>
#include <QtTest>

#include "TestSupport.h"

class StrictProbe : public QObject {
  Q_OBJECT

 private slots:
  void sceneWarning() {
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.0\nItem { width: noSuchName }\n",
                      QUrl(QStringLiteral("qrc:/probe/Probe.qml")));
    QScopedPointer<QObject> item(component.create());
    QVERIFY(item);
  }

  void brokenConnection() {
    QObject sender;
    QObject receiver;
    QObject::connect(&sender, SIGNAL(noSuchSignal()), &receiver, SLOT(deleteLater()));
  }

  void quiet() { QVERIFY(true); }
};

ZENT_TEST_MAIN(StrictProbe, QGuiApplication)
#include "tst_strict_probe.moc"

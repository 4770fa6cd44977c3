// The window services as the running program offers them: the help page of
// the sign-in window, and Qt's own texts in the interface language.
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QPushButton>
#include <QUrlQuery>
#include <QtTest>

#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Application.h"
#include "TestSupport.h"
#include "Utils/AppPaths.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/utils/Style.h"
#include "libqml/window/View.h"

namespace {

const bool g_environment = ZentTest::useTemporaryHome("zent-test-windowframework-", true);

Application* app() { return static_cast<Application*>(qApp); }

// Stands in for the desktop's opener of local files.
class FakeOpener : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened << url; }
};

}  // namespace

class TestAppWindowFramework : public QObject {
  Q_OBJECT

 private:
  QML::Style* m_style = nullptr;
  FakeOpener m_opener;

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    m_style = new QML::Style(nullptr);
    AppPaths::setExecutableDirOverride(qEnvironmentVariable("ZENT_DIST_DIR"));
    QVERIFY(app()->initialize());
    ZentTest::installStrictMessageHandler();
    QVERIFY(app()->loginWindow());
    QDesktopServices::setUrlHandler("file", &m_opener, "open");
  }

  void cleanupTestCase() {
    QDesktopServices::unsetUrlHandler("file");
    AppPaths::setExecutableDirOverride(QString());
    delete m_style;
  }

  void f1AtTheSigninWindowOpensTheShippedPage() {
    QML::LoginWindow* w = app()->loginWindow();
    w->showAndActivate();
    QVERIFY(QTest::qWaitForWindowActive(w));
    m_opener.opened.clear();
    QTest::keyClick(w->view(), Qt::Key_F1);
    QTRY_COMPARE(m_opener.opened.size(), 1);
    const QUrl url = m_opener.opened.first();
    QVERIFY2(url.isLocalFile(), qPrintable(url.toString()));
    QVERIFY2(QFile::exists(url.toLocalFile()), qPrintable(url.toLocalFile()));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue("context"), QString("loginWindow"));
    QCOMPARE(query.queryItemValue("lang"), app()->language());
  }

  void qtTextsFollowTheInterfaceLanguage() {
    // The shipped tree under the "C" locale speaks Spanish.
    QCOMPARE(app()->language(), QString("es"));
    auto* w = Dialogs::MessageWindow::showQuestion(
        "T", "Q?", false, QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
    QCOMPARE(w->buttonBox()->button(QDialogButtonBox::Ok)->text(), QString("Aceptar"));
    QCOMPARE(w->buttonBox()->button(QDialogButtonBox::Cancel)->text(), QString("Cancelar"));
    QCOMPARE(w->buttonBox()->button(QDialogButtonBox::Yes)->text().remove('&'),
             QString::fromUtf8("Sí"));
    w->close();
  }
};

ZENT_TEST_MAIN(TestAppWindowFramework, Application)
#include "tst_app_windowframework.moc"

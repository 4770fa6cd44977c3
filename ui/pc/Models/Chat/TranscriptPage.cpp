#include "Models/Chat/TranscriptPage.h"

#include <QWebFrame>
#include <QWebPage>
#include <QWebSettings>

#include <RAZ/Controllers/ChatInterface.h>
#include <TP/Core/Logging.h>

#include "Models/Chat/MessageModel.h"
#include "libqml/items/WebView.h"

namespace Models {
namespace Chat {

namespace {
const char kBaseUrl[] = "qrc:/windows/CommunicationsWindow/Chat/";
}

// ---------------------------------------------------------------------------

TranscriptPage::TranscriptPage(MessageModel* model, QWebPage* page, QObject* parent)
    : QObject(parent), m_model(model), m_page(page), m_bridge(new TranscriptBridge(this)) {
  m_bridge->setModel(model);
  page->setNetworkAccessManager(new RestrictedNetworkAccess(page));
  page->setLinkDelegationPolicy(QWebPage::DelegateAllLinks);
  page->settings()->setAttribute(QWebSettings::JavascriptEnabled, true);
  page->settings()->setAttribute(QWebSettings::PluginsEnabled, false);
  page->settings()->setAttribute(QWebSettings::JavaEnabled, false);
  connect(page->mainFrame(), SIGNAL(javaScriptWindowObjectCleared()), this, SLOT(publishBridge()));
  connect(page, SIGNAL(loadFinished(bool)), this, SLOT(loadFinished(bool)));
  connect(page, SIGNAL(linkClicked(QUrl)), this, SLOT(linkClicked(QUrl)));
  connect(model, SIGNAL(htmlChanged()), this, SLOT(reload()));
  connect(model, SIGNAL(messageAdded(QVariant, QVariant)), this,
          SLOT(addMessage(QVariant, QVariant)));
  connect(model, SIGNAL(contactNameChanged(QVariant, QVariant)), this,
          SLOT(contactNameChanged(QVariant, QVariant)));
  connect(model, SIGNAL(stateChanged(QVariant, QVariant)), this,
          SLOT(ftStateChanged(QVariant, QVariant)));
  connect(model, SIGNAL(progressChanged(QVariant, QVariant, QVariant)), this,
          SLOT(ftProgressChanged(QVariant, QVariant, QVariant)));
  reload();
}

TranscriptPage::~TranscriptPage() = default;

QString TranscriptPage::jsString(const QString& text) { return TranscriptBridge::jsString(text); }

void TranscriptPage::reload() {
  if (!m_page || !m_model) return;
  m_page->mainFrame()->setHtml(m_model->htmlContent(), QUrl(QString::fromLatin1(kBaseUrl)));
}

void TranscriptPage::publishBridge() {
  if (m_page) m_page->mainFrame()->addToJavaScriptWindowObject(QStringLiteral("qml"), m_bridge);
}

void TranscriptPage::loadFinished(bool ok) {
  if (!ok)
    TP_LOG("Models::Chat::TranscriptPage::loadFinished", TP::Core::Logging::LevelWarning)
        << "The page did not load";
  if (m_model) m_model->pageLoadFinished();
}

void TranscriptPage::linkClicked(const QUrl& url) {
  if (WebLinkRouter::open(url)) emit linkActivated(url);
}

QVariant TranscriptPage::run(const QString& script) {
  if (!m_page) return QVariant();
  return m_page->mainFrame()->evaluateJavaScript(script);
}

void TranscriptPage::addMessage(QVariant html, QVariant prepend) {
  m_bridge->setLastMessage(html.toString());
  run(QStringLiteral("addMessage(%1);")
          .arg(prepend.toBool() ? QStringLiteral("true") : QStringLiteral("false")));
}

void TranscriptPage::contactNameChanged(QVariant contactId, QVariant name) {
  m_bridge->setLastMessage(name.toString());
  run(QStringLiteral("changeName(") + jsString(contactId.toString()) + QStringLiteral(");"));
}

void TranscriptPage::ftStateChanged(QVariant id, QVariant innerHtml) {
  m_bridge->setLastMessage(innerHtml.toString());
  run(QStringLiteral("updateFt(") + jsString(id.toString()) + QStringLiteral(");"));
}

void TranscriptPage::ftProgressChanged(QVariant id, QVariant percent, QVariant bytes) {
  run(QStringLiteral("setFtProgress(") + jsString(id.toString()) + QStringLiteral(", ") +
      QString::number(percent.toInt()) + QStringLiteral(", ") + jsString(bytes.toString()) +
      QStringLiteral(");"));
}

}  // namespace Chat
}  // namespace Models

#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QObject>
#include <QRegularExpression>

// Element "QmlClipboardAdapter": lets a scene put text on the clipboard and
// paste numbers into the dial pads.
class QmlClipboardAdapter : public QObject {
  Q_OBJECT

 public:
  explicit QmlClipboardAdapter(QObject* parent = nullptr) : QObject(parent) {}

  Q_INVOKABLE void setText(const QString& text) {
    QClipboard* c = QGuiApplication::clipboard();
    if (!c) return;
    c->setText(text, QClipboard::Clipboard);
    if (c->supportsSelection()) c->setText(text, QClipboard::Selection);
  }
  Q_INVOKABLE QString getText() const {
    QClipboard* c = QGuiApplication::clipboard();
    return c ? c->text(QClipboard::Clipboard) : QString();
  }
  // The clipboard text as a dial string: only "1234567890+#*," kept, and a
  // "+" only as the first character.
  Q_INVOKABLE QString getDialpadText() const { return dialpadText(getText()); }
  static QString dialpadText(QString text) {
    static const QRegularExpression notDialable(QStringLiteral("[^1234567890+#*,]"));
    static const QRegularExpression innerPlus(QStringLiteral("(.)\\+*"));
    text.remove(notDialable);
    return text.replace(innerPlus, QStringLiteral("\\1"));
  }
};

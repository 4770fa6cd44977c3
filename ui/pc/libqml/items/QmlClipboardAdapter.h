#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QObject>

// Element "QmlClipboardAdapter": lets a scene put text on the clipboard.
class QmlClipboardAdapter : public QObject {
  Q_OBJECT

 public:
  explicit QmlClipboardAdapter(QObject* parent = nullptr) : QObject(parent) {}

  Q_INVOKABLE void setText(const QString& text) {
    if (QClipboard* c = QGuiApplication::clipboard()) c->setText(text);
  }
};

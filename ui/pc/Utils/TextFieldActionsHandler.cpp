#include "Utils/TextFieldActionsHandler.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>

namespace Utils {

TextFieldActionsHandler::TextFieldActionsHandler(QObject* parent) : QObject(parent) {}

void TextFieldActionsHandler::setSelectedText(const QString& text) {
  if (text == m_selectedText) return;
  m_selectedText = text;
  emit selectedTextChanged();
}

QList<QAction*> TextFieldActionsHandler::createActions(QObject* parent, bool isPassword) const {
  QList<QAction*> actions;
  const auto add = [&](const QString& text, QKeySequence::StandardKey key, const char* signal) {
    auto* action = new QAction(text, parent);
    action->setShortcut(QKeySequence(key));
    connect(action, SIGNAL(triggered()), this, signal);
    actions.append(action);
    return action;
  };

  if (!m_selectedText.isEmpty()) {
    add(tr("Cut"), QKeySequence::Cut, SIGNAL(cut()))->setEnabled(!isPassword);
    add(tr("Copy"), QKeySequence::Copy, SIGNAL(copy()))->setEnabled(!isPassword);
  }
  const QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard && !clipboard->text(QClipboard::Clipboard).isEmpty())
    add(tr("Paste"), QKeySequence::Paste, SIGNAL(paste()));

  auto* separator = new QAction(parent);
  separator->setSeparator(true);
  actions.append(separator);

  add(tr("Select All"), QKeySequence::SelectAll, SIGNAL(selectAll()));
  return actions;
}

}  // namespace Utils

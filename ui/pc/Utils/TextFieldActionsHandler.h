#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;

namespace Utils {

// The Cut, Copy, Paste and Select All entries of a scene's text-field menu.
// The entries edit nothing themselves: they emit signals the scene answers
// by calling its focused field's own cut(), copy(), paste() or selectAll(),
// so the field keeps its undo history and its password rules.
class TextFieldActionsHandler : public QObject {
  Q_OBJECT
  // The focused field's current selection, written by the scene (empty for
  // a password field, whose selection must never leave it).
  Q_PROPERTY(
      QString selectedText READ selectedText WRITE setSelectedText NOTIFY selectedTextChanged)

 public:
  explicit TextFieldActionsHandler(QObject* parent = nullptr);

  QString selectedText() const { return m_selectedText; }
  void setSelectedText(const QString& text);

  // New entries owned by `parent` (typically the menu that shows them):
  // Cut and Copy when something is selected (disabled in a password field),
  // Paste when the clipboard holds text, a separator and Select All.
  Q_INVOKABLE QList<QAction*> createActions(QObject* parent, bool isPassword) const;

 signals:
  void copy();
  void cut();
  void paste();
  void selectAll();
  void selectedTextChanged();

 private:
  QString m_selectedText;
};

}  // namespace Utils

#pragma once

#include <QAbstractListModel>
#include <QObject>
#include <QString>
#include <QStringList>

#include <tp/core/RefCountable.h>

namespace RAZ {
namespace Models {

// The emoticon set of chat transcripts; created for each session and shared
// through TP::Core::Refcounting::SmartPtr (the last holder deletes it). As a
// list it has one row per picture: "fileName" (its qrc: address) and "text"
// (the emoticon texts of the picture, separated by blanks).
class SmileysPtr : public QAbstractListModel, public TP::Core::RefCountable {
  Q_OBJECT

 public:
  enum Roles { FileNameRole = Qt::UserRole + 1, TextRole };

  explicit SmileysPtr(QObject* parent = nullptr);
  ~SmileysPtr() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QHash<int, QByteArray> roleNames() const override;

  // The emoticon texts the set knows, e.g. ":-)".
  QStringList codes() const;
  // The resource path of the emoticon's picture, or empty.
  QString imageFor(const QString& code) const;

  // Replaces every emoticon text by a token of the set. Tokens are single
  // characters of Unicode's private-use area; any such character already in
  // the text is kept behind a literal mark (isLiteralMark), so typed text can
  // never pass for a token and still reads as typed. Tokens contain no
  // blank, markup character or letter: escaping and link detection leave
  // them as they are, but a link must not end between a mark and its
  // character.
  QString replaceSmileysWithUid(const QString& text) const;
  // Replaces every token by the emoticon's image markup of the given size
  // (its alt text is the emoticon's code), and every marked private-use
  // character by its character reference.
  QString replaceUidsWithImgs(const QString& text, int width, int height) const;
  // True for a character that replaceSmileysWithUid uses (or removes).
  static bool isTokenCharacter(QChar c);
  // The private-use character that marks the one after it as typed text.
  static bool isLiteralMark(QChar c);
};

}  // namespace Models
}  // namespace RAZ

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <tp/core/RefCountable.h>

namespace RAZ {
namespace Models {

// The emoticon set of chat transcripts; created for each session and shared
// through TP::Core::Refcounting::SmartPtr (the last holder deletes it).
class SmileysPtr : public QObject, public TP::Core::RefCountable {
  Q_OBJECT

 public:
  explicit SmileysPtr(QObject* parent = nullptr);
  ~SmileysPtr() override;

  // The emoticon texts the set knows, e.g. ":-)".
  QStringList codes() const;
  // The resource path of the emoticon's picture, or empty.
  QString imageFor(const QString& code) const;

  // Replaces every emoticon text by a token of the set. Tokens are single
  // characters of Unicode's private-use area; any such character already in
  // the text is removed first, so typed text can never pass for a token.
  // Tokens contain no blank, markup character or letter: escaping and link
  // detection leave them as they are.
  QString replaceSmileysWithUid(const QString& text) const;
  // Replaces every token by the emoticon's image markup of the given size.
  QString replaceUidsWithImgs(const QString& text, int width, int height) const;
  // True for a character that replaceSmileysWithUid uses (or removes).
  static bool isTokenCharacter(QChar c);
};

}  // namespace Models
}  // namespace RAZ

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
};

}  // namespace Models
}  // namespace RAZ

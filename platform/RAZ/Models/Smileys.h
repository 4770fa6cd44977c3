#pragma once

#include <QObject>

namespace RAZ {
namespace Models {

// The emoticon set of chat transcripts; created for each session.
class SmileysPtr : public QObject {
  Q_OBJECT

 public:
  explicit SmileysPtr(QObject* parent = nullptr);
  ~SmileysPtr() override;
};

}  // namespace Models
}  // namespace RAZ

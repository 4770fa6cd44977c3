#pragma once

#include <QPointer>

#include "libqml/window/View.h"

class QTimer;

namespace QML {

// The contact card shown while the mouse rests over a contact; it hides
// itself a while after its contact was last set.
class ContactMouseOver : public View {
  Q_OBJECT
  Q_PROPERTY(QObject* contact READ contact WRITE setContact NOTIFY contactChanged)
  Q_PROPERTY(int affiliation READ affiliation WRITE setAffiliation NOTIFY affiliationChanged)

 public:
  static const int HideAfterMs = 5000;
  static const char* const SourceUrl;

  explicit ContactMouseOver(QWidget* parent = nullptr);

  bool activate();

  QObject* contact() const { return m_contact.data(); }
  void setContact(QObject* contact);
  int affiliation() const { return m_affiliation; }
  QTimer* hideTimer() const { return m_hideTimer; }

 public slots:
  void setAffiliation(int affiliation);

 signals:
  void contactChanged();
  void affiliationChanged();

 private:
  // The contact belongs to the contact store; the card only observes it.
  QPointer<QObject> m_contact;
  int m_affiliation = 0;
  QTimer* m_hideTimer = nullptr;
};

}  // namespace QML

#pragma once

#include <QPointer>
#include <QStringList>

#include "libqml/window/View.h"

class QTimer;

namespace QML {

// The contact card shown while the mouse rests over a contact; it hides
// itself a while after its contact was last set. It never takes the focus:
// it is a tool tip of the list it was shown for.
class ContactMouseOver : public View {
  Q_OBJECT
  Q_PROPERTY(QObject* contact READ contact WRITE setContact NOTIFY contactChanged)
  Q_PROPERTY(int affiliation READ affiliation WRITE setAffiliation NOTIFY affiliationChanged)
  // What the card shows of its contact, kept current while it is shown.
  Q_PROPERTY(QString presenceText READ presenceText NOTIFY detailsChanged)
  Q_PROPERTY(QStringList numbers READ numbers NOTIFY detailsChanged)

 public:
  static const int HideAfterMs = 5000;
  static const char* const SourceUrl;

  explicit ContactMouseOver(QWidget* parent = nullptr);

  bool activate();

  QObject* contact() const { return m_contact.data(); }
  void setContact(QObject* contact);
  int affiliation() const { return m_affiliation; }
  QTimer* hideTimer() const { return m_hideTimer; }

  // The availability of the contact in words; empty without a contact.
  QString presenceText() const;
  // "Label: number" for every number the contact has.
  QStringList numbers() const;

  // Where the card goes for the cursor at `cursor` on a screen whose
  // available area is `available`: beside the cursor, flipped to its other
  // side where it would leave that area.
  static QPoint placeFor(const QPoint& cursor, const QSize& card, const QRect& available);
  // Places the card at the cursor and shows it without activating it.
  void showAtCursor();

 public slots:
  void setAffiliation(int affiliation);

 signals:
  void contactChanged();
  void affiliationChanged();
  void detailsChanged();

 private:
  // The contact belongs to the contact store; the card only observes it.
  QPointer<QObject> m_contact;
  int m_affiliation = 0;
  QTimer* m_hideTimer = nullptr;
};

}  // namespace QML

#pragma once

#include <QColor>
#include <QWidget>

namespace Widgets {

// A bar meter of a signal level: green up to 70 % of its width, yellow to
// 90 %, red above, drawn as 3-pixel bars at a 5-pixel pitch.
class LevelIndicatorWidget : public QWidget {
  Q_OBJECT

 public:
  explicit LevelIndicatorWidget(QWidget* parent = nullptr);

  long limit() const { return m_limit; }
  long level() const { return m_level; }
  int firstSegment() const { return m_first; }
  int secondSegment() const { return m_second; }
  int thirdSegment() const { return m_third; }

 public slots:
  void onSignalLevelNormChanged(double value);
  void onSignalLevelAbsChanged(long abs_value);
  void onSignalLimitAbsChanged(long abs_limit);

 protected:
  void paintEvent(QPaintEvent* e) override;
  virtual void drawSegment(QPainter& painter, int height, int start, int length,
                           const QColor& colour);

 private:
  long m_limit = 100;
  long m_level = 0;
  int m_first = 0;
  int m_second = 0;
  int m_third = 0;
};

}  // namespace Widgets

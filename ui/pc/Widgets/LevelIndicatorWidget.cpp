#include "Widgets/LevelIndicatorWidget.h"

#include <QPainter>

namespace Widgets {

LevelIndicatorWidget::LevelIndicatorWidget(QWidget* parent) : QWidget(parent) {}

void LevelIndicatorWidget::onSignalLimitAbsChanged(long abs_limit) {
  m_limit = abs_limit;
  onSignalLevelAbsChanged(m_level);
}

void LevelIndicatorWidget::onSignalLevelAbsChanged(long abs_value) {
  m_level = abs_value;
  if (m_limit > 0) onSignalLevelNormChanged(static_cast<double>(abs_value) / m_limit);
}

namespace {
// Truncates a length toward zero, forgiving the rounding error of the
// fractions (1.0 - 0.9 is a little less than 0.1 in doubles, which would
// lose the full tenth of the width at the top of the scale).
int length(double fraction, int width) { return static_cast<int>(fraction * width + 1e-9); }
}  // namespace

void LevelIndicatorWidget::onSignalLevelNormChanged(double v) {
  const int w = width();
  if (v <= 0.7) {
    m_first = length(v, w);
    m_second = 0;
    m_third = 0;
  } else if (v <= 0.9) {
    m_first = length(0.7, w);
    m_second = length((v - 0.7), w);
    m_third = 0;
  } else {
    m_first = length(0.7, w);
    m_second = length((0.9 - 0.7), w);
    m_third = length((v - 0.9), w);
  }
  update();
}

void LevelIndicatorWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int h = height();
  if (m_first > 0) drawSegment(painter, h, 0, m_first, Qt::darkGreen);
  if (m_second > 0) drawSegment(painter, h, m_first, m_second, Qt::yellow);
  if (m_third > 0) drawSegment(painter, h, m_first + m_second, m_third, Qt::red);
}

void LevelIndicatorWidget::drawSegment(QPainter& painter, int height, int start, int length,
                                       const QColor& colour) {
  painter.setBrush(QBrush(colour, Qt::SolidPattern));
  painter.setPen(QPen(colour));
  for (int x = start; x < start + length; x += 5)
    painter.fillRect(QRect(QPoint(x, 0), QPoint(x + 2, height - 1)), colour);
}

}  // namespace Widgets

#pragma once
// The small widgets the date picker is built from: labels that report a press and a
// click, faint background numbers, spinners, and the fonts and colours of the window.
// Positions are absolute, as the picker lays out its grid by pixel.

#include <QFont>
#include <QLabel>
#include <QRect>
#include <functional>

#include "calendar/month_grid.h"

class QSpinBox;

namespace lumo::dateui {

// A label that calls back on a left-button press and on a click released over it.
class ClickLabel final : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> pressed;
  std::function<void()> clicked;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// 宋体 at 12 pixels where the machine has it, the application's CJK font otherwise.
QFont windowFont();
// The day numbers: the window's font at 11 points.
QFont dayNumberFont(const QFont& windowFont);

QLabel* plainLabel(QWidget* parent, const QString& text, const QRect& geometry);
ClickLabel* clickLabel(QWidget* parent, const QRect& geometry, const QString& name,
                       std::function<void()> clicked);
void onPress(QLabel* label, std::function<void()> pressed);
// A faint number drawn behind the grid.
QLabel* backgroundNumber(QWidget* parent, int pixelSize, const QRect& geometry, const QString& name);
QSpinBox* spinner(QWidget* parent, const QRect& geometry, const QString& name, int minimum, int maximum);

void setPixelFont(QLabel* label, int pixelSize);
void setTextColour(QLabel* label, calendar::Rgb colour);
QColor toColour(calendar::Rgb colour);
// A style sheet that fills a widget with one colour.
QString fillStyle(calendar::Rgb colour);

}  // namespace lumo::dateui

#include "calendar/date_cells_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSpinBox>
#include <utility>

namespace lumo::dateui {

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressed) pressed();
  QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  bool over = rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton && over && clicked) clicked();
  QLabel::mouseReleaseEvent(event);
}

QFont windowFont() {
  QFont font = QApplication::font();
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QApplication::font().family()});
  font.setPixelSize(12);
  return font;
}

QFont dayNumberFont(const QFont& windowFont) {
  QFont font = windowFont;
  font.setPointSize(11);
  return font;
}

QLabel* plainLabel(QWidget* parent, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setAttribute(Qt::WA_TranslucentBackground);
  return label;
}

ClickLabel* clickLabel(QWidget* parent, const QRect& geometry, const QString& name,
                       std::function<void()> clicked) {
  auto* label = new ClickLabel(parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setCursor(Qt::PointingHandCursor);
  label->clicked = std::move(clicked);
  return label;
}

void onPress(QLabel* label, std::function<void()> pressed) {
  if (auto* click = dynamic_cast<ClickLabel*>(label)) click->pressed = std::move(pressed);
}

QLabel* backgroundNumber(QWidget* parent, int pixelSize, const QRect& geometry, const QString& name) {
  QLabel* label = plainLabel(parent, QString(), geometry);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  setPixelFont(label, pixelSize);
  setTextColour(label, {232, 236, 240});
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QSpinBox* spinner(QWidget* parent, const QRect& geometry, const QString& name, int minimum, int maximum) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setGeometry(geometry);
  spin->setRange(minimum, maximum);
  return spin;
}

void setPixelFont(QLabel* label, int pixelSize) {
  QFont font = label->font();
  font.setPixelSize(pixelSize);
  label->setFont(font);
}

QColor toColour(calendar::Rgb colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

void setTextColour(QLabel* label, calendar::Rgb colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, toColour(colour));
  label->setPalette(palette);
}

QString fillStyle(calendar::Rgb colour) {
  return QStringLiteral("background-color: rgb(%1, %2, %3);")
      .arg(colour.red)
      .arg(colour.green)
      .arg(colour.blue);
}

}  // namespace lumo::dateui

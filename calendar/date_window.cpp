#include "calendar/date_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <utility>

#include "calendar/clock.h"
#include "calendar/date_cells_window.h"

namespace lumo {
namespace {

TFRM_Date::Selection g_selection;

// Where cell 1 sits; every cell is 42 pixels right of the previous one and a row is 32
// pixels high.
constexpr int kDayLeft = 14, kDayTop = 56, kLunarLeft = 13, kLunarTop = 73;
constexpr int kCellWidth = 42, kRowHeight = 32, kLabelWidth = 36;
constexpr int kWindowWidth = 316, kWindowHeight = 316;
// The lower weekday row starts this far below the top of the last week's lunar labels.
constexpr int kLowerRowGap = 20;

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TFRM_Date::Selection TFRM_Date::selection() {
  return g_selection;
}

TFRM_Date::TFRM_Date(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("TFRM_Date");
  setWindowTitle(QStringLiteral("Velto日历"));
  setFont(dateui::windowFont());
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setFixedSize(kWindowWidth, kWindowHeight);

  m_backYear = dateui::backgroundNumber(this, 64, QRect(20, 62, 276, 80), "BackYear");
  m_backMonth = dateui::backgroundNumber(this, 120, QRect(20, 120, 276, 130), "BackMonth");
  m_frame = new QLabel(this);
  m_frame->setObjectName("SelectionFrame");
  m_frame->setAutoFillBackground(true);
  m_frame->setStyleSheet(dateui::fillStyle(calendar::kSelectionColour));
  m_frame->setGeometry(kLunarLeft, kDayTop + 1, kLabelWidth + 2, kRowHeight - 1);
  buildCaptions();
  buildWeekdayRow(38);
  buildGrid();
  m_lowerWeekdays = buildWeekdayRow(kLunarTop + 5 * kRowHeight + kLowerRowGap);
  for (int col = 0; col < calendar::kGridColumns; ++col)
    m_lowerWeekdays[static_cast<std::size_t>(col)]->setObjectName("LowerWeekday" + QString::number(col));
  buildFooter();

  if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  m_current = today();
}

void TFRM_Date::buildCaptions() {
  m_yearCaption = dateui::clickLabel(this, QRect(8, 2, 74, 34), "YearCaption", [this] {
    m_yearSpin->show();
    m_monthSpin->hide();
  });
  dateui::setPixelFont(m_yearCaption, 29);
  dateui::setTextColour(m_yearCaption, {0, 0, 255});
  m_yearCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_yearCaption->setToolTip(QStringLiteral("单击改变年份"));
  dateui::plainLabel(this, QStringLiteral("年"), QRect(84, 12, 14, 18));
  m_yearSpin = dateui::spinner(this, QRect(100, 9, 62, 22), "SpinYear", calendar::kFirstGridYear,
                               calendar::kLastGridYear);

  m_monthCaption = dateui::clickLabel(this, QRect(164, 0, 44, 38), "MonthCaption", [this] {
    m_monthSpin->show();
    m_yearSpin->hide();
  });
  dateui::setPixelFont(m_monthCaption, 32);
  m_monthCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_monthCaption->setToolTip(QStringLiteral("单击改变月份"));
  dateui::plainLabel(this, QStringLiteral("月"), QRect(210, 12, 14, 18));
  m_monthSpin = dateui::spinner(this, QRect(226, 9, 46, 22), "SpinMonth", 1, 12);

  auto changed = [this](int) { spinnerChanged(); };
  connect(m_yearSpin, &QSpinBox::valueChanged, this, changed);
  connect(m_monthSpin, &QSpinBox::valueChanged, this, changed);
}

std::array<QLabel*, calendar::kGridColumns> TFRM_Date::buildWeekdayRow(int top) {
  std::array<QLabel*, calendar::kGridColumns> row{};
  static const char* const kNames[calendar::kGridColumns] = {"星期日", "星期一", "星期二", "星期三",
                                                             "星期四", "星期五", "星期六"};
  for (int col = 0; col < calendar::kGridColumns; ++col) {
    QLabel* label = dateui::plainLabel(this, QString::fromUtf8(kNames[col]),
                                       QRect(kLunarLeft - 3 + col * kCellWidth, top, kCellWidth, 16));
    label->setAlignment(Qt::AlignCenter);
    bool weekend = col == 0 || col == calendar::kGridColumns - 1;
    dateui::setTextColour(label, weekend ? calendar::Rgb{255, 0, 0} : calendar::Rgb{});
    row[static_cast<std::size_t>(col)] = label;
  }
  return row;
}

void TFRM_Date::placeLowerWeekdays() {
  int lastRow = m_view.days.empty() ? 5 : calendar::rowOfCell(m_view.lastCell());
  for (QLabel* label : m_lowerWeekdays)
    label->move(label->x(), kLunarTop + lastRow * kRowHeight + kLowerRowGap);
}

void TFRM_Date::buildGrid() {
  for (int cell = 1; cell <= calendar::kGridCells; ++cell) {
    const int dx = calendar::columnOfCell(cell) * kCellWidth, dy = calendar::rowOfCell(cell) * kRowHeight;
    const std::size_t i = static_cast<std::size_t>(cell - 1);
    QLabel* number =
        dateui::clickLabel(this, QRect(kDayLeft + dx, kDayTop + dy, kLabelWidth, 16),
                           "DayNumber" + QString::number(cell), [this, cell] { selectDay(dayOfCell(cell)); });
    QLabel* lunar = dateui::clickLabel(this, QRect(kLunarLeft + dx, kLunarTop + dy, kLabelWidth, 14),
                                       "LunarLabel" + QString::number(cell),
                                       [this, cell] { selectDay(dayOfCell(cell)); });
    dateui::onPress(number, [this, number] { placeFrame(number->x() - 1, number->y() + 1); });
    dateui::onPress(lunar, [this, lunar] { placeFrame(lunar->x(), lunar->y() - 16); });
    number->setFont(dateui::dayNumberFont(font()));
    number->setAlignment(Qt::AlignCenter);
    lunar->setAlignment(Qt::AlignCenter);
    number->hide();
    lunar->hide();
    m_dayLabels[i] = number;
    m_lunarLabels[i] = lunar;
  }
}

void TFRM_Date::buildFooter() {
  m_zodiac = dateui::plainLabel(this, QString(), QRect(10, 270, 100, 42));
  m_zodiac->setObjectName("ZodiacCaption");
  dateui::setPixelFont(m_zodiac, 35);
  m_starSign = dateui::plainLabel(this, QString(), QRect(120, 282, 90, 24));
  m_starSign->setObjectName("StarSignCaption");
  dateui::setPixelFont(m_starSign, 19);
  QLabel* today = dateui::clickLabel(this, QRect(240, 280, 56, 26), "TodayBox", [this] {
    m_current = lumo::today();
    showCurrentDate();
  });
  today->setText(QStringLiteral("今天"));
  today->setAlignment(Qt::AlignCenter);
  today->setFrameShape(QFrame::Box);
}

void TFRM_Date::showMonth(int year, int month, int day) {
  m_view = calendar::buildMonthView(year, month, day);
  m_yearCaption->setText(QString::number(m_view.year));
  m_backYear->setText(QString::number(m_view.year));
  m_monthCaption->setText(QString::number(m_view.month));
  m_backMonth->setText(QString::number(m_view.month));
  for (std::size_t i = 0; i < m_dayLabels.size(); ++i) {
    m_dayLabels[i]->hide();
    m_lunarLabels[i]->hide();
  }
  for (const calendar::DayCell& cell : m_view.days) {
    const std::size_t i = static_cast<std::size_t>(cell.cell - 1);
    m_dayLabels[i]->setText(QString::number(cell.day));
    dateui::setTextColour(m_dayLabels[i], {});
    m_lunarLabels[i]->setText(qs(cell.label));
    dateui::setTextColour(m_lunarLabels[i], calendar::labelColour(cell.kind));
    m_dayLabels[i]->show();
    m_lunarLabels[i]->show();
  }
  QLabel* selected = m_dayLabels[static_cast<std::size_t>(m_view.cellOfDay(m_view.selectedDay) - 1)];
  placeFrame(selected->x() - 1, selected->y() + 1);
  placeLowerWeekdays();
  m_zodiac->setText(qs(m_view.zodiac));
  m_starSign->setText(qs(m_view.starSign));
}

void TFRM_Date::showCurrentDate() {
  g_selection = {m_current.year, m_current.month, m_current.day};
  {
    QSignalBlocker blockYear(m_yearSpin), blockMonth(m_monthSpin);
    m_yearSpin->setValue(m_current.year);
    m_monthSpin->setValue(m_current.month);
  }
  showMonth(m_current.year, m_current.month, m_current.day);
  // A date outside the calendar's years is shown at the nearest year it has.
  g_selection.year = m_view.year;
}

void TFRM_Date::spinnerChanged() {
  g_selection.year = m_yearSpin->value();
  g_selection.month = m_monthSpin->value();
  showMonth(g_selection.year, g_selection.month, g_selection.day);
}

void TFRM_Date::placeFrame(int left, int top) {
  m_frame->move(left, top);
}

int TFRM_Date::dayOfCell(int cell) const {
  return cell - m_view.firstCell() + 1;
}

// Selecting a day does not redraw the grid, but the captions that describe the
// selected day follow it.
void TFRM_Date::selectDay(int day) {
  g_selection.day = day;
  m_current = {g_selection.year, g_selection.month, day};
  m_view.selectedDay = day;
  showSelectedCaptions();
}

void TFRM_Date::showSelectedCaptions() {
  calendar::DayCaptions captions = calendar::dayCaptions(m_view.year, m_view.month, m_view.selectedDay);
  m_view.zodiac = std::move(captions.zodiac);
  m_view.starSign = std::move(captions.starSign);
  m_zodiac->setText(qs(m_view.zodiac));
  m_starSign->setText(qs(m_view.starSign));
}

void TFRM_Date::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_yearSpin->show();
  m_monthSpin->show();
  showCurrentDate();
}

bool TFRM_Date::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate && isVisible()) {
    bool handled = QDialog::event(event);
    reject();
    return handled;
  }
  return QDialog::event(event);
}

}  // namespace lumo

#pragma once
// TFRM_Date ("Velto日历"), the perpetual month calendar for 1901 to 2050.
//
// The window shows one month in a 37-cell grid (see calendar/month_grid.h for what each
// cell holds), the year and month captions with their spinners, the zodiac animal of
// the current date and the star sign of the selected day. It closes as soon as it loses
// the focus. The selected year, month and day belong to the process, not to one
// window, so a new instance starts from what the last one held.

#include <QDialog>
#include <array>

#include "calendar/date_serial.h"
#include "calendar/month_grid.h"

class QLabel;
class QSpinBox;

namespace lumo {

class TFRM_Date final : public QDialog {
  Q_OBJECT
 public:
  struct Selection {
    int year = 0;
    int month = 0;
    int day = 0;
  };

  explicit TFRM_Date(QWidget* parent = nullptr);

  // Redraws the grid for year/month and selects `day`, limited to the month's length.
  void showMonth(int year, int month, int day);
  Date currentDate() const { return m_current; }
  const calendar::MonthView& view() const { return m_view; }

  // The selection shared by every instance.
  static Selection selection();

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void buildCaptions();
  std::array<QLabel*, calendar::kGridColumns> buildWeekdayRow(int top);
  // The lower weekday row sits under the month's last week, with no empty row between.
  void placeLowerWeekdays();
  void buildGrid();
  void buildFooter();
  // As when the window is shown: select the current date and show its month.
  void showCurrentDate();
  void spinnerChanged();
  // A press on a cell moves the frame; a click selects the cell's day.
  void placeFrame(int left, int top);
  void selectDay(int day);
  void showSelectedCaptions();
  int dayOfCell(int cell) const;

  std::array<QLabel*, calendar::kGridCells> m_dayLabels{};
  std::array<QLabel*, calendar::kGridCells> m_lunarLabels{};
  std::array<QLabel*, calendar::kGridColumns> m_lowerWeekdays{};
  QLabel* m_yearCaption = nullptr;
  QLabel* m_monthCaption = nullptr;
  QLabel* m_backYear = nullptr;
  QLabel* m_backMonth = nullptr;
  QLabel* m_zodiac = nullptr;
  QLabel* m_starSign = nullptr;
  QLabel* m_frame = nullptr;
  QSpinBox* m_yearSpin = nullptr;
  QSpinBox* m_monthSpin = nullptr;
  Date m_current;
  calendar::MonthView m_view;
};

}  // namespace lumo

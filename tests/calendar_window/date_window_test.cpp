// The date picker offscreen: the grid it draws, the spinners, the selection, "今天",
// the captions and closing when the window is deactivated.
#include "calendar/date_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "calendar/clock.h"
#include "core/commands_window.h"
#include "tests/support/fake_host.h"

namespace lumo {
namespace {

class DatePicker : public ::testing::Test {
 protected:
  void SetUp() override { setToday(Date{2023, 1, 1}); }
  void TearDown() override { setToday(std::nullopt); }

  void open(TFRM_Date& w) {
    w.show();
    QApplication::processEvents();
  }
  QLabel* label(TFRM_Date& w, const QString& name) { return w.findChild<QLabel*>(name); }
  QLabel* dayNumber(TFRM_Date& w, int cell) { return label(w, "DayNumber" + QString::number(cell)); }
  QLabel* lunar(TFRM_Date& w, int cell) { return label(w, "LunarLabel" + QString::number(cell)); }
  QSpinBox* spin(TFRM_Date& w, const char* name) { return w.findChild<QSpinBox*>(name); }
  QColor colourOf(QLabel* l) { return l->palette().color(QPalette::WindowText); }
  std::vector<int> visibleCells(TFRM_Date& w) {
    std::vector<int> cells;
    for (int c = 1; c <= 37; ++c)
      if (!dayNumber(w, c)->isHidden()) cells.push_back(c);
    return cells;
  }
};

TEST_F(DatePicker, WindowAndCaptions) {
  TFRM_Date w;
  open(w);
  EXPECT_EQ(w.windowTitle(), "Velto日历");
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(w.font().pixelSize(), 12);
  EXPECT_EQ(label(w, "YearCaption")->text(), "2023");
  EXPECT_EQ(label(w, "MonthCaption")->text(), "1");
  EXPECT_EQ(label(w, "BackYear")->text(), "2023");
  EXPECT_EQ(label(w, "YearCaption")->toolTip(), "单击改变年份");
  EXPECT_EQ(label(w, "MonthCaption")->toolTip(), "单击改变月份");
  EXPECT_EQ(label(w, "ZodiacCaption")->text(), "寅虎");
  EXPECT_EQ(label(w, "StarSignCaption")->text(), "摩羯座");
  EXPECT_TRUE(spin(w, "SpinYear")->isVisible());
  EXPECT_TRUE(spin(w, "SpinMonth")->isVisible());
  EXPECT_EQ(dayNumber(w, 1)->pos(), QPoint(14, 56));
  EXPECT_EQ(lunar(w, 1)->geometry(), QRect(13, 73, 36, 14));
  EXPECT_EQ(dayNumber(w, 8)->pos(), QPoint(14, 88));
  EXPECT_EQ(dayNumber(w, 37)->pos(), QPoint(14 + 42, 56 + 5 * 32));
  EXPECT_EQ(dayNumber(w, 1)->font().pointSize(), 11);
}

TEST_F(DatePicker, January2023Labels) {
  TFRM_Date w;
  open(w);
  struct Case {
    int cell;
    const char* text;
    QColor colour;
  };
  const Case cases[] = {{1, "元旦节", QColor(255, 128, 0)}, {5, "小寒", QColor(83, 83, 255)},
                        {20, "大寒", QColor(83, 83, 255)},  {21, "除夕", QColor(255, 128, 0)},
                        {22, "春节", QColor(255, 128, 0)},  {2, "十一", QColor(0, 64, 0)}};
  for (const Case& c : cases) {
    EXPECT_EQ(lunar(w, c.cell)->text(), QString::fromUtf8(c.text)) << c.cell;
    EXPECT_EQ(colourOf(lunar(w, c.cell)), c.colour) << c.cell;
    EXPECT_EQ(dayNumber(w, c.cell)->text(), QString::number(c.cell));
    EXPECT_EQ(colourOf(dayNumber(w, c.cell)), QColor(Qt::black));
  }
  EXPECT_EQ(visibleCells(w).size(), 31u);
  EXPECT_EQ(label(w, "SelectionFrame")->pos(), QPoint(13, 57));
}

TEST_F(DatePicker, SaturdayMonthFillsCells7To37) {
  TFRM_Date w;
  open(w);
  spin(w, "SpinMonth")->setValue(7);
  std::vector<int> cells = visibleCells(w);
  ASSERT_EQ(cells.size(), 31u);
  EXPECT_EQ(cells.front(), 7);
  EXPECT_EQ(cells.back(), 37);
  EXPECT_EQ(dayNumber(w, 37)->text(), "31");
  EXPECT_TRUE(lunar(w, 6)->isHidden());
}

// The weekday row under the grid follows the last week: no empty row between them.
TEST_F(DatePicker, LowerWeekdayRowFollowsTheLastWeek) {
  TFRM_Date w;
  open(w);
  auto gapUnderLastWeek = [&](int lastCell) {
    return label(w, "LowerWeekday0")->y() - (lunar(w, lastCell)->y() + lunar(w, lastCell)->height());
  };
  spin(w, "SpinMonth")->setValue(7);  // July 2023: six rows, the last cell 37
  const int sixRows = gapUnderLastWeek(37);
  EXPECT_EQ(label(w, "LowerWeekday0")->y(), 253) << "as drawn for a six-row month";
  spin(w, "SpinMonth")->setValue(1);  // January 2023: five rows, the last cell 31
  EXPECT_EQ(gapUnderLastWeek(31), sixRows);
  EXPECT_EQ(label(w, "LowerWeekday6")->y(), label(w, "LowerWeekday0")->y());
  spin(w, "SpinMonth")->setValue(2);  // February 2023: five rows, the last cell 31
  EXPECT_EQ(gapUnderLastWeek(31), sixRows);
}

TEST_F(DatePicker, February2024AfterThe31st) {
  setToday(Date{2024, 1, 31});
  TFRM_Date w;
  open(w);
  spin(w, "SpinMonth")->setValue(2);
  EXPECT_EQ(visibleCells(w).size(), 29u);
  EXPECT_EQ(w.view().selectedDay, 29);
  QLabel* day29 = dayNumber(w, w.view().cellOfDay(29));
  EXPECT_EQ(day29->text(), "29");
  EXPECT_EQ(label(w, "SelectionFrame")->pos(), day29->pos() + QPoint(-1, 1));
  EXPECT_EQ(TFRM_Date::selection().day, 31) << "the selected day itself stays";
  spin(w, "SpinMonth")->setValue(3);
  EXPECT_EQ(w.view().selectedDay, 31);
}

TEST_F(DatePicker, SpinnerBounds) {
  TFRM_Date w;
  open(w);
  QSpinBox* year = spin(w, "SpinYear");
  QSpinBox* month = spin(w, "SpinMonth");
  EXPECT_EQ(year->minimum(), 1901);
  EXPECT_EQ(year->maximum(), 2050);
  EXPECT_EQ(month->minimum(), 1);
  EXPECT_EQ(month->maximum(), 12);
  year->setValue(1901);
  year->stepDown();
  EXPECT_EQ(year->value(), 1901);
  year->setValue(2050);
  year->stepUp();
  EXPECT_EQ(year->value(), 2050);
  EXPECT_EQ(label(w, "YearCaption")->text(), "2050");
  EXPECT_EQ(TFRM_Date::selection().year, 2050);
}

TEST_F(DatePicker, CaptionClicksSwapTheSpinners) {
  TFRM_Date w;
  open(w);
  QTest::mouseClick(label(w, "YearCaption"), Qt::LeftButton);
  EXPECT_TRUE(spin(w, "SpinYear")->isVisible());
  EXPECT_FALSE(spin(w, "SpinMonth")->isVisible());
  QTest::mouseClick(label(w, "MonthCaption"), Qt::LeftButton);
  EXPECT_TRUE(spin(w, "SpinMonth")->isVisible());
  EXPECT_FALSE(spin(w, "SpinYear")->isVisible());
}

TEST_F(DatePicker, ClickingADaySelectsItWithoutRedrawing) {
  TFRM_Date w;
  open(w);
  QTest::mousePress(lunar(w, 22), Qt::LeftButton);
  EXPECT_EQ(label(w, "SelectionFrame")->pos(), lunar(w, 22)->pos() + QPoint(0, -16));
  QTest::mouseRelease(lunar(w, 22), Qt::LeftButton);
  EXPECT_EQ(w.currentDate(), (Date{2023, 1, 22}));
  EXPECT_EQ(TFRM_Date::selection().day, 22);
  EXPECT_EQ(label(w, "ZodiacCaption")->text(), "卯兔") << "captions follow the selected day";
  QTest::mouseClick(dayNumber(w, 20), Qt::LeftButton);
  EXPECT_EQ(label(w, "SelectionFrame")->pos(), dayNumber(w, 20)->pos() + QPoint(-1, 1));
  EXPECT_EQ(label(w, "StarSignCaption")->text(), "水瓶座");
  EXPECT_EQ(label(w, "ZodiacCaption")->text(), "寅虎");
}

TEST_F(DatePicker, TodayReturnsToTheCurrentDay) {
  TFRM_Date w;
  open(w);
  spin(w, "SpinYear")->setValue(1950);
  spin(w, "SpinMonth")->setValue(8);
  QTest::mouseClick(dayNumber(w, w.view().cellOfDay(23)), Qt::LeftButton);
  EXPECT_EQ(label(w, "StarSignCaption")->text(), "处女座");
  setToday(Date{2024, 2, 10});
  QTest::mouseClick(label(w, "TodayBox"), Qt::LeftButton);
  EXPECT_EQ(label(w, "YearCaption")->text(), "2024");
  EXPECT_EQ(spin(w, "SpinYear")->value(), 2024);
  EXPECT_EQ(spin(w, "SpinMonth")->value(), 2);
  EXPECT_EQ(lunar(w, w.view().cellOfDay(10))->text(), "春节");
  EXPECT_EQ(TFRM_Date::selection().month, 2);
  EXPECT_EQ(TFRM_Date::selection().day, 10);
}

TEST_F(DatePicker, SelectionIsSharedBetweenInstances) {
  {
    TFRM_Date first;
    open(first);
    spin(first, "SpinYear")->setValue(1999);
    QTest::mouseClick(dayNumber(first, first.view().cellOfDay(9)), Qt::LeftButton);
  }
  EXPECT_EQ(TFRM_Date::selection().year, 1999);
  EXPECT_EQ(TFRM_Date::selection().day, 9);
  TFRM_Date second;
  EXPECT_EQ(TFRM_Date::selection().year, 1999) << "a new window keeps the last selection until shown";
}

TEST_F(DatePicker, TodayOutsideTheCalendarShowsTheNearestYear) {
  setToday(Date{2061, 3, 15});
  TFRM_Date w;
  open(w);
  EXPECT_EQ(label(w, "YearCaption")->text(), "2050");
  EXPECT_EQ(spin(w, "SpinYear")->value(), 2050);
  EXPECT_EQ(TFRM_Date::selection().year, 2050);
  EXPECT_EQ(visibleCells(w).size(), 31u);
}

TEST_F(DatePicker, ClosesWhenDeactivated) {
  TFRM_Date w;
  open(w);
  ASSERT_TRUE(w.isVisible());
  QEvent deactivate(QEvent::WindowDeactivate);
  QApplication::sendEvent(&w, &deactivate);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.result(), QDialog::Rejected);
}

TEST_F(DatePicker, CommandOpensAModalPickerAndReturnsWhenItCloses) {
  CommandRegistry registry;
  registerCalendarCommands(registry);
  const CommandAction* action = registry.find("万年历法");
  ASSERT_NE(action, nullptr);
  testing::FakeHost host;
  QString seen;
  QTimer::singleShot(0, [&] {
    auto* picker = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!picker) return;
    seen = picker->windowTitle();
    picker->close();
  });
  (*action)(host);
  EXPECT_EQ(seen, "Velto日历");
}

}  // namespace
}  // namespace lumo

#include "core/subject.h"

#include <gtest/gtest.h>

#include "core/report.h"

namespace lumo {
namespace {

PanelInput panel(std::string surname, std::string given) {
  PanelInput in;
  in.surname = std::move(surname);
  in.given = std::move(given);
  return in;
}

std::string noticeOf(const PanelInput& in, bool requireGiven = true) {
  Subject s;
  try {
    captureSubject(in, s, requireGiven);
  } catch (const Notice& n) {
    return n.what();
  }
  return "";
}

TEST(CaptureSubject, GregorianDate) {
  Subject s;
  captureSubject(panel("王", "明"), s, true);
  EXPECT_EQ(s.gregorianDate, "1980-1-1");
  EXPECT_EQ(s.lunarText, "己未(羊年)十一月十四");
  EXPECT_EQ(s.zodiac, "羊");
  EXPECT_EQ(s.starSign, "摩羯座");
  EXPECT_EQ(s.hourText, "子 0");
}

TEST(CaptureSubject, LunarInputBecomesTheGregorianDate) {
  PanelInput in = panel("王", "明");
  in.calendarIndex = 1;
  Subject s;
  captureSubject(in, s, true);
  EXPECT_EQ(s.gregorianDate, "1980-02-16");
  EXPECT_EQ(s.yearText, "1980");
  EXPECT_EQ(s.monthText, "02");
  EXPECT_EQ(s.dayText, "16");
}

TEST(CaptureSubject, ChecksInOrder) {
  EXPECT_EQ(noticeOf(panel("  ", "")), "姓不能为空!");
  EXPECT_EQ(noticeOf(panel("王", " ")), "名不能为空!");
  EXPECT_EQ(noticeOf(panel("王", ""), false), "");
  PanelInput in = panel("王", "明");
  in.year = "";
  in.month = "";
  EXPECT_EQ(noticeOf(in), "请选择出生年!");
  in.year = "1980";
  EXPECT_EQ(noticeOf(in), "请选择出生月!");
  in.month = "1";
  in.day = "";
  EXPECT_EQ(noticeOf(in), "请选择出生日!");
  in.day = "1";
  in.hour = "";
  EXPECT_EQ(noticeOf(in), "请选择出生小时!");
}

TEST(CaptureSubject, UnreadableNumberKeepsWhatWasAssigned) {
  for (int calendar : {0, 1}) {
    PanelInput in = panel("李", "四");
    in.calendarIndex = calendar;
    in.year = "19x0";
    Subject s;
    s.lunarText = "earlier";
    EXPECT_THROW(captureSubject(in, s, true), ReportedFailure);
    EXPECT_EQ(s.surname, "李");
    EXPECT_EQ(s.lunarText, "earlier");
  }
  PanelInput huge = panel("李", "四");
  huge.day = "99999999999999999999";  // beyond int: refused, never wrapped
  Subject s;
  EXPECT_THROW(captureSubject(huge, s, true), ReportedFailure);
}

// Each refused date: its notice, and nothing derived from it reaches the record.
TEST(CaptureSubject, DateRefusals) {
  struct Case {
    int calendar;
    const char *year, *month, *day, *hour, *minute, *notice;
  };
  const char* range = "公历日期只能在1900年1月31日至2100年12月31日之间!";
#define HOUR_FORM(item) \
  "“" item "”不是有效的小时：请在“时”框中选择一项，例如“子 0”或“午 12”（时辰、空格、0到23点）。"
  const Case cases[] = {
      {1, "1980", "1", "31", "子 0", "0", "农历1980年一月只有30天，日期应为1到30!"},
      {1, "1980", "2", "30", "子 0", "0", "农历1980年二月只有29天，日期应为1到29!"},
      {1, "2020", "0", "0", "子 0", "0", "农历月份只能是1到12月!"},
      {1, "2020", "13", "1", "子 0", "0", "农历月份只能是1到12月!"},
      {1, "2020", "1", "0", "子 0", "0", "农历2020年一月只有29天，日期应为1到29!"},
      {1, "2020", "1", "-2147483648", "子 0", "0", "农历2020年一月只有29天，日期应为1到29!"},
      {1, "2020", "-2147483648", "1", "子 0", "0", "农历月份只能是1到12月!"},
      {1, "2020", "2147483647", "1", "子 0", "0", "农历月份只能是1到12月!"},
      {1, "1900", "1", "1", "子 0", "0", "农历年份只能在1901年至2099年之间!"},
      {1, "2100", "1", "1", "子 0", "0", "农历年份只能在1901年至2099年之间!"},
      {1, "-2147483648", "1", "1", "子 0", "0", "农历年份只能在1901年至2099年之间!"},
      {0, "1900", "1", "1", "子 0", "0", range},
      {0, "1900", "1", "30", "子 0", "0", range},
      {0, "2101", "1", "1", "子 0", "0", range},
      {0, "1899", "12", "31", "子 0", "0", range},
      {0, "-2147483648", "1", "1", "子 0", "0", range},
      {0, "1980", "2", "30", "子 0", "0", "公历1980年2月只有29天!"},
      {0, "1981", "2", "29", "子 0", "0", "公历1981年2月只有28天!"},
      {0, "1980", "13", "1", "子 0", "0", "公历月份只能是1到12月!"},
      {0, "1980", "1", "0", "子 0", "0", "公历1980年1月只有31天!"},
      {0, "1980", "1", "1", "子 0", "75", "出生分钟只能是0到59!"},
      {0, "1980", "1", "1", "子 0", "-1", "出生分钟只能是0到59!"},
      {0, "1980", "1", "1", "子 0", "", "出生分钟只能是0到59!"},
      {0, "1980", "1", "1", "子 0", "2147483648", "出生分钟只能是0到59!"},
      {0, "1980", "1", "1", "丑 5", "0", "5点属卯时，与所选时辰不符!"},
      {0, "1980", "1", "1", "子 12", "0", "12点属午时，与所选时辰不符!"},
      {0, "1980", "1", "1", "子 24", "0", HOUR_FORM("子 24")},
      {0, "1980", "1", "1", "12", "0", HOUR_FORM("12")},
      {0, "1980", "1", "1", "午 x", "0", HOUR_FORM("午 x")},
      {0, "1980", "1", "1", "子 -2147483648", "0", HOUR_FORM("子 -2147483648")},
  };
  for (const Case& c : cases) {
    PanelInput in = panel("王", "明");
    in.calendarIndex = c.calendar;
    in.year = c.year, in.month = c.month, in.day = c.day, in.hour = c.hour, in.minute = c.minute;
    EXPECT_EQ(noticeOf(in), c.notice)
        << c.year << "-" << c.month << "-" << c.day << " " << c.hour << " " << c.minute;
    Subject s;
    captureSubject(panel("王", "明"), s, true);
    EXPECT_THROW(captureSubject(in, s, true), Notice);
    EXPECT_EQ(s.lunarText, "己未(羊年)十一月十四") << "the refused date computed nothing";
  }
}

TEST(CaptureSubject, EdgesOfTheRangeAndEveryHourItemPass) {
  struct Case {
    int calendar;
    const char *year, *month, *day, *gregorian;
  };
  for (const Case& c : {Case{0, "1900", "1", "31", "1900-1-31"}, Case{0, "2100", "12", "31", "2100-12-31"},
                        Case{1, "1901", "1", "1", "1901-02-19"}, Case{1, "2099", "12", "1", "2100-01-10"},
                        Case{1, "1980", "1", "30", "1980-03-16"}}) {
    PanelInput in = panel("王", "明");
    in.calendarIndex = c.calendar;
    in.year = c.year, in.month = c.month, in.day = c.day;
    Subject s;
    captureSubject(in, s, true);
    EXPECT_EQ(s.gregorianDate, c.gregorian);
    EXPECT_FALSE(s.zodiac.empty()) << c.gregorian;
  }
  for (const char* item : kHourItems) {
    PanelInput in = panel("王", "明");
    in.hour = item;
    in.minute = "59";
    EXPECT_EQ(noticeOf(in), "") << item;
  }
}

TEST(HourNumber, TextAfterTheBlank) {
  EXPECT_EQ(hourNumberText("子 0"), "0");
  EXPECT_EQ(hourNumberText("亥 22"), "22");
  EXPECT_EQ(hourNumberText("子"), "");
}

}  // namespace
}  // namespace lumo

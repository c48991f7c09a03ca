#include <gtest/gtest.h>

#include "app/subject.h"
#include "data/read_failure.h"

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
  } catch (const db::Notice& n) {
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

TEST(CaptureSubject, UnreadableDateKeepsWhatWasAssigned) {
  for (auto [year, month, day] : {std::tuple{"1980", "2", "30"}, {"19x0", "1", "1"}}) {
    PanelInput in = panel("李", "四");
    in.year = year;
    in.month = month;
    in.day = day;
    Subject s;
    s.lunarText = "earlier";
    EXPECT_THROW(captureSubject(in, s, true), db::ReportedFailure);
    EXPECT_EQ(s.surname, "李");
    EXPECT_EQ(s.lunarText, "earlier");
  }
  PanelInput lunar = panel("李", "四");
  lunar.calendarIndex = 1;
  lunar.year = "19x0";
  Subject s;
  EXPECT_THROW(captureSubject(lunar, s, true), db::ReportedFailure);
}

TEST(CaptureSubject, LunarDateOutOfRangeGivesTheFallbackDate) {
  PanelInput in = panel("王", "明");
  in.calendarIndex = 1;
  in.year = "1900";
  Subject s;
  captureSubject(in, s, true);
  EXPECT_EQ(s.gregorianDate, "0001-01-01");
  EXPECT_EQ(s.lunarText, "月");
}

TEST(HourNumber, TextAfterTheBlank) {
  EXPECT_EQ(hourNumberText("子 0"), "0");
  EXPECT_EQ(hourNumberText("亥 22"), "22");
  EXPECT_EQ(hourNumberText("子"), "");
}

}  // namespace
}  // namespace lumo

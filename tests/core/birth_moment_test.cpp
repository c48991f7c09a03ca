#include "core/birth_moment.h"

#include <gtest/gtest.h>

#include "core/report.h"
#include "core/subject.h"

namespace lumo {
namespace {

PanelInput birth(int calendar, const char* year, const char* month, const char* day,
                 const char* hour = "子 0") {
  PanelInput in;
  in.surname = "王";
  in.calendarIndex = calendar;
  in.year = year, in.month = month, in.day = day, in.hour = hour;
  return in;
}

TEST(BirthMoment, FactoryTakesExactlyTheLunarTable) {
  EXPECT_TRUE(BirthMoment::of({1900, 1, 31}, 0, 0, BirthSex::Male));
  EXPECT_TRUE(BirthMoment::of({2100, 12, 31}, 23, 59, BirthSex::Male));
  EXPECT_FALSE(BirthMoment::of({1900, 1, 30}, 0, 0, BirthSex::Male));
  EXPECT_FALSE(BirthMoment::of({2101, 1, 1}, 0, 0, BirthSex::Male));
  EXPECT_FALSE(BirthMoment::of({2023, 2, 29}, 0, 0, BirthSex::Male));
  EXPECT_FALSE(BirthMoment::of({2023, 4, 31}, 0, 0, BirthSex::Male));
  EXPECT_FALSE(BirthMoment::of({1980, 1, 1}, 24, 0, BirthSex::Male));
  EXPECT_FALSE(BirthMoment::of({1980, 1, 1}, -1, 0, BirthSex::Male));
  EXPECT_FALSE(BirthMoment::of({1980, 1, 1}, 0, 60, BirthSex::Male));
  EXPECT_FALSE(BirthMoment::of({1980, 1, 1}, 0, -1, BirthSex::Male));
}

TEST(BirthMoment, LunarDateAtBothEndsOfTheTable) {
  EXPECT_EQ(BirthMoment::of({1900, 1, 31}, 0, 0, BirthSex::Male)->lunar(), (LunarDate{1900, 1, 1, false}));
  const LunarDate last = BirthMoment::of({2100, 12, 31}, 0, 0, BirthSex::Male)->lunar();
  EXPECT_EQ(last.year, 2100);
  EXPECT_GE(last.month, 11);
}

TEST(BirthMoment, CaptureMakesTheMomentOfThePanel) {
  PanelInput in = birth(0, "1985", "06", "07", "午 12");
  in.minute = " 05 ";
  in.sex = "女";
  Subject s;
  BirthMoment m = captureSubject(in, s, false);
  ASSERT_TRUE(s.moment);
  EXPECT_EQ(*s.moment, m);
  EXPECT_EQ(m.date(), (Date{1985, 6, 7}));
  EXPECT_EQ(m.hour(), 12);
  EXPECT_EQ(m.minute(), 5);
  EXPECT_EQ(m.sex(), BirthSex::Female);
  EXPECT_EQ(m.typedIn(), TypedCalendar::Gregorian);
  EXPECT_EQ(s.minuteText, "05") << "the minute is printed as typed";
  EXPECT_EQ(s.monthText, "06");
}

TEST(BirthMoment, SexIsMaleOnlyFor男) {
  EXPECT_EQ(birthSexOf("男"), BirthSex::Male);
  EXPECT_EQ(birthSexOf("女"), BirthSex::Female);
  EXPECT_EQ(birthSexOf(""), BirthSex::Female);
  PanelInput in = birth(0, "1985", "6", "7");
  in.sex = " 男 ";
  Subject s;
  EXPECT_EQ(captureSubject(in, s, false).sexText(), "男") << "the panel's text is trimmed";
}

// 23:00 is the 子 double hour that opens the next day in the chart; the moment keeps the
// calendar day as typed and leaves the day change to the chart rules.
TEST(BirthMoment, HourTwentyThreeKeepsItsDay) {
  Subject s;
  BirthMoment m = captureSubject(birth(0, "1999", "12", "31", "子 23"), s, false);
  EXPECT_EQ(m.date(), (Date{1999, 12, 31}));
  EXPECT_EQ(m.hour(), 23);
  EXPECT_EQ(m.hourItem(), "子 23");
  for (int hour = 0; hour < 24; ++hour) {
    std::string item = BirthMoment::of({1999, 12, 31}, hour, 0, BirthSex::Male)->hourItem();
    EXPECT_EQ(captureSubject(birth(0, "1999", "12", "31", item.c_str()), s, false).hour(), hour) << item;
  }
}

// The panel has no leap-month box: a lunar month number is the ordinary month, and a
// Gregorian date inside a leap month still gets its leap lunar date.
TEST(BirthMoment, LeapLunarMonths) {
  Subject s;
  BirthMoment typed = captureSubject(birth(1, "2023", "2", "15"), s, false);
  EXPECT_EQ(typed.typedIn(), TypedCalendar::Lunar);
  EXPECT_EQ(typed.lunar(), (LunarDate{2023, 2, 15, false}));
  EXPECT_EQ(typed.date(), (Date{2023, 3, 6}));

  BirthMoment inLeap = captureSubject(birth(0, "2023", "4", "5"), s, false);
  EXPECT_TRUE(inLeap.lunar().leap);
  EXPECT_EQ(inLeap.lunar().month, 2);
  EXPECT_NE(s.lunarText.find("闰二月"), std::string::npos) << s.lunarText;

  auto fromFields = BirthMoment::ofLunar({2023, 2, 15, true}, 0, 0, BirthSex::Male);
  ASSERT_TRUE(fromFields);
  EXPECT_EQ(fromFields->date(), typed.date()) << "the fields have no leap box either";
  EXPECT_EQ(fromFields->typedIn(), TypedCalendar::Lunar);
  EXPECT_FALSE(BirthMoment::ofLunar({2023, 2, 31, false}, 0, 0, BirthSex::Male));
  EXPECT_FALSE(BirthMoment::ofLunar({2023, 13, 1, false}, 0, 0, BirthSex::Male));
}

TEST(BirthMoment, RefusedInputLeavesNoMoment) {
  for (PanelInput in : {birth(0, "1900", "1", "30"), birth(0, "2101", "1", "1"), birth(1, "2023", "2", "31"),
                        birth(0, "1980", "1", "1", "丑 5"), birth(0, "19x0", "1", "1")}) {
    Subject fresh;
    EXPECT_ANY_THROW(captureSubject(in, fresh, false));
    EXPECT_FALSE(fresh.moment) << in.year << "-" << in.month << "-" << in.day << " " << in.hour;
  }
  Subject s;
  BirthMoment first = captureSubject(birth(0, "1980", "1", "1"), s, false);
  EXPECT_THROW(captureSubject(birth(0, "1980", "2", "30"), s, false), Notice);
  EXPECT_EQ(s.moment, first) << "a refusal keeps the moment of the last capture that passed";
}

}  // namespace
}  // namespace lumo

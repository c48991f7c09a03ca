// The birthday texts held in the program: the source format, the keys of a day, and the
// invariants of the embedded table.
#include <gtest/gtest.h>

#include <set>

#include "bazi/bazi_chart.h"
#include "bazi/birthday_text.h"
#include "calendar/date_serial.h"
#include "core/text.h"

namespace lumo::bazi {
namespace {

TEST(BirthdayFormat, HeaderEscapesAndBlanks) {
  BirthdayTable t = parseBirthdayTable(
      "key\ttext\n1\t一日,好.\n101\t元旦，好。 \r\n229\t两行\\n之间\\t\\\\\n0\t零\n1232\t超出\nx\t坏\n30\n");
  EXPECT_EQ(t[1], "一日,好.");
  EXPECT_EQ(t[101], "元旦，好。 ") << "the trailing blank is part of the text";
  EXPECT_EQ(t[229], "两行\n之间\t\\");
  EXPECT_EQ(t[0], "");
  EXPECT_EQ(t[30], "") << "a line without a tab holds no text";
  EXPECT_EQ(parseBirthdayTable("7\t无表头")[7], "无表头");
}

TEST(BirthdayText, DayTextThenMonthDayText) {
  EXPECT_EQ(birthdayText(1, 31), birthdayTableText(31) + birthdayTableText(131));
  EXPECT_EQ(birthdayText(2, 29), birthdayTableText(29) + birthdayTableText(229));
  EXPECT_EQ(birthdayText(5, 30),
            "为人亲切,善良,开朗,快乐,所以人缘颇佳.具有语言,文化艺术等多方面的才能." + birthdayTableText(530));
  EXPECT_EQ(birthdayTableText(531), "明朗，快活，仁慈，大方，公正，适于职业生涯，很依恋家庭和父母。 ");
  EXPECT_EQ(birthdayTableText(0), "");
  EXPECT_EQ(birthdayTableText(5000), "");
}

// Every calendar day (29 February included) and every day number has its own text, and no
// other key has one.
TEST(BirthdayTable, EveryDayHasADistinctTextAndNoOtherKeyHasOne) {
  std::set<std::string> seen;
  int filled = 0;
  for (int key = 0; key < 1232; ++key) {
    std::string text = birthdayTableText(key);
    bool expected = (key >= 1 && key <= 31) || (key >= 101 && isValidDate(2024, key / 100, key % 100));
    EXPECT_EQ(!text.empty(), expected) << key;
    if (text.empty()) continue;
    ++filled;
    EXPECT_TRUE(seen.insert(trimmed(text)).second) << "repeated text at " << key;
    EXPECT_EQ(text.find('\n'), std::string::npos) << key;
  }
  EXPECT_EQ(filled, 31 + 366);
}

TEST(BirthdayTable, PunctuationByKind) {
  for (int day = 1; day <= 31; ++day) {
    std::string text = birthdayTableText(day);
    EXPECT_EQ(text.find("，"), std::string::npos) << "day texts use ASCII commas: " << day;
    EXPECT_EQ(text.back(), '.') << day;
  }
  int withBlank = 0;
  for (int key = 101; key <= 1231; ++key) {
    if (!isValidDate(2024, key / 100, key % 100)) continue;
    std::string text = birthdayTableText(key);
    EXPECT_EQ(text.find(','), std::string::npos) << "month-day texts use full-width commas: " << key;
    EXPECT_NE(text.find("。"), std::string::npos) << key;
    withBlank += text.back() == ' ';
  }
  EXPECT_GT(withBlank, 366 / 2) << "most month-day texts end with one blank";
}

}  // namespace
}  // namespace lumo::bazi

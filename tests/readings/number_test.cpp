// The 81-entry number table and the QQ / any-number readings.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "core/report.h"
#include "readings/number_reading.h"
#include "readings/number_table.h"

namespace lumo::readings {
namespace {

struct NumberCase {
  const char* number;
  int index;
  const char* verdict;  // nullptr: not checked
  const char* grade;
};

TEST(ReadNumber, ReducesModulo81) {
  const NumberCase cases[] = {
      {"81", 0, "大展鸿图，信用得固，名利双收，可获成功", "吉"},
      {"80", 80, "最极之数，还本归元，能得繁荣，发达成功", "吉"},
      {"82", 1, "根基不固，摇摇欲坠，一盛一衰，劳而无获", "凶"},
      {"0", 0, "大展鸿图，信用得固，名利双收，可获成功", "吉"},
      {"00000081", 0, nullptr, "吉"},
      {"999999999999999999", 999999999999999999LL % 81, nullptr, nullptr},  // 18 digits fit
      {"  162 ", 0, nullptr, "吉"},                                         // trimmed first
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    NumberEntry entry = SplitEntry(ReadNumber(c.number));
    EXPECT_EQ(ReadNumber(c.number), NumberEntryText(c.index));
    if (c.verdict) {
      EXPECT_EQ(entry.verdict, c.verdict);
    }
    if (c.grade) {
      EXPECT_EQ(entry.grade, c.grade);
    }
  }
}

TEST(ReadNumber, RefusesWhatIsNotAWholeNumberOfAtMost18Digits) {
  for (const char* text : {"12a3", "abc", "1234567890123456789", "-5", "+5", "1 2", "", "１２３", "0x1F"}) {
    SCOPED_TRACE(text);
    try {
      ReadNumber(text);
      ADD_FAILURE() << "accepted";
    } catch (const Notice& notice) {
      EXPECT_EQ(std::string(notice.what()), kNotANumber);
    }
  }
}

TEST(SplitEntry, CutsAtTheFirstTwoBars) {
  NumberEntry e = SplitEntry("a|b|c|d");
  EXPECT_EQ(e.verdict, "a");
  EXPECT_EQ(e.grade, "b");
  EXPECT_EQ(e.personality, "c|d");
  NumberEntry one = SplitEntry("only");
  EXPECT_EQ(one.verdict, "only");
  EXPECT_EQ(one.grade, "");
  EXPECT_EQ(one.personality, "");
  EXPECT_EQ(NumberEntryText(-1), "");
  EXPECT_EQ(NumberEntryText(81), "");
}

// The luck grade and personality type of every entry, as the tradition fixes them.
constexpr std::array<const char*, 81> kGrades{
    "吉", "凶",     "吉",     "凶",     "吉",     "吉", "吉",     "吉",     "凶",     "凶",      //
    "吉", "凶",     "吉",     "凶",     "吉",     "吉", "吉",     "吉",     "凶",     "凶",      //
    "吉", "凶",     "吉",     "吉",     "吉",     "凶", "凶带吉", "凶",     "吉",     "凶",      //
    "吉", "吉",     "吉",     "凶",     "吉",     "凶", "吉",     "凶带吉", "吉",     "吉带凶",  //
    "吉", "吉带凶", "吉带凶", "凶",     "吉",     "凶", "吉",     "吉",     "凶",     "吉带凶", "吉带凶",
    "吉", "吉带凶", "凶",     "吉带凶", "凶",     "吉", "凶带吉", "凶",     "凶",     "吉带凶", "凶",
    "吉", "凶",     "吉",     "凶",     "吉",     "吉", "凶",     "凶",     "吉带凶", "凶",     "吉",
    "凶", "吉带凶", "凶",     "吉带凶", "吉带凶", "凶", "吉带凶", "吉"};
constexpr std::array<int, 81> kTypes{1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3,
                                     4, 5, 6, 7, 9, 1, 9, 1, 2, 3, 4, 5, 6, 7, 9, 1, 2, 3, 4, 5, 6,
                                     7, 8, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 5, 6, 7, 8, 9, 1, 2, 3, 4,
                                     5, 6, 7, 9, 6, 7, 8, 9, 1, 2, 2, 3, 4, 5, 6, 7, 9, 1};
constexpr std::array<const char*, 9> kTypeNames{
    "做事喜好凭直觉型",  "独断独行/吸引人型", "热情/善变梦想家型", "自我牺牲/性格被动型", "要面包不要爱情型",
    "不善表达/疑心大型", "大胆行事冲动派型",  "高度戒备难交心型",  "好奇心旺求知欲强型"};

TEST(NumberTable, EveryEntryHasThreeFieldsItsGradeAndItsType) {
  std::array<std::string, 10> descriptionOfType;
  for (int k = 0; k < kNumberEntries; ++k) {
    SCOPED_TRACE(k);
    const std::string& text = NumberEntryText(k);
    ASSERT_EQ(std::count(text.begin(), text.end(), '|'), 2);
    NumberEntry e = SplitEntry(text);
    // Four phrases of four characters (3 UTF-8 bytes each) joined by "，".
    EXPECT_EQ(std::count(e.verdict.begin(), e.verdict.end(), '\xef'), 3) << e.verdict;
    EXPECT_EQ(e.verdict.size(), 4 * 4 * 3 + 3 * 3) << e.verdict;
    EXPECT_EQ(e.grade, kGrades[k]);
    std::string prefix = std::string("主人性格类型：[") + kTypeNames[kTypes[k] - 1] + "]，其具体表现为：";
    ASSERT_EQ(e.personality.rfind(prefix, 0), 0u) << e.personality;
    std::string description = e.personality.substr(prefix.size());
    EXPECT_FALSE(description.empty());
    // One description per type, the same wherever the type recurs.
    std::string& seen = descriptionOfType[kTypes[k]];
    if (seen.empty()) seen = description;
    EXPECT_EQ(description, seen);
  }
}

TEST(NumberForm, LinesInTheWindowsOrder) {
  auto qq = readNumberForm(NumberForm::QQ, " 82 ");
  ASSERT_EQ(qq.size(), 4u);
  EXPECT_EQ(qq[0].joined(), "qq号码是：82");
  EXPECT_EQ(qq[1].caption, "状态：");
  EXPECT_EQ(qq[2].joined(), "吉凶：凶");
  EXPECT_EQ(qq[3].caption, "具体表现：");
  auto any = readNumberForm(NumberForm::Any, "81");
  EXPECT_EQ(any[0].joined(), "输入号码是：81");
}

TEST(NumberForm, EmptyFieldShowsTheWindowsMessage) {
  const std::pair<NumberForm, const char*> cases[] = {{NumberForm::QQ, "请输入你的QQ号码！"},
                                                      {NumberForm::Any, "请输入你的号码！"}};
  for (const auto& [form, message] : cases) {
    for (const char* field : {"", "   "}) {
      try {
        readNumberForm(form, field);
        ADD_FAILURE() << "accepted an empty field";
      } catch (const Notice& notice) {
        EXPECT_STREQ(notice.what(), message);
      }
    }
  }
}

}  // namespace
}  // namespace lumo::readings

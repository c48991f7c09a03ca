#include "readings/gender_chart.h"

#include <array>

namespace lumo::readings {
namespace {

// One row per age from 18, one letter per month from 1: B a boy, G a girl.
constexpr std::array<std::string_view, kChartLastAge - kChartFirstAge + 1> kRows{
    "GBGBBBBBBBBB",  // 18
    "BGBGGBBBBBGG",  // 19
    "GBGBBBBBBGBB",  // 20
    "BGGGGGGGGGGG",  // 21
    "GBBGBGGBGGGG",  // 22
    "BBGBBGBGBBBG",  // 23
    "BGBBGBBGGGGG",  // 24
    "GBBGGBGBBBBB",  // 25
    "BGBGGBGBGGGG",  // 26
    "GBGBGGBBBBGB",  // 27
    "BGBGGGBBBBGG",  // 28
    "GBGGBBBBBGGG",  // 29
    "BGGGGGGGGGBB",  // 30
    "BGBGGGGGGGGB",  // 31
    "BGBGGGGGGGGB",  // 32
    "GBGBGGGBGGGB",  // 33
    "BGBGGGGGGGBB",  // 34
    "BBGBGGGBGGBB",  // 35
    "GBBGBGGGBBBB",  // 36
    "BGBBGBGBGBGB",  // 37
    "GBGBBGBGBGBG",  // 38
    "BGBBBGGBGBGG",  // 39
    "GBGBGBBGBGBG",  // 40
    "BGBGBGBBGBGB",  // 41
    "GBGBGBGBBGBG",  // 42
    "BGBGBGBGBBBB",  // 43
    "BBGBBBGBGBGG",  // 44
};

constexpr std::string_view kAdvice =
    "生男生女有秘诀\n\n"
    "这张表流传于民间，相传出自清代宫廷，查法是用母亲怀孕时的虚岁和怀孕的农历月份，"
    "在表中找到两者交叉的一格，格中写“男”便是男孩，写“女”便是女孩。\n\n"
    "虚岁的算法：出生那年算一岁，以后每过一个春节长一岁。月份一律用农历，"
    "遇到闰月，上半月按上个月算，下半月按下个月算。\n\n"
    "要说真正的秘诀，其实只有一条：孩子是男是女，由父亲精子所带的性染色体决定，"
    "任何图表和偏方都改变不了。这张表只可当作茶余饭后的谈资，不必当真。"
    "怀孕以后，按时产检、吃好睡好、心情舒畅，比什么都要紧。\n\n"
    "无论生男生女，都是父母的心头宝；健康平安，就是最大的福气。";

}  // namespace

std::optional<ChartSex> chartSex(int age, int month) {
  if (age < kChartFirstAge || age > kChartLastAge || month < 1 || month > 12) return std::nullopt;
  return kRows[age - kChartFirstAge][month - 1] == 'B' ? ChartSex::Boy : ChartSex::Girl;
}

std::string_view chartCell(int age, int month) {
  auto sex = chartSex(age, month);
  if (!sex) return {};
  return *sex == ChartSex::Boy ? "男" : "女";
}

std::string_view genderAdviceText() {
  return kAdvice;
}

}  // namespace lumo::readings

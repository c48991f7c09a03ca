#pragma once
// The traditional boy-or-girl chart (清宫图): by the mother's lunar age (虚岁) 18 to 44
// and the lunar month of conception 1 to 12, a boy or a girl.
//
// Also the texts of the chart window: its page captions, the note under the pages and
// the short advice text of the third page.

#include <optional>
#include <string_view>

namespace lumo::readings {

inline constexpr int kChartFirstAge = 18;
inline constexpr int kChartLastAge = 44;

enum class ChartSex { Boy, Girl };

// The chart's cell; nullopt outside ages 18..44 or months 1..12.
std::optional<ChartSex> chartSex(int age, int month);
// "男", "女", or "" outside the chart.
std::string_view chartCell(int age, int month);

inline constexpr std::string_view kGenderWindowCaption = "生男生女";
inline constexpr std::string_view kGenderPageYoung = "18到31岁";
inline constexpr std::string_view kGenderPageOlder = "32到44岁";
inline constexpr std::string_view kGenderPageAdvice = "生男生女有秘诀";
inline constexpr int kGenderPageSplitAge = 31;  // last age of the first page

inline constexpr std::string_view kGenderNote =
    "说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，"
    "下半月以下个月份计算。查表时，看年龄与月份坐标交叉点即可知道孕育是男还是女。";

// The text of the third page.
std::string_view genderAdviceText();

}  // namespace lumo::readings

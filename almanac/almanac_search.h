#pragma once
// 择日: the days of a date range that suit one affair, read from table huangdao.
//
// A day suits the affair when its 宜 line names it and its 忌 line does not (a 宜 of
// "诸事不宜" names nothing). With a zodiac animal, days that clash that animal are left
// out. The affair must be one the almanac's glossary explains; the range runs from the
// first date to the last, both included, and spans at most ten years.

#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "core/report.h"

namespace lumo::almanac {

inline constexpr int kMaxSearchYears = 10;
inline constexpr const char* kNoActivity = "请选择要办的事项!";
inline constexpr const char* kBadFrom = "请输入有效的起始日期!";
inline constexpr const char* kBadTo = "请输入有效的结束日期!";
inline constexpr const char* kReversedRange = "结束日期不能早于起始日期!";
inline constexpr const char* kRangeTooLong = "查找范围不能超过10年!";

// The search as typed: texts of the affair, the two dates (Y-M-D) and the animal.
struct SearchRequest {
  std::string activity, from, to, zodiac;
};

struct CheckedSearch {
  std::string activity;
  Date from, to;
  std::string zodiac;  // "" for no filter
};

// Checks the request in the order affair, first date, last date, range, animal; throws
// Notice with the message of the first that fails.
CheckedSearch checkSearch(const SearchRequest& request);

// One good day as the list shows it.
struct GoodDay {
  std::string date;     // yyyy-MM-dd
  std::string lunar;    // the lunar date text
  std::string pillar;   // the day pillar, "丁巳"
  std::string clash;    // "冲猪(辛亥)煞东"
  std::string spirits;  // the good spirits of the day
  // The date, a tab, then the lunar date, pillar, clash and spirits separated by blanks.
  std::string line() const;
};

// Whether a 宜 and a 忌 line (blank-separated affairs) let the affair be done.
bool suits(const std::string& yi, const std::string& ji, const std::string& activity);
// The animal a clash text names ("冲猪(辛亥)煞东" → "猪"), "" when it names none.
std::string clashAnimal(const std::string& clash);

// The good days in date order. A failing query throws ReportedFailure.
std::vector<GoodDay> findGoodDays(const CheckedSearch& search);

// lumo-cli zeri: checks the request and writes one line per good day.
void writeGoodDays(Report& report, const SearchRequest& request);

}  // namespace lumo::almanac

#include "almanac/almanac_search.h"

#include <algorithm>
#include <sstream>

#include "almanac/almanac_glossary.h"
#include "calendar/date_cn.h"
#include "core/report.h"
#include "core/stem_branch.h"
#include "core/text.h"
#include "data/read_failure.h"

namespace lumo::almanac {
namespace {

// The LIKE only narrows the rows; suits() decides on whole words.
constexpr const char* kRangeQuery =
    "select gn, nn, suici, cong, jsyq, yi, ji from huangdao where gn between ? and ? and yi like ? order by "
    "gn";

bool hasWord(const std::string& list, const std::string& word) {
  std::istringstream in(list);
  for (std::string w; in >> w;)
    if (w == word) return true;
  return false;
}

// The day pillar of a suici text "丙午年 庚寅月 丁巳日": the last word without its 日.
std::string dayPillarOf(const std::string& suici) {
  auto blank = suici.rfind(' ');
  std::string day = blank == std::string::npos ? suici : suici.substr(blank + 1);
  const std::string suffix = "日";
  if (day.size() > suffix.size() && day.compare(day.size() - suffix.size(), suffix.size(), suffix) == 0)
    day.resize(day.size() - suffix.size());
  return day;
}

// The last day a search from `from` may reach: the day before the same date ten years on
// (a 29 February then falls on 1 March).
int lastAllowedSerial(const Date& from) {
  return serialOf(from.year + kMaxSearchYears, from.month, 1) + from.day - 2;
}

}  // namespace

CheckedSearch checkSearch(const SearchRequest& request) {
  CheckedSearch checked;
  checked.activity = trimmed(request.activity);
  if (checked.activity.empty()) throw Notice(kNoActivity);
  auto terms = glossaryTerms();
  if (std::find(terms.begin(), terms.end(), checked.activity) == terms.end())
    throw Notice("未知的事项“" + checked.activity + "”，请选用黄历名词解释中的事项!");
  auto from = parseDate(trimmed(request.from));
  if (!from) throw Notice(kBadFrom);
  auto to = parseDate(trimmed(request.to));
  if (!to) throw Notice(kBadTo);
  if (serialOf(*to) < serialOf(*from)) throw Notice(kReversedRange);
  if (serialOf(*to) > lastAllowedSerial(*from)) throw Notice(kRangeTooLong);
  checked.from = *from;
  checked.to = *to;
  checked.zodiac = trimmed(request.zodiac);
  if (!checked.zodiac.empty() && std::none_of(std::begin(kAnimals), std::end(kAnimals),
                                              [&](const char* a) { return checked.zodiac == a; }))
    throw Notice("未知的生肖“" + checked.zodiac + "”!");
  return checked;
}

std::string GoodDay::line() const {
  return date + "\t" + lunar + " " + pillar + " " + clash + " " + spirits;
}

bool suits(const std::string& yi, const std::string& ji, const std::string& activity) {
  return hasWord(yi, activity) && !hasWord(ji, activity);
}

std::string clashAnimal(const std::string& clash) {
  const std::string mark = "冲";
  if (clash.compare(0, mark.size(), mark) != 0) return {};
  for (const char* animal : kAnimals)
    if (clash.compare(mark.size(), std::char_traits<char>::length(animal), animal) == 0) return animal;
  return {};
}

std::vector<GoodDay> findGoodDays(const CheckedSearch& search) {
  db::ResultSet rows =
      db::readRows(db::Failure::Reported, db::DbFile::KelBirth, kRangeQuery,
                   {formatDate(search.from), formatDate(search.to), "%" + search.activity + "%"});
  std::vector<GoodDay> days;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (!suits(rows.text(r, "yi"), rows.text(r, "ji"), search.activity)) continue;
    std::string clash = rows.text(r, "cong");
    if (!search.zodiac.empty() && clashAnimal(clash) == search.zodiac) continue;
    days.push_back({rows.text(r, "gn"), rows.text(r, "nn"), dayPillarOf(rows.text(r, "suici")), clash,
                    rows.text(r, "jsyq")});
  }
  return days;
}

void writeGoodDays(Report& report, const SearchRequest& request) {
  for (const GoodDay& day : findGoodDays(checkSearch(request))) report.add(day.line());
}

}  // namespace lumo::almanac

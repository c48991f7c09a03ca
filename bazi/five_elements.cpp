#include "bazi/five_elements.h"

#include "bazi/bazi_chart.h"
#include "bazi/stem_lookup.h"
#include "core/report.h"
#include "data/read_failure.h"

namespace lumo::bazi {
namespace {

std::string firstText(std::string_view sql, std::string key1, std::string key2) {
  db::ResultSet rows =
      db::readRows(db::Failure::Empty, db::DbFile::Tgcode, sql, {std::move(key1), std::move(key2)});
  return rows.empty() ? std::string() : rows.text(0, 0);
}

// count / 8 × 100 = count × 12.5, written without a trailing ".0".
std::string shareText(int count) {
  int tenths = count * 125;
  std::string text = std::to_string(tenths / 10);
  if (tenths % 10 != 0) text += "." + std::to_string(tenths % 10);
  return text;
}

std::size_t occurrences(std::string_view text, std::string_view word) {
  std::size_t count = 0;
  for (auto pos = text.find(word); pos != std::string_view::npos; pos = text.find(word, pos + word.size()))
    ++count;
  return count;
}

}  // namespace

const char* const kElements[5] = {"金", "木", "水", "火", "土"};

std::string lookupSeasonRemark(std::string_view element, std::string_view season) {
  return firstText("select sjrs from sjrs where wh = ? and sj = ? limit 1", std::string(element),
                   std::string(season));
}

std::string lookupTiaohou(std::string_view stem, std::string_view branch) {
  return firstText("select content from qtbj where tg = ? and dz = ? limit 1", std::string(stem),
                   std::string(branch));
}

std::string favourableElement(const std::array<int, 5>& counts) {
  for (int level = 0; level <= 4; ++level) {
    std::string chosen;
    for (std::size_t e = 0; e < counts.size(); ++e)
      if (counts[e] == level) chosen += kElements[e];
    if (!chosen.empty()) return chosen;
  }
  return {};
}

ElementTally tallyElements(std::string_view elementText) {
  ElementTally tally;
  for (std::size_t e = 0; e < tally.counts.size(); ++e) {
    // UTF-8 is self-synchronising: an element character never matches across two others.
    tally.counts[e] = static_cast<int>(occurrences(elementText, kElements[e]));
    if (e > 0) tally.text += ", ";
    tally.text += std::string(kElements[e]) + ":占" + std::to_string(tally.counts[e]) + "个 " +
                  shareText(tally.counts[e]);
  }
  tally.text += ".";
  tally.favourable = favourableElement(tally.counts);
  return tally;
}

std::string seasonOf(int month) {
  static const char* const kSeasons[4] = {"春", "夏", "秋", "冬"};
  int quarter = (month - 1) / 3;
  return kSeasons[quarter < 0 ? 0 : quarter > 3 ? 3 : quarter];
}

ElementTally writeFiveElementSection(const BaziChart& chart, std::string_view elementText, Report& report) {
  std::string element = lookupElement(chart.dayMaster);
  std::string season = seasonOf(chart.month);
  report.add("四季用神：日主天干" + element + "生于" + season + "季，" + lookupSeasonRemark(element, season) +
             "。");
  report.add("穷通宝鉴调候用神：" + chart.dayMaster + element + "生于" + chart.monthBranchChar + "月，" +
             lookupTiaohou(chart.dayMaster, chart.monthBranchChar));
  ElementTally tally = tallyElements(elementText);
  report.add("八字五行个数：" + tally.text);
  report.add("喜用神：" + tally.favourable + "，建议你名字五行带：" + tally.favourable + "最佳。");
  return tally;
}

}  // namespace lumo::bazi

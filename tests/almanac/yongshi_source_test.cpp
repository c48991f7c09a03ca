// The rule table against the classic's own 用事 lists (卷十一), quoted in
// data/yongshi_juan11.txt: every affair the classic names seeks and shuns exactly what
// the classic says, apart from the few additions the table's head explains.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tools/almanac/activities.h"

namespace lumo::embedded {
extern const std::string_view almanac_yongshi;
}

namespace lumo::almanac {
namespace {

using Marks = std::set<std::string>;

std::string replaced(std::string text, const std::vector<std::pair<std::string, std::string>>& pairs) {
  for (const auto& [from, to] : pairs)
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
  return text;
}

// The traditional forms of the quote, as the table writes them.
std::string simplified(const std::string& text) {
  static const std::vector<std::pair<std::string, std::string>> kChars = {
      {"徳", "德"}, {"願", "愿"}, {"時", "时"}, {"開", "开"}, {"護", "护"}, {"聖", "圣"}, {"後", "后"},
      {"續", "续"}, {"災", "灾"}, {"厭", "厌"}, {"遊", "游"}, {"禍", "祸"}, {"廢", "废"}, {"滿", "满"},
      {"閉", "闭"}, {"將", "将"}, {"對", "对"}, {"專", "专"}, {"窮", "穷"}, {"離", "离"}, {"歸", "归"},
      {"驛", "驿"}, {"馬", "马"}, {"醫", "医"}, {"氣", "气"}, {"賊", "贼"}, {"倉", "仓"}, {"鳴", "鸣"},
      {"復", "复"}, {"執", "执"}, {"補", "补"}, {"無", "无"}, {"搖", "摇"}, {"風", "风"}, {"觸", "触"},
      {"龍", "龙"}, {"臨", "临"}};
  return replaced(text, kChars);
}

// What the table carries elsewhere or not at all, each with its reason.
std::string withoutWhatLivesElsewhere(const std::string& list) {
  return replaced(list, {
                            {"月建", "建日"},            // the 建日 is the 月建's day
                            {"亥子日", "亥日子日"},      // two branch days
                            {"土王用事后", "土王"},      // the 18 days before each 立
                            {"止忌补垣", ""},            // the table joins 补垣 and 塞穴
                            {"壬日止忌开渠", ""},        // only 穿井 is carried
                            {"卯日止忌穿井", "卯日"},    //
                            {"立冬后立春前", ""},        // seasons, applied by the calculator
                            {"霜降后立春前", ""},        //
                            {"雨水后立夏前", ""},        //
                            {"每月十二日十五日", ""},    // 人神, by the lunar day
                            {"每月十五日朔弦望日", ""},  // by the Moon's phases
                        });
}

struct Entry {
  std::string affair;
  std::string seeks, shuns;
};

std::vector<Entry> classicEntries() {
  std::ifstream in(LUMO_ALMANAC_JUAN11);
  std::vector<Entry> out;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    line = line.substr(0, line.find('('));  // the book's small print
    if (line.rfind("宜", 0) == 0)
      out.back().seeks = line.substr(3);
    else if (line.rfind("忌", 0) == 0)
      out.back().shuns = line.substr(3);
    else
      out.push_back({line, {}, {}});
  }
  return out;
}

// Our affairs for each of the classic's.
const std::map<std::string, std::vector<std::string>>& ourAffairs() {
  static const std::map<std::string, std::vector<std::string>> m = {
      {"祭祀", {"祭祀"}},
      {"祈福", {"祈福"}},
      {"求嗣", {"求嗣"}},
      {"宴會", {"会亲友"}},
      {"入學", {"入学"}},
      {"冠帶", {"冠笄"}},
      {"行幸遣使", {"出行"}},
      {"上官赴任", {"赴任"}},
      {"結婚姻", {"订盟"}},
      {"納采問名", {"纳采"}},
      {"嫁娶", {"嫁娶"}},
      {"進人口", {"进人口"}},
      {"般移", {"移徙", "入宅", "出火"}},
      {"安牀", {"安床"}},
      {"解除", {"解除"}},
      {"沐浴", {"沐浴"}},
      {"整容剃頭", {"理发"}},
      {"求醫療病", {"求医"}},
      {"針刺", {"针灸"}},
      {"裁製", {"裁衣"}},
      {"興造動土", {"修造", "动土", "作灶", "起基"}},
      {"豎柱上梁", {"上梁"}},
      {"苫蓋", {"盖屋"}},
      {"經絡", {"经络"}},
      {"醞釀", {"酝酿"}},
      {"開市", {"开市"}},
      {"立劵交易", {"立卷", "交易"}},
      {"納財", {"纳财"}},
      {"開倉庫出貨財", {"开仓"}},
      {"開渠穿井", {"掘井"}},
      {"補垣塞穴", {"塞穴"}},
      {"掃舍宇", {"扫舍"}},
      {"修飾垣墻", {"修饰垣墙"}},
      {"平治道塗", {"平治道涂"}},
      {"破屋壊垣", {"拆卸"}},
      {"伐木", {"伐木"}},
      {"捕捉", {"捕捉"}},
      {"畋獵", {"畋猎"}},
      {"取魚", {"取渔"}},
      {"栽種", {"栽种"}},
      {"牧養", {"牧养"}},
      {"納畜", {"纳畜"}},
      {"破土", {"破土", "修坟"}},
      {"安葬", {"安葬", "入殓"}},
      {"啓攢", {"启攒", "移柩"}},
  };
  return m;
}

// Splits a run of mark names, longest name first; an unknown piece is kept as "?X".
Marks marksIn(std::string list, const Marks& known) {
  Marks out;
  list = withoutWhatLivesElsewhere(simplified(list));
  if (list == "无") return out;
  while (!list.empty()) {
    std::size_t taken = 0;
    for (std::size_t length : {12u, 9u, 6u})
      if (list.size() >= length && known.count(list.substr(0, length))) {
        taken = length;
        break;
      }
    if (taken == 0) {
      out.insert("?" + list.substr(0, 3));
      list.erase(0, 3);
      continue;
    }
    out.insert(list.substr(0, taken));
    list.erase(0, taken);
  }
  return out;
}

std::string joined(const Marks& marks) {
  std::string out;
  for (const std::string& m : marks) out += (out.empty() ? "" : " ") + m;
  return out;
}

TEST(YongshiSource, EveryAffairOfTheClassicKeepsItsLists) {
  std::map<std::string, AffairRule> ours;
  Marks known;
  for (const AffairRule& rule : parseRules(embedded::almanac_yongshi)) {
    ours[rule.name] = rule;
    known.insert(rule.seeks.begin(), rule.seeks.end());
    known.insert(rule.shuns.begin(), rule.shuns.end());
  }
  // Added to the classic's lists by the table (its head says why).
  const Marks added = {"岁破", "长星", "短星"};
  // 铺注条例: the 开日 keeps these out of 宜 without writing them under 忌.
  const std::set<std::string> withheldOnTheOpeningDay = {"破土", "修坟", "安葬", "入殓", "启攒", "移柩"};
  // Affairs whose classic entry lists only what is their own; the rest they share with
  // 疗病 and 修造 (卷十一's closing note), so ours may hold more.
  const std::set<std::string> ownOnly = {"针灸", "盖屋"};

  const std::vector<Entry> entries = classicEntries();
  ASSERT_EQ(entries.size(), ourAffairs().size());
  for (const Entry& e : entries) {
    ASSERT_TRUE(ourAffairs().count(e.affair)) << e.affair;
    const Marks seeks = marksIn(e.seeks.empty() ? "无" : e.seeks, known);
    const Marks shuns = marksIn(e.shuns, known);
    for (const std::string& name : ourAffairs().at(e.affair)) {
      ASSERT_TRUE(ours.count(name)) << name;
      const AffairRule& rule = ours.at(name);
      Marks ourSeeks(rule.seeks.begin(), rule.seeks.end());
      Marks ourShuns;
      for (const std::string& m : rule.shuns)
        if (!added.count(m) && !(m == "开日" && withheldOnTheOpeningDay.count(name))) ourShuns.insert(m);
      if (ownOnly.count(name)) {
        for (const std::string& m : shuns) EXPECT_TRUE(ourShuns.count(m)) << name << " 忌 " << m;
        continue;
      }
      EXPECT_EQ(joined(ourSeeks), joined(seeks)) << name << " 宜 (" << e.affair << ")";
      EXPECT_EQ(joined(ourShuns), joined(shuns)) << name << " 忌 (" << e.affair << ")";
    }
  }
}

}  // namespace
}  // namespace lumo::almanac

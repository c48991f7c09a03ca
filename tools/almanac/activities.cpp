// 宜 and 忌 of a day from its marks and the rule table (rules in activities.h).

#include "tools/almanac/activities.h"

#include <algorithm>
#include <bit>
#include <bitset>
#include <initializer_list>
#include <map>
#include <stdexcept>

#include "calendar/date_cn.h"
#include "core/stem_branch.h"
#include "tools/almanac/grading.h"

namespace lumo::embedded {
extern const std::string_view almanac_yongshi;
}

namespace lumo::almanac {
namespace {

// Mark numbers: spirits, then the twelve officer days, the ten stem days and the twelve
// branch days.
constexpr int kOfficerMark = kSpiritCount;
constexpr int kStemMark = kOfficerMark + kOfficerCount;
constexpr int kBranchMark = kStemMark + 10;
constexpr int kMarkCount = kBranchMark + 12;
using Marks = std::bitset<kMarkCount>;

const std::map<std::string, int, std::less<>>& markNumbers() {
  static const auto numbers = [] {
    std::map<std::string, int, std::less<>> m;
    for (int i = 0; i < kSpiritCount; ++i) m[spiritName(static_cast<Spirit>(i))] = i;
    for (int i = 0; i < kOfficerCount; ++i)
      m[std::string(officerName(static_cast<Officer>(i))) + "日"] = kOfficerMark + i;
    for (int i = 0; i < 10; ++i) m[std::string(kStems[i]) + "日"] = kStemMark + i;
    for (int i = 0; i < 12; ++i) m[std::string(kBranches[i]) + "日"] = kBranchMark + i;
    return m;
  }();
  return numbers;
}

std::vector<std::string_view> split(std::string_view text, char by) {
  std::vector<std::string_view> parts;
  while (true) {
    auto at = text.find(by);
    std::string_view part = text.substr(0, at);
    if (!part.empty()) parts.push_back(part);
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

struct Rules {
  std::vector<AffairRule> affairs;
  std::vector<Marks> seeks, shuns;
  Marks virtue, liftable, withholding;
  std::bitset<64> earth;    // the works of earth and wood a virtuous 建日 still forbids
  std::bitset<64> healing;  // what a harm set aside by virtue still forbids
  std::bitset<64> trade;    // household and trade, not written under 忌 on a kind day
};

Marks marksOf(const std::vector<std::string>& names) {
  Marks m;
  for (const std::string& n : names) m.set(markNumbers().find(n)->second);
  return m;
}

const Rules& rules() {
  static const Rules r = [] {
    Rules out;
    out.affairs = parseRules(embedded::almanac_yongshi);
    for (const AffairRule& a : out.affairs) {
      out.seeks.push_back(marksOf(a.seeks));
      out.shuns.push_back(marksOf(a.shuns));
    }
    // The kinds lines come through parseRules as affairs named "!德", "!可解", "!不注忌".
    for (std::size_t i = 0; i < out.affairs.size();) {
      const std::string& name = out.affairs[i].name;
      if (name[0] != '!') {
        ++i;
        continue;
      }
      (name == "!德" ? out.virtue : name == "!可解" ? out.liftable : out.withholding) = out.seeks[i];
      out.affairs.erase(out.affairs.begin() + i);
      out.seeks.erase(out.seeks.begin() + i);
      out.shuns.erase(out.shuns.begin() + i);
    }
    if (out.affairs.size() > 64) throw std::runtime_error("yongshi: more than 64 affairs");
    auto index = [&out](std::string_view name) {
      for (std::size_t i = 0; i < out.affairs.size(); ++i)
        if (out.affairs[i].name == name) return i;
      throw std::runtime_error("yongshi: no affair " + std::string(name));
    };
    for (const char* name : {"修造", "作灶", "动土", "起基", "安门", "掘井", "修饰垣墙", "平治道涂", "塞穴",
                             "拆卸", "伐木", "栽种", "破土", "修坟"})
      out.earth.set(index(name));
    for (const char* name : {"求医", "针灸"}) out.healing.set(index(name));
    for (const char* name : {"进人口", "安床", "经络", "酝酿", "开市", "立卷", "交易", "纳财", "开仓"})
      out.trade.set(index(name));
    return out;
  }();
  return r;
}

Marks dayMarks(const DayContext& day, const DaySpirits& d) {
  Marks m;
  for (Spirit s : d.spirits) m.set(static_cast<int>(s));
  m.set(kOfficerMark + static_cast<int>(d.officer));
  m.set(kStemMark + day.day.stem);
  m.set(kBranchMark + day.day.branch);
  return m;
}

std::string withTail(const std::string& list, const char* tail) {
  return list.empty() ? tail : list + " " + tail;
}

}  // namespace

std::vector<AffairRule> parseRules(std::string_view text) {
  std::map<std::string, std::vector<std::string>, std::less<>> groups;
  std::vector<AffairRule> out;
  int lineNumber = 0;
  auto fail = [&lineNumber](const std::string& why) {
    throw std::runtime_error("yongshi line " + std::to_string(lineNumber) + ": " + why);
  };
  auto open = [&](std::string_view field) {
    std::vector<std::string> marks;
    for (std::string_view name : split(field, ' ')) {
      if (name == "无") continue;
      if (name[0] == '@') {
        auto g = groups.find(name.substr(1));
        if (g == groups.end()) fail("unknown group " + std::string(name));
        marks.insert(marks.end(), g->second.begin(), g->second.end());
      } else if (!markNumbers().count(name)) {
        fail("unknown mark " + std::string(name));
      } else {
        marks.emplace_back(name);
      }
    }
    return marks;
  };
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line[0] == '#') continue;
    auto fields = split(line, '\t');
    if (line[0] == '@') {
      if (fields.size() != 2) fail("a group takes a name and its marks");
      groups[std::string(fields[0].substr(1))] = open(fields[1]);
    } else if (line[0] == '!') {
      if (fields.size() != 2) fail("a kind takes a name and its marks");
      out.push_back({std::string(fields[0]), open(fields[1]), {}});
    } else {
      if (fields.size() != 3) fail("an affair takes its name, 宜 and 忌");
      out.push_back({std::string(fields[0]), open(fields[1]), open(fields[2])});
    }
  }
  return out;
}

int activityCount() {
  return static_cast<int>(rules().affairs.size());
}

const std::string& activityName(int activity) {
  return rules().affairs.at(activity).name;
}

int activityIndex(std::string_view name) {
  const auto& affairs = rules().affairs;
  for (std::size_t i = 0; i < affairs.size(); ++i)
    if (affairs[i].name == name) return static_cast<int>(i);
  return -1;
}

std::string activityList(ActivitySet set) {
  std::string out;
  for (int i = 0; i < activityCount(); ++i) {
    if (!(set & bit(i))) continue;
    if (!out.empty()) out += ' ';
    out += activityName(i);
  }
  return out;
}

namespace {
ActivitySet namedSet(std::initializer_list<const char*> names) {
  ActivitySet set = 0;
  for (const char* name : names)
    if (int i = activityIndex(name); i >= 0) set |= bit(i);
  return set;
}

// 阳错 阴错 阴阳俱错 (卷十 under 月厌): a builder doubled on itself.
bool isCrossed(const DaySpirits& d) {
  return d.has(Spirit::YangCuo) || d.has(Spirit::YinCuo) || d.has(Spirit::YinYangCuo);
}

// A virtue on a crossed day counts as the builder, not as virtue (德作建论不作德论): it
// neither lifts a harm nor is sought.
DaySpirits withoutCrossedVirtue(const DaySpirits& d) {
  if (!isCrossed(d)) return d;
  DaySpirits out = d;
  std::erase_if(out.spirits, [](Spirit s) {
    return s == Spirit::TianDe || s == Spirit::YueDe || s == Spirit::TianDeHe || s == Spirit::YueDeHe;
  });
  return out;
}
}  // namespace

DayAdvice adviceFor(const DayContext& day, const DaySpirits& spirits) {
  const DaySpirits d = withoutCrossedVirtue(spirits);
  const bool crossed = isCrossed(d);
  const Rules& r = rules();
  const Marks marks = dayMarks(day, d);
  const bool virtuous = (marks & r.virtue).any();
  Marks harms = virtuous ? marks & ~r.liftable : marks;
  // 五墓 yields to 月德 alone (the months where the two meet are 五月 and 冬月).
  if (d.has(Spirit::YueDe)) harms.reset(static_cast<int>(Spirit::WuMu));
  // Harms that only some virtues set aside (卷十 under each): 小耗 yields to the four
  // virtues and 天愿, except beside 劫煞 in 子午卯酉月; 九空 to 月德 and the two 合 alone,
  // and beside 月厌 or 月破 the heavier harm decides for it; 四耗 to the four virtues or
  // a 三合 day.
  const bool fourVirtues =
      d.has(Spirit::TianDe) || d.has(Spirit::YueDe) || d.has(Spirit::TianDeHe) || d.has(Spirit::YueDeHe);
  const bool midSeason = day.month.branch % 3 == 0;  // 子 卯 午 酉
  if ((fourVirtues || d.has(Spirit::TianYuan)) && !(midSeason && d.has(Spirit::JieSha)))
    harms.reset(static_cast<int>(Spirit::XiaoHao));
  if (d.has(Spirit::YueDe) || d.has(Spirit::TianDeHe) || d.has(Spirit::YueDeHe) || d.has(Spirit::YueYan) ||
      d.has(Spirit::YuePo))
    harms.reset(static_cast<int>(Spirit::JiuKong));
  if (fourVirtues || d.has(Spirit::SanHe)) harms.reset(static_cast<int>(Spirit::SiHao));
  // A harmony outweighs the parting days and the empty and windy ones.
  if (d.has(Spirit::LiuHe) || d.has(Spirit::SanHe) || d.has(Spirit::TianShe))
    harms.reset(static_cast<int>(Spirit::WuLi));
  if (d.has(Spirit::LiuHe))
    for (Spirit s : {Spirit::WuXu, Spirit::BaFeng}) harms.reset(static_cast<int>(s));

  // The graded harms are weighed by their grade instead of by the virtue alone.
  const std::vector<GradedHarm> graded = gradeHarms(day, d);
  // 四废 on the 破日 is decay met by the clash: nothing is done.
  bool ruinous = isDayOfNothing(day) || (d.officer == Officer::Po && d.has(Spirit::SiFei));
  for (const GradedHarm& g : graded) {
    harms.reset(static_cast<int>(g.harm));
    ruinous = ruinous || g.grade == Grade::Ruinous;
  }

  // An officer day governed by a monthly harm gives way when the harm is set aside or
  // balanced; as usual, both forbid what they list.
  OfficerRule officerRule = officerRuleFor(day, d);
  if (officerRule == OfficerRule::Governed) {
    Grade heaviest = Grade::Lifted;
    for (const GradedHarm& g : graded)
      if (governsOfficerDays(g.harm)) heaviest = std::max(heaviest, g.grade);
    officerRule = heaviest == Grade::Lifted     ? OfficerRule::NotAtAll
                  : heaviest == Grade::Balanced ? OfficerRule::Balanced
                                                : OfficerRule::AsListed;
  }
  auto isHealing = [&r](int i) { return r.healing.test(i); };
  const int officer = kOfficerMark + static_cast<int>(d.officer);
  if (officerRule != OfficerRule::AsListed) harms.reset(officer);

  // 铺注条例: on a day of virtue, pardon, wish, 月恩, 四相 or 时德 the household and trade
  // affairs are not written under 忌, unless a harm that stands against virtue or a
  // harm graded as usual forbids them.
  // A crossed day follows the builder's prohibitions (从建所忌, 从厌所忌), kind or not.
  const bool kindDay =
      !crossed && (virtuous || d.has(Spirit::YueEn) || d.has(Spirit::SiXiang) || d.has(Spirit::ShiDe));
  Marks officerMarks;
  for (int o = 0; o < kOfficerCount; ++o) officerMarks.set(kOfficerMark + o);

  struct Verdict {
    bool forbidden = false;  // written under 忌
    bool withheld = false;   // kept out of 宜
    bool standing = false;   // forbidden by a harm that virtue does not set aside
    bool sought = false;     // a mark it seeks is on the day
    Marks forbiddenBy;
    bool suits() const { return sought && !withheld && !forbidden; }
  };
  std::vector<Verdict> verdicts(activityCount());
  for (int i = 0; i < activityCount(); ++i) {
    Verdict& v = verdicts[i];
    const Marks against = harms & r.shuns[i];
    v.forbiddenBy = against & ~r.withholding;
    v.withheld = against.any();
    v.standing = (against & ~r.withholding & ~r.liftable & ~officerMarks).any();
    if (r.shuns[i].test(officer)) {
      const bool officerForbids = (officerRule == OfficerRule::BuildsOnlyEarth && r.earth.test(i)) ||
                                  (officerRule == OfficerRule::Healing && isHealing(i));
      if (officerForbids) v.forbiddenBy.set(officer);
      v.withheld = v.withheld || officerForbids || officerRule == OfficerRule::Balanced;
    }
    for (const GradedHarm& g : graded) {
      if (!r.shuns[i].test(static_cast<int>(g.harm))) continue;
      const std::string& name = activityName(i);
      bool forbids = g.grade == Grade::Usual || g.grade == Grade::Ruinous;
      if (g.grade == Grade::Lifted)
        forbids = std::find(g.stillForbids.begin(), g.stillForbids.end(), name) != g.stillForbids.end();
      if (forbids) v.forbiddenBy.set(static_cast<int>(g.harm));
      v.withheld = v.withheld || forbids || g.grade == Grade::Balanced;
      v.standing = v.standing || forbids;
    }
    v.forbidden = v.forbiddenBy.any();
    if (kindDay && r.trade.test(i) && !v.standing) v.forbidden = false;
    v.sought = (marks & r.seeks[i]).any();
  }

  // 四忌 and 四穷 forbid burial alone; beside them even 鸣吠 does not suit breaking
  // the ground or opening a grave.
  if (d.has(Spirit::SiJiTaboo) || d.has(Spirit::SiQiong))
    for (const char* name : {"破土", "修坟", "启攒", "移柩"})
      if (const int i = activityIndex(name); i >= 0) verdicts[i].withheld = true;

  // 铺注条例: where worship is forbidden by 天狗 or the 寅日, prayers for blessing and for
  // children are not written under 宜 either; they are not forbidden.
  if (d.has(Spirit::TianGou) || day.day.branch == 2)
    for (const char* name : {"祈福", "求嗣"})
      if (const int i = activityIndex(name); i >= 0) verdicts[i].withheld = true;

  DayAdvice a;
  for (int i = 0; i < activityCount(); ++i) {
    if (verdicts[i].forbidden)
      a.avoids |= bit(i);
    else if (verdicts[i].suits())
      a.suits |= bit(i);
  }

  // Days of the Moon: on 朔, 上弦, 望, 下弦 and 十五 healing is forbidden (卷十 朔望, 十五日;
  // 卷十一 朔弦望日).
  if (day.lunarDay == 1 || day.lunarDay == 15 || day.quarterMoon) {
    a.avoids |= r.healing.to_ullong();
    a.suits &= ~r.healing.to_ullong();
  }
  // Felling, the hunt and fishing have their seasons (卷十一): felling from 立冬 to 立春,
  // the hunt from 霜降 to 立春, fishing from 雨水 to 立夏.
  const int month = day.monthNumber();  // 0 寅 .. 11 丑
  if (month < 9) a.suits &= ~namedSet({"伐木"});
  if (month < 8 || (month == 8 && day.zhongQi != 19)) a.suits &= ~namedSet({"畋猎"});
  if (month > 2 || (month == 0 && day.zhongQi != 3)) a.suits &= ~namedSet({"取渔"});
  // The spirit of the body stands in the hair on 十二 and over the whole body on 十五
  // (人神所在): no cutting of hair.
  if (day.lunarDay == 12 || day.lunarDay == 15) {
    a.avoids |= namedSet({"理发"});
    a.suits &= ~namedSet({"理发"});
  }
  // On the 月忌 days (初五 十四 廿三), on 无禄 and on the last day of the month (晦日)
  // only the small affairs are written under 宜.
  if (day.lunarDay == 5 || day.lunarDay == 14 || day.lunarDay == 23)
    a.suits &= namedSet({"祭祀", "会亲友", "沐浴", "理发", "求医", "塞穴", "扫舍", "修饰垣墙", "平治道涂"});
  if (d.has(Spirit::WuLu))
    a.suits &= namedSet({"祭祀", "解除", "沐浴", "理发", "扫舍", "修饰垣墙", "平治道涂", "拆卸", "伐木"});
  if (day.lunarLastDay)
    a.suits &=
        namedSet({"祭祀", "解除", "沐浴", "理发", "塞穴", "扫舍", "修饰垣墙", "平治道涂", "拆卸", "伐木"});
  if (forbidsNothing(day)) a.avoids = 0;
  if (followsTheYinBuilder(day))
    for (int i = 0; i < activityCount(); ++i)
      if (r.shuns[i].test(static_cast<int>(Spirit::YueYan))) a.suits &= ~bit(i);

  const ActivitySet all = (ActivitySet{1} << activityCount()) - 1;
  // The 忌 line reads 诸事不宜 only on the days the classic says so: a day of nothing
  // (诸事皆忌), the 破日, and 上朔 四离 四绝 (余事皆忌). On the last three the small
  // affairs that do not fear the day are not forbidden, and stay in 宜 when a spirit of
  // the day seeks them.
  auto allBut = [&](ActivitySet spared) {
    a.suits &= spared;
    a.avoids |= all & ~spared;
    a.allAvoided = true;
  };
  if (ruinous)
    allBut(0);
  else if (d.officer == Officer::Po)
    allBut(namedSet(
        {"祭祀", "解除", "沐浴", "求医", "扫舍", "平治道涂", "拆卸", "捕捉", "畋猎", "取渔", "入学"}));
  else if (d.has(Spirit::SiLi) || d.has(Spirit::SiJue) || d.has(Spirit::ShangShuo))
    allBut(
        namedSet({"祭祀", "解除", "沐浴", "理发", "扫舍", "修饰垣墙", "平治道涂", "塞穴", "拆卸", "伐木"}));
  // On the solstices and equinoxes yin and yang contend: even a good day is not marked
  // for the great affairs of office, marriage, moving, trade and the hunt.
  if (const int t = day.termToday; t == 5 || t == 11 || t == 17 || t == 23) {
    a.suits &= ~namedSet({"会亲友", "出行", "赴任", "订盟", "纳采", "嫁娶", "进人口", "移徙", "入宅", "出火",
                          "开市", "立卷", "交易", "捕捉", "畋猎", "取渔"});
    if (t == 23) a.suits &= ~namedSet({"伐木"});
  }
  a.nothingSuits = a.suits == 0;
  const int count = std::popcount(a.suits);
  if (a.nothingSuits)
    a.yi = "诸事不宜";
  else if (count <= 2)
    a.yi = withTail(activityList(a.suits), "余事勿取");
  else
    a.yi = activityList(a.suits);
  if (a.allAvoided)
    a.ji = "诸事不宜";
  else
    a.ji = a.avoids ? activityList(a.avoids) : "无";
  return a;
}

}  // namespace lumo::almanac

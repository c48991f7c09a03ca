// Day facts from the stem and branch: 纳音, 胎神, 冲煞, 彭祖百忌 (rules in day_lore.h).

#include "tools/almanac/day_lore.h"

#include "calendar/date_cn.h"
#include "core/stem_branch.h"

namespace lumo::almanac {
namespace {

const char* const kNayin[30] = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

const char* const kStemThing[5] = {"门", "碓磨", "厨灶", "仓库", "房床"};  // 甲己 乙庚 丙辛 丁壬 戊癸
const char* const kBranchThing[6] = {"碓", "厕", "炉", "门", "栖", "床"};  // 子午 丑未 寅申 卯酉 辰戌 巳亥

// Where the fetal god stays, as runs of days starting from 甲子.
struct PlaceRun {
  int firstCycle;
  const char* place;
};
const PlaceRun kPlaces[] = {
    {0, "外东南"},  {2, "外正南"},  {7, "外西南"},  {13, "外正西"}, {18, "外西北"},
    {24, "外正北"}, {29, "房内北"}, {34, "房内中"}, {36, "房内南"}, {39, "房内西"},
    {40, "房内东"}, {44, "房内中"}, {45, "外东北"}, {51, "外正东"}, {56, "外东南"},
};

const char* const kStemTaboo[10] = {
    "甲不开仓财物耗散", "乙不栽植千株不长", "丙不修灶必见灾殃", "丁不剃头头必生疮", "戊不受田田主不祥",
    "己不破券二比并亡", "庚不经络织机虚张", "辛不合酱主人不尝", "壬不泱水更难提防", "癸不词讼理弱敌强"};
const char* const kBranchTaboo[12] = {"子不问卜自惹祸殃", "丑不冠带主不还乡", "寅不祭祀神鬼不尝",
                                      "卯不穿井水泉不香", "辰不哭泣必主重丧", "巳不远行财物伏藏",
                                      "午不苫盖屋主更张", "未不服药毒气入肠", "申不安床鬼祟入房",
                                      "酉不会客醉坐颠狂", "戌不吃犬作怪上床", "亥不嫁娶不利新郎"};

const char* const kShaDirection[4] = {"南", "东", "北", "西"};  // by harmonyGroup

std::string fetalGodThing(const Pillar& day) {
  std::string stem = kStemThing[day.stem % 5];
  std::string branch = kBranchThing[day.branch % 6];
  if (stem == "门" && branch == "门") return "占大门";
  if (stem == "门" && branch == "栖") return "门鸡栖";
  std::string thing = stem.find(branch) == std::string::npos ? stem + branch : stem;
  // Every thing name is made of three-byte characters; two characters take "占".
  return thing.size() == 6 ? "占" + thing : thing;
}

}  // namespace

std::string nayin(const Pillar& day) {
  return kNayin[day.cycle() / 2];
}

std::string fetalGodPlace(const Pillar& day) {
  int c = day.cycle();
  const char* place = kPlaces[0].place;
  for (const PlaceRun& run : kPlaces)
    if (run.firstCycle <= c) place = run.place;
  return fetalGodThing(day) + place;
}

std::string clashText(const Pillar& day) {
  // The clashed branch is six on; its stem is the one the day's stem overcomes (four on,
  // 甲 overcomes 戊), which keeps the pair a pillar of the cycle.
  Pillar clashed{(day.stem + 4) % 10, (day.branch + 6) % 12};
  return std::string("冲") + kAnimals[clashed.branch] + "(" + clashed.name() + ")煞" +
         kShaDirection[harmonyGroup(day.branch)];
}

std::string pengzuTaboos(const Pillar& day) {
  return std::string(kStemTaboo[day.stem]) + " " + kBranchTaboo[day.branch];
}

}  // namespace lumo::almanac

// 宜 and 忌 of a day from its officer, road spirit, 神煞 and the 彭祖 taboos.
//
// Officer lists (宜 / 忌):
//   建 祭祀 祈福 求嗣 冠笄 出行 赴任 / 动土 破土 起基 开市 修坟 移柩 安葬
//   除 祭祀 祈福 斋醮 解除 拆卸 / 嫁娶 赴任 移徙 开市
//   满 祭祀 祈福 挂匾 开市 立卷 交易 纳财 / 赴任 动土 栽种 移柩 安葬
//   平 祭祀 修造 起基 安门 修坟 / 出行 开市 纳财 栽种
//   定 祈福 冠笄 订盟 纳采 嫁娶 入宅 安床 交易 立卷 / 出行 移徙 破土
//   执 祭祀 祈福 求嗣 订盟 纳采 立卷 栽种 / 出行 移徙 入宅 开市 纳财
//   破 拆卸 / everything
//   危 祭祀 祈福 安床 纳财 / 嫁娶 出行 移徙 上梁
//   成 订盟 纳采 嫁娶 出行 移徙 入宅 开光 修造 上梁 挂匾 开市 立卷 交易 纳财 / 破土 拆卸
//   收 祈福 纳采 交易 纳财 栽种 / 开光 出行 赴任 安葬
//   开 祈福 求嗣 开光 嫁娶 出行 赴任 入宅 修造 动土 安门 挂匾 开市 交易 栽种 /
//      破土 入殓 移柩 安葬
//   闭 修坟 入殓 安葬 / 开光 嫁娶 出行 赴任 动土 开市

#include "tools/almanac/activities.h"

#include <array>
#include <bit>
#include <initializer_list>

namespace lumo::almanac {
namespace {

using A = Activity;

const char* const kNames[kActivityCount] = {"祭祀", "祈福", "求嗣", "斋醮", "开光", "冠笄", "订盟", "纳采",
                                            "嫁娶", "出行", "赴任", "移徙", "入宅", "安床", "解除", "修造",
                                            "动土", "起基", "上梁", "安门", "拆卸", "挂匾", "开市", "立卷",
                                            "交易", "纳财", "栽种", "破土", "修坟", "入殓", "移柩", "安葬"};

constexpr ActivitySet setOf(std::initializer_list<Activity> list) {
  ActivitySet s = 0;
  for (Activity a : list) s |= bit(a);
  return s;
}

constexpr ActivitySet kAll = static_cast<ActivitySet>((std::uint64_t{1} << kActivityCount) - 1);
constexpr ActivitySet kGreatAffairs =
    setOf({A::JiaQu, A::ChuXing, A::YiXi, A::RuZhai, A::XiuZao, A::DongTu, A::KaiShi, A::AnZang});
constexpr ActivitySet kAllowedOnHeavyDays = setOf({A::JiSi, A::JieChu, A::ChaiXie, A::XiuFen});

struct Effect {
  ActivitySet suits;
  ActivitySet avoids;
};

const std::array<Effect, kOfficerCount> kOfficer = {{
    {setOf({A::JiSi, A::QiFu, A::QiuSi, A::GuanJi, A::ChuXing, A::FuRen}),
     setOf({A::DongTu, A::PoTu, A::QiJi, A::KaiShi, A::XiuFen, A::YiJiu, A::AnZang})},
    {setOf({A::JiSi, A::QiFu, A::ZhaiJiao, A::JieChu, A::ChaiXie}),
     setOf({A::JiaQu, A::FuRen, A::YiXi, A::KaiShi})},
    {setOf({A::JiSi, A::QiFu, A::GuaBian, A::KaiShi, A::LiJuan, A::JiaoYi, A::NaCaiWealth}),
     setOf({A::FuRen, A::DongTu, A::ZaiZhong, A::YiJiu, A::AnZang})},
    {setOf({A::JiSi, A::XiuZao, A::QiJi, A::AnMen, A::XiuFen}),
     setOf({A::ChuXing, A::KaiShi, A::NaCaiWealth, A::ZaiZhong})},
    {setOf(
         {A::QiFu, A::GuanJi, A::DingMeng, A::NaCai, A::JiaQu, A::RuZhai, A::AnChuang, A::JiaoYi, A::LiJuan}),
     setOf({A::ChuXing, A::YiXi, A::PoTu})},
    {setOf({A::JiSi, A::QiFu, A::QiuSi, A::DingMeng, A::NaCai, A::LiJuan, A::ZaiZhong}),
     setOf({A::ChuXing, A::YiXi, A::RuZhai, A::KaiShi, A::NaCaiWealth})},
    {setOf({A::ChaiXie}), kAll},
    {setOf({A::JiSi, A::QiFu, A::AnChuang, A::NaCaiWealth}),
     setOf({A::JiaQu, A::ChuXing, A::YiXi, A::ShangLiang})},
    {setOf({A::DingMeng, A::NaCai, A::JiaQu, A::ChuXing, A::YiXi, A::RuZhai, A::KaiGuang, A::XiuZao,
            A::ShangLiang, A::GuaBian, A::KaiShi, A::LiJuan, A::JiaoYi, A::NaCaiWealth}),
     setOf({A::PoTu, A::ChaiXie})},
    {setOf({A::QiFu, A::NaCai, A::JiaoYi, A::NaCaiWealth, A::ZaiZhong}),
     setOf({A::KaiGuang, A::ChuXing, A::FuRen, A::AnZang})},
    {setOf({A::QiFu, A::QiuSi, A::KaiGuang, A::JiaQu, A::ChuXing, A::FuRen, A::RuZhai, A::XiuZao, A::DongTu,
            A::AnMen, A::GuaBian, A::KaiShi, A::JiaoYi, A::ZaiZhong}),
     setOf({A::PoTu, A::RuLian, A::YiJiu, A::AnZang})},
    {setOf({A::XiuFen, A::RuLian, A::AnZang}),
     setOf({A::KaiGuang, A::JiaQu, A::ChuXing, A::FuRen, A::DongTu, A::KaiShi})},
}};

const std::array<Effect, 12> kRoad = {{
    {setOf({A::QiFu, A::JiaQu}), 0},                               // 青龙
    {setOf({A::FuRen, A::KaiShi}), 0},                             // 明堂
    {0, setOf({A::FuRen, A::LiJuan})},                             // 天刑: lawsuits and punishment
    {0, setOf({A::DingMeng, A::LiJuan, A::JiaoYi})},               // 朱雀: quarrels over words
    {setOf({A::JiaQu, A::QiuSi, A::NaCaiWealth}), 0},              // 金匮
    {setOf({A::JiSi, A::QiFu, A::ZhaiJiao}), 0},                   // 天德
    {0, setOf({A::JiaQu, A::AnZang})},                             // 白虎
    {setOf({A::KaiGuang, A::RuZhai, A::AnChuang, A::XiuZao}), 0},  // 玉堂
    {0, setOf({A::FuRen, A::ChuXing})},                            // 天牢
    {0, setOf({A::KaiShi, A::JiaoYi, A::NaCaiWealth})},            // 玄武: theft
    {setOf({A::JiSi, A::QiFu}), 0},                                // 司命
    {0, setOf({A::JiaQu, A::XiuZao, A::DongTu, A::QiJi})},         // 勾陈
}};

Effect spiritEffect(Spirit s) {
  using S = Spirit;
  switch (s) {
    case S::TianDe:
    case S::YueDe:
    case S::TianDeHe:
    case S::YueDeHe:
      return {setOf({A::JiSi, A::QiFu, A::XiuZao}), 0};
    case S::SuiDe:
    case S::SuiDeHe:
      return {setOf({A::XiuZao, A::DongTu, A::QiJi}), 0};
    case S::TianShe:
      return {setOf({A::JiSi, A::QiFu, A::QiuSi, A::ZhaiJiao, A::JieChu}), 0};
    case S::TianEn:
      return {setOf({A::JiSi, A::QiFu}), 0};
    case S::YueEn:
      return {setOf({A::JiaQu, A::YiXi, A::XiuZao}), 0};
    case S::SiXiang:
      return {setOf({A::XiuZao, A::ZaiZhong}), 0};
    case S::ShiDe:
      return {setOf({A::QiFu, A::FuRen}), 0};
    case S::WangRi:
      return {setOf({A::FuRen, A::XiuZao}), 0};
    case S::GuanRi:
    case S::XiangRi:
      return {setOf({A::FuRen}), 0};
    case S::ShouRi:
      return {setOf({A::AnChuang}), 0};
    case S::MinRi:
      return {setOf({A::NaCai, A::JiaQu, A::JiaoYi, A::ZaiZhong}), 0};
    case S::YangDe:
    case S::YinDe:
      return {setOf({A::JiSi, A::QiFu}), 0};
    case S::TianXi:
      return {setOf({A::DingMeng, A::NaCai, A::JiaQu}), 0};
    case S::TianYi:
      return {setOf({A::QiFu, A::JieChu}), 0};
    case S::YiMa:
      return {setOf({A::ChuXing, A::FuRen, A::YiXi}), 0};
    case S::TianMa:
      return {setOf({A::ChuXing, A::FuRen}), 0};
    case S::ShengQi:
      return {setOf({A::XiuZao, A::DongTu, A::QiJi, A::ZaiZhong}), 0};
    case S::MuCang:
      return {setOf({A::NaCaiWealth, A::ZaiZhong}), 0};
    case S::YueKong:
      return {setOf({A::XiuZao, A::ShangLiang}), 0};
    case S::LiuHe:
      return {setOf({A::DingMeng, A::NaCai, A::JiaQu, A::JiaoYi, A::LiJuan}), 0};
    case S::SanHe:
      return {setOf({A::DingMeng, A::JiaQu, A::KaiShi, A::LiJuan, A::JiaoYi}), 0};
    case S::WuHe:
      return {setOf({A::DingMeng, A::NaCai, A::JiaQu, A::JiaoYi}), 0};
    case S::WuFu:
      return {setOf({A::KaiShi, A::JiaoYi, A::NaCaiWealth}), 0};
    case S::YaoAn:
      return {setOf({A::YiXi, A::AnChuang}), 0};
    case S::YuYu:
      return {setOf({A::XiuZao, A::ShangLiang}), 0};
    case S::JinTang:
      return {setOf({A::RuZhai, A::AnMen}), 0};
    case S::JingAn:
      return {setOf({A::JiSi, A::DingMeng}), 0};
    case S::PuHu:
      return {setOf({A::JiSi, A::QiFu, A::ZhaiJiao}), 0};
    case S::FuSheng:
      return {setOf({A::QiFu, A::QiuSi}), 0};
    case S::ShengXin:
      return {setOf({A::JiSi, A::QiFu, A::ZhaiJiao}), 0};
    case S::YiHou:
      return {setOf({A::QiuSi, A::JiaQu, A::XiuZao}), 0};
    case S::XuShi:
      return {setOf({A::JiSi, A::QiuSi}), 0};
    case S::JieShen:
      return {setOf({A::JieChu}), 0};
    case S::ChuShen:
      return {setOf({A::JieChu, A::ChaiXie}), 0};

    case S::SuiPo:
    case S::YuePo:
    case S::DaHao:
    case S::SiFei:
    case S::ShouSi:
      return {0, kGreatAffairs};
    case S::XiaoHao:
      return {0, setOf({A::KaiShi, A::JiaoYi, A::NaCaiWealth})};
    case S::YanDui:
      return {0, setOf({A::NaCai, A::JiaQu})};
    case S::SiLi:
    case S::SiJue:
      return {0, setOf({A::JiaQu, A::ChuXing, A::FuRen, A::YiXi, A::RuZhai, A::KaiShi})};
    case S::YueJian:
      return {0, setOf({A::DongTu, A::PoTu, A::QiJi})};
    case S::YueSha:
      return {0, setOf({A::JiaQu, A::ChuXing, A::YiXi, A::RuZhai, A::XiuZao, A::DongTu, A::KaiShi})};
    case S::JieSha:
    case S::ZaiSha:
      return {0, setOf({A::JiaQu, A::ChuXing, A::YiXi, A::XiuZao, A::DongTu, A::AnZang})};
    case S::YueHai:
      return {0, setOf({A::QiuSi, A::DingMeng, A::NaCai, A::JiaQu, A::JiaoYi})};
    case S::YueXing:
      return {0, setOf({A::DingMeng, A::JiaQu, A::FuRen, A::YiXi})};
    case S::YueYan:
      return {0, setOf({A::NaCai, A::JiaQu, A::ChuXing, A::YiXi, A::RuZhai})};
    case S::DiHuo:
      return {0, setOf({A::ZaiZhong})};
    case S::TianLi:
    case S::ZhiSi:
      return {0, setOf({A::ChuXing, A::FuRen})};
    case S::DaShi:
      return {0, setOf({A::JiaQu, A::ChuXing, A::XiuZao})};
    case S::SiJiTaboo:
    case S::SiQiong:
      return {0, setOf({A::JiaQu, A::KaiShi, A::NaCaiWealth, A::AnZang})};
    case S::SiHao:
      return {0, setOf({A::KaiShi, A::JiaoYi, A::NaCaiWealth})};
    case S::SiJiStrike:
      return {0, setOf({A::ChuXing})};
    case S::WuXu:
      return {0, setOf({A::XiuZao, A::KaiShi, A::JiaoYi, A::NaCaiWealth})};
    case S::WuLi:
      return {0, setOf({A::DingMeng, A::NaCai, A::JiaQu, A::LiJuan, A::JiaoYi})};
    case S::XueZhi:
    case S::XueJi:
      return {0, 0};  // bloodletting, outside the almanac's affairs
    case S::YouHuo:
      return {0, setOf({A::JiSi, A::QiFu, A::QiuSi, A::ZhaiJiao})};
    case S::TianZei:
      return {0, setOf({A::ChuXing, A::RuZhai, A::KaiShi, A::JiaoYi, A::NaCaiWealth})};
    case S::WangWang:
      return {0, setOf({A::JiaQu, A::ChuXing, A::FuRen, A::YiXi, A::RuZhai})};
    case S::GuiJi:
      return {0, setOf({A::JiaQu, A::ChuXing, A::YiXi, A::RuZhai})};
    case S::HeKui:
    case S::TianGang:
      return {0,
              setOf({A::JiaQu, A::ChuXing, A::FuRen, A::YiXi, A::RuZhai, A::XiuZao, A::DongTu, A::KaiShi})};
    case S::ChongRi:
      return {0, setOf({A::PoTu, A::RuLian, A::YiJiu, A::AnZang})};
    case S::FuRi:
      return {0, setOf({A::PoTu, A::XiuFen, A::RuLian, A::YiJiu, A::AnZang})};
    case S::TuFu:
      return {0, setOf({A::XiuZao, A::DongTu, A::QiJi, A::ZaiZhong, A::PoTu})};
    case S::TianHuo:
      return {0, setOf({A::XiuZao, A::ShangLiang})};
    case S::SiShen:
      return {0, setOf({A::QiuSi, A::ZaiZhong})};
    case S::BaZhuan:
      return {0, setOf({A::DingMeng, A::NaCai, A::JiaQu})};
  }
  return {0, 0};
}

// Lesser harms that a day of virtue (德) or pardon (天赦) sets aside.
bool isLesserHarm(Spirit s) {
  switch (s) {
    case Spirit::YueSha:
    case Spirit::JieSha:
    case Spirit::ZaiSha:
    case Spirit::TianLi:
    case Spirit::ZhiSi:
    case Spirit::DaShi:
    case Spirit::WuXu:
    case Spirit::YouHuo:
    case Spirit::TianZei:
    case Spirit::HeKui:
    case Spirit::TianGang:
      return true;
    default:
      return false;
  }
}

ActivitySet pengzuAvoids(const Pillar& day) {
  ActivitySet s = 0;
  if (day.stem == 1) s |= bit(A::ZaiZhong);  // 乙不栽植
  switch (day.branch) {
    case 2:
      s |= bit(A::JiSi);
      break;  // 寅不祭祀
    case 5:
      s |= bit(A::ChuXing);
      break;  // 巳不远行
    case 6:
      s |= bit(A::ShangLiang);
      break;  // 午不苫盖
    case 8:
      s |= bit(A::AnChuang);
      break;  // 申不安床
    case 11:
      s |= bit(A::JiaQu);
      break;  // 亥不嫁娶
    default:
      break;
  }
  return s;
}

std::string joined(const std::string& list, const char* tail) {
  return list.empty() ? tail : list + " " + tail;
}

}  // namespace

const char* activityName(Activity activity) {
  return kNames[static_cast<int>(activity)];
}

std::string activityList(ActivitySet set) {
  std::string out;
  for (int i = 0; i < kActivityCount; ++i) {
    if (!(set & (ActivitySet{1} << i))) continue;
    if (!out.empty()) out += ' ';
    out += kNames[i];
  }
  return out;
}

DayAdvice adviceFor(const DayContext& day, const DaySpirits& d) {
  const bool virtuous = d.has(Spirit::TianDe) || d.has(Spirit::YueDe) || d.has(Spirit::TianDeHe) ||
                        d.has(Spirit::YueDeHe) || d.has(Spirit::TianShe);
  const Effect& officer = kOfficer[static_cast<int>(d.officer)];
  const Effect& road = kRoad[static_cast<int>(d.road)];

  DayAdvice a;
  a.suits = officer.suits | road.suits;
  a.avoids = officer.avoids | road.avoids | pengzuAvoids(day.day);
  for (Spirit s : d.spirits) {
    if (virtuous && isLesserHarm(s)) continue;
    Effect e = spiritEffect(s);
    a.suits |= e.suits;
    a.avoids |= e.avoids;
  }
  a.suits &= ~a.avoids;

  if (d.officer == Officer::Po) {
    a.suits = bit(A::ChaiXie);
    a.avoids = kAll & ~a.suits;
    a.yi = joined(activityList(a.suits), "余事勿取");
    a.ji = "诸事不宜";
    return a;
  }
  if (d.has(Spirit::SuiPo)) {
    a.suits = 0;
    a.avoids |= kGreatAffairs;
    a.yi = "诸事不宜";
    a.ji = activityList(a.avoids);
    return a;
  }
  if (d.has(Spirit::SiFei) || d.has(Spirit::ShouSi)) {
    a.suits &= kAllowedOnHeavyDays;
    a.avoids |= kGreatAffairs;
  }
  int count = std::popcount(a.suits);
  if (count == 0)
    a.yi = "诸事不宜";
  else if (count <= 2)
    a.yi = joined(activityList(a.suits), "余事勿取");
  else
    a.yi = activityList(a.suits);
  a.ji = activityList(a.avoids);
  return a;
}

}  // namespace lumo::almanac

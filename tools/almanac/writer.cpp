// Assembles the huangdao rows from pillars, spirits and advice, and writes the TSV.

#include "tools/almanac/writer.h"

#include <ostream>
#include <stdexcept>

#include "calendar/date_cn.h"
#include "core/stem_branch.h"
#include "tools/almanac/activities.h"
#include "tools/almanac/day_lore.h"
#include "tools/almanac/moon_phases.h"
#include "tools/almanac/pillars.h"
#include "tools/almanac/solar_terms.h"
#include "tools/almanac/spirits.h"

namespace lumo::almanac {
namespace {

const char* const kMonthNames[12] = {"正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};

std::string spiritList(const DaySpirits& d, bool lucky) {
  std::string out;
  auto add = [&out](const char* name) {
    if (!out.empty()) out += ' ';
    out += name;
  };
  for (Spirit s : d.spirits)
    if (isLucky(s) == lucky && !isKeptOffDayList(s)) add(spiritName(s));
  if (isYellowRoad(d.road) == lucky) add(roadSpiritName(d.road));
  return out.empty() ? "无" : out;
}

// Fields hold no tab or line break, but keep the file loadable whatever they hold.
std::string escaped(const std::string& field) {
  std::string out;
  out.reserve(field.size());
  for (char ch : field) {
    if (ch == '\\')
      out += "\\\\";
    else if (ch == '\t')
      out += "\\t";
    else if (ch == '\n')
      out += "\\n";
    else if (ch != '\r')
      out += ch;
  }
  return out;
}

// Days from the latest day of `term` on or before `serial` (0 on that day), or -1 when
// the term is more than `within` days back.
int daysSinceTerm(const TermCalendar& terms, int serial, int term, int within) {
  for (int back = 0; back <= within && serial - back >= terms.firstDay(); ++back)
    if (terms.termOn(serial - back) == term) return back;
  return -1;
}

// 伏 and 社 (卷十: 伏社 忌沐浴): the 伏 are 庚日, 初伏 the third and 中伏 the fourth from
// 夏至, 末伏 the first from 立秋; the 社 are 戊日, the fifth from 立春 (春社) and from 立秋
// (秋社). The day of the term counts as the first when it bears the stem itself.
bool opensFuOrShe(const TermCalendar& terms, int serial, int dayStem) {
  // Stems come round every ten days, so the n-th day of a stem falls 10(n−1) to 10n−1
  // days after the term.
  auto nth = [&](int term, int n) {
    const int since = daysSinceTerm(terms, serial, term, 10 * n - 1);
    return since >= 0 && since / 10 == n - 1;
  };
  if (dayStem == 6) return nth(kXiazhi, 3) || nth(kXiazhi, 4) || nth(kLiqiu, 1);
  if (dayStem == 4) return nth(kLichun, 5) || nth(kLiqiu, 5);
  return false;
}

}  // namespace

std::string lunarText(int serial) {
  LunarDate d = SolarToLunar(serial);
  if (d.year == 0) return {};
  Pillar year = yearPillar(d.year);
  return year.name() + "年(" + kAnimals[year.branch] + ") " + (d.leap ? "闰" : "") +
         kMonthNames[d.month - 1] + "月" + LunarDayName(d.day);
}

DayContext dayContextOf(const TermCalendar& terms, int serial) {
  const AlmanacMonth month = terms.monthOf(serial);
  DayContext context = contextOf(pillarsOf(month, serial), terms.termOn(serial + 1), terms.termOn(serial));
  context.daysSinceJie = serial - month.jieDay;
  if (month.previousJieDay >= 0) context.daysSincePreviousJie = serial - month.previousJieDay;
  const LunarDate lunar = SolarToLunar(serial);
  context.lunarMonth = lunar.month;
  context.lunarDay = lunar.day;
  context.lunarLastDay = SolarToLunar(serial + 1).day == 1;
  const MoonPhase phase = moonPhaseOn(serial);
  context.quarterMoon =
      phase == MoonPhase::FirstQuarter || phase == MoonPhase::Full || phase == MoonPhase::LastQuarter;
  for (int ahead = 1; ahead <= 18; ++ahead)
    if (isBeginningTerm(terms.termOn(serial + ahead))) context.earthRules = true;
  context.fuShe = opensFuOrShe(terms, serial, context.day.stem);
  for (int back = 0; back < 32 && serial - back >= terms.firstDay(); ++back)
    if (int t = terms.termOn(serial - back); t >= 0 && t % 2 == 1) {
      context.zhongQi = t;
      break;
    }
  return context;
}

std::vector<AlmanacRow> almanacRows(Date first, Date last) {
  if (first.year < 1901 || last.year > 2100 || serialOf(first) > serialOf(last))
    throw std::invalid_argument("almanacRows: days outside 1901..2100");
  TermCalendar terms(first.year, last.year);
  std::vector<AlmanacRow> rows;
  rows.reserve(serialOf(last) - serialOf(first) + 1);
  for (int serial = serialOf(first); serial <= serialOf(last); ++serial) {
    const DayContext context = dayContextOf(terms, serial);
    const DayPillars p{context.year, context.month, context.day};
    DaySpirits spirits = spiritsOf(context);
    DayAdvice advice = adviceFor(context, spirits);

    AlmanacRow r;
    r.gn = formatDate(dateOf(serial));
    r.nn = lunarText(serial);
    r.suici = p.year.name() + "年 " + p.month.name() + "月 " + p.day.name() + "日";
    r.tszf = fetalGodPlace(p.day);
    r.wuhang = nayin(p.day) + " " + officerName(spirits.officer) + "日";
    r.cong = clashText(p.day);
    r.pzbj = pengzuTaboos(p.day);
    r.jsyq = spiritList(spirits, true);
    r.xsyq = spiritList(spirits, false);
    r.yi = advice.yi;
    r.ji = advice.ji;
    rows.push_back(std::move(r));
  }
  return rows;
}

void writeTsv(std::ostream& out, const std::vector<AlmanacRow>& rows) {
  out << "gn\tnn\tsuici\ttszf\twuhang\tcong\tpzbj\tjsyq\tyi\txsyq\tji\n";
  for (const AlmanacRow& r : rows) {
    const std::string* fields[] = {&r.gn,   &r.nn,   &r.suici, &r.tszf, &r.wuhang, &r.cong,
                                   &r.pzbj, &r.jsyq, &r.yi,    &r.xsyq, &r.ji};
    bool firstField = true;
    for (const std::string* f : fields) {
      if (!firstField) out << '\t';
      out << escaped(*f);
      firstField = false;
    }
    out << '\n';
  }
}

}  // namespace lumo::almanac

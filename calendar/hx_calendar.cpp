#include "calendar/hx_calendar.h"

#include <cstdint>
#include <cstdlib>

#include "calendar/date_serial.h"

namespace lumo {
namespace {

// Per year 1901..2050: byte 0 bit 7 = month 12 (else 11) in progress on 1 January and
// bits 6..0 its day; bytes 1-2 a mask of sixteen month lengths from that month on
// (set = 30 days); byte 3 the leap month of the lunar year beginning in that year.
const std::uint32_t kAlmanacLunarInfo[150] = {
    0x0B52BA00, 0x16A95D00, 0x83A93705, 0x0E749B00, 0x1AB65500, 0x87B55504, 0x1155AA00, 0x1CA6B500,
    0x8AA57502, 0x1452BA00, 0x81526E06, 0x0DE93700, 0x18749700, 0x86EA9605, 0x106D5500, 0x1A35AA00,
    0x884B6A02, 0x13A56D00, 0x1ED26E07, 0x0BD25E00, 0x17E92E00, 0x84D92D05, 0x0FDA9500, 0x195B5200,
    0x8756D404, 0x114ADA00, 0x1CA55D00, 0x89A4BD02, 0x15D25D00, 0x82B25B06, 0x0DB52B00, 0x18BA9500,
    0x86B6A505, 0x1056B400, 0x1A4ADA00, 0x8749BA03, 0x13A4BB00, 0x1EB25B07, 0x0B725700, 0x16752B00,
    0x846D2A06, 0x0FAD5500, 0x1955AA00, 0x86556C04, 0x12C97600, 0x1C64B700, 0x8AE4AE02, 0x15EA5600,
    0x83DA5507, 0x0D5B2A00, 0x18AD5500, 0x85AAD505, 0x10536A00, 0x1BA96D00, 0x88A95D03, 0x13D4AE00,
    0x81D4AB08, 0x0CBA5500, 0x165AAA00, 0x8356AA06, 0x0FAAD500, 0x1952DA00, 0x8652BA04, 0x11A95D00,
    0x1DD49B00, 0x8A749B03, 0x15B65500, 0x82AD5507, 0x0D55AA00, 0x18A5B500, 0x85A57505, 0x0F52B600,
    0x1B693700, 0x89E93704, 0x13749700, 0x81EA9608, 0x0C6D5200, 0x162DAA00, 0x834B6A06, 0x0EA56D00,
    0x1AD26E00, 0x87D25E04, 0x12E92E00, 0x1DEC960A, 0x0BDA9500, 0x155B5200, 0x8256D206, 0x0C2ADA00,
    0x18A4DD00, 0x85A4BD05, 0x10D25D00, 0x1BD92D00, 0x89B52B03, 0x14BA9500, 0x81B59508, 0x0B56B200,
    0x162ADA00, 0x8349B605, 0x0E64BB00, 0x19B25B00, 0x876A5704, 0x12752B00, 0x1DB69500, 0x8AAD5502,
    0x1555AA00, 0x82556C07, 0x0DC97600, 0x1764B700, 0x86E4AE05, 0x11EA5600, 0x1B6D2A00, 0x885AAA04,
    0x14AD5500, 0x81AAD509, 0x0B52EA00, 0x16A96D00, 0x84A95D06, 0x0FD4AE00, 0x1AEA4D00, 0x87BA5504,
    0x125AAA00, 0x1DAB5500, 0x8AA6D502, 0x1452DA00, 0x8252BA06, 0x0DA93B00, 0x18B49B00, 0x85749B05,
    0x11B54D00, 0x1CD6A900, 0x8835AA03, 0x13A5B500, 0x81A5750B, 0x0B52B600, 0x16693700, 0x84E92F06,
    0x10F49700, 0x1A754B00, 0x876D5205, 0x112D6900, 0x1D95B500, 0x8AA56D02, 0x15D26E00, 0x82D25E07,
    0x0EE92E00, 0x19EA9600, 0x86DA9505, 0x105B4A00, 0x1CAB6900, 0x882AD803};

// Twelve bytes a year 1901..2050, one per month: the month's first term falls on day
// 15 - high nibble, the second on day 15 + low nibble.
const char* const kAlmanacTermInfo[25] = {
    "96B496A69797787979697877"
    "96A496969787797979697878"
    "96A587968787796969697878"
    "86A596A59697887878797887"
    "96B496A69797787979697877"
    "96A496969797797979697878",
    "96A587968787796969697878"
    "86A596A59697887878697887"
    "96B496A69797787979697877"
    "96A496969797797979697878"
    "96A587968787796969697878"
    "86A596A59697887878697887",
    "95B496A69797787979697877"
    "96B496A69797797979697878"
    "96A597969787797969697878"
    "96A596A59697887878797787"
    "95B496A69697787978697887"
    "96B496A69797797979697877",
    "96A597969787797969697878"
    "96A596A59697887878797787"
    "95B496A59697787978697887"
    "96B496A69797797979697877"
    "96A496969787797969697878"
    "96A596A59697887878797787",
    "95B496A59697787978697887"
    "96B496A69797787979697877"
    "96A496969787797979697878"
    "96A596A59696887878788787"
    "95B496A59697887878797787"
    "96B496A69797787979697877",
    "96A496969787797979697878"
    "96A596A59696887878788787"
    "95B496A59697887878697887"
    "96B496A69797787979697877"
    "96A496969797797979697878"
    "96A596A59696887878788787",
    "95B496A59697887878697887"
    "96B496A69797787979697877"
    "96A496969797797979697878"
    "96A596A59696887878788787"
    "95B496A59697887878697887"
    "96B496A69797787979697877",
    "96A496969797797979697878"
    "96A596A5A696887878788787"
    "95B496A59697887878797787"
    "95B496A69797787978697877"
    "96B496A69797797979697878"
    "96A5A6A5A696888878788787",
    "A5B496A59697887978797787"
    "95B496A59697787978697877"
    "96B496A69797797979697878"
    "96A5A6A5A696888878788787"
    "A5B496A59697887878797787"
    "95B496A59697787978687887",
    "96B496A69797787979697877"
    "96A5A5A5A696888878788787"
    "A5B496A59697887878797787"
    "95B496A59697887878697887"
    "96B496A69797787979697877"
    "96A4A5A5A696888888788787",
    "A5B496A59696887878788787"
    "96B496A59697887878697887"
    "96B496A69797787979697877"
    "96A4A5A5A696888888788787"
    "A5B496A59696887878788787"
    "95B496A59697887878697887",
    "96B496A69797787979697877"
    "96A4A5A5A6A6888888788787"
    "A5B496A59696887878788787"
    "95B496A59697887878697887"
    "96B496A69797787979697877"
    "96A4A5A5A6A6888888788787",
    "A5B596A5A696887878788787"
    "95B496A59697887878697887"
    "96B496A69797787978697877"
    "96A4A5B5A6A6888988788787"
    "A5B496A59696888878788787"
    "95B496A59697887878797887",
    "96B496A69697787978697877"
    "96A4A5B5A6A6888888788787"
    "A5B496A5A696888878787787"
    "95B496A59697887878797787"
    "95B496A59697787978697877"
    "96B4A5B5A6A6878888788787",
    "A5B4A6A5A696888878788787"
    "A5B496A59697887878797787"
    "95B496A59697887978697887"
    "96B4A5B5A6A6878888788786"
    "A5B4A5A5A696888888788787"
    "A5B496A59696887878797787",
    "95B496A58697887878697887"
    "96B4A5B5A6A6878888788786"
    "A5B3A5A5A696888888788787"
    "A5B496A59696887878788787"
    "95B496A59697887678697887"
    "96B4A5B5A6A6878888788786",
    "A5B3A5A5A6A6888888788787"
    "A5B496A59696887878788787"
    "95B496A59697887878697887"
    "96B4A5B5A6A6878888788786"
    "A5B3A5A5A6A6888888788787"
    "A5B496A59696887878788787",
    "95B496A59697887878697887"
    "96B4A5B5A6A6878888788786"
    "A5B3A5A5A6A6888888788787"
    "A5B496A5A696888878788787"
    "95B496A59697887878697887"
    "96B4A5B5A6A6878887788786",
    "A5B3A5B5A6A6888888788787"
    "A5B496A5A696888878788787"
    "95B496A59697887878797887"
    "96B4A5B5A5A6878887788786"
    "A5B3A5B5A6A6878888788787"
    "A5B496A5A696888878788787",
    "95B496A59697887878797787"
    "95B4A5B4A5A6878887788786"
    "A5C3A5B5A6A6878888788787"
    "A5B4A6A5A696888878788787"
    "A5B496A59696887878797787"
    "95B4A5B4A5A6978787788786",
    "A5C3A5B5A6A6878888788786"
    "A5B4A5A5A696888888788787"
    "A5B496A59696887878797787"
    "95B4A5B4A5A6978787788796"
    "A5C3A5B5A6A6878888788786"
    "A5B3A5A5A6A6888888788787",
    "A5B496A59696887878788787"
    "95B4A5B4A5A6978787788796"
    "A5C3A5B5A6A6878888788786"
    "A5B3A5A5A6A6888888788787"
    "A5B496A59696887878788787"
    "95B4A5B4A5A6978787788796",
    "A5C3A5B5A6A6888888788786"
    "A5B3A5A5A6A6887888788787"
    "A5B496A5A696888878788787"
    "95B4A5B4A5A6978787788796"
    "A5C3A5B5A6A6878888788786"
    "A5B3A5A5A6A6888888788787",
    "A5B496A5A696888878788787"
    "95B4A5B4A5A6978787788796"
    "A5C3A5B5A5A6878887788786"
    "A5B3A5B5A6A6888888788787"
    "A5B496A5A696888878788787"
    "95B4A5B4A5A6978787888796",
    "A5C3A5B4A5A6878887788786"
    "A5B3A5B5A6A6878888788787"
    "A5B496A5A696888878788787"
    "95B4A5B4A5A5978787888696"
    "A4C3A5A5A5A6978787788786"
    "A5C3A5B5A6A6878878788787"};

const char* const kMonthNames[13] = {"",   "正", "二", "三", "四", "五", "六",
                                     "七", "八", "九", "十", "冬", "腊"};
const char* const kDayNames[31] = {"",     "初一", "初二", "初三", "初四", "初五", "初六", "初七",
                                   "初八", "初九", "初十", "十一", "十二", "十三", "十四", "十五",
                                   "十六", "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三",
                                   "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
const char* const kAnimalTexts[12] = {"子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇",
                                      "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};
const char* const kTermNames[25] = {"",     "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑", "白露",
                                    "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

int hexValue(char c) {
  return c <= '9' ? c - '0' : c - 'A' + 10;
}

unsigned termByte(int year, int month) {
  int yearIndex = year - 1901;
  const char* row = kAlmanacTermInfo[yearIndex / 6];
  const char* p = row + (yearIndex % 6) * 24 + (month - 1) * 2;
  return static_cast<unsigned>(hexValue(p[0]) * 16 + hexValue(p[1]));
}

int lunarCode(int year, int i) {
  std::uint32_t rec = kAlmanacLunarInfo[year - 1901];
  unsigned b0 = rec >> 24, mask = (rec >> 8) & 0xFFFF, leapAfter = rec & 0xFF;
  int mon[17], len[16];
  mon[0] = (b0 & 0x80) ? 12 : 11;
  int first = static_cast<int>(b0 & 0x7F);
  for (int k = 0; k < 16; ++k) {
    len[k] = (mask & (1u << (15 - k))) ? 30 : 29;
    if (mon[k] == static_cast<int>(leapAfter)) {
      mon[k + 1] = -static_cast<int>(leapAfter);
    } else {
      int next = std::abs(mon[k]) + 1;
      mon[k + 1] = next > 12 ? 1 : next;
    }
  }
  int month, day;
  if (i <= len[0] - first) {
    day = first + i;
    bool inLeap = year > 1901 && lunarCode(year - 1, DayOfYear(serialOf(year - 1, 12, 31)) - 1) < 0;
    month = inLeap ? -mon[0] : mon[0];
  } else {
    int acc = len[0] - first, k = 1;
    while (i > acc + len[k]) {
      acc += len[k];
      ++k;
    }
    month = mon[k];
    day = i - acc;
  }
  return month > 0 ? month * 100 + day : month * 100 - day;
}

}  // namespace

int DayOfYear(double serial) {
  Date d = dateOf(serial);
  return serialOf(d) - serialOf(d.year, 1, 1) + 1;
}

int AlmanacLunarCode(double serial) {
  int year = dateOf(serial).year;
  if (year < 1901 || year > 2050) return 0;
  return lunarCode(year, DayOfYear(serial) - 1);
}

std::string AlmanacMonthName(double serial) {
  int m = AlmanacLunarCode(serial) / 100;
  if (m < 0) return std::string("闰") + kMonthNames[-m];
  return std::string(kMonthNames[m]) + "月";
}

std::string AlmanacDayName(double serial) {
  return kDayNames[std::abs(AlmanacLunarCode(serial)) % 100];
}

std::string LunarFestival(double serial) {
  int d = std::abs(AlmanacLunarCode(serial)) % 100;
  std::string month = AlmanacMonthName(serial);
  if (d == 1 && month == "正月") return "春节";
  if (d == 5 && month == "五月") return "端午节";
  if (d == 7 && month == "七月") return "七夕节";
  if (d == 8 && month == "腊月") return "腊八节";
  if (d == 9 && month == "九月") return "重阳节";
  if (d == 15 && month == "八月") return "中秋节";
  if (d == 15 && month == "正月") return "元宵节";
  if (month != "正月" && AlmanacMonthName(serial + 1) == "正月") return "除夕";
  return {};
}

std::string ZodiacOfDate(double serial) {
  Date d = dateOf(serial);
  int r = ((d.year - 1972) % 12 + 12) % 12;
  if (d.month < 4) {
    std::string month = AlmanacMonthName(serial);
    if (month.find("腊") != std::string::npos || month.find("冬") != std::string::npos) r = (r + 11) % 12;
  }
  return kAnimalTexts[r];
}

int SolarTermIndex(int year, int month, int day) {
  unsigned b = termByte(year, month);
  int hi = static_cast<int>(b >> 4), lo = static_cast<int>(b & 15);
  if (day < 15) return day == 15 - hi ? 2 * month - 1 : 0;
  if (day == 15 && day == 15 + lo) return 2 * month - 1;
  if (day > 15 && day == 15 + lo) return 2 * month;
  return 0;
}

std::string SolarTermName(double serial) {
  Date d = dateOf(serial);
  return kTermNames[SolarTermIndex(d.year, d.month, d.day)];
}

std::string GregorianFestival(int d, double monthDate) {
  Date md = dateOf(monthDate);
  int dow = (d >= 1 && d <= daysInMonth(md.year, md.month)) ? dayOfWeek(serialOf(md.year, md.month, d)) : 0;
  int week = (d - 1) / 7;
  switch (md.month) {
    case 1:
      if (d == 1) return "元旦节";
      break;
    case 2:
      if (d == 14) return "情人节";
      break;
    case 3:
      if (d == 8) return "妇女节";
      break;
    case 4:
      if (d == 1) return "愚人节";
      break;
    case 5:
      if (d == 1) return "劳动节";
      if (d == 4) return "青年节";
      if (dow == 1 && week == 1) return "母亲节";
      break;
    case 6:
      if (d == 1) return "儿童节";
      if (dow == 1 && week == 2) return "父亲节";
      break;
    case 7:
      if (d == 1) return "建党节";
      break;
    case 8:
      if (d == 1) return "建军节";
      break;
    case 9:
      if (d == 10) return "教师节";
      break;
    case 10:
      if (d == 1) return "国庆节";
      if (d == 6) return "老人节";
      if (d == 31) return "万圣节";
      break;
    case 11:
      if (d == 8) return "记者日";
      if (dow == 5 && week == 3) return "感恩节";
      break;
    case 12:
      if (d == 25) return "圣诞节";
      break;
  }
  return {};
}

void AlmanacStarSign(double serial, std::string& text) {
  struct Bound {
    int before;
    const char* previous;
    int from;
    const char* sign;
  };
  static const Bound kBounds[12] = {
      {19, "摩羯座", 20, "水瓶座"}, {18, "水瓶座", 19, "双鱼座"}, {20, "双鱼座", 21, "白羊座"},
      {19, "白羊座", 20, "金牛座"}, {20, "金牛座", 21, "双子座"}, {21, "双子座", 22, "巨蟹座"},
      {22, "巨蟹座", 23, "狮子座"}, {22, "狮子座", 24, "处女座"}, {22, "处女座", 23, "天秤座"},
      {23, "天秤座", 24, "天蝎座"}, {21, "天蝎座", 22, "射手座"}, {21, "射手座", 22, "摩羯座"}};
  Date d = dateOf(serial);
  const Bound& b = kBounds[d.month - 1];
  if (d.day <= b.before)
    text = b.previous;
  else if (d.day >= b.from)
    text = b.sign;
}

std::string StarSignOfDay(int day, double monthDate) {
  Date md = dateOf(monthDate);
  std::string text;
  AlmanacStarSign(serialOf(md.year, md.month, day), text);
  return text;
}

}  // namespace lumo

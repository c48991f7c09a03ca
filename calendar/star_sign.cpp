#include "calendar/star_sign.h"

#include "calendar/date_serial.h"

namespace lumo {

std::string StarSign(double serial) {
  struct Range {
    int fromMonth, fromDay, toMonth, toDay;
    const char* sign;
  };
  static const Range kRanges[] = {
      {12, 22, 12, 31, "摩羯座"}, {1, 1, 1, 19, "摩羯座"},   {1, 20, 2, 18, "水瓶座"},
      {2, 19, 3, 20, "双鱼座"},   {3, 21, 4, 20, "白羊座"},  {4, 21, 5, 20, "金牛座 "},
      {5, 21, 6, 21, "双子座"},   {6, 22, 7, 22, "巨蟹座"},  {7, 23, 8, 22, "狮子座"},
      {8, 23, 9, 22, "处女座"},   {9, 23, 10, 22, "天秤座"}, {10, 23, 11, 21, "天蝎座"},
      {11, 22, 12, 21, "射手座"}};
  int year = dateOf(serial).year;
  for (const auto& r : kRanges) {
    double from = serialOf(year, r.fromMonth, r.fromDay);
    double to = serialOf(year, r.toMonth, r.toDay);
    if (serial >= from && serial <= to) return r.sign;
  }
  return {};
}

}  // namespace lumo

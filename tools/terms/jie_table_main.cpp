// lumo-jie-table FILE: writes the moments of the twelve 节 of every year from 1899 to 2101
// in China's time (UTC+8), one a line: year, 节 number (0 小寒, 1 立春, ... 11 大雪),
// term name and "yyyy-MM-dd HH:mm:ss". The years on either side of 1900-2100 let a birth
// at either end of the calendar find the 节 before and after it.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "calendar/date_serial.h"
#include "tools/almanac/solar_terms.h"

namespace {

constexpr int kFirstYear = 1899;
constexpr int kLastYear = 2101;

std::string momentText(double serial) {
  long long seconds = std::llround(serial * 86400.0);
  // Serials before 1899-12-30 are negative: split with the day rounded down.
  long long day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  long long rest = seconds - day * 86400;
  lumo::Date d = lumo::dateOf(static_cast<double>(day));
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld:%02lld", d.year, d.month, d.day, rest / 3600,
                rest / 60 % 60, rest % 60);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: lumo-jie-table FILE\n";
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  for (int year = kFirstYear; year <= kLastYear; ++year)
    for (int jie = 0; jie < 12; ++jie) {
      int index = 2 * jie;
      out << year << '\t' << jie << '\t' << lumo::almanac::termName(index) << '\t'
          << momentText(lumo::almanac::termMomentChina(year, index)) << '\n';
    }
  return out ? 0 : 1;
}

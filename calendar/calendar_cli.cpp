// lumo-cli calendar --from YYYY-MM-DD --to YYYY-MM-DD: one tab-separated line per day.
#include <iostream>

#include "app/cli_support.h"
#include "calendar/date_cn.h"
#include "calendar/date_serial.h"
#include "calendar/hx_calendar.h"
#include "calendar/star_sign.h"

namespace lumo {
namespace {

void printDay(int serial) {
  Date date = dateOf(serial);
  LunarDate lunar = SolarToLunar(serial);
  std::string lunarText = LunarYearName(lunar.year - 1864) + LunarMonthName(lunar.month, lunar.leap) +
                          LunarDayName(lunar.day);
  std::cout << formatDate(date) << '\t' << lunar.year << '\t' << lunar.month << '\t' << lunar.day << '\t'
            << (lunar.leap ? 1 : 0) << '\t' << lunarText << '\t' << SolarTermOfDate(serial) << '\t';
  if (date.year >= 1901 && date.year <= 2050) {
    std::cout << AlmanacLunarCode(serial) << '\t' << AlmanacMonthName(serial) << '\t' << AlmanacDayName(serial)
              << '\t' << LunarFestival(serial) << '\t' << GregorianFestival(date.day, serial) << '\t'
              << SolarTermName(serial) << '\t' << ZodiacOfDate(serial) << '\t';
  } else {
    std::cout << "\t\t\t\t\t\t\t";
  }
  std::cout << StarSign(serial) << '\t';
  if (date.year >= 1901 && date.year <= 2050) std::cout << StarSignOfDay(date.day, serial);
  std::cout << '\n';
}

}  // namespace

void addCalendarCli(CLI::App& app) {
  auto* cmd = app.add_subcommand("calendar", "lunar calendar and almanac texts of a range of days");
  static std::string from, to;
  cmd->add_option("--from", from, "first day YYYY-MM-DD")->required();
  cmd->add_option("--to", to, "last day YYYY-MM-DD")->required();
  cmd->callback([] {
    auto first = parseDate(from), last = parseDate(to);
    if (!first || !last) {
      std::cerr << "not a date: " << (first ? to : from) << '\n';
      cli::setExitCode(2);
      return;
    }
    std::cout << "date\tlunar_year\tlunar_month\tlunar_day\tleap\tlunar_text\tsolar_term\talmanac_code\t"
                 "almanac_month\talmanac_day\tlunar_festival\tgregorian_festival\tterm_name\tzodiac\t"
                 "star_sign\tstar_sign_of_day\n";
    for (int s = serialOf(*first); s <= serialOf(*last); ++s) printDay(s);
  });
}

}  // namespace lumo

// lumo-cli calendar --from YYYY-MM-DD --to YYYY-MM-DD: one tab-separated line per day.
// lumo-cli month YYYY-MM [--day D]: one month of the perpetual calendar, a line per week.
#include <iostream>

#include "calendar/date_cn.h"
#include "calendar/date_serial.h"
#include "calendar/hx_calendar.h"
#include "calendar/month_grid.h"
#include "calendar/month_text.h"
#include "calendar/star_sign.h"
#include "core/cli_support.h"

namespace lumo {
namespace {

void printDay(int serial) {
  Date date = dateOf(serial);
  LunarDate lunar = SolarToLunar(serial);
  std::string lunarText =
      LunarYearName(lunar.year - 1864) + LunarMonthName(lunar.month, lunar.leap) + LunarDayName(lunar.day);
  std::cout << formatDate(date) << '\t' << lunar.year << '\t' << lunar.month << '\t' << lunar.day << '\t'
            << (lunar.leap ? 1 : 0) << '\t' << lunarText << '\t' << SolarTermOfDate(serial) << '\t';
  if (date.year >= 1901 && date.year <= 2050) {
    std::cout << AlmanacLunarCode(serial) << '\t' << AlmanacMonthName(serial) << '\t'
              << AlmanacDayName(serial) << '\t' << LunarFestival(serial) << '\t'
              << GregorianFestival(date.day, serial) << '\t' << SolarTermName(serial) << '\t'
              << ZodiacOfDate(serial) << '\t';
  } else {
    std::cout << "\t\t\t\t\t\t\t";
  }
  std::cout << StarSign(serial) << '\t';
  if (date.year >= 1901 && date.year <= 2050) std::cout << StarSignOfDay(date.day, serial);
  std::cout << '\n';
}

// "YYYY-MM" inside the calendar's years; a refusal ends the command with a notice.
Date monthOfText(const std::string& text, int day) {
  auto date = parseDate(text + "-1");
  if (!date) throw Notice("not a month (YYYY-MM): " + text);
  if (date->year < calendar::kFirstGridYear || date->year > calendar::kLastGridYear)
    throw Notice("the calendar covers the years 1901 to 2050");
  if (day < 1 || day > daysInMonth(date->year, date->month))
    throw Notice("no day " + std::to_string(day) + " in " + text);
  date->day = day;
  return *date;
}

void addMonthCli(CLI::App& app) {
  auto* cmd = app.add_subcommand("month", "one month of the perpetual calendar, a line per week");
  static std::string month;
  static int day = 1;
  cmd->add_option("month", month, "the month YYYY-MM")->required();
  cmd->add_option("--day", day, "the selected day, whose star sign the first line shows (default 1)");
  cmd->callback([] {
    cli::setExitCode(cli::runAndPrint([](Report& report) {
      Date shown = monthOfText(month, day);
      for (auto& line : calendar::monthLines(calendar::buildMonthView(shown.year, shown.month, shown.day)))
        report.add(std::move(line));
    }));
  });
}

}  // namespace

void addCalendarCli(CLI::App& app) {
  addMonthCli(app);
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

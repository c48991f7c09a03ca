#include "calendar/date_serial.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace lumo {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's algorithm).
constexpr long daysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

Date civilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long y = static_cast<long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// Compile-time, so dates are right even in other files' static initialisers.
constexpr long kSerialEpoch = daysFromCivil(1899, 12, 30);

std::optional<int> parseNumber(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

bool isLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

int serialOf(int year, int month, int day) {
  return static_cast<int>(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                          kSerialEpoch);
}

Date dateOf(double serial) {
  return civilFromDays(static_cast<long>(std::floor(serial)) + kSerialEpoch);
}

int dayOfWeek(double serial) {
  // Serial 0 (1899-12-30) was a Saturday.
  long s = static_cast<long>(std::floor(serial));
  long r = ((s + 6) % 7 + 7) % 7;  // 0 = Sunday
  return static_cast<int>(r) + 1;
}

bool isValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= daysInMonth(year, month);
}

std::optional<Date> parseDate(std::string_view text) {
  auto first = text.find('-');
  if (first == std::string_view::npos) return std::nullopt;
  auto second = text.find('-', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  auto y = parseNumber(text.substr(0, first));
  auto m = parseNumber(text.substr(first + 1, second - first - 1));
  auto d = parseNumber(text.substr(second + 1));
  if (!y || !m || !d) return std::nullopt;
  if (text.substr(first + 1, second - first - 1).size() > 2 || text.substr(second + 1).size() > 2)
    return std::nullopt;
  if (!isValidDate(*y, *m, *d)) return std::nullopt;
  return Date{*y, *m, *d};
}

std::string formatDate(const Date& date) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", date.year, date.month, date.day);
  return buf;
}

}  // namespace lumo

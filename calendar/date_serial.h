#pragma once
// Gregorian dates and day serials.
//
// A day serial counts whole days from 1899-12-30 (serial 0); the fraction is the time of
// day. Dates are written year-month-day joined by "-"; parsing accepts one- or two-digit
// month and day and refuses a day that the month does not have.

#include <optional>
#include <string>
#include <string_view>

namespace lumo {

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const Date&, const Date&) = default;
  friend auto operator<=>(const Date&, const Date&) = default;  // year, then month, then day
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
int serialOf(int year, int month, int day);
inline int serialOf(const Date& d) {
  return serialOf(d.year, d.month, d.day);
}
// The date of a serial; the time of day is dropped (floor).
Date dateOf(double serial);
// Day of the week, 1 = Sunday .. 7 = Saturday.
int dayOfWeek(double serial);
bool isValidDate(int year, int month, int day);

// "y-m-d" with digits only; nullopt when malformed or not a real day.
std::optional<Date> parseDate(std::string_view text);
// "yyyy-MM-dd".
std::string formatDate(const Date& date);

}  // namespace lumo

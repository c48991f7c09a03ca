#include "bazi/solar_time.h"

#include <cmath>
#include <numbers>

namespace lumo::bazi {
namespace {

constexpr double kRad = std::numbers::pi / 180.0;
constexpr double kSerialZeroJd = 2415018.5;  // 1899-12-30 00:00
constexpr double kJ2000 = 2451545.0;
constexpr double kChinaOffsetDays = 8.0 / 24.0;
constexpr double kMinutesPerDegree = 4.0;

}  // namespace

double equationOfTimeMinutes(double beijingSerial) {
  // Universal time stands in for dynamical time: ΔT moves E by well under a second.
  double t = (beijingSerial - kChinaOffsetDays + kSerialZeroJd - kJ2000) / 36525.0;
  double l0 = (280.46646 + t * (36000.76983 + 0.0003032 * t)) * kRad;
  double m = (357.52911 + t * (35999.05029 - 0.0001537 * t)) * kRad;
  double e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
  double epsilon = (23.4392911 - t * 0.0130042) * kRad;
  double y = std::pow(std::tan(epsilon / 2), 2);
  double radians = y * std::sin(2 * l0) - 2 * e * std::sin(m) + 4 * e * y * std::sin(m) * std::cos(2 * l0) -
                   0.5 * y * y * std::sin(4 * l0) - 1.25 * e * e * std::sin(2 * m);
  return radians / kRad * kMinutesPerDegree;
}

SolarTimeShift solarTimeShift(double beijingSerial, double longitude) {
  return {(longitude - kStandardMeridian) * kMinutesPerDegree, equationOfTimeMinutes(beijingSerial)};
}

double trueSolarTime(double beijingSerial, double longitude) {
  return beijingSerial + solarTimeShift(beijingSerial, longitude).total() / 1440.0;
}

}  // namespace lumo::bazi

// Solar term moments: apparent solar longitude from libnova plus a Newton root finder.
//
// libnova's Earth position is referred to the ecliptic and equinox of J2000; the terms
// need the equinox of date, so the longitude is precessed with the ecliptic precession
// angles η, Π, p (referred to J2000) before nutation (Δψ) and aberration
// (−20.4898″ / R) are added. Near a term the Sun moves about 1° a day, so a minute of
// time is about 2.5″ of longitude; the series used here are good to about one second
// of arc for 1900-2100.

#include "tools/almanac/solar_terms.h"

#include <libnova/nutation.h>
#include <libnova/solar.h>

#include <cmath>
#include <numbers>

#include "calendar/date_serial.h"

namespace lumo::almanac {
namespace {

constexpr double kRad = std::numbers::pi / 180.0;
constexpr double kArcsec = 1.0 / 3600.0;
constexpr double kJ2000 = 2451545.0;
constexpr double kMeanDailyMotion = 360.0 / 365.2422;

const char* const kNames[kTermCount] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                        "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                        "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

double normalized(double degrees) {
  double d = std::fmod(degrees, 360.0);
  return d < 0 ? d + 360.0 : d;
}

// Difference a − b brought into [−180, 180).
double signedDifference(double a, double b) {
  double d = normalized(a - b);
  return d >= 180.0 ? d - 360.0 : d;
}

// Ecliptic longitude of J2000 carried to the ecliptic and equinox of date.
double precessedLongitude(double lonJ2000, double latJ2000, double jde) {
  double t = (jde - kJ2000) / 36525.0;
  double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * kArcsec * kRad;
  double bigPi = (174.876384 + (-869.8089 * t + 0.03536 * t * t) * kArcsec) * kRad;
  double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * kArcsec * kRad;
  double l = lonJ2000 * kRad;
  double b = latJ2000 * kRad;
  double a = std::cos(eta) * std::cos(b) * std::sin(bigPi - l) - std::sin(eta) * std::sin(b);
  double c = std::cos(b) * std::cos(bigPi - l);
  return (p + bigPi - std::atan2(a, c)) / kRad;
}

double decimalYear(double jd) {
  Date d = dateOf(jd - kSerialZeroJd);
  return d.year + (d.month - 0.5) / 12.0;
}

}  // namespace

const char* termName(int index) {
  return index >= 0 && index < kTermCount ? kNames[index] : "";
}

double termLongitude(int index) {
  return normalized(285.0 + 15.0 * index);
}

double apparentSolarLongitude(double jde) {
  ln_helio_posn sun;
  ln_get_solar_geom_coords(jde, &sun);
  ln_nutation nutation;
  ln_get_nutation(jde, &nutation);
  double lon = precessedLongitude(sun.L, sun.B, jde);
  return normalized(lon + nutation.longitude - 20.4898 * kArcsec / sun.R);
}

double deltaT(double jd) {
  double y = decimalYear(jd);
  if (y < 1920) {
    double t = y - 1900;
    return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - 0.000197 * t)));
  }
  if (y < 1941) {
    double t = y - 1920;
    return 21.20 + t * (0.84493 + t * (-0.076100 + 0.0020936 * t));
  }
  if (y < 1961) {
    double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
  }
  if (y < 1986) {
    double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
  }
  if (y < 2005) {
    double t = y - 2000;
    return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + 0.00002373599 * t))));
  }
  if (y < 2050) {
    double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  double u = (y - 1820) / 100.0;
  return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

double termMomentJd(int year, int index) {
  double target = termLongitude(index);
  // 小寒 falls about January 5-6; the terms follow about 15.2 days apart.
  double jde = serialOf(year, 1, 6) + kSerialZeroJd + 15.2184 * index;
  for (int step = 0; step < 12; ++step) {
    double miss = signedDifference(apparentSolarLongitude(jde), target);
    jde -= miss / kMeanDailyMotion;
    if (std::fabs(miss) < 1e-7) break;  // about 0.01 s
  }
  // ΔT changes by well under a second in a day, so evaluating it at TT is enough.
  return jde - deltaT(jde) / 86400.0;
}

double termMomentChina(int year, int index) {
  return termMomentJd(year, index) - kSerialZeroJd + kChinaOffsetDays;
}

}  // namespace lumo::almanac

// Moon phase days: Moon minus Sun longitude from libnova, and a secant root finder.

#include "tools/almanac/moon_phases.h"

#include <libnova/lunar.h>
#include <libnova/solar.h>

#include <cmath>
#include <vector>

#include "calendar/date_serial.h"
#include "tools/almanac/solar_terms.h"

namespace lumo::almanac {
namespace {

constexpr double kSynodicMonth = 29.530588861;
constexpr double kNewMoon2000 = 2451550.09766;  // mean new moon of 2000-01-06, JDE
constexpr double kElongationPerDay = 360.0 / kSynodicMonth;

// a − b brought into [−180, 180).
double signedDifference(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d < -180.0) d += 360.0;
  if (d >= 180.0) d -= 360.0;
  return d;
}

// libnova gives both bodies on the ecliptic and equinox of J2000. Their difference needs
// neither precession nor nutation, which move both alike; only the Sun's aberration
// (−20.4898″ / R) is added.
double elongation(double jde) {
  ln_lnlat_posn moon;
  ln_get_lunar_ecl_coords(jde, &moon, 1e-5);
  ln_helio_posn sun;
  ln_get_solar_geom_coords(jde, &sun);
  return moon.lng - (sun.L - 20.4898 / 3600.0 / sun.R);
}

constexpr double kRad = 3.14159265358979323846 / 180.0;
// The Moon gains at least this much on the Sun in a day (10.8° at its slowest).
constexpr double kSlowestElongationPerDay = 10.0;

// The mean phase moved by the two largest periodic terms (the Moon's and the Sun's
// anomalies): within about an hour of the true one.
double firstGuessJde(int k, int quarter) {
  const double lunation = k + quarter / 4.0;
  const double sunAnomaly = (2.5534 + 29.10535670 * lunation) * kRad;
  const double moonAnomaly = (201.5643 + 385.81693528 * lunation) * kRad;
  const double moonTerm = quarter % 2 == 0 ? -0.407 : -0.628;
  return kNewMoon2000 + kSynodicMonth * lunation + moonTerm * std::sin(moonAnomaly) +
         0.172 * std::sin(sunAnomaly);
}

double chinaSerialOf(double jde) {
  return jde - deltaT(jde) / 86400.0 - kSerialZeroJd + kChinaOffsetDays;
}

// The day (China's time) of phase `quarter` of lunation `k`. A step stops as soon as the
// day is certain: the phase lies within |miss| / 10° days of the moment tried.
int phaseDay(int k, int quarter) {
  const double target = 90.0 * quarter;
  double jde = firstGuessJde(k, quarter);
  for (int step = 0; step < 12; ++step) {
    const double miss = signedDifference(elongation(jde), target);
    const double at = chinaSerialOf(jde);
    const double reach = std::fabs(miss) / kSlowestElongationPerDay;
    if (std::floor(at - reach) == std::floor(at + reach)) return static_cast<int>(std::floor(at));
    jde -= miss / kElongationPerDay;
  }
  return static_cast<int>(std::floor(chinaSerialOf(jde)));
}

class PhaseTable {
 public:
  PhaseTable() : first_(serialOf(1900, 1, 1)), last_(serialOf(2101, 12, 31)) {
    days_.assign(last_ - first_ + 1, MoonPhase::None);
    const int kFirst =
        static_cast<int>(std::floor((first_ + kSerialZeroJd - kNewMoon2000) / kSynodicMonth)) - 1;
    const int kLast = static_cast<int>(std::ceil((last_ + kSerialZeroJd - kNewMoon2000) / kSynodicMonth)) + 1;
    for (int k = kFirst; k <= kLast; ++k)
      for (int quarter = 0; quarter < 4; ++quarter)
        if (const int day = phaseDay(k, quarter); day >= first_ && day <= last_)
          days_[day - first_] = static_cast<MoonPhase>(quarter + 1);
  }
  MoonPhase on(int serial) const {
    return serial < first_ || serial > last_ ? MoonPhase::None : days_[serial - first_];
  }

 private:
  int first_, last_;
  std::vector<MoonPhase> days_;
};

}  // namespace

double moonPhaseMomentJd(int k, int quarter) {
  const double target = 90.0 * quarter;
  auto miss = [target](double jde) { return signedDifference(elongation(jde), target); };
  // Secant steps from the first guess.
  double a = firstGuessJde(k, quarter);
  double fa = miss(a);
  double b = a - fa / kElongationPerDay;
  for (int step = 0; step < 12; ++step) {
    const double fb = miss(b);
    if (std::fabs(fb) < 1e-4 || fb == fa) break;  // 1e-4° is under a second of the Moon's motion
    const double next = b - fb * (b - a) / (fb - fa);
    a = b;
    fa = fb;
    b = next;
  }
  return b - deltaT(b) / 86400.0;
}

MoonPhase moonPhaseOn(int serial) {
  static const PhaseTable table;
  return table.on(serial);
}

}  // namespace lumo::almanac

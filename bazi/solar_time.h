#pragma once
// True (apparent) solar time of a birthplace from China's standard time.
//
//   true solar time = Beijing time + 4 min × (longitude − 120°) + E
//
// where E, the equation of time, is apparent minus mean solar time. E comes from Smart's
// series in the Sun's mean longitude L0, mean anomaly M, the orbit's eccentricity e and
// y = tan²(ε/2) of the obliquity ε (J. Meeus, Astronomical Algorithms, ch. 28):
//
//   E = y sin 2L0 − 2e sin M + 4ey sin M cos 2L0 − ½y² sin 4L0 − (5/4)e² sin 2M  (radians)
//
// Against the full theory it is good to about 3 seconds of time for 1900-2100, far inside
// the minute that a birth time is given to; E swings between about −14.2 min (mid-February)
// and +16.4 min (early November). Moments are day serials with the time of day as the fraction.

namespace lumo::bazi {

// China's standard time is mean solar time at 120° east.
inline constexpr double kStandardMeridian = 120.0;

// The equation of time in minutes at a moment given in China's time.
double equationOfTimeMinutes(double beijingSerial);

// Minutes that true solar time at `longitude` runs ahead of Beijing time at a moment:
// the longitude part and the equation of time.
struct SolarTimeShift {
  double longitudeMinutes = 0;
  double equationMinutes = 0;
  double total() const { return longitudeMinutes + equationMinutes; }
};
SolarTimeShift solarTimeShift(double beijingSerial, double longitude);

// The true solar time at `longitude` of a moment in China's time.
double trueSolarTime(double beijingSerial, double longitude);

}  // namespace lumo::bazi

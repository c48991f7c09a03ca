#pragma once
// The 24 solar terms at their true moments.
//
// A term begins when the Sun's apparent geocentric ecliptic longitude reaches a multiple
// of 15°: 小寒 at 285°, 立春 at 315°, 春分 at 0°, ... 冬至 at 270°. The longitude is taken
// from libnova's VSOP87 Earth (J2000 frame), carried to the equinox of date by the
// ecliptic precession, then corrected for nutation in longitude and for aberration.
// The moment is found in Terrestrial Time by Newton steps and turned into Universal
// Time with ΔT (the polynomial fits of Espenak and Meeus). China's time is UTC+8.

namespace lumo::almanac {

// Term indices follow the Gregorian year: 0 小寒, 1 大寒, 2 立春, ... 23 冬至.
// The twelve 节 that open the almanac months are the even indices.
inline constexpr int kTermCount = 24;
inline constexpr int kXiaohan = 0;
inline constexpr int kLichun = 2;
inline constexpr int kChunfen = 5;
inline constexpr int kXiazhi = 11;
inline constexpr int kLiqiu = 14;
inline constexpr int kQiufen = 17;
inline constexpr int kDongzhi = 23;

// Day serials count from 1899-12-30 00:00; China's time is eight hours ahead of UT.
inline constexpr double kSerialZeroJd = 2415018.5;
inline constexpr double kChinaOffsetDays = 8.0 / 24.0;

// The four 立 (立春 立夏 立秋 立冬), every sixth term from 立春.
inline bool isBeginningTerm(int index) {
  return index >= 0 && index % 6 == kLichun;
}

const char* termName(int index);
// The Sun's longitude (degrees, 0 <= λ < 360) that starts term `index`.
double termLongitude(int index);

// The Sun's apparent ecliptic longitude of date, degrees in [0, 360), at a Julian
// Ephemeris Day.
double apparentSolarLongitude(double jde);
// ΔT = TT − UT in seconds at a Julian Day.
double deltaT(double jd);

// The moment term `index` of Gregorian year `year` begins, as a Julian Day (UT).
double termMomentJd(int year, int index);
// The same moment in China's time, as a day serial (days from 1899-12-30, with the
// time of day as the fraction).
double termMomentChina(int year, int index);

}  // namespace lumo::almanac

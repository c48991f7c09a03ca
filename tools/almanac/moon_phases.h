#pragma once
// The days on which the Moon reaches its phases, in China's time (UTC+8): 朔 (new, at
// the Sun's longitude), 上弦 (90° east of it), 望 (full, 180°) and 下弦 (270°).
//
// The Moon's longitude is libnova's ELP 2000-82 series (terms below 1e-5 left out, about
// 0.005°, under a minute of the Moon's motion), the Sun's its VSOP87 Earth, both on the
// ecliptic of J2000.
// Each phase is found by secant steps from the mean lunation and turned into Universal
// Time with ΔT. The table covers 1900-2101 and is worked out once, on first use.

namespace lumo::almanac {

enum class MoonPhase { None, New, FirstQuarter, Full, LastQuarter };

// The phase that falls on the day `serial` (days from 1899-12-30), None for most days
// and for days outside the table.
MoonPhase moonPhaseOn(int serial);

// The moment of phase `quarter` (0 new .. 3 last quarter) of lunation `k` (k = 0 is the
// new moon of 2000-01-06), as a Julian Day in Universal Time.
double moonPhaseMomentJd(int k, int quarter);

}  // namespace lumo::almanac

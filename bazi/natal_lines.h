#pragma once
// The natal-chart lines of the BaZi report: fetal origin, starting age, ten gods, the eight
// characters, the hidden stems in three rows, the elements, the 纳音 and the great-luck
// lines. Every lookup that finds nothing leaves "" in its place; labels and blanks stay.

#include <string>

#include "core/report.h"

namespace lumo::bazi {

struct BaziChart;

// The ten god of a stem character against the chart's day master.
std::string tenGodOf(const BaziChart& chart, const std::string& stem);

// Row `index` (0, 1, 2) of the hidden stems: the first row joins stem + ten god of the four
// positions with one blank; the second and third give stem + ten god + one blank for a
// position that has that many hidden stems and seven blanks for one that has not.
std::string hiddenStemRow(const BaziChart& chart, int index);

// The element text: the elements of year stem and branch, month, day and hour, in pairs
// separated by three blanks (the text that the five-element tally counts).
std::string elementText(const BaziChart& chart);

// Writes the chart lines 胎元 … 纳音 and returns the element text it printed.
std::string writeChartLines(const BaziChart& chart, Report& report);
// Writes the great-luck lines: their 纳音, their ten gods and 大运.
void writeLuckLines(const BaziChart& chart, Report& report);
// Writes the lines 胎元 … 大运 and returns the element text it printed.
std::string writeNatalLines(const BaziChart& chart, Report& report);

}  // namespace lumo::bazi

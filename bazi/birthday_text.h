#pragma once
// The birthday personality texts held in the program, and the personality section that
// closes the BaZi report.
//
// The table is keyed 1..31 (a text for the day of the month) and month*100+day for every
// calendar day, 29 February included (101..1231). It is parsed from the embedded
// key<TAB>text source at first use and never changes; a key without a text reads "".

#include <array>
#include <string>
#include <string_view>

#include "core/report.h"

namespace lumo::bazi {

struct BaziChart;

// The text stored under one key; "" for a key outside the table.
std::string birthdayTableText(int key);

// The day-of-month text followed by the month-and-day text, nothing between.
std::string birthdayText(int month, int day);

using BirthdayTable = std::array<std::string, 1232>;

// Parses a key<TAB>text source into the table. Lines whose key is not a number in 1..1231
// (the header line among them) are skipped; the escapes \n, \t and \\ in a text are undone,
// and a text keeps its blanks. Used on the embedded source at first use.
BirthdayTable parseBirthdayTable(std::string_view source);

// The separator, "性格简评：" and four blanks + the chart's personality text.
void writePersonalitySection(const BaziChart& chart, Report& report);
// The same after computing the chart of the birth moment again (same input, same chart);
// an impossible day writes nothing.
void writePersonalitySection(int year, int month, int day, const std::string& sex, int hour, Report& report);

}  // namespace lumo::bazi

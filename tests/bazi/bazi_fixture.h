#pragma once
// Test helpers of the BaZi tests: database files made in a temporary folder, and the
// solar-term stand-ins that put 节 days at chosen distances from a birth date.

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>

#include "bazi/bazi_chart.h"
#include "calendar/date_serial.h"
#include "data/database_files.h"
#include "tests/support/fixture_folder.h"

namespace lumo::bazi::testing {

// Points the data store at a fresh folder for its lifetime; the built databases afterwards.
using lumo::testing::FixtureFolder;

// Solar terms that fall exactly on the given day serials (all named 立春, a 节 term).
inline TermOfDay jieOn(std::set<int> serials, std::string name = "立春") {
  return [serials = std::move(serials), name](double serial) {
    return serials.count(static_cast<int>(serial)) ? name : std::string();
  };
}

// No solar term on any day: the starting age falls back to the month table's count.
inline std::string noTerms(double) {
  return {};
}

}  // namespace lumo::bazi::testing

// The element lookup of up to five characters, by 2-byte slices.
#include "generator/element_lookup.h"

#include <gtest/gtest.h>

#include "core/report.h"
#include "data/read_failure.h"
#include "fixture_db.h"

namespace lumo::generator {
namespace {

TEST(ElementLookup, SlicesOfTheInput) {
  test::FixtureDb fixture;
  db::Connection connection(fixture.path());
  struct Case {
    const char* input;
    const char* result;
  } cases[] = {
      {"娟浩", "土水"},   {"鈺", "金"},  // found by its traditional form
      {"明x林", "火"},                   // "x" and half of 林 make a slice that finds nothing
      {"明某林", "火木"},                // a character missing from the table adds nothing
      {" 金林 ", "金木"}, {"明林雨金岩浩", "火木水金土"},  // only five slices
      {"'", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ElementsOfText(connection, c.input), c.result) << c.input;
  EXPECT_EQ(ElementsOfText(connection, "  "), std::nullopt) << "empty input leaves the field";
  EXPECT_EQ(ElementOf(connection, "潤"), "水");
  EXPECT_EQ(ElementOf(connection, ""), "");
}

TEST(ElementLookup, DatabaseErrorIsReported) {
  test::FixtureDb fixture;
  fixture.exec("DROP TABLE word");
  db::Connection connection(fixture.path());
  EXPECT_THROW(ElementsOfText(connection, "明"), ReportedFailure);
}

}  // namespace
}  // namespace lumo::generator

#include "data/tsv.h"

#include <gtest/gtest.h>

namespace lumo::tsv {
namespace {

TEST(Tsv, EscapesNullsAndColumns) {
  Table t = parse("a\tb\n1\tx\\ny\n2\t\\N\n\n3\t\\\\\n");
  ASSERT_EQ(t.rows.size(), 3u);
  EXPECT_EQ(*t.rows[0][1], "x\ny");
  EXPECT_FALSE(t.rows[1][1].has_value());
  EXPECT_EQ(*t.rows[2][1], "\\");
  EXPECT_EQ(t.column("b"), 1);
}

TEST(Tsv, WrongFieldCountNamesTheLine) {
  try {
    parse("a\tb\n1\n");
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos);
  }
}

TEST(Tsv, KeepsTrailingBlanks) {
  Table t = parse("k\tv\n531\t父母。 \n");
  EXPECT_EQ(*t.rows[0][1], "父母。 ");
}

}  // namespace
}  // namespace lumo::tsv

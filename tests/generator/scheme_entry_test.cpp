// Scheme entries: the stroke counts and the tag read back from the list's texts.
#include "generator/scheme_entry.h"

#include <gtest/gtest.h>

#include "generator/field_checks.h"

namespace lumo::generator {
namespace {

struct EntryCase {
  const char* entry;
  NameForm form;
  int first, second;
  const char* tag;
};

TEST(SchemeEntry, ParsesEveryShape) {
  const EntryCase cases[] = {
      {"12|8(85分)", NameForm::Single, 8, 0, "(85分)"},
      {"12-8|6(85分)", NameForm::Single, 6, 0, "(85分)"},
      {"12|8-10(85分)", NameForm::Double, 8, 10, "(85分)"},
      {"12|8-9(85分)", NameForm::Double, 8, 9, "(85分)"},
      {"12-8|6-10(100分)", NameForm::Double, 6, 10, "(100分)"},
      {"12|18-0(70分)", NameForm::Double, 18, 0, "(70分)"},
      {"12|8-9", NameForm::Double, 8, 9, "8-9"},  // no tag: the text after "|" stands in
  };
  for (const auto& c : cases) {
    auto parsed = parseSchemeEntry(c.entry, c.form);
    ASSERT_TRUE(parsed) << c.entry;
    EXPECT_EQ(parsed->first, c.first) << c.entry;
    EXPECT_EQ(parsed->second, c.second) << c.entry;
    EXPECT_EQ(parsed->tag, c.tag) << c.entry;
  }
}

TEST(SchemeEntry, NotANumberFails) {
  for (const char* entry : {"12|x(85分)", "12|(85分)", "电脑全自动", "12|8 (85分)"})
    EXPECT_FALSE(parseSchemeEntry(entry, NameForm::Single)) << entry;
  for (const char* entry : {"12|8(85分)", "12|a-9(85分)", "12|8-x(85分)", "12|8-(85分)"})
    EXPECT_FALSE(parseSchemeEntry(entry, NameForm::Double)) << entry;
}

TEST(SchemeEntry, TagIsCutAtSixteenBytes) {
  auto parsed = parseSchemeEntry("1|2(1234567890123456789)", NameForm::Single);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->tag, "(123456789012345");
}

TEST(SchemeEntry, FormatsTheFourKinds) {
  EXPECT_EQ(formatSchemeEntry("12", "8", "0", false, "85"), "12|8(85分)");
  EXPECT_EQ(formatSchemeEntry("12", "8", "10", true, "85"), "12|8-10(85分)");
  EXPECT_EQ(formatSchemeEntry("12-8", " 6", "0", false, "85 "), "12-8|6(85分)");
  EXPECT_EQ(formatSchemeEntry("12-8", "6", "10", true, "100"), "12-8|6-10(100分)");
}

TEST(FieldChecks, IntegersOrTheDefault) {
  EXPECT_EQ(checkedMinScore("abc"), "70");
  EXPECT_EQ(checkedMinScore(" 65"), " 65");
  EXPECT_EQ(checkedMinScore(""), "");
  EXPECT_EQ(checkedMinScore("7.5"), "70");
  EXPECT_EQ(checkedThreshold("x"), "95");
  EXPECT_EQ(checkedThreshold("80"), "80");
  EXPECT_EQ(checkedThreshold("  "), "  ");
}

TEST(FieldChecks, ClipCountsGbkBytes) {
  EXPECT_EQ(clipToGbkBytes("欧阳修", 4), "欧阳");
  EXPECT_EQ(clipToGbkBytes("a欧阳", 4), "a欧");
  EXPECT_EQ(clipToGbkBytes("明华", 2), "明");
  EXPECT_EQ(clipToGbkBytes("金木水火土金", 10), "金木水火土");
  EXPECT_EQ(clipToGbkBytes("", 2), "");
}

TEST(FieldChecks, GivenNameOfAListEntry) {
  EXPECT_EQ(givenNameOf("王明华(85分)", "王"), "明华");
  EXPECT_EQ(givenNameOf("欧阳明(100分)", " 欧阳 "), "明");
  EXPECT_EQ(givenNameOf("明华(85分)", ""), "明华");
  EXPECT_EQ(givenNameOf("王明华", "王"), "") << "no score tag: nothing before the \"(\"";
}

}  // namespace
}  // namespace lumo::generator

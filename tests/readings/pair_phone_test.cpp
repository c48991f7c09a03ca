// QQ pairing and phone number readings, over fixture databases and the built ones.
#include <gtest/gtest.h>

#include <string>

#include "core/report.h"
#include "data/read_failure.h"
#include "data/tsv.h"
#include "fixture_db.h"
#include "readings/phone_reading.h"
#include "readings/qq_pair.h"

namespace lumo::readings {
namespace {

TEST(PairCheck, FourChecksInOrder) {
  struct Case {
    const char* own;
    const char* other;
    const char* message;  // nullptr: accepted
    PairField field;
  };
  const Case cases[] = {
      {"", "", "请输入自己的QQ号码！", PairField::Own},
      {"  ", "12345", "请输入自己的QQ号码！", PairField::Own},
      {"1234", "", "请输入正确的QQ号码！", PairField::Own},  // four digits, whatever the other holds
      {"1234", "67890", "请输入正确的QQ号码！", PairField::Own},
      {"12345678901", "67890", "请输入正确的QQ号码！", PairField::Own},
      {"12a45", "67890", "请输入正确的QQ号码！", PairField::Own},
      {"12345", "", "请输入对方的QQ号码！", PairField::Other},
      {"12345", "6789", "请输入正确的QQ号码！", PairField::Other},
      {"12345", "67890123456", "请输入正确的QQ号码！", PairField::Other},
      {"12345", "1234567890", nullptr, PairField::Own},
      {" 12345 ", "67890", nullptr, PairField::Own},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.own) + "/" + c.other);
    auto refusal = CheckPairInput(c.own, c.other);
    if (!c.message) {
      EXPECT_FALSE(refusal);
      continue;
    }
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, c.message);
    EXPECT_EQ(refusal->field, c.field);
  }
}

TEST(PairSum, ReducedInto0To100) {
  EXPECT_EQ(PairSum("12345", "67890"), 45);
  EXPECT_EQ(PairSum("9999999999", "9999999999"), 80);  // 180 -> 80
  EXPECT_EQ(PairSum("99999", "99999"), 90);
  EXPECT_EQ(PairSum("9999999999", "9999999991"), 72);
  EXPECT_EQ(PairSum("00000", "00000"), 0);
  // 100 stays 100, 101 gives 1, 150 gives 50.
  EXPECT_EQ(PairSum("9999999999", "1"), 91);
  EXPECT_EQ(PairSum("9999999999", "91"), 100);
  EXPECT_EQ(PairSum("9999999999", "92"), 1);
  EXPECT_EQ(PairSum("9999999999", "99999a"), 35);  // non-digits count nothing
  EXPECT_EQ(PairSum("99999999999999999", "6"), 59);
  EXPECT_EQ(DigitSum("9999999999999999") + DigitSum("6"), 150);
  EXPECT_EQ(PairSum("9999999999999999", "6"), 50);
}

TEST(PairQQ, MatchesTheSumAsAWholeNumberBetweenCommas) {
  testing::FixtureFolder folder;
  folder.addFile(db::DbFile::KelBirth,
                 "CREATE TABLE QQpd (bihua TEXT, intro TEXT);"
                 "INSERT INTO QQpd VALUES (',4,', 'four');"
                 "INSERT INTO QQpd VALUES (',145,', 'never');"
                 "INSERT INTO QQpd VALUES (',44,45,', '  forty-five  ');"
                 "INSERT INTO QQpd VALUES (',100,', 'hundred');");
  EXPECT_EQ(PairQQ("12345", "67890"), "forty-five");  // trimmed
  EXPECT_EQ(PairQQ("11111", "00000"), "");            // 5: ",145," and ",45," must not match
  EXPECT_EQ(PairQQ("22", "2"), "");                   // 6: no row
  EXPECT_EQ(PairQQ("1111", ""), "four");
  EXPECT_EQ(PairQQ("9999999999", "91"), "hundred");
}

TEST(PairQQ, AMissingTableIsReported) {
  testing::FixtureFolder folder;
  folder.addFile(db::DbFile::KelBirth, "CREATE TABLE other (x TEXT);");
  EXPECT_THROW(PairQQ("12345", "67890"), ReportedFailure);
}

TEST(PairQQ, EverySumFrom0To100HasExactlyOneRowInTheBuiltTable) {
  for (int sum = 0; sum <= 100; ++sum) {
    SCOPED_TRACE(sum);
    auto rows = db::runQuery(db::DbFile::KelBirth, "select intro from QQpd where bihua like ?",
                             {"%," + std::to_string(sum) + ",%"});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_GE(rows.text(0, std::size_t{0}).size(), 60u);  // several sentences
  }
  EXPECT_FALSE(PairQQ("12345", "67890").empty());
}

struct PhoneCase {
  const char* number;
  const char* key;
};

TEST(PhoneKey, FromTheEighthDigitModulo80) {
  const PhoneCase cases[] = {
      {"13912348000", "0"}, {"13912345678", "78"}, {"13912340079", "79"},
      {"13912340080", "0"}, {"13912349999", "79"}, {"12345678", "8"},
      {"123456789", "9"},   {"1234567890", "10"},  {" 13912340037 ", "37"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(shoujiinfostr(c.number), c.key);
  }
}

TEST(PhoneKey, RefusesShortLongAndNonDigitNumbers) {
  const std::pair<const char*, std::string_view> cases[] = {
      {"", kPhoneEmpty},
      {"  ", kPhoneEmpty},
      {"1", kPhoneTooShort},
      {"1234567", kPhoneTooShort},
      {"139123a5678", kPhoneNotDigits},
      {"139123456789", kPhoneNotDigits},
  };
  for (const auto& [number, message] : cases) {
    SCOPED_TRACE(number);
    try {
      shoujiinfostr(number);
      ADD_FAILURE() << "accepted";
    } catch (const Notice& notice) {
      EXPECT_EQ(std::string(notice.what()), message);
    }
  }
}

TEST(PhoneReading, ShowsTheRowOrEmptyLabels) {
  testing::FixtureFolder folder;
  folder.addFile(db::DbFile::Dream,
                 "CREATE TABLE shouji (num TEXT PRIMARY KEY, title TEXT, jx TEXT, content TEXT);"
                 "INSERT INTO shouji VALUES ('78', ' 标题 ', '吉', '内容');");
  auto lines = readPhone("13912345678");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].joined(), "手机号码是：13912345678");
  EXPECT_EQ(lines[1].joined(), "状态：标题");
  EXPECT_EQ(lines[2].joined(), "吉凶：吉");
  EXPECT_EQ(lines[3].joined(), "具体表现：内容");
  auto none = readPhone("13912348000");
  EXPECT_EQ(none[0].value, "13912348000");
  EXPECT_EQ(none[1].value + none[2].value + none[3].value, "");
}

TEST(PhoneReading, RefusesNumbersShorterThanElevenDigitsWithTheirCount) {
  for (const char* number : {"1", "1234567", "123456789", "1391234567"}) {
    SCOPED_TRACE(number);
    try {
      readPhone(number);
      ADD_FAILURE() << "read";
    } catch (const Notice& notice) {
      EXPECT_EQ(std::string(notice.what()), phoneTooShortMessage(std::string_view(number).size()));
    }
  }
  EXPECT_EQ(phoneTooShortMessage(9), "手机号码是11位，您只输入了9位：请输入完整的11位手机号码。");
}

TEST(PhoneReading, AStatementFaultStopsSilentlyAndAMissingTableIsReported) {
  testing::FixtureFolder folder;
  folder.addFile(db::DbFile::Dream, "CREATE TABLE other (x TEXT);");
  EXPECT_THROW(readPhone("13912345678"), ReportedFailure);
  folder.addFile(db::DbFile::Dream, "CREATE TABLE shouji (num TEXT);");
  EXPECT_THROW(readPhone("13912345678"), CommandStopped);
}

TEST(PhoneReading, TheBuiltTableHasAllEightyKeys) {
  for (int key = 0; key < 80; ++key) {
    SCOPED_TRACE(key);
    auto rows = db::runQuery(db::DbFile::Dream, "select title,jx,content from shouji where num = ?",
                             {std::to_string(key)});
    ASSERT_EQ(rows.size(), 1u);
    for (std::size_t column = 0; column < 3; ++column) EXPECT_FALSE(rows.text(0, column).empty());
  }
  auto count = db::runQuery(db::DbFile::Dream, "select count(*) from shouji");
  EXPECT_EQ(count.integer(0, std::size_t{0}), 80);
}

}  // namespace
}  // namespace lumo::readings

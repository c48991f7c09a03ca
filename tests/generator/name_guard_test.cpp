// The guards of the naming run on hand-made data: repeated surnames, other common
// surnames, doubled characters, and unlucky homophones with and without tones.
#include "generator/name_guard.h"

#include <gtest/gtest.h>

#include "generator/pinyin.h"

namespace lumo::generator {
namespace {

GuardData sampleData() {
  GuardData d;
  auto name = [&](const char* zi, const char* reading, bool doubled = false) {
    d.characters[codePointsOf(zi).front()] = {reading, true, doubled};
  };
  for (auto [zi, reading] : std::initializer_list<std::pair<const char*, const char*>>{
           {"伟", "wěi"},   {"梓", "zǐ"},   {"芒", "máng"}, {"施", "shī"}, {"拔", "bá"},   {"京", "jīng"},
           {"丽", "lì"},    {"统", "tǒng"}, {"用", "yòng"}, {"子", "zǐ"},  {"腾", "téng"}, {"珍", "zhēn"},
           {"香", "xiāng"}, {"明", "míng"}, {"华", "huá"},  {"文", "wén"}, {"琪", "qí"},   {"雨", "yǔ"},
           {"刚", "gāng"},  {"阳", "yáng"}, {"金", "jīn"}})
    name(zi, reading);
  name("婷", "tíng", true);
  name("丹", "dān", true);
  d.characters[codePointsOf("郑").front()] = {"zhèng", false, false};
  d.characters[codePointsOf("姞").front()] = {"jí", false, false};
  d.surnameReadings = {{"王", "wáng"}, {"杨", "yáng"},      {"吴", "wú"},    {"刘", "liú"}, {"陈", "chén"},
                       {"杜", "dù"},   {"范", "fàn"},       {"沈", "shěn"},  {"胡", "hú"},  {"史", "shǐ"},
                       {"解", "xiè"},  {"欧阳", "ōu yáng"}, {"郑", "zhèng"}, {"文", "wén"}};
  for (const char* s : {"王", "杨", "吴", "刘", "陈", "郑", "文", "金"})
    d.commonSurnames.insert(codePointsOf(s).front());
  d.unluckyReadings = {"yáng wěi",       "wú yòng",    "liú máng", "chén shī",  "wú zǐ",
                       "wáng bā",        "dù zi téng", "fàn tǒng", "shén jīng", "hú li",
                       "shǐ zhēn xiāng", "xiè qì",     "sǐ wáng"};
  return d;
}

NamingOptions options(const char* surname, Sex sex = Sex::Male) {
  NamingOptions o;
  o.surname = surname;
  o.sex = sex;
  return o;
}

bool admits(const GuardData& d, const NamingOptions& o, const std::string& name) {
  return NameGuard(d, o).admits(name);
}

TEST(NameGuard, GivenCharacterRepeatingTheSurname) {
  GuardData d = sampleData();
  EXPECT_FALSE(admits(d, options("刘"), "刘姞刘(85分)"));
  EXPECT_FALSE(admits(d, options("欧阳"), "欧阳明阳(85分)"));
  EXPECT_FALSE(admits(d, options("王"), "王王明(85分)"));
  EXPECT_TRUE(admits(d, options("欧阳"), "欧阳明华(85分)"));
}

TEST(NameGuard, OtherCommonSurnamesUnlessKeptAsNameCharacters) {
  GuardData d = sampleData();
  EXPECT_FALSE(admits(d, options("王"), "王郑明(85分)"));
  EXPECT_TRUE(admits(d, options("王"), "王文明(85分)"));  // 文 kept: also a surname
  EXPECT_TRUE(admits(d, options("王"), "王金华(85分)"));
  NamingOptions fixed = options("王");
  fixed.fixedTicked = true;
  fixed.fixedChar = "郑";
  EXPECT_TRUE(admits(d, fixed, "王郑明(85分)")) << "a fixed character is the parent's choice";
  EXPECT_FALSE(admits(d, fixed, "王明王(85分)")) << "the surname still may not repeat";
}

TEST(NameGuard, DoubledCharactersOnlyInGirlsNamesThatTakeThem) {
  GuardData d = sampleData();
  EXPECT_TRUE(admits(d, options("李", Sex::Female), "李婷婷(85分)"));
  EXPECT_TRUE(admits(d, options("李", Sex::Female), "李丹丹(85分)"));
  EXPECT_FALSE(admits(d, options("李", Sex::Male), "李丹丹(85分)"));
  EXPECT_FALSE(admits(d, options("李", Sex::Female), "李刚刚(85分)"));
  EXPECT_FALSE(admits(d, options("李", Sex::Female), "李琪琪(85分)"));
  EXPECT_TRUE(admits(d, options("李", Sex::Female), "李婷(85分)"));
}

TEST(NameGuard, HomophonesWithTheSameTones) {
  GuardData d = sampleData();
  EXPECT_FALSE(admits(d, options("杨"), "杨伟明(85分)"));  // 阳痿, surname + first character
  EXPECT_FALSE(admits(d, options("杨"), "杨伟(85分)"));    // single given name
  EXPECT_FALSE(admits(d, options("吴"), "吴用(85分)"));
  EXPECT_FALSE(admits(d, options("刘"), "刘芒雨(85分)"));
  EXPECT_FALSE(admits(d, options("陈"), "陈施(85分)"));
  EXPECT_FALSE(admits(d, options("吴"), "吴梓明(85分)"));
  EXPECT_FALSE(admits(d, options("范"), "范统(85分)"));
  EXPECT_FALSE(admits(d, options("史"), "史珍香(85分)"));  // the whole name
  EXPECT_TRUE(admits(d, options("杨"), "杨明伟(85分)"));
}

TEST(NameGuard, HomophonesWithOtherTones) {
  GuardData d = sampleData();
  EXPECT_FALSE(admits(d, options("王"), "王拔明(85分)"));  // wáng bá ~ 王八 wáng bā
  EXPECT_FALSE(admits(d, options("沈"), "沈京(85分)"));    // shěn jīng ~ 神经 shén jīng
  EXPECT_FALSE(admits(d, options("胡"), "胡丽(85分)"));    // hú lì ~ 狐狸 hú li
  EXPECT_FALSE(admits(d, options("杜"), "杜子腾(85分)"));  // dù zǐ téng ~ 肚子疼
  // Two tones changed: no longer heard as the word.
  d.unluckyReadings.push_back("lí yì");
  d.characters[U'一'] = {"yī", true, false};
  d.surnameReadings["李"] = "lǐ";
  EXPECT_TRUE(admits(d, options("李"), "李一明(85分)"));  // lǐ yī is not 离异 lí yì
  d.unluckyReadings.push_back("lǐ yì");
  EXPECT_FALSE(admits(d, options("李"), "李一明(85分)"));
}

TEST(NameGuard, TheGivenCharactersAloneAndTheSurnameReading) {
  GuardData d = sampleData();
  d.unluckyReadings.push_back("míng wéi");  // a made-up word over the two given characters
  EXPECT_FALSE(admits(d, options("李"), "李明伟(85分)"));
  // 解 reads xiè as a surname: 解琪 sounds like 泄气; read jiě it would not.
  EXPECT_FALSE(admits(d, options("解"), "解琪(85分)"));
  d.surnameReadings["解"] = "jiě";
  EXPECT_TRUE(admits(d, options("解"), "解琪(85分)"));
}

TEST(NameGuard, CharactersWithoutReadingsAndOddInput) {
  GuardData d = sampleData();
  EXPECT_TRUE(admits(d, options("李"), "李龢明(85分)"));  // 龢 has no reading here
  EXPECT_TRUE(admits(d, options(""), "明华(85分)"));      // empty surname
  EXPECT_TRUE(admits(d, options("欧阳"), "欧阳(85分)"));  // nothing given
  EXPECT_FALSE(admits(d, options(""), "伟伟(85分)"));
}

TEST(Pinyin, TonelessFormsAndSyllables) {
  EXPECT_EQ(toneless("shèng"), "sheng");
  EXPECT_EQ(toneless("lǚ"), "lv");
  EXPECT_EQ(toneless("nüè"), "nve");
  EXPECT_EQ(toneless("yù chí"), "yu chi");
  EXPECT_EQ(syllablesOf("mò qí"), (std::vector<std::string>{"mò", "qí"}));
  EXPECT_TRUE(syllablesOf("").empty());
  EXPECT_EQ(toneOf("shèng"), 4);
  EXPECT_EQ(toneOf("lǚ"), 3);
  EXPECT_EQ(toneOf("lü"), 0);
  EXPECT_EQ(toneOf("zi"), 0);
  EXPECT_EQ(toneOf("ā"), 1);
  EXPECT_EQ(codePointsOf("王a"), (std::vector<char32_t>{U'王', U'a'}));
}

}  // namespace
}  // namespace lumo::generator

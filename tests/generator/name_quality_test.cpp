// The name-quality score as a table of cases: the tone rules, each part's points and the
// element fit with and without a birth moment.
#include "generator/name_quality.h"

#include <gtest/gtest.h>

namespace lumo::generator {
namespace {

naming::CharFacts fact(const char* zi, const char* reading, const char* element = "木", int px = 10,
                       const char* gloss = "好") {
  naming::CharFacts f;
  f.zi = zi;
  f.reading = reading;
  f.syllable = naming::parseSyllable(reading);
  f.element = element;
  f.px = px;
  f.gloss = gloss;
  return f;
}

std::vector<naming::Syllable> syllables(std::initializer_list<const char*> readings) {
  std::vector<naming::Syllable> out;
  for (const char* r : readings) out.push_back(naming::parseSyllable(r));
  return out;
}

// Readings from the toneless column: the syllables are known, their tones are not.
std::vector<naming::Syllable> toneless(std::initializer_list<const char*> readings) {
  auto out = syllables(readings);
  for (auto& s : out) s.tone = 0;
  return out;
}

TEST(ToneMarks, SyllablesAndTones) {
  struct Case {
    const char* reading;
    const char* plain;
    int tone;
  } cases[] = {{"hào", "hao", 4}, {"wáng", "wang", 2},  {"lǚ", "lü", 3},   {"lü", "lü", 5},
               {"lv", "lü", 5},   {"de", "de", 5},      {"jīn", "jin", 1}, {"hao3", "hao", 3},
               {"", "", 0},       {"hào hǎo", "hao", 4}};
  for (const auto& c : cases) {
    auto s = naming::parseSyllable(c.reading);
    EXPECT_EQ(s.plain, c.plain) << c.reading;
    EXPECT_EQ(s.tone, c.tone) << c.reading;
  }
  EXPECT_STREQ(naming::toneName(2), "阳平");
  EXPECT_STREQ(naming::toneName(0), "");
}

TEST(NameQuality, ToneRules) {
  struct Case {
    std::vector<naming::Syllable> name;
    const char* broken;  // nullptr: kept
  } cases[] = {
      {syllables({"wáng", "hào", "rán"}), nullptr},
      {syllables({"lǐ", "xuě"}), "全名同一声调"},
      {syllables({"zhāng", "qīng", "fēng"}), "全名同一声调"},
      {syllables({"zhāng", "zhàng", "míng"}), "两字同音"},
      {syllables({"lǐ", "lì", "míng"}), "两字同音"},
      {syllables({"wáng", "tíng", "tíng"}), "全名同一声调"},
      {syllables({"chén", "tíng", "tìng"}), "两字同音"},
      {syllables({"wáng", "míng", "de"}), "末字轻声"},
      {syllables({"wáng", "xiǎo", "yǔ"}), "末两字都是上声"},
      {syllables({"lǐ", "jiā", "yǔ"}), nullptr},
      {syllables({"lǐ", "yǔ", "fēi"}), nullptr},    // two third tones, but not at the end
      {toneless({"wang", "hao", "ran"}), nullptr},  // unknown tones: no tone rule applies
      {toneless({"wang", "wang", "ran"}), "两字同音"},
  };
  for (const auto& c : cases) {
    const char* broken = brokenToneRule(c.name);
    if (c.broken)
      EXPECT_STREQ(broken, c.broken) << c.name[1].plain << c.name.back().plain;
    else
      EXPECT_EQ(broken, nullptr) << c.name[1].plain << c.name.back().plain << broken;
  }
}

TEST(NameQuality, PopularityFallsWithTheRank) {
  EXPECT_DOUBLE_EQ(popularityPoints(1), 25);
  EXPECT_DOUBLE_EQ(popularityPoints(50), 25);
  EXPECT_NEAR(popularityPoints(387), 12.5, 0.05);  // the geometric middle of 50 and 3000
  EXPECT_DOUBLE_EQ(popularityPoints(3000), 0);
  EXPECT_DOUBLE_EQ(popularityPoints(0), 0) << "an unknown rank earns nothing";
  EXPECT_GT(popularityPoints(100), popularityPoints(1000));
}

// px counts a character popular over all generations alike; its mark for a child born
// now and its lean to one sex correct the points, which stay within 0..25.
TEST(NameQuality, PopularityFollowsTheEraAndTheLean) {
  using Era = naming::CharFacts::Era;
  using Lean = naming::CharFacts::Lean;
  struct Case {
    int px;
    Era era;
    Lean lean;
    std::optional<Sex> sex;
    double points;
    const char* why;
  } cases[] = {
      {10, Era::Neutral, Lean::Neither, Sex::Male, 25, "unmarked: the rank alone"},
      {10, Era::Dated, Lean::Neither, Sex::Male, 5, "建 丽: 20 off"},
      {2000, Era::Dated, Lean::Neither, Sex::Female, 0, "never below 0"},
      {10, Era::Fresh, Lean::Neither, Sex::Male, 25, "never above 25"},
      {387, Era::Fresh, Lean::Neither, Sex::Male, 18.5, "a rarer fresh character gains 6"},
      {10, Era::Neutral, Lean::Masculine, Sex::Female, 13, "睿 in a girl's name: 12 off"},
      {10, Era::Neutral, Lean::Masculine, Sex::Male, 25, "睿 in a boy's name"},
      {10, Era::Neutral, Lean::Feminine, Sex::Male, 13, "雪 in a boy's name: 12 off"},
      {10, Era::Neutral, Lean::Feminine, Sex::Female, 25, "雪 in a girl's name"},
      {10, Era::Neutral, Lean::Masculine, std::nullopt, 25, "sex unknown: no lean counts"},
      {387, Era::Fresh, Lean::Masculine, Sex::Female, 6.5, "both corrections add up"},
  };
  for (const auto& c : cases) {
    naming::CharFacts f = fact("字", "zì", "木", c.px);
    f.era = c.era;
    f.lean = c.lean;
    EXPECT_NEAR(currentPopularityPoints(f, c.sex), c.points, 0.05) << c.why;
  }

  // The name takes the mean of its characters: a dated character costs a name 10 points.
  auto wang = fact("王", "wáng", "土"), hao = fact("浩", "hào", "水"), ran = fact("然", "rán", "火");
  NameCharacters name{{&wang}, {&hao, &ran}, 100, Sex::Male};
  EXPECT_EQ(scoreName(name, {}).popularity, 25);
  hao.era = naming::CharFacts::Era::Dated;
  EXPECT_EQ(scoreName(name, {}).popularity, 15);
  EXPECT_EQ(scoreName(name, {}).total, 87 - 10);
}

TEST(NameQuality, PartsOfTheScore) {
  auto wang = fact("王", "wáng", "土"), hao = fact("浩", "hào", "水"), ran = fact("然", "rán", "火");
  NameCharacters name{{&wang}, {&hao, &ran}, 100};
  Quality q = scoreName(name, {});
  EXPECT_EQ(q.rejection, nullptr);
  EXPECT_EQ(q.numerology, 25);
  EXPECT_EQ(q.popularity, 25);
  EXPECT_EQ(q.tone, 12 + 5) << "ends on 阳平; two different tones (阳平, 去声)";
  EXPECT_EQ(q.meaning, 10);
  EXPECT_EQ(q.element, 10) << "no birth moment: neutral";
  EXPECT_EQ(q.total, 87);

  name.schemeScore = 80;
  EXPECT_EQ(scoreName(name, {}).numerology, 12);
  name.schemeScore = 55;
  EXPECT_EQ(scoreName(name, {}).numerology, 0);

  auto ming = fact("明", "míng"), li = fact("丽", "lì", "火", 10, "");
  NameCharacters unglossed{{&wang}, {&li, &ming}, 100};
  auto yu = fact("宇", "yǔ");
  NameCharacters endsOnThird{{&wang}, {&ming, &yu}, 100};  // 阳平 阳平 上声
  EXPECT_EQ(scoreName(endsOnThird, {}).tone, 4 + 5);
  auto jie = fact("杰", "jié"), xiu = fact("秀", "xiù");
  auto zhang = fact("张", "zhāng");
  NameCharacters distinct{{&zhang}, {&jie, &xiu}, 100};  // 阴平 阳平 去声
  EXPECT_EQ(scoreName(distinct, {}).tone, 8 + 8);
  EXPECT_EQ(scoreName(unglossed, {}).meaning, 5) << "one of two characters has a gloss";

  auto bad = fact("奠", "diàn");
  bad.flagged = true;
  NameCharacters flagged{{&wang}, {&bad, &ming}, 100};
  EXPECT_STREQ(scoreName(flagged, {}).rejection, "用字不宜");
}

TEST(NameQuality, ElementFitFollowsTheTally) {
  ElementNeed need{"火", "金"};
  auto wang = fact("王", "wáng", "土");
  auto fire = fact("炎", "yán", "火"), fire2 = fact("煜", "yù", "火"), wood = fact("林", "lín", "木"),
       metal = fact("钰", "yù", "金"), metal2 = fact("铭", "míng", "金");
  struct Case {
    const naming::CharFacts* first;
    const naming::CharFacts* second;
    int points;
  } cases[] = {{&fire, &fire2, 20},  {&fire, &wood, 15},   {&wood, &fire, 15},
               {&wood, &wood, 10},   {&fire, &metal, 10},  {&metal, &wood, 5},
               {&metal, &metal2, 0}, {&fire, nullptr, 20}, {&metal, nullptr, 0}};
  for (const auto& c : cases) {
    NameCharacters name{{&wang}, {c.first}, 90};
    if (c.second) name.given.push_back(c.second);
    EXPECT_EQ(scoreName(name, need).element, c.points) << c.first->zi << (c.second ? c.second->zi : "");
    EXPECT_EQ(scoreName(name, {}).element, 10) << "unknown birth moment";
  }
  EXPECT_TRUE(holdsElement("火土", "土"));
  EXPECT_FALSE(holdsElement("火土", ""));
}

}  // namespace
}  // namespace lumo::generator

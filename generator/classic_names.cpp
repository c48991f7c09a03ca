#include "generator/classic_names.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "core/utf8.h"
#include "data/query.h"
#include "generator/candidate_query.h"
#include "generator/stroke_schemes.h"

namespace lumo::generator {
namespace {

constexpr std::array<const char*, 3> kClassicTexts = {"不限", "诗经", "楚辞"};

// Stroke counts of the characters a place of the name admits.
using Admitted = std::unordered_map<std::string, int>;

Admitted admitted(db::Connection& connection, const std::string& filter) {
  db::ResultSet rows = connection.run("select zi, bh from word where Aflag is null" + filter);
  Admitted out;
  for (std::size_t i = 0; i < rows.size(); ++i)
    out.emplace(rows.text(i, "zi"), static_cast<int>(rows.integer(i, "bh")));
  return out;
}

// The one character a fixed place admits, with its stroke count.
Admitted fixedOnly(db::Connection& connection, const std::string& character) {
  return {{character, LookupStrokes(connection, character)}};
}

// A punctuation mark ends a clause.
bool isMark(const std::string& c) {
  static const std::array<std::string_view, 8> kMarks = {"，", "、", "：", "？", "！", "《", "》", "；"};
  return std::find(kMarks.begin(), kMarks.end(), c) != kMarks.end();
}

// A line of these words is no source to give a child's name: death and burial (死 亡 丧 殇
// 殁 葬 墓 坟 尸 骨), weeping and grief (哀 悲 泣 涕 哭 恸), illness (病 疾 瘁), drowning
// (沉 溺), killing (戮 杀 诛) and widowhood (寡 鳏). 忧 and 伤 stay: too many of the
// classics' good lines sigh with them.
bool isSomberLine(const std::vector<std::string>& chars) {
  static const std::array<std::string_view, 29> kSomber = {
      "死", "亡", "丧", "殇", "殁", "葬", "墓", "坟", "尸", "骨", "哀", "悲", "泣", "涕", "哭",
      "恸", "病", "疾", "瘁", "沉", "溺", "戮", "杀", "诛", "寡", "鳏", "殃", "祸", "凶"};
  for (const auto& c : chars)
    if (std::find(kSomber.begin(), kSomber.end(), c) != kSomber.end()) return true;
  return false;
}

// A cheerful line before a somber one, then one clause before two, then fewer characters
// between.
bool closer(const ClassicName& a, const ClassicName& b) {
  if (a.somber != b.somber) return !a.somber;
  if (a.oneClause != b.oneClause) return a.oneClause;
  return a.apart < b.apart;
}

struct Found {
  ClassicName name;
  std::size_t order = 0;  // when the name was first found
};

class Collector {
 public:
  void offer(ClassicName name) {
    auto it = m_found.find(name.given);
    if (it != m_found.end() && !closer(name, it->second.name)) return;
    std::size_t order = it == m_found.end() ? m_found.size() : it->second.order;
    std::string given = name.given;
    m_found[given] = Found{std::move(name), order};
  }

  std::vector<ClassicName> take() {
    std::vector<ClassicName> out(m_found.size());
    for (auto& [given, found] : m_found) out[found.order] = std::move(found.name);
    return out;
  }

 private:
  std::map<std::string, Found> m_found;
};

// Particles of the classics: in these lines they join words ("执子之手", "将仲子兮"), and a
// name made with one reads as a broken-off piece of the sentence.
bool isParticle(const std::string& c) {
  static const std::array<std::string_view, 12> kParticles = {"之", "兮", "于", "乎", "也", "矣",
                                                              "焉", "哉", "而", "者", "曰", "匪"};
  return std::find(kParticles.begin(), kParticles.end(), c) != kParticles.end();
}

void pairsOfLine(const std::vector<std::string>& chars, const Admitted& first, const Admitted& second,
                 const NameSource& source, Collector& collector) {
  bool somber = isSomberLine(chars);
  for (std::size_t i = 0; i < chars.size(); ++i) {
    auto a = first.find(chars[i]);
    if (a == first.end() || isParticle(chars[i])) continue;
    bool oneClause = true;
    for (std::size_t j = i + 1; j < chars.size(); ++j) {
      oneClause = oneClause && !isMark(chars[j]);
      auto b = second.find(chars[j]);
      if (b == second.end() || chars[j] == chars[i] || isParticle(chars[j])) continue;
      collector.offer({a->first + b->first,
                       {a->second, b->second},
                       source,
                       static_cast<int>(j - i - 1),
                       oneClause,
                       somber});
    }
  }
}

void singlesOfLine(const std::vector<std::string>& chars, const Admitted& first, const NameSource& source,
                   Collector& collector) {
  bool somber = isSomberLine(chars);
  for (const auto& c : chars) {
    auto a = first.find(c);
    if (a != first.end() && !isParticle(c))
      collector.offer({a->first, {a->second, 0}, source, 0, true, somber});
  }
}

}  // namespace

const char* ClassicText(Classic classic) {
  return kClassicTexts[static_cast<std::size_t>(classic)];
}

std::optional<Classic> ClassicOf(std::string_view text) {
  for (std::size_t i = 0; i < kClassicTexts.size(); ++i)
    if (text == kClassicTexts[i]) return static_cast<Classic>(i);
  return std::nullopt;
}

std::vector<ClassicName> ClassicCandidates(db::Connection& connection, Classic classic,
                                           const NamingOptions& options) {
  if (classic == Classic::Any) return {};
  std::string filter = CharacterFilter(options);
  bool single = options.form == NameForm::Single;
  Admitted first = options.fixedFirst() && !single ? fixedOnly(connection, options.fixedChar)
                   : options.fixedSecond()         ? admitted(connection, filter + GenderFlag(options.sex))
                                                   : admitted(connection, filter);
  Admitted second = single                  ? Admitted{}
                    : options.fixedSecond() ? fixedOnly(connection, options.fixedChar)
                                            : admitted(connection, filter + GenderFlag(options.sex));

  db::ResultSet lines = connection.run("select shu, pian, ti, ju from jingdian where shu = ? order by id",
                                       {std::string(ClassicText(classic))});
  Collector collector;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string part = lines.text(i, "pian");
    std::string title = lines.text(i, "ti");
    NameSource source{lines.text(i, "shu"), part.empty() ? title : part + "·" + title, lines.text(i, "ju")};
    auto pieces = utf8Characters(source.line);
    std::vector<std::string> chars(pieces.begin(), pieces.end());
    if (single)
      singlesOfLine(chars, first, source, collector);
    else
      pairsOfLine(chars, first, second, source, collector);
  }
  return collector.take();
}

}  // namespace lumo::generator

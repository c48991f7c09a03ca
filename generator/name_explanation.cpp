#include "generator/name_explanation.h"

namespace lumo::generator {
namespace {

std::vector<const naming::CharFacts*> allFacts(const RecommendedName& name) {
  std::vector<const naming::CharFacts*> out;
  for (const auto& f : name.surnameFacts) out.push_back(&f);
  for (const auto& f : name.givenFacts) out.push_back(&f);
  return out;
}

std::string joined(const std::vector<std::string>& parts, const std::string& glue) {
  std::string out;
  for (const auto& p : parts) out += (out.empty() ? "" : glue) + p;
  return out;
}

std::string readingOf(const naming::CharFacts& f) {
  return f.reading.empty() ? "?" : naming::splitReading(f.reading)[0];
}

std::string traditionalOf(const naming::CharFacts& f) {
  return f.ft.empty() ? f.zi : f.ft;
}

// "“浩”“然”" for the given characters whose element is in `elements`.
std::string quotedWith(const RecommendedName& name, const std::string& elements) {
  std::string out;
  for (const auto& f : name.givenFacts)
    if (holdsElement(elements, f.element)) out += "“" + f.zi + "”";
  return out;
}

// "火、土" from "火土".
std::string listed(const std::string& elements) {
  std::vector<std::string> parts;
  for (std::size_t i = 0; i + 3 <= elements.size(); i += 3) parts.push_back(elements.substr(i, 3));
  return joined(parts, "、");
}

std::string endingRemark(int tone) {
  switch (tone) {
    case 1:
    case 2:
      return "以平声收尾，读来响亮舒展";
    case 4:
      return "以去声收尾，干脆有力";
    case 3:
      return "以上声收尾，尾音婉转";
    default:
      return "末字读音不详";
  }
}

}  // namespace

std::string fullReading(const RecommendedName& name) {
  std::vector<std::string> parts;
  for (const auto* f : allFacts(name)) parts.push_back(readingOf(*f));
  return joined(parts, " ");
}

std::string tonePattern(const RecommendedName& name) {
  std::vector<std::string> parts;
  for (const auto* f : allFacts(name)) {
    const char* tone = naming::toneName(f->syllable.tone);
    parts.push_back(*tone ? tone : "?");
  }
  return joined(parts, "、");
}

std::string givenElements(const RecommendedName& name) {
  std::string out;
  for (const auto& f : name.givenFacts) out += f.element;
  return out;
}

std::string glossList(const RecommendedName& name) {
  std::vector<std::string> parts;
  for (const auto& f : name.givenFacts) parts.push_back(f.zi + ":" + f.gloss);
  return joined(parts, "；");
}

std::string elementFitSentence(const RecommendedName& name, const ElementNeed& need) {
  std::string own = listed(givenElements(name));
  if (!need.known())
    return "未填出生时间，不论八字；名字用字五行为" + (own.empty() ? std::string("不详") : own) + "。";
  std::string good = quotedWith(name, need.favourable), heavy = quotedWith(name, need.strongest);
  std::string wish = "八字喜" + listed(need.favourable);
  if (!good.empty() && heavy.empty()) return wish + "，名中" + good + "正合所喜。";
  if (!good.empty())
    return wish + "，名中" + good + "正合所喜；" + heavy + "属" + listed(need.strongest) +
           "，八字中此行已旺，稍嫌偏重。";
  if (!heavy.empty())
    return wish + "，名中没有所喜之字；" + heavy + "属" + listed(need.strongest) + "，八字中此行已旺。";
  return wish + "，名字用字五行为" + own + "，不补所喜，也不添所旺。";
}

std::string toneSentence(const RecommendedName& name) {
  int last = name.givenFacts.empty() ? 0 : name.givenFacts.back().syllable.tone;
  return "声调" + tonePattern(name) + "，" + endingRemark(last) + "。";
}

std::vector<std::string> characterRows(const RecommendedName& name) {
  std::vector<std::string> rows;
  auto row = [&](const naming::CharFacts& f, const std::string& gloss) {
    rows.push_back(f.zi + '\t' + f.reading + '\t' + traditionalOf(f) + '\t' + std::to_string(f.strokes) +
                   '\t' + f.element + '\t' + gloss);
  };
  for (const auto& f : name.surnameFacts) row(f, "姓氏");
  for (const auto& f : name.givenFacts) row(f, f.gloss);
  return rows;
}

std::vector<std::string> explanationLines(const RecommendedName& name, const ElementNeed& need) {
  std::vector<std::string> lines;
  lines.push_back(name.fullName() + "（" + fullReading(name) + "）  推荐分 " +
                  std::to_string(name.quality.total) + "，五格数理 " + std::to_string(name.schemeScore) +
                  " 分");
  for (const auto& f : name.givenFacts) {
    lines.push_back(naming::characterMeaningLine(f));
    if (!f.note.empty()) lines.push_back("    " + f.note);
  }
  lines.push_back(elementFitSentence(name, need));
  lines.push_back(toneSentence(name));
  if (!name.source.empty()) lines.push_back("出处：" + name.source.text());
  return lines;
}

std::string recommendationRow(const RecommendedName& name) {
  return name.fullName() + '\t' + std::to_string(name.quality.total) + '\t' +
         std::to_string(name.schemeScore) + '\t' + fullReading(name) + '\t' + givenElements(name) + '\t' +
         glossList(name) + '\t' + name.source.text();
}

}  // namespace lumo::generator

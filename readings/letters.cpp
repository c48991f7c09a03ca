#include "readings/letters.h"

#include <array>

#include "core/report.h"
#include "core/text.h"
#include "data/gbk.h"

namespace lumo::readings {
namespace {

// Row 0xA2: runs of numbered symbols, each run starting at `first` and reading 1..count.
struct SymbolRun {
  unsigned char first;
  int count;
};
constexpr std::array<SymbolRun, 6> kSymbolRuns{{
    {0xA1, 10},  // ⅰ..ⅹ
    {0xB1, 20},  // ⒈..⒛
    {0xC5, 20},  // ⑴..⒇
    {0xD9, 10},  // ①..⑩
    {0xE5, 10},  // ㈠..㈩
    {0xF1, 12},  // Ⅰ..Ⅻ
}};

// Alpha to omega, capitals at 0xA6A1.., small letters at 0xA6C1...
constexpr std::array<std::string_view, 24> kGreek{"A", "B", "G", "D", "E",  "Z",  "E",  "TH",
                                                  "I", "K", "L", "M", "N",  "X",  "O",  "P",
                                                  "R", "S", "T", "U", "PH", "KH", "PS", "O"};

std::string numberSymbol(unsigned char trail) {
  if (trail < 0xA1) return "?";
  for (const SymbolRun& run : kSymbolRuns)
    if (trail >= run.first && trail < run.first + run.count) return std::to_string(trail - run.first + 1);
  return {};
}

bool isAsciiLetterOrDigit(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string greek(unsigned char trail) {
  if (trail >= 0xA1 && trail <= 0xB8) return std::string(kGreek[trail - 0xA1]);
  if (trail >= 0xC1 && trail <= 0xD8) return std::string(kGreek[trail - 0xC1]);
  return {};  // the vertical punctuation forms of this row are signs: dropped
}

std::string doubleByte(unsigned char lead, unsigned char trail, const PinyinTable& pinyin) {
  switch (lead) {
    case 0xA2:
      return numberSymbol(trail);
    case 0xA3: {
      unsigned char c = static_cast<unsigned char>(trail - 0x80);
      return isAsciiLetterOrDigit(c) ? std::string(1, static_cast<char>(c)) : std::string();
    }
    case 0xA6:
      return greek(trail);
    default: {
      std::string_view syllable = pinyin.syllable(pinyin.syllableNumber(lead, trail));
      if (syllable.empty()) return "?";
      char initial = syllable.front();
      return std::string(1,
                         initial >= 'a' && initial <= 'z' ? static_cast<char>(initial - 'a' + 'A') : initial);
    }
  }
}

char upper(unsigned char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
}

}  // namespace

std::string ToLetters(std::string_view gbkBytes, const PinyinTable& pinyin) {
  std::string out;
  std::size_t i = 0;
  while (i < gbkBytes.size() && out.size() < kLettersLimit) {
    auto lead = static_cast<unsigned char>(gbkBytes[i]);
    bool single =
        lead < 0x81 || i + 1 >= gbkBytes.size() || static_cast<unsigned char>(gbkBytes[i + 1]) < 0x40;
    if (single) {
      if (isAsciiLetterOrDigit(lead)) out += upper(lead);
      ++i;
      continue;
    }
    out += doubleByte(lead, static_cast<unsigned char>(gbkBytes[i + 1]), pinyin);
    i += 2;
  }
  if (out.size() > kLettersLimit) out.resize(kLettersLimit);
  return out;
}

std::string_view LetterPersonality(char letter) {
  static constexpr std::array<std::string_view, 26> kTexts{
      "好奇心强，专一",
      "老实，沉默",
      "可爱，较明显的自恋",
      "温柔，乖巧",
      "会拍马屁，攀关系",
      "有抱负，志气高",
      "大丈夫主义者",
      "自立，自强，可依靠",
      "有点懒惰",
      "煽情高手",
      "古怪，求新",
      "圆滑",
      "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",
      "不贪图安逸，能想到别人想不到的东西",
      "勤劳肯干，活跃",
      "认为朋友和恋人是最重要的，是他们的特点",
      "超级赶时髦者，无敌扫旧派",
      "固执，略有才气",
      "心胸宽大，有深藏不露的自恋",
      "热爱青春，喜欢活力",
      "不耻下问",
      "好静，有点表里不一",
      "比较糊涂，容易感情用事",
      "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",
      "乐天派呀！非同一般的乐天",
      "老实，想问题容易兜圈子"};
  if (letter < 'a' || letter > 'z') return {};
  return kTexts[letter - 'a'];
}

std::string NetNamePersonality(std::string_view name, const PinyinTable& pinyin) {
  std::string trimmedName = trimmed(name);
  if (trimmedName.empty()) return {};
  std::string letters = ToLetters(gbk::fromUtf8(trimmedName), pinyin);
  if (letters.empty()) return {};
  char last = letters.back();
  if (last >= '1' && last <= '9') last = static_cast<char>('A' + (last - '1'));
  if (last == '0') last = 'J';
  if (last >= 'A' && last <= 'Z') last = static_cast<char>(last - 'A' + 'a');
  return trimmed(LetterPersonality(last));
}

std::vector<ResultLine> ReadNetName(std::string_view fieldText, const PinyinTable& pinyin) {
  std::string name = trimmed(fieldText);
  for (char& c : name) c = upper(static_cast<unsigned char>(c));  // the field shows letters in upper case
  if (name.empty()) throw Notice(std::string(kNetNameEmpty));
  return {{std::string(kNetNameCaption), name},
          {std::string(kNetPersonalityCaption), NetNamePersonality(name, pinyin)}};
}

}  // namespace lumo::readings

#include "bazi/stem_branch.h"

#include "data/query.h"

namespace lumo::bazi {

const char* const kStemNames[10] = {"癸", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬"};
const char* const kBranchNames[12] = {"亥", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌"};
const char* const kTenGodNames[10] = {"正印", "比肩", "劫财", "食神", "伤官",
                                      "偏财", "正财", "七杀", "正官", "偏印"};
const char* const kHiddenStems[12] = {"癸",     "癸辛己", "甲丙戊", "乙",     "乙戊癸", "庚丙戊",
                                      "己丁",   "乙己丁", "戊庚壬", "辛",     "辛丁戊", "壬甲"};

int wrap(int value, int modulus) {
  int r = value % modulus;
  return r < 0 ? r + modulus : r;
}

std::string stemName(int stem) { return kStemNames[wrap(stem, 10)]; }
std::string branchName(int branch) { return kBranchNames[wrap(branch, 12)]; }
std::string pillarName(int stem, int branch) { return stemName(stem) + branchName(branch); }

bool isYangStem(int stem) { return wrap(stem, 10) % 2 == 1; }

std::string hiddenStemsOf(int branchIndex) { return kHiddenStems[wrap(branchIndex, 12)]; }

bool isJieTerm(std::string_view name) {
  static const char* const kJie[12] = {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑",
                                       "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};
  std::string term = db::trimmed(name);
  for (const char* jie : kJie)
    if (term == jie) return true;
  return false;
}

std::string nthCharacter(std::string_view text, std::size_t n) {
  std::size_t pos = 0;
  for (std::size_t index = 0; pos < text.size(); ++index) {
    std::size_t len = 1;
    while (pos + len < text.size() && (static_cast<unsigned char>(text[pos + len]) & 0xC0) == 0x80) ++len;
    if (index == n) return std::string(text.substr(pos, len));
    pos += len;
  }
  return {};
}

}  // namespace lumo::bazi

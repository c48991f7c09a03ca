#include "core/stem_branch.h"

#include "core/text.h"

namespace lumo {

const char* const kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
const char* const kAnimals[12] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
const char* const kTenGodNames[10] = {"正印", "比肩", "劫财", "食神", "伤官",
                                      "偏财", "正财", "七杀", "正官", "偏印"};
const char* const kHiddenStems[12] = {"癸",   "癸辛己", "甲丙戊", "乙", "乙戊癸", "庚丙戊",
                                      "己丁", "乙己丁", "戊庚壬", "辛", "辛丁戊", "壬甲"};

int wrap(int value, int modulus) {
  int r = value % modulus;
  return r < 0 ? r + modulus : r;
}

std::string stemOfNumber(int stemNumber) {
  return kStems[stemIndexOfNumber(stemNumber)];
}
std::string branchOfNumber(int branchNumber) {
  return kBranches[branchIndexOfNumber(branchNumber)];
}
std::string pillarOfNumbers(int stemNumber, int branchNumber) {
  return stemOfNumber(stemNumber) + branchOfNumber(branchNumber);
}

bool isYangStemNumber(int stemNumber) {
  return wrap(stemNumber, 10) % 2 == 1;
}

std::string hiddenStemsOfIndex(int branchIndex) {
  return kHiddenStems[wrap(branchIndex, 12)];
}

bool isJieTerm(std::string_view name) {
  static const char* const kJie[12] = {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑",
                                       "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};
  std::string term = trimmed(name);
  for (const char* jie : kJie)
    if (term == jie) return true;
  return false;
}

}  // namespace lumo

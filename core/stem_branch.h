#pragma once
// The stem-branch vocabulary: the ten stems, the twelve branches and their animals, the
// ten-god names and the hidden stems of each branch.
//
// Two numberings meet here, and every function says in its name which one it takes:
//  - an index counts from the head of its table: stem index 0..9 is 甲..癸, branch index
//    0..11 is 子..亥. The calendar, the animals and the hidden stems use it.
//  - a cyclic number is what the four-pillar arithmetic computes: stem number 1..9 is
//    甲..壬 and 0 (or 10) is 癸; branch number 1..11 is 子..戌 and 0 (or 12) is 亥.
//    Any integer is taken mod 10 or mod 12.
// stemIndexOfNumber and branchIndexOfNumber turn a number into an index.

#include <string>
#include <string_view>

namespace lumo {

extern const char* const kStems[10];        // by stem index: 甲 乙 … 癸
extern const char* const kBranches[12];     // by branch index: 子 丑 … 亥
extern const char* const kAnimals[12];      // by branch index: 鼠 牛 … 猪
extern const char* const kTenGodNames[10];  // 正印 比肩 劫财 … 偏印
extern const char* const kHiddenStems[12];  // by branch index, e.g. 午 -> "己丁"

// value mod modulus, always in 0..modulus-1 (also for negative values).
int wrap(int value, int modulus);

inline int stemIndexOfNumber(int stemNumber) {
  return wrap(stemNumber - 1, 10);
}
inline int branchIndexOfNumber(int branchNumber) {
  return wrap(branchNumber - 1, 12);
}

// The stem character of a cyclic stem number.
std::string stemOfNumber(int stemNumber);
// The branch character of a cyclic branch number.
std::string branchOfNumber(int branchNumber);
// Stem character followed by branch character, both from cyclic numbers.
std::string pillarOfNumbers(int stemNumber, int branchNumber);

// Yang stems are 甲 丙 戊 庚 壬, the odd cyclic numbers.
bool isYangStemNumber(int stemNumber);

// The hidden stems of a branch index (any integer, taken mod 12).
std::string hiddenStemsOfIndex(int branchIndex);

// True for the twelve 节 terms (立春 惊蛰 … 小寒) after trimming; false for every other
// text, the twelve 中气 terms and the empty text included.
bool isJieTerm(std::string_view name);

}  // namespace lumo

#pragma once
// The BaZi vocabulary: stems, branches, ten-god names and the hidden stems of each branch.
//
// Inside the four-pillar arithmetic stems and branches carry cyclic numbers: stem 1..9 are
// 甲..壬 and stem 0 is 癸; branch 1..11 are 子..戌 and branch 0 is 亥. kStemNames and
// kBranchNames turn these numbers into characters. kHiddenStems is indexed by the calendar's
// own branch index (子 = 0), not by the cyclic number. All tables are constant.

#include <string>
#include <string_view>

namespace lumo::bazi {

extern const char* const kStemNames[10];    // by cyclic stem number: 癸 甲 乙 … 壬
extern const char* const kBranchNames[12];  // by cyclic branch number: 亥 子 丑 … 戌
extern const char* const kTenGodNames[10];  // 正印 比肩 劫财 … 偏印
extern const char* const kHiddenStems[12];  // by branch index 子 = 0, e.g. 午 -> "己丁"

// value mod modulus, always in 0..modulus-1 (also for negative values).
int wrap(int value, int modulus);

// The stem character of a cyclic stem number (any integer, taken mod 10).
std::string stemName(int stem);
// The branch character of a cyclic branch number (any integer, taken mod 12).
std::string branchName(int branch);
// Stem character followed by branch character.
std::string pillarName(int stem, int branch);

// Yang stems are 甲 丙 戊 庚 壬, the odd cyclic numbers.
bool isYangStem(int stem);

// The hidden stems of a branch index (子 = 0; any integer, taken mod 12).
std::string hiddenStemsOf(int branchIndex);

// True for the twelve 节 terms (立春 惊蛰 … 小寒) after trimming; false for every other
// text, the twelve 中气 terms and the empty text included.
bool isJieTerm(std::string_view name);

// The n-th character (0-based) of a UTF-8 text, or "" when it has fewer characters.
std::string nthCharacter(std::string_view text, std::size_t n);

}  // namespace lumo::bazi

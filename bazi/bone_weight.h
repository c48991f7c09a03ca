#pragma once
// The bone-weight reading (称骨): the weights of the lunar year, lunar month, lunar day and
// birth hour, summed, select a verse and an explanation in dream.dll.
//
// Weights are summed exactly in whole 钱 (tenths of a 两): 0.6 + 1.7 + 0.8 + 0.1 is 32 钱,
// never a binary fraction just below it. The weight key is the 两 digits followed by the
// 钱 digit ("43" for 4两3钱, "50" for 5两). Every read stops the report silently when its
// table cannot be read (CommandStopped); a missing weight row counts as 0.

#include <string>

namespace lumo::bazi {

// The four weights in 钱. Keys are decimal texts: the lunar year ("1980"), month ("1".."12",
// a leap month by its number), day ("1".."30") and the clock hour ("0".."23").
int boneWeightTenths(const std::string& lunarYear, const std::string& lunarMonth, const std::string& lunarDay,
                     const std::string& hour);

// The weight key of a sum in 钱: 43 -> "43", 50 -> "50".
std::string boneWeightKey(int tenths);

// One line of the reading: 0 "你的骨重为：4两3钱" (no 钱 part when it is 0), 1 "骨重诗评：" +
// verse, 2 "骨重解评：" + explanation. "" when the key has no verse row or `line` is none of these.
std::string readBoneWeight(const std::string& lunarYear, const std::string& lunarMonth,
                           const std::string& lunarDay, int line, const std::string& hour);

}  // namespace lumo::bazi

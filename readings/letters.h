#pragma once
// Net names as letters, and the personality that the last letter selects.
//
// ToLetters walks GBK bytes: single-byte digits and Latin letters stay (letters in upper
// case), the number symbols of row 0xA2 become their numbers, full-width digits and
// letters (row 0xA3) their ASCII forms, Greek letters (row 0xA6) their Latin spelling,
// every other double-byte character the first letter of its pinyin, or "?" without a
// reading. Other signs are dropped. The result is at most 255 characters.

#include <string>
#include <string_view>
#include <vector>

#include "readings/pinyin_table.h"
#include "readings/result_line.h"

namespace lumo::readings {

inline constexpr std::size_t kLettersLimit = 255;

std::string ToLetters(std::string_view gbkBytes, const PinyinTable& pinyin = builtinPinyinTable());

// The personality text of a lower-case letter a..z; "" for anything else.
std::string_view LetterPersonality(char letter);

// NetNamePersonality: the text for a UTF-8 name (trimmed first); digits count as the
// letters A (1) .. I (9), J (0); "" when the name is empty or ends in no letter.
std::string NetNamePersonality(std::string_view name, const PinyinTable& pinyin = builtinPinyinTable());

inline constexpr std::string_view kNetNameWindowCaption = "网名与性格";
inline constexpr std::string_view kNetNameCaption = "你的网名：";
inline constexpr std::string_view kNetPersonalityCaption = "你的性格：";
inline constexpr std::string_view kNetNameEmpty = "请输入你的网名！";
inline constexpr std::string_view kNetNameRetry = "请重新输入网名，请不要输入特殊字符！";
inline constexpr int kNetNameFieldLength = 18;

// The two result lines of the window, the name with its Latin letters in upper case as
// the field holds them; throws Notice(kNetNameEmpty) for an empty field.
std::vector<ResultLine> ReadNetName(std::string_view fieldText,
                                    const PinyinTable& pinyin = builtinPinyinTable());

}  // namespace lumo::readings

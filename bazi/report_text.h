#pragma once
// Fixed texts and number formats shared by the lines of the BaZi report.

#include <string>

namespace lumo::bazi {

inline constexpr const char* kSeparator =
    "<-----------------------批八字内容分隔线----------------------------->";
inline constexpr const char* kClosingLine =
    "<-----------------------以上内容只作参考----------------------------->";
// Shown when a birth day cannot be charted.
inline constexpr const char* kDateMessage = "请检查输入数据是否出错！";

inline const std::string kB1 = " ";
inline const std::string kB3 = "   ";
inline const std::string kB6 = "      ";
inline const std::string kB7 = "       ";
inline const std::string kB13 = "             ";

}  // namespace lumo::bazi

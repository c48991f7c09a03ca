#pragma once
// Reading a mobile phone number: the digits from the eighth on, modulo 80, are the key
// of a row of table shouji (title, grade, description).
//
// A number must be 8 to 11 digits: a shorter one has no eighth digit, so instead of a
// conversion error it is refused with a clear message, as is a pasted non-digit.

#include <string>
#include <string_view>
#include <vector>

#include "readings/result_line.h"

namespace lumo::readings {

inline constexpr std::string_view kPhoneWindowCaption = "手机号码测算";
inline constexpr std::string_view kPhoneNumberCaption = "手机号码是：";
inline constexpr std::string_view kPhoneEmpty = "请输入11位手机号码！";
inline constexpr std::string_view kPhoneTooShort = "手机号码不足8位，请输入11位手机号码！";
inline constexpr std::string_view kPhoneNotDigits = "手机号码只能由数字组成，且不能超过11位，请正确输入！";
inline constexpr int kPhoneFieldLength = 11;

// The notice for a number of `digits` digits, fewer than 11: a reading needs all eleven.
std::string phoneTooShortMessage(std::size_t digits);

// shoujiinfostr: the key of the trimmed number as decimal text, "0" to "79".
// Throws Notice for an empty text, a non-digit, more than 11 or fewer than 8 digits.
std::string shoujiinfostr(std::string_view number);

// The four result lines of the window: number, title, grade, description (empty values
// when no row has the key). Throws Notice as above, CommandStopped when the
// table cannot be read (the window then keeps its labels as they were).
// Refuses (Notice) any number that is not 11 digits, saying how many were typed.
std::vector<ResultLine> readPhone(std::string_view fieldText);

}  // namespace lumo::readings

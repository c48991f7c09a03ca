#pragma once
// Pairing two QQ numbers: the digit sum of both picks a row of table QQpd.
//
// The sum is reduced into 0..100 (above 100 it is taken modulo 100, so 100 stays 100
// and 150 becomes 50) and looked up as ",sum," inside the row's `bihua` list, bound as
// a LIKE parameter. A failing lookup is reported to the user.

#include <optional>
#include <string>
#include <string_view>

namespace lumo::readings {

enum class PairField { Own, Other };

struct PairRefusal {
  std::string message;
  PairField field;  // the field that gets the focus
};

inline constexpr std::string_view kPairWindowCaption = "QQ号码缘分配对";
inline constexpr int kQQFieldLength = 18;

// The four checks of the pairing window, in order; nullopt when both numbers pass.
// A number passes when it is 5 to 10 digits (a pasted non-digit is refused like a
// wrong length, rather than failing on conversion later).
std::optional<PairRefusal> CheckPairInput(std::string_view own, std::string_view other);

// Sum of the decimal digits of a digit text.
int DigitSum(std::string_view digits);

// The digit sum of both numbers, reduced into 0..100.
int PairSum(std::string_view own, std::string_view other);

// PairQQ: the pairing text of both numbers, "" when no row answers their sum.
// Throws ReportedFailure when the table cannot be read.
std::string PairQQ(std::string_view own, std::string_view other);

}  // namespace lumo::readings

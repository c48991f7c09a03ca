#pragma once
// The 81-entry number table held in the program, and ReadNumber.
//
// Entry k is the traditional reading of number k + 1 of the 81 numbers; a value v is
// read as entry v mod 81. Each entry is "verdict|grade|personality". The table comes
// from the embedded number81.tsv and is parsed once; an index that the text lacks reads
// as an empty entry (the content tests make sure none is missing).

#include <string>
#include <string_view>

namespace lumo::readings {

inline constexpr int kNumberEntries = 81;

struct NumberEntry {
  std::string verdict;      // before the first "|"
  std::string grade;        // between the first and the second "|"
  std::string personality;  // after the second "|"
};

// Raw entry text of index 0..80; "" outside that range.
const std::string& NumberEntryText(int index);

// Splits an entry at its first two "|"; missing fields are empty.
NumberEntry SplitEntry(std::string_view entry);

// Index of a number given as 1 to 18 decimal digits (so it fits in 64 bits).
// Precondition: isDigitText(digits, 18).
int NumberIndex(std::string_view digits);

// The message for a text that is not a whole number of at most 18 digits.
inline constexpr std::string_view kNotANumber = "号码只能由数字组成，且不能超过18位，请重新输入！";

// ReadNumber: the entry text of the trimmed number. A text that is not 1 to 18 digits
// throws Notice(kNotANumber) instead of a conversion error.
std::string ReadNumber(std::string_view number);

}  // namespace lumo::readings

#pragma once
// One shown result of a reading window: a caption and the value beside it.
//
// The windows fill their labels from these lines and lumo-cli prints them as
// caption + value, so both show the same texts in the same order.

#include <string>
#include <string_view>

namespace lumo::readings {

struct ResultLine {
  std::string caption;
  std::string value;
  std::string joined() const { return caption + value; }
};

// Captions shared by the number and phone windows.
inline constexpr std::string_view kResultGroup = "测算结果";
inline constexpr std::string_view kStateCaption = "状态：";
inline constexpr std::string_view kLuckCaption = "吉凶：";
inline constexpr std::string_view kDetailCaption = "具体表现：";

// True when `text` is 1 to `maxDigits` characters, each one of 0 to 9.
inline bool isDigitText(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace lumo::readings

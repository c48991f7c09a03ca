#pragma once
// What the QQ number window and the any-number window compute when "测算" runs.
//
// Both windows behave alike and differ only in their texts. A reading either throws
// Notice (empty field, or a pasted text that is not a number) before anything is
// shown, or returns the four result lines in the window's order: the number, the
// verdict, the luck grade and the personality.

#include <string_view>
#include <vector>

#include "readings/result_line.h"

namespace lumo::readings {

enum class NumberForm { QQ, Any };

struct NumberFormTexts {
  std::string_view windowCaption;
  std::string_view fieldLabel;
  std::string_view numberCaption;
  std::string_view emptyMessage;
};

const NumberFormTexts& numberFormTexts(NumberForm form);

// The field holds at most this many characters, so every accepted number fits in 64 bits.
inline constexpr int kNumberFieldLength = 18;

std::vector<ResultLine> readNumberForm(NumberForm form, std::string_view fieldText);

}  // namespace lumo::readings

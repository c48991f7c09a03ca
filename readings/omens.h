#pragma once
// The seven omen pages and the note below them, held in the program.
//
// Page 0 is sneezing by two-hour clock periods; pages 1 to 6 go by the twelve double
// hours. Each page is a text of lines; pages outside 0..6 are empty.

#include <array>
#include <string_view>

namespace lumo::readings {

inline constexpr int kOmenPages = 7;

struct OmenCommand {
  std::string_view command;  // main window caption
  std::string_view caption;  // window caption
  int page;
};

inline constexpr std::array<OmenCommand, kOmenPages> kOmenCommands{{
    {"打喷嚏占卜", "打喷嚏占卜吉凶", 0},
    {"面热测占卜", "面热测吉凶", 1},
    {"心惊测占卜", "心惊测吉凶", 2},
    {"犬吠测占卜", "犬吠测吉凶", 3},
    {"眼跳测占卜", "眼跳测吉凶", 4},
    {"耳热测占卜", "耳热测吉凶", 5},
    {"耳鸣测占卜", "耳鸣测吉凶", 6},
}};

// Tab caption of a page ("打喷嚏" ...); "" outside 0..6.
std::string_view omenPageTitle(int page);
// Text of a page without trailing line ends; "" outside 0..6.
std::string_view omenPageText(int page);
// The note that begins "说明：".
std::string_view omenNoteText();

}  // namespace lumo::readings

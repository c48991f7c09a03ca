#include "readings/omens.h"

namespace lumo::embedded {
extern const std::string_view omen0, omen1, omen2, omen3, omen4, omen5, omen6, omen_note;
}

namespace lumo::readings {
namespace {

std::string_view withoutTrailingBreaks(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string_view omenPageTitle(int page) {
  static constexpr std::array<std::string_view, kOmenPages> kTitles{"打喷嚏", "面热", "心惊", "犬吠",
                                                                    "眼跳",   "耳热", "耳鸣"};
  return page >= 0 && page < kOmenPages ? kTitles[page] : std::string_view();
}

std::string_view omenPageText(int page) {
  const std::array<std::string_view, kOmenPages> pages{embedded::omen0, embedded::omen1, embedded::omen2,
                                                       embedded::omen3, embedded::omen4, embedded::omen5,
                                                       embedded::omen6};
  return page >= 0 && page < kOmenPages ? withoutTrailingBreaks(pages[page]) : std::string_view();
}

std::string_view omenNoteText() {
  return withoutTrailingBreaks(embedded::omen_note);
}

}  // namespace lumo::readings

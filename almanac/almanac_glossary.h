#pragma once
// The glossary of the almanac window: one line per term, "term ：explanation", in the
// window's fixed order; two explanations run over a second line. The text is held in
// the program (resources/texts/almanac_glossary.txt).

#include <string>
#include <vector>

namespace lumo::almanac {

// The glossary's lines as the window shows them (trailing blanks kept).
std::vector<std::string> glossaryLines();

// The terms in order, each the text before " ：" on a line that has one.
std::vector<std::string> glossaryTerms();

}  // namespace lumo::almanac

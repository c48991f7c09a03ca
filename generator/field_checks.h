#pragma once
// The naming window's field rules, shared by the window and lumo-cli.

#include <cstddef>
#include <string>

namespace lumo::generator {

// ZuidiFee on leaving: a text that is neither empty nor an integer becomes "70".
std::string checkedMinScore(const std::string& text);
// Sorcss on leaving: a text that is neither empty nor an integer becomes "95".
std::string checkedThreshold(const std::string& text);

// The longest start of `text` that fits in `maxBytes` GBK bytes without cutting a
// character: what an edit with that byte limit keeps.
std::string clipToGbkBytes(const std::string& text, std::size_t maxBytes);

// The given name of a high-score entry such as 王明华(85分) for the surname in the
// window: the text before the first "(", less the surname's GBK length (at most 20
// bytes after it), trimmed.
std::string givenNameOf(const std::string& entry, const std::string& surname);

}  // namespace lumo::generator

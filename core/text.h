#pragma once
// Small helpers for the texts that users type and the databases hold.

#include <string>
#include <string_view>

namespace lumo {

// Leading and trailing blanks and control characters (every byte up to ' ') removed.
std::string trimmed(std::string_view text);

}  // namespace lumo

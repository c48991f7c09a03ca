#pragma once
// The 三才吉凶 reading of the last analysed name: its 三才 string and the stored reading
// of that configuration (sancai.content, kept scrambled in the database).

#include <string>

#include "core/report.h"

namespace lumo::naming {

extern const char* const kNoSancaiText;

// The reading's text for a 三才 string: unscrambled content, or kNoSancaiText without a
// row. A failing read stops the command silently.
std::string SancaiContent(const std::string& sancai);

// Writes the reading of a surname and given name. Writes nothing when either is empty
// (no name has been analysed yet). Returns whether it wrote anything.
bool ShowSancaiReading(const std::string& surname, const std::string& given, Report& report);

}  // namespace lumo::naming

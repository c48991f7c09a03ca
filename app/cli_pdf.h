#pragma once
// lumo-cli's PDF export: the windows' renderer, run under an offscreen Qt platform so
// that it needs no display.

#include <string>
#include <vector>

namespace lumo::cli {

bool writePdfOffscreen(const std::vector<std::string>& lines, const std::string& path);

}  // namespace lumo::cli

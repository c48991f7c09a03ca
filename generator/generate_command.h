#pragma once
// What lumo-cli's generate prints: the scheme list, an empty line, the all-names pane
// (the last, incomplete line included), an empty line and the high-score list.
// The run goes exactly as the naming window's, on the calling thread.

#include <string>
#include <vector>

#include "data/read_failure.h"
#include "generator/run_settings.h"
#include "generator/stroke_schemes.h"

namespace lumo::generator {

struct GenerateRequest {
  SchemeListOptions list;                     // surname, sex, form, fixed character, minimum score
  std::string scheme = kAutomaticScheme;      // the chosen CBCode text
  HighScoreRule high;
};

// The lines of one naming run (no window), after the scheme list of the surname.
void generateReport(const GenerateRequest& request, db::Report& report);

// The run alone, over an open connection: the pane's lines and the list.
struct RunLines {
  std::vector<std::string> memo, list;
};
RunLines runToLines(db::Connection& connection, const RunSettings& settings);

}  // namespace lumo::generator

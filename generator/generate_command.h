#pragma once
// What lumo-cli's generate prints: the scheme list, an empty line, the all-names pane
// (the last, incomplete line included), an empty line and the high-score list; with
// --recommend N an empty line and the N best names, one tab-separated row each.
// The run goes exactly as the naming window's, on the calling thread.

#include <optional>
#include <string>
#include <vector>

#include "bazi/birth_elements.h"
#include "core/report.h"
#include "data/read_failure.h"
#include "generator/recommend.h"
#include "generator/run_settings.h"
#include "generator/stroke_schemes.h"

namespace lumo::generator {

struct GenerateRequest {
  SchemeListOptions list;                 // surname, sex, form, fixed character, minimum score
  std::string scheme = kAutomaticScheme;  // the chosen CBCode text
  HighScoreRule high;
  std::size_t recommend = 0;         // rows of recommended names, 0 for none
  std::optional<BirthMoment> birth;  // the child's birth moment, for the element fit
  Classic source = Classic::Any;     // the work the recommended names come from
};

// The lines of one naming run (no window), after the scheme list of the surname.
void generateReport(const GenerateRequest& request, Report& report);

// The run alone, over an open connection: the pane's lines and the list.
struct RunLines {
  std::vector<std::string> memo, list;
};
// With a pool, every name of the run is kept in it as well.
RunLines runToLines(db::Connection& connection, const RunSettings& settings, CandidatePool* pool = nullptr);

// lumo-cli explain: the character rows of the name, then its full reading and its tones.
void explainReport(const std::string& surname, const std::string& given, Report& report);

}  // namespace lumo::generator

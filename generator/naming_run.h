#pragma once
// GenerateNames: the body of one naming run.
//
// It clears the all-names pane, builds the candidate statement of the chosen scheme, or
// of each automatic group of eight schemes in turn, reads each result in slices and
// hands every name that passes the guards (name_guard.h) to AcceptName, in order. The run flag is checked
// before each block of nine names (and around the remainder rows); once it reads false the run ends there.
// Any failure (a stroke part that is not a number, a statement the database rejects) ends the run without a
// message, keeping what was shown. The names of the last, incomplete line are shown at every end.

#include <atomic>

#include "data/query.h"
#include "generator/run_output.h"
#include "generator/run_settings.h"

namespace lumo::generator {

enum class RunEnd { Finished, Stopped, Failed };

RunEnd GenerateNames(db::Connection& connection, const LiveSettings& settings,
                     const std::atomic<bool>& runFlag, RunOutput& out);

}  // namespace lumo::generator

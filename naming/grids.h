#pragma once
// The database-backed half of name numerology: the grids of a typed name, the 三才 grade,
// the overall score and the texts of the 81 numbers.
//
// Failure modes: a failing `sancai` or `81` read stops the command silently
// (CommandStopped); a failing or missing `zh` read falls back to the computed score;
// stroke lookups read 0 on error (strokes.h).

#include <string>

#include "naming/grid_math.h"

namespace lumo::naming {

// The five grids of surname S and given name G (both as typed, already trimmed).
Grids GridNumbers(const std::string& surname, const std::string& given);

// Points of a 三才 string from `sancai.djc`; -1 when it has no row or an unknown grade.
double SancaiGrade(const std::string& sancai);

// The score from table `zh` when it holds a non-zero one for the stroke combination;
// otherwise the five grid weights plus the 三才 points.
double NameScore(const std::string& surname, const std::string& given);

// One text of number n from table `81`, untrimmed: field 0 yy, 1 jx, 2 as, 3 content.
// No row gives " "; any other field index gives "".
std::string NumberText(int number, int field);

}  // namespace lumo::naming

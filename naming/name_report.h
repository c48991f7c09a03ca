#pragma once
// The name analysis report: the birth header and the body of grids, 三才 and verdict.
//
// The main window and the analysis window write the same lines; only the closing line
// differs. A silent stop inside the body (a failing `sancai` or `81` read) ends the report
// where it is, keeping the lines already written; a failing `sancai2009` read is reported.

#include <string>

#include "core/report.h"
#include "core/subject.h"

namespace lumo::naming {

extern const char* const kNameSeparator;
// The analysis window's closing line, and the one the main window writes.
extern const char* const kWindowClosingLine;
extern const char* const kMainClosingLine;

// The five header lines: age, Gregorian birth moment, lunar date, animal, star sign. The
// hour and minute are printed as the subject holds them typed.
void BirthHeader(const Subject& subject, const BirthMoment& moment, Report& report);

// The report body for a surname and a given name: grids, 三才 and verdict up to
// `closingLine`, then one line per character (reading, full form, strokes, element, gloss).
void NameReport(const std::string& surname, const std::string& given, const std::string& closingLine,
                Report& report);

// Captures the input into `record` (throws Notice on a failing check), then writes the
// header and the body.
void AnalyseName(const PanelInput& input, Subject& record, const std::string& closingLine, Report& report);

}  // namespace lumo::naming

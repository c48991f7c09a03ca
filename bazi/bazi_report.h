#pragma once
// The BaZi report ("八字分析"): header, natal chart, great-luck table, five-element
// section, bone-weight reading and personality text, as the lines of the report pane.
//
// The report is rebuilt from nothing on every run. Of the subject record it sets only the
// lunar year number. A date outside the lunar calendar (before 1900-01-31 or after 2100,
// which is also where a lunar input that cannot be converted lands) ends the command with
// the date notice before any line is written, since no lunar year could be charted.

#include "core/subject.h"
#include "core/chart_options.h"
#include "core/report.h"

namespace lumo::bazi {

// Writes the report for a subject that captureSubject has just filled from `input`
// (without the given-name check); the sex and minute are read from `input`.
// Throws Notice, ReportedFailure (an hour that is not 0..23) or CommandStopped
// (an unreadable bone-weight table; the lines written so far stay).
// With any option (chart_options.h) the header gains the lines that say how the chart was
// reckoned, the chart follows them, and the boundary notes follow the chart lines; the
// date, lunar date and bone weight keep the clock time as entered.
void writeBaziReport(const PanelInput& input, Subject& subject, Report& report,
                     const ChartOptions& options = {});

// Captures the subject from the panel without the given-name check, then writes the report.
void showBaziReport(const PanelInput& input, Subject& subject, Report& report,
                    const ChartOptions& options = {});

}  // namespace lumo::bazi

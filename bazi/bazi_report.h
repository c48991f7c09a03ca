#pragma once
// The BaZi report ("八字分析"): header, natal chart, great-luck table, five-element
// section, bone-weight reading and personality text, as the lines of the report pane.
//
// The report is rebuilt from nothing on every run. Of the subject record it sets only the
// lunar year number. The moment's date lies in the lunar table (the capture refuses any
// other); should the table still give no lunar year for it, the command ends with the date
// notice before any line is written, since no lunar year could be charted.

#include "core/chart_options.h"
#include "core/report.h"
#include "core/subject.h"

namespace lumo::bazi {

// Writes the report for the moment and subject that captureSubject has just filled (without
// the given-name check); the hour and minute are printed as the subject holds them typed.
// Throws Notice or CommandStopped (an unreadable bone-weight table; the lines
// written so far stay).
// With any option (chart_options.h) the header gains the lines that say how the chart was
// reckoned, the chart follows them, and the boundary notes follow the chart lines; the
// date, lunar date and bone weight keep the clock time as entered.
void writeBaziReport(const BirthMoment& moment, Subject& subject, Report& report,
                     const ChartOptions& options = {});

// Captures the subject from the panel without the given-name check, then writes the report.
void showBaziReport(const PanelInput& input, Subject& subject, Report& report,
                    const ChartOptions& options = {});

}  // namespace lumo::bazi

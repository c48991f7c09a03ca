#pragma once
// Saving the analysis window's report as a text file (GBK, or UTF-8 on request).
//
// The file is written completely or not at all (core/record_file.h writes a temporary file
// and renames it into place), and ".txt" is added only when the chosen name lacks it.

#include <string>
#include <vector>

#include "core/record_file.h"

namespace lumo::naming {

// The name the save dialog proposes: surname + given name, trimmed, or "*.txt" when it
// holds a character that a file name cannot carry (* / < > ? \ |).
std::string proposedSaveName(const std::string& surname, const std::string& given);

// True when the pane holds something worth saving (its text, trimmed, is not empty).
bool hasReportText(const std::string& paneText);

// Writes the lines under `chosenPath` (".txt" added when missing). Returns the path that
// was written, or "" when the write failed (no file is left behind then).
std::string saveReport(const std::string& chosenPath, const std::vector<std::string>& lines,
                       TextEncoding encoding = TextEncoding::Gbk);
// The same; a failure puts its reason (for the error box) into `reason`.
std::string saveReport(const std::string& chosenPath, const std::vector<std::string>& lines,
                       std::string& reason, TextEncoding encoding = TextEncoding::Gbk);

}  // namespace lumo::naming

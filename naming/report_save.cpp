// Save of the analysis report: proposed name, extension rule, all-or-nothing write.
#include "naming/report_save.h"

#include "core/text.h"

namespace lumo::naming {

std::string proposedSaveName(const std::string& surname, const std::string& given) {
  std::string name = trimmed(surname + given);
  return name.find_first_of("*/<>?\\|") == std::string::npos ? name : "*.txt";
}

bool hasReportText(const std::string& paneText) {
  return !trimmed(paneText).empty();
}

std::string saveReport(const std::string& chosenPath, const std::vector<std::string>& lines,
                       TextEncoding encoding) {
  std::string reason;
  return saveReport(chosenPath, lines, reason, encoding);
}

std::string saveReport(const std::string& chosenPath, const std::vector<std::string>& lines,
                       std::string& reason, TextEncoding encoding) {
  std::string path = withTxtExtension(chosenPath);
  WriteResult written = saveRecordFile(path, lines, encoding);
  reason = written.reason;
  return written.ok ? path : std::string();
}

}  // namespace lumo::naming

#include "core/cli_support.h"

#include <iostream>

namespace lumo::cli {
namespace {
int g_exitCode = 0;
PdfWriter g_pdfWriter;
}  // namespace

void setExitCode(int code) {
  g_exitCode = code;
}
int exitCode() {
  return g_exitCode;
}

int printReport(const Report& report, const CommandResult& result) {
  for (const auto& line : report.lines) std::cout << line << '\n';
  switch (result.outcome) {
    case Outcome::Done:
    case Outcome::Stopped:
      return 0;
    case Outcome::Notice:
      std::cerr << result.message << '\n';
      return 2;
    case Outcome::Failed:
      std::cerr << result.message << '\n';
      return 1;
  }
  return 1;
}

int runAndPrint(const std::function<void(Report&)>& body) {
  return runPrintAndExport(body, "");
}

void setPdfWriter(PdfWriter writer) {
  g_pdfWriter = std::move(writer);
}

void addPdfOption(CLI::App& command, std::string& path) {
  command.add_option("--pdf", path, "also write the report as a PDF file");
}

int runPrintAndExport(const std::function<void(Report&)>& body, const std::string& pdfPath) {
  Report report;
  CommandResult result = runCommand(report, body);
  int code = printReport(report, result);
  if (code != 0 || pdfPath.empty()) return code;
  if (!g_pdfWriter) {
    std::cerr << "this lumo-cli was built without PDF export\n";
    return 1;
  }
  if (!g_pdfWriter(report.lines, pdfPath)) {
    std::cerr << "无法写入PDF文件：" << pdfPath << '\n';
    return 1;
  }
  return 0;
}

void addBirthOptions(CLI::App& command, BirthOptions& o, bool withSex) {
  command.add_option("--date", o.date, "birth date Y-M-D (Gregorian, or lunar with --lunar)");
  command.add_option("--hour", o.hour, "double hour item, e.g. \"子 0\" or \"午 12\"");
  command.add_option("--minute", o.minute, "minute");
  command.add_flag("--lunar", o.lunar, "the date is a lunar date");
  if (withSex) command.add_option("--sex", o.sex, "男 or 女");
}

PanelInput panelInputOf(const std::string& surname, const std::string& given, const BirthOptions& o) {
  PanelInput in;
  in.surname = surname;
  in.given = given;
  in.sex = o.sex;
  in.calendarIndex = o.lunar ? 1 : 0;
  in.hour = o.hour;
  in.minute = o.minute;
  std::string date = o.date;
  auto a = date.find('-');
  auto b = a == std::string::npos ? a : date.find('-', a + 1);
  if (a == std::string::npos || b == std::string::npos) {
    in.year = date;
    in.month = in.day = "";
  } else {
    in.year = date.substr(0, a);
    in.month = date.substr(a + 1, b - a - 1);
    in.day = date.substr(b + 1);
  }
  return in;
}

}  // namespace lumo::cli

#pragma once
// Shared pieces of lumo-cli subcommands: each folder adds its own subcommands with an
// add*Cli function; these helpers print a report the way the window shows it.
//
// Exit status: 0 for a finished report and for a silent stop (the lines written so far
// are printed), 2 when an input check fails (its notice on standard error), 1 when the
// command failed with an error (the message on standard error).

#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

#include "core/report.h"
#include "core/subject.h"

namespace lumo::cli {

int printReport(const Report& report, const CommandResult& result);
// Runs a report body and prints it.
int runAndPrint(const std::function<void(Report&)>& body);

// Options of the input panel shared by the subject, name and BaZi commands.
struct BirthOptions {
  std::string date = "1980-1-1";
  std::string hour = "子 0";
  std::string minute = "0";
  std::string sex = "男";
  bool lunar = false;
};
void addBirthOptions(CLI::App& command, BirthOptions& options, bool withSex);
// The panel input of a surname, a given name and the birth options ("y-m-d" split up).
PanelInput panelInputOf(const std::string& surname, const std::string& given, const BirthOptions& options);

// The PDF export of a report (name, bazi --pdf FILE). lumo-cli's main installs the writer,
// the renderer the windows use; a build without Qt installs none and --pdf is refused.
using PdfWriter = std::function<bool(const std::vector<std::string>& lines, const std::string& path)>;
void setPdfWriter(PdfWriter writer);
void addPdfOption(CLI::App& command, std::string& path);
// runAndPrint, and when the report finished and pdfPath is set, the same lines as a PDF
// (exit status 1 and a message when it cannot be written).
int runPrintAndExport(const std::function<void(Report&)>& body, const std::string& pdfPath);

// Called by main once the result code of a subcommand is known.
void setExitCode(int code);
int exitCode();

}  // namespace lumo::cli

// Each folder registers its subcommands here.
namespace lumo {
void addCalendarCli(CLI::App& app);
void addSubjectCli(CLI::App& app);
void addNamingCli(CLI::App& app);
void addBaziCli(CLI::App& app);
void addGeneratorCli(CLI::App& app);
void addReadingsCli(CLI::App& app);
void addAlmanacCli(CLI::App& app);
}  // namespace lumo

// The main window's naming commands: 姓名详解 / 姓名分析, 三才吉凶 and 姓氏起源.
#include "core/commands_window.h"
#include "core/main_host_window.h"
#include "naming/name_report.h"
#include "naming/sancai_reading.h"
#include "naming/surname_origin_window.h"

namespace lumo {
namespace {

void analyseInMainWindow(MainHost& host) {
  if (!host.captureSubject(true)) return;
  const Subject& subject = host.subject();
  Report report;
  CommandResult result = lumo::runCommand(report, [&](Report& r) {
    naming::BirthHeader(subject, *subject.moment, r);  // a capture that passed has left its moment
    naming::NameReport(subject.surname, subject.given, naming::kMainClosingLine, r);
  });
  host.showReport(report, result);
}

void sancaiInMainWindow(MainHost& host) {
  const Subject& subject = host.subject();
  Report report;
  bool wrote = false;
  CommandResult result = lumo::runCommand(
      report, [&](Report& r) { wrote = naming::ShowSancaiReading(subject.surname, subject.given, r); });
  // Before any analysis, or when the read stopped before the pane was cleared: no change.
  if (!wrote && result.outcome != Outcome::Failed) return;
  host.showReport(report, result);
}

}  // namespace

void registerNamingCommands(CommandRegistry& r) {
  r.add("姓名详解", analyseInMainWindow);
  r.add("姓名分析", analyseInMainWindow);
  r.add("三才吉凶", sancaiInMainWindow);
  r.add("姓氏起源", [](MainHost& host) { ShowSurnameOrigin(host.window()); });
}

}  // namespace lumo

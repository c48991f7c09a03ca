// The main window's "八字分析" command: capture the subject without the given-name check,
// then write the BaZi report into the report pane.
#include "bazi/bazi_report.h"
#include "core/commands_window.h"
#include "core/main_host_window.h"

namespace lumo {

void registerBaziCommands(CommandRegistry& r) {
  r.add("八字分析", [](MainHost& host) {
    if (!host.captureSubject(false)) return;
    Report report;
    CommandResult result = lumo::runCommand(report, [&](Report& lines) {
      Subject& subject = host.subject();  // a capture that passed has left its moment
      bazi::writeBaziReport(*subject.moment, subject, lines, host.chartOptions());
    });
    host.showReport(report, result);
  });
}

}  // namespace lumo
